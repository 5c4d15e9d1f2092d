#include "shell/versions_window.h"

#include <windows.h>

#include <string>

#include "shell/messages.h"
#include "ui/controls_win.h"
#include "ui/window_win.h"

namespace {

// The working copy, copied back only on acceptance.
int g_count = kVersionsMin;
uint32_t g_seed = 0;

void OnInitDialog(HWND window) {
    SetItemText(window, kIdVersionCount, std::to_string(g_count));
    SetItemText(window, kIdVersionSeed, std::to_string(g_seed));
    SetFocus(GetDlgItem(window, kIdVersionCount));
    SendDlgItemMessageA(window, kIdVersionCount, EM_SETSEL, 0, -1);
}

void Accept(HWND window) {
    std::string problem;
    int field = 0;
    if (!ReadVersionsChoice(GetItemText(window, kIdVersionCount), GetItemText(window, kIdVersionSeed), g_count, g_seed,
                            problem, field)) {
        // The window stays open on the field to correct.
        ShowMessage("Versiones de la hoja", problem);
        SetFocus(GetDlgItem(window, field));
        SendDlgItemMessageA(window, field, EM_SETSEL, 0, -1);
        return;
    }
    CloseWithCode(window, 1);
}

WindowKind g_kind{.className = "versiones", .iconName = "IcPrg", .init = OnInitDialog, .accept = Accept};

const ControlSpec kControls[] = {
    {kIdVersionCount, "EDIT", "", kLineEditRight, 150, 10, 60, 22},
    {kIdVersionSeed, "EDIT", "", kLineEditRight, 150, 40, 146, 22},
    {IDOK, "BUTTON", "&Aceptar", kPushButton, 160, 78, 80, 30},
    {IDCANCEL, "BUTTON", "&Cancelar", kPushButton, 70, 78, 80, 30},
};
// The frame and the place of the save window, which it follows when the batch was never exported.
const LabelSpec kLabels[] = {{10, 14, "versiones (2 a 26):"}, {10, 44, "semilla:"}};
const WindowLayout kLayout{"Versiones de la hoja", kToolWindowStyle, 600, 100, 312, 150, kControls,
                           "CreaFVersiones failed", kLabels};

}  // namespace

bool VersionsWindow(int& count, uint32_t& seed) {
    const WPARAM code = RunToolWindow(g_kind, kLayout, [&] {
        g_count = count;
        g_seed = seed;
    });
    if (code == 0) return false;
    count = g_count;
    seed = g_seed;
    return true;
}
