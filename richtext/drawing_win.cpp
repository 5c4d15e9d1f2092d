#include "richtext/drawing_win.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "util/screen_scale_win.h"

namespace {

void CopyFace(LOGFONTA& font, std::string_view face) {
    const std::size_t n = std::min(face.size(), sizeof font.lfFaceName - 1);
    std::memset(font.lfFaceName, 0, sizeof font.lfFaceName);
    std::memcpy(font.lfFaceName, face.data(), n);
}

HFONT CreateFontFrom(const FontRecord& record) {
    LOGFONTA font = {};
    font.lfHeight = record.height;
    font.lfWidth = record.width;
    font.lfWeight = record.weight;
    font.lfItalic = record.italic ? 1 : 0;
    font.lfUnderline = record.underline ? 1 : 0;
    CopyFace(font, record.face);
    return CreateFontIndirectA(&font);
}

// The current drawing context: a device context with the fonts of the font state.
class GdiCanvas final : public Canvas {
public:
    void Begin(HDC dc) {
        fonts_.Take(dc);
        ApplyFont();
    }

    void End() { fonts_.Release(); }

    HDC Dc() const { return fonts_.Dc(); }

    void SetPenTextMode() override { SetTextAlign(Dc(), TA_UPDATECP); }
    void MovePen(int32_t x, int32_t y) override { MoveToEx(Dc(), x, y, nullptr); }
    int32_t PenX() const override { return Pen().x; }
    int32_t PenY() const override { return Pen().y; }
    void DrawLineTo(int32_t x, int32_t y) override { LineTo(Dc(), x, y); }
    void DrawCircle(int32_t x, int32_t y, int32_t r) override { Ellipse(Dc(), x - r, y - r, x + r, y + r); }
    void DrawTextAtPen(std::string_view text) override { DrawTextAt(Dc(), PenX(), PenY(), text); }

    void ApplyFont() override {
        if (Dc() == nullptr) return;
        fonts_.Select(CreateFontFrom(Font()));  // without a new font, the one in use stays
    }

private:
    POINT Pen() const {
        POINT p = {0, 0};
        GetCurrentPositionEx(Dc(), &p);
        return p;
    }

    WindowFonts fonts_;
};

GdiCanvas g_drawing;

}  // namespace

void BeginDrawing(HDC dc) { g_drawing.Begin(dc); }

void EndDrawing() { g_drawing.End(); }

Canvas& CurrentDrawing() { return g_drawing; }

HDC CurrentDrawingDC() { return g_drawing.Dc(); }

void DrawTextAt(HDC dc, int32_t x, int32_t y, std::string_view text) {
    TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
}

void WindowFonts::Take(HDC dc) {
    Release();
    dc_ = dc;
    // Pen positions, line heights and fonts are the layout's: the context scales them.
    if (dc_ != nullptr) UseLayoutUnits(dc_);
}

void WindowFonts::Select(HFONT font) {
    if (Dc() == nullptr || font == nullptr) return;
    HGDIOBJ old = SelectObject(Dc(), font);
    if (!selected_) original_ = old;
    displaced_ = std::move(selected_);  // the font displaced before this one is deleted here
    selected_.Reset(font);
}

void WindowFonts::Release() {
    // Put back the context's own font first: a font still selected must not be deleted.
    if (Dc() != nullptr && original_ != nullptr) SelectObject(Dc(), original_);
    original_ = nullptr;
    selected_.Reset();
    displaced_.Reset();
    dc_ = nullptr;
}

void FontObject::Init(HDC dc) {
    fonts_.Take(dc);
    record_ = LOGFONTA{};
    record_.lfHeight = 16;
    record_.lfWidth = 6;
    CopyFace(record_, "arial");
}

void FontObject::SetSize(int32_t height, int32_t width) {
    record_.lfHeight = height;
    record_.lfWidth = width;
    Apply();
}

void FontObject::SetFace(const std::string& face) {
    CopyFace(record_, face);
    Apply();
}

void FontObject::SetBold(bool bold) {
    record_.lfWeight = bold ? kWeightBold : kWeightNormal;
    Apply();
}

void FontObject::Apply() {
    if (Dc() != nullptr) fonts_.Select(CreateFontIndirectA(&record_));
}
