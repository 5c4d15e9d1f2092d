#include "shell/file_dialogs_win.h"

#include <windows.h>
#include <commdlg.h>

#include "shell/main_window_win.h"
#include "shell/messages.h"
#include "shell/system_library_win.h"
#include "util/number_format.h"
#include "util/strings.h"

namespace {

constexpr const char* kDialogs = "comdlg32.dll";
constexpr const char* kDialogsPurpose = "la parte de Windows que muestra la ventana de ficheros";

}  // namespace

bool ChooseBatchFileDialog(bool saving, const std::string& folder, std::string& path) {
    const char* caption = saving ? "Guardar lote" : "Abrir lote";
    using FileDialog = BOOL(WINAPI*)(OPENFILENAMEA*);
    const auto choose = SystemFunction<FileDialog>(kDialogs, saving ? "GetSaveFileNameA" : "GetOpenFileNameA",
                                                   caption, kDialogsPurpose);
    if (choose == nullptr) return false;
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
    dialog.lpstrTitle = caption;
    dialog.lpstrDefExt = "zlote";
    // The documents and elements.dat are found through the current folder: it must not move.
    dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                   (saving ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    if (!choose(&dialog)) {
        const auto dialogError = SystemFunction<DWORD(WINAPI*)()>(kDialogs, "CommDlgExtendedError", caption,
                                                                  kDialogsPurpose);
        if (const DWORD error = dialogError != nullptr ? dialogError() : 0; error != 0) {
            ShowMessage(caption, "No se ha podido mostrar la ventana de ficheros (error " +
                                     IntToText(static_cast<int32_t>(error)) + ").");
        }
        return false;
    }
    path = file;
    return true;
}
