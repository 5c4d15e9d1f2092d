#include "shell/moodle_window.h"

#include <windows.h>

#include <string>

#include "shell/messages.h"
#include "ui/controls_win.h"
#include "ui/window_win.h"

namespace {

constexpr char kCaption[] = "Cuestionario de Moodle";

// The working copy, copied back only on acceptance.
int g_variants = 1;
double g_tolerance = 0;

void SelectField(HWND window, int field) {
    SetFocus(GetDlgItem(window, field));
    SendDlgItemMessageA(window, field, EM_SETSEL, 0, -1);
}

void OnInitDialog(HWND window) {
    SetItemText(window, kIdMoodleVariants, std::to_string(g_variants));
    SetItemText(window, kIdMoodleTolerance, ToleranceText(g_tolerance));
    SelectField(window, kIdMoodleVariants);
}

void Accept(HWND window) {
    std::string problem;
    int field = 0;
    if (!ReadMoodleChoice(GetItemText(window, kIdMoodleVariants), GetItemText(window, kIdMoodleTolerance),
                          g_variants, g_tolerance, problem, field)) {
        // The window stays open on the field to correct.
        ShowMessage(kCaption, problem);
        SelectField(window, field);
        return;
    }
    CloseWithCode(window, 1);
}

WindowKind g_kind{.className = "moodle", .iconName = "IcPrg", .init = OnInitDialog, .accept = Accept};

const ControlSpec kControls[] = {
    {kIdMoodleVariants, "EDIT", "", kLineEditRight, 210, 10, 60, 22},
    {kIdMoodleTolerance, "EDIT", "", kLineEditRight, 210, 40, 60, 22},
    {IDOK, "BUTTON", "&Aceptar", kDefaultPushButton, 190, 78, 80, 30},
    {IDCANCEL, "BUTTON", "&Cancelar", kPushButton, 100, 78, 80, 30},
};
// The place of the versions window, beside the save window that comes first when the batch
// was never exported.
const LabelSpec kLabels[] = {{10, 14, "variantes por ejercicio (1 a 50):"}, {10, 44, "tolerancia en % (0 a 50):"}};
const WindowLayout kLayout{kCaption, kToolWindowStyle, 600, 100, 292, 150, kControls, "CreaFMoodle failed", kLabels};

}  // namespace

bool MoodleWindow(int& variants, double& tolerancePercent) {
    const WPARAM code = RunToolWindow(g_kind, kLayout, [&] {
        g_variants = variants;
        g_tolerance = tolerancePercent;
    });
    if (code == 0) return false;
    variants = g_variants;
    tolerancePercent = g_tolerance;
    return true;
}
