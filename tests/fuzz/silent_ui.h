#pragma once
// A user who is never there, for the fuzzers: message boxes go nowhere, every question is
// answered No, and the text input window returns the text it was given to type. It checks
// what the program shows, since a box text is a limit the windows rely on.

#include <cstdlib>
#include <string>

#include "shell/interaction.h"

class SilentUi final : public UserInteraction {
public:
    SilentUi() { SetUserInteraction(this); }
    ~SilentUi() override { SetUserInteraction(nullptr); }

    std::string typed;  // what the text input window answers
    int boxes = 0;

    uint8_t ChooseSubKind(const std::string&) override { return 0; }
    bool InputText(const std::string&, std::string& text) override {
        text = typed;
        return true;
    }
    bool ChooseReaction(const std::vector<std::string>&, std::string& text) override {
        text = typed;
        return true;
    }
    uint8_t Message(const std::string& caption, const std::string& text, uint16_t flags) override {
        // A window takes at most 255 characters; the message wrappers cut to that.
        if (caption.size() > 255 || text.size() > 255) std::abort();
        ++boxes;
        return (flags & 0x0F) == kBoxOk ? kAnswerOk : kAnswerNo;
    }
    bool EditExercise(ExerciseRecord&) override { return false; }
    bool SaveSeries(std::string&, std::string&, int32_t&, bool&) override { return false; }
    uint16_t ShellOpen(const std::string&) override { return 0; }
    void OpenElementList() override {}
    void OpenElementEditor() override {}
};
