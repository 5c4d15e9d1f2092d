#include "ui/input_text.h"

#include <windows.h>

#include <algorithm>

#include "ui/controls.h"
#include "util/language.h"
#include "ui/window.h"
#include "util/strings.h"

namespace {

constexpr char kClassName[] = "Edtira";
constexpr int kIdText = 101;

bool g_registered = false;
std::string g_text;  // the working text
WPARAM g_exitCode = 0;
KeptDC g_dc;

LRESULT CALLBACK InputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetItemText(window, kIdText, g_text);
            SetFocus(GetDlgItem(window, kIdText));
            break;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                g_text = GetItemText(window, kIdText);
                CloseWithCode(window, 1);
            } else if (LOWORD(wParam) == IDCANCEL) {
                CloseWithCode(window, 0);
            }
            break;
        case WM_CLOSE: g_exitCode = wParam; break;
        case WM_DESTROY:
            g_dc.Release();
            if (ToolWindowIcon() != nullptr) DestroyIcon(ToolWindowIcon());
            ToolWindowIcon() = nullptr;
            PostQuitMessage(static_cast<int>(g_exitCode));
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool InputText(const std::string& prompt, std::string& text) {
    if (ProgramEnding()) return false;
    g_text = CutText(text, 255);
    g_exitCode = 0;
    EnsureToolColors();
    WNDCLASSA wc;
    if (!PrepareWindowClass(g_registered, kClassName, wc)) {
        wc.lpfnWndProc = InputProc;
        if (RegisterClassA(&wc) == 0) {
            ShowWindowFailure("Register failed");
            return false;
        }
    }
    const int width = std::max(100, 16 * static_cast<int>(prompt.size()) + 50);
    HWND window = CreateToolWindow(kClassName, CutText(prompt, 255).c_str(), 400, 100, width, 90);
    if (window == nullptr) {
        ShowWindowFailure("CreaWEd failed");
        return false;
    }
    CreateControl(window, "EDIT", "", kLineEdit, 6, 8, width - 16, 26, kIdText);
    CreateControl(window, "BUTTON", InLanguage("Bé", "Ok", "Ok"), kPushButton, width - 60, 40, 40, 17, IDOK);
    CreateControl(window, "BUTTON", InLanguage("Surt", "Cancel", "Salir"), kPushButton, 16, 40, 44, 17, IDCANCEL);
    g_dc.Take(window, ToolWindowColours.background, ToolWindowColours.text);
    SendMessageA(window, WM_INITDIALOG, 0, 0);
    if (RunWindowLoop(window) == 0) return false;
    text = g_text;
    return true;
}
