#pragma once
// The inline markup of statements, answers and comments (MarkupText): a Windows-1252
// string of at most 255 characters in which the carriage return, "_", "^", "#" with a
// code character, the vertical line and the backslash carry formatting. Texts are kept
// as written; only the RTF writer and the screen painter interpret them.

#include <cstddef>
#include <string>
#include <string_view>

constexpr std::size_t kMarkupTextMax = 255;

constexpr char kMarkupLineBreak = '\r';
constexpr char kMarkupCode = '#';
constexpr char kMarkupSuperscript = '^';
constexpr char kMarkupSubscript = '_';
constexpr char kMarkupBar = '|';

struct MarkupArgument {
    std::string text;          // the argument, without the outer parentheses of a group
    std::size_t consumed = 0;  // characters of the rest that it took
};

// The argument that starts the rest of a text after a mark or a code character: nothing
// when the rest is empty, its first character, or a parenthesised group (inner pairs kept;
// a group that never closes takes the whole rest).
MarkupArgument ReadMarkupArgument(std::string_view rest);

// The first `max` characters of a text, without a backslash or "\'" escape that the cut
// would leave incomplete at its end (its remains would swallow the next RTF written).
std::string CutMarkup(std::string_view text, std::size_t max = kMarkupTextMax);

// The parts of a fraction's argument: a leading byte 1 to 9 is a tab count; the rest splits at
// its first "/" (without one, all of it is the denominator).
struct FractionParts {
    int tabs = 0;
    std::string_view numerator;
    std::string_view denominator;
};
FractionParts SplitFraction(std::string_view argument);

// The code character after "#", read case-insensitively.
char MarkupCodeChar(char c);
