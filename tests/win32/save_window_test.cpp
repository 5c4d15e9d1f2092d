#include "shell/save_window.h"

#include <gtest/gtest.h>

#include "tests/win32/ui_driver.h"
#include "ui/window.h"

namespace {

constexpr char kClass[] = "desarserie";

bool Checked(HWND w, int id) { return IsDlgButtonChecked(w, id) == BST_CHECKED; }

TEST(SaveWindow, ProposesTheSettingsAndStoresTheAcceptedOnes) {
    std::string name = "serie1";
    std::string title = "Moles #B(1)";
    int32_t presentation = 1;
    UiDriver driver;
    driver.When(kClass, [](HWND w) {
        EXPECT_EQ(TextOf(w), "Guardar serie de problemas");
        ExpectPlacedAt(w, 600, 100, 312, 220);
        EXPECT_EQ(ItemTextOf(w, kIdExportName), "serie1");
        EXPECT_EQ(ItemTextOf(w, kIdDocumentTitle), "Moles #B(1)");
        EXPECT_FALSE(Checked(w, kIdStatementThenAnswer));
        EXPECT_TRUE(Checked(w, kIdBlocks));
        EXPECT_EQ(ItemTextOf(w, kIdStatementThenAnswer), "enunciado / respuesta seguidos");
        EXPECT_EQ(ItemTextOf(w, kIdBlocks), "bloques enunciados / respuestas");
        EXPECT_EQ(ItemTextOf(w, IDOK), "&Aceptar");
        EXPECT_EQ(ItemTextOf(w, IDCANCEL), "&Cancelar");
        EXPECT_EQ(GetFocus(), GetDlgItem(w, kIdExportName));
        EXPECT_EQ(OpenWindowSlots[kSlotExport], w);
        SetDlgItemTextA(w, kIdExportName, "Química 2º");
        SetDlgItemTextA(w, kIdDocumentTitle, "Examen");
        CheckRadioButton(w, kIdStatementThenAnswer, kIdBlocks, kIdStatementThenAnswer);
        Click(w, IDOK);
    });
    EXPECT_TRUE(SaveSeriesWindow(name, title, presentation));
    EXPECT_EQ(name, "Química 2º");
    EXPECT_EQ(title, "Examen");
    EXPECT_EQ(presentation, 0);
}

TEST(SaveWindow, CancelAndTheCloseBoxChangeNothing) {
    std::string name = "a";
    std::string title = "t";
    int32_t presentation = 0;
    UiDriver driver;
    driver.When(kClass, [](HWND w) {
        EXPECT_TRUE(Checked(w, kIdStatementThenAnswer));
        SetDlgItemTextA(w, kIdExportName, "changed");
        Click(w, IDCANCEL);
    });
    EXPECT_FALSE(SaveSeriesWindow(name, title, presentation));
    driver.When(kClass, [](HWND w) {
        SetDlgItemTextA(w, kIdExportName, "changed");
        PostMessageA(w, WM_CLOSE, 0, 0);
    });
    EXPECT_FALSE(SaveSeriesWindow(name, title, presentation));
    EXPECT_EQ(name, "a");
    EXPECT_EQ(title, "t");
    EXPECT_EQ(presentation, 0);
}

}  // namespace
