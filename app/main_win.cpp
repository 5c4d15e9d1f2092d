#include <windows.h>

#include "app/built_in_files.h"
#include "app/start_up.h"
#include "app/interaction_win.h"
#include "shell/main_window_win.h"
#include "ui/window_win.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    SetAppStart(instance, showCommand);
    WindowsInteraction ui;
    SetUserInteraction(&ui);
    InstallBuiltInFiles();
    SetUpProgram();
    RunMainWindow();
    ReleaseProgram();
    SetUserInteraction(nullptr);
    return 0;
}
