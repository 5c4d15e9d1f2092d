#include "util/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tests/support/exact_decimal.h"

namespace {

struct RealCase {
    double x;
    uint16_t width;
    uint16_t decimals;
    const char* expected;
};

void PrintTo(const RealCase& c, std::ostream* os) {
    *os << c.x << " (" << c.width << ", " << c.decimals << ")";
}

class RealToTextForms : public ::testing::TestWithParam<RealCase> {};

TEST_P(RealToTextForms, GivesTheExerciseForm) {
    const RealCase& c = GetParam();
    EXPECT_EQ(RealToText(c.x, c.width, c.decimals), c.expected)
        << "x=" << c.x << " w=" << c.width << " d=" << c.decimals;
}

INSTANTIATE_TEST_SUITE_P(
    Exercises, RealToTextForms,
    ::testing::Values(
        // below 1: six decimals, zeros and a bare point stripped, no padding left in practice
        RealCase{0, 8, 2, "0"}, RealCase{0.5, 8, 2, "0.5"}, RealCase{0.0123456, 8, 2, "0.012346"},
        RealCase{0.0000004, 8, 2, "0"}, RealCase{0.0000006, 8, 2, "0.000001"},
        RealCase{0.9999996, 8, 2, "1"}, RealCase{0.384004, 8, 2, "0.384004"},
        // from 1 on: d decimals, padding kept
        RealCase{1, 8, 2, "    1"}, RealCase{1.5, 8, 2, "    1.5"}, RealCase{250, 8, 2, "  250"},
        RealCase{1234.5, 8, 2, " 1234.5"}, RealCase{12345.678, 8, 2, "12345.68"},
        RealCase{99999.994, 8, 2, "99999.99"}, RealCase{2.006, 8, 2, "    2.01"},
        RealCase{13.398, 8, 2, "   13.4"}, RealCase{36, 8, 2, "   36"}, RealCase{1.99822, 8, 2, "    2"},
        RealCase{250, 8, 4, "250"}, RealCase{0.25, 8, 4, "0.25"}, RealCase{41, 6, 2, " 41"},
        RealCase{2, 6, 2, "  2"},
        // six integer digits: exponent form with a truncated mantissa
        RealCase{99999.999, 8, 2, "1.00e5"}, RealCase{123456.789, 8, 2, "1.23e5"},
        RealCase{199999, 8, 2, "1.99e5"}, RealCase{1000000, 8, 4, "1.0000e6"},
        RealCase{3 * 6.022e23, 8, 2, "1.80e24"}, RealCase{6.022e23, 8, 2, "6.02e23"},
        RealCase{20 * 6.022e23, 8, 2, "1.20e25"},
        // negatives
        RealCase{-0.25, 8, 2, "-0.25"}, RealCase{-2.5, 8, 2, "   -2.5"},
        RealCase{-12345.67, 8, 2, "-12345.67"}, RealCase{-123456.789, 8, 2, "-1.23e5"},
        // no decimals asked: integer zeros stay
        RealCase{100, 5, 0, "  100"}, RealCase{1000000, 0, 0, "1e6"}));

struct FixedCase {
    double x;
    uint16_t width;
    uint16_t decimals;
    const char* expected;
};

void PrintTo(const FixedCase& c, std::ostream* os) {
    *os << c.x << " (" << c.width << ", " << c.decimals << ")";
}

class RealToFixedForms : public ::testing::TestWithParam<FixedCase> {};

TEST_P(RealToFixedForms, KeepsEveryDecimal) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(RealToFixed(c.x, c.width, c.decimals), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Fixed, RealToFixedForms,
    ::testing::Values(FixedCase{12.011, 5, 2, "12.01"}, FixedCase{1.008, 5, 2, " 1.01"},
                      FixedCase{0.5, 3, 3, "0.500"}, FixedCase{-2.5, 8, 2, "   -2.50"},
                      FixedCase{12, 5, 2, "12.00"}, FixedCase{16, 5, 2, "16.00"},
                      FixedCase{35.453, 3, 3, "35.453"}, FixedCase{0.0049, 0, 2, "0.00"}, FixedCase{-0.001, 0, 2, "-0.00"},
                      FixedCase{7, 0, 0, "7"}, FixedCase{9.5, 0, 0, "10"},
                      FixedCase{123456789012.5, 0, 1, "123456789012.5"},
                      FixedCase{1e30, 0, 2, "1000000000000000019884624838656.00"}));

// Exact halves, from 0 to 6 decimals, go away from zero; a value stored just below a half
// (1.005 is 1.00499999999999989...) goes down, one stored just above goes up.
INSTANTIATE_TEST_SUITE_P(
    Halves, RealToFixedForms,
    ::testing::Values(FixedCase{0.5, 0, 0, "1"}, FixedCase{-0.5, 0, 0, "-1"}, FixedCase{2.5, 0, 0, "3"},
                      FixedCase{-2.5, 3, 0, " -3"}, FixedCase{0.25, 0, 1, "0.3"}, FixedCase{-0.75, 0, 1, "-0.8"},
                      FixedCase{0.125, 0, 2, "0.13"}, FixedCase{1.125, 5, 2, " 1.13"},
                      FixedCase{16.125, 0, 2, "16.13"}, FixedCase{-0.375, 0, 2, "-0.38"},
                      FixedCase{-1.125, 8, 2, "   -1.13"}, FixedCase{0.0625, 0, 3, "0.063"},
                      FixedCase{-1.0625, 0, 3, "-1.063"}, FixedCase{0.03125, 0, 4, "0.0313"},
                      FixedCase{-0.03125, 0, 4, "-0.0313"}, FixedCase{0.015625, 0, 5, "0.01563"},
                      FixedCase{-2.015625, 0, 5, "-2.01563"}, FixedCase{0.0390625, 0, 6, "0.039063"},
                      FixedCase{-0.0078125, 0, 6, "-0.007813"}, FixedCase{1.005, 0, 2, "1.00"},
                      FixedCase{-1.005, 0, 2, "-1.00"}, FixedCase{2.675, 0, 2, "2.67"},
                      FixedCase{0.045, 0, 2, "0.04"}, FixedCase{8.345, 0, 2, "8.35"}, FixedCase{0.35, 0, 1, "0.3"},
                      FixedCase{0.0000005, 0, 6, "0.000000"}, FixedCase{0.0000015, 0, 6, "0.000002"},
                      FixedCase{99999.995, 0, 2, "99999.99"}));

TEST(RealForms, HalvesAtNoDecimalsGoAwayFromZero) {
    EXPECT_EQ(RealToFixed(0.5, 0, 0), "1");
    EXPECT_EQ(RealToFixed(-0.5, 0, 0), "-1");
    EXPECT_EQ(RealToFixed(1.5, 0, 0), "2");
    EXPECT_EQ(RealToFixed(-1.5, 0, 0), "-2");
    EXPECT_EQ(RealToFixed(std::nextafter(0.5, 0.0), 0, 0), "0");
    EXPECT_EQ(RealToFixed(-std::nextafter(0.5, 0.0), 0, 0), "-0");
}

// The next double on either side of an exact half goes to the nearer digit.
TEST(RealForms, NeighboursOfAHalfGoToTheNearerDigit) {
    for (const double half : {0.125, 1.125, 16.125, 0.375}) {
        EXPECT_EQ(RealToFixed(std::nextafter(half, 0.0), 0, 2), ExactFixedOf(std::nextafter(half, 0.0), 2));
        EXPECT_EQ(RealToFixed(std::nextafter(half, 100.0), 0, 2), ExactFixedOf(std::nextafter(half, 100.0), 2));
    }
    EXPECT_EQ(RealToFixed(std::nextafter(0.125, 0.0), 0, 2), "0.12");
    EXPECT_EQ(RealToFixed(std::nextafter(0.125, 1.0), 0, 2), "0.13");
}

// The exercise form takes the same rounding: 45 g of a substance of molar mass 40 is
// 1.125 mol, shown as 1.13.
TEST(RealForms, ExerciseFormRoundsHalvesAwayFromZero) {
    EXPECT_EQ(RealToText(45.0 / 40.0, 8, 2), "    1.13");
    EXPECT_EQ(RealToText(16.125, 8, 2), "   16.13");
    EXPECT_EQ(RealToText(-1.125, 8, 2), "   -1.13");
    EXPECT_EQ(RealToText(0.0390625, 8, 2), "0.039063");
    EXPECT_EQ(RealToText(0.0078125, 8, 2), "0.007813");
    EXPECT_EQ(RealToText(1.0625, 8, 4), "  1.0625");
    EXPECT_EQ(RealToText(1.03125, 8, 4), "  1.0313");
}

// Every k / 2^(d+1) with k odd is exactly halfway at d decimals; the reference works the
// same value out in decimal digits.
TEST(RealForms, RandomExactHalvesMatchTheExactDecimalValue) {
    std::mt19937_64 draw(20240512);
    int checked = 0;
    for (int decimals = 0; decimals <= 6; ++decimals) {
        for (int i = 0; i < 3000; ++i) {
            // Up to 2^40: the tie stays exact in a double, up to about 10^12 / 2^(d+1).
            const uint64_t k = (draw() >> 24) | 1;
            const bool negative = (draw() & 1) != 0;
            const double x = std::ldexp(double(k), -(decimals + 1)) * (negative ? -1 : 1);
            ASSERT_EQ(RealToFixed(x, 0, uint16_t(decimals)), ExactFixed(k, decimals + 1, negative, decimals))
                << "k=" << k << " d=" << decimals;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 7 * 3000);
}

// Any k / 2^n, tie or not, against the exact digits, at the callers' decimals and beyond.
TEST(RealForms, RandomDyadicValuesMatchTheExactDecimalValue) {
    std::mt19937_64 draw(7);
    for (int i = 0; i < 20000; ++i) {
        const uint64_t k = draw() >> (11 + draw() % 50);  // 53 bits or fewer
        const int n = int(draw() % 64);
        const int decimals = int(draw() % 19);
        const bool negative = (draw() & 1) != 0;
        const double x = std::ldexp(double(k), -n) * (negative ? -1 : 1);
        ASSERT_EQ(RealToFixed(x, 0, uint16_t(decimals)), ExactFixed(k, n, negative, decimals))
            << "k=" << k << " n=" << n << " d=" << decimals;
    }
}

TEST(ExactReference, GivesTheDigitsWorkedByHand) {
    EXPECT_EQ(ExactFixed(1, 3, false, 2), "0.13");     // 0.125
    EXPECT_EQ(ExactFixed(9, 3, false, 2), "1.13");     // 1.125
    EXPECT_EQ(ExactFixed(7, 3, true, 2), "-0.88");     // -0.875
    EXPECT_EQ(ExactFixed(1, 1, false, 0), "1");        // 0.5
    EXPECT_EQ(ExactFixed(1, 2, false, 0), "0");        // 0.25
    EXPECT_EQ(ExactFixed(1, 10, true, 2), "-0.00");    // -0.0009765625
    EXPECT_EQ(ExactFixed(3, 0, false, 3), "3.000");
    EXPECT_EQ(ExactFixed(199, 1, false, 0), "100");    // 99.5
    EXPECT_EQ(ExactFixed(5, 7, false, 6), "0.039063"); // 0.0390625
    EXPECT_EQ(ExactFixed(0, 5, true, 1), "0.0");
    EXPECT_EQ(ExactFixed(3, -2, false, 1), "12.0");
    EXPECT_EQ(ExactFixedOf(-1.005, 3), "-1.005");
    EXPECT_EQ(ExactFixedOf(-1.005, 2), "-1.00");       // stored as 1.00499999999999989...
    EXPECT_EQ(ExactFixedOf(1e20, 0), "100000000000000000000");
}

TEST(IntForms, WriteDigitsAndPadOnlyWhenAsked) {
    EXPECT_EQ(IntToText(0), "0");
    EXPECT_EQ(IntToText(-40), "-40");
    EXPECT_EQ(IntToText(2147483647), "2147483647");
    EXPECT_EQ(IntToText(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(IntToTextRight(8, 3), "  8");
    EXPECT_EQ(IntToTextRight(118, 3), "118");
    EXPECT_EQ(IntToTextRight(1234, 3), "1234");  // never cut
    EXPECT_EQ(IntToTextRight(-5, 3), " -5");
}

TEST(RealForms, NeverUseTheLocaleOrAPlusSign) {
    for (double x : {0.5, 1.5, 1234.5, 123456.0}) {
        const std::string text = RealToText(x, 8, 2);
        EXPECT_EQ(text.find(','), std::string::npos) << text;
        EXPECT_EQ(text.find('+'), std::string::npos) << text;
    }
}

TEST(RealForms, OutOfRangeValuesGiveTextNotGarbage) {
    EXPECT_EQ(RealToText(1.0 / 0.0, 0, 2), "Inf");
    EXPECT_EQ(RealToText(-1.0 / 0.0, 0, 2), "-Inf");
    EXPECT_EQ(RealToText(0.0 / 0.0, 0, 2), "NaN");
    EXPECT_EQ(RealToText(1e40, 8, 2), "1.00e40");
}

}  // namespace
