#pragma once
// The program's memory as a run finds it before its start-up: every global that the shell,
// the chemistry and the program's start-up keep (the descriptor and handlers, the batch and
// its seed, the options of zorvi.ini, the export settings, the table of elements and the
// files built into the program, the compound and the reaction, the random source, the
// windows' remembered choices). Every test starts from it (see fresh_start.cpp), so a test
// sets only what it needs otherwise and no test sees what another one left.

// Puts it back. The options are read as the start-up reads them, from zorvi.ini in the
// current folder: call it in a folder without that file to get the defaults.
void ResetProgramState();
