#include "shell/save_window.h"

#include <windows.h>

#include "ui/controls.h"
#include "ui/window.h"

namespace {

WindowKind g_kind{"desarserie", "IcPrg"};
HBRUSH g_brush = nullptr;  // the class brush, kept for the whole run
KeptDC g_dc;
bool g_initialised = false;

// The working copy, copied back only on acceptance.
std::string g_name;
std::string g_title;
int32_t g_presentation = 1;

void OnInitDialog(HWND window) {
    SetItemText(window, kIdExportName, g_name);
    SetItemText(window, kIdDocumentTitle, g_title);
    CheckDlgButton(window, g_presentation == 0 ? kIdStatementThenAnswer : kIdBlocks, BST_CHECKED);
    SetFocus(GetDlgItem(window, kIdExportName));
    g_initialised = true;
}

void OnPaint(HWND window) {
    DefWindowProcA(window, WM_PAINT, 0, 0);  // validates and erases first
    auto label = [](int x, int y, const char* text) { TextOutA(g_dc.Get(), x, y, text, lstrlenA(text)); };
    label(10, 14, "fichero:");
    label(10, 44, "título:");
    label(256, 14, ".rtf");
}

void Accept(HWND window) {
    g_name = GetItemText(window, kIdExportName);
    g_title = GetItemText(window, kIdDocumentTitle);
    g_presentation = IsDlgButtonChecked(window, kIdBlocks) == BST_CHECKED ? 1 : 0;
    CloseWithCode(window, 1);
}

LRESULT CALLBACK SaveProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: OnInitDialog(window); break;
        case WM_PAINT:
            if (g_initialised) {
                OnPaint(window);
                return 0;
            }
            break;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) Accept(window);
            if (LOWORD(wParam) == IDCANCEL) CloseWithCode(window, 0);
            break;
        case WM_CLOSE: KindClosing(g_kind, wParam); break;
        case WM_DESTROY:
            g_initialised = false;
            g_dc.Release();
            KindDestroyed(g_kind);
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool SaveSeriesWindow(std::string& exportName, std::string& documentTitle, int32_t& presentation) {
    if (ProgramEnding()) return false;
    g_name = exportName;
    g_title = documentTitle;
    g_presentation = presentation;
    if (g_brush == nullptr) g_brush = CreateSolidBrush(kToolBackground);
    if (!RegisterKind(g_kind, SaveProc, g_brush)) return false;
    HWND window = CreateKindWindow(g_kind, "Guardar serie de problemas", kToolWindowStyle, 600, 100, 312, 220,
                                   "CreaFDesar failed");
    if (window == nullptr) return false;  // reported; as if cancelled
    CreateControl(window, "EDIT", "", kLineEditRight, 88, 10, 166, 22, kIdExportName);
    CreateControl(window, "EDIT", "", kLineEdit, 54, 38, 242, 22, kIdDocumentTitle);
    CreateControl(window, "BUTTON", "enunciado / respuesta seguidos", kRadioButton, 18, 90, 244, 26,
                  kIdStatementThenAnswer);
    CreateControl(window, "BUTTON", "bloques enunciados / respuestas", kRadioButton, 18, 112, 244, 26, kIdBlocks);
    CreateControl(window, "BUTTON", "&Aceptar", kPushButton, 160, 154, 80, 30, IDOK);
    CreateControl(window, "BUTTON", "&Cancelar", kPushButton, 70, 154, 80, 30, IDCANCEL);
    CreateControl(window, "BUTTON", "presentación:", kGroupFrame, 8, 70, 292, 77, -1);
    g_dc.Take(window, kToolBackground, RGB(0, 0, 0));
    OpenWindowSlots[kSlotExport] = window;
    SendMessageA(window, WM_INITDIALOG, 0, 0);
    if (RunWindowLoop(window) == 0) return false;
    exportName = g_name;
    documentTitle = g_title;
    presentation = g_presentation;
    return true;
}
