#include "richtext/rtf_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "richtext/markup.h"
#include "util/atomic_file.h"
#include "util/number_format.h"
#include "util/strings.h"

namespace {

constexpr std::string_view kHeader =
    "{\\rtf\\ansi \\deff2\r\n"
    "{\\fonttbl\\f0\\froman Times New Roman;\\f1\\fdecor Courier New;\\f2\\fswiss Arial;}\r\n";
constexpr std::string_view kTrailer = "}\r\n";
constexpr std::string_view kLine = "\\line ";
// Unicode characters with their one-byte fallback for readers without Unicode.
constexpr std::string_view kBar = "\\u9474\\'a6 ";       // U+2502, broken bar
constexpr std::string_view kInfinity = "\\u8734\\'38 ";  // U+221E, "8"
constexpr std::string_view kRootSign = "\\u8730\\'76 ";  // U+221A, "v"
constexpr std::string_view kCentringUnit = "\\'20 ";    // an escaped blank and a plain one
constexpr std::string_view kFractionBar = "\\'97";      // em dash, about two blanks wide
constexpr std::string_view kTab = "\\tab ";

AtomicFile g_document;
std::string g_error;
bool g_inMemory = false;
std::string g_memory;  // the document made in memory

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Where the RTF token that starts at i ends: a control word with its parameter and its
// delimiting blank (a "\u" character also with its fallback), a "\'" escape with its two
// digits, a control symbol, or one character. A token cut short by the end of the text
// ends there.
std::size_t RtfTokenEnd(std::string_view s, std::size_t i) {
    const std::size_t n = s.size();
    if (s[i] != '\\') return i + 1;
    if (i + 1 >= n) return n;
    if (s[i + 1] == '\'') return std::min(i + 4, n);
    if (!IsLetter(s[i + 1])) return i + 2;
    std::size_t j = i + 1;
    while (j < n && IsLetter(s[j])) ++j;
    const bool unicode = j - i == 2 && s[i + 1] == 'u';
    std::size_t digits = j;
    if (digits < n && s[digits] == '-') ++digits;
    while (digits < n && IsDigit(s[digits])) ++digits;
    const bool hasParameter = digits > j && IsDigit(s[digits - 1]);
    if (hasParameter) j = digits;
    if (j < n && s[j] == ' ') ++j;
    if (unicode && hasParameter && j < n) {
        // The fallback character belongs to the Unicode character: a reader skips it.
        if (s[j] == '\\' && j + 1 < n && s[j + 1] == '\'') return std::min(j + 4, n);
        if (s[j] != '\\' && s[j] != '{' && s[j] != '}') return j + 1;
    }
    return j;
}

// The conversion without the length limit: the document's lines take it whole, the public
// conversions cut it once at the end.
std::string Convert(std::string_view text);

std::string Fraction(std::string_view argument) {
    const FractionParts parts = SplitFraction(argument);
    const int tabs = parts.tabs;
    const std::string_view numerator = parts.numerator;
    const std::string_view denominator = parts.denominator;
    const std::size_t width = std::max(numerator.size(), denominator.size());
    std::string indent;
    for (int t = 0; t < tabs; ++t) indent += kTab;
    auto centred = [&](std::string_view part) {
        std::string line = indent;
        for (std::size_t k = 0; k < (width - part.size()) / 2; ++k) line += kCentringUnit;
        return line + Convert(part) + std::string(kLine);
    };
    std::string result = centred(numerator) + indent;
    // Half as many dashes as characters, but one at least: a fraction always shows its bar.
    const std::size_t dashes = width == 1 ? 1 : width / 2;
    for (std::size_t k = 0; k < dashes; ++k) result += kFractionBar;
    result += kLine;
    return result + centred(denominator);
}

std::string Root(std::string_view argument) {
    return std::string(kLine) + "\\'20\\'20" +
           RepeatChar('_', static_cast<uint16_t>(std::min<std::size_t>(argument.size(), UINT16_MAX))) +
           std::string(kLine) + std::string(kRootSign) + Convert(argument);
}

std::string Rows(std::string_view argument) {
    std::string result(kBar);
    for (char c : argument) {
        if (c == kMarkupLineBreak) {
            result += kBar;
            result += kLine;
            result += kBar;
        } else {
            result += c;
        }
    }
    return result += kBar;
}

std::string Convert(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == kMarkupLineBreak) {
            out += "\\par ";
        } else if (c == kMarkupCode) {
            if (i + 1 >= text.size()) break;  // a final code sign stands for nothing
            ++i;
            const char code = MarkupCodeChar(text[i]);
            const MarkupArgument arg = ReadMarkupArgument(text.substr(i + 1));
            i += arg.consumed;
            switch (code) {
                case 'B': out += "{\\b " + Convert(arg.text) + "}"; break;
                case 'I': out += "{\\i " + Convert(arg.text) + "}"; break;
                case 'S': out += "{\\ul " + Convert(arg.text) + "}"; break;
                case 'T': out += kTab; break;
                case '&': out += kInfinity; break;
                case 'F': out += Fraction(arg.text); break;
                case 'R': out += Root(arg.text); break;
                case 'M': out += Rows(arg.text); break;
                default:
                    if (IsDigit(code)) out += "\\li" + CmToTwips(code - '0') + " ";
                    break;  // an unknown code stands for nothing, its argument included
            }
        } else if (c == kMarkupSuperscript || c == kMarkupSubscript) {
            const MarkupArgument arg = ReadMarkupArgument(text.substr(i + 1));
            i += arg.consumed;
            out += (c == kMarkupSuperscript ? "{\\super " : "{\\sub ") + arg.text + "}";
        } else if (c == kMarkupBar) {
            out += kBar;
        } else {
            out += c;
        }
    }
    return out;
}

