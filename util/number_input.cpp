#include "util/number_input.h"

#include <charconv>
#include <cstddef>

#include "util/strings.h"

namespace {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The trimmed text, and false when it is blank, which reads as 0 without an error; any
// other text is an error until its reader has read it whole.
bool StartReading(std::string_view raw, std::string& text, bool& ok) {
    text = TrimText(raw);
    ok = text.empty();
    return !ok;
}

}  // namespace

int32_t ReadInteger(std::string_view raw, bool& ok) {
    std::string text;
    if (!StartReading(raw, text, ok)) return 0;
    std::size_t i = 0;
    bool negative = false;
    if (text[i] == '-' || text[i] == '+') negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == '%') {
        base = 2;
        ++i;
    }
    if (i == text.size()) return 0;
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int d = DigitValue(text[i]);
        if (d >= base) return 0;
        value = value * base + d;
        if (value > 0xFFFFFFFFull) return 0;
    }
    if (base == 10) {
        // Decimal text must fit the signed range.
        if (value > (negative ? 2147483648ull : 2147483647ull)) return 0;
        ok = true;
        return negative ? int32_t(-int64_t(value)) : int32_t(value);
    }
    // Hexadecimal and binary digits give the 32-bit pattern ("$FFFFFFFF" is -1).
    ok = true;
    const int32_t pattern = int32_t(uint32_t(value));
    return negative ? int32_t(0u - uint32_t(pattern)) : pattern;
}

double ReadReal(std::string_view raw, bool& ok) {
    std::string text;
    if (!StartReading(raw, text, ok)) return 0.0;
    // Check the form first: from_chars alone would accept ".5", "1." and "inf".
    std::size_t i = 0;
    if (text[i] == '-' || text[i] == '+') ++i;
    const std::size_t numberStart = i;
    auto digits = [&] {
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        return i > start;
    };
    if (!digits()) return 0.0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        if (!digits()) return 0.0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
        if (!digits()) return 0.0;
    }
    if (i != text.size()) return 0.0;
    double value = 0.0;
    const char* first = text.data() + numberStart;
    const char* last = text.data() + text.size();
    if (*first == '+') ++first;  // from_chars takes no "+" anywhere but in the exponent
    const auto result = std::from_chars(first, last, value);
    if (result.ec != std::errc() || result.ptr != last) return 0.0;
    ok = true;
    return text[0] == '-' ? -value : value;
}
