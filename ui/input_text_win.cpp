#include "ui/input_text.h"

#include <windows.h>

#include <algorithm>

#include "ui/controls_win.h"
#include "ui/window_win.h"
#include "util/language.h"
#include "util/strings.h"

namespace {

constexpr int kIdText = 101;

std::string g_text;  // the working text

void OnInitDialog(HWND window) {
    SetItemText(window, kIdText, g_text);
    SetFocus(GetDlgItem(window, kIdText));
}

void Accept(HWND window) {
    g_text = GetItemText(window, kIdText);
    CloseWithCode(window, 1);
}

// "IcDlg" is not among the program's icons: the window shows the system's.
WindowKind g_kind{.className = "Edtira", .iconName = "IcDlg", .init = OnInitDialog, .accept = Accept};

}  // namespace

bool InputText(const std::string& prompt, std::string& text) {
    const int width = std::max(100, 16 * static_cast<int>(prompt.size()) + 50);
    const std::string caption = CutText(prompt, 255);
    const ControlSpec controls[] = {
        {kIdText, "EDIT", "", kLineEdit, 6, 8, width - 16, 26},
        {IDOK, "BUTTON", InLanguage("Bé", "Ok", "Ok"), kPushButton, width - 60, 40, 40, 17},
        {IDCANCEL, "BUTTON", InLanguage("Surt", "Cancel", "Salir"), kPushButton, 16, 40, 44, 17},
    };
    const WindowLayout layout{caption.c_str(), kToolWindowStyle, 400, 100, width, 90, controls, "CreaWEd failed"};
    const WPARAM code = RunToolWindow(g_kind, layout, [&] { g_text = CutText(text, 255); });
    if (code == 0) return false;
    text = g_text;
    return true;
}
