#include "chemistry/reaction_window.h"

#include <windows.h>

#include <algorithm>

#include "ui/controls_win.h"
#include "ui/window_win.h"
#include "util/strings.h"

namespace {

LRESULT CALLBACK ReactionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

WindowKind g_kind{"triareaccio", "IcPrg", ReactionProc};
WindowLabels g_labels;

// The working copy, copied back only on acceptance.
std::vector<std::string> g_reactions;
std::string g_text;

const char* const kListLabel = "Reacciones de reacciones.txt (doble clic para elegir una):";
const char* const kTextLabel = "Reacción elegida, o escriba otra ajustada:";

// The list is as wide as its longest reaction: a long one scrolls rather than being cut.
void FitListWidth(HWND window) {
    HWND list = GetDlgItem(window, kIdReactionList);
    WindowDC dc;
    dc.Take(list);
    // The list's own font (the dialog font), not ours to delete.
    SelectGuard font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(list, WM_GETFONT, 0, 0)));
    LONG widest = 0;
    for (const std::string& reaction : g_reactions) {
        SIZE size = {};
        GetTextExtentPoint32A(dc.Get(), reaction.c_str(), static_cast<int>(reaction.size()), &size);
        widest = std::max(widest, size.cx);
    }
    SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 8), 0);
}

// The line of the list that holds exactly this text, or 0.
int LineOf(const std::string& text) {
    const auto found = std::find(g_reactions.begin(), g_reactions.end(), text);
    return found == g_reactions.end() ? 0 : static_cast<int>(found - g_reactions.begin()) + 1;
}

void OnInitDialog(HWND window) {
    ListClear(window, kIdReactionList);
    for (const std::string& reaction : g_reactions) ListAdd(window, kIdReactionList, reaction);
    FitListWidth(window);
    if (g_text.empty() && !g_reactions.empty()) g_text = g_reactions.front();
    const int line = LineOf(g_text);
    if (line > 0) ListSelect(window, kIdReactionList, line);
    SetItemText(window, kIdReactionText, g_text);
    // A picked line takes the arrows; a typed reaction to correct takes the keyboard.
    SetFocus(GetDlgItem(window, line > 0 ? kIdReactionList : kIdReactionText));
    g_labels.Filled(window);
}

void DrawLabels() {
    g_labels.Draw(12, 8, kListLabel);
    g_labels.Draw(12, 210, kTextLabel);
}

// The field shows the line picked.
void TakeSelectedLine(HWND window) {
    const int line = ListSelected(window, kIdReactionList);
    if (line >= 1 && line <= static_cast<int>(g_reactions.size())) {
        SetItemText(window, kIdReactionText, g_reactions[line - 1]);
    }
}

// A text typed over the picked line is no longer that line.
void FollowTypedText(HWND window) {
    const int line = ListSelected(window, kIdReactionList);
    if (line >= 1 && GetItemText(window, kIdReactionText) != ListGetItem(window, kIdReactionList, line)) {
        ListSelect(window, kIdReactionList, 0);
    }
}

void Accept(HWND window) {
    const std::string text = TrimText(GetItemText(window, kIdReactionText));
    if (text.empty()) {
        // Nothing to check: the window stays for a line or a reaction.
        MessageBeep(MB_ICONEXCLAMATION);
        SetFocus(GetDlgItem(window, kIdReactionText));
        return;
    }
    g_text = text;
    CloseWithCode(window, 1);
}

void OnCommand(HWND window, int id, int notification) {
    switch (id) {
        case IDOK: Accept(window); break;
        case IDCANCEL: CloseWithCode(window, 0); break;
        case kIdReactionList:
            if (notification == LBN_SELCHANGE) TakeSelectedLine(window);
            if (notification == LBN_DBLCLK) {
                TakeSelectedLine(window);
                Accept(window);
            }
            break;
        case kIdReactionText:
            if (notification == EN_CHANGE && g_labels.IsFilled()) FollowTypedText(window);
            break;
    }
}

LRESULT CALLBACK ReactionProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: OnInitDialog(window); break;
        case WM_PAINT:
            if (g_labels.Paint(window, DrawLabels)) return 0;
            break;
        case WM_COMMAND: OnCommand(window, LOWORD(wParam), HIWORD(wParam)); break;
        case WM_DESTROY:
            g_labels.Release();
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

const ControlSpec kControls[] = {
    // Exactly as high as laid out at every scale, a line cut at the foot if need be: the
    // scroll bar along it would otherwise take a whole line more.
    {kIdReactionList, "LISTBOX", "", kListBox | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, 12, 26, 424, 180},
    {kIdReactionText, "EDIT", "", kLineEdit, 12, 228, 424, 22},
    {IDCANCEL, "BUTTON", "&Cancelar", kPushButton, 266, 262, 80, 28},
    {IDOK, "BUTTON", "&Aceptar", kPushButton, 356, 262, 80, 28},
};
const WindowLayout kLayout{"Elegir reacción", kToolWindowStyle, 300, 140, 456, 330, kControls, "CreaFReac failed"};

}  // namespace

bool ChooseReactionWindow(const std::vector<std::string>& reactions, std::string& text) {
    if (BringOpenToFront(g_kind)) return false;
    g_reactions.clear();
    for (const std::string& reaction : reactions) g_reactions.push_back(CutText(reaction, 255));
    g_text = CutText(text, 255);
    // Not made (the program ends, or the window could not be made): as if cancelled.
    const WPARAM code =
        RunToolWindow(g_kind, kLayout, [](HWND window) { g_labels.Take(window); });
    if (code == 0) return false;
    text = g_text;
    return true;
}
