#pragma once
// The menu's "&Versiones...": the windows of the command around the plan of shell/versions_plan.h,
// whose exercises the generators make again.

// The save window when the batch was never exported, the versions window, then every
// document and the batch file written, or nothing at all.
void MakeWorksheetVersions();
