#include "richtext/html.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The expected texts are UTF-8; the program's own literals are Windows-1252.
std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

struct HtmlCase {
    std::string markup;
    std::string html;
};

TEST(MarkupToHtml, ReadsEveryCodeAsTheDocumentDoes) {
    const std::string tab = U8(u8"\u2003\u2003");
    const HtmlCase cases[] = {
        {"H_2SO_4", "H<sub>2</sub>SO<sub>4</sub>"},
        {"10^(-3)", "10<sup>-3</sup>"},
        {"x^(#B(2))", "x<sup>#B(2)</sup>"},  // markup inside a script is not interpreted
        {"#B(p =) a < b & \"c\" > d", "<b>p =</b> a &lt; b &amp; &quot;c&quot; &gt; d"},
        {"#i(x)#S(y)", "<i>x</i><u>y</u>"},
        {"a\r\nb", "a<br>\nb"},
        {"a|b", U8(u8"a\u2502b")},
        {"#& y", U8(u8"\u221Ey")},
        {"#Tabc", tab + "bc"},  // the "a" is the swallowed argument
        {"#2 x", tab + tab + "x"},
        {"#F(1/100) g", U8(u8"<sup>1</sup>\u2044<sub>100</sub> g")},
        {"#F(7)", U8(u8"\u2044<sub>7</sub>")},
        {"#F(\x02" "m_1/V)", tab + tab + U8(u8"<sup>m<sub>1</sub></sup>\u2044<sub>V</sub>")},
        {"#R(x+1)", U8(u8"\u221A<span style=\"text-decoration:overline\">x+1</span>")},
        {"#M(a b\rc)", U8(u8"\u2502a b\u2502<br>\u2502c\u2502")},
        {"#X(abc)d ab#", "d ab"},
        {"Química 25 ºC · 3 \x80", U8(u8"Química 25 ºC · 3 €")},
        {R"(a\line b\'e1\tab c{d}\u8730\'76x\{\\)", U8(u8"a<br>bá\u2003\u2003cd\u221Ax&#123;\\")},
        {"a\x01" "b\x0c" "c\td", "abc\td"},  // XML cannot hold control characters
    };
    for (const HtmlCase& c : cases) EXPECT_EQ(MarkupToHtml(c.markup), c.html) << "markup: " << c.markup;
}

struct PlainCase {
    std::string markup;
    std::string unicode;
    std::string typed;
};

TEST(MarkupToPlainText, WritesScriptsAsUnicodeCharactersOrAsTyped) {
    const PlainCase cases[] = {
        {"H_2", U8(u8"H₂"), "H2"},
        {"C_(12)H_2_2O_1_1", U8(u8"C₁₂H₂₂O₁₁"), "C12H22O11"},
        {"SO_4^(2-)", U8(u8"SO₄²⁻"), "SO42-"},
        {"#B(Fe)_2O_3 < x", U8(u8"Fe₂O₃ < x"), "Fe2O3 < x"},
        {"#F(n/V)", "n/V", "n/V"},
    };
    for (const PlainCase& c : cases) {
        EXPECT_EQ(MarkupToPlainText(c.markup, PlainScripts::Unicode), c.unicode) << "markup: " << c.markup;
        EXPECT_EQ(MarkupToPlainText(c.markup, PlainScripts::Typed), c.typed) << "markup: " << c.markup;
    }
}

}  // namespace
