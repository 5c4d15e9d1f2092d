#include "ui/window.h"

std::array<HWND, 4> OpenWindowSlots{};
ToolColours ToolWindowColours;

namespace {

HINSTANCE g_instance = nullptr;
int g_showCommand = SW_SHOWNORMAL;
bool g_programEnding = false;
HICON g_toolIcon = nullptr;

constexpr char kToolIconName[] = "IcDlg";

// Resource icons are loaded unshared, so that destroying one at WM_DESTROY is right.
HICON LoadOwnIcon(const char* name) {
    return static_cast<HICON>(LoadImageA(AppInstance(), name, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
}

}  // namespace

void CloseSecondaryWindows() {
    for (HWND& slot : OpenWindowSlots) {
        // A slot may still name a window that closed long ago.
        if (slot != nullptr && IsWindow(slot)) DestroyWindow(slot);
        slot = nullptr;
    }
}

void EnsureToolColors() {
    if (ToolWindowColours.set) return;
    ToolWindowColours.background = kToolBackground;
    ToolWindowColours.text = RGB(0, 0, 0);
    ToolWindowColours.brush = CreateSolidBrush(kToolBackground);
    ToolWindowColours.set = true;
}

bool PrepareWindowClass(bool& registered, const char* className, WNDCLASSA& wc) {
    if (registered) return true;
    EnsureToolColors();
    wc = WNDCLASSA{};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.hInstance = AppInstance();
    g_toolIcon = LoadOwnIcon(kToolIconName);  // the program has no such icon: the system's is shown
    wc.hIcon = g_toolIcon;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = ToolWindowColours.brush;
    wc.lpszClassName = className;
    registered = true;
    return false;
}

HICON& ToolWindowIcon() { return g_toolIcon; }

HWND CreateToolWindow(const char* className, const char* title, int x, int y, int width, int height) {
    EnsureToolColors();
    HWND window = CreateWindowExA(0, className, title, kToolWindowStyle, x, y, width, height, nullptr, nullptr,
                                  AppInstance(), nullptr);
    if (window == nullptr) return nullptr;
    ShowWindow(window, AppShowCommand());
    UpdateWindow(window);
    return window;
}

bool RegisterKind(WindowKind& kind, WNDPROC proc, HBRUSH background) {
    if (kind.registered) return true;
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = proc;
    wc.hInstance = AppInstance();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = kind.className;
    if (RegisterClassA(&wc) == 0) {
        ShowWindowFailure("Register failed");
        return false;
    }
    kind.registered = true;
    return true;
}

HWND CreateKindWindow(WindowKind& kind, const char* title, DWORD style, int x, int y, int width, int height,
                      const char* failure) {
    kind.exitCode = 0;
    HWND window = CreateWindowExA(0, kind.className, title, style, x, y, width, height, nullptr, nullptr,
                                  AppInstance(), nullptr);
    if (window == nullptr) {
        ShowWindowFailure(failure);
        return nullptr;
    }
    if (kind.icon == nullptr) kind.icon = LoadOwnIcon(kind.iconName);
    SetClassLongPtrA(window, GCLP_HICON, reinterpret_cast<LONG_PTR>(kind.icon));
    ShowWindow(window, AppShowCommand());
    UpdateWindow(window);
    return window;
}

void KindClosing(WindowKind& kind, WPARAM code) { kind.exitCode = code; }

void KindDestroyed(WindowKind& kind) {
    if (kind.icon != nullptr) {
        DestroyIcon(kind.icon);
        kind.icon = nullptr;
    }
    PostQuitMessage(static_cast<int>(kind.exitCode));
}

WPARAM RunWindowLoop(HWND window, void (*beforeEach)()) {
    MSG msg = {};
    WPARAM code = 0;
    if (!g_programEnding) {
        while (true) {
            const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
            if (got == 0) {
                code = msg.wParam;
                break;
            }
            if (got < 0) break;
            if (beforeEach) beforeEach();
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (g_programEnding) {
        // The quit was the program's: the window cannot stay, and the outer loops must end too.
        if (window != nullptr && IsWindow(window)) DestroyWindow(window);
        PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // the quit its destruction posted
        PostQuitMessage(0);
        return 0;
    }
    return code;
}

WPARAM RunMessageLoop() {
    MSG msg = {};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return msg.message == WM_QUIT ? msg.wParam : 0;
}

void SetProgramEnding(bool ending) { g_programEnding = ending; }

bool ProgramEnding() { return g_programEnding; }

HINSTANCE AppInstance() { return g_instance ? g_instance : GetModuleHandleA(nullptr); }

int AppShowCommand() { return g_showCommand; }

void SetAppStart(HINSTANCE instance, int showCommand) {
    g_instance = instance;
    g_showCommand = showCommand;
}

void ShowWindowFailure(const char* text) { MessageBoxA(nullptr, text, nullptr, MB_OK); }

HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y,
                   int width, int height, int id) {
    HWND control = CreateWindowExA(0, className, text, style, x, y, width, height, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), AppInstance(), nullptr);
    // The dialog font: the controls' texts fit the sizes laid out for them.
    if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
}

void CloseWithCode(HWND window, WPARAM code) { SendMessageA(window, WM_CLOSE, code, 0); }

void KeptDC::Take(HWND window, COLORREF background, COLORREF text) {
    Release();
    window_ = window;
    dc_ = GetDC(window);
    // The dialog font for the labels a window draws itself (a stock object: never deleted).
    SelectObject(dc_, GetStockObject(DEFAULT_GUI_FONT));
    SetBkColor(dc_, background);
    SetTextColor(dc_, text);
}

void KeptDC::Release() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
    dc_ = nullptr;
    window_ = nullptr;
}
