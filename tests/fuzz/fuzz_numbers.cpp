// Numbers as the user types them (ReadInteger, ReadReal), and the number forms of the
// exercise texts on any double, width and decimals, rounded as the exact value says, in
// every classroom style.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "support/exact_decimal.h"
#include "util/exercise_numbers.h"
#include "util/number_input.h"
#include "util/number_format.h"
#include "util/strings.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// A fixed text read back lies within half a unit of its last place (18 decimals at most
// are exact) and a rounding of the double itself.
void CheckFixedReadsBack(double x, uint16_t decimals) {
    const std::string text = RealToFixed(x, 0, decimals);
    bool ok = false;
    const double back = ReadReal(text, ok);
    if (std::fabs(x) >= 1e300) return;  // the text may read back out of range
    Check(ok);
    const int exact = decimals < 18 ? decimals : 18;
    const double tolerance = 0.5 * std::pow(10.0, -exact) * (1 + 1e-9) + std::fabs(x) * 1e-15;
    Check(std::fabs(back - x) <= tolerance);
}

// Any k / 2^n and the exact half k / 2^(d+1) (k odd) give the digits of the exact
// decimal value, halves away from zero.
void CheckExactRounding(const uint8_t* data) {
    uint64_t k = 0;
    std::memcpy(&k, data, sizeof k);
    k >>= 11;  // 53 bits: exact in a double
    const int n = int(data[8] % 96) - 16;
    const int decimals = data[9] % 19;  // exact digits go to 18 decimals
    const bool negative = (data[10] & 1) != 0;
    const double sign = negative ? -1.0 : 1.0;
    Check(RealToFixed(sign * std::ldexp(double(k), -n), 0, uint16_t(decimals)) ==
          ExactFixed(k, n, negative, decimals));
    const uint64_t odd = k | 1;
    Check(RealToFixed(sign * std::ldexp(double(odd), -(decimals + 1)), 0, uint16_t(decimals)) ==
          ExactFixed(odd, decimals + 1, negative, decimals));
}

// A classroom text as ReadReal takes it: a point, and "e" for the raised power of ten.
std::string AsTyped(std::string text) {
    for (char& c : text) {
        if (c == ',') c = '.';
    }
    const std::size_t power = text.find("\xB7" "10^(");
    if (power != std::string::npos) {
        Check(text.back() == ')');
        text = text.substr(0, power) + "e" + text.substr(power + 5, text.size() - power - 6);
    }
    return text;
}

// The exact forms: no blank, one separator at most, the figures or decimals asked for,
// and the value read back within half a unit of the last place written.
void CheckClassroomForms(double x, int figures, int decimals) {
    const std::string significant = SignificantText(x, figures, ',');
    const std::string fixed = DecimalsText(x, decimals, ',');
    if (!std::isfinite(x)) return;
    for (const std::string& text : {significant, fixed}) {
        Check(!text.empty() && text.find(' ') == std::string::npos);
        Check(text.find(',') == text.rfind(','));
    }
    const std::size_t comma = fixed.find(',');
    Check(decimals == 0 ? comma == std::string::npos : fixed.size() - comma - 1 == std::size_t(decimals));
    bool ok = false;
    if (std::fabs(x) < 1e300 && std::fabs(x) > 1e-300) {
        const double back = ReadReal(AsTyped(significant), ok);
        Check(ok);
        // The place of the first figure; log10 may miss it by one next to a power of ten.
        double first = std::floor(std::log10(std::fabs(x)));
        if (std::pow(10.0, first) > std::fabs(x)) first -= 1;
        if (std::pow(10.0, first + 1) <= std::fabs(x)) first += 1;
        const double unit = std::pow(10.0, first - figures + 1);
        Check(std::fabs(back - x) <= unit * 0.5 * (1 + 1e-9) + std::fabs(x) * 4e-16);
        const double fixedBack = ReadReal(AsTyped(fixed), ok);
        Check(ok);
        Check(std::fabs(fixedBack - x) <= 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(x) * 1e-15);
    }
    // The forms of the generators, in each style: no padding under significant figures.
    for (const NumberStyle style : {NumberStyle{false, true}, NumberStyle{true, true}}) {
        for (const std::string& text : {ComputedNumber(x, style), DataNumber(x, style), PhNumber(x, style),
                                        MolarMassNumber(x, style), AtomicMassNumber(x, style)}) {
            Check(!text.empty() && text[0] != ' ');
        }
    }
    Check(ComputedNumber(x, NumberStyle{}) == RealToText(x, 8, 2));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    bool ok = false;
    const int32_t n = ReadInteger(text, ok);
    if (ok) {
        bool again = false;
        Check(ReadInteger(IntToText(n), again) == n && again);
        Check(IntToTextRight(n, 12).size() >= 11);
    } else {
        Check(n == 0);
    }

    const double x = ReadReal(text, ok);
    if (ok) {
        Check(std::isfinite(x));
        CheckFixedReadsBack(x, size % 20);
        RealToText(x, 10, 2);
    } else {
        Check(x == 0.0);
    }

    // The forms on any double: eight bytes for the value, then width and decimals.
    if (size >= 10) {
        double any = 0;
        std::memcpy(&any, data, sizeof any);
        const uint16_t width = data[8];
        const uint16_t decimals = data[9] % 40;
        const std::string fixed = RealToFixed(any, width, decimals);
        Check(fixed.size() >= width);
        const std::string form = RealToText(any, width, decimals);
        Check(!TrimText(form).empty());
        if (std::isfinite(any)) CheckFixedReadsBack(any, decimals);
        CheckClassroomForms(any, 1 + data[8] % 17, decimals % 31);
    }
    if (size >= 11) CheckExactRounding(data);
    return 0;
}
