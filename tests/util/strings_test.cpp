#include "util/strings.h"

#include <gtest/gtest.h>

namespace {

TEST(Trimming, RemovesBlanksOnlyAtTheEnds) {
    EXPECT_EQ(TrimText("  a b  "), "a b");
    EXPECT_EQ(TrimText("   "), "");
    EXPECT_EQ(TrimText(""), "");
    EXPECT_EQ(TrimRight("  a  "), "  a");
    EXPECT_EQ(TrimRight("   "), "");
    // Only code 32 counts as a blank.
    EXPECT_EQ(TrimText("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimRight("a\r\n "), "a\r\n");
}

TEST(Runs, RepeatTheCharacter) {
    EXPECT_EQ(Spaces(0), "");
    EXPECT_EQ(Spaces(3), "   ");
    EXPECT_EQ(RepeatChar('_', 4), "____");
    EXPECT_EQ(RepeatChar('-', 33).size(), 33u);
}

TEST(LastCharPosition, CountsFromOneAndGivesZeroWhenAbsent) {
    EXPECT_EQ(LastCharPos('\\', "C:\\dir\\file.txt"), 7u);
    EXPECT_EQ(LastCharPos('.', "name"), 0u);
    EXPECT_EQ(LastCharPos('.', ""), 0u);
    EXPECT_EQ(LastCharPos('a', "a"), 1u);
}

struct ParenCase {
    const char* text;
    const char* expected;
};

class CloseParen : public ::testing::TestWithParam<ParenCase> {};

TEST_P(CloseParen, CutsAtTheParenthesisThatClosesTheOpenOne) {
    EXPECT_EQ(UpToCloseParen(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Groups, CloseParen,
                         ::testing::Values(ParenCase{"abc)def", "abc"}, ParenCase{"a(b)c)d", "a(b)c"},
                                           ParenCase{"abc", ""}, ParenCase{"", ""}, ParenCase{")", ""},
                                           ParenCase{"a(b)c", ""}, ParenCase{"((x)))", "((x))"}));

TEST(Cutting, KeepsAtMostTheMaximum) {
    EXPECT_EQ(CutText("abcdef", 3), "abc");
    EXPECT_EQ(CutText("ab", 3), "ab");
    EXPECT_EQ(CutText(std::string(300, 'x'), 255).size(), 255u);
}

TEST(ProgramName, KeepsTheFileNameWithoutFolderAndExtension) {
    EXPECT_EQ(BaseNameOf("C:\\Apps\\Zazedoz.EXE"), "Zazedoz");
    EXPECT_EQ(BaseNameOf("Zorvi.exe"), "Zorvi");
    EXPECT_EQ(BaseNameOf("C:\\a.b\\Zorvi"), "Zorvi");
    EXPECT_EQ(BaseNameOf("C:\\Apps\\my.prog.exe"), "my.prog");
}

struct FitCase {
    const char* path;
    std::size_t max;
    const char* expected;
};

class PathFitting : public ::testing::TestWithParam<FitCase> {};

TEST_P(PathFitting, KeepsTheDriveAndTheLastFoldersWithinTheRoom) {
    const FitCase& c = GetParam();
    const std::string fitted = FitPath(c.path, c.max);
    EXPECT_EQ(fitted, c.expected);
    EXPECT_LE(fitted.size(), c.max);
}

INSTANTIATE_TEST_SUITE_P(Paths, PathFitting,
    ::testing::Values(
        FitCase{"C:\\Zorvi\\Exerc", 20, "C:\\Zorvi\\Exerc"},
        FitCase{"C:\\Zorvi\\Exerc", 14, "C:\\Zorvi\\Exerc"},
        FitCase{"C:\\Program Files\\Zorvi-1.0\\64bits\\Exerc", 30, "C:\\...\\Zorvi-1.0\\64bits\\Exerc"},
        FitCase{"C:\\Program Files\\Zorvi-1.0\\64bits\\Exerc", 20, "C:\\...\\64bits\\Exerc"},
        // A last name longer than the room is cut at its start.
        FitCase{"C:\\una carpeta\\nombremuylargo", 12, "C:\\...ylargo"},
        FitCase{"/home/ana/zorvi/Exerc", 16, "/ho.../Exerc"},
        // No room for the gap: the start of the path.
        FitCase{"C:\\Zorvi\\Exerc", 5, "C:\\Zo"},
        FitCase{"C:\\Zorvi\\Exerc", 0, ""}));

}  // namespace
