#pragma once
// The program's windows behind the user-interaction interface.

#include "shell/interaction.h"

class WindowsInteraction final : public UserInteraction {
public:
    uint8_t ChooseSubKind(const std::string& subKinds) override;
    bool InputText(const std::string& prompt, std::string& text) override;
    bool ChooseReaction(const std::vector<std::string>& reactions, std::string& text) override;
    bool ChooseFromList(const std::string& caption, const std::vector<std::string>& items, std::string& text) override;
    uint8_t Message(const std::string& caption, const std::string& text, uint16_t flags) override;
    bool EditExercise(ExerciseRecord& record) override;
    bool SaveSeries(std::string& exportName, std::string& documentTitle, int32_t& presentation,
                    bool& answersOnNewPage) override;
    bool ChooseVersions(int& count, uint32_t& seed) override;
    bool ChooseMoodleQuiz(int& variants, double& tolerancePercent) override;
    bool ChooseBatchFile(bool saving, const std::string& folder, std::string& path) override;
    uint16_t ShellOpen(const std::string& command) override;
    void OpenElementList() override;
    void OpenElementEditor() override;
};
