#pragma once
// The program's one pseudo-random source. The windows re-seed it from the millisecond
// tick count (main window start, every message of the generation window, the about box);
// tests seed it or script its draws so that an exercise can be reproduced exactly.

#include <cstdint>
#include <vector>

// A whole number from 0 to n - 1 (0 when n is 0 or negative).
int32_t Random(int32_t n);

void SeedRandom(uint32_t seed);

// The next draws return these values, one per call, before the seeded sequence resumes.
// A scripted value must lie in 0 .. n - 1 of the draw that takes it.
void ScriptRandom(std::vector<int32_t> draws);

// Scripted draws not taken yet.
std::size_t ScriptedDrawsLeft();
