#pragma once
// The program's own file, for the about box.

#include <string>

// The running program's file name without folder and extension.
std::string ProgramBaseName();

// The year of a file's last change, in local time; empty when there is no such file.
std::string FileYear(const std::string& path);
