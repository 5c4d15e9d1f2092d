#include "util/text_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct EncodingCase {
    const char* what;
    std::string bytes;
    std::string text;  // as Windows-1252, or the refusal
    int line;          // of the refusal, 0 when the text is read
};

// How a reader takes a file's bytes: its encoding found once, then the text converted, and
// a refused character named with its line.
std::string Read(const std::string& bytes, int& line) {
    const TextEncoding encoding = FindTextEncoding(bytes);
    const std::string_view text = std::string_view(bytes).substr(encoding.start);
    line = 0;
    if (!encoding.utf8) return std::string(text);
    std::string converted;
    Utf8Problem problem;
    if (Utf8ToWindows1252(text, converted, problem)) return converted;
    line = 1;
    for (char c : text.substr(0, problem.at)) line += c == '\n';
    return Utf8ProblemText(problem);
}

TEST(TextEncoding, NotepadsUtf8ReadsAsWindows1252AndWindows1252StaysAsItIs) {
    const EncodingCase cases[] = {
        {"UTF-8 with the mark", "\xEF\xBB\xBFQu\xC3\xADmica\r\n", "Química\r\n", 0},
        {"UTF-8 without the mark", "Qu\xC3\xADmica", "Química", 0},
        {"the mark alone", "\xEF\xBB\xBF", "", 0},
        {"the characters of 0x80 to 0x9F", "\xE2\x82\xAC \xE2\x80\x94 \xC5\x93 \xC2\x81", "\x80 \x97 \x9C \x81", 0},
        {"the last byte", "\xC3\xBF", "\xFF", 0},
        {"Windows-1252", "Qu\xEDmica 25 \xBA" "C \x97 x", "Qu\xEDmica 25 \xBA" "C \x97 x", 0},
        {"ASCII", "H2 + O2", "H2 + O2", 0},
        {"Windows-1252 that only starts like UTF-8", "\xC3\xAD y m\xE1s", "\xC3\xAD y m\xE1s", 0},
        {"an overlong form is no UTF-8", "\xC0\xAF \xC3\xAD", "\xC0\xAF \xC3\xAD", 0},
        {"a character beyond Windows-1252", "uno\r\ndos\r\nH2 \xE2\x86\x92 H2\r\n",
         "el carácter U+2192 no existe en Windows-1252 (ANSI)", 3},
        {"beyond the first plane", "\n\xF0\x9F\x98\x80", "el carácter U+1F600 no existe en Windows-1252 (ANSI)", 2},
        {"a C1 control that Windows-1252 uses", "\xC2\x80", "el carácter U+0080 no existe en Windows-1252 (ANSI)",
         1},
        {"the mark, then bytes that are no UTF-8", "\xEF\xBB\xBF" "a\nQu\xEDmica",
         "hay bytes que no son UTF-8 en un fichero marcado como UTF-8", 2},
    };
    for (const EncodingCase& c : cases) {
        int line = 0;
        EXPECT_EQ(Read(c.bytes, line), c.text) << c.what;
        EXPECT_EQ(line, c.line) << c.what;
    }
}

// The quiz file's texts go out as UTF-8: every byte must come back as itself, the euro sign
// and the dashes of 0x80 to 0x9F included.
TEST(TextEncoding, EveryWindows1252ByteGoesToUtf8AndBack) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::string utf8 = Windows1252ToUtf8(all);
    EXPECT_EQ(Windows1252ToUtf8("Qu\xEDmica \x80 \x97"), "Qu\xC3\xADmica \xE2\x82\xAC \xE2\x80\x94");
    std::string back;
    Utf8Problem problem;
    ASSERT_TRUE(Utf8ToWindows1252(utf8, back, problem)) << problem.at;
    EXPECT_EQ(back, all);
}

}  // namespace
