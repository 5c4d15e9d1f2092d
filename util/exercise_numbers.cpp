#include "util/exercise_numbers.h"

#include <cmath>
#include <utility>
#include <vector>

#include "util/number_format.h"
#include "util/number_input.h"
#include "util/strings.h"

namespace {

// A whole number of any size in base 10^9, least significant part first: enough to write
// a double's exact value, which has at most 767 significant digits.
class BigWhole {
public:
    explicit BigWhole(uint64_t n) {
        do {
            parts_.push_back(uint32_t(n % kBase));
            n /= kBase;
        } while (n != 0);
    }

    void Multiply(uint32_t factor) {
        uint64_t carry = 0;
        for (uint32_t& part : parts_) {
            const uint64_t product = uint64_t(part) * factor + carry;
            part = uint32_t(product % kBase);
            carry = product / kBase;
        }
        while (carry != 0) {
            parts_.push_back(uint32_t(carry % kBase));
            carry /= kBase;
        }
    }

    // Multiplies by base^count in factors that fit 32 bits.
    void MultiplyByPower(uint32_t base, int count, uint32_t bigFactor, int bigCount) {
        for (; count >= bigCount; count -= bigCount) Multiply(bigFactor);
        for (; count > 0; --count) Multiply(base);
    }

    std::string Digits() const {
        std::string text = std::to_string(parts_.back());
        for (std::size_t i = parts_.size() - 1; i-- > 0;) {
            const std::string part = std::to_string(parts_[i]);
            text.append(9 - part.size(), '0');
            text += part;
        }
        return text;
    }

private:
    static constexpr uint64_t kBase = 1000000000;
    std::vector<uint32_t> parts_;
};

// |x| as exactly digits × 10^-scale; digits without leading zeros, "0" for zero.
struct ExactDecimal {
    std::string digits;
    int scale = 0;
};

ExactDecimal ExactValue(double x) {
    if (x == 0) return {"0", 0};
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(x), &exponent);  // |x| = fraction * 2^exponent
    uint64_t mantissa = uint64_t(std::ldexp(fraction, 53));
    int power = exponent - 53;
    while ((mantissa & 1) == 0) {
        mantissa >>= 1;
        ++power;
    }
    BigWhole whole(mantissa);
    if (power >= 0) {
        whole.MultiplyByPower(2, power, 1u << 30, 30);
        return {whole.Digits(), 0};
    }
    // m * 2^-k = m * 5^k / 10^k
    whole.MultiplyByPower(5, -power, 1220703125u, 13);
    return {whole.Digits(), -power};
}

// Adds one to a string of decimal digits; "999" becomes "1000".
void AddOne(std::string& digits) {
    for (std::size_t i = digits.size(); i-- > 0;) {
        if (digits[i] != '9') {
            ++digits[i];
            return;
        }
        digits[i] = '0';
    }
    digits.insert(digits.begin(), '1');
}

// With the exact digits, a dropped part of at least half a unit starts with 5 or more:
// exactly half goes away from zero, more than half up, less than half down.
bool RoundsUp(const std::string& digits, std::size_t firstDropped) {
    return firstDropped < digits.size() && digits[firstDropped] >= '5';
}

std::string PlainText(double x, PlainForm plain) { return RealToText(x, plain.width, plain.decimals); }

char Separator(const NumberStyle& style) { return style.decimalComma ? ',' : '.'; }

// The numbers that reach here hold no other point than the decimal one.
std::string WithSeparator(std::string text, const NumberStyle& style) {
    if (style.decimalComma) {
        for (char& c : text) {
            if (c == '.') c = ',';
        }
    }
    return text;
}

}  // namespace

std::string SignificantText(double x, int figures, char separator) {
    if (!std::isfinite(x)) return RealToText(x, 0, 2);
    if (x == 0) return "0";
    const std::size_t n = std::size_t(figures < 1 ? 1 : figures > 17 ? 17 : figures);
    const ExactDecimal exact = ExactValue(x);
    int power = int(exact.digits.size()) - 1 - exact.scale;  // of the first digit
    std::string kept = exact.digits.substr(0, n);
    kept.append(n - kept.size(), '0');
    if (RoundsUp(exact.digits, n)) {
        AddOne(kept);
        if (kept.size() > n) {  // 999 became 1000: one place up
            kept.pop_back();
            ++power;
        }
    }
    std::string text = x < 0 ? "-" : "";
    if (power >= 3 || power < -3) {
        // Trailing zeros of a large whole number or a run of leading zeros would hide how
        // many figures are significant.
        text += kept[0];
        if (n > 1) text += separator + kept.substr(1);
        return text + "·10^(" + std::to_string(power) + ")";
    }
    if (power < 0) return text + "0" + separator + std::string(std::size_t(-power - 1), '0') + kept;
    const std::size_t whole = std::size_t(power) + 1;
    if (whole >= n) return text + kept + std::string(whole - n, '0');
    return text + kept.substr(0, whole) + separator + kept.substr(whole);
}

