#include "ui/input_text.h"

#include <windows.h>

#include <algorithm>

#include "ui/controls_win.h"
#include "ui/window_win.h"
#include "util/language.h"
#include "util/strings.h"

namespace {

constexpr int kIdText = 101;

LRESULT CALLBACK InputProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// "IcDlg" is not among the program's icons: the window shows the system's.
WindowKind g_kind{"Edtira", "IcDlg", InputProc};
std::string g_text;  // the working text
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
        case WM_DESTROY: g_dc.Release(); break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool InputText(const std::string& prompt, std::string& text) {
    if (BringOpenToFront(g_kind)) return false;
    g_text = CutText(text, 255);
    EnsureToolColors();
    const int width = std::max(100, 16 * static_cast<int>(prompt.size()) + 50);
    const std::string caption = CutText(prompt, 255);
    const ControlSpec controls[] = {
        {kIdText, "EDIT", "", kLineEdit, 6, 8, width - 16, 26},
        {IDOK, "BUTTON", InLanguage("Bé", "Ok", "Ok"), kPushButton, width - 60, 40, 40, 17},
        {IDCANCEL, "BUTTON", InLanguage("Surt", "Cancel", "Salir"), kPushButton, 16, 40, 44, 17},
    };
    const WindowLayout layout{caption.c_str(), kToolWindowStyle, 400, 100, width, 90, controls, "CreaWEd failed"};
    const WPARAM code = RunToolWindow(g_kind, layout, [](HWND window) {
        g_dc.Take(window, ToolWindowColours.background, ToolWindowColours.text);
    });
    if (code == 0) return false;
    text = g_text;
    return true;
}
