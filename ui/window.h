#pragma once
// The pattern by which every window of the program is made and run: colours, a class
// registered once, a top-level window, its controls, a self-sent WM_INITDIALOG, and a
// message loop of its own that ends with the window's close code (1 accepted, 0 not).

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

// The background of the program's secondary windows: red 236, green 233, blue 216.
constexpr COLORREF kToolBackground = RGB(236, 233, 216);

// Secondary windows of the main window, destroyed when it closes.
enum WindowSlot { kSlotEditor = 0, kSlotGeneration = 1, kSlotHint = 2, kSlotExport = 3 };
extern std::array<HWND, 4> OpenWindowSlots;

// Destroys every recorded secondary window that still exists.
void CloseSecondaryWindows();

// The shared colours of tool windows (the text input window): set on first use.
struct ToolColours {
    COLORREF background = 0;
    COLORREF text = 0;
    HBRUSH brush = nullptr;  // kept for the whole run
    bool set = false;
};
extern ToolColours ToolWindowColours;
void EnsureToolColors();

// Fills `wc` for a tool-window class and sets `registered`; true (touching nothing) when
// the class was registered already. The caller sets the window procedure and registers.
bool PrepareWindowClass(bool& registered, const char* className, WNDCLASSA& wc);
// The icon PrepareWindowClass loaded, for its window to destroy at WM_DESTROY.
HICON& ToolWindowIcon();

// A tool window: style 0x80CA0080, shown and updated, its DC in the tool colours; 0 on failure.
HWND CreateToolWindow(const char* className, const char* title, int x, int y, int width, int height);

// One kind of window: its class, registered once per run, and the icon that each of its
// windows loads at creation and destroys at WM_DESTROY.
struct WindowKind {
    const char* className;
    const char* iconName;
    bool registered = false;
    HICON icon = nullptr;
    WPARAM exitCode = 0;
};

// Registers the class once; shows "Register failed" and returns false when it cannot.
bool RegisterKind(WindowKind& kind, WNDPROC proc, HBRUSH background);
// Creates the top-level window; shows `failure` ("Crea... failed") and returns nullptr when it cannot.
HWND CreateKindWindow(WindowKind& kind, const char* title, DWORD style, int x, int y, int width, int height,
                      const char* failure);
// What every window does on WM_CLOSE and WM_DESTROY: keep the close code, destroy the
// icon, post the quit message with the code.
void KindClosing(WindowKind& kind, WPARAM code);
void KindDestroyed(WindowKind& kind);

// Runs the thread's messages until the quit message and returns its code; `beforeEach`
// runs before every message is dispatched. A window that the loop leaves behind (the
// program ended while it was open) is destroyed.
WPARAM RunWindowLoop(HWND window, void (*beforeEach)() = nullptr);

// The main window's loop: the thread's messages until the quit message; returns its code.
WPARAM RunMessageLoop();

// Set while the main window is gone: every window loop then passes the quit message on
// to the loop outside it, and no new window loop starts.
void SetProgramEnding(bool ending);
bool ProgramEnding();

HINSTANCE AppInstance();
int AppShowCommand();
void SetAppStart(HINSTANCE instance, int showCommand);

// "Register failed", "Crea... failed": no owner, no caption, OK.
void ShowWindowFailure(const char* text);

// A child control of the framework's pattern, in the dialog font.
HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y,
                   int width, int height, int id);

// Asks the window to close with this code, as its buttons do.
void CloseWithCode(HWND window, WPARAM code);

// A window's own device context, kept while the window lives and released at its end.
class KeptDC {
public:
    KeptDC() = default;
    KeptDC(const KeptDC&) = delete;
    KeptDC& operator=(const KeptDC&) = delete;
    ~KeptDC() { Release(); }
    void Take(HWND window, COLORREF background, COLORREF text);
    void Release();
    HDC Get() const { return dc_; }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};
