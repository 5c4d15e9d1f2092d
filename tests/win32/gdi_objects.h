#pragma once
// How many GDI objects the process holds, to catch handles that are never deleted.

#include <windows.h>

// GetGuiResources where the system implements it; under Wine, which answers 0 there, the
// live entries of the process's own GDI handle table.
DWORD GdiObjectCount();
