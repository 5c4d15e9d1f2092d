#include "shell/shell_command.h"

#include "util/strings.h"

ShellCommand ParseShellCommand(const std::string& text, bool textIsExistingFile) {
    ShellCommand command;
    if (text.find(".exe") != std::string::npos && !textIsExistingFile) {
        command.runProgram = true;
        command.file = text;
        return command;
    }
    const std::size_t blank = text.find(' ');
    if (textIsExistingFile || blank == std::string::npos) {
        command.file = text;
    } else {
        command.file = text.substr(0, blank);
        command.parameters = CutText(text.substr(blank + 1), 255);
    }
    return command;
}
