#include "app/interaction_win.h"

#include <windows.h>

#include "chemistry/element_windows.h"
#include "chemistry/reaction_window.h"
#include "shell/exercise_editor.h"
#include "shell/file_dialogs_win.h"
#include "shell/generation_window.h"
#include "shell/moodle_window.h"
#include "shell/save_window.h"
#include "shell/shell_utils.h"
#include "shell/versions_window.h"
#include "ui/input_text.h"

uint8_t WindowsInteraction::ChooseSubKind(const std::string& subKinds) { return ::ChooseSubKind(subKinds); }

bool WindowsInteraction::InputText(const std::string& prompt, std::string& text) {
    return ::InputText(prompt, text);
}

bool WindowsInteraction::ChooseReaction(const std::vector<std::string>& reactions, std::string& text) {
    return ChooseReactionWindow(reactions, text);
}

bool WindowsInteraction::ChooseFromList(const std::string& caption, const std::vector<std::string>& items,
                                        std::string& text) {
    return ChooseFromListWindow(caption, items, text);
}

uint8_t WindowsInteraction::Message(const std::string& caption, const std::string& text, uint16_t flags) {
    // Owned by the active window of the program, none when the program is not active.
    return static_cast<uint8_t>(MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), flags));
}

bool WindowsInteraction::EditExercise(ExerciseRecord& record) { return ::EditExercise(record); }

bool WindowsInteraction::SaveSeries(std::string& exportName, std::string& documentTitle, int32_t& presentation,
                                    bool& answersOnNewPage) {
    return SaveSeriesWindow(exportName, documentTitle, presentation, answersOnNewPage);
}

bool WindowsInteraction::ChooseVersions(int& count, uint32_t& seed) { return VersionsWindow(count, seed); }

bool WindowsInteraction::ChooseMoodleQuiz(int& variants, double& tolerancePercent) {
    return MoodleWindow(variants, tolerancePercent);
}

bool WindowsInteraction::ChooseBatchFile(bool saving, const std::string& folder, std::string& path) {
    return ChooseBatchFileDialog(saving, folder, path);
}

uint16_t WindowsInteraction::ShellOpen(const std::string& command) { return ::ShellOpen(command); }

void WindowsInteraction::OpenElementList() { ShowElementsWindow(); }

void WindowsInteraction::OpenElementEditor() { ShowElementEditor(); }
