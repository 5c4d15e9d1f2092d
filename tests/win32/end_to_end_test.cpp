// A teacher's whole path through the program's windows: a topic from "Temas", a sub-kind,
// a formula, the exercise in the batch, the export through the save window, the document
// on disk and opened from a folder whose name holds a blank.
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/batch.h"
#include "app/start_up.h"
#include "shell/export.h"
#include "shell/generation_window.h"
#include "shell/main_window_win.h"
#include "shell/program.h"
#include "shell/save_window.h"
#include "app/interaction_win.h"
#include "tests/support/files.h"
#include "tests/win32/ui_driver.h"
#include "ui/controls_win.h"
#include "ui/window_win.h"
#include "util/random.h"

namespace {

namespace fs = std::filesystem;

bool Contains(const std::string& text, const std::string& piece) { return text.find(piece) != std::string::npos; }

TEST(EndToEnd, MolesFromTheMenuToTheExportedDocument) {
    // The program's own table of elements, in a working folder whose name holds a blank.
    ScratchFolder folder;
    const fs::path work = folder.Path() / "Ana María";
    fs::create_directories(work);
    fs::current_path(work);
    fs::copy_file(fs::path(ZORVI_BINARY_DIR) / "elements.dat", "elements.dat", fs::copy_options::overwrite_existing);

    WindowsInteraction ui;
    SetUserInteraction(&ui);
    SetUpProgram();
    HWND main = CreateMainWindow();
    ASSERT_NE(main, nullptr);
    BatchStart();
    AskConfirmation = false;  // the exercise goes straight into the batch
    ScriptRandom({31});  // 36 g

    std::string title, line, opened;
    UiDriver driver;
    driver
        .When("problmen",
              [](HWND w) {
                  EXPECT_EQ(TextOf(w), "cálculos con moles");
                  ListSelect(w, kIdSubKindList, 4);
                  Click(w, IDOK);
              })
        .When("Edtira",
              [](HWND w) {
                  EXPECT_EQ(TextOf(w), "fórmula:");
                  SetDlgItemTextA(w, 101, "H2SO4");
                  Click(w, IDOK);
              })
        .When("problmen",
              [&](HWND w) {
                  // Back for the next exercise, with the same line selected.
                  EXPECT_EQ(ListSelected(w, kIdSubKindList), 4);
                  title = TextOf(main);
                  line = ListGetItem(main, kIdBatchList, 1);
                  Click(w, IDCANCEL);
              })
        .Then([main] { PostMessageA(main, WM_COMMAND, kCmdSave, 0); })
        .When("desarserie",
              [](HWND w) {
                  SetDlgItemTextA(w, kIdExportName, "serie H2SO4");
                  SetDlgItemTextA(w, kIdDocumentTitle, "Moles y más");
                  CheckRadioButton(w, kIdStatementThenAnswer, kIdBlocks, kIdStatementThenAnswer);
                  Click(w, IDOK);
              })
        .Then([main] { PostMessageA(main, WM_COMMAND, kCmdEditPrint, 0); })
        .WhenAnyProcess("WORDPADTOP", "serie H2SO4.rtf",
                        [&](HWND w) {
                            // The word processor shows the whole document, from a folder with a blank.
                            opened = TextOf(w);
                            PostMessageA(w, WM_CLOSE, 0, 0);
                        })
        .Then([main] { PostMessageA(main, WM_COMMAND, kCmdExit, 0); });
    PostMessageA(main, WM_COMMAND, 202, 0);
    RunMessageLoop();
    ASSERT_TRUE(driver.Finished());

    const std::string statement = "Pasar   36 g de H_2SO_4 a moles.\r\ndatos: H =  1.01  S = 32.06  O = 16.00  ";
    EXPECT_EQ(title, "Ejercicios de Química. Nº ejercicios: 1");
    EXPECT_EQ(line, "1]" + statement);
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Batch.Slot(1).answer, "  0.367077 mol.");

    const fs::path document = work / "Exerc" / "serie H2SO4.rtf";
    ASSERT_TRUE(fs::exists(document));
    const std::string tail = "\\Ana María\\Exerc\\serie H2SO4.rtf";  // Windows-1252, as the program keeps it
    ASSERT_GT(ExportPath.size(), tail.size());
    EXPECT_EQ(ExportPath.substr(ExportPath.size() - tail.size()), tail);
    const std::string rtf = ReadAll(document);
    EXPECT_EQ(rtf.rfind("{\\rtf\\ansi \\deff2\r\n", 0), 0u);
    EXPECT_TRUE(Contains(rtf, "{\\b Moles y m\xE1s}"));
    EXPECT_TRUE(Contains(rtf, "{\\b 1) }Pasar   36 g de H{\\sub 2}SO{\\sub 4} a moles.\\par \ndatos: H =  1.01"));
    EXPECT_TRUE(Contains(rtf, "Resp:   0.367077 mol.\\line "));
    EXPECT_EQ(rtf.substr(rtf.size() - 3), "}\r\n");
    EXPECT_FALSE(UnexportedChanges);
    EXPECT_EQ(opened.rfind("serie H2SO4.rtf", 0), 0u) << opened;
}

}  // namespace
