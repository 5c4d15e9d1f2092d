#include "shell/messages.h"

#include "shell/interaction.h"
#include "util/strings.h"

namespace {

// Answers for the time before the windows install themselves: nothing is shown, and
// no question is taken as agreed.
class NoInteraction final : public UserInteraction {
public:
    uint8_t ChooseSubKind(const std::string&) override { return 0; }
    bool InputText(const std::string&, std::string&) override { return false; }
    bool ChooseReaction(const std::vector<std::string>&, std::string&) override { return false; }
    uint8_t Message(const std::string&, const std::string&, uint16_t flags) override {
        return (flags & 0x0F) == kBoxOk ? kAnswerOk : kAnswerCancel;
    }
    bool EditExercise(ExerciseRecord&) override { return false; }
    bool SaveSeries(std::string&, std::string&, int32_t&, bool&) override { return false; }
    uint16_t ShellOpen(const std::string&) override { return 0; }
    void OpenElementList() override {}
    void OpenElementEditor() override {}
};

NoInteraction g_none;
UserInteraction* g_ui = &g_none;

uint8_t Box(const std::string& caption, const std::string& text, uint16_t flags) {
    return Ui().Message(CutText(caption, kBoxTextMax), CutText(text, kBoxTextMax), flags);
}

}  // namespace

bool UserInteraction::ChooseVersions(int&, uint32_t&) { return false; }

bool UserInteraction::ChooseMoodleQuiz(int&, double&) { return false; }

bool UserInteraction::ChooseBatchFile(bool, const std::string&, std::string&) { return false; }

UserInteraction& Ui() { return *g_ui; }

void SetUserInteraction(UserInteraction* ui) { g_ui = ui ? ui : &g_none; }

uint8_t ShowMessage(const std::string& caption, const std::string& text) {
    return Box(caption, text, kBoxOk);
}

uint8_t ShowMessageFlags(const std::string& caption, const std::string& text, uint16_t flags) {
    return Box(caption, text, flags);
}

uint8_t AskYesNo(const std::string& caption, const std::string& text) {
    return Box(caption, text, kBoxYesNo);
}

uint8_t AskYesNoFlags(const std::string& caption, const std::string& text, uint16_t flags) {
    return Box(caption, text, kBoxYesNo | flags);
}

uint8_t AskYesNoCancelFlags(const std::string& caption, const std::string& text, uint16_t flags) {
    return Box(caption, text, kBoxYesNoCancel | flags);
}
