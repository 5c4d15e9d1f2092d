#pragma once
// The Moodle window "moodle": how many variants of each exercise the quiz file holds and
// the tolerance of its numeric answers.

#include "shell/moodle_choice.h"

// Proposes the number of variants and the tolerance in percent; on "&Aceptar", with both
// read in their ranges, stores them and returns true. A field that is not is told and the
// window stays open on it.
bool MoodleWindow(int& variants, double& tolerancePercent);
