#pragma once
// "&Info": the help document. The copy in the current folder is opened when it is there;
// otherwise the copy built into the program, written once per version into a folder of the
// user's temporary folder and reused while it is whole. When no program opens it, the user
// is told in Spanish.

#include <string>
#include <string_view>

struct BuiltInHelp {
    std::string_view bytes;  // the document built into the program; empty when it has none
    std::string folder;      // where it is written: the temporary folder's "Zorvi-<version>"
};

// Set at start-up by the program (app/).
extern BuiltInHelp HelpCopy;

// Opens the help document named by the descriptor's helpFile.
void OpenHelpDocument();
