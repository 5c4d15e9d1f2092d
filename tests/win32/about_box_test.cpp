#include "ui/about_box.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/start_up.h"
#include "shell/main_window_win.h"
#include "shell/program.h"
#include "shell/shell_utils.h"
#include "ui/program_file.h"
#include "tests/win32/gdi_objects.h"
#include "tests/win32/ui_driver.h"
#include "util/language.h"
#include "ui/window_win.h"
#include "util/random.h"

namespace {

constexpr char kClass[] = "FerSobre";
constexpr COLORREF kBackground = RGB(255, 255, 178);
constexpr COLORREF kColourA = RGB(0, 100, 250);
constexpr COLORREF kColourB = RGB(220, 100, 0);

// True when some client pixel of the band has exactly the colour.
bool ColourIn(HWND w, COLORREF colour, int x0, int y0, int x1, int y1) {
    HDC dc = GetDC(w);
    bool found = false;
    for (int y = y0; y < y1 && !found; ++y) {
        for (int x = x0; x < x1 && !found; ++x) found = GetPixel(dc, x, y) == colour;
    }
    ReleaseDC(w, dc);
    return found;
}

// True when every client pixel of the band is the background.
bool OnlyBackgroundIn(HWND w, int x0, int y0, int x1, int y1) {
    HDC dc = GetDC(w);
    bool plain = true;
    for (int y = y0; y < y1 && plain; ++y) {
        for (int x = x0; x < x1 && plain; ++x) plain = GetPixel(dc, x, y) == kBackground;
    }
    ReleaseDC(w, dc);
    return plain;
}

bool ButtonInClient(HWND w, int x, int y, int width, int height) {
    RECT r;
    GetWindowRect(GetDlgItem(w, IDOK), &r);
    MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(&r), 2);
    return r.left == x && r.top == y && r.right - r.left == width && r.bottom - r.top == height;
}

// Addresses for the tests only: the program itself shows none.
constexpr char kSomeWeb[] = "https://example.org";
constexpr char kSomeMail[] = "alguien@example.org";

class AboutBoxTest : public ::testing::Test {};

TEST_F(AboutBoxTest, ShowsItsTextsTitleAndARandomWordInSpanish) {
    ScriptRandom({3});
    UiDriver driver;
    driver.When(kClass, [](HWND w) {
        EXPECT_EQ(TextOf(w), "Respecto " + ProgramBaseName() + "...");
        ExpectPlacedAt(w, 400, 200, 312, 240);
        const DWORD style = DWORD(GetWindowLongA(w, GWL_STYLE));
        EXPECT_EQ(style & 0x80C80080u, 0x80C80080u);
        EXPECT_EQ(style & WS_MINIMIZEBOX, 0u);
        EXPECT_EQ(ItemTextOf(w, IDOK), "psé");
        EXPECT_TRUE(ButtonInClient(w, 122, 180, 70, 24));
        EXPECT_TRUE(ColourIn(w, kColourA, 60, 10, 300, 46));    // the program's name, large
        EXPECT_TRUE(ColourIn(w, kColourB, 20, 50, 300, 66));    // the caller's text
        EXPECT_TRUE(ColourIn(w, kColourA, 66, 120, 300, 134));  // author and year
        EXPECT_TRUE(ColourIn(w, kColourA, 66, 134, 300, 150));  // web
        EXPECT_TRUE(ColourIn(w, kColourA, 66, 150, 300, 166));  // mail
        EXPECT_FALSE(OnlyBackgroundIn(w, 134, 80, 166, 112));   // the icon
        Click(w, IDOK);
    });
    ShowAboutBox("Ejercicios de Química", kSomeMail, kSomeWeb);
    EXPECT_EQ(FindThreadWindow(kClass), nullptr);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
}

TEST_F(AboutBoxTest, TheButtonWordIsOneOfTheLanguagesSeven) {
    const std::set<std::string> spanish = {"bueno", "¡Ah!", "¡Oh!", "psé", "hum!", "mmm..", "¡vaya!"};
    const std::set<std::string> english = {"Ok", "Ah!", "Oh!", "Bah!", "hum!", "mmm..", "Done"};
    std::set<std::string> seen;
    for (int i = 0; i < 7; ++i) {
        ScriptRandom({i});
        UiDriver driver;
        driver.When(kClass, [&seen](HWND w) {
            seen.insert(ItemTextOf(w, IDOK));
            Click(w, IDOK);
        });
        ShowAboutBox("x", "");
    }
    EXPECT_EQ(seen, spanish);

    UiLanguage = 1;
    ScriptRandom({6});
    UiDriver driver;
    driver.When(kClass, [&english](HWND w) {
        EXPECT_EQ(TextOf(w), "About " + ProgramBaseName() + "...");
        EXPECT_EQ(ItemTextOf(w, IDOK), "Done");
        EXPECT_TRUE(english.count(ItemTextOf(w, IDOK)));
        PostMessageA(w, WM_CLOSE, 0, 0);
    });
    ShowAboutBox("x", "");
}

