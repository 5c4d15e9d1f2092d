#include "ui/window_win.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "tests/win32/ui_driver.h"

namespace {

LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

// Two kinds of test window: each closes with the code of the command it receives.
LRESULT CALLBACK ClosingProc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
    if (m == WM_COMMAND) CloseWithCode(w, LOWORD(wp));
    return DefWindowProcA(w, m, wp, lp);
}
WindowKind g_first{"zorviFirstKind", "IcPrg", ClosingProc};
WindowKind g_second{"zorviSecondKind", "IcPrg", ClosingProc};
const WindowLayout kFirst{"first", kToolWindowStyle, 10, 10, 200, 120, {}, "CreaFirst failed"};
const WindowLayout kSecond{"second", kToolWindowStyle, 260, 10, 200, 120, {}, "CreaSecond failed"};

TEST(WindowFramework, ARegistrationThatFailsIsReportedAndNotRetriedAsDone) {
    WNDCLASSA taken = {};
    taken.lpfnWndProc = PlainProc;
    taken.hInstance = AppInstance();
    taken.lpszClassName = "zorviTakenClass";
    ASSERT_NE(RegisterClassA(&taken), 0);
    WindowKind kind{"zorviTakenClass", "IcPrg", PlainProc};
    UiDriver driver;
    driver.AnswerBox(IDOK);
    WindowRun run;
    EXPECT_EQ(OpenWindow(kind, kFirst, run), nullptr);
    EXPECT_FALSE(kind.registered);
    EXPECT_EQ(kind.Open(), nullptr);
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(driver.boxes[0].text, "Register failed");
    EXPECT_EQ(driver.boxes[0].caption, "Error");  // no caption given: the system's own
    UnregisterClassA("zorviTakenClass", AppInstance());
}

TEST(WindowFramework, AWindowThatCannotBeCreatedIsReportedWithItsMessage) {
    WindowKind kind{"zorviNeverRegistered", "IcPrg", PlainProc};
    kind.registered = true;
    UiDriver driver;
    driver.AnswerBox(IDOK);
    const WindowLayout layout{"x", kToolWindowStyle, 0, 0, 10, 10, {}, "CreaFMex failed"};
    EXPECT_EQ(RunToolWindow(kind, layout), 0u);
    EXPECT_EQ(kind.Open(), nullptr);
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(driver.boxes[0].text, "CreaFMex failed");
}

TEST(WindowFramework, EveryWindowOfAColourSharesOneBrush) {
    const HBRUSH brush = BackgroundBrush(kToolBackground);
    EXPECT_NE(brush, nullptr);
    EXPECT_EQ(BackgroundBrush(kToolBackground), brush);
    EXPECT_NE(BackgroundBrush(RGB(1, 2, 3)), brush);
    EXPECT_EQ(BackgroundBrush(RGB(1, 2, 3)), BackgroundBrush(RGB(1, 2, 3)));
}

