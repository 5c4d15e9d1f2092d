#pragma once
// The shell: documents opened with their associated programs, and command lines run.

#include <cstdint>
#include <string>

// Opens a document with its associated program (see ParseShellCommand); the shell's
// result, 32 and below meaning failure (UserInteraction::kShellNotLoaded when shell32.dll
// cannot be loaded, the user told so).
uint16_t ShellOpen(const std::string& command);

// Runs a command line; the result, 31 and below meaning failure.
uint16_t RunCommand(const std::string& commandLine);
