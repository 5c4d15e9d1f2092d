#pragma once
// The pattern by which every window of the program is made and run: class registered
// once, top-level window, controls, self-sent WM_INITDIALOG, a message loop of its own
// that ends with the window's close code.

#include <windows.h>

#include <array>

// Top-level styles: WS_POPUP | WS_CAPTION | WS_SYSMENU (| WS_MINIMIZEBOX) | 0x80.
constexpr DWORD kToolWindowStyle = 0x80CA0080;
constexpr DWORD kToolWindowStyleNoMinimize = 0x80C80080;

// Control styles.
constexpr DWORD kPushButtonNoTab = 0x50000000;
constexpr DWORD kPushButton = 0x50010000;
constexpr DWORD kDefaultPushButton = 0x50010001;
constexpr DWORD kRadioButton = 0x50010009;
constexpr DWORD kGroupFrame = 0x50000007;
constexpr DWORD kLineEdit = 0x50810080;
constexpr DWORD kLineEditRight = 0x50810082;
constexpr DWORD kMultiLineEdit = 0x50801044;
constexpr DWORD kListBox = 0x50a00001;
constexpr DWORD kLineEditCentred = 0x50810001;

// Secondary windows of the main window, destroyed when it closes.
enum WindowSlot { kSlotEditor = 0, kSlotGeneration = 1, kSlotHint = 2, kSlotExport = 3 };
extern std::array<HWND, 4> OpenWindowSlots;

// Destroys every recorded secondary window that still exists.
void CloseSecondaryWindows();

HINSTANCE AppInstance();
int AppShowCommand();
void SetAppStart(HINSTANCE instance, int showCommand);

// "Register failed", "Crea... failed": no owner, no caption, OK.
void ShowWindowFailure(const char* text);

// A child control of the framework's pattern.
HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y,
                   int width, int height, int id);

// Runs the thread's message loop until the quit message; returns its code.
WPARAM RunMessageLoop();
