#include "shell/moodle_choice.h"

#include <charconv>
#include <cstdint>

#include "shell/moodle.h"
#include "shell/settings.h"
#include "util/number_input.h"
#include "util/strings.h"

namespace {

// Decimal digits only: no sign, no "$" or "%" forms.
bool ReadWhole(std::string_view text, int max, int& value) {
    const std::string digits = TrimText(text);
    if (digits.empty() || digits.size() > 3) return false;
    value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return value <= max;
}

// Digits with at most one decimal point or comma, as a teacher writes a percentage: no sign
// and no exponent, which here would only be a slip of the finger.
bool ReadPercent(std::string_view text, double& value) {
    std::string number = TrimText(text);
    int digits = 0;
    int separators = 0;
    for (char& c : number) {
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == '.' || c == ',') {
            c = '.';
            ++separators;
        } else {
            return false;
        }
    }
    if (digits == 0 || separators > 1) return false;
    bool ok = false;
    value = ReadReal(number, ok);
    return ok && value <= kMoodleToleranceMax;
}

}  // namespace

bool ReadMoodleChoice(std::string_view variantsText, std::string_view toleranceText, int& variants,
                      double& tolerancePercent, std::string& problem, int& field) {
    int count = 0;
    if (!ReadWhole(variantsText, kMoodleVariantsMax, count) || count < kMoodleVariantsMin) {
        problem = "El número de variantes debe ser un número entero de 1 a 50.";
        field = kIdMoodleVariants;
        return false;
    }
    double percent = 0;
    if (!ReadPercent(toleranceText, percent)) {
        problem = "La tolerancia debe ser un número de 0 a 50 (por ciento de cada valor), con punto o coma decimal.";
        field = kIdMoodleTolerance;
        return false;
    }
    variants = count;
    tolerancePercent = percent;
    return true;
}

std::string ToleranceText(double tolerancePercent) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, tolerancePercent, std::chars_format::fixed).ptr;
    std::string shown(text, end);
    if (NumberOptions.decimalComma) {
        for (char& c : shown) {
            if (c == '.') c = ',';
        }
    }
    return shown;
}
