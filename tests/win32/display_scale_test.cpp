// The windows at the display's scale: at 96 DPI exactly as laid out, at 144 DPI one and a
// half times as large, controls in proportion. The test program runs these tests once in
// the usual Wine prefix and once in one whose display is set to 144 DPI (CTest
// Win32TestsAt144Dpi, which sets ZORVI_EXPECT_DPI so that a prefix left at 96 cannot pass).

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/start_up.h"
#include "app/interaction_win.h"
#include "chemistry/reaction_window.h"
#include "shell/batch.h"
#include "shell/exercise_editor.h"
#include "shell/generation_window.h"
#include "shell/main_window_win.h"
#include "shell/program.h"
#include "shell/save_window.h"
#include "shell/versions_window.h"
#include "tests/support/exercises.h"
#include "tests/win32/program_fixture.h"
#include "tests/win32/ui_driver.h"
#include "ui/window_win.h"
#include "util/screen_scale_win.h"

namespace {

struct Box {
    int x, y, width, height;
};

// The outer rectangle of a window, or of a control in its parent's client area.
Box ScreenBox(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}
Box ClientBox(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void ExpectScaled(const Box& seen, const Box& laidOut, const std::string& what) {
    EXPECT_EQ(seen.x, Scaled(laidOut.x)) << what;
    EXPECT_EQ(seen.y, Scaled(laidOut.y)) << what;
    EXPECT_EQ(seen.width, Scaled(laidOut.width)) << what;
    EXPECT_EQ(seen.height, Scaled(laidOut.height)) << what;
}

struct ControlBox {
    int id;
    Box box;
};

void ExpectWindowScaled(HWND window, const Box& laidOut, std::initializer_list<ControlBox> controls) {
    ExpectScaled(ScreenBox(window), laidOut, "window");
    for (const ControlBox& c : controls) {
        HWND control = GetDlgItem(window, c.id);
        Box seen = ClientBox(control);
        char className[16] = {};
        GetClassNameA(control, className, sizeof className);
        if (lstrcmpiA(className, "ListBox") == 0) {
            // A list box shows whole lines only: it may stop short of its height by less than one.
            const int line = static_cast<int>(SendMessageA(control, LB_GETITEMHEIGHT, 0, 0));
            EXPECT_LE(seen.height, Scaled(c.box.height)) << "list " << c.id;
            EXPECT_GT(seen.height, Scaled(c.box.height) - line - 4) << "list " << c.id;
            seen.height = Scaled(c.box.height);
        }
        ExpectScaled(seen, c.box, "control " + std::to_string(c.id));
    }
}

// Whether a rectangle of the window's client area (in display pixels) is all one colour;
// the first pixel that is not is told.
::testing::AssertionResult AllOneColour(HWND window, RECT area, COLORREF colour) {
    HDC dc = GetDC(window);
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            const COLORREF seen = GetPixel(dc, x, y);
            if (seen != colour) {
                ReleaseDC(window, dc);
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << std::hex << seen;
            }
        }
    }
    ReleaseDC(window, dc);
    return ::testing::AssertionSuccess();
}

class DisplayScaleTest : public ProgramTest<WindowsInteraction> {};

TEST(DisplayScale, TheDisplayIsTheOneExpected) {
    const char* expected = std::getenv("ZORVI_EXPECT_DPI");
    const int dpi = expected != nullptr ? std::atoi(expected) : 96;
    ASSERT_EQ(ScreenDpi(), dpi);
    EXPECT_EQ(Scaled(600), 600 * dpi / 96);
    // Halves go away from zero, as everywhere in the program.
    EXPECT_EQ(Scaled(1), dpi == 144 ? 2 : 1);
    EXPECT_EQ(Scaled(-1), dpi == 144 ? -2 : -1);
}

TEST_F(DisplayScaleTest, TheMainWindowAndItsControls) {
    ExpectWindowScaled(main, {300, 100, 600, 420},
                       {{kIdBatchList, {20, 20, 540, 320}},
                        {kIdEditButton, {566, 302, 22, 22}},
                        {kIdResetButton, {390, 340, 60, 22}}});
}

TEST_F(DisplayScaleTest, TheGenerationWindowAndItsControls) {
    UiDriver driver;
    driver.When("problmen", [](HWND w) {
        ExpectWindowScaled(w, {600, 138, 312, 268}, {{kIdSubKindList, {12, 12, 286, 167}}, {IDOK, {220, 212, 52, 24}}});
        Click(w, IDCANCEL);
    });
    EXPECT_EQ(ChooseSubKind("uno;dos"), 0);
}

