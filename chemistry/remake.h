#pragma once
// Making an exercise again from its recipe, for the versions of a worksheet: the same topic,
// sub-kind, formula (or reaction), choices and number options with new draws, and no window. The generator runs as it
// does for the teacher; a replaying user answers the formula, the reaction and the
// plausibility question from the recipe, and anything else that would need the teacher
// makes the exercise fail.

#include <cstdint>
#include <string>

#include "shell/batch.h"

// The seed of Random for exercise `number` of version `letter` (attempt 0, then 1, 2... when
// a draw repeats an earlier version); the same arguments always give the same seed.
uint32_t VersionSeed(uint32_t batchSeed, char letter, int number, int attempt);

// The exercise made again with Random seeded from VersionSeed; hint and placement are kept.
// False, with the reason in Spanish, when the recipe cannot be made again (no recipe, an
// unknown topic or sub-kind, a formula that no longer parses, a question not answered in the
// recipe, a kept choice the generator does not offer). CurrentExercise, the shared compound
// and reaction, the number options and the interaction in force are unchanged.
bool RemakeExercise(const ExerciseRecord& original, uint32_t batchSeed, char letter, int number, int attempt,
                    ExerciseRecord& made, std::string& why);
