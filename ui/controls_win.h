#pragma once
// Operations on the child controls of a window, named by parent and control id. Texts are
// at most 255 characters; list positions count from 1, 0 meaning "none".
// The helpers report nothing themselves: a wrong id makes the system call fail silently.

#include <windows.h>

#include <string>

void SetTitle(HWND window, const std::string& text);
void SetItemText(HWND window, int id, const std::string& text);
// At most 254 characters.
std::string GetItemText(HWND window, int id);
// The whole of any text SetItemText puts there (255 characters): for a field whose text must
// come back as it was given.
std::string GetFullItemText(HWND window, int id);
// The control's text as a number; `error` is set when it is not one (the value is then 0).
int32_t GetItemInt(HWND window, int id, bool& error);
double GetItemReal(HWND window, int id, bool& error);

void ListClear(HWND window, int list);
int ListCount(HWND window, int list);
void ListAdd(HWND window, int list, const std::string& text);
void ListInsert(HWND window, int list, int position, const std::string& text);
void ListDelete(HWND window, int list, int position);
// Replaces the item at `position`, or appends when the list is shorter.
void ListSetItem(HWND window, int list, int position, const std::string& text);
std::string ListGetItem(HWND window, int list, int position);
// Empties the list and adds the pieces of `text` split at ";".
void ListFill(HWND window, int list, const std::string& text);
// As ListFill, each item written "[n] piece".
void ListFillNumbered(HWND window, int list, const std::string& text);
void ListSelect(HWND window, int list, int position);
int ListSelected(HWND window, int list);

// (id - first + 1) of the last checked button of first..last; 0 when none is checked.
int CheckedInRange(HWND window, int first, int last);
HWND ItemHandle(HWND window, int id);
void EnableItem(HWND window, int id, bool enabled);
void HideItem(HWND window, int id);