std::string DecimalsText(double x, int decimals, char separator) {
    if (!std::isfinite(x)) return RealToText(x, 0, 2);
    const std::size_t d = std::size_t(decimals < 0 ? 0 : decimals > 30 ? 30 : decimals);
    const ExactDecimal exact = ExactValue(x);
    // scaled = the exact value times 10^d, rounded to a whole number
    std::string scaled;
    if (std::size_t(exact.scale) <= d) {
        scaled = exact.digits + std::string(d - std::size_t(exact.scale), '0');
    } else {
        const std::size_t dropped = std::size_t(exact.scale) - d;
        const std::size_t kept = exact.digits.size() > dropped ? exact.digits.size() - dropped : 0;
        scaled = kept > 0 ? exact.digits.substr(0, kept) : "0";
        // Fewer digits than are dropped: the first dropped one is a leading zero.
        const bool up = exact.digits.size() >= dropped && RoundsUp(exact.digits, kept);
        if (up) AddOne(scaled);
    }
    if (scaled.size() < d + 1) scaled.insert(0, d + 1 - scaled.size(), '0');
    const bool zero = scaled.find_first_not_of('0') == std::string::npos;
    std::string text = x < 0 && !zero ? "-" : "";
    text += scaled.substr(0, scaled.size() - d);
    if (d > 0) text += separator + scaled.substr(scaled.size() - d);
    return text;
}

std::string ComputedNumber(double x, const NumberStyle& style, PlainForm plain) {
    if (style.significantFigures) return SignificantText(x, 3, Separator(style));
    return WithSeparator(PlainText(x, plain), style);
}

std::string DataNumber(double x, const NumberStyle& style, PlainForm plain) {
    std::string text = PlainText(x, plain);
    if (style.significantFigures) text = TrimText(text);
    return WithSeparator(std::move(text), style);
}

std::string CountNumber(int32_t n, const NumberStyle&) { return IntToText(n); }

std::string PhNumber(double ph, const NumberStyle& style, PlainForm plain) {
    if (style.significantFigures) return DecimalsText(ph, 2, Separator(style));
    return WithSeparator(PlainText(ph, plain), style);
}

std::string MolarMassNumber(double grams, const NumberStyle& style) {
    if (style.significantFigures) return DecimalsText(grams, 2, Separator(style));
    return WithSeparator(RealToText(grams, 8, 2), style);
}

std::string AtomicMassNumber(double mass, const NumberStyle& style) {
    if (style.significantFigures) return DecimalsText(mass, 2, Separator(style));
    return WithSeparator(RealToFixed(mass, 5, 2), style);
}

double ReadExerciseNumber(std::string_view raw, bool& ok) {
    ok = false;
    std::string text = TrimText(raw);
    if (text.empty()) return 0;
    const std::string power = "\xB7" "10^(";
    const std::size_t at = text.find(power);
    if (at != std::string::npos) {
        // "m·10^(n)" reads as "men": the exponent must be a whole number closing the text.
        const std::string exponent = text.substr(at + power.size());
        if (exponent.size() < 2 || exponent.back() != ')') return 0;
        bool whole = false;
        ReadInteger(exponent.substr(0, exponent.size() - 1), whole);
        if (!whole || exponent.find_first_of("$%") != std::string::npos) return 0;
        text = text.substr(0, at) + "e" + exponent.substr(0, exponent.size() - 1);
        if (text.find_first_of("eE") != at) return 0;  // one exponent only
    }
    const std::size_t comma = text.find(',');
    if (comma != std::string::npos) {
        if (text.find('.') != std::string::npos) return 0;  // one separator or the other
        text[comma] = '.';
    }
    return ReadReal(text, ok);
}


std::string PowerText(double x, int figures, const NumberStyle& style) {
    const std::string text = SignificantText(x, figures, style.decimalComma ? ',' : '.');
    const std::string power = "·10^(";
    const std::size_t at = text.find(power);
    if (style.significantFigures || at == std::string::npos) return text;
    const std::size_t close = text.find(')', at);
    return text.substr(0, at) + "e" + text.substr(at + power.size(), close - at - power.size());
}

int FiguresOf(double x) {
    for (int figures = 1; figures < 6; ++figures) {
        bool ok = false;
        const double read = ReadExerciseNumber(SignificantText(x, figures, '.'), ok);
        if (ok && std::fabs(read - x) <= 1e-9 * std::fabs(x)) return figures;
    }
    return 6;
}
