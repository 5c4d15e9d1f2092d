#pragma once
// The display's scale, for the Win32 modules. Every window, control, label and drawing of
// the program is laid out in pixels of a 96-DPI display (100 % scale); this is the one place
// where the layout meets the display the program runs on (1.5 times as large at 144 DPI).
// At 96 DPI nothing changes.

#include <windows.h>

// Pixels per inch of the screen, read once (96 at 100 % scale).
int ScreenDpi();

// A length or coordinate of the 96-DPI layout on this display, rounded to the nearest
// pixel, halves away from zero.
int Scaled(int pixels);

// Makes a device context take the layout's coordinates, lengths and font heights and show
// them at the display's scale: text, lines and figures drawn in it all grow together.
void UseLayoutUnits(HDC dc);
