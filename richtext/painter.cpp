#include "richtext/painter.h"

#include <algorithm>
#include <string>

#include "richtext/markup.h"
#include "util/strings.h"

namespace {

constexpr std::size_t kWrapAfter = 90;    // a space after more than this many characters breaks the line
constexpr int32_t kTabAdvance = 20;       // "#T"
constexpr int32_t kIndentUnit = 20;       // "#0" to "#9"
constexpr int32_t kBarCharWidth = 7;      // width assumed per character under a root or fraction bar
constexpr int32_t kInfinityAdvance = 14;
constexpr int32_t kInfinityRadius = 3;
constexpr int32_t kAxis = 10;             // a fraction's bar and the infinity sign, below the line's top
constexpr int32_t kNumeratorRise = 20;    // numerator's top above the bar
constexpr int32_t kDenominatorDrop = 22;  // denominator's top below the bar
constexpr std::size_t kPendingMax = 255;  // characters of one text output
constexpr std::string_view kTabSpaces = "        ";

bool IsHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return c - 'A' + 10;
}

// One call's working state: the characters waiting for one text output, and the count
// of characters placed on the current line.
class Painter {
public:
    Painter(Canvas& canvas, int32_t x0) : canvas_(canvas), x0_(x0) {}

    void Paint(std::string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            switch (c) {
                case kMarkupLineBreak:
                    Flush();
                    NewLine();
                    break;
                case kMarkupCode:
                    Flush();
                    i = Code(text, i);
                    break;
                case '\\':
                    Flush();
                    i = Escape(text, i);
                    break;
                case kMarkupSuperscript:
                case kMarkupSubscript:
                    Flush();
                    i = Script(text, i);
                    break;
                default:
                    if (static_cast<unsigned char>(c) < 13) break;
                    if (c == ' ' && column_ > kWrapAfter) {
                        Flush();
                        NewLine();  // the space itself is not drawn
                        break;
                    }
                    Add(c);
                    ++column_;
            }
        }
    }

    void Flush() {
        if (pending_.empty()) return;
        canvas_.DrawTextAtPen(pending_);
        pending_.clear();
    }

