#pragma once
// How the program's logic reaches the user. The windows implement this interface in
// the program; tests install a scripted fake. Nothing else in the portable code talks
// to the user.

#include <cstdint>
#include <string>
#include <vector>

struct ExerciseRecord;

// Message-box button sets, icons, default buttons and answers: the Win32 values, so they
// pass through as they are.
enum : uint16_t {
    kBoxOk = 0x0000,
    kBoxOkCancel = 0x0001,  // "Aceptar" and "Cancelar"
    kBoxYesNoCancel = 0x0003,
    kBoxYesNo = 0x0004,
    kBoxIconExclamation = 0x0030,
    kBoxDefaultButton2 = 0x0100,  // the second button ("No" of Yes/No) answers Enter
};
enum : uint8_t { kAnswerOk = 1, kAnswerCancel = 2, kAnswerRetry = 4, kAnswerYes = 6, kAnswerNo = 7 };

class UserInteraction {
public:
    virtual ~UserInteraction() = default;

    // The generation window: the chosen sub-kind (from 1), or 0 when the user leaves.
    virtual uint8_t ChooseSubKind(const std::string& subKinds) = 0;

    // One line of text under a prompt; true, with the edited text, when accepted.
    virtual bool InputText(const std::string& prompt, std::string& text) = 0;

    // A balanced reaction for a stoichiometry exercise: picked from `reactions` or typed.
    // `text` comes in as the reaction to propose; true, with the reaction, when accepted.
    virtual bool ChooseReaction(const std::vector<std::string>& reactions, std::string& text) = 0;

    // One of a list picked, or a text typed, in a window like the reaction window under
    // `caption` (a substance or an equilibrium of the constants); the same contract as
    // ChooseReaction, which it is unless implemented.
    virtual bool ChooseFromList(const std::string& /*caption*/, const std::vector<std::string>& items,
                                std::string& text) {
        return ChooseReaction(items, text);
    }

    // A message box with the given flags; returns the button pressed.
    virtual uint8_t Message(const std::string& caption, const std::string& text, uint16_t flags) = 0;

    // The exercise editor; true, with the edited record, when accepted.
    virtual bool EditExercise(ExerciseRecord& record) = 0;

    // The save window of the export: proposes the settings and, when the user accepts,
    // returns true with them changed.
    virtual bool SaveSeries(std::string& exportName, std::string& documentTitle, int32_t& presentation,
                            bool& answersOnNewPage) = 0;

    // The versions window: proposes the number of versions and the batch's seed; true, with
    // them changed, when the user accepts. Unless implemented: cancelled.
    virtual bool ChooseVersions(int& count, uint32_t& seed);

    // The Moodle window: proposes the number of variants and the tolerance in percent; true,
    // with them changed, when the user accepts. Unless implemented: cancelled.
    virtual bool ChooseMoodleQuiz(int& variants, double& tolerancePercent);

    // The system's dialog to open (`saving` false) or save a batch file, starting in `folder`
    // with `path` proposed; true with the full path chosen. Unless implemented: cancelled.
    virtual bool ChooseBatchFile(bool saving, const std::string& folder, std::string& path);

    // Opens a document with the program that the system associates with it (or runs a
    // command naming an ".exe"); the shell's result, 32 and below meaning failure, and
    // kShellNotLoaded (a value the shell never gives) when its library could not be loaded,
    // which the user has been told.
    virtual uint16_t ShellOpen(const std::string& command) = 0;
    static constexpr uint16_t kShellNotLoaded = 1;

    // The element data windows.
    virtual void OpenElementList() = 0;
    virtual void OpenElementEditor() = 0;
};

// The interface in force. Until one is installed, every question is answered with
// Cancel or No and every window is left unopened.
UserInteraction& Ui();
void SetUserInteraction(UserInteraction* ui);
