// Closing the main window while secondary windows run their loops must end them all and
// the program, never leave a loop waiting for a window that is gone.
#include <gtest/gtest.h>

#include "shell/batch.h"
#include "app/start_up.h"
#include "shell/generation_window.h"
#include "shell/main_window_win.h"
#include "shell/program.h"
#include "tests/support/scripted_ui.h"
#include "tests/win32/ui_driver.h"
#include "ui/input_text.h"
#include "ui/window_win.h"

namespace {

int g_passes = 0;

// A generator's loop: the generation window, then the text input, until the user leaves.
void GeneratorLoop(uint16_t) {
    while (ChooseSubKind("a;b") != 0) {
        ++g_passes;
        std::string formula;
        InputText("fórmula:", formula);
    }
}

TEST(ProgramEnding, ClosingTheMainWindowEndsEveryOpenLoopAndTheProgram) {
    SetUpProgram();
    ScriptedUi ui;
    HWND main = CreateMainWindow();
    ASSERT_NE(main, nullptr);
    BatchStart();
    GenerateTopic = GeneratorLoop;
    g_passes = 0;
    UiDriver driver;
    driver.When("problmen", [](HWND w) { Click(w, IDOK); })
        .When("Edtira", [main](HWND) {
            // The text input is open inside the generator: the user quits the program.
            PostMessageA(main, WM_COMMAND, 2, 0);
        });
    PostMessageA(main, WM_COMMAND, 201, 0);
    RunMessageLoop();  // returns only when the program's quit reached it
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(g_passes, 1);
    EXPECT_EQ(FindThreadWindow("problmen"), nullptr);
    EXPECT_EQ(FindThreadWindow("Edtira"), nullptr);
}

TEST(ProgramEnding, CloseSecondaryWindowsDestroysEveryOpenWindowButTheOneKept) {
    static WindowKind kept{.className = "zorviKept"}, other{.className = "zorviOther"};
    const WindowLayout layout{"x", kToolWindowStyle, 0, 0, 50, 50, {}, "x"};
    WindowRun keptRun, otherRun;
    HWND main = OpenWindow(kept, layout, keptRun);
    OpenWindow(other, layout, otherRun);
    CloseSecondaryWindows(main);
    EXPECT_TRUE(otherRun.ended);
    EXPECT_FALSE(keptRun.ended);
    DestroyWindow(main);
}

}  // namespace
