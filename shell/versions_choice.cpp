#include "shell/versions_choice.h"

#include "util/strings.h"

int VersionCount = kVersionsMin;

namespace {

// Decimal digits only, up to `max`: no sign, no "$" or "%" forms, since a seed is
// written back as plain digits and must read the same.
bool ReadWhole(std::string_view text, uint64_t max, uint64_t& value) {
    const std::string digits = TrimText(text);
    if (digits.empty() || digits.size() > 10) return false;
    value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<uint64_t>(c - '0');
    }
    return value <= max;
}

}  // namespace

bool ReadVersionsChoice(std::string_view countText, std::string_view seedText, int& count, uint32_t& seed,
                        std::string& problem, int& field) {
    uint64_t value = 0;
    if (!ReadWhole(countText, kVersionsMax, value) || value < kVersionsMin) {
        problem = "El número de versiones debe ser un número entero de 2 a 26 (una letra para cada versión).";
        field = kIdVersionCount;
        return false;
    }
    count = static_cast<int>(value);
    if (!ReadWhole(seedText, UINT32_MAX, value)) {
        problem = "La semilla debe ser un número entero de 0 a 4294967295.";
        field = kIdVersionSeed;
        return false;
    }
    seed = static_cast<uint32_t>(value);
    return true;
}
