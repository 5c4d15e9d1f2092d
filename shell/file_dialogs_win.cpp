#include "shell/file_dialogs_win.h"

#include <windows.h>
#include <commdlg.h>

#include "shell/main_window_win.h"
#include "shell/messages.h"
#include "util/number_format.h"
#include "util/strings.h"

bool ChooseBatchFileDialog(bool saving, const std::string& folder, std::string& path) {
    char file[MAX_PATH] = {};
    const std::string proposed = CutText(path, MAX_PATH - 1);
    proposed.copy(file, proposed.size());
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = MainWindowHandle();
    dialog.lpstrFilter = "Lotes de Zorvi (*.zlote)\0*.zlote\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = folder.c_str();
    dialog.lpstrTitle = saving ? "Guardar lote" : "Abrir lote";
    dialog.lpstrDefExt = "zlote";
    // The documents and elements.dat are found through the current folder: it must not move.
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                   (saving ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    const BOOL chosen = saving ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosen) {
        if (const DWORD error = CommDlgExtendedError(); error != 0) {
            ShowMessage(saving ? "Guardar lote" : "Abrir lote",
                        "No se ha podido mostrar la ventana de ficheros (error " +
                            IntToText(static_cast<int32_t>(error)) + ").");
        }
        return false;
    }
    path = file;
    return true;
}
