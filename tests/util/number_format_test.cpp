#include "util/number_format.h"

#include <gtest/gtest.h>

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