void Write(std::string_view bytes) {
    if (g_inMemory) {
        g_memory += bytes;
    } else if (g_document.IsOpen()) {
        g_document.Write(bytes);
    }
}

}  // namespace

std::string CutRtf(std::string_view rtf, std::size_t max) {
    if (rtf.size() <= max) return std::string(rtf);
    std::size_t best = 0;
    std::size_t bestOpen = 0;
    std::size_t open = 0;  // groups opened in the text and not yet closed
    for (std::size_t i = 0; i < rtf.size();) {
        const std::size_t end = RtfTokenEnd(rtf, i);
        if (rtf[i] == '{') {
            ++open;
        } else if (rtf[i] == '}' && open > 0) {
            --open;
        }
        if (end > max) break;
        if (end + open <= max) {
            best = end;
            bestOpen = open;
        }
        i = end;
    }
    return std::string(rtf.substr(0, best)) + std::string(bestOpen, '}');
}

bool BeginRtfDocument(const std::string& path) {
    g_inMemory = false;
    g_error.clear();
    if (!g_document.Open(path) || !g_document.Write(kHeader)) {
        g_error = g_document.Error();
        g_document.Abort();
        return false;
    }
    return true;
}

void WriteRtf(std::string_view rtf) { Write(rtf); }

void WriteRtfLine(std::string_view rtf) {
    Write(rtf);
    Write(kLine);
}

void WriteMarkupLine(std::string_view markup) { WriteRtfLine(Convert(markup)); }

void WriteRtfLineBreak() { Write(kLine); }

bool EndRtfDocument() {
    if (!g_document.IsOpen()) {
        if (g_error.empty()) g_error = "no hay ningún documento abierto";
        return false;
    }
    g_document.Write(kTrailer);
    if (!g_document.Commit()) {
        g_error = g_document.Error();
        return false;
    }
    return true;
}

const std::string& RtfDocumentError() { return g_error; }

void BeginRtfInMemory() {
    g_inMemory = true;
    g_memory.assign(kHeader);
}

std::string EndRtfInMemory() {
    g_inMemory = false;
    g_memory += kTrailer;
    return std::move(g_memory);
}

std::string RtfBold(std::string_view text) { return CutRtf("{\\b " + std::string(text) + "}", kRtfTextMax); }

std::string MarkupToRtf(std::string_view markup) {
    return CutRtf(Convert(CutMarkup(markup)), kRtfTextMax);
}

std::string RtfFraction(std::string_view argument) { return CutRtf(Fraction(argument), kRtfTextMax); }

std::string RtfRoot(std::string_view argument) { return CutRtf(Root(argument), kRtfTextMax); }

std::string RtfRows(std::string_view argument) { return CutRtf(Rows(argument), kRtfTextMax); }

std::string CmToTwips(double cm) {
    const double twips = cm / 2.54 * 1440.0;
    if (std::isnan(twips)) return "0";
    if (twips >= INT32_MAX) return IntToText(INT32_MAX);
    if (twips <= INT32_MIN) return IntToText(INT32_MIN);
    double whole = std::floor(twips);
    const double fraction = twips - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    return IntToText(static_cast<int32_t>(whole));
}