TEST_F(DisplayScaleTest, TheSaveWindowAndItsControls) {
    UiDriver driver;
    driver.When("desarserie", [](HWND w) {
        const Box box = ScreenBox(w);
        EXPECT_EQ(box.x, Scaled(600));
        EXPECT_EQ(box.y, Scaled(100));
        EXPECT_EQ(box.width, Scaled(312));
        ExpectScaled(ClientBox(GetDlgItem(w, kIdExportName)), {88, 10, 166, 22}, "name field");
        ExpectScaled(ClientBox(GetDlgItem(w, kIdAnswersOnNewPage)), {18, 152, 270, 22}, "page choice");
        Click(w, IDCANCEL);
    });
    std::string name = "hoja", title = "Tema";
    int32_t presentation = 1;
    bool answersOnNewPage = false;
    EXPECT_FALSE(SaveSeriesWindow(name, title, presentation, answersOnNewPage));
}

TEST_F(DisplayScaleTest, TheVersionsWindowAndItsControls) {
    UiDriver driver;
    driver.When("versiones", [](HWND w) {
        ExpectWindowScaled(w, {600, 100, 312, 150},
                           {{kIdVersionCount, {150, 10, 60, 22}}, {kIdVersionSeed, {150, 40, 146, 22}},
                            {IDOK, {160, 78, 80, 30}}});
        Click(w, IDCANCEL);
    });
    int count = 2;
    uint32_t seed = 1;
    EXPECT_FALSE(VersionsWindow(count, seed));
}

// The labels the reaction window draws itself stand clear of its list and its field.
TEST_F(DisplayScaleTest, TheReactionWindowAndItsControls) {
    UiDriver driver;
    driver.When("triareaccio", [](HWND w) {
        ExpectWindowScaled(w, {300, 140, 456, 330},
                           {{kIdReactionList, {12, 26, 424, 180}},
                            {kIdReactionText, {12, 228, 424, 22}},
                            {IDOK, {356, 262, 80, 28}}});
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        // The first label is drawn, and nothing is drawn between the list and the second one.
        EXPECT_FALSE(AllOneColour(w, {Scaled(12), Scaled(8), Scaled(200), Scaled(20)}, kToolBackground));
        RECT list;
        GetWindowRect(GetDlgItem(w, kIdReactionList), &list);
        MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&list), 2);
        EXPECT_TRUE(AllOneColour(w, {Scaled(12), list.bottom + 1, Scaled(436), Scaled(209)}, kToolBackground));
        EXPECT_FALSE(AllOneColour(w, {Scaled(12), Scaled(210), Scaled(200), Scaled(222)}, kToolBackground));
        Click(w, IDCANCEL);
    });
    std::string text;
    EXPECT_FALSE(ChooseReactionWindow({"Zn + 2 HCl -> ZnCl2 + H2", "N2 + 3 H2 -> 2 NH3"}, text));
}

// The preview keeps to its white panel at any scale, and the choices of the comment's
// place stand on the window's colour, not on grey boxes of their own.
TEST_F(DisplayScaleTest, TheEditorItsPreviewAndItsRadioButtons) {
    // Lines of the length the generators write; the painter breaks a line only after 90 columns.
    ExerciseRecord r = Exercise(
        "Calcular la molaridad de una disolución obtenida disolviendo 36 g de H_2SO_4\r\n"
        "en agua hasta un volumen total de 250 ml\r\ndatos: H =  1.01  S = 32.07  O = 16.00",
        "  1.468 mol/l 10^(-3) #F(1/2)", "comentario", HintPlacement::InAnswer);
    UiDriver driver;
    driver.When("contingutprob", [](HWND w) {
        ExpectWindowScaled(w, {200, 10, 600, 500},
                           {{kIdStatementEdit, {8, 270, 576, 57}},
                            {kIdHintNowhere, {60, 378, 110, 22}},
                            {IDOK, {340, 432, 77, 30}}});
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        RECT client;
        GetClientRect(w, &client);
        // Right of the panel, and between the panel and the first label: nothing but background.
        const RECT right = {Scaled(587), Scaled(5), client.right, Scaled(245)};
        const RECT below = {0, Scaled(246), client.right, Scaled(250)};
        EXPECT_TRUE(AllOneColour(w, right, kToolBackground));
        EXPECT_TRUE(AllOneColour(w, below, kToolBackground));
        // Inside the panel the statement is drawn: not all white.
        const RECT text = {Scaled(16), Scaled(23), Scaled(580), Scaled(39)};
        EXPECT_FALSE(AllOneColour(w, text, RGB(255, 255, 255)));
        // The last part of a radio button, past its caption, shows the window's colour.
        RECT radio;
        GetWindowRect(GetDlgItem(w, kIdHintInAnswer), &radio);
        MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&radio), 2);
        const RECT tail = {radio.right - Scaled(8), radio.top + 1, radio.right - 1, radio.bottom - 1};
        EXPECT_TRUE(AllOneColour(w, tail, kToolBackground));
        Click(w, IDCANCEL);
    });
    EXPECT_FALSE(EditExercise(r));
}

}  // namespace
