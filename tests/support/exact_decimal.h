#pragma once
// A reference for the fixed-point number form that shares nothing with the program's
// own: k / 2^n is exactly k * 5^n / 10^n, so its decimal digits are those of the whole
// number k * 5^n, worked out one decimal digit at a time. ASCII only: the fuzzers
// include it too.

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace exact_decimal {

// Decimal digits, least significant first.
using Digits = std::vector<int>;

inline Digits FromInteger(uint64_t k) {
    Digits digits;
    do {
        digits.push_back(int(k % 10));
        k /= 10;
    } while (k != 0);
    return digits;
}

inline void MultiplyBySmall(Digits& digits, int factor) {
    int carry = 0;
    for (int& digit : digits) {
        const int value = digit * factor + carry;
        digit = value % 10;
        carry = value / 10;
    }
    while (carry != 0) {
        digits.push_back(carry % 10);
        carry /= 10;
    }
}

inline void AddOne(Digits& digits) {
    for (int& digit : digits) {
        if (++digit < 10) return;
        digit = 0;
    }
    digits.push_back(1);
}

}  // namespace exact_decimal

// The fixed-point text of (negative ? -1 : 1) * k / 2^n (n may be negative) with exactly `decimals` decimals,
// halves rounded away from zero, "-" in front of every negative value (also one that
// rounds to zero), no padding.
inline std::string ExactFixed(uint64_t k, int n, bool negative, int decimals) {
    using namespace exact_decimal;
    Digits digits = FromInteger(k);
    for (int i = 0; i < n; ++i) MultiplyBySmall(digits, 5);
    for (int i = n; i < 0; ++i) MultiplyBySmall(digits, 2);
    if (n < 0) n = 0;
    // digits / 10^n is the value. Keep `decimals` decimals: drop n - decimals digits, or
    // append zeros when the value has fewer decimals than asked.
    int places = n;
    if (decimals < n) {
        const int dropped = n - decimals;
        const bool halfOrMore = std::size_t(dropped) <= digits.size() && digits[dropped - 1] >= 5;
        if (std::size_t(dropped) >= digits.size()) {
            digits.assign(1, 0);
        } else {
            digits.erase(digits.begin(), digits.begin() + dropped);
        }
        if (halfOrMore) AddOne(digits);
        places = decimals;
    } else {
        digits.insert(digits.begin(), std::size_t(decimals - n), 0);
        places = decimals;
    }
    while (digits.size() < std::size_t(places) + 1) digits.push_back(0);
    while (digits.size() > std::size_t(places) + 1 && digits.back() == 0) digits.pop_back();
    std::string text = negative && k != 0 ? "-" : "";
    for (std::size_t i = digits.size(); i-- > 0;) {
        text += char('0' + digits[i]);
        if (i == std::size_t(places) && places > 0) text += '.';
    }
    return text;
}

// The same for any finite double x.
inline std::string ExactFixedOf(double x, int decimals) {
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(x), &exponent);  // |x| = fraction * 2^exponent
    const uint64_t k = uint64_t(std::ldexp(fraction, 53));          // a whole number below 2^53
    return ExactFixed(k, 53 - exponent, x < 0, decimals);
}
