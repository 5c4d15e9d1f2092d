#include "chemistry/element_windows.h"

#include <windows.h>

#include "chemistry/element_editing.h"
#include "shell/messages.h"
#include "ui/controls_win.h"
#include "ui/window_win.h"
#include "util/number_format.h"

namespace {

// Atomic masses list.

void OnMassesInit(HWND dialog) {
    LoadElements();
    // The list box is sorted: the lines come out in the order of their symbols.
    for (int i = 1; i <= Elements.count; ++i) ListAdd(dialog, kIdMassList, MassListLine(Elements.Slot(i)));
    // The list is the window's only control and has no tab stop: give it the keys to scroll.
    SetFocus(GetDlgItem(dialog, kIdMassList));
}

INT_PTR CALLBACK MassesProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            OnMassesInit(dialog);
            return FALSE;  // the focus is set
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) EndDialog(dialog, 1);
            if (LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 0);
            return TRUE;
    }
    return FALSE;
}

// Element editor.

void ShowSlot(HWND dialog, int slot) {
    const ElementFields fields = FieldsOfSlot(slot);
    SetItemText(dialog, kIdElementName, fields.name);
    SetItemText(dialog, kIdElementSymbol, fields.symbol);
    SetItemText(dialog, kIdElementMass, fields.mass);
    SetItemText(dialog, kIdElementZ, fields.z);
    SelectElementSlot(slot);
}

void FocusOn(HWND dialog, int id) {
    // The dialog's own way of moving the focus, which also keeps the default button right.
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, id)), TRUE);
}

void OnEditorInit(HWND dialog) {
    ListClear(dialog, kIdElementList);
    StartElementEditing();
    for (int i = 1; i <= Elements.count; ++i) ListSetItem(dialog, kIdElementList, i, EditorListLine(Elements.Slot(i)));
    ShowSlot(dialog, Elements.count + 1);
}

void OnAccept(HWND dialog) {
    const int slot = ElementEditing.selected;
    const ElementFields fields{GetItemText(dialog, kIdElementName), GetItemText(dialog, kIdElementSymbol),
                               GetItemText(dialog, kIdElementMass), GetItemText(dialog, kIdElementZ)};
    if (!AcceptElementFields(fields)) return;  // told why; the fields stay for correction
    ListSetItem(dialog, kIdElementList, slot, EditorListLine(Elements.Slot(slot)));
    ShowSlot(dialog, Elements.count + 1);
    FocusOn(dialog, kIdElementName);
}

void Search(HWND dialog) {
    const int slot = SearchElementSymbol(GetItemText(dialog, kIdElementSymbol));
    if (slot == 0) return;
    ListSelect(dialog, kIdElementList, slot);
    ShowSlot(dialog, slot);
}

// Command 1 means what the focus says: the "Ok" button saves and closes, the symbol
// field searches, anywhere else it does nothing.
void OnOk(HWND dialog) {
    HWND focus = GetFocus();
    if (focus == GetDlgItem(dialog, IDOK)) {
        if (FinishElementEditing()) EndDialog(dialog, 1);
    } else if (focus == GetDlgItem(dialog, kIdElementSymbol)) {
        Search(dialog);
    }
}

void OnEditorCommand(HWND dialog, int id, int notification) {
    switch (id) {
        case kIdElementList:
            if (notification == LBN_SELCHANGE) {
                const int slot = ListSelected(dialog, kIdElementList);
                if (slot != 0) ShowSlot(dialog, slot);
            }
            break;
        case kIdElementNew: ShowSlot(dialog, Elements.count + 1); break;
        case kIdElementAccept: OnAccept(dialog); break;
        case IDOK: OnOk(dialog); break;
        case IDCANCEL:
            if (LeaveElementEditing()) EndDialog(dialog, 0);
            break;
    }
}

INT_PTR CALLBACK EditorProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            OnEditorInit(dialog);
            // The name of a new element first, though the list comes first in the Tab order.
            SetFocus(GetDlgItem(dialog, kIdElementName));
            return FALSE;
        case WM_COMMAND: OnEditorCommand(dialog, LOWORD(wParam), HIWORD(wParam)); return TRUE;
        case DM_GETDEFID:
            // Enter in the symbol field is command 1, the search; elsewhere it is "Acepta".
            if (GetFocus() == GetDlgItem(dialog, kIdElementSymbol)) {
                SetWindowLongPtrA(dialog, DWLP_MSGRESULT, MAKELONG(IDOK, DC_HASDEFID));
                return TRUE;
            }
            return FALSE;
    }
    return FALSE;
}

WindowKind g_massesKind{.className = "ELEMENTS", .dialog = MassesProc};
WindowKind g_editorKind{.className = "EDELEMENTS", .dialog = EditorProc};

void RunDialog(WindowKind& kind) {
    if (RunDialogWindow(kind) == -1) {
        ShowMessage("Elementos químicos",
                    "No se ha podido abrir la ventana (error " + IntToText(int32_t(GetLastError())) + ").");
    }
}

}  // namespace

void ShowElementsWindow() { RunDialog(g_massesKind); }

void ShowElementEditor() { RunDialog(g_editorKind); }
