#pragma once
// Numbers typed by the user, read without locale: "." is the decimal separator.
// Blanks around the number are allowed, blanks inside are not. An empty or blank text
// reads as 0 without error.

#include <cstdint>
#include <string_view>

// An optional "-" or "+", then decimal digits, or "$" and hexadecimal digits, or "%" and
// binary digits. `ok` is false when the text is not such a 32-bit integer.
int32_t ReadInteger(std::string_view text, bool& ok);

// An optional sign, digits, an optional "." with digits, an optional exponent ("e" or
// "E", an optional sign, digits). `ok` is false otherwise, or when out of range.
double ReadReal(std::string_view text, bool& ok);
