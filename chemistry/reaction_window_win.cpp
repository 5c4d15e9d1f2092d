#include "chemistry/reaction_window.h"

#include <windows.h>

#include <algorithm>

#include "ui/controls_win.h"
#include "ui/window_win.h"
#include "util/strings.h"

namespace {

// The working copy, copied back only on acceptance.
std::vector<std::string> g_reactions;
std::string g_text;

bool g_filled = false;  // the field's changes are the user's only once the init has filled it

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
    g_filled = true;
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
        case kIdReactionList:
            if (notification == LBN_SELCHANGE) TakeSelectedLine(window);
            if (notification == LBN_DBLCLK) {
                TakeSelectedLine(window);
                Accept(window);
            }
            break;
        case kIdReactionText:
            if (notification == EN_CHANGE && g_filled) FollowTypedText(window);
            break;
    }
}

WindowKind g_kind{.className = "triareaccio", .iconName = "IcPrg", .init = OnInitDialog, .accept = Accept,
                  .command = OnCommand};

const ControlSpec kControls[] = {
    // Exactly as high as laid out at every scale, a line cut at the foot if need be: the
    // scroll bar along it would otherwise take a whole line more.
    {kIdReactionList, "LISTBOX", "", kListBox | WS_HSCROLL | LBS_NOINTEGRALHEIGHT, 12, 26, 424, 180},
    {kIdReactionText, "EDIT", "", kLineEdit, 12, 228, 424, 22},
    {IDCANCEL, "BUTTON", "&Cancelar", kPushButton, 266, 262, 80, 28},
    {IDOK, "BUTTON", "&Aceptar", kPushButton, 356, 262, 80, 28},
};
const LabelSpec kLabels[] = {{12, 8, "Reacciones de reacciones.txt (doble clic para elegir una):"},
                             {12, 210, "Reacción elegida, o escriba otra ajustada:"}};
const WindowLayout kLayout{"Elegir reacción", kToolWindowStyle, 300, 140, 456, 330, kControls, "CreaFReac failed",
                           kLabels};

// The list of the constants: the caller's caption, labels that name their file.
const LabelSpec kListLabels[] = {{12, 8, "Lista de constantes.txt (doble clic para elegir una línea):"},
                                 {12, 210, "Línea elegida, o escriba una de la lista:"}};

bool RunListWindow(const WindowLayout& layout, const std::vector<std::string>& items, std::string& text) {
    const WPARAM code = RunToolWindow(g_kind, layout, [&] {
        g_filled = false;
        g_reactions.clear();
        for (const std::string& item : items) g_reactions.push_back(CutText(item, 255));
        g_text = CutText(text, 255);
    });
    if (code == 0) return false;
    text = g_text;
    return true;
}

}  // namespace

bool ChooseReactionWindow(const std::vector<std::string>& reactions, std::string& text) {
    return RunListWindow(kLayout, reactions, text);
}

bool ChooseFromListWindow(const std::string& caption, const std::vector<std::string>& items, std::string& text) {
    // Both live in this frame while the window is open: the layout holds only the caption's pointer.
    const std::string shown = CutText(caption, 80);
    const WindowLayout layout{shown.c_str(), kToolWindowStyle, 300, 140, 456, 330, kControls, "CreaFReac failed",
                              kListLabels};
    return RunListWindow(layout, items, text);
}
