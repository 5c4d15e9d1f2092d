#pragma once
// The system's dialogs to open and to save a batch file (comdlg32, loaded when first shown).

#include <string>

// Starts in `folder` with `path` proposed, shows only "Lotes de Zorvi (*.zlote)" and keeps
// the current folder of the program as it was; true with the full path chosen.
bool ChooseBatchFileDialog(bool saving, const std::string& folder, std::string& path);
