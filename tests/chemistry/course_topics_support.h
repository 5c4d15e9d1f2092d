#pragma once
// What the tests of the gas, solution, empirical-formula and stoichiometry topics share: the
// elements of the course's substances, the run of a generator (chemistry_support.h), and
// readers of the numbers that the texts show.

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string>

#include "chemistry/formula.h"
#include "shell/batch.h"
#include "shell/settings.h"
#include "tests/chemistry/chemistry_support.h"
#include "tests/support/scripted_ui.h"
#include "util/exercise_numbers.h"
#include "util/language.h"
#include "util/random.h"

// The masses of resources/elements.txt for the elements of the course's reactions.
inline void SetCourseTable() {
    SetElementTable({{"H", 1.008, 1},
                     {"C", 12.011, 6},
                     {"N", 14.007, 7},
                     {"O", 15.999, 8},
                     {"Na", 22.98976928, 11},
                     {"Al", 26.9815386, 13},
                     {"S", 32.06, 16},
                     {"Cl", 35.45, 17},
                     {"K", 39.0983, 19},
                     {"Ca", 40.078, 20},
                     {"Fe", 55.845, 26},
                     {"Zn", 65.38, 30}});
}

// The checks over many draws run plain and with the decimal comma, whose numbers must read
// back as the same values.
inline const NumberStyle kDrawStyles[] = {NumberStyle{}, NumberStyle{true, false}};

// The generators of the course's topics run against the course's masses.
class CourseTopicTest : public GeneratorTest {
protected:
    void SetUp() override {
        GeneratorTest::SetUp();
        SetCourseTable();
    }
};

// Where the number that starts at `i` ends, as the forms write it: digits with a decimal
// point or comma, an exponent ("1.23e5") or a power of ten ("1,23·10^(-4)").
inline std::size_t NumberEnd(const std::string& text, std::size_t i) {
    auto digit = [&](std::size_t k) { return k < text.size() && std::isdigit(static_cast<unsigned char>(text[k])); };
    if (i < text.size() && text[i] == '-') ++i;
    while (digit(i)) ++i;
    // A point or comma between digits is a decimal one; after the number it ends a sentence or a list.
    if (i < text.size() && (text[i] == '.' || text[i] == ',') && digit(i + 1)) {
        ++i;
        while (digit(i)) ++i;
    }
    if (i < text.size() && text[i] == 'e' && (digit(i + 1) || (text.compare(i + 1, 1, "-") == 0 && digit(i + 2)))) {
        i += 2;
        while (digit(i)) ++i;
    }
    const std::string power = "·10^(";
    if (text.compare(i, power.size(), power) == 0) {
        const std::size_t close = text.find(')', i);
        if (close != std::string::npos) i = close + 1;
    }
    return i;
}

// A number of the texts read back, NaN when it is not one.
inline double ShownNumber(const std::string& text) {
    bool ok = false;
    const double value = ReadExerciseNumber(text, ok);
    return ok && !text.empty() ? value : std::nan("");
}

// The text between `before` and the next `after`; empty when either is missing.
inline std::string Between(const std::string& text, const std::string& before, const std::string& after) {
    const std::size_t start = text.find(before);
    if (start == std::string::npos) return "";
    const std::size_t end = text.find(after, start + before.size());
    if (end == std::string::npos) return "";
    return text.substr(start + before.size(), end - start - before.size());
}

// The number written right after `before` in `text`, or NaN when `before` is not there or no
// number follows.
inline double NumberAfter(const std::string& text, const std::string& before, std::size_t from = 0) {
    const std::size_t at = text.find(before, from);
    if (at == std::string::npos) return std::nan("");
    const std::size_t start = at + before.size();
    return ShownNumber(text.substr(start, NumberEnd(text, start) - start));
}

// The number written right before `after` in `text`, from the blank or "(" before it (the
// "(" of a power of ten belongs to the number).
inline double NumberBefore(const std::string& text, const std::string& after) {
    const std::size_t end = text.find(after);
    if (end == std::string::npos) return std::nan("");
    std::size_t start = end;
    while (start > 0 && text[start - 1] != ' ' && !(text[start - 1] == '(' && (start < 2 || text[start - 2] != '^'))) {
        --start;
    }
    return ShownNumber(text.substr(start, end - start));
}

// True when every digit that follows a letter is a subscript or an exponent: a number never
// runs into the word before it.
inline bool NoNumberRunsIntoAWord(const std::string& text) {
    for (std::size_t i = 1; i < text.size(); ++i) {
        const unsigned char before = static_cast<unsigned char>(text[i - 1]);
        const bool exponent = before == 'e' && i >= 2 && std::isdigit(static_cast<unsigned char>(text[i - 2]));
        const bool letter = (std::isalpha(before) || before >= 0xC0) && !exponent;
        if (letter && std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    }
    return true;
}
