#include "richtext/rtf_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "richtext/markup.h"
#include "tests/support/files.h"

namespace {

namespace fs = std::filesystem;

const std::string kHeader =
    "{\\rtf\\ansi \\deff2\r\n"
    "{\\fonttbl\\f0\\froman Times New Roman;\\f1\\fdecor Courier New;\\f2\\fswiss Arial;}\r\n";
const std::string kBar = R"(\u9474\'a6 )";

struct ConversionCase {
    std::string markup;
    std::string rtf;
};

TEST(MarkupToRtf, ConvertsEveryCode) {
    const ConversionCase cases[] = {
        {"H_2O", R"(H{\sub 2}O)"},
        {"H_2SO_4", R"(H{\sub 2}SO{\sub 4})"},
        {"C_1_2H_2_2O_1_1", R"(C{\sub 1}{\sub 2}H{\sub 2}{\sub 2}O{\sub 1}{\sub 1})"},
        {"x_(12)", R"(x{\sub 12})"},
        {"10^(-3)", R"(10{\super -3})"},
        {"x^(a(b)c)", R"(x{\super a(b)c})"},
        {"x^(#B(2))", R"(x{\super #B(2)})"},  // markup inside a script is not interpreted
        {"a^", R"(a{\super })"},
        {"a|b", R"(a\u9474\'a6 b)"},
        {"#B(Respuesta:)", R"({\b Respuesta:})"},
        {"#b(x)", R"({\b x})"},
        {"#B(x_2) y", R"({\b x{\sub 2}} y)"},
        {"#B(a_2)", R"({\b a{\sub 2}})"},
        {"#I(a|b)", R"({\i a\u9474\'a6 b})"},
        {"#s(u)", R"({\ul u})"},
        {"#B(x", R"({\b x})"},                 // an unclosed group takes the rest
        {"#B(x^(2)", R"({\b x{\super 2}})"},
        {"#Tabc", R"(\tab bc)"},                // the "a" is the swallowed argument
        {"#T()x", R"(\tab x)"},
        {"#& y", R"(\u8734\'38 y)"},
        {"#1 texto", R"(\li567 texto)"},
        {"#0()a", R"(\li0 a)"},
        {"#X(abc)def", "def"},
        {"ab#", "ab"},
        {"\r\nsigue", "\\par \nsigue"},
        {"#M(a b\rc d)", R"(\u9474\'a6 a b\u9474\'a6 \line \u9474\'a6 c d\u9474\'a6 )"},
        {"#M(x_2\n)", "\\u9474\\'a6 x_2\n\\u9474\\'a6 "},
        {"#R(ab)", R"(\line \'20\'20__\line \u8730\'76 ab)"},
        {"#R(x_2)", R"(\line \'20\'20___\line \u8730\'76 x{\sub 2})"},
        {"#F(1/100)", R"(\'20 1\line \'97\line 100\line )"},
        {"#F(3/)", R"(3\line \'97\line \line )"},
        {"#F(7)", R"(\line \'97\line 7\line )"},
        {"#F(#B(1)/22222)", R"({\b 1}\line \'97\'97\line 22222\line )"},
        {"#F(\x02" "ab/c)", R"(\tab \tab ab\line \tab \tab \'97\line \tab \tab c\line )"},
        {"#F()", R"(\line \line \line )"},
        // RTF of the text's own and mark characters by their escapes pass unchanged.
        {R"(a\line b\'e1{c})", R"(a\line b\'e1{c})"},
        {R"(\'23B(x)\'5f2)", R"(\'23B(x)\'5f2)"},
        {"Química 25 ºC · x", "Química 25 ºC · x"},
    };
    for (const ConversionCase& c : cases) EXPECT_EQ(MarkupToRtf(c.markup), c.rtf) << "markup: " << c.markup;
}

TEST(MarkupToRtf, IndentsAreWholeCentimetresInTwips) {
    const char* expected[] = {"\\li0 ", "\\li567 ", "\\li1134 ", "\\li1701 ", "\\li2268 ",
                              "\\li2835 ", "\\li3402 ", "\\li3969 ", "\\li4535 ", "\\li5102 "};
    for (int d = 0; d <= 9; ++d) {
        EXPECT_EQ(MarkupToRtf(std::string("#") + char('0' + d) + " "), expected[d]) << d;
    }
}

TEST(CmToTwips, RoundsToTheNearestTwip) {
    EXPECT_EQ(CmToTwips(2.54), "1440");
    EXPECT_EQ(CmToTwips(1.27), "720");
    EXPECT_EQ(CmToTwips(0.5), "283");
    EXPECT_EQ(CmToTwips(7), "3969");
    EXPECT_EQ(CmToTwips(-1), "-567");
    EXPECT_EQ(CmToTwips(1e12), "2147483647");
}

TEST(MarkupToRtf, CutsItsInputAt255Characters) {
    EXPECT_EQ(MarkupToRtf(std::string(300, 'a')), std::string(255, 'a'));
    // The "_2" beyond the 255th character is never read.
    EXPECT_EQ(MarkupToRtf(std::string(255, 'a') + "_2"), std::string(255, 'a'));
}

TEST(MarkupToRtf, ALongResultIsCutWithoutBreakingTheRtf) {
    // 23 whole bars fill 253 characters; the 24th would only fit in part.
    std::string bars;
    for (int i = 0; i < 23; ++i) bars += kBar;
    EXPECT_EQ(MarkupToRtf(std::string(255, '|')), bars);
    // A bold group that runs past the limit is closed within it.
    EXPECT_EQ(MarkupToRtf("#B(" + std::string(252, 'a') + ")"), "{\\b " + std::string(250, 'a') + "}");
    // An escape that the input cut would split is left out whole.
    EXPECT_EQ(MarkupToRtf(std::string(253, 'a') + R"(\'e1)"), std::string(253, 'a'));
}

struct CutCase {
    std::string rtf;
    std::size_t max;
    std::string cut;
};

TEST(CutRtf, NeverSplitsATokenAndClosesOpenGroups) {
    const CutCase cases[] = {
        {"abc", 3, "abc"},
        {"abcd", 3, "abc"},
        {R"(ab\line x)", 5, "ab"},
        {R"(ab\line x)", 8, R"(ab\line )"},
        {R"(x\'e1y)", 3, "x"},
        {R"(x\'e1y)", 5, R"(x\'e1)"},
        {R"(\u9474\'a6 z)", 9, ""},
        {R"(\tab\tab )", 5, R"(\tab)"},
        {"abc\\", 3, "abc"},
        {R"(\{ab)", 3, R"(\{a)"},
        {R"({\b abcdef})", 6, R"({\b a})"},
        {R"({\b {\i abcdef}})", 12, R"({\b {\i ab}})"},
        {R"(}{ab)", 3, R"(}{})"},
        {R"(a{\b c}d)", 7, R"(a{\b c})"},
    };
    for (const CutCase& c : cases) EXPECT_EQ(CutRtf(c.rtf, c.max), c.cut) << c.rtf << " at " << c.max;
}

TEST(CutMarkup, DropsAnEscapeThatTheCutWouldSplit) {
    EXPECT_EQ(CutMarkup("abc", 2), "ab");
    EXPECT_EQ(CutMarkup(R"(ab\'e1)", 5), "ab");
    EXPECT_EQ(CutMarkup(R"(ab\'e1)", 4), "ab");
    EXPECT_EQ(CutMarkup(R"(ab\'e1c)", 6), R"(ab\'e1)");
    EXPECT_EQ(CutMarkup(R"(ab\x)", 3), "ab");
    EXPECT_EQ(CutMarkup(R"(a\\b)", 3), R"(a\\)");  // an escaped backslash is whole
}

TEST(RtfBold, WrapsAndStaysWithin255) {
    EXPECT_EQ(RtfBold("1) "), "{\\b 1) }");
    EXPECT_EQ(RtfBold(""), "{\\b }");
    EXPECT_EQ(RtfBold(std::string(254, 't')), "{\\b " + std::string(250, 't') + "}");
}

TEST(RtfParts, AreCutLikeEveryText) {
    EXPECT_EQ(RtfRows(""), kBar + kBar);
    EXPECT_EQ(RtfRoot(""), R"(\line \'20\'20\line \u8730\'76 )");
    EXPECT_EQ(RtfFraction("1/2"), R"(1\line \'97\line 2\line )");
    EXPECT_LE(RtfRoot(std::string(200, 'x')).size(), kRtfTextMax);
    EXPECT_LE(RtfRows(std::string(100, '\r')).size(), kRtfTextMax);
}

class RtfDocumentTest : public ::testing::Test {
protected:
    std::string Read() { return ReadAll(path); }
    int Entries() { return int(EntriesIn(dir)); }

