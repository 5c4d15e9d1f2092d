#pragma once
// The language of the three-language message tables of the shared windows.

#include <cstdint>

extern int32_t UiLanguage;  // 0 Catalan, 1 English, 2 Spanish

// The text of a three-language table chosen by UiLanguage.
const char* InLanguage(const char* catalan, const char* english, const char* spanish);
