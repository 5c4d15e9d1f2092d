#include "richtext/drawing.h"

#include <algorithm>
#include <cstring>

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

// The current drawing context. It owns the device context it took from its window and
// the two fonts it keeps alive; the font the context had of its own is put back at the end.
class GdiCanvas final : public Canvas {
public:
    GdiCanvas() = default;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;
    ~GdiCanvas() override { End(); }

    void Begin(HWND window) {
        End();
        window_ = window;
        dc_ = GetDC(window);
        if (dc_ == nullptr) return;
        selected_ = CreateFontFrom(Font());
        original_ = static_cast<HFONT>(SelectObject(dc_, selected_));
    }

    void End() {
        if (dc_ != nullptr) {
            SelectObject(dc_, original_);
            ReleaseDC(window_, dc_);
        }
        if (selected_ != nullptr) DeleteObject(selected_);
        if (displaced_ != nullptr) DeleteObject(displaced_);
        window_ = nullptr;
        dc_ = nullptr;
        original_ = selected_ = displaced_ = nullptr;
    }

    HDC Dc() const { return dc_; }

    void SetPenTextMode() override { SetTextAlign(dc_, TA_UPDATECP); }
    void MovePen(int32_t x, int32_t y) override { MoveToEx(dc_, x, y, nullptr); }
    int32_t PenX() const override { return Pen().x; }
    int32_t PenY() const override { return Pen().y; }
    void DrawLineTo(int32_t x, int32_t y) override { LineTo(dc_, x, y); }
    void DrawCircle(int32_t x, int32_t y, int32_t r) override { Ellipse(dc_, x - r, y - r, x + r, y + r); }
    void DrawTextAtPen(std::string_view text) override { DrawTextAt(dc_, PenX(), PenY(), text); }

    void ApplyFont() override {
        if (dc_ == nullptr) return;
        HFONT font = CreateFontFrom(Font());
        if (font == nullptr) return;  // the font in use stays
        SelectObject(dc_, font);
        // One selection late: the font just displaced stays alive until the next selection.
        if (displaced_ != nullptr) DeleteObject(displaced_);
        displaced_ = selected_;
        selected_ = font;
    }

private:
    POINT Pen() const {
        POINT p = {0, 0};
        GetCurrentPositionEx(dc_, &p);
        return p;
    }

    HWND window_ = nullptr;
    HDC dc_ = nullptr;
    HFONT original_ = nullptr;  // the device context's own font: not ours to delete
    HFONT selected_ = nullptr;
    HFONT displaced_ = nullptr;
};

GdiCanvas g_drawing;

}  // namespace

void BeginDrawing(HWND window) { g_drawing.Begin(window); }

void EndDrawing() { g_drawing.End(); }

Canvas& CurrentDrawing() { return g_drawing; }

HDC CurrentDrawingDC() { return g_drawing.Dc(); }

void DrawTextAt(HDC dc, int32_t x, int32_t y, std::string_view text) {
    TextOutA(dc, x, y, text.data(), static_cast<int>(text.size()));
}

void FontObject::Init(HWND window) {
    Done();
    window_ = window;
    dc_ = GetDC(window);
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
    if (dc_ == nullptr) return;
    if (displaced_ != nullptr) DeleteObject(displaced_);
    displaced_ = nullptr;
    HFONT font = CreateFontIndirectA(&record_);
    if (font == nullptr) return;
    HFONT old = static_cast<HFONT>(SelectObject(dc_, font));
    if (selected_ == nullptr) {
        original_ = old;
    } else {
        displaced_ = old;
    }
    selected_ = font;
}

void FontObject::Done() {
    if (dc_ != nullptr) {
        if (original_ != nullptr) SelectObject(dc_, original_);
        ReleaseDC(window_, dc_);
    }
    if (selected_ != nullptr) DeleteObject(selected_);
    if (displaced_ != nullptr) DeleteObject(displaced_);
    window_ = nullptr;
    dc_ = nullptr;
    original_ = selected_ = displaced_ = nullptr;
}