TEST(WindowFramework, AKindIsRegisteredOnceWithTheClassSettings) {
    WindowKind kind{"zorviPrepared", "IcDlg", ClosingProc};
    for (int pass = 0; pass < 2; ++pass) {
        UiDriver driver;
        driver.When("zorviPrepared", [](HWND w) { PostMessageA(w, WM_COMMAND, 5, 0); });
        EXPECT_EQ(RunToolWindow(kind, kFirst), 5u);
        EXPECT_TRUE(kind.registered);
        EXPECT_TRUE(driver.boxes.empty());  // the second showing registers nothing
    }
    WNDCLASSA wc = {};
    ASSERT_TRUE(GetClassInfoA(AppInstance(), "zorviPrepared", &wc));
    EXPECT_EQ(wc.style, UINT(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(wc.hbrBackground, BackgroundBrush(kToolBackground));
    EXPECT_EQ(wc.hIcon, nullptr);  // "IcDlg" is not among the program's icons
}

TEST(WindowFramework, AWindowDescriptionMakesItsControlsBeforeItsInitialisation) {
    static std::vector<int> seenAtInit;
    seenAtInit.clear();
    static WindowKind kind{"zorviDescribed", "IcPrg", [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                               if (m == WM_INITDIALOG) {
                                   for (int id : {11, 12}) seenAtInit.push_back(GetDlgItem(w, id) != nullptr);
                                   seenAtInit.push_back(LastOpenedWindow() == w);
                                   PostMessageA(w, WM_CLOSE, 9, 0);
                               }
                               return DefWindowProcA(w, m, wp, lp);
                           }};
    const ControlSpec controls[] = {{11, "EDIT", "abc", kLineEdit, 4, 4, 80, 20},
                                    {12, "BUTTON", "Ok", kPushButton, 4, 30, 40, 20}};
    const WindowLayout layout{"described", kToolWindowStyle, 30, 30, 200, 120, controls, "x"};
    EXPECT_EQ(RunToolWindow(kind, layout), 9u);
    EXPECT_EQ(seenAtInit, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(LastOpenedWindow(), nullptr);  // off the list when the window went
}

// A window's loop ends with that window and returns its own code, even when the window
// ends while another window's loop runs inside it.
TEST(WindowFramework, EachLoopReturnsItsOwnWindowsCodeWhateverTheOrderOfClosing) {
    static WPARAM secondCode = 99;
    UiDriver driver;
    driver.When("zorviFirstKind", [](HWND) { secondCode = RunToolWindow(g_second, kSecond); })
        .When("zorviSecondKind", [](HWND) {
            // The outer window goes first; the inner one stays, and its loop with it.
            Click(FindThreadWindow("zorviFirstKind"), 7);
        })
        .Then([] {
            EXPECT_EQ(g_first.Open(), nullptr);
            EXPECT_NE(g_second.Open(), nullptr);
            Click(g_second.Open(), 3);
        });
    EXPECT_EQ(RunToolWindow(g_first, kFirst), 7u);
    EXPECT_EQ(secondCode, 3u);
}

TEST(WindowFramework, ASecondWindowOfAKindIsNotMadeAndTheOpenOneComesToTheFront) {
    static HWND refusedWith = reinterpret_cast<HWND>(1);
    static int windowsOfTheKind = 0;
    UiDriver driver;
    driver.When("zorviFirstKind", [](HWND) {
        WindowRun second;
        refusedWith = OpenWindow(g_first, kFirst, second);
        windowsOfTheKind = CountThreadWindows("zorviFirstKind");
        EXPECT_EQ(RunToolWindow(g_first, kFirst), 0u);
        Click(FindThreadWindow("zorviFirstKind"), 4);
    });
    EXPECT_EQ(RunToolWindow(g_first, kFirst), 4u);
    EXPECT_EQ(refusedWith, nullptr);
    EXPECT_EQ(windowsOfTheKind, 1);
}

// A message posted in the same instant as a window's close is handled after that window's
// loop has returned, by the loop that goes on running.
TEST(WindowFramework, MessagesPostedWhileAWindowClosesGoToTheLoopThatRemains) {
    static bool firstLoopOver = false;
    static int handledAfterTheLoop = -1;
    static WindowKind listener{"zorviListener", "IcPrg", [](HWND w, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
                                   if (m == WM_APP) handledAfterTheLoop = firstLoopOver ? 1 : 0;
                                   return DefWindowProcA(w, m, wp, lp);
                               }};
    WindowRun listening;
    const WindowLayout layout{"listener", kToolWindowStyle, 500, 300, 100, 80, {}, "x"};
    HWND ear = OpenWindow(listener, layout, listening);
    ASSERT_NE(ear, nullptr);
    UiDriver driver;
    driver.When("zorviFirstKind", [ear](HWND w) {
        Click(w, 6);
        PostMessageA(ear, WM_APP, 0, 0);
    });
    firstLoopOver = false;
    EXPECT_EQ(RunToolWindow(g_first, kFirst), 6u);
    firstLoopOver = true;
    MSG msg;
    while (handledAfterTheLoop < 0 && GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    EXPECT_EQ(handledAfterTheLoop, 1);
    DestroyWindow(ear);
    EXPECT_TRUE(listening.ended);
}

TEST(WindowFramework, AQuitEndsTheWindowAndIsPassedOnToTheLoopOutside) {
    UiDriver driver;
    driver.When("zorviFirstKind", [](HWND) { PostQuitMessage(3); });
    EXPECT_EQ(RunToolWindow(g_first, kFirst), 0u);
    EXPECT_EQ(g_first.Open(), nullptr);
    EXPECT_EQ(FindThreadWindow("zorviFirstKind"), nullptr);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 3u);
}

// A step that fails inside a window is told in Spanish, and the window works on.
TEST(WindowFramework, AFailureInsideAWindowIsToldAndTheWindowGoesOn) {
    static WindowKind failing{.className = "zorviFailing", .procedure = ClosingProc,
                              .accept = [](HWND) { throw std::runtime_error("x"); }};
    UiDriver driver;
    driver.When("zorviFailing", [](HWND w) { PostMessageA(w, WM_COMMAND, IDOK, 0); PostMessageA(w, WM_COMMAND, 8, 0); })
        .AnswerBox(IDOK);
    EXPECT_EQ(RunToolWindow(failing, kFirst), 8u);
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(driver.boxes[0].text, "Se ha producido un error interno y la operación no se ha completado.\r"
                                    "Los ejercicios del lote se conservan.");
}

TEST(WindowFramework, NoWindowOpensWhileTheProgramEnds) {
    SetProgramEnding(true);
    EXPECT_EQ(RunToolWindow(g_first, kFirst), 0u);
    EXPECT_EQ(FindThreadWindow("zorviFirstKind"), nullptr);
    SetProgramEnding(false);
}

}  // namespace
