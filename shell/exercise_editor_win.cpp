#include "shell/exercise_editor.h"

#include <windows.h>

#include "richtext/drawing_win.h"
#include "shell/exercise_preview.h"
#include "ui/controls_win.h"
#include "ui/window_win.h"
#include "util/strings.h"

namespace {

LRESULT CALLBACK EditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

WindowKind g_kind{"contingutprob", "IcPrg", EditorProc};
WindowLabels g_labels;     // the preview goes through the current drawing context
ExerciseRecord g_work;     // the working copy, copied back only on acceptance

// The checked radio button as a placement; none checked reads as "no poner".
HintPlacement CheckedPlacement(HWND window) {
    const int checked = CheckedInRange(window, kIdHintNowhere, kIdHintInAnswer);
    return static_cast<HintPlacement>(checked > 0 ? checked - 1 : 0);
}

void PaintPreview() {
    Rectangle(CurrentDrawingDC(), 10, 5, 586, 245);  // the white panel, with the context's pen and brush
    PaintExercisePreview(CurrentDrawing(), g_work);
}

void OnInitDialog(HWND window) {
    SetItemText(window, kIdStatementEdit, g_work.statement);
    SetItemText(window, kIdAnswerEdit, g_work.answer);
    SetItemText(window, kIdHintEdit, g_work.hint);
    CheckDlgButton(window, kIdHintNowhere + static_cast<int>(g_work.hintPlacement), BST_CHECKED);
    SetFocus(GetDlgItem(window, kIdStatementEdit));
    PaintPreview();
    g_labels.Filled(window, false);
}

void DrawLabelsAndPreview() {
    g_labels.Draw(10, 250, "Enunciado");
    g_labels.Draw(10, 330, "respuesta");
    g_labels.Draw(8, 380, "pista:");
    PaintPreview();
}

void Accept(HWND window) {
    // Read whole: a text of 255 characters that lost its last one would count as edited by hand.
    g_work.statement = GetFullItemText(window, kIdStatementEdit);
    g_work.answer = GetFullItemText(window, kIdAnswerEdit);
    g_work.hint = CutText(GetItemText(window, kIdHintEdit), kHintMax);
    g_work.hintPlacement = CheckedPlacement(window);
    CloseWithCode(window, 1);
}

void OnCommand(HWND window, int id) {
    switch (id) {
        case IDOK: Accept(window); break;
        case IDCANCEL: CloseWithCode(window, 0); break;
        case kIdHintNowhere:
        case kIdHintInStatement:
        case kIdHintInAnswer:
            g_work.hintPlacement = CheckedPlacement(window);
            PaintPreview();
            break;
    }
}

LRESULT CALLBACK EditorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: OnInitDialog(window); break;
        case WM_PAINT:
            if (g_labels.Paint(window, DrawLabelsAndPreview)) return 0;
            break;
        case WM_COMMAND: OnCommand(window, LOWORD(wParam)); break;
        case WM_DESTROY:
            EndDrawing();
            g_labels.Release();
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

const ControlSpec kControls[] = {
    {kIdStatementEdit, "EDIT", "", kMultiLineEdit, 8, 270, 576, 57},
    {kIdAnswerEdit, "EDIT", "", kMultiLineEdit, 8, 350, 576, 26},
    {kIdHintEdit, "EDIT", "", kLineEdit, 8, 400, 576, 26},
    {kIdHintNowhere, "BUTTON", "no poner", kFirstRadioButton, 60, 378, 110, 22},
    {kIdHintInStatement, "BUTTON", "en enunciado", kRadioButton, 170, 378, 110, 22},
    {kIdHintInAnswer, "BUTTON", "en respuesta", kRadioButton, 280, 378, 110, 22},
    {IDOK, "BUTTON", "Aceptar", kPushButton | WS_GROUP, 340, 432, 77, 30},
    {IDCANCEL, "BUTTON", "Cancelar", kPushButton, 200, 432, 81, 30},
};
const WindowLayout kLayout{"Ejercicio", kToolWindowStyle, 200, 10, 600, 500, kControls, "CreaFEdPrbl failed",
                           kSlotEditor};

// The labels go through the window's own context, the preview through the drawing context.
void AttachContexts(HWND window) {
    g_labels.Take(window);
    BeginDrawing(window);
    SetBkColor(CurrentDrawingDC(), RGB(255, 255, 255));
    SetTextColor(CurrentDrawingDC(), RGB(0, 0, 0));
}

}  // namespace

bool ExerciseEditorOpen() { return g_kind.Open() != nullptr; }

bool EditExercise(ExerciseRecord& record) {
    // While an editor is open, a second one would share its working copy: the first comes
    // to the front instead and nothing is edited here.
    if (BringOpenToFront(g_kind)) return false;
    g_work = record;
    // Not made (the program ends, or the window could not be made): as if cancelled.
    if (RunToolWindow(g_kind, kLayout, AttachContexts) == 0) return false;
    record = g_work;
    return true;
}
