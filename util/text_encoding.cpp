#include "util/text_encoding.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The characters of the bytes 0x80 to 0x9F; the five bytes that Windows-1252 leaves unused
// stand for the control characters of the same number, as Windows converts them.
constexpr uint16_t kCharacters80To9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The length of the UTF-8 sequence at `i`, with its character; 0 when the bytes there are
// not UTF-8 (overlong forms and surrogates included).
std::size_t ReadUtf8(std::string_view s, std::size_t i, uint32_t& codePoint) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    // The lead byte gives the length and the smallest character that needs it.
    std::size_t length = 4;
    uint32_t least = 0x10000;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        least = 0x800;
    } else if (lead < 0xF0 || lead > 0xF4) {
        return 0;
    }
    codePoint = lead & (0x7F >> length);
    if (s.size() - i < length) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        codePoint = codePoint << 6 | (byte(i + k) & 0x3F);
    }
    if (codePoint < least || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) return 0;
    return length;
}

// The Windows-1252 byte of a character; false when it has none.
bool Windows1252Byte(uint32_t codePoint, char& byte) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
        byte = static_cast<char>(codePoint);
        return true;
    }
    for (int k = 0; k < 32; ++k) {
        if (kCharacters80To9F[k] == codePoint) {
            byte = static_cast<char>(0x80 + k);
            return true;
        }
    }
    return false;
}

char HexDigit(uint32_t value) { return "0123456789ABCDEF"[value & 15]; }

}  // namespace

TextEncoding FindTextEncoding(std::string_view bytes) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) return {kByteOrderMark.size(), true};
    bool beyondAscii = false;
    for (std::size_t i = 0; i < bytes.size();) {
        uint32_t codePoint = 0;
        const std::size_t length = ReadUtf8(bytes, i, codePoint);
        if (length == 0) return {0, false};
        beyondAscii = beyondAscii || length > 1;
        i += length;
    }
    return {0, beyondAscii};
}

bool Utf8ToWindows1252(std::string_view utf8, std::string& text, Utf8Problem& problem) {
    text.clear();
    text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        uint32_t codePoint = 0;
        const std::size_t length = ReadUtf8(utf8, i, codePoint);
        char byte = 0;
        if (length == 0 || !Windows1252Byte(codePoint, byte)) {
            problem = {i, length == 0 ? 0 : codePoint};
            return false;
        }
        text += byte;
        i += length;
    }
    return true;
}

std::string Utf8ProblemText(const Utf8Problem& problem) {
    if (problem.codePoint == 0) return "hay bytes que no son UTF-8 en un fichero marcado como UTF-8";
    std::string code;
    for (uint32_t rest = problem.codePoint; rest != 0 || code.size() < 4; rest >>= 4) code.insert(0, 1, HexDigit(rest));
    return "el carácter U+" + code + " no existe en Windows-1252 (ANSI)";
}

uint32_t Windows1252CodePoint(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    return b >= 0x80 && b <= 0x9F ? kCharacters80To9F[b - 0x80] : b;
}

void AppendUtf8(std::string& utf8, uint32_t codePoint) {
    const auto add = [&](uint32_t bits) { utf8 += static_cast<char>(bits); };
    if (codePoint < 0x80) {
        add(codePoint);
    } else if (codePoint < 0x800) {
        add(0xC0 | codePoint >> 6);
        add(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        add(0xE0 | codePoint >> 12);
        add(0x80 | (codePoint >> 6 & 0x3F));
        add(0x80 | (codePoint & 0x3F));
    } else {
        add(0xF0 | codePoint >> 18);
        add(0x80 | (codePoint >> 12 & 0x3F));
        add(0x80 | (codePoint >> 6 & 0x3F));
        add(0x80 | (codePoint & 0x3F));
    }
}

std::string Windows1252ToUtf8(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    for (char c : text) AppendUtf8(utf8, Windows1252CodePoint(c));
    return utf8;
}
