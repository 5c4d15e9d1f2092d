#pragma once
// The files built into Zorvi.exe as resources, so that a program copied alone still works:
// the default table of elements and the help document.

#include <string_view>

#include "resources/resource_ids.h"

// The bytes of the program's RCDATA resource `id` (IDR_DEFAULT_ELEMENTS, IDR_HELP_DOCUMENT);
// empty when it has none. They stay mapped for the whole run.
std::string_view ResourceBytes(int id);

// Hands the built-in files to the portable code, with the folder of the temporary folder
// where the help document goes for this version. Before SetUpProgram.
void InstallBuiltInFiles();
