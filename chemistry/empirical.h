#pragma once
// Topic 7, "Fórmula empírica": the percentage composition of a compound, and its empirical
// and molecular formulas found again from that composition.

#include <cstdint>
#include <vector>

#include "chemistry/exercise_text.h"

struct Compound;

// The share of each element of the compound in hundredths of a percent, rounded, the largest
// share taking up the rounding so that they add up to exactly 100.00 %.
std::vector<int> CompositionHundredths(const Compound& compound);

// The compound's counts divided by their greatest common divisor: C6H12O6 gives C 1, H 2, O 1.
std::vector<ElementCount> EmpiricalCounts(const Compound& compound);

// The topic entry: generation windows until the user leaves.
void EmpiricalTopic();

// One exercise of sub-kind 1 to 3 into CurrentExercise, asking for the compound's formula;
// nothing when the formula is refused.
//  1 percentage composition        2 empirical formula from the composition
//  3 molecular formula from the composition and the molar mass
void GenerateEmpirical(uint8_t subKind);
