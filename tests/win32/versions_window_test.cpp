#include "shell/versions_window.h"

#include <gtest/gtest.h>

#include <string>

#include "app/interaction_win.h"
#include "tests/win32/ui_driver.h"
#include "ui/window_win.h"

namespace {

constexpr char kClass[] = "versiones";
constexpr char kCaption[] = "Versiones de la hoja";

// Message boxes of the window go to the screen, as in the program.
class VersionsWindowTest : public ::testing::Test {
protected:
    VersionsWindowTest() { SetUserInteraction(&ui_); }
    ~VersionsWindowTest() override { SetUserInteraction(nullptr); }

    UiDriver driver;

private:
    WindowsInteraction ui_;
};

// The window shows before its fields are filled; the labels it draws itself must not wait
// for something else to repaint it.
TEST_F(VersionsWindowTest, ItsLabelsShowFromTheStart) {
    int count = 2;
    uint32_t seed = 1;
    driver.When(kClass, [](HWND w) {
        EXPECT_TRUE(SomethingDrawnIn(w, {10, 14, 120, 26}, kToolBackground)) << "versiones (2 a 26):";
        EXPECT_TRUE(SomethingDrawnIn(w, {10, 44, 60, 56}, kToolBackground)) << "semilla:";
        Click(w, IDCANCEL);
    });
    EXPECT_FALSE(VersionsWindow(count, seed));
    EXPECT_TRUE(driver.Finished());
}

TEST_F(VersionsWindowTest, OpensInTheProgramsStyleWithTheCountAndTheSeed) {
    int count = 2;
    uint32_t seed = 4294967295u;
    driver.When(kClass, [](HWND w) {
        EXPECT_EQ(TextOf(w), kCaption);
        ExpectPlacedAt(w, 600, 100, 312, 150);
        EXPECT_EQ(DWORD(GetWindowLongA(w, GWL_STYLE)) & 0x80CA0080u, 0x80CA0080u);  // the save window's frame
        LOGBRUSH brush = {};
        GetObjectA(reinterpret_cast<HBRUSH>(GetClassLongPtrA(w, GCLP_HBRBACKGROUND)), sizeof brush, &brush);
        EXPECT_EQ(brush.lbColor, RGB(236, 233, 216));
        EXPECT_EQ(ItemTextOf(w, kIdVersionCount), "2");
        EXPECT_EQ(ItemTextOf(w, kIdVersionSeed), "4294967295");
        EXPECT_EQ(ItemTextOf(w, IDOK), "&Aceptar");
        EXPECT_EQ(ItemTextOf(w, IDCANCEL), "&Cancelar");
        EXPECT_EQ(GetFocus(), GetDlgItem(w, kIdVersionCount));
        for (int id : {kIdVersionCount, kIdVersionSeed}) {
            char name[16] = {};
            GetClassNameA(GetDlgItem(w, id), name, sizeof name);
            EXPECT_STREQ(name, "Edit");
            EXPECT_TRUE(GetWindowLongA(GetDlgItem(w, id), GWL_STYLE) & WS_TABSTOP);
        }
        // Typed at once, then a real click on "&Aceptar", as a quick teacher does.
        SetDlgItemTextA(w, kIdVersionCount, " 26");
        SetDlgItemTextA(w, kIdVersionSeed, "17");
        RealClick(GetDlgItem(w, IDOK));
    });
    EXPECT_TRUE(VersionsWindow(count, seed));
    EXPECT_EQ(count, 26);
    EXPECT_EQ(seed, 17u);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(FindThreadWindow(kClass), nullptr);
}

TEST_F(VersionsWindowTest, AFieldOutOfItsRangeIsToldAndTheWindowStaysOnIt) {
    int count = 3;
    uint32_t seed = 5;
    driver
        .When(kClass,
              [](HWND w) {
                  SetDlgItemTextA(w, kIdVersionCount, "27");
                  Click(w, IDOK);
              })
        .AnswerBoxTitled(kCaption, IDOK)
        .When(kClass,
              [](HWND w) {
                  EXPECT_EQ(GetFocus(), GetDlgItem(w, kIdVersionCount));
                  SetDlgItemTextA(w, kIdVersionCount, "4");
                  SetDlgItemTextA(w, kIdVersionSeed, "-1");
                  Click(w, IDOK);
              })
        .AnswerBoxTitled(kCaption, IDOK)
        .When(kClass, [](HWND w) {
            EXPECT_EQ(GetFocus(), GetDlgItem(w, kIdVersionSeed));
            SetDlgItemTextA(w, kIdVersionSeed, "123");
            Click(w, IDOK);
        });
    EXPECT_TRUE(VersionsWindow(count, seed));
    EXPECT_EQ(count, 4);
    EXPECT_EQ(seed, 123u);
    ASSERT_EQ(driver.boxes.size(), 2u);
    EXPECT_EQ(driver.boxes[0].text,
              "El número de versiones debe ser un número entero de 2 a 26 (una letra para cada versión).");
    EXPECT_EQ(driver.boxes[1].text, "La semilla debe ser un número entero de 0 a 4294967295.");
}

TEST_F(VersionsWindowTest, CancelAndTheCloseBoxChangeNothing) {
    int count = 5;
    uint32_t seed = 9;
    driver.When(kClass, [](HWND w) {
        SetDlgItemTextA(w, kIdVersionCount, "7");
        Click(w, IDCANCEL);
    });
    EXPECT_FALSE(VersionsWindow(count, seed));
    driver.When(kClass, [](HWND w) {
        EXPECT_EQ(ItemTextOf(w, kIdVersionCount), "5");
        SetDlgItemTextA(w, kIdVersionSeed, "1");
        PostMessageA(w, WM_CLOSE, 0, 0);
    });
    EXPECT_FALSE(VersionsWindow(count, seed));
    EXPECT_EQ(count, 5);
    EXPECT_EQ(seed, 9u);
}

// Not a check: holds the window open for scripts/screenshots.sh.
TEST(VersionsWindowScreenshot, DISABLED_HoldsTheWindowOpen) {
    int count = 4;
    uint32_t seed = 20260101;
    UiDriver driver(20000);
    driver.When(kClass, [](HWND w) {
        SetTimer(w, 7, 8000, [](HWND window, UINT, UINT_PTR, DWORD) { Click(window, IDCANCEL); });
    });
    VersionsWindow(count, seed);
}

}  // namespace
