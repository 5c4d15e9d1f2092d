#pragma once
// The program's one current drawing context: a window's device context with the shared
// font state of the canvas (richtext/canvas.h), on which the exercise editor draws its
// preview. And FontObject, for a window that keeps a font of its own apart from it.
//
// Fonts are deleted one selection late: the font in use and the one it replaced stay
// alive, every older one is deleted. Both, and the device context, belong to the current
// drawing context until EndDrawing.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "richtext/canvas.h"
#include "util/handles_win.h"

// Makes the window's device context the current drawing context, with a font made from
// the font state selected in it; a previous context is ended first.
void BeginDrawing(HWND window);
// Puts the context's own font back, deletes both fonts and releases the device context.
// The window calls it when it is destroyed; the font state itself lives on.
void EndDrawing();
// The current drawing context as a canvas; without one, nothing is drawn.
Canvas& CurrentDrawing();
// Its device context (nullptr without one), for figures the canvas does not draw.
HDC CurrentDrawingDC();

// One text output at (x, y) in the device context (at its pen in pen text mode).
void DrawTextAt(HDC dc, int32_t x, int32_t y, std::string_view text);

// A window's device context with the fonts selected into it, deleted one selection late:
// the font in use and the one it displaced stay alive, every older one is deleted. Release
// puts the context's own font back, deletes both and releases the context.
class WindowFonts {
public:
    WindowFonts() = default;
    WindowFonts(const WindowFonts&) = delete;
    WindowFonts& operator=(const WindowFonts&) = delete;
    ~WindowFonts() { Release(); }

    // Takes the window's device context; one taken before is released first.
    void Take(HWND window);
    // Selects the font, which the object now owns; a null font changes nothing.
    void Select(HFONT font);
    void Release();

    HDC Dc() const { return dc_.Get(); }

private:
    WindowDC dc_;
    HGDIOBJ original_ = nullptr;  // the context's own font: not ours to delete
    OwnedFont selected_;
    OwnedFont displaced_;  // displaced by the last selection, deleted by the next
};

// A font of a window's own, drawn with on the window's device context, which the object
// keeps from Init to Done.
class FontObject {
public:
    FontObject() = default;
    FontObject(const FontObject&) = delete;
    FontObject& operator=(const FontObject&) = delete;
    ~FontObject() { Done(); }

    // Takes the window's device context; the record becomes 16 x 6 "arial", all else 0.
    void Init(HWND window);
    void SetSize(int32_t height, int32_t width);  // and applies
    void SetFace(const std::string& face);        // and applies
    void SetBold(bool bold);                      // weight 700 or 400, and applies
    // Selects a new font made from the record; the one displaced by the previous
    // selection is deleted.
    void Apply();
    // The context's own font back, the object's fonts deleted, the context released.
    void Done() { fonts_.Release(); }

    HDC Dc() const { return fonts_.Dc(); }

private:
    WindowFonts fonts_;
    LOGFONTA record_ = {};
};
