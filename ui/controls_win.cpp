#include "ui/controls_win.h"

#include "ui/list_text.h"
#include "util/number_input.h"
#include "util/number_format.h"
#include "util/strings.h"

namespace {

constexpr std::size_t kTextMax = 255;

LRESULT ToList(HWND window, int list, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendDlgItemMessageA(window, list, message, wParam, lParam);
}

LPARAM TextParam(const std::string& text) { return reinterpret_cast<LPARAM>(text.c_str()); }

}  // namespace

void SetTitle(HWND window, const std::string& text) { SetWindowTextA(window, CutText(text, kTextMax).c_str()); }

void SetItemText(HWND window, int id, const std::string& text) {
    SetDlgItemTextA(window, id, CutText(text, kTextMax).c_str());
}

std::string GetItemText(HWND window, int id) {
    char buffer[kTextMax] = {};
    const UINT length = GetDlgItemTextA(window, id, buffer, kTextMax);
    return std::string(buffer, length < kTextMax ? length : kTextMax - 1);
}

std::string GetFullItemText(HWND window, int id) {
    char buffer[kTextMax + 1] = {};
    const UINT length = GetDlgItemTextA(window, id, buffer, kTextMax + 1);
    return std::string(buffer, length < kTextMax ? length : kTextMax);
}

int32_t GetItemInt(HWND window, int id, bool& error) {
    bool ok = false;
    const int32_t value = ReadInteger(GetItemText(window, id), ok);
    error = !ok;
    return ok ? value : 0;
}

double GetItemReal(HWND window, int id, bool& error) {
    bool ok = false;
    const double value = ReadReal(GetItemText(window, id), ok);
    error = !ok;
    return ok ? value : 0.0;
}

void ListClear(HWND window, int list) { ToList(window, list, LB_RESETCONTENT); }

int ListCount(HWND window, int list) { return static_cast<int>(ToList(window, list, LB_GETCOUNT)); }

void ListAdd(HWND window, int list, const std::string& text) {
    const std::string item = CutText(text, kTextMax);
    ToList(window, list, LB_ADDSTRING, 0, TextParam(item));
}

void ListInsert(HWND window, int list, int position, const std::string& text) {
    const std::string item = CutText(text, kTextMax);
    ToList(window, list, LB_INSERTSTRING, position - 1, TextParam(item));
}

void ListDelete(HWND window, int list, int position) { ToList(window, list, LB_DELETESTRING, position - 1); }

void ListSetItem(HWND window, int list, int position, const std::string& text) {
    if (position >= 1 && position <= ListCount(window, list)) {
        ListDelete(window, list, position);
        ListInsert(window, list, position, text);
    } else {
        ListAdd(window, list, text);
    }
}

std::string ListGetItem(HWND window, int list, int position) {
    const LRESULT length = ToList(window, list, LB_GETTEXTLEN, position - 1);
    if (length == LB_ERR) return {};
    // The item may be longer than any text the program puts there: size the buffer to it.
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = ToList(window, list, LB_GETTEXT, position - 1, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return CutText(text, kTextMax);
}

void ListFill(HWND window, int list, const std::string& text) {
    ListClear(window, list);
    for (const std::string& piece : SplitListText(text)) ListAdd(window, list, piece);
}

void ListFillNumbered(HWND window, int list, const std::string& text) {
    ListClear(window, list);
    int n = 0;
    for (const std::string& piece : SplitListText(text)) ListAdd(window, list, "[" + IntToText(++n) + "] " + piece);
}

void ListSelect(HWND window, int list, int position) { ToList(window, list, LB_SETCURSEL, position - 1); }

int ListSelected(HWND window, int list) { return static_cast<int>(ToList(window, list, LB_GETCURSEL)) + 1; }

int CheckedInRange(HWND window, int first, int last) {
    int found = 0;
    for (int id = first; id <= last; ++id) {
        if (IsDlgButtonChecked(window, id) == BST_CHECKED) found = id - first + 1;
    }
    return found;
}

HWND ItemHandle(HWND window, int id) { return GetDlgItem(window, id); }

void EnableItem(HWND window, int id, bool enabled) { EnableWindow(GetDlgItem(window, id), enabled ? TRUE : FALSE); }

void HideItem(HWND window, int id) { ShowWindow(GetDlgItem(window, id), SW_HIDE); }
