#include "ui/window.h"

std::array<HWND, 4> OpenWindowSlots{};

namespace {

HINSTANCE g_instance = nullptr;
int g_showCommand = SW_SHOWNORMAL;

}  // namespace

void CloseSecondaryWindows() {
    for (HWND& slot : OpenWindowSlots) {
        // A slot may still name a window that closed long ago; its handle may even be reused.
        if (slot != nullptr && IsWindow(slot)) DestroyWindow(slot);
        slot = nullptr;
    }
}

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

WPARAM RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return msg.message == WM_QUIT ? msg.wParam : 0;
}
