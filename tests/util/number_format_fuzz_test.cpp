// Inputs that the fuzzers (tests/fuzz) found faults with, kept as they were found.

#include <cmath>

#include <gtest/gtest.h>

#include "util/number_format.h"

namespace {

struct WideCase {
    double x;
    const char* expected;
};

class FixedFormOfWideNumbers : public ::testing::TestWithParam<WideCase> {};

// Between 2^127 and 2^128 the exact digits take a shift by exactly 64 bits, which was
// undefined behaviour (found by fuzz_numbers).
TEST_P(FixedFormOfWideNumbers, GivesEveryIntegerDigit) {
    const WideCase& c = GetParam();
    EXPECT_EQ(RealToFixed(c.x, 0, 0), c.expected);
    EXPECT_EQ(RealToFixed(c.x, 42, 0), std::string(42 - std::string(c.expected).size(), ' ') + c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    FuzzFindings, FixedFormOfWideNumbers,
    ::testing::Values(WideCase{-2.988729881777395e+38, "-298872988177739482627277433844965310464"},
                      WideCase{std::ldexp(1.0, 127), "170141183460469231731687303715884105728"},
                      WideCase{std::ldexp(1.0, 128) - std::ldexp(1.0, 75),
                               "340282366920938425684442744474606501888"}));

TEST(FuzzFindings, WideNumbersTakeTheExponentForm) {
    EXPECT_EQ(RealToText(-2.988729881777395e+38, 0, 2), "-2.98e38");
    EXPECT_EQ(RealToText(std::ldexp(1.0, 127), 8, 3), "1.701e38");
}

}  // namespace
