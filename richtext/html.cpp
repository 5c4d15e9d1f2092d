#include "richtext/html.h"

#include <algorithm>
#include <cstdint>

#include "richtext/markup.h"
#include "util/text_encoding.h"

namespace {

constexpr uint32_t kBoxBar = 0x2502;  // the markup's vertical bar, as in the document
constexpr uint32_t kInfinity = 0x221E;
constexpr uint32_t kRootSign = 0x221A;
constexpr uint32_t kFractionSlash = 0x2044;
constexpr uint32_t kEmSpace = 0x2003;
constexpr uint32_t kNoBreakSpace = 0x00A0;

enum class Form { Html, PlainUnicode, PlainTyped };

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The Unicode script character of a digit, sign or parenthesis; 0 for any other character.
uint32_t ScriptCharacter(char c, bool superscript) {
    static constexpr uint32_t kSuperDigits[10] = {0x2070, 0x00B9, 0x00B2, 0x00B3, 0x2074,
                                                  0x2075, 0x2076, 0x2077, 0x2078, 0x2079};
    constexpr std::string_view kSigns = "+-=()";
    if (IsDigit(c)) return superscript ? kSuperDigits[c - '0'] : 0x2080 + static_cast<uint32_t>(c - '0');
    const std::size_t sign = kSigns.find(c);
    if (sign == std::string_view::npos) return 0;
    return (superscript ? 0x207A : 0x208A) + static_cast<uint32_t>(sign);
}

// One conversion: the output, and how it writes what HTML and plain text write differently.
class Converter {
public:
    explicit Converter(Form form) : form_(form) {}

    std::string Take() { return std::move(out_); }

    // Marked-up text, as the RTF writer reads it.
    void Markup(std::string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (c == kMarkupLineBreak) {
                LineBreak();
            } else if (c == kMarkupCode) {
                if (i + 1 >= text.size()) break;  // a final code sign stands for nothing
                const char code = MarkupCodeChar(text[i + 1]);
                const MarkupArgument argument = ReadMarkupArgument(text.substr(i + 2));
                i += 1 + argument.consumed;
                Code(code, argument.text);
            } else if (c == kMarkupSuperscript || c == kMarkupSubscript) {
                const MarkupArgument argument = ReadMarkupArgument(text.substr(i + 1));
                i += argument.consumed;
                Script(argument.text, c == kMarkupSuperscript);
            } else if (c == kMarkupBar) {
                AppendUtf8(out_, kBoxBar);
            } else if (c == '\\') {
                i = Escape(text, i);
            } else {
                Char(c);
            }
        }
    }

    // Text whose markup characters are themselves (a script's argument, a row): RTF
    // escapes only, as the document copies it.
    void Literal(std::string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\\') {
                i = Escape(text, i);
            } else {
                Char(text[i]);
            }
        }
    }

