#include "shell/hint_window.h"

#include <windows.h>

#include "shell/batch.h"
#include "ui/controls_win.h"
#include "ui/window_win.h"

namespace {

void OnInitDialog(HWND window) {
    CheckDlgButton(window, kIdPlaceNowhere + static_cast<int>(DefaultHintPlacement), BST_CHECKED);
    SetFocus(GetDlgItem(window, kIdPlaceNowhere));
}

void Accept(HWND window) {
    const int checked = CheckedInRange(window, kIdPlaceNowhere, kIdPlaceInAnswer);
    if (checked > 0) DefaultHintPlacement = static_cast<HintPlacement>(checked - 1);
    CloseWithCode(window, 1);
}

WindowKind g_kind{.className = "posarpista", .iconName = "IcPrg", .init = OnInitDialog, .accept = Accept};

const ControlSpec kControls[] = {
    {kIdPlaceNowhere, "BUTTON", "no poner", kFirstRadioButton, 16, 18, 110, 22},
    {kIdPlaceInStatement, "BUTTON", "en enunciado", kRadioButton, 16, 38, 110, 22},
    {kIdPlaceInAnswer, "BUTTON", "en respuesta", kRadioButton, 16, 58, 121, 22},
    {IDOK, "BUTTON", "Ok", kDefaultPushButton | WS_GROUP, 90, 98, 44, 26},
    {IDCANCEL, "BUTTON", "salir", kPushButton, 16, 98, 44, 26},
    // Made last, so that the frame lies under the buttons it surrounds.
    {kIdPlaceFrame, "BUTTON", " en... ", kGroupFrame, 6, 2, 134, 92},
};
const WindowLayout kLayout{"Poner pista...", kToolWindowStyleNoMinimize, 600, 80, 152, 160, kControls,
                           "CreaFPPista failed"};

}  // namespace

void HintWindow() { RunToolWindow(g_kind, kLayout); }
