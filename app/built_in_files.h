#pragma once
// The files built into Zorvi.exe as resources, so that a program copied alone still works:
// the default table of elements and the help document.

#include <string_view>

// Resource names of the built-in files (type RCDATA, resources/zorvi.rc).
constexpr const char* kDefaultElementsResource = "DEFAULTELEMENTS";
constexpr const char* kHelpDocumentResource = "HELPDOCUMENT";

// The bytes of an RCDATA resource of the program; empty when it has none. They stay
// mapped for the whole run.
std::string_view ResourceBytes(const char* name);

// Hands the built-in files to the portable code, with the folder of the temporary folder
// where the help document goes for this version. Before SetUpProgram.
void InstallBuiltInFiles();
