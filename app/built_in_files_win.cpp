#include "app/built_in_files.h"

#include <windows.h>

#include <string>

#include "chemistry/elements.h"
#include "shell/help_document.h"
#include "util/files.h"
#include "zorvi_build.h"

std::string_view ResourceBytes(int id) {
    // A resource of the program's own module: loaded with it, never freed.
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) return {};
    return std::string_view(static_cast<const char*>(bytes), SizeofResource(nullptr, found));
}

void InstallBuiltInFiles() {
    DefaultElementTable = ResourceBytes(IDR_DEFAULT_ELEMENTS);
    HelpCopy.bytes = ResourceBytes(IDR_HELP_DOCUMENT);
    char temporary[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof temporary, temporary);
    // Without a temporary folder the copy goes beside the program, in the current folder.
    const std::string base = length > 0 && length < sizeof temporary ? std::string(temporary, length) : ".";
    HelpCopy.folder = JoinPath(base, "Zorvi-" ZORVI_VERSION);
}
