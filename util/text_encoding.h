#pragma once
// Text files that a teacher may have saved from Notepad, which writes UTF-8, read as the
// Windows-1252 that the program holds everywhere. A UTF-8 byte-order mark is skipped and
// the rest read as UTF-8; without one, bytes that are valid UTF-8 holding a character
// beyond ASCII are read as UTF-8 (a Windows-1252 text with an accented letter followed by
// a plain one never is); anything else is Windows-1252 already and stays byte for byte.
// The program writes Windows-1252 only.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

struct TextEncoding {
    std::size_t start = 0;  // where the text starts: after a byte-order mark
    bool utf8 = false;
};
TextEncoding FindTextEncoding(std::string_view bytes);

// Where a conversion stopped.
struct Utf8Problem {
    std::size_t at = 0;      // offset of the character's first byte
    uint32_t codePoint = 0;  // the character that Windows-1252 lacks; 0 for bytes that are not UTF-8
};

// UTF-8 text as Windows-1252; false at the first character that Windows-1252 cannot hold,
// or at the first bytes that are not UTF-8.
bool Utf8ToWindows1252(std::string_view utf8, std::string& text, Utf8Problem& problem);

// The problem in Spanish, for a refusal: "el carácter U+2192 no existe en Windows-1252 (ANSI)".
std::string Utf8ProblemText(const Utf8Problem& problem);

// The other way, for files that other programs read as UTF-8 (a Moodle quiz): every byte is
// its Windows-1252 character; the five bytes that Windows-1252 leaves unused stand for the
// control characters of the same number, as Windows converts them.
std::string Windows1252ToUtf8(std::string_view text);
uint32_t Windows1252CodePoint(char byte);
void AppendUtf8(std::string& utf8, uint32_t codePoint);
