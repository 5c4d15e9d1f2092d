#pragma once
// The text input window "Edtira": one line of text under a prompt in the title bar.

#include <string>

// True, with the edited text, when the user accepts; false, the text unchanged, otherwise.
bool InputText(const std::string& prompt, std::string& text);
