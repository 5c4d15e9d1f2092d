#pragma once
// The pattern by which every window of the program is made and run: a class registered
// once, a top-level window, its controls, a self-sent WM_INITDIALOG, and a message loop of
// its own that runs until that window is destroyed and returns that window's close code
// (1 accepted, 0 not). At most one window of a kind is open at a time: asking for a second
// brings the first to the front and does nothing else.

#include <windows.h>

#include <array>
#include <span>

#include "util/handles_win.h"

// Top-level styles: WS_POPUP | WS_CAPTION | WS_SYSMENU (| WS_MINIMIZEBOX) | 0x80, the bit
// that every window of the program has carried since its first version.
constexpr DWORD kLegacyStyleBit = 0x80;
constexpr DWORD kToolWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | kLegacyStyleBit;
constexpr DWORD kToolWindowStyleNoMinimize = WS_POPUP | WS_CAPTION | WS_SYSMENU | kLegacyStyleBit;
static_assert(kToolWindowStyle == 0x80CA0080 && kToolWindowStyleNoMinimize == 0x80C80080);

// Control styles. WS_TABSTOP and WS_GROUP draw nothing: they are the order of the keyboard
// (Tab stops at the first, the arrows go round a group that begins at the second).
constexpr DWORD kPushButtonNoTab = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPushButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kDefaultPushButton = kPushButton | BS_DEFPUSHBUTTON;
constexpr DWORD kRadioButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTORADIOBUTTON;
constexpr DWORD kFirstRadioButton = kRadioButton | WS_GROUP;  // the control after the group has WS_GROUP too
constexpr DWORD kCheckBox = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kGroupFrame = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kLineEdit = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kLineEditRight = kLineEdit | ES_RIGHT;
constexpr DWORD kMultiLineEdit =
    WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr DWORD kListBox = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY;
constexpr DWORD kLineEditCentred = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_CENTER;
static_assert(kPushButtonNoTab == 0x50000000 && kPushButton == 0x50010000 && kDefaultPushButton == 0x50010001);
static_assert(kRadioButton == 0x50010009 && kFirstRadioButton == 0x50030009 && kGroupFrame == 0x50000007 && kCheckBox == 0x50010003);
static_assert(kLineEdit == 0x50810080 && kLineEditRight == 0x50810082 && kLineEditCentred == 0x50810001);
static_assert(kMultiLineEdit == 0x50811044 && kListBox == 0x50a10001);

// The background of the program's secondary windows: red 236, green 233, blue 216.
constexpr COLORREF kToolBackground = RGB(236, 233, 216);

// Secondary windows of the main window, destroyed when it closes.
enum WindowSlot { kSlotNone = -1, kSlotEditor = 0, kSlotGeneration = 1, kSlotHint = 2, kSlotExport = 3 };
extern std::array<HWND, 4> OpenWindowSlots;

// Destroys every recorded secondary window that still exists.
void CloseSecondaryWindows();

// The shared colours of tool windows: set on first use.
struct ToolColours {
    COLORREF background = 0;
    COLORREF text = 0;
    HBRUSH brush = nullptr;  // the shared background brush (not ours: see BackgroundBrush)
    bool set = false;
};
extern ToolColours ToolWindowColours;
void EnsureToolColors();

// A solid brush of the colour, made at its first use and kept for the whole run: every
// window of the same background shares it.
HBRUSH BackgroundBrush(COLORREF colour);

// One window of a kind while it is open: its handle, the code of its WM_CLOSE, and whether
// it has been destroyed. It lives in the frame of the call that runs the window.
struct WindowRun {
    HWND window = nullptr;
    WPARAM code = 0;
    bool ended = false;
};

// One kind of window. The framework keeps the rest: the class, registered at the first
// showing; its icon, kept as long as the class; the window of the kind that is open.
struct WindowKind {
    WindowKind(const char* className, const char* iconName, WNDPROC procedure,
               COLORREF background = kToolBackground)
        : className(className), iconName(iconName), procedure(procedure), background(background) {}
    WindowKind(const WindowKind&) = delete;
    WindowKind& operator=(const WindowKind&) = delete;

    const char* className;
    const char* iconName;
    WNDPROC procedure;  // the window's own handling; the framework's bookkeeping comes around it
    COLORREF background;
    bool registered = false;
    OwnedIcon icon;
    WindowRun* run = nullptr;

    // The open window of this kind, or nullptr.
    HWND Open() const { return run != nullptr ? run->window : nullptr; }
};

