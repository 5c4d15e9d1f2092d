#include <windows.h>
#include <shellapi.h>

#include "shell/interaction.h"
#include "shell/shell_command.h"
#include "shell/shell_utils.h"
#include "shell/system_library_win.h"
#include "util/number_format.h"
#include "util/strings.h"

namespace {

bool IsExistingFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

uint16_t ShellOpen(const std::string& text) {
    const std::string command = CutText(text, 255);
    const ShellCommand parsed = ParseShellCommand(command, IsExistingFile(command));
    if (parsed.runProgram) return RunCommand(parsed.file);
    using Execute = HINSTANCE(WINAPI*)(HWND, const char*, const char*, const char*, const char*, int);
    const auto execute = SystemFunction<Execute>("shell32.dll", "ShellExecuteA", "No se puede abrir el documento",
                                                 "la parte de Windows que abre los documentos con su programa");
    if (execute == nullptr) return UserInteraction::kShellNotLoaded;
    const HINSTANCE result = execute(nullptr, "open", parsed.file.c_str(), parsed.parameters.c_str(), "", SW_SHOW);
    return static_cast<uint16_t>(reinterpret_cast<INT_PTR>(result));
}

uint16_t RunCommand(const std::string& commandLine) {
    return static_cast<uint16_t>(WinExec(CutText(commandLine, 255).c_str(), SW_SHOWNORMAL));
}
