#pragma once
// How a command text handed to the shell is understood: a text naming an ".exe" is a
// command line to run; otherwise the document is the text up to its first blank and the
// rest its parameters, except that the path of an existing file is opened whole, blanks
// and all (teachers' folders often have blanks in their names).

#include <string>

struct ShellCommand {
    bool runProgram = false;  // run the whole text as a command line
    std::string file;
    std::string parameters;
};

ShellCommand ParseShellCommand(const std::string& text, bool textIsExistingFile);
