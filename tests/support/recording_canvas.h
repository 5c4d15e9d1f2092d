#pragma once
// A canvas that records what is drawn, one line per figure or text output, and moves its
// pen as a device would: a text advances it by its characters times the width of the font
// in use, so positions can be checked exactly.
//   "16,40 16x6: H"          text at (16, 40) in a 16 x 6 font ("b", "i", "u" follow the
//                            size for bold, italic, underline)
//   "line 10,20-30,40"       a line
//   "circle 50,50 r3"        a circle

#include <string>
#include <string_view>
#include <vector>

#include "richtext/canvas.h"

class RecordingCanvas final : public Canvas {
public:
    std::vector<std::string> drawn;
    bool penTextMode = false;
    int fontsApplied = 0;
    FontRecord applied;  // the font in use

    void SetPenTextMode() override { penTextMode = true; }
    void MovePen(int32_t x, int32_t y) override {
        x_ = x;
        y_ = y;
    }
    int32_t PenX() const override { return x_; }
    int32_t PenY() const override { return y_; }
    void DrawLineTo(int32_t x, int32_t y) override {
        drawn.push_back("line " + Point(x_, y_) + "-" + Point(x, y));
        MovePen(x, y);
    }
    void DrawCircle(int32_t x, int32_t y, int32_t r) override {
        drawn.push_back("circle " + Point(x, y) + " r" + std::to_string(r));
    }
    void DrawTextAtPen(std::string_view text) override {
        std::string size = std::to_string(applied.height) + "x" + std::to_string(applied.width);
        if (applied.weight == kWeightBold) size += " b";
        if (applied.italic) size += " i";
        if (applied.underline) size += " u";
        drawn.push_back(Point(x_, y_) + " " + size + ": " + std::string(text));
        x_ += static_cast<int32_t>(text.size()) * applied.width;
    }
    void ApplyFont() override {
        applied = Font();
        ++fontsApplied;
    }

private:
    static std::string Point(int32_t x, int32_t y) { return std::to_string(x) + "," + std::to_string(y); }
    int32_t x_ = 0;
    int32_t y_ = 0;
};
