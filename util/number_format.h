#pragma once
// The number forms of exercise texts and windows. No locale: "." is the decimal
// separator, there is no thousands separator, "-" marks negatives, "+" is never written.

#include <cstdint>
#include <string>

// n in decimal digits, "-" in front when negative; no padding.
std::string IntToText(int32_t n);

// IntToText(n) padded on the left with blanks to `width` characters (never cut).
std::string IntToTextRight(int32_t n, uint16_t width);

// Fixed-point text of x with exactly `decimals` decimals, halves rounded away from
// zero, padded on the left with blanks to `width` characters.
std::string RealToFixed(double x, uint16_t width, uint16_t decimals);

// The form of every measured quantity in exercises: `decimals` decimals from 1 on,
// six below 1, trailing zeros and a bare point removed, the exponent form ("1.23e5")
// from six integer digits on. Leading blanks of the width are kept.
std::string RealToText(double x, uint16_t width, uint16_t decimals);
