// Windows opened inside each other's loops, worked the way a quick teacher works them:
// commands posted in the same instant as a window closes, real mouse clicks on a window
// under another, and commands that would open a second window of a kind already open.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/start_up.h"
#include "app/interaction_win.h"
#include "chemistry/element_windows.h"
#include "shell/batch.h"
#include "shell/exercise_editor.h"
#include "shell/generation_window.h"
#include "shell/hint_window.h"
#include "shell/main_window_win.h"
#include "shell/program.h"
#include "shell/save_window.h"
#include "tests/support/exercises.h"
#include "tests/win32/program_fixture.h"
#include "tests/win32/ui_driver.h"
#include "ui/controls_win.h"
#include "ui/window_win.h"

namespace {

constexpr char kGeneration[] = "problmen";
constexpr char kEditor[] = "contingutprob";

// A topic that records every answer of its generation windows until the teacher leaves.
std::vector<uint8_t> g_fed;
void RecordingTopic(uint16_t) {
    for (;;) {
        const uint8_t subKind = ChooseSubKind("uno;dos;tres");
        g_fed.push_back(subKind);
        if (subKind == 0) return;
    }
}

class NestedWindowsTest : public ProgramTest<WindowsInteraction> {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        GenerateTopic = RecordingTopic;
        g_fed.clear();
    }

