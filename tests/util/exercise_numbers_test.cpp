#include "util/exercise_numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

namespace {

enum class Kind { Computed, Data, Ph, MolarMass, AtomicMass };

// One quantity under the four combinations of the options.
struct StyleCase {
    Kind kind;
    double x;
    PlainForm plain;
    const char* plainText;  // both off
    const char* comma;      // "Coma decimal" alone
    const char* figures;    // "Cifras significativas" alone
    const char* both;
};

std::string Write(const StyleCase& c, const NumberStyle& style) {
    switch (c.kind) {
        case Kind::Computed: return ComputedNumber(c.x, style, c.plain);
        case Kind::Data: return DataNumber(c.x, style, c.plain);
        case Kind::Ph: return PhNumber(c.x, style, c.plain);
        case Kind::MolarMass: return MolarMassNumber(c.x, style);
        case Kind::AtomicMass: return AtomicMassNumber(c.x, style);
    }
    return "";
}

void PrintTo(const StyleCase& c, std::ostream* os) { *os << c.x << " -> " << c.both; }

class QuantityUnderEachStyle : public ::testing::TestWithParam<StyleCase> {};

TEST_P(QuantityUnderEachStyle, IsWrittenAsEachCombinationWantsIt) {
    const StyleCase& c = GetParam();
    EXPECT_EQ(Write(c, {false, false}), c.plainText);
    EXPECT_EQ(Write(c, {true, false}), c.comma);
    EXPECT_EQ(Write(c, {false, true}), c.figures);
    EXPECT_EQ(Write(c, {true, true}), c.both);
}

constexpr PlainForm k82{8, 2}, k62{6, 2}, k84{8, 4};

INSTANTIATE_TEST_SUITE_P(
    EveryGenerator, QuantityUnderEachStyle,
    ::testing::Values(
        // molarities and concentrations
        StyleCase{Kind::Computed, 0.120229, k82, "0.120229", "0,120229", "0.120", "0,120"},
        StyleCase{Kind::Computed, 0.496235, k82, "0.496235", "0,496235", "0.496", "0,496"},
        StyleCase{Kind::Computed, 6.16, k82, "    6.16", "    6,16", "6.16", "6,16"},
        StyleCase{Kind::Computed, 3.42, k82, "    3.42", "    3,42", "3.42", "3,42"},
        // molecules: a rounded mantissa and a raised power of ten instead of a cut one
        StyleCase{Kind::Computed, 4.21e24, k82, "4.20e24", "4,20e24", "4.21·10^(24)", "4,21·10^(24)"},
        StyleCase{Kind::Computed, 3 * 6.022e23, k82, "1.80e24", "1,80e24", "1.81·10^(24)", "1,81·10^(24)"},
        StyleCase{Kind::Computed, 5 * 6.022e23, k82, "3.01e24", "3,01e24", "3.01·10^(24)", "3,01·10^(24)"},
        StyleCase{Kind::Computed, 6.022e23, k82, "6.02e23", "6,02e23", "6.02·10^(23)", "6,02·10^(23)"},
        // moles, grams and percentages: trailing zeros are significant
        StyleCase{Kind::Computed, 2, k82, "    2", "    2", "2.00", "2,00"},
        StyleCase{Kind::Computed, 20, k82, "   20", "   20", "20.0", "20,0"},
        StyleCase{Kind::Computed, 369, k82, "  369", "  369", "369", "369"},
        StyleCase{Kind::Computed, 1.99822, k82, "    2", "    2", "2.00", "2,00"},
        StyleCase{Kind::Computed, 0.999112, k82, "0.999112", "0,999112", "0.999", "0,999"},
        // an exact half goes away from zero
        StyleCase{Kind::Computed, 1.125, k82, "    1.13", "    1,13", "1.13", "1,13"},
        StyleCase{Kind::Ph, 2.125, k82, "    2.13", "    2,13", "2.13", "2,13"},
        // a carry that adds a digit
        StyleCase{Kind::Computed, 99.96, k82, "   99.96", "   99,96", "100", "100"},
        StyleCase{Kind::Computed, 9.996, k82, "   10", "   10", "10.0", "10,0"},
        StyleCase{Kind::Computed, 999.7, k82, "  999.7", "  999,7", "1.00·10^(3)", "1,00·10^(3)"},
        // very small quantities: a power of ten below 0.001
        StyleCase{Kind::Computed, 0.000123456, k82, "0.000123", "0,000123", "1.23·10^(-4)", "1,23·10^(-4)"},
        StyleCase{Kind::Computed, 0.00123456, k82, "0.001235", "0,001235", "0.00123", "0,00123"},
        StyleCase{Kind::Computed, 0.0000004, k82, "0", "0", "4.00·10^(-7)", "4,00·10^(-7)"},
        // volumes worked out (ml below a litre, l from a litre on)
        StyleCase{Kind::Computed, 250, k84, "250", "250", "250", "250"},
        StyleCase{Kind::Computed, 1, k82, "    1", "    1", "1.00", "1,00"},
        // data keep their digits and lose their padding
        StyleCase{Kind::Data, 158, k82, "  158", "  158", "158", "158"},
        StyleCase{Kind::Data, 36, k82, "   36", "   36", "36", "36"},
        StyleCase{Kind::Data, 3, k82, "    3", "    3", "3", "3"},
        StyleCase{Kind::Data, 41, k62, " 41", " 41", "41", "41"},
        StyleCase{Kind::Data, 7, k62, "  7", "  7", "7", "7"},
        StyleCase{Kind::Data, 500, k62, "500", "500", "500", "500"},
        StyleCase{Kind::Data, 750, k84, "750", "750", "750", "750"},
        StyleCase{Kind::Data, 1, k82, "    1", "    1", "1", "1"},
        StyleCase{Kind::Data, 1.5, k82, "    1.5", "    1,5", "1.5", "1,5"},
        // pH: two decimals, also below 0
        StyleCase{Kind::Ph, 0.415665, k82, "0.415665", "0,415665", "0.42", "0,42"},
        StyleCase{Kind::Ph, 0.561793, k82, "0.561793", "0,561793", "0.56", "0,56"},
        StyleCase{Kind::Ph, 13.398, k82, "   13.4", "   13,4", "13.40", "13,40"},
        StyleCase{Kind::Ph, 13.398, k62, " 13.4", " 13,4", "13.40", "13,40"},
        StyleCase{Kind::Ph, 1.1, k62, "  1.1", "  1,1", "1.10", "1,10"},
        StyleCase{Kind::Ph, 7, k82, "    7", "    7", "7.00", "7,00"},
        StyleCase{Kind::Ph, -0.186, k82, "-0.186", "-0,186", "-0.19", "-0,19"},
        StyleCase{Kind::Ph, -0.004, k82, "-0.004", "-0,004", "0.00", "0,00"},
        StyleCase{Kind::Ph, 14.25, k82, "   14.25", "   14,25", "14.25", "14,25"},
        // molar masses keep the two decimals of the atomic masses they add up
        StyleCase{Kind::MolarMass, 98.076, k82, "   98.08", "   98,08", "98.08", "98,08"},
        StyleCase{Kind::MolarMass, 18.016, k82, "   18.02", "   18,02", "18.02", "18,02"},
        StyleCase{Kind::MolarMass, 40, k82, "   40", "   40", "40.00", "40,00"},
        StyleCase{Kind::MolarMass, 342.297, k82, "  342.3", "  342,3", "342.30", "342,30"},
        // atomic masses of the "datos:" line
        StyleCase{Kind::AtomicMass, 1.008, k82, " 1.01", " 1,01", "1.01", "1,01"},
        StyleCase{Kind::AtomicMass, 16, k82, "16.00", "16,00", "16.00", "16,00"},
        StyleCase{Kind::AtomicMass, 35.45, k82, "35.45", "35,45", "35.45", "35,45"},
        StyleCase{Kind::AtomicMass, 207.2, k82, "207.20", "207,20", "207.20", "207,20"}));

// ---- The exact forms

struct ExactCase {
    double x;
    int places;  // figures or decimals
    const char* expected;
};

void PrintTo(const ExactCase& c, std::ostream* os) { *os << c.x << " (" << c.places << ")"; }

class SignificantFigures : public ::testing::TestWithParam<ExactCase> {};

TEST_P(SignificantFigures, RoundOnTheExactValue) {
    const ExactCase& c = GetParam();
    EXPECT_EQ(SignificantText(c.x, c.places, ','), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Exact, SignificantFigures,
    ::testing::Values(
        // exact halves go away from zero; values stored below a half go down
        ExactCase{1.125, 3, "1,13"}, ExactCase{-1.125, 3, "-1,13"}, ExactCase{0.125, 2, "0,13"},
        ExactCase{2.5, 1, "3"}, ExactCase{16.125, 4, "16,13"}, ExactCase{0.0390625, 5, "0,039063"},
        ExactCase{1.005, 3, "1,00"}, ExactCase{2.675, 3, "2,67"}, ExactCase{0.005, 1, "0,005"},
        // carries
        ExactCase{99.96, 3, "100"}, ExactCase{9.9996, 3, "10,0"}, ExactCase{0.99951, 3, "1,00"},
        ExactCase{999.5, 3, "1,00·10^(3)"}, ExactCase{999.4, 3, "999"},
        // the edges of the fixed form: 0.001 and 1000 after rounding
        ExactCase{0.001, 3, "0,00100"}, ExactCase{0.00099951, 3, "0,00100"},
        ExactCase{0.00099949, 3, "9,99·10^(-4)"}, ExactCase{1000, 3, "1,00·10^(3)"},
        ExactCase{-0.000123456, 3, "-1,23·10^(-4)"}, ExactCase{-1234, 3, "-1,23·10^(3)"},
        // zero and the ends of the doubles
        ExactCase{0, 3, "0"}, ExactCase{-0.0, 3, "0"}, ExactCase{5e-324, 3, "4,94·10^(-324)"},
        ExactCase{1.7976931348623157e308, 3, "1,80·10^(308)"},
        // other counts of figures
        ExactCase{0.120229, 1, "0,1"}, ExactCase{0.120229, 6, "0,120229"}, ExactCase{123.456, 4, "123,5"},
        ExactCase{0.1, 17, "0,10000000000000001"}));

class FixedDecimals : public ::testing::TestWithParam<ExactCase> {};

TEST_P(FixedDecimals, RoundOnTheExactValue) {
    const ExactCase& c = GetParam();
    EXPECT_EQ(DecimalsText(c.x, c.places, ','), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Exact, FixedDecimals,
    ::testing::Values(ExactCase{0.125, 2, "0,13"}, ExactCase{-0.125, 2, "-0,13"}, ExactCase{1.005, 2, "1,00"},
                      ExactCase{0.005, 2, "0,01"}, ExactCase{-0.005, 2, "-0,01"}, ExactCase{0.0049, 2, "0,00"},
                      ExactCase{-0.004, 2, "0,00"}, ExactCase{1e-30, 2, "0,00"}, ExactCase{99.995, 2, "100,00"},
                      ExactCase{0.5, 0, "1"}, ExactCase{-0.5, 0, "-1"}, ExactCase{0.4, 0, "0"},
                      ExactCase{12, 3, "12,000"}, ExactCase{1e20, 1, "100000000000000000000,0"},
                      ExactCase{0.1, 20, "0,10000000000000000555"}));

TEST(ExactForms, NonFiniteValuesGiveTextNotGarbage) {
    EXPECT_EQ(SignificantText(1.0 / 0.0, 3, ','), "Inf");
    EXPECT_EQ(SignificantText(-1.0 / 0.0, 3, ','), "-Inf");
    EXPECT_EQ(DecimalsText(0.0 / 0.0, 2, ','), "NaN");
}

// Exact ties m / 2^k: m * 5^k, a whole number ending in 5, is the value's exact digits, so
// the expected rounding to one digit fewer is worked out here with whole numbers alone.
TEST(ExactForms, EveryExactTieGoesAwayFromZero) {
    std::mt19937_64 random(20240617);
    for (int round = 0; round < 20000; ++round) {
        const int k = 1 + int(random() % 20);             // 5^20 * 2^15 stays below 2^64
        const uint64_t m = 2 * (random() % 16384) + 1;    // odd: k decimals exactly
        uint64_t digits = m;
        for (int i = 0; i < k; ++i) digits *= 5;
        const std::string exact = std::to_string(digits);
        if (exact.size() < 2 || exact.size() > 17) continue;
        const std::string expected = std::to_string(digits / 10 + 1);  // last digit 5: up
        const double x = std::ldexp(double(m), -k);
        std::string text = SignificantText(x, int(exact.size()) - 1, '.');
        ASSERT_NE(text.find_first_of("123456789"), std::string::npos) << text;
        // The figures written, without sign, point, leading zeros or power of ten.
        std::string written;
        for (char c : text.substr(0, text.find("·"))) {
            if (c >= '0' && c <= '9' && !(written.empty() && c == '0')) written += c;
        }
        written.resize(expected.size(), '0');  // "1,00·10^(3)" holds the zeros it needs
        EXPECT_EQ(written, expected) << m << "/2^" << k << " = " << text;
        EXPECT_EQ(DecimalsText(-x, k - 1, '.'), "-" + DecimalsText(x, k - 1, '.'));
    }
}

#ifdef __GLIBC__
// glibc's printf writes the exact value correctly rounded (ties to even): away from the
// ties the two must agree digit for digit.
TEST(ExactForms, AgreeWithCorrectlyRoundedDigitsAwayFromTies) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-30, 30);
    for (int round = 0; round < 20000; ++round) {
        const double x = std::pow(10.0, exponent(random)) * (random() % 2 ? 1 : -1);
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.2e", x);
        const std::string reference = buffer;  // "-1.23e-04"
        const int power = std::atoi(reference.c_str() + reference.find('e') + 1);
        const std::string mantissa = reference.substr(0, reference.find('e'));
        const std::string text = SignificantText(x, 3, '.');
        if (power >= 3 || power < -3) {
            EXPECT_EQ(text, mantissa + "·10^(" + std::to_string(power) + ")") << x;
        } else {
            EXPECT_DOUBLE_EQ(std::strtod(text.c_str(), nullptr), std::strtod(reference.c_str(), nullptr)) << x;
        }
        // An exact tie at two decimals is an odd number of eighths (x.125, x.375...): big
        // numbers are often one, and there the two roundings differ on purpose.
        const double eighths = std::ldexp(x, 3);
        if (eighths == std::floor(eighths) && std::fmod(eighths, 2) != 0) continue;
        std::snprintf(buffer, sizeof buffer, "%.2f", x);
        std::string fixed = buffer;
        if (fixed == "-0.00") fixed = "0.00";
        EXPECT_EQ(DecimalsText(x, 2, '.'), fixed) << x;
    }
}
#endif

// Every form reads back as the value it shows; anything else is refused.
struct ReadCase {
    const char* text;
    bool ok;
    double value;
};

class ExerciseNumberReader : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ExerciseNumberReader, ReadsWhatTheFormsWrite) {
    const ReadCase& c = GetParam();
    bool ok = !c.ok;
    const double value = ReadExerciseNumber(c.text, ok);
    EXPECT_EQ(ok, c.ok) << c.text;
    if (c.ok) {
        EXPECT_DOUBLE_EQ(value, c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryForm, ExerciseNumberReader,
    ::testing::Values(ReadCase{"0.120229", true, 0.120229}, ReadCase{"0,120", true, 0.12},
                      ReadCase{"    6.16", true, 6.16}, ReadCase{"-0,19", true, -0.19},
                      ReadCase{"4.20e24", true, 4.2e24}, ReadCase{"4,20e24", true, 4.2e24},
                      ReadCase{"4,21·10^(24)", true, 4.21e24}, ReadCase{"1,23·10^(-4)", true, 1.23e-4},
                      ReadCase{"1.58·10^(3)", true, 1580}, ReadCase{"100", true, 100},
                      // two separators, a cut power, a second exponent, words
                      ReadCase{"1,2,3", false, 0}, ReadCase{"1.2,3", false, 0}, ReadCase{"1,23·10^(4", false, 0},
                      ReadCase{"1,23·10^()", false, 0}, ReadCase{"1,23·10^(x)", false, 0},
                      ReadCase{"1e2·10^(3)", false, 0}, ReadCase{"1,23·10^($10)", false, 0},
                      ReadCase{"·10^(3)", false, 0}, ReadCase{"12 g", false, 0}, ReadCase{",5", false, 0}));

TEST(ExerciseNumberReader, ReadsBackEveryStyleOfEveryForm) {
    std::mt19937_64 random(17);
    std::uniform_real_distribution<double> exponent(-5, 6);
    for (int round = 0; round < 5000; ++round) {
        const double x = std::pow(10.0, exponent(random)) * (random() % 4 == 0 ? -1 : 1);
        for (const NumberStyle style : {NumberStyle{}, NumberStyle{true, false}, NumberStyle{false, true},
                                        NumberStyle{true, true}}) {
            bool ok = false;
            const std::string computed = ComputedNumber(x, style, {1, 2});
            const double read = ReadExerciseNumber(computed, ok);
            ASSERT_TRUE(ok) << computed;
            // Three significant figures, or the plain form's two decimals (six below 1, and a
            // mantissa of three figures cut, not rounded, from 10^5 on).
            EXPECT_NEAR(read, x, std::fabs(x) * 0.01 + 0.005) << computed;
            // Data keep their digits: the same value under every style.
            const std::string data = DataNumber(x, style, {1, 2});
            bool plainOk = false;
            const double plain = ReadExerciseNumber(DataNumber(x, NumberStyle{}, {1, 2}), plainOk);
            EXPECT_EQ(ReadExerciseNumber(data, ok), plain) << data;
            EXPECT_TRUE(ok && plainOk) << data;
        }
    }
}

}  // namespace
