#pragma once
// The versions window "versiones": how many versions of the worksheet to make and the
// batch's seed they are made from.

#include <cstdint>

#include "shell/versions_choice.h"

// Proposes the number of versions and the seed; on "&Aceptar", with both read as whole
// numbers in their ranges, stores them and returns true. A field that is not is told and
// the window stays open on it.
bool VersionsWindow(int& count, uint32_t& seed);
