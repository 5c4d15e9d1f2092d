#pragma once
// The main window "FPrincipal": the batch list, its buttons, the menu bar and the
// routing of every command.

#include <windows.h>

#include <cstdint>

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
    kIdExportButton = 102,
    kIdOpenButton = 103,
    kIdResetButton = 104,
};

// Menu commands.
enum : int {
    kCmdExit = 2,
    kCmdSave = 102,
    kCmdEditPrint = 103,
    kCmdReset = 104,
    kCmdAskConfirmation = 401,
    kCmdHints = 402,
    kCmdDecimalComma = 403,
    kCmdSignificantFigures = 404,
    kCmdAtomicMasses = 600,
    kCmdElements = 601,
    kCmdInfo = 901,
    kCmdAbout = 902,
};