// A child control of a window's description.
struct ControlSpec {
    int id;
    const char* className;  // "EDIT", "LISTBOX", "BUTTON"
    const char* text;
    DWORD style;
    int x, y, width, height;
};

// How a window of a kind is laid out.
struct WindowLayout {
    const char* caption;
    DWORD style;
    int x, y, width, height;
    std::span<const ControlSpec> controls;
    const char* failure;            // "Crea... failed"
    WindowSlot slot = kSlotNone;    // recorded for the main window's closing
    bool showAfterInit = false;     // the main window: first shown with its own title
};

// Makes a window of the kind: registers the class once ("Register failed"), creates the
// window (the layout's failure message), its controls, runs `prepare` (device contexts,
// fonts), records its slot and sends it WM_INITDIALOG. Nothing is made (nullptr) while the
// program is ending or when a window of the kind is open already, which is then brought to
// the front.
HWND OpenWindow(WindowKind& kind, const WindowLayout& layout, WindowRun& run, void (*prepare)(HWND) = nullptr);

// Runs the thread's messages until the window of `run` is destroyed and returns its own
// close code; `beforeEach` runs before every message is dispatched. A quit message (the
// program is ending) destroys the window, is passed on to the loop outside and gives 0.
// Every loop gives the framework's windows the dialog keys (IsDialogMessage): Tab and
// Shift+Tab, the arrows in a group, Alt with a button's underlined letter, Enter for IDOK and
// Esc for IDCANCEL; in a window whose init focused no control, the first key goes to the first one.
WPARAM RunWindowLoop(WindowRun& run, void (*beforeEach)() = nullptr);

// OpenWindow and RunWindowLoop: the close code, or 0 when no window was made.
WPARAM RunToolWindow(WindowKind& kind, const WindowLayout& layout, void (*prepare)(HWND) = nullptr,
                     void (*beforeEach)() = nullptr);

// The window opened last of those still open (the main window included), or nullptr.
HWND LastOpenedWindow();

// Brings a window to the front, restored if it was minimised.
void BringToFront(HWND window);
// When a window of the kind is open, brings it to the front and returns true. A run
// operation asks first, before it touches the working copy that the open window edits.
bool BringOpenToFront(const WindowKind& kind);

// The main window's loop: the thread's messages, with the dialog keys, until the quit
// message; returns its code.
WPARAM RunMessageLoop();

// Set while the main window is gone: every window loop then passes the quit message on
// to the loop outside it, and no new window opens.
void SetProgramEnding(bool ending);
bool ProgramEnding();

HINSTANCE AppInstance();
int AppShowCommand();
void SetAppStart(HINSTANCE instance, int showCommand);

// "Register failed", "Crea... failed": no owner, no caption, OK.
void ShowWindowFailure(const char* text);

// A child control of the framework's pattern, in the dialog font. Positions and sizes, here
// and in window layouts, are pixels of a 96-DPI display: the framework scales them.
HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y,
                   int width, int height, int id);
HWND CreateControl(HWND parent, const ControlSpec& control);

// Asks the window to close with this code, as its buttons do.
void CloseWithCode(HWND window, WPARAM code);

// A window's own device context, kept while the window lives (the labels it draws itself
// use it), in the dialog font and the given colours, drawing in the layout's units;
// released by Release or with the object.
class KeptDC {
public:
    KeptDC() = default;
    KeptDC(const KeptDC&) = delete;
    KeptDC& operator=(const KeptDC&) = delete;
    ~KeptDC() { Release(); }
    void Take(HWND window, COLORREF background, COLORREF text);
    void Release();
    HDC Get() const { return dc_.Get(); }

private:
    WindowDC dc_;
    HGDIOBJ originalFont_ = nullptr;  // the context's own font, put back before it is released
};

// The labels a tool window draws itself. The window shows before its controls are filled, so
// nothing is drawn until its init ends with Filled, which has everything drawn at once.
class WindowLabels {
public:
    // Before the init: a kept device context in the tool windows' colours.
    void Take(HWND window) { dc_.Take(window, kToolBackground, RGB(0, 0, 0)); }
    // At the end of the init; without `erase`, what the init drew itself stays under the labels.
    void Filled(HWND window, bool erase = true);
    bool IsFilled() const { return filled_; }
    // For WM_PAINT: validates and erases, then `draw` draws; false, for the default handling,
    // while the window is not filled.
    bool Paint(HWND window, void (*draw)());
    void Draw(int x, int y, const char* text) const;
    // With the window (WM_DESTROY).
    void Release();

private:
    KeptDC dc_;
    bool filled_ = false;
};
