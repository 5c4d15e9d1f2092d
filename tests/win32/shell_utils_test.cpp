#include "shell/shell_utils.h"
#include "ui/program_file.h"

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>

#include "shell/batch.h"
#include "shell/system_library_win.h"
#include "app/interaction_win.h"
#include "tests/support/files.h"
#include "tests/support/scripted_ui.h"
#include "tests/win32/ui_driver.h"

namespace {

TEST(ProgramFile, BaseNameAndYearOfTheRunningProgram) {
    EXPECT_EQ(ProgramBaseName(), "zorvi_win_tests");
    const std::time_t now = std::time(nullptr);
    const std::string year = std::to_string(std::localtime(&now)->tm_year + 1900);
    // Built moments ago, unless built on New Year's Eve.
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string fileYear = FileYear(path);
    EXPECT_TRUE(fileYear == year || fileYear == std::to_string(std::stoi(year) - 1)) << fileYear;
    EXPECT_EQ(FileYear("no-such-file.exe"), "");
}

TEST(ShellOpening, AMissingDocumentFailsThroughTheResult) {
    EXPECT_LE(ShellOpen("no-such-document-zorvi.rtf"), 32);
    EXPECT_LE(ShellOpen("no such document.rtf"), 32);
}

TEST(ShellOpening, ACommandNamingAnExeIsRun) {
    // cmd.exe exists in every Wine prefix and ends at once.
    EXPECT_GT(ShellOpen("cmd.exe /c exit"), 31);
    EXPECT_LE(RunCommand("no-such-program-zorvi.exe"), 31);
}

// comdlg32 and shell32 are loaded on first use: one that cannot be had is told, not a crash.
TEST(SystemLibraries, OneThatCannotBeLoadedIsToldInSpanish) {
    ScriptedUi ui;
    EXPECT_EQ(SystemFunction<void (*)()>("zorvi-no-such.dll", "ShellExecuteA", "No se puede abrir el documento",
                                         "la parte de Windows que abre los documentos con su programa"),
              nullptr);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "No se puede abrir el documento");
    EXPECT_EQ(ui.boxes[0].text, "No se ha podido cargar zorvi-no-such.dll, la parte de Windows que abre los "
                                "documentos con su programa (error 126).");
}

TEST(MessageBoxes, ShowCaptionAndTextAndReturnTheButton) {
    WindowsInteraction ui;
    UiDriver driver;
    driver.AnswerBox(IDYES).AnswerBox(IDNO).AnswerBox(IDOK);
    EXPECT_EQ(ui.Message("Reinicio Lote", "Reiniciar Lote a 0? ", MB_YESNO), 6);
    EXPECT_EQ(ui.Message("* Error *", "O no está en la base de datos\r¿añadir?", MB_YESNO | MB_ICONEXCLAMATION),
              7);
    EXPECT_EQ(ui.Message("Aviso", "texto", MB_OK), 1);
    ASSERT_EQ(driver.boxes.size(), 3u);
    EXPECT_EQ(driver.boxes[0].caption, "Reinicio Lote");
    EXPECT_EQ(driver.boxes[0].text, "Reiniciar Lote a 0? ");
    EXPECT_EQ(driver.boxes[1].caption, "* Error *");
    EXPECT_EQ(driver.boxes[1].text, "O no está en la base de datos\r¿añadir?");
}

}  // namespace

namespace {

TEST(ShellOpening, AnExistingDocumentInAFolderWithBlanksOpensWhole) {
    ScratchFolder folder;
    std::filesystem::create_directories("Ana María");
    WriteAll("Ana María\\serie 1.rtf", "{\\rtf1\\ansi hola}");
    UiDriver driver;
    std::string opened;
    // Wine's WordPad is the program associated with RTF files; its window names the file.
    driver.WhenAnyProcess("WORDPADTOP", "serie 1.rtf", [&](HWND w) {
        opened = TextOf(w);
        PostMessageA(w, WM_CLOSE, 0, 0);
    });
    EXPECT_GT(ShellOpen("Ana María\\serie 1.rtf"), 32);
    const DWORD start = GetTickCount();
    MSG msg;
    while (!driver.Finished() && GetTickCount() - start < 10000) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&msg);
        } else {
            Sleep(10);
        }
    }
    EXPECT_EQ(opened.rfind("serie 1.rtf", 0), 0u) << opened;
    // A text that names no file is still split at its first blank, and fails.
    EXPECT_LE(ShellOpen("Ana María\\no existe.rtf"), 32);
}

}  // namespace
