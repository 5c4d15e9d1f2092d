#include <windows.h>

#include "app/built_in_files.h"
#include "app/start_up.h"
#include "app/win_interaction.h"
#include "shell/main_window.h"
#include "ui/window.h"

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
