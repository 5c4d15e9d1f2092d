#include "util/screen_scale_win.h"

int ScreenDpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int value = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
        ReleaseDC(nullptr, screen);
        return value > 0 ? value : 96;
    }();
    return dpi;
}

// MulDiv rounds to the nearest integer, halves away from zero, for either sign.
int Scaled(int pixels) { return ScreenDpi() == 96 ? pixels : MulDiv(pixels, ScreenDpi(), 96); }

void UseLayoutUnits(HDC dc) {
    if (dc == nullptr || ScreenDpi() == 96) return;
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 96, 96, nullptr);
    SetViewportExtEx(dc, ScreenDpi(), ScreenDpi(), nullptr);
}
