#include "shell/generation_window.h"

#include <windows.h>

#include "shell/batch.h"
#include "shell/program.h"
#include "ui/controls_win.h"
#include "ui/window_win.h"
#include "util/number_format.h"
#include "util/random.h"

std::string SubKindList;
uint8_t LastSubKind = 0;
uint16_t CaseCount = 1;
std::string CaseCountFlags(33, '0');

namespace {

const ControlSpec kControls[] = {
    {kIdSubKindList, "LISTBOX", "", kListBox, 12, 12, 286, 167},
    {kIdCaseCount, "EDIT", "1", kLineEditCentred, 176, 176, 35, 22},
    {kIdCaseDown, "BUTTON", "<", kPushButton, 156, 176, 22, 22},
    {kIdCaseUp, "BUTTON", ">", kPushButton, 206, 176, 22, 22},
    {IDOK, "BUTTON", "Bien", kPushButton, 220, 212, 52, 24},
    {IDCANCEL, "BUTTON", "Salir", kPushButton, 20, 212, 52, 24},
};
const WindowLayout kLayout{"genera ejercicio de...", kToolWindowStyle, 600, 138, 312, 268, kControls,
                           "CreaFMex failed"};

void ReseedFromTicks() { SeedRandom(GetTickCount()); }

// The number field and its arrows follow the flag of the selected sub-kind.
void FollowCaseCountFlag(HWND window) {
    const int line = ListSelected(window, kIdSubKindList);
    const bool allowed = line >= 1 && line <= int(CaseCountFlags.size()) && CaseCountFlags[line - 1] == '1';
    for (int id : {kIdCaseCount, kIdCaseUp, kIdCaseDown}) {
        HWND control = GetDlgItem(window, id);
        if (control && (IsWindowEnabled(control) != 0) != allowed) EnableWindow(control, allowed);
    }
}

void OnInitDialog(HWND window) {
    SetTitle(window, CurrentTopicTitle);
    ListFillNumbered(window, kIdSubKindList, SubKindList);
    if (LastSubKind == 0) LastSubKind = 1;
    ListSelect(window, kIdSubKindList, LastSubKind);
}

void Choose(HWND window) {
    LastSubKind = static_cast<uint8_t>(ListSelected(window, kIdSubKindList));
    bool error = false;
    const int32_t cases = GetItemInt(window, kIdCaseCount, error);
    if (error) return;  // stays open, as a field that holds no integer should
    CaseCount = static_cast<uint16_t>(cases);
    CloseWithCode(window, LastSubKind);
}

void OnCommand(HWND window, int id, int notification) {
    switch (id) {
        case kIdSubKindList:
            if (notification == LBN_DBLCLK) Choose(window);
            break;
        case kIdCaseUp:
            ++CaseCount;
            SetItemText(window, kIdCaseCount, IntToText(CaseCount));
            break;
        case kIdCaseDown:
            if (CaseCount > 1) --CaseCount;
            SetItemText(window, kIdCaseCount, IntToText(CaseCount));
            break;
    }
}

LRESULT CALLBACK FollowEveryMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FollowCaseCountFlag(window);
    return DefWindowProcA(window, message, wParam, lParam);
}

WindowKind g_kind{.className = "problmen", .iconName = "IcPrg", .procedure = FollowEveryMessage,
                  .init = OnInitDialog, .accept = Choose, .command = OnCommand};

}  // namespace

uint8_t ChooseSubKind(const std::string& subKinds) {
    UpdateMainTitle();
    CurrentExercise.accepted = false;
    SubKindList = subKinds;
    const WPARAM code = RunToolWindow(g_kind, kLayout, {}, ReseedFromTicks);
    return static_cast<uint8_t>(code & 0xFF);
}
