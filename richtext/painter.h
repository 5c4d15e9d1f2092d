#pragma once
// Paints a MarkupText on a canvas as it will read: left-aligned lines 16 pixels apart,
// superscripts and subscripts in the smaller script font, tabs and indents as pen moves,
// the infinity sign and the square root drawn with circles and lines, and the RTF escapes
// "\'hh", "\tab" and "\line". Lines break at line breaks and, for long texts, at the first
// space after more than 90 characters; nothing is measured against a window.
//
// How the codes that have no fixed screen form are shown, so that the screen reads like
// the exported document:
// - "#B", "#I", "#S": the argument is painted, its markup interpreted as the document
//   does, with the font's bold, italic or underline switched on for the span and put back
//   afterwards; its characters count for wrapping as they are painted.
// - "#F": the bar is centred on the current line (10 pixels below its top), the numerator
//   (top 20 pixels above the bar) and the denominator (top 22 pixels below it) are centred
//   on the bar as plain text, and the text that follows starts on a new line below the
//   denominator, as it does in the document.

#include <cstdint>
#include <string_view>

#include "richtext/canvas.h"

constexpr int32_t kMarkupLineHeight = 16;

// Paints the text (cut to 255 characters) with the first line's top-left corner at
// (x0, y0). Afterwards the pen stands after the last piece drawn, the canvas stays in pen
// text mode, and the font is as it was.
void PaintMarkup(Canvas& canvas, int32_t x0, int32_t y0, std::string_view text);