TEST_F(AboutBoxTest, AnEmptyMailLeavesItsLineOutAndTheOthersInPlace) {
    UiDriver driver;
    driver.When(kClass, [](HWND w) {
        EXPECT_TRUE(ColourIn(w, kColourA, 66, 120, 300, 134));
        EXPECT_TRUE(ColourIn(w, kColourA, 66, 134, 300, 150));
        EXPECT_TRUE(OnlyBackgroundIn(w, 0, 151, 300, 178));
        Click(w, IDOK);
    });
    ShowAboutBox("Ejercicios de Química", "", kSomeWeb);
}

TEST_F(AboutBoxTest, AnEmptyWebLeavesItsLineOutAndTheMailInItsPlace) {
    UiDriver driver;
    driver.When(kClass, [](HWND w) {
        EXPECT_TRUE(ColourIn(w, kColourA, 66, 120, 300, 134));  // author and year
        EXPECT_TRUE(OnlyBackgroundIn(w, 0, 137, 300, 150));     // no web line
        EXPECT_TRUE(ColourIn(w, kColourA, 66, 150, 300, 166));  // the mail where it always is
        Click(w, IDOK);
    });
    ShowAboutBox("Ejercicios de Química", kSomeMail, "");
}

TEST_F(AboutBoxTest, UncoveredTextsAndTheIconComeBack) {
    UiDriver driver;
    driver.When(kClass, [](HWND w) {
        EXPECT_FALSE(OnlyBackgroundIn(w, 134, 80, 166, 112));  // not ASSERT: the box must still be closed
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_TRUE(ColourIn(w, kColourB, 20, 50, 300, 66));
        EXPECT_TRUE(ColourIn(w, kColourA, 60, 10, 300, 46));
        EXPECT_TRUE(ColourIn(w, kColourA, 66, 150, 300, 166));
        EXPECT_FALSE(OnlyBackgroundIn(w, 134, 80, 166, 112));
        Click(w, IDOK);
    });
    ShowAboutBox("Ejercicios de Química", kSomeMail, kSomeWeb);
}

TEST_F(AboutBoxTest, ShowingItAgainKeepsNoGdiObject) {
    UiDriver driver;
    driver.When(kClass, [](HWND w) { Click(w, IDOK); });
    ShowAboutBox("x", kSomeMail, kSomeWeb);  // the class and its brush stay for the run
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 5; ++i) {
        driver.When(kClass, [](HWND w) {
            RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            Click(w, IDOK);
        });
        ShowAboutBox("x", kSomeMail, kSomeWeb);
    }
    EXPECT_EQ(GdiObjectCount(), before);
}

// The program has no address of its own: it shows its author and invents none.
TEST_F(AboutBoxTest, TheSobreCommandShowsTheAuthorAndNoInventedAddress) {
    SetUpProgram();
    UiDriver driver;
    driver.When(kClass, [](HWND w) {
        EXPECT_TRUE(ColourIn(w, kColourB, 20, 50, 300, 66));
        EXPECT_TRUE(ColourIn(w, kColourA, 66, 120, 300, 134));  // author and year
        EXPECT_TRUE(OnlyBackgroundIn(w, 0, 137, 300, 178));     // neither web nor mail
        Click(w, IDOK);
    });
    EXPECT_TRUE(DispatchCommand(kCmdAbout));
    EXPECT_EQ(FindThreadWindow(kClass), nullptr);
    ReleaseProgram();
}

}  // namespace

namespace {

// Not a check: holds the box open for scripts/screenshots.sh.
TEST(AboutBoxScreenshot, DISABLED_HoldsTheBoxOpen) {
    UiDriver driver(20000);
    driver.When(kClass, [](HWND w) {
        SetTimer(w, 7, 8000, [](HWND window, UINT, UINT_PTR, DWORD) { PostMessageA(window, WM_CLOSE, 0, 0); });
    });
    ShowAbout("Ejercicios de Química");
}

}  // namespace