    // Runs the program's messages, as its main loop does, until the driver is done and no
    // window of the class is left.
    void RunUntilDone(const UiDriver& driver, const char* className) {
        MSG msg;
        const DWORD start = GetTickCount();
        while ((!driver.Finished() || FindThreadWindow(className) != nullptr) && GetTickCount() - start < 20000) {
            if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
};

// "Ok" in the hint window and a topic command in the same instant: the command waits for
// the hint window's loop to end, and its generation window returns the line chosen in it.
TEST_F(NestedWindowsTest, ATopicCommandPostedAsTheHintWindowClosesGetsItsOwnAnswer) {
    UiDriver driver;
    driver
        .When("posarpista",
              [this](HWND hint) {
                  CheckRadioButton(hint, kIdPlaceNowhere, kIdPlaceInAnswer, kIdPlaceInAnswer);
                  Click(hint, IDOK);
                  PostMessageA(main, WM_COMMAND, kCmdFirstTopic + 1, 0);
              })
        .When(kGeneration,
              [](HWND generation) {
                  ListSelect(generation, kIdSubKindList, 3);
                  Click(generation, IDOK);
              })
        .When(kGeneration, [](HWND generation) { Click(generation, IDCANCEL); })
        .WhenGone(kGeneration, [] {});
    SendMessageA(main, WM_COMMAND, kCmdHints, 0);
    EXPECT_EQ(DefaultHintPlacement, HintPlacement::InAnswer);
    RunUntilDone(driver, kGeneration);
    EXPECT_EQ(g_fed, (std::vector<uint8_t>{3, 0}));
}

// The same with real clicks: the clicks on a choice and on "Ok" wait in the input queue,
// and the topic command comes at the very next moment.
TEST_F(NestedWindowsTest, ATopicCommandRightAfterRealClicksOnTheHintWindow) {
    UiDriver driver;
    driver
        .When("posarpista",
              [](HWND hint) {
                  RealClick(GetDlgItem(hint, kIdPlaceInStatement));
                  RealClick(GetDlgItem(hint, IDOK));
              })
        .Then([this] { PostMessageA(main, WM_COMMAND, kCmdFirstTopic + 1, 0); })
        .When(kGeneration,
              [](HWND generation) {
                  ListSelect(generation, kIdSubKindList, 2);
                  RealClick(GetDlgItem(generation, IDOK));
              })
        .When(kGeneration, [](HWND generation) { RealClick(GetDlgItem(generation, IDCANCEL)); })
        .WhenGone(kGeneration, [] {});
    SendMessageA(main, WM_COMMAND, kCmdHints, 0);
    RunUntilDone(driver, kGeneration);
    EXPECT_EQ(g_fed, (std::vector<uint8_t>{2, 0}));
    EXPECT_EQ(DefaultHintPlacement, HintPlacement::InStatement);
    EXPECT_EQ(FindThreadWindow("posarpista"), nullptr);
}

// "->" while the generation window is open, then "Bien" on the generation window: the
// editor stays with its own loop, its "Aceptar" stores the edit, and the generator gets
// the line chosen in its window, never the editor's code.
TEST_F(NestedWindowsTest, BienUnderAnOpenEditorLeavesTheEditorItsOwnLoop) {
    AddExercise("uno");
    static HWND editor = nullptr;
    UiDriver driver;
    driver
        .When(kGeneration,
              [this](HWND) {
                  ListSelect(main, kIdBatchList, 1);
                  RealClick(GetDlgItem(main, kIdEditButton));
              })
        .When(kEditor,
              [](HWND e) {
                  editor = e;
                  SetItemText(e, kIdStatementEdit, "uno, corregido");
                  HWND generation = FindThreadWindow(kGeneration);
                  ListSelect(generation, kIdSubKindList, 2);
                  // The main window came over it with the click on "->": the teacher first
                  // clicks the part of the generation window that still shows...
                  ASSERT_TRUE(RealClickOnVisiblePart(generation));
              })
        .WhenTrue([] { return GetForegroundWindow() == FindThreadWindow(kGeneration); },
                  // ...and, once it has come to the front, on "Bien".
                  [] { RealClick(GetDlgItem(FindThreadWindow(kGeneration), IDOK)); })
        .WhenGone(kGeneration,
                  [] {
                      EXPECT_TRUE(IsWindowVisible(editor));
                      EXPECT_TRUE(g_fed.empty());  // the generator waits for the editor to finish
                      RealClick(GetDlgItem(editor, IDOK));
                  })
        .When(kGeneration, [](HWND generation) { Click(generation, IDCANCEL); });
    SendMessageA(main, WM_COMMAND, kCmdFirstTopic + 1, 0);
    EXPECT_EQ(g_fed, (std::vector<uint8_t>{2, 0}));
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Batch.Slot(1).statement, "uno, corregido");
    EXPECT_EQ(FindThreadWindow(kEditor), nullptr);
}

TEST_F(NestedWindowsTest, ASecondArrowWhileTheEditorIsOpenMakesNoSecondEditor) {
    AddExercise("uno");
    AddExercise("dos");
    static int editors = 0;
    UiDriver driver;
    driver
        .When(kEditor,
              [this](HWND) {
                  ListSelect(main, kIdBatchList, 2);
                  PostMessageA(main, WM_COMMAND, kIdEditButton, 0);
                  PostMessageA(main, WM_COMMAND, MAKEWPARAM(kIdBatchList, LBN_DBLCLK), 0);
              })
        .Then([] {})  // one tick later, both commands have been handled
        .When(kEditor,
              [](HWND e) {
                  editors = CountThreadWindows(kEditor);
                  EXPECT_EQ(ItemTextOf(e, kIdStatementEdit), "uno");
                  SetItemText(e, kIdStatementEdit, "uno, corregido");
                  Click(e, IDOK);
              });
    ListSelect(main, kIdBatchList, 1);
    SendMessageA(main, WM_COMMAND, kIdEditButton, 0);
    EXPECT_EQ(editors, 1);
    EXPECT_EQ(Batch.Slot(1).statement, "uno, corregido");
    EXPECT_EQ(Batch.Slot(2).statement, "dos");
    EXPECT_EQ(FindThreadWindow(kEditor), nullptr);
}

// A topic command while a topic runs, or while the editor (which its exercises need) is
// open, brings the open window to the front and starts nothing.
TEST_F(NestedWindowsTest, ATopicCommandDuringATopicOrTheEditorStartsNothing) {
    AddExercise("uno");
    UiDriver driver;
    driver
        .When(kGeneration,
              [this](HWND) {
                  PostMessageA(main, WM_COMMAND, kCmdFirstTopic + 2, 0);
                  ListSelect(main, kIdBatchList, 1);
                  PostMessageA(main, WM_COMMAND, kIdEditButton, 0);
              })
        .When(kEditor,
              [this](HWND) {
                  EXPECT_EQ(CountThreadWindows(kGeneration), 1);
                  PostMessageA(main, WM_COMMAND, kCmdFirstTopic + 3, 0);
              })
        .Then([] {})
        .When(kEditor,
              [](HWND e) {
                  EXPECT_EQ(CountThreadWindows(kGeneration), 1);
                  EXPECT_EQ(GetForegroundWindow(), e);
                  Click(e, IDCANCEL);
              })
        .When(kGeneration, [](HWND generation) { Click(generation, IDCANCEL); });
    SendMessageA(main, WM_COMMAND, kCmdFirstTopic + 1, 0);
    EXPECT_EQ(g_fed, (std::vector<uint8_t>{0}));
    // With the editor open on its own, a topic waits too.
    driver.When(kEditor, [this](HWND e) {
        SendMessageA(main, WM_COMMAND, kCmdFirstTopic + 1, 0);
        EXPECT_EQ(FindThreadWindow(kGeneration), nullptr);
        Click(e, IDCANCEL);
    });
    SendMessageA(main, WM_COMMAND, kIdEditButton, 0);
    EXPECT_EQ(g_fed, (std::vector<uint8_t>{0}));
}

TEST_F(NestedWindowsTest, ASecondExportWhileTheSaveWindowIsOpenMakesNoSecondOne) {
    AddExercise("uno");
    static int saveWindows = 0;
    UiDriver driver;
    driver
        .When("desarserie",
              [this](HWND) {
                  PostMessageA(main, WM_COMMAND, kCmdSave, 0);
                  PostMessageA(main, WM_COMMAND, kCmdEditPrint, 0);
              })
        .Then([] {})
        .When("desarserie", [](HWND save) {
            saveWindows = CountThreadWindows("desarserie");
            Click(save, IDCANCEL);
        });
    SendMessageA(main, WM_COMMAND, kCmdSave, 0);
    EXPECT_EQ(saveWindows, 1);
    EXPECT_EQ(FindThreadWindow("desarserie"), nullptr);
}

TEST_F(NestedWindowsTest, TheElementWindowsOpenOnceEach) {
    struct Case {
        uint16_t command;
        const char* title;
    };
    for (const Case& c : {Case{kCmdAtomicMasses, "M.A."}, Case{kCmdElements, "Elementos químicos"}}) {
        static int dialogs = 0;
        static const char* title = nullptr;
        title = c.title;
        UiDriver driver;
        driver
            .WhenTitled("#32770", c.title,
                        [this, c](HWND) {
                            PostMessageA(main, WM_COMMAND, c.command, 0);
                            PostMessageA(main, WM_COMMAND, c.command, 0);
                        })
            .Then([] {})
            .WhenTitled("#32770", c.title, [](HWND dialog) {
                dialogs = CountThreadWindows("#32770", title);
                PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            });
        SendMessageA(main, WM_COMMAND, c.command, 0);
        EXPECT_EQ(dialogs, 1) << c.title;
        EXPECT_EQ(FindThreadWindow("#32770", c.title), nullptr);
    }
}

}  // namespace
