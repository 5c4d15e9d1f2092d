#include "ui/program_file.h"

#include <windows.h>

#include "util/number_format.h"
#include "util/strings.h"

std::string ProgramBaseName() {
    char path[256] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, 255);
    return BaseNameOf(std::string(path, length < 255 ? length : 255));
}

std::string FileYear(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return {};
    FindClose(search);
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return {};
    FILETIME local;
    SYSTEMTIME time;
    if (!FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) || !FileTimeToSystemTime(&local, &time)) return {};
    return IntToText(time.wYear);
}
