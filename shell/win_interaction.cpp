#include "shell/win_interaction.h"

#include <windows.h>

uint8_t WindowsInteraction::ChooseSubKind(const std::string&) {
    return 0;  // the generation window is not part of the program yet
}

bool WindowsInteraction::InputText(const std::string&, std::string&) {
    return false;  // the text input window is not part of the program yet
}

uint8_t WindowsInteraction::Message(const std::string& caption, const std::string& text, uint16_t flags) {
    // Owned by the active window of the program, none when the program is not active.
    return static_cast<uint8_t>(MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), flags));
}

bool WindowsInteraction::EditExercise(ExerciseRecord&) {
    return false;  // the exercise editor is not part of the program yet
}

bool WindowsInteraction::SaveSeries(std::string&, std::string&, int32_t&) {
    return false;  // the save window is not part of the program yet
}

uint16_t WindowsInteraction::ShellOpen(const std::string&) {
    return 0;  // opening documents is not part of the program yet
}

void WindowsInteraction::OpenElementList() {}

void WindowsInteraction::OpenElementEditor() {}
