#include "shell/hint_window.h"

#include <windows.h>

#include "shell/batch.h"
#include "ui/controls.h"
#include "ui/window.h"

namespace {

WindowKind g_kind{"posarpista", "IcPrg"};
HBRUSH g_brush = nullptr;  // the class brush, kept for the whole run

void OnInitDialog(HWND window) {
    CheckDlgButton(window, kIdPlaceNowhere + static_cast<int>(DefaultHintPlacement), BST_CHECKED);
    SetFocus(GetDlgItem(window, kIdPlaceNowhere));
}

void Accept(HWND window) {
    const int checked = CheckedInRange(window, kIdPlaceNowhere, kIdPlaceInAnswer);
    if (checked > 0) DefaultHintPlacement = static_cast<HintPlacement>(checked - 1);
    CloseWithCode(window, 1);
}

LRESULT CALLBACK HintProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: OnInitDialog(window); break;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) Accept(window);
            if (LOWORD(wParam) == IDCANCEL) CloseWithCode(window, 0);
            break;
        case WM_CLOSE: KindClosing(g_kind, wParam); break;
        case WM_DESTROY: KindDestroyed(g_kind); break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void HintWindow() {
    if (ProgramEnding()) return;
    if (g_brush == nullptr) g_brush = CreateSolidBrush(kToolBackground);
    if (!RegisterKind(g_kind, HintProc, g_brush)) return;
    HWND window = CreateKindWindow(g_kind, "Poner pista...", kToolWindowStyleNoMinimize, 600, 80, 152, 160,
                                   "CreaFPPista failed");
    if (window == nullptr) return;
    CreateControl(window, "BUTTON", "no poner", kRadioButton, 16, 18, 110, 22, kIdPlaceNowhere);
    CreateControl(window, "BUTTON", "en enunciado", kRadioButton, 16, 38, 110, 22, kIdPlaceInStatement);
    CreateControl(window, "BUTTON", "en respuesta", kRadioButton, 16, 58, 121, 22, kIdPlaceInAnswer);
    CreateControl(window, "BUTTON", "Ok", kDefaultPushButton, 90, 98, 44, 26, IDOK);
    CreateControl(window, "BUTTON", "salir", kPushButton, 16, 98, 44, 26, IDCANCEL);
    // Made last, so that the frame lies under the buttons it surrounds.
    CreateControl(window, "BUTTON", " en... ", kGroupFrame, 6, 2, 134, 92, kIdPlaceFrame);
    OpenWindowSlots[kSlotHint] = window;
    SendMessageA(window, WM_INITDIALOG, 0, 0);
    RunWindowLoop(window);
}
