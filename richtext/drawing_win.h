#pragma once
// The program's one current drawing context: a device context of a window's painting with
// the shared font state of the canvas (richtext/canvas.h), on which the exercise editor
// draws its preview. And FontObject, for a window that draws with a font of its own.
//
// Fonts are deleted one selection late: the font in use and the one it replaced stay
// alive, every older one is deleted. Both belong to the current drawing context until
// EndDrawing; the device context stays its painter's.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "richtext/canvas.h"
#include "util/handles_win.h"

// Makes the device context (not ours) the current drawing context, in the layout's units,
// with a font made from the font state selected in it; a previous context is ended first.
void BeginDrawing(HDC dc);
// Puts the context's own font back and deletes both fonts, before the painter ends its
// painting; the font state itself lives on.
void EndDrawing();
// The current drawing context as a canvas; without one, nothing is drawn.
Canvas& CurrentDrawing();
// Its device context (nullptr without one), for figures the canvas does not draw.
HDC CurrentDrawingDC();

// One text output at (x, y) in the device context (at its pen in pen text mode).
void DrawTextAt(HDC dc, int32_t x, int32_t y, std::string_view text);

// A device context (not ours) with the fonts selected into it, deleted one selection late:
// the font in use and the one it displaced stay alive, every older one is deleted. Release
// puts the context's own font back and deletes both.
class WindowFonts {
public:
    WindowFonts() = default;
    WindowFonts(const WindowFonts&) = delete;
    WindowFonts& operator=(const WindowFonts&) = delete;
    ~WindowFonts() { Release(); }

    // Draws on the device context from now on, in the layout's units; one before is released first.
    void Take(HDC dc);
    // Selects the font, which the object now owns; a null font changes nothing.
    void Select(HFONT font);
    void Release();

    HDC Dc() const { return dc_; }

private:
    HDC dc_ = nullptr;
    HGDIOBJ original_ = nullptr;  // the context's own font: not ours to delete
    OwnedFont selected_;
    OwnedFont displaced_;  // displaced by the last selection, deleted by the next
};

// A font of a window's own, drawn with on a device context of its painting from Init to Done
// (or to its end: its fonts go with it, and like them it cannot be copied).
class FontObject {
public:
    // Draws on the device context; the record becomes 16 x 6 "arial", all else 0.
    void Init(HDC dc);
    void SetSize(int32_t height, int32_t width);  // and applies
    void SetFace(const std::string& face);        // and applies
    void SetBold(bool bold);                      // weight 700 or 400, and applies
    // Selects a new font made from the record; the one displaced by the previous
    // selection is deleted.
    void Apply();
    // The context's own font back, the object's fonts deleted.
    void Done() { fonts_.Release(); }

    HDC Dc() const { return fonts_.Dc(); }

private:
    WindowFonts fonts_;
    LOGFONTA record_ = {};
};
