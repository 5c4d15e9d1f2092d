#pragma once
// A surface that text and simple figures are drawn on at a pen position, with the font
// state from which the drawing fonts are made: the normal font, bold, and the smaller
// font of superscripts and subscripts. The program's surface is the current drawing
// context of a window (richtext/drawing_win.h); tests record what is drawn.
//
// The pen moves right by the width of every text drawn at it; coordinates are device
// pixels. Colours are not managed here: the surface's own text colour, pen and brush apply.

#include <cstdint>
#include <string>
#include <string_view>

// The fields of a font description that the program changes; every other field is 0.
struct FontRecord {
    int32_t height = 16;
    int32_t width = 6;
    int32_t weight = 0;  // 0 until the first bold switch: the default weight
    bool italic = false;
    bool underline = false;
    std::string face = "arial";

    bool operator==(const FontRecord&) const = default;
};

constexpr int32_t kWeightNormal = 400;
constexpr int32_t kWeightBold = 700;
constexpr int32_t kScriptDrop = 8;  // how much lower a subscript starts

class Canvas {
public:
    virtual ~Canvas() = default;

    // Text is drawn with its top-left corner at the pen, which then moves right.
    virtual void SetPenTextMode() = 0;
    virtual void MovePen(int32_t x, int32_t y) = 0;
    virtual int32_t PenX() const = 0;
    virtual int32_t PenY() const = 0;
    // A line from the pen to the point, which becomes the pen.
    virtual void DrawLineTo(int32_t x, int32_t y) = 0;
    // The circle inside the box (x - r, y - r) to (x + r, y + r); the pen stays.
    virtual void DrawCircle(int32_t x, int32_t y, int32_t r) = 0;
    // One text output at the pen, in the font last applied.
    virtual void DrawTextAtPen(std::string_view text) = 0;
    // Makes a font from Font() and puts it in use.
    virtual void ApplyFont() = 0;

    // The pen moves to the first point and draws to the second, where it stays.
    void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

    FontRecord& Font() { return font_; }
    const FontRecord& Font() const { return font_; }
    // Weight 700 or 400, then ApplyFont.
    void SetBold(bool bold);
    void SetItalic(bool italic);
    void SetUnderline(bool underline);
    // Three quarters of the height and width (truncated) until EndScript; a subscript
    // starts kScriptDrop pixels lower. Pairs do not nest.
    void BeginScript(bool superscript);
    // The font before BeginScript; the pen stays where the script text ended, back on
    // the line's top.
    void EndScript();

private:
    FontRecord font_;
    FontRecord backup_;     // the font before BeginScript
    int32_t scriptY_ = 0;   // the line's top, saved by BeginScript
};
