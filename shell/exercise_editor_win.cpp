#include "shell/exercise_editor.h"

#include <windows.h>

#include "richtext/drawing_win.h"
#include "shell/exercise_preview.h"
#include "ui/controls_win.h"
#include "ui/window_win.h"
#include "util/screen_scale_win.h"
#include "util/strings.h"

namespace {

ExerciseRecord g_work;  // the working copy, copied back only on acceptance

// The checked radio button as a placement; none checked reads as "no poner".
HintPlacement CheckedPlacement(HWND window) {
    const int checked = CheckedInRange(window, kIdHintNowhere, kIdHintInAnswer);
    return static_cast<HintPlacement>(checked > 0 ? checked - 1 : 0);
}

constexpr RECT kPanel = {10, 5, 586, 245};

// The preview goes through the current drawing context, on the painting's own.
void PaintPreview(HWND, HDC dc) {
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, RGB(0, 0, 0));
    BeginDrawing(dc);
    Rectangle(dc, kPanel.left, kPanel.top, kPanel.right, kPanel.bottom);  // the white panel: the context's pen, brush
    PaintExercisePreview(CurrentDrawing(), g_work);
    EndDrawing();
}

void OnInitDialog(HWND window) {
    SetItemText(window, kIdStatementEdit, g_work.statement);
    SetItemText(window, kIdAnswerEdit, g_work.answer);
    SetItemText(window, kIdHintEdit, g_work.hint);
    CheckDlgButton(window, kIdHintNowhere + static_cast<int>(g_work.hintPlacement), BST_CHECKED);
    SetFocus(GetDlgItem(window, kIdStatementEdit));
}

void Accept(HWND window) {
    // Read whole: a text of 255 characters that lost its last one would count as edited by hand.
    g_work.statement = GetFullItemText(window, kIdStatementEdit);
    g_work.answer = GetFullItemText(window, kIdAnswerEdit);
    g_work.hint = CutText(GetItemText(window, kIdHintEdit), kHintMax);
    g_work.hintPlacement = CheckedPlacement(window);
    CloseWithCode(window, 1);
}

void OnCommand(HWND window, int id, int) {
    switch (id) {
        case kIdHintNowhere:
        case kIdHintInStatement:
        case kIdHintInAnswer: {
            g_work.hintPlacement = CheckedPlacement(window);
            RECT panel = {Scaled(kPanel.left), Scaled(kPanel.top), Scaled(kPanel.right), Scaled(kPanel.bottom)};
            InvalidateRect(window, &panel, FALSE);
            break;
        }
    }
}

WindowKind g_kind{.className = "contingutprob", .iconName = "IcPrg", .init = OnInitDialog, .accept = Accept,
                  .command = OnCommand, .paint = PaintPreview};

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
const LabelSpec kLabels[] = {{10, 250, "Enunciado"}, {10, 330, "respuesta"}, {8, 380, "pista:"}};
const WindowLayout kLayout{"Ejercicio", kToolWindowStyle, 200, 10, 600, 500, kControls, "CreaFEdPrbl failed",
                           kLabels};

}  // namespace

bool ExerciseEditorOpen() { return g_kind.Open() != nullptr; }

bool EditExercise(ExerciseRecord& record) {
    // Filled only for a window made: while an editor is open, a second one would share its
    // working copy, and the first comes to the front instead.
    if (RunToolWindow(g_kind, kLayout, [&] { g_work = record; }) == 0) return false;
    record = g_work;
    return true;
}
