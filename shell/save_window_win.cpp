#include "shell/save_window.h"

#include <windows.h>

#include "ui/controls_win.h"
#include "ui/window_win.h"

namespace {

// The working copy, copied back only on acceptance.
std::string g_name;
std::string g_title;
int32_t g_presentation = 1;
bool g_answersOnNewPage = false;

// The answers' own page exists only in the blocks: greyed with "seguidos", its mark kept.
void FollowPresentation(HWND window) {
    EnableItem(window, kIdAnswersOnNewPage, IsDlgButtonChecked(window, kIdBlocks) == BST_CHECKED);
}

void OnInitDialog(HWND window) {
    SetItemText(window, kIdExportName, g_name);
    SetItemText(window, kIdDocumentTitle, g_title);
    CheckDlgButton(window, g_presentation == 0 ? kIdStatementThenAnswer : kIdBlocks, BST_CHECKED);
    CheckDlgButton(window, kIdAnswersOnNewPage, g_answersOnNewPage ? BST_CHECKED : BST_UNCHECKED);
    FollowPresentation(window);
    SetFocus(GetDlgItem(window, kIdExportName));
}

void Accept(HWND window) {
    g_name = GetItemText(window, kIdExportName);
    g_title = GetItemText(window, kIdDocumentTitle);
    g_presentation = IsDlgButtonChecked(window, kIdBlocks) == BST_CHECKED ? 1 : 0;
    g_answersOnNewPage = IsDlgButtonChecked(window, kIdAnswersOnNewPage) == BST_CHECKED;
    CloseWithCode(window, 1);
}

void OnCommand(HWND window, int id, int) {
    if (id == kIdStatementThenAnswer || id == kIdBlocks) FollowPresentation(window);
}

WindowKind g_kind{.className = "desarserie", .iconName = "IcPrg", .init = OnInitDialog, .accept = Accept,
                  .command = OnCommand};

const ControlSpec kControls[] = {
    {kIdExportName, "EDIT", "", kLineEditRight, 88, 10, 166, 22},
    {kIdDocumentTitle, "EDIT", "", kLineEdit, 54, 38, 242, 22},
    {kIdStatementThenAnswer, "BUTTON", "enunciado / respuesta seguidos", kFirstRadioButton, 18, 90, 244, 26},
    {kIdBlocks, "BUTTON", "bloques enunciados / respuestas", kRadioButton, 18, 112, 244, 26},
    // Below the presentation group, which the buttons and the window make room for.
    {kIdAnswersOnNewPage, "BUTTON", "respuestas en página aparte", kCheckBox | WS_GROUP, 18, 152, 270, 22},
    {IDOK, "BUTTON", "&Aceptar", kPushButton, 160, 182, 80, 30},
    {IDCANCEL, "BUTTON", "&Cancelar", kPushButton, 70, 182, 80, 30},
    {-1, "BUTTON", "presentación:", kGroupFrame, 8, 70, 292, 77},
};
const LabelSpec kLabels[] = {{10, 14, "fichero:"}, {10, 44, "título:"}, {256, 14, ".rtf"}};
const WindowLayout kLayout{"Guardar serie de problemas", kToolWindowStyle, 600, 100, 312, 248, kControls,
                           "CreaFDesar failed", kLabels};

}  // namespace

bool SaveSeriesWindow(std::string& exportName, std::string& documentTitle, int32_t& presentation,
                      bool& answersOnNewPage) {
    const WPARAM code = RunToolWindow(g_kind, kLayout, [&] {
        g_name = exportName;
        g_title = documentTitle;
        g_presentation = presentation;
        g_answersOnNewPage = answersOnNewPage;
    });
    if (code == 0) return false;
    exportName = g_name;
    documentTitle = g_title;
    presentation = g_presentation;
    answersOnNewPage = g_answersOnNewPage;
    return true;
}
