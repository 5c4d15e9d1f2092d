#pragma once
// The program's message boxes: caption first, then the text (lines separated by
// carriage returns), each cut to 255 characters. They return the button pressed.

#include <cstddef>
#include <cstdint>
#include <string>

constexpr std::size_t kBoxTextMax = 255;

uint8_t ShowMessage(const std::string& caption, const std::string& text);
uint8_t ShowMessageFlags(const std::string& caption, const std::string& text, uint16_t flags);
uint8_t AskYesNo(const std::string& caption, const std::string& text);
uint8_t AskYesNoFlags(const std::string& caption, const std::string& text, uint16_t flags);
uint8_t AskYesNoCancelFlags(const std::string& caption, const std::string& text, uint16_t flags);
