#include "richtext/canvas.h"

void Canvas::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    MovePen(x1, y1);
    DrawLineTo(x2, y2);
}

void Canvas::SetBold(bool bold) {
    font_.weight = bold ? kWeightBold : kWeightNormal;
    ApplyFont();
}

void Canvas::SetItalic(bool italic) {
    font_.italic = italic;
    ApplyFont();
}

void Canvas::SetUnderline(bool underline) {
    font_.underline = underline;
    ApplyFont();
}

void Canvas::BeginScript(bool superscript) {
    backup_ = font_;
    font_.height = 3 * font_.height / 4;
    font_.width = 3 * font_.width / 4;
    ApplyFont();
    scriptY_ = PenY();
    if (!superscript) MovePen(PenX(), scriptY_ + kScriptDrop);
}

void Canvas::EndScript() {
    font_ = backup_;
    ApplyFont();
    MovePen(PenX(), scriptY_);
}
