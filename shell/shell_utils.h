#pragma once
// The shell and the program's own file.

#include <cstdint>
#include <string>

// Opens a document with its associated program (see ParseShellCommand); the shell's
// result, 32 and below meaning failure.
uint16_t ShellOpen(const std::string& command);

// Runs a command line; the result, 31 and below meaning failure.
uint16_t RunCommand(const std::string& commandLine);

// The running program's file name without folder and extension.
std::string ProgramBaseName();

// The year of a file's last change, in local time; empty when there is no such file.
std::string FileYear(const std::string& path);
