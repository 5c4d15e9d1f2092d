#pragma once
// What makes the generic shell this program: the start-up that fills the shell's
// descriptor and globals, and the two handlers that connect the shell's menus to the
// chemistry topics and the element windows.

#include <cstdint>

// Runs topic n's generator (1 to 8); any other number does nothing.
void TopicDispatch(uint16_t topic);

// 600 opens the list of atomic masses, 601 the element editor; any other id does nothing.
void DataDispatch(uint16_t id);

// Start-up before the main window: globals, descriptor, handlers, elements database.
void SetUpProgram();

// After the main window has ended: the handlers are released.
void ReleaseProgram();
