#pragma once
// The program as it runs, for the tests that work its main window: the start-up done, the
// main window open over an empty batch, and `ui` answering for the user (the program's own
// windows, or a script). At the end the main window is destroyed and its messages run out,
// as when the program ends; the rest of the program's memory is put back before the next
// test (tests/support/program_state.h).

#include <windows.h>

#include <gtest/gtest.h>

#include "app/start_up.h"
#include "shell/batch.h"
#include "shell/interaction.h"
#include "shell/main_window_win.h"

template <class Interaction>
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetUpProgram();
        SetUserInteraction(&ui);
        main = CreateMainWindow();
        ASSERT_NE(main, nullptr);
        BatchStart();
    }
    void TearDown() override {
        if (IsWindow(main)) DestroyWindow(main);
        DrainUntilQuit();
    }

    // Runs pending messages; true when the quit message came, with its code.
    bool DrainUntilQuit(WPARAM* code = nullptr) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                if (code) *code = msg.wParam;
                return true;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        return false;
    }

    Interaction ui;
    HWND main = nullptr;
};
