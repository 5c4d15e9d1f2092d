#include "richtext/markup.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ArgumentCase {
    const char* rest;
    const char* argument;
    std::size_t consumed;
};

TEST(MarkupArgument, FollowsTheGroupRule) {
    const ArgumentCase cases[] = {
        {"", "", 0},                     // nothing follows: empty, nothing consumed
        {"2O", "2", 1},                  // one character
        {" abc", " ", 1},                // a blank is an argument too
        {"^x", "^", 1},                  // so is another mark
        {"(12)x", "12", 4},              // a group, closing parenthesis consumed
        {"()x", "", 2},                  // an empty group
        {"(a(b)c)d", "a(b)c", 7},        // inner pairs stay
        {"((x))", "(x)", 5},
        {"(abc", "abc", 4},              // never closed: the whole rest
        {"(a(b)", "a(b)", 5},
        {")", ")", 1},                   // a lone ")" is an ordinary character
    };
    for (const ArgumentCase& c : cases) {
        const MarkupArgument arg = ReadMarkupArgument(c.rest);
        EXPECT_EQ(arg.text, c.argument) << "rest \"" << c.rest << "\"";
        EXPECT_EQ(arg.consumed, c.consumed) << "rest \"" << c.rest << "\"";
    }
}

TEST(MarkupArgument, ReadsEveryByteAsItIs) {
    const MarkupArgument arg = ReadMarkupArgument("(\r\n\xE1\x97)");
    EXPECT_EQ(arg.text, "\r\n\xE1\x97");
    EXPECT_EQ(arg.consumed, 6u);
}

TEST(MarkupCode, IsReadCaseInsensitively) {
    EXPECT_EQ(MarkupCodeChar('b'), 'B');
    EXPECT_EQ(MarkupCodeChar('B'), 'B');
    EXPECT_EQ(MarkupCodeChar('&'), '&');
    EXPECT_EQ(MarkupCodeChar('7'), '7');
    EXPECT_EQ(MarkupCodeChar('\xE1'), '\xE1');  // no letter outside a to z is folded
}

}  // namespace
