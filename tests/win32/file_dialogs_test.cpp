#include "shell/file_dialogs_win.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/files.h"
#include "tests/win32/ui_driver.h"

namespace {

BOOL CALLBACK FindEdit(HWND w, LPARAM found) {
    char name[16] = {};
    GetClassNameA(w, name, sizeof name);
    if (lstrcmpiA(name, "Edit") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = w;
    return FALSE;
}

// The file name field of the system's open and save dialogs: the edit inside cmb13 (a
// combo box, inside a ComboBoxEx under Wine), or edt1 in dialogs without it.
HWND FileNameField(HWND dialog) {
    HWND edit = nullptr;
    if (HWND combo = GetDlgItem(dialog, 0x47C)) EnumChildWindows(combo, FindEdit, reinterpret_cast<LPARAM>(&edit));
    return edit != nullptr ? edit : GetDlgItem(dialog, 0x480);
}

std::string CurrentFolder() { return std::filesystem::current_path().string(); }

TEST(BatchFileDialogs, TheOpenDialogStartsInExercAndKeepsTheCurrentFolder) {
    ScratchFolder folder;
    UiDriver driver;
    std::filesystem::create_directories(folder.Path() / "Exerc");
    WriteAll(folder.Path() / "Exerc" / "ayer.zlote", "ZORVI-LOTE 1\r\n");
    WriteAll(folder.Path() / "Exerc" / "otro.txt", "x");
    const std::string before = CurrentFolder();
    driver.WhenTitled("#32770", "Abrir lote", [](HWND dialog) {
        EXPECT_EQ(ItemTextOf(dialog, 0x471), "Exerc");  // "Look in", the folder it starts in
        EXPECT_EQ(ItemTextOf(dialog, 0x470), "Lotes de Zorvi (*.zlote)");  // the only type
        HWND field = FileNameField(dialog);
        ASSERT_NE(field, nullptr);
        SetWindowTextA(field, "ayer.zlote");
        Click(dialog, IDOK);
    });
    std::string path;
    ASSERT_TRUE(ChooseBatchFileDialog(false, folder.Text("Exerc"), path));
    EXPECT_EQ(path, folder.Text("Exerc") + "\\ayer.zlote");
    EXPECT_EQ(CurrentFolder(), before);
}

TEST(BatchFileDialogs, TheSaveDialogProposesTheNameAndCanBeCancelled) {
    ScratchFolder folder;
    UiDriver driver;
    std::filesystem::create_directories(folder.Path() / "Exerc");
    driver.WhenTitled("#32770", "Guardar lote", [](HWND dialog) {
        HWND field = FileNameField(dialog);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(TextOf(field), "Tema 3.zlote");
        SetWindowTextA(field, "Tema 4");
        Click(dialog, IDOK);
    });
    std::string path = "Tema 3.zlote";
    ASSERT_TRUE(ChooseBatchFileDialog(true, folder.Text("Exerc"), path));
    EXPECT_EQ(path, folder.Text("Exerc") + "\\Tema 4.zlote");
    driver.WhenTitled("#32770", "Guardar lote", [](HWND dialog) { Click(dialog, IDCANCEL); });
    path = "x.zlote";
    EXPECT_FALSE(ChooseBatchFileDialog(true, folder.Text("Exerc"), path));
    EXPECT_EQ(path, "x.zlote");
}

}  // namespace
