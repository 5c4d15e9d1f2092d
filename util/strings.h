#pragma once
// Small operations on Windows-1252 byte strings. Positions count from 1; 0 is "not found".

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Removes trailing blanks (code 32 only).
std::string TrimRight(std::string_view text);

// Removes trailing and leading blanks (code 32 only).
std::string TrimText(std::string_view text);

std::string RepeatChar(char c, uint16_t count);
std::string Spaces(uint16_t count);

// Position of the last occurrence of c, 0 when absent.
std::size_t LastCharPos(char c, std::string_view text);

// The text up to the ")" that closes an already open "(", nesting counted;
// empty when the group never closes.
std::string UpToCloseParen(std::string_view text);

// The first `max` characters of text: every fixed-width text of the program is cut, never refused.
std::string CutText(std::string_view text, std::size_t max);

// The file name of a Windows path without its folder and its extension.
std::string BaseNameOf(std::string_view path);

// A path of at most `max` characters: a longer one keeps its first three characters (the
// drive) and its last folders, with "..." between them.
std::string FitPath(std::string_view path, std::size_t max);
