#include "util/number_format.h"

#include <cmath>
#include <cstdio>

namespace {

// Just enough unsigned 128-bit arithmetic for exact decimal digits of an 80-bit real;
// the 32-bit Windows compiler has no __int128.
struct U128 {
    uint64_t hi = 0;
    uint64_t lo = 0;
};

U128 Multiply(uint64_t a, uint64_t b) {
    const uint64_t aLo = a & 0xFFFFFFFFu, aHi = a >> 32;
    const uint64_t bLo = b & 0xFFFFFFFFu, bHi = b >> 32;
    const uint64_t ll = aLo * bLo, lh = aLo * bHi, hl = aHi * bLo, hh = aHi * bHi;
    const uint64_t mid = (ll >> 32) + (lh & 0xFFFFFFFFu) + (hl & 0xFFFFFFFFu);
    U128 r;
    r.lo = (mid << 32) | (ll & 0xFFFFFFFFu);
    r.hi = hh + (lh >> 32) + (hl >> 32) + (mid >> 32);
    return r;
}

U128 ShiftRight(U128 v, int s) {
    if (s >= 128) return {};
    if (s >= 64) return {0, v.hi >> (s - 64)};
    if (s == 0) return v;
    return {v.hi >> s, (v.lo >> s) | (v.hi << (64 - s))};
}

// False when bits would be lost.
bool ShiftLeft(U128& v, int s) {
    if (s == 0) return true;
    if (s >= 128) return v.hi == 0 && v.lo == 0;
    U128 r;
    if (s >= 64) {
        // The top s - 64 bits of the low word would go; none of them at exactly 64, and a
        // shift by the full 64 would be undefined.
        if (v.hi != 0 || (s > 64 && (v.lo >> (128 - s)) != 0)) return false;
        r = {v.lo << (s - 64), 0};
    } else {
        if ((v.hi >> (64 - s)) != 0) return false;
        r = {(v.hi << s) | (v.lo >> (64 - s)), v.lo << s};
    }
    v = r;
    return true;
}

// Divides v by 10 in place and returns the remainder.
unsigned DivMod10(U128& v) {
    uint64_t rem = 0;
    uint32_t parts[4] = {uint32_t(v.hi >> 32), uint32_t(v.hi), uint32_t(v.lo >> 32), uint32_t(v.lo)};
    for (uint32_t& part : parts) {
        const uint64_t cur = (rem << 32) | part;
        part = uint32_t(cur / 10);
        rem = cur % 10;
    }
    v.hi = (uint64_t(parts[0]) << 32) | parts[1];
    v.lo = (uint64_t(parts[2]) << 32) | parts[3];
    return unsigned(rem);
}

std::string ToDecimal(U128 v) {
    std::string digits;
    do {
        digits.insert(digits.begin(), char('0' + DivMod10(v)));
    } while (v.hi != 0 || v.lo != 0);
    return digits;
}

bool Bit(const U128& v, int i) {
    if (i >= 128) return false;
    return ((i >= 64 ? v.hi >> (i - 64) : v.lo >> i) & 1u) != 0;
}

void AddOne(U128& v) {
    if (++v.lo == 0) ++v.hi;
}

// Decimal digits of m * 10^decimals rounded to a whole number, for m >= 0, exact: a value
// exactly halfway goes up (away from zero), any other to the nearer whole number. False
// when out of range.
bool RoundedScaledDigits(long double m, int decimals, std::string& digits) {
    if (m == 0) {
        digits = "0";
        return true;
    }
    int exponent = 0;
    const long double fraction = std::frexp(m, &exponent);  // m = fraction * 2^exponent
    const uint64_t mantissa = uint64_t(std::ldexp(fraction, 64));
    uint64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    U128 product = Multiply(mantissa, scale);  // m * 10^d = product * 2^(exponent - 64)
    const int shift = 64 - exponent;
    if (shift > 0) {
        // The first bit shifted out is worth half a unit: set, the rest is half or more.
        const bool up = Bit(product, shift - 1);
        product = ShiftRight(product, shift);
        if (up) AddOne(product);
    } else if (!ShiftLeft(product, -shift)) {
        return false;
    }
    digits = ToDecimal(product);
    return true;
}

constexpr int kMaxExactDecimals = 18;  // 10^18 still fits the 64-bit scale factor

std::string PadLeft(std::string text, uint16_t width) {
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

}  // namespace

std::string IntToText(int32_t n) { return std::to_string(n); }

std::string IntToTextRight(int32_t n, uint16_t width) { return PadLeft(IntToText(n), width); }

std::string RealToFixed(double x, uint16_t width, uint16_t decimals) {
    const bool negative = x < 0;
    std::string text;
    if (std::isnan(x)) {
        text = "NaN";
    } else if (std::isinf(x)) {
        text = "Inf";
    } else {
        // Rounded on the exact binary value: adding a binary half unit before truncating
        // would round some exact halves (0.125 to 2 decimals) down.
        const int exact = decimals < kMaxExactDecimals ? decimals : kMaxExactDecimals;
        const long double magnitude = std::fabs(static_cast<long double>(x));
        std::string digits;
        if (!RoundedScaledDigits(magnitude, exact, digits)) {
            // Far beyond any quantity of an exercise (10^36 and more): plain printf digits.
            char buffer[400];
            std::snprintf(buffer, sizeof buffer, "%.*f", exact, std::fabs(x));
            digits = buffer;
            digits.erase(digits.find('.') == std::string::npos ? digits.size() : digits.find('.'), 1);
        }
        if (digits.size() < std::size_t(exact) + 1) digits.insert(0, exact + 1 - digits.size(), '0');
        text = digits.substr(0, digits.size() - exact);
        if (decimals > 0) {
            text += '.';
            text += digits.substr(digits.size() - exact);
            text.append(decimals - exact, '0');  // digits past an 80-bit real's precision
        }
    }
    if (negative) text.insert(0, "-");
    return PadLeft(std::move(text), width);
}

std::string RealToText(double x, uint16_t width, uint16_t decimals) {
    const bool small = std::fabs(x) < 1;
    std::string text = RealToFixed(x, width, small ? 6 : decimals);
    // Trailing zeros go only after a point: integer zeros stay (no point when decimals is 0).
    if (text.find('.') != std::string::npos) {
        while (!text.empty() && text.back() == '0') text.pop_back();
    }
    const std::size_t firstDigit = text.find_first_not_of(' ');
    if (firstDigit == std::string::npos) return text;
    std::string core = text.substr(firstDigit);
    std::size_t point = core.find('.');
    const std::size_t beforePoint = point == std::string::npos ? core.size() : point;
    if (beforePoint >= 6) {
        if (core[0] == '-') {
            // A negative number takes the exponent form of its magnitude.
            return "-" + RealToText(-x, 0, decimals);
        }
        if (!std::isfinite(x)) return text;
        // Mantissa = the leading digits of the fixed text, truncated, not rounded.
        std::string mantissa = core.substr(0, 1) + "." + core.substr(1);
        mantissa.resize(std::min<std::size_t>(mantissa.size(), std::size_t(decimals) + 2));
        if (mantissa.back() == '.') mantissa.pop_back();
        return mantissa + "e" + IntToText(int32_t(beforePoint - 1));
    }
    if (!text.empty() && text.back() == '.') text.pop_back();
    return text;
}
