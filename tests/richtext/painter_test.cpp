#include "richtext/painter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/recording_canvas.h"

namespace {

using Drawn = std::vector<std::string>;

struct PaintCase {
    const char* name;
    std::string markup;
    Drawn drawn;
    int32_t penX;
    int32_t penY;
};

// Every case paints from (16, 40) with the initial 16 x 6 font.
void Check(const PaintCase& c) {
    RecordingCanvas canvas;
    PaintMarkup(canvas, 16, 40, c.markup);
    EXPECT_EQ(canvas.drawn, c.drawn) << c.name;
    EXPECT_EQ(canvas.PenX(), c.penX) << c.name;
    EXPECT_EQ(canvas.PenY(), c.penY) << c.name;
    EXPECT_TRUE(canvas.penTextMode) << c.name;
    EXPECT_EQ(canvas.Font(), FontRecord{}) << c.name << ": the font is left as it was";
    EXPECT_EQ(canvas.applied, FontRecord{}) << c.name;
}

TEST(PaintMarkup, DrawsRunsAndLines) {
    const PaintCase cases[] = {
        {"empty", "", {}, 16, 40},
        {"one run", "NaCl 2 g", {"16,40 16x6: NaCl 2 g"}, 64, 40},
        {"line break", "a\rb", {"16,40 16x6: a", "16,56 16x6: b"}, 22, 56},
        {"line feed after it is ignored", "a\r\nb", {"16,40 16x6: a", "16,56 16x6: b"}, 22, 56},
        {"two breaks", "a\r\n\r\nb", {"16,40 16x6: a", "16,72 16x6: b"}, 22, 72},
        {"control characters", std::string("a\tb\x01" "c", 5), {"16,40 16x6: abc"}, 34, 40},
        {"vertical bar as itself", "a|b", {"16,40 16x6: a|b"}, 34, 40},
        {"braces as themselves", "{x}", {"16,40 16x6: {x}"}, 34, 40},
        {"accented letters", "Química", {"16,40 16x6: Química"}, 58, 40},
    };
    for (const PaintCase& c : cases) Check(c);
}

TEST(PaintMarkup, SetsScriptsInTheSmallerFont) {
    const PaintCase cases[] = {
        {"subscript 8 lower", "H_2O", {"16,40 16x6: H", "22,48 12x4: 2", "26,40 16x6: O"}, 32, 40},
        {"superscript on the top", "x^2", {"16,40 16x6: x", "22,40 12x4: 2"}, 26, 40},
        {"group", "10^(-3) M", {"16,40 16x6: 10", "28,40 12x4: -3", "36,40 16x6:  M"}, 48, 40},
        {"inner pairs stay", "x^(a(b)c)", {"16,40 16x6: x", "22,40 12x4: a(b)c"}, 42, 40},
        {"no markup inside", "x^(#B(2))", {"16,40 16x6: x", "22,40 12x4: #B(2)"}, 42, 40},
        {"each digit its own", "C_1_2", {"16,40 16x6: C", "22,48 12x4: 1", "26,48 12x4: 2"}, 30, 40},
        {"a mark as the argument", "x^_y", {"16,40 16x6: x", "22,40 12x4: _", "26,40 16x6: y"}, 32, 40},
        {"unclosed group is empty and skips one", "x^(abc", {"16,40 16x6: x", "22,40 16x6: bc"}, 34, 40},
        {"mark at the end", "x_", {"16,40 16x6: x"}, 22, 40},
        {"open parenthesis at the end", "x_(", {"16,40 16x6: x"}, 22, 40},
        {"empty group", "x^()y", {"16,40 16x6: x", "22,40 16x6: y"}, 28, 40},
    };
    for (const PaintCase& c : cases) Check(c);
}

TEST(PaintMarkup, MovesThePenForTabsIndentsAndInfinity) {
    const PaintCase cases[] = {
        {"tab swallows its argument", "#Tabc", {"36,40 16x6: bc"}, 48, 40},
        {"indent on this line only", "#3 x\rx", {"76,40 16x6: x", "16,56 16x6: x"}, 22, 56},
        {"indent 0", "a#0 b", {"16,40 16x6: a", "22,40 16x6: b"}, 28, 40},
        {"infinity", "#& x",
         {"circle 19,50 r3", "circle 25,50 r3", "30,40 16x6: x"}, 36, 40},
        {"lower-case code", "#t()x", {"36,40 16x6: x"}, 42, 40},
        {"rows are not drawn", "#M(a b\rc d)e", {"16,40 16x6: e"}, 22, 40},
        {"unknown code consumes its argument", "#X(abc)def", {"16,40 16x6: def"}, 34, 40},
        {"code sign at the end", "a#", {"16,40 16x6: a"}, 22, 40},
    };
    for (const PaintCase& c : cases) Check(c);
}

TEST(PaintMarkup, UnderstandsTheEscapesThatMatterOnScreen) {
    const PaintCase cases[] = {
        {"tab word", "\\tab x", {"16,40 16x6: " + std::string(9, ' ') + "x"}, 76, 40},
        {"character by code", "\\'e1", {"16,40 16x6: \xE1"}, 22, 40},
        {"escaped mark is plain", "\\'5e2", {"16,40 16x6: ^2"}, 28, 40},
        {"upper-case digits", "\\'E9!", {"16,40 16x6: \xE9!"}, 28, 40},
        {"line word", "a\\line b", {"16,40 16x6: a", "16,56 16x6:  b"}, 28, 56},
        {"other words are skipped", "a\\par b", {"16,40 16x6: a", "22,40 16x6:  b"}, 34, 40},
        {"words are compared exactly", "\\Tab x", {"16,40 16x6:  x"}, 28, 40},
        {"word ended by a backslash", "\\b\\tab x", {"16,40 16x6: " + std::string(9, ' ') + "x"}, 76, 40},
        {"word at the end", "a\\tab", {"16,40 16x6: a", "22,40 16x6: " + std::string(8, ' ')}, 70, 40},
        {"backslash at the end", "a\\", {"16,40 16x6: a"}, 22, 40},
        {"escape cut short", "a\\'e", {"16,40 16x6: a"}, 22, 40},
        {"digits that are not hexadecimal", "a\\'zzb", {"16,40 16x6: a", "22,40 16x6: b"}, 28, 40},
    };
    for (const PaintCase& c : cases) Check(c);
}

TEST(PaintMarkup, DrawsARootSignOverItsArgument) {
    const PaintCase cases[] = {
        {"two characters", "#R(ab)",
         {"16,40 16x6: ab", "line 16,40-18,52", "line 18,52-22,38", "line 22,38-36,38"}, 36, 40},
        {"markup inside is plain", "#R(x_2)y",
         {"16,40 16x6: x_2", "line 16,40-18,52", "line 18,52-22,38", "line 22,38-43,38", "43,40 16x6: y"}, 49,
         40},
        {"empty", "#R", {"line 16,40-18,52", "line 18,52-22,38", "line 22,38-22,38"}, 22, 40},
    };
    for (const PaintCase& c : cases) Check(c);
}

TEST(PaintMarkup, StacksAFractionOnItsBar) {
    const PaintCase cases[] = {
        {"centred parts", "#F(1/100)z",
         {"line 16,50-37,50", "23,30 16x6: 1", "16,72 16x6: 100", "16,88 16x6: z"}, 22, 88},
        {"after text on the line", "x = #F(a/b)",
         {"16,40 16x6: x = ", "line 40,50-47,50", "40,30 16x6: a", "40,72 16x6: b"}, 16, 88},
        {"tab count", std::string("#F(\x02" "12/3)", 9),
         {"line 56,50-70,50", "56,30 16x6: 12", "59,72 16x6: 3"}, 16, 88},
        {"empty denominator", "#F(3/)", {"line 16,50-23,50", "16,30 16x6: 3"}, 16, 88},
        {"no slash: all denominator", "#F(7)", {"line 16,50-23,50", "16,72 16x6: 7"}, 16, 88},
        {"parts are plain", "#F(a_2/b)",
         {"line 16,50-37,50", "16,30 16x6: a_2", "23,72 16x6: b"}, 16, 88},
    };
    for (const PaintCase& c : cases) Check(c);
}

TEST(PaintMarkup, ShowsBoldItalicAndUnderlineSpansWithTheirMarkup) {
    const PaintCase cases[] = {
        {"bold", "#B(Respuesta:) 3", {"16,40 16x6 b: Respuesta:", "76,40 16x6:  3"}, 88, 40},
        {"lower-case code", "#b(x)", {"16,40 16x6 b: x"}, 22, 40},
        {"script inside bold", "#B(H_2O)",
         {"16,40 16x6 b: H", "22,48 12x4 b: 2", "26,40 16x6 b: O"}, 32, 40},
        {"italic", "#I(pH)", {"16,40 16x6 i: pH"}, 28, 40},
        {"underline", "#S(ojo)", {"16,40 16x6 u: ojo"}, 34, 40},
        {"nested", "#B(a#I(b)c)d",
         {"16,40 16x6 b: a", "22,40 16x6 b i: b", "28,40 16x6 b: c", "34,40 16x6: d"}, 40, 40},
        {"line break inside", "#B(a\rb)", {"16,40 16x6 b: a", "16,56 16x6 b: b"}, 22, 56},
    };
    for (const PaintCase& c : cases) Check(c);
}

TEST(PaintMarkup, WrapsAtTheFirstSpaceAfterNinetyCharacters) {
    const std::string ninety(90, 'a');
    const std::string ninetyOne(91, 'a');
    const std::string long120(120, 'x');
    const PaintCase cases[] = {
        {"no spaces: never wrapped", long120, {"16,40 16x6: " + long120}, 16 + 120 * 6, 40},
        {"ninety are not more than ninety", ninety + " b", {"16,40 16x6: " + ninety + " b"}, 16 + 92 * 6, 40},
        {"the space is not drawn", ninetyOne + " b c",
         {"16,40 16x6: " + ninetyOne, "16,56 16x6: b c"}, 34, 56},
        {"a line break starts the count again", "x\r" + ninety + " b",
         {"16,40 16x6: x", "16,56 16x6: " + ninety + " b"}, 16 + 92 * 6, 56},
        {"script characters count", ninety + "x_2 b",
         {"16,40 16x6: " + ninety + "x", "562,48 12x4: 2", "16,56 16x6: b"}, 22, 56},
        {"a code's argument counts", "#T(" + ninetyOne + ") b", {"16,56 16x6: b"}, 22, 56},
        {"escapes do not count", ninety + "\\'e1\\tab b",
         {"16,40 16x6: " + ninety, "556,40 16x6: \xE1", "562,40 16x6: " + std::string(9, ' ') + "b"}, 16 + 101 * 6,
         40},
    };
    for (const PaintCase& c : cases) Check(c);
}

TEST(PaintMarkup, CutsTheTextTo255Characters) {
    RecordingCanvas canvas;
    PaintMarkup(canvas, 0, 0, std::string(300, 'a'));
    EXPECT_EQ(canvas.drawn, Drawn{"0,0 16x6: " + std::string(255, 'a')});
}

TEST(PaintMarkup, DrawsEveryCharacterOfARunLongerThanOneOutput) {
    // "\tab" makes 8 characters of 4: the run after it outgrows one text output.
    RecordingCanvas canvas;
    PaintMarkup(canvas, 0, 0, "\\tab " + std::string(250, 'a'));
    EXPECT_EQ(canvas.drawn,
              (Drawn{"0,0 16x6: " + std::string(9, ' ') + std::string(246, 'a'), "1530,0 16x6: aaaa"}));
    EXPECT_EQ(canvas.PenX(), 259 * 6);
}

TEST(PaintMarkup, KeepsTheCallersBoldFontForALabel) {
    RecordingCanvas canvas;
    canvas.SetBold(true);
    PaintMarkup(canvas, 15, 100, "Respuesta: #I(x)");
    EXPECT_EQ(canvas.drawn, (Drawn{"15,100 16x6 b: Respuesta: ", "81,100 16x6 b i: x"}));
    EXPECT_EQ(canvas.Font().weight, kWeightBold);
    EXPECT_FALSE(canvas.applied.italic);
}

TEST(Canvas, ScriptsShrinkTheFontAndComeBackToTheLine) {
    RecordingCanvas canvas;
    canvas.MovePen(100, 40);
    canvas.BeginScript(false);
    EXPECT_EQ(canvas.PenY(), 48);
    canvas.DrawTextAtPen("ab");
    canvas.EndScript();
    EXPECT_EQ(canvas.PenX(), 108);
    EXPECT_EQ(canvas.PenY(), 40);
    EXPECT_EQ(canvas.drawn, Drawn{"100,48 12x4: ab"});
    EXPECT_EQ(canvas.applied, FontRecord{});

    canvas.Font().height = 15;
    canvas.Font().width = 5;
    canvas.BeginScript(true);
    EXPECT_EQ(canvas.PenY(), 40);  // a superscript keeps the line's top
    EXPECT_EQ(canvas.applied.height, 11);  // truncated
    EXPECT_EQ(canvas.applied.width, 3);
    canvas.EndScript();
    EXPECT_EQ(canvas.applied.height, 15);
}

TEST(Canvas, BoldSwitchesBetween700And400) {
    RecordingCanvas canvas;
    EXPECT_EQ(canvas.Font().weight, 0);
    canvas.SetBold(true);
    EXPECT_EQ(canvas.applied.weight, 700);
    canvas.SetBold(false);
    EXPECT_EQ(canvas.applied.weight, 400);  // not back to the initial 0
    EXPECT_EQ(canvas.fontsApplied, 2);
}

TEST(Canvas, ALineLeavesThePenAtItsEnd) {
    RecordingCanvas canvas;
    canvas.DrawLine(1, 2, 30, 40);
    canvas.DrawTextAtPen("x");
    EXPECT_EQ(canvas.drawn, (Drawn{"line 1,2-30,40", "30,40 16x6: x"}));
}

}  // namespace
