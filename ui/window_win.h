#pragma once
// The pattern by which every window of the program is made and run: a class registered
// once, a top-level window, its controls and labels, a self-sent WM_INITDIALOG, and a
// message loop of its own that runs until that window is destroyed and returns that
// window's close code (1 accepted, 0 not). At most one window of a kind is open at a time:
// asking for a second brings the first to the front and does nothing else. Every window
// paints in its WM_PAINT, through the framework, and no exception leaves its procedure:
// the user is told, and the program (its batch) carries on.

#include <windows.h>

#include <functional>
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

// Destroys every window of the framework that is open (the resource dialogs end with their
// own loops), but `keep`, the newest first: the main window's closing ends them all.
void CloseSecondaryWindows(HWND keep);

// A solid brush of the colour, made at its first use and kept for the whole run: every
// window of the same background shares it.
HBRUSH BackgroundBrush(COLORREF colour);

struct WindowLayout;
struct WindowKind;

// One window of a kind while it is open: its handle, the code of its WM_CLOSE, and whether
// it has been destroyed. It lives in the frame of the call that runs the window, and is in
// the framework's one list of open windows from before its creation to its destruction.
struct WindowRun {
    WindowKind* kind = nullptr;
    const WindowLayout* layout = nullptr;
    HWND window = nullptr;
    WPARAM code = 0;
    bool ended = false;
    bool paintFailed = false;  // told once; the window is no longer drawn
};

// One kind of window, and what it does with its messages: the framework's procedure calls
// the hooks a kind has, then `procedure` (or the default handling) for every message but
// WM_PAINT. It also keeps the class, registered at the first showing, and its icon, kept
// as long as the class. Written with designated initialisers in each window's module.
struct WindowKind {
    const char* className;  // a resource dialog's template name, for a dialog kind
    const char* iconName = nullptr;
    WNDPROC procedure = nullptr;  // any message left, before the default handling
    COLORREF background = kToolBackground;
    void (*init)(HWND window) = nullptr;  // WM_INITDIALOG
    // IDOK ("Aceptar", "Bien", "Ok"); with it, IDCANCEL ("Cancelar", "Salir") closes with 0.
    void (*accept)(HWND window) = nullptr;
    void (*command)(HWND window, int id, int notification) = nullptr;  // every other command
    // What the window draws beyond its labels, on the context of its WM_PAINT, in the
    // layout's units; a window that must show something new invalidates itself.
    void (*paint)(HWND window, HDC dc) = nullptr;
    COLORREF labelColour = RGB(0, 0, 0);  // the text of the layout's labels
    DLGPROC dialog = nullptr;             // a resource dialog's own procedure
    bool registered = false;
    OwnedIcon icon{};

    // The open window of this kind, or nullptr.
    HWND Open() const;
};

// A child control of a window's description.
struct ControlSpec {
    int id;
    const char* className;  // "EDIT", "LISTBOX", "BUTTON"
    const char* text;
    DWORD style;
    int x, y, width, height;
};

// A text of a window's description, drawn in the dialog font on the window's background.
struct LabelSpec {
    int x, y;
    const char* text;
};

// How a window of a kind is laid out.
struct WindowLayout {
    const char* caption;
    DWORD style;
    int x, y, width, height;
    std::span<const ControlSpec> controls;
    const char* failure;               // "Crea... failed"
    std::span<const LabelSpec> labels = {};
    bool showAfterInit = false;        // the main window: first shown with its own title
};

// Makes a window of the kind: registers the class once ("Register failed"), runs `start`
// (where the caller fills the working copy the window edits), creates the window (the
// layout's failure message) and its controls, and sends it WM_INITDIALOG. Nothing is made
// (nullptr) while the program is ending or when a window of the kind is open already, which
// is then brought to the front. The layout must outlive the window.
HWND OpenWindow(WindowKind& kind, const WindowLayout& layout, WindowRun& run,
                const std::function<void()>& start = {});

// Runs the thread's messages until the window of `run` is destroyed and returns its own
// close code; `beforeEach` runs before every message is dispatched. A quit message (the
// program is ending) destroys the window, is passed on to the loop outside and gives 0.
// Every loop gives the framework's windows the dialog keys (IsDialogMessage): Tab and
// Shift+Tab, the arrows in a group, Alt with a button's underlined letter, Enter for IDOK and
// Esc for IDCANCEL; in a window whose init focused no control, the first key goes to the first one.
WPARAM RunWindowLoop(WindowRun& run, void (*beforeEach)() = nullptr);

// OpenWindow and RunWindowLoop: the close code, or 0 when no window was made (the program
// ends, one of the kind is open, or it could not be made), which callers take as a cancel.
WPARAM RunToolWindow(WindowKind& kind, const WindowLayout& layout, const std::function<void()>& start = {},
                     void (*beforeEach)() = nullptr);

// Runs the resource dialog of a dialog kind (no owner, its own loop) under the same rule
// of one window of a kind; its result, 0 when none was made, -1 when it failed
// (GetLastError tells why).
INT_PTR RunDialogWindow(WindowKind& kind);

// The window opened last of those still open (the main window included), or nullptr.
HWND LastOpenedWindow();

// Brings a window to the front, restored if it was minimised.
void BringToFront(HWND window);

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