private:
    bool Html() const { return form_ == Form::Html; }

    void Char(char c) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\t' && c != '\n') return;
        if (c == '{' || c == '}') return;
        if (Html()) {
            switch (c) {
                case '&': out_ += "&amp;"; return;
                case '<': out_ += "&lt;"; return;
                case '>': out_ += "&gt;"; return;
                case '"': out_ += "&quot;"; return;
                default: break;
            }
        }
        AppendUtf8(out_, Windows1252CodePoint(c));
    }

    void LineBreak() { out_ += Html() ? "<br>" : " "; }

    void Tab() {
        if (!Html()) {
            out_ += ' ';
            return;
        }
        AppendUtf8(out_, kEmSpace);
        AppendUtf8(out_, kEmSpace);
    }

    // Marked-up text inside an element; the text alone in plain text.
    void Element(const char* name, std::string_view markup) {
        if (Html()) out_ += std::string("<") + name + ">";
        Markup(markup);
        if (Html()) out_ += std::string("</") + name + ">";
    }

    void Code(char code, std::string_view argument) {
        switch (code) {
            case 'B': Element("b", argument); break;
            case 'I': Element("i", argument); break;
            case 'S': Element("u", argument); break;
            case 'T': Tab(); break;
            case '&': AppendUtf8(out_, kInfinity); break;
            case 'F': Fraction(argument); break;
            case 'R': Root(argument); break;
            case 'M': Rows(argument); break;
            default:
                if (IsDigit(code)) {
                    for (int t = 0; t < code - '0'; ++t) Tab();
                }
                break;  // an unknown code stands for nothing, its argument included
        }
    }

    void Script(std::string_view argument, bool superscript) {
        if (Html()) {
            out_ += superscript ? "<sup>" : "<sub>";
            Literal(argument);
            out_ += superscript ? "</sup>" : "</sub>";
            return;
        }
        if (form_ == Form::PlainTyped) {
            Literal(argument);
            return;
        }
        Converter plain(form_);
        plain.Literal(argument);
        for (char c : plain.Take()) {
            // Bytes of multi-byte characters are never ASCII, so no character is split.
            const uint32_t script = ScriptCharacter(c, superscript);
            if (script != 0) {
                AppendUtf8(out_, script);
            } else {
                out_ += c;
            }
        }
    }

    // The parts as the document splits them: a leading byte 1 to 9 counts tabs, then the
    // numerator up to the first "/" (none without one) and the denominator.
    void Fraction(std::string_view argument) {
        const FractionParts parts = SplitFraction(argument);
        for (int t = 0; t < parts.tabs; ++t) Tab();
        const std::string_view numerator = parts.numerator;
        const std::string_view denominator = parts.denominator;
        if (!Html()) {
            Markup(numerator);
            out_ += '/';
            Markup(denominator);
            return;
        }
        if (!numerator.empty()) Element("sup", numerator);
        AppendUtf8(out_, kFractionSlash);
        if (!denominator.empty()) Element("sub", denominator);
    }

    void Root(std::string_view argument) {
        AppendUtf8(out_, kRootSign);
        out_ += Html() ? "<span style=\"text-decoration:overline\">" : "(";
        Markup(argument);
        out_ += Html() ? "</span>" : ")";
    }

    void Rows(std::string_view argument) {
        AppendUtf8(out_, kBoxBar);
        for (std::size_t start = 0;;) {
            const std::size_t end = argument.find(kMarkupLineBreak, start);
            Literal(argument.substr(start, end - start));
            AppendUtf8(out_, kBoxBar);
            if (end == std::string_view::npos) break;
            LineBreak();
            AppendUtf8(out_, kBoxBar);
            start = end + 1;
        }
    }

    // A backslash at i: an RTF "\'hh" character, control word or control symbol; returns
    // the position of the last character it took.
    std::size_t Escape(std::string_view text, std::size_t i) {
        const std::size_t n = text.size();
        if (i + 1 >= n) return i;
        const char next = text[i + 1];
        if (next == '\'') {
            // Digits cut short by the end of the text, or not hexadecimal: dropped.
            if (i + 3 < n && HexValue(text[i + 2]) >= 0 && HexValue(text[i + 3]) >= 0) {
                Char(static_cast<char>(HexValue(text[i + 2]) * 16 + HexValue(text[i + 3])));
            }
            return std::min(i + 3, n - 1);
        }
        if (!IsLetter(next)) {
            if (next == '\\') {
                out_ += next;
            } else if (next == '{' || next == '}') {
                // Text, not a group; in HTML by its number, so that no quiz reads it as an answer box.
                out_ += Html() ? (next == '{' ? "&#123;" : "&#125;") : std::string(1, next);
            } else if (next == '~') {
                AppendUtf8(out_, kNoBreakSpace);
            }
            return i + 1;
        }
        std::size_t end = i + 1;
        while (end < n && IsLetter(text[end])) ++end;
        const std::string_view word = text.substr(i + 1, end - i - 1);
        std::size_t digits = end;
        if (digits < n && text[digits] == '-') ++digits;
        while (digits < n && IsDigit(text[digits])) ++digits;
        const bool hasParameter = digits > end && IsDigit(text[digits - 1]);
        int32_t parameter = 0;
        if (hasParameter) {
            for (std::size_t k = end; k < digits; ++k) {
                if (IsDigit(text[k])) parameter = std::min<int32_t>(parameter * 10 + (text[k] - '0'), 0xFFFFF);
            }
            if (text[end] == '-') parameter = -parameter;
            end = digits;
        }
        if (end < n && text[end] == ' ') ++end;  // the blank that ends a control word is no text
        if (word == "line" || word == "par") {
            LineBreak();
        } else if (word == "tab") {
            Tab();
        } else if (word == "u" && hasParameter) {
            // The parameter is a signed 16-bit number: above 32767 it is written negative.
            const auto code = static_cast<uint32_t>(parameter < 0 ? parameter + 65536 : parameter);
            if (code >= 0x20 && (code < 0xD800 || (code >= 0xE000 && code < 0xFFFE))) AppendUtf8(out_, code);
            // A reader without Unicode shows the character after it instead: it is skipped.
            if (end + 1 < n && text[end] == '\\' && text[end + 1] == '\'') return std::min(end + 3, n - 1);
            if (end < n && text[end] != '\\' && text[end] != '{' && text[end] != '}') return end;
        }
        return end - 1;
    }

    Form form_;
    std::string out_;
};

}  // namespace

std::string MarkupToHtml(std::string_view markup) {
    Converter converter(Form::Html);
    converter.Markup(markup);
    return converter.Take();
}

std::string MarkupToPlainText(std::string_view markup, PlainScripts scripts) {
    Converter converter(scripts == PlainScripts::Unicode ? Form::PlainUnicode : Form::PlainTyped);
    converter.Markup(markup);
    return converter.Take();
}
