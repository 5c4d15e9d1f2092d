#include "ui/window.h"

#include <gtest/gtest.h>

#include "tests/win32/ui_driver.h"

namespace {

LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

TEST(WindowFramework, ARegistrationThatFailsIsReportedAndNotRetriedAsDone) {
    WNDCLASSA taken = {};
    taken.lpfnWndProc = PlainProc;
    taken.hInstance = AppInstance();
    taken.lpszClassName = "zorviTakenClass";
    ASSERT_NE(RegisterClassA(&taken), 0);
    WindowKind kind{"zorviTakenClass", "IcPrg"};
    UiDriver driver;
    driver.AnswerBox(IDOK);
    EXPECT_FALSE(RegisterKind(kind, PlainProc, nullptr));
    EXPECT_FALSE(kind.registered);
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(driver.boxes[0].text, "Register failed");
    EXPECT_EQ(driver.boxes[0].caption, "Error");  // no caption given: the system's own
    UnregisterClassA("zorviTakenClass", AppInstance());
}

TEST(WindowFramework, AWindowThatCannotBeCreatedIsReportedWithItsMessage) {
    WindowKind kind{"zorviNeverRegistered", "IcPrg"};
    kind.registered = true;
    UiDriver driver;
    driver.AnswerBox(IDOK);
    EXPECT_EQ(CreateKindWindow(kind, "x", kToolWindowStyle, 0, 0, 10, 10, "CreaFMex failed"), nullptr);
    ASSERT_EQ(driver.boxes.size(), 1u);
    EXPECT_EQ(driver.boxes[0].text, "CreaFMex failed");
}

TEST(WindowFramework, ToolColoursAreSetOnceWithTheirBrush) {
    EnsureToolColors();
    const HBRUSH brush = ToolWindowColours.brush;
    EXPECT_EQ(ToolWindowColours.background, RGB(236, 233, 216));
    EXPECT_EQ(ToolWindowColours.text, RGB(0, 0, 0));
    EXPECT_NE(brush, nullptr);
    EnsureToolColors();
    EXPECT_EQ(ToolWindowColours.brush, brush);
}

TEST(WindowFramework, PrepareWindowClassFillsTheRecordOnlyOnce) {
    bool registered = false;
    WNDCLASSA wc;
    EXPECT_FALSE(PrepareWindowClass(registered, "zorviPrepared", wc));
    EXPECT_TRUE(registered);
    EXPECT_EQ(wc.style, UINT(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(wc.hbrBackground, ToolWindowColours.brush);
    EXPECT_STREQ(wc.lpszClassName, "zorviPrepared");
    EXPECT_EQ(wc.hIcon, nullptr);  // "IcDlg" is not among the program's icons
    WNDCLASSA untouched = {};
    EXPECT_TRUE(PrepareWindowClass(registered, "zorviPrepared", untouched));
    EXPECT_EQ(untouched.lpszClassName, nullptr);
}

}  // namespace