    ScratchFolder folder{"zorvi-rtf", ScratchFolder::kStayOutside};
    const fs::path& dir = folder.Path();
    std::string path = (dir / "doc.rtf").string();
};

TEST_F(RtfDocumentTest, EmptyDocumentIsHeaderAndClosingBrace) {
    ASSERT_TRUE(BeginRtfDocument(path)) << RtfDocumentError();
    ASSERT_TRUE(EndRtfDocument()) << RtfDocumentError();
    EXPECT_EQ(Read(), kHeader + "}\r\n");
}

TEST_F(RtfDocumentTest, WritesEveryOperationByteForByte) {
    ASSERT_TRUE(BeginRtfDocument(path));
    WriteRtf("{\\qc");
    WriteRtfLine(RtfBold("Tema 1: Química"));
    WriteRtfLineBreak();
    WriteRtf("}");
    WriteMarkupLine(RtfBold("1) ") + "H_2O");
    WriteRtf("a\nb\xE1");
    ASSERT_TRUE(EndRtfDocument());
    EXPECT_EQ(Read(), kHeader + "{\\qc{\\b Tema 1: Química}\\line \\line }{\\b 1) }H{\\sub 2}O\\line a\nb\xE1}\r\n");
}

// A document's line goes onto the paper whole, with its line break, however long its RTF.
TEST_F(RtfDocumentTest, ALongLineIsWrittenWholeWithItsLineBreak) {
    ASSERT_TRUE(BeginRtfDocument(path));
    WriteRtfLine(std::string(249, 'a'));
    WriteRtfLine(std::string(250, 'b'));  // "\line " beyond the 255th character
    WriteMarkupLine(std::string(300, 'c') + "_2");  // neither the markup nor its RTF is cut
    WriteRtf(std::string(300, 'd'));
    ASSERT_TRUE(EndRtfDocument());
    EXPECT_EQ(Read(), kHeader + std::string(249, 'a') + "\\line " + std::string(250, 'b') + "\\line " +
                          std::string(300, 'c') + "{\\sub 2}\\line " + std::string(300, 'd') + "}\r\n");
}

TEST_F(RtfDocumentTest, DocumentAppearsOnlyWhenEndedAndReplacesTheOldOne) {
    ASSERT_TRUE(BeginRtfDocument(path));
    WriteRtf("primero");
    ASSERT_TRUE(EndRtfDocument());
    ASSERT_TRUE(BeginRtfDocument(path));
    WriteRtf("segundo");
    EXPECT_EQ(Read(), kHeader + "primero}\r\n");  // the old document until the new one is whole
    ASSERT_TRUE(EndRtfDocument());
    EXPECT_EQ(Read(), kHeader + "segundo}\r\n");
    EXPECT_EQ(Entries(), 1);
}

TEST_F(RtfDocumentTest, MissingFolderFailsWithItsCause) {
    EXPECT_FALSE(BeginRtfDocument((dir / "no" / "doc.rtf").string()));
    EXPECT_EQ(RtfDocumentError(), "la carpeta no existe");
    WriteRtf("dropped");
    EXPECT_FALSE(EndRtfDocument());
    EXPECT_EQ(Entries(), 0);
}

TEST_F(RtfDocumentTest, FailedPlacingKeepsWhatStandsUnderTheName) {
    fs::create_directories(dir / "doc.rtf" / "inside");  // a folder holds the document's name
    ASSERT_TRUE(BeginRtfDocument(path));
    WriteRtf("texto");
    EXPECT_FALSE(EndRtfDocument());
    EXPECT_FALSE(RtfDocumentError().empty());
    EXPECT_TRUE(fs::is_directory(dir / "doc.rtf" / "inside"));
    EXPECT_EQ(Entries(), 1);  // no temporary file left behind
}

TEST_F(RtfDocumentTest, EndWithoutBeginFails) {
    EXPECT_FALSE(EndRtfDocument());
    EXPECT_FALSE(RtfDocumentError().empty());
}

}  // namespace
