#pragma once
// The main window "FPrincipal": the batch list, its buttons, the menu bar and the
// routing of every command.

#include <windows.h>

#include <cstdint>

#include "shell/commands.h"

// Creates the main window and runs the program until the user quits.
void RunMainWindow();

// Creates and initialises the main window (no loop); nullptr after a failure, reported.
HWND CreateMainWindow();

// The main window, nullptr before it exists and after it is destroyed.
HWND MainWindowHandle();

// Runs the shell command with that id; false when the id is not one of the shell's own.
bool DispatchCommand(uint16_t id);

// Control ids.
enum : int {
    kIdBatchList = 150,
    kIdEditButton = 3,
    kIdDeleteButton = 4,
    kIdDownButton = 5,
    kIdUpButton = 6,
    kIdExportButton = kCmdSave,  // the buttons send the commands of the batch menu
    kIdOpenButton = kCmdEditPrint,
    kIdResetButton = kCmdReset,
};