private:
    void Add(char c) {
        if (pending_.size() >= kPendingMax) Flush();
        pending_ += c;
    }

    void NewLine() {
        canvas_.MovePen(x0_, canvas_.PenY() + kMarkupLineHeight);
        column_ = 0;
    }

    // "#" at i; returns the position of the last character the code took.
    std::size_t Code(std::string_view text, std::size_t i) {
        if (i + 1 >= text.size()) return i;
        const char code = MarkupCodeChar(text[i + 1]);
        const MarkupArgument argument = ReadMarkupArgument(text.substr(i + 2));
        const std::size_t last = i + 1 + argument.consumed;
        const int32_t px = canvas_.PenX();
        const int32_t py = canvas_.PenY();
        if (code == 'B' || code == 'I' || code == 'S') {
            Span(code, argument.text);
            return last;
        }
        column_ += argument.text.size();
        if (code >= '0' && code <= '9') {
            canvas_.MovePen(px + kIndentUnit * (code - '0'), py);
        } else if (code == 'T') {
            canvas_.MovePen(px + kTabAdvance, py);
        } else if (code == '&') {
            canvas_.DrawCircle(px + kInfinityRadius, py + kAxis, kInfinityRadius);
            canvas_.DrawCircle(px + 3 * kInfinityRadius, py + kAxis, kInfinityRadius);
            canvas_.MovePen(px + kInfinityAdvance, py);
        } else if (code == 'R') {
            Root(argument.text);
        } else if (code == 'F') {
            Fraction(argument.text);
        }
        return last;  // "#M" and unknown codes draw nothing
    }

    // Bold, italic or underlined: the argument painted with the attribute on for its span.
    void Span(char code, std::string_view argument) {
        FontRecord& font = canvas_.Font();
        const FontRecord before = font;
        if (code == 'B') canvas_.SetBold(true);
        if (code == 'I') canvas_.SetItalic(true);
        if (code == 'S') canvas_.SetUnderline(true);
        Paint(argument);
        Flush();
        font.weight = before.weight;
        font.italic = before.italic;
        font.underline = before.underline;
        canvas_.ApplyFont();
    }

    void Root(std::string_view argument) {
        const int32_t x1 = canvas_.PenX();
        const int32_t y1 = canvas_.PenY();
        const int32_t barEnd = x1 + 6 + kBarCharWidth * static_cast<int32_t>(argument.size());
        if (!argument.empty()) canvas_.DrawTextAtPen(argument);
        canvas_.DrawLine(x1, y1, x1 + 2, y1 + 12);  // the tick
        canvas_.DrawLineTo(x1 + 6, y1 - 2);         // the rising stroke
        canvas_.DrawLineTo(barEnd, y1 - 2);         // the bar over the argument
        canvas_.MovePen(barEnd, y1);
    }

    void Fraction(std::string_view argument) {
        const FractionParts parts = SplitFraction(argument);
        const int32_t a = static_cast<int32_t>(parts.numerator.size());
        const int32_t b = static_cast<int32_t>(parts.denominator.size());
        const int32_t w = std::max(a, b);
        const int32_t xs = canvas_.PenX() + kTabAdvance * parts.tabs;
        const int32_t bar = canvas_.PenY() + kAxis;
        canvas_.DrawLine(xs, bar, xs + kBarCharWidth * w, bar);
        canvas_.MovePen(xs + kBarCharWidth * (w - a) / 2, bar - kNumeratorRise);
        if (a > 0) canvas_.DrawTextAtPen(parts.numerator);
        canvas_.MovePen(xs + kBarCharWidth * (w - b) / 2, bar + kDenominatorDrop);
        if (b > 0) canvas_.DrawTextAtPen(parts.denominator);
        // What follows starts on the line below the denominator.
        canvas_.MovePen(x0_, bar + kDenominatorDrop + kMarkupLineHeight);
        column_ = 0;
    }

    // A backslash at i: a "\'hh" character or a control word; returns the position of
    // the last character taken.
    std::size_t Escape(std::string_view text, std::size_t i) {
        if (i + 1 < text.size() && text[i + 1] == '\'') {
            // Cut short by the end of the text, or with digits that are not hexadecimal: dropped.
            if (i + 3 < text.size() && IsHexDigit(text[i + 2]) && IsHexDigit(text[i + 3])) {
                Add(static_cast<char>(HexValue(text[i + 2]) * 16 + HexValue(text[i + 3])));
            }
            return std::min(i + 3, text.size() - 1);
        }
        std::size_t end = i + 1;
        while (end < text.size() && text[end] != ' ' && text[end] != '\\') ++end;
        const std::string_view word = text.substr(i + 1, end - i - 1);
        if (word == "tab") {
            for (char c : kTabSpaces) Add(c);
        } else if (word == "line") {
            NewLine();
        }
        return end - 1;  // the space or backslash that ended the word is handled next
    }

    // "^" or "_" at i: its argument as plain text in the script font; returns the position
    // of the last character taken.
    std::size_t Script(std::string_view text, std::size_t i) {
        std::string argument;
        std::size_t last = i;
        if (i + 1 < text.size() && text[i + 1] == '(') {
            // A group that never closes gives nothing, and the character after "(" is skipped.
            argument = UpToCloseParen(text.substr(i + 2));
            last = i + 2 + argument.size();
        } else if (i + 1 < text.size()) {
            argument.assign(1, text[i + 1]);
            last = i + 1;
        }
        if (!argument.empty()) {
            canvas_.BeginScript(text[i] == kMarkupSuperscript);
            canvas_.DrawTextAtPen(argument);
            canvas_.EndScript();
        }
        column_ += argument.size();
        return last;
    }

    Canvas& canvas_;
    const int32_t x0_;
    std::string pending_;
    std::size_t column_ = 0;
};

}  // namespace

void PaintMarkup(Canvas& canvas, int32_t x0, int32_t y0, std::string_view text) {
    const std::string kept = CutMarkup(text);
    canvas.SetPenTextMode();
    canvas.MovePen(x0, y0);
    Painter painter(canvas, x0);
    painter.Paint(kept);
    painter.Flush();
}
