#pragma once
// A user who answers from a script: each window the program opens takes the next
// scripted answer of its kind and is recorded. A window opened with no answer left
// fails the test and is cancelled.

#include <cstdint>
#include <deque>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "shell/batch.h"
#include "shell/interaction.h"

struct ShownBox {
    std::string caption;
    std::string text;
    uint16_t flags;

    bool operator==(const ShownBox&) const = default;
};
using ShownBoxes = std::vector<ShownBox>;
// For the tests' messages: caption, text and the flags by their names.
void PrintTo(const ShownBox& box, std::ostream* out);

class ScriptedUi final : public UserInteraction {
public:
    ScriptedUi();   // installs itself
    ~ScriptedUi() override;  // and uninstalls; fails the test if answers were left over

    // Script.
    std::deque<uint8_t> subKinds;                    // answers of the generation window
    std::deque<std::optional<std::string>> texts;    // text input: a text, or nullopt to cancel
    std::deque<std::optional<std::string>> reactions;  // reaction window: picked or typed, or nullopt to cancel
    std::deque<uint8_t> boxAnswers;                  // questions (Yes/No/Cancel boxes)
    std::deque<std::function<bool(ExerciseRecord&)>> edits;  // the exercise editor
    std::function<void()> onElementEditor;           // what the user does in the element editor
    // The save window: nullopt cancels; otherwise the user leaves these values and accepts.
    struct SaveAnswer {
        std::string exportName;
        std::string documentTitle;
        int32_t presentation;
        bool answersOnNewPage = false;
    };
    std::deque<std::optional<SaveAnswer>> saves;
    // The versions window: nullopt cancels; otherwise the number of versions and the seed.
    struct VersionsAnswer {
        int count;
        uint32_t seed;
    };
    std::deque<std::optional<VersionsAnswer>> versions;
    // The Moodle window: nullopt cancels; otherwise the number of variants and the tolerance.
    struct MoodleAnswer {
        int variants;
        double tolerancePercent;
    };
    std::deque<std::optional<MoodleAnswer>> moodle;
    // The open and save dialogs: nullopt cancels; otherwise the path chosen.
    std::deque<std::optional<std::string>> batchFiles;
    uint16_t shellResult = 42;  // what the shell answers to every open

    // Record.
    std::vector<std::string> subKindLists;
    std::vector<std::string> prompts;
    std::vector<std::vector<std::string>> reactionLists;  // what the reaction window listed
    std::vector<std::string> proposedReactions;          // and the reaction it proposed
    std::vector<ShownBox> boxes;
    std::vector<ExerciseRecord> editedRecords;  // as the editor received them
    std::vector<SaveAnswer> proposedSaves;     // what the save window proposed
    std::vector<VersionsAnswer> proposedVersions;  // what the versions window proposed
    std::vector<MoodleAnswer> proposedMoodle;      // what the Moodle window proposed
    struct FileDialog {
        bool saving;
        std::string folder;
        std::string path;  // proposed
    };
    std::vector<FileDialog> fileDialogs;
    std::vector<std::string> shellOpened;
    int elementListOpened = 0;
    int elementEditorOpened = 0;

    // Convenience answers for the editor.
    static std::function<bool(ExerciseRecord&)> Accept();
    static std::function<bool(ExerciseRecord&)> Cancel();

    uint8_t ChooseSubKind(const std::string& subKinds) override;
    bool InputText(const std::string& prompt, std::string& text) override;
    bool ChooseReaction(const std::vector<std::string>& reactions, std::string& text) override;
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
