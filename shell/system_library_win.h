#pragma once
// The system libraries that only some commands need (comdlg32, shell32): loaded the first time
// one of them is used, so that the program starts without them.

#include <windows.h>

#include <string>

#include "shell/messages.h"
#include "util/number_format.h"

// The function `name` of the Windows library `library`; nullptr when it cannot be had, after
// telling the user, under `caption`, what was missing and what it was for (`purpose`).
template <typename Function>
Function SystemFunction(const char* library, const char* name, const std::string& caption,
                        const std::string& purpose) {
    HMODULE module = GetModuleHandleA(library);
    if (module == nullptr) {
        // From the system folder only: never a file of that name beside the program or the document.
        char folder[MAX_PATH] = {};
        const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
        if (length > 0 && length < MAX_PATH) module = LoadLibraryA((std::string(folder) + "\\" + library).c_str());
    }
    // Kept loaded until the program ends: the next use finds it through GetModuleHandleA.
    const FARPROC found = module != nullptr ? GetProcAddress(module, name) : nullptr;
    if (found == nullptr) {
        const DWORD error = GetLastError();
        ShowMessage(caption, "No se ha podido cargar " + std::string(library) + ", " + purpose + " (error " +
                                 IntToText(static_cast<int32_t>(error)) + ").");
        return nullptr;
    }
    // Through void (*)(): the one function pointer type that converts to any other without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}
