#include "shell/shell_command.h"

#include <gtest/gtest.h>

namespace {

struct CommandCase {
    const char* text;
    bool existing;
    bool run;
    const char* file;
    const char* parameters;
};

TEST(ShellCommands, SplitAtTheFirstBlankUnlessTheWholeTextIsAFile) {
    const CommandCase cases[] = {
        {"zorvi.pdf", false, false, "zorvi.pdf", ""},
        {"notepad.exe informe.txt", false, true, "notepad.exe informe.txt", ""},
        {"C:\\Mis cosas\\x.rtf", false, false, "C:\\Mis", "cosas\\x.rtf"},
        // An existing document is opened whole, blanks and all.
        {"C:\\Users\\Ana María\\Documents\\Exerc\\serie 1.rtf", true, false,
         "C:\\Users\\Ana María\\Documents\\Exerc\\serie 1.rtf", ""},
        // Even in a folder whose name holds ".exe".
        {"C:\\prog.exe files\\a.rtf", true, false, "C:\\prog.exe files\\a.rtf", ""},
        {"", false, false, "", ""},
    };
    for (const CommandCase& c : cases) {
        const ShellCommand command = ParseShellCommand(c.text, c.existing);
        EXPECT_EQ(command.runProgram, c.run) << c.text;
        EXPECT_EQ(command.file, c.file) << c.text;
        EXPECT_EQ(command.parameters, c.parameters) << c.text;
    }
}

TEST(ShellCommands, ParametersAreCutTo255Characters) {
    const ShellCommand command = ParseShellCommand("doc " + std::string(300, 'p'), false);
    EXPECT_EQ(command.parameters.size(), 255u);
}

}  // namespace
