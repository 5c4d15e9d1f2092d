#include "util/number_input.h"

#include <gtest/gtest.h>

namespace {

struct IntCase {
    const char* text;
    bool ok;
    int32_t value;
};

TEST(TypedIntegers, ReadOnlyWholeIntegerTexts) {
    const IntCase cases[] = {
        {"  42 ", true, 42},     {"", true, 0},          {"   ", true, 0},
        {"-7", true, -7},        {"+7", true, 7},        {"007", true, 7},
        {"$1F", true, 31},       {"$ff", true, 255},     {"%101", true, 5},
        {"-$10", true, -16},     {"$FFFFFFFF", true, -1}, {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"4 2", false, 0},       {"4.2", false, 0},      {"x", false, 0},
        {"-", false, 0},         {"$", false, 0},        {"%2", false, 0},
        {"2147483648", false, 0}, {"$100000000", false, 0}, {"1e3", false, 0},
        {"\t5", false, 0},       {"--5", false, 0},      {"5-", false, 0},
    };
    for (const IntCase& c : cases) {
        bool ok = !c.ok;
        const int32_t value = ReadInteger(c.text, ok);
        EXPECT_EQ(ok, c.ok) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

struct RealCase {
    const char* text;
    bool ok;
    double value;
};

TEST(TypedReals, ReadOnlyPointDecimals) {
    const RealCase cases[] = {
        {"1.5", true, 1.5},      {"", true, 0.0},        {"  ", true, 0.0},
        {"2e3", true, 2000.0},   {"2E-3", true, 0.002},  {"-0.25", true, -0.25},
        {"+3", true, 3.0},       {" 35.453 ", true, 35.453}, {"1.008", true, 1.008},
        {"1e+2", true, 100.0},
        {"1,5", false, 0},       {".5", false, 0},       {"1.", false, 0},
        {"e3", false, 0},        {"1e", false, 0},       {"inf", false, 0},
        {"nan", false, 0},       {"1 .5", false, 0},     {"1e999", false, 0},
        {"0x10", false, 0},      {"--1", false, 0},
    };
    for (const RealCase& c : cases) {
        bool ok = !c.ok;
        const double value = ReadReal(c.text, ok);
        EXPECT_EQ(ok, c.ok) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        }
    }
}

}  // namespace
