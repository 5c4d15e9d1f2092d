#pragma once
// Topic 5, "Gases": the ideal gas p·V = n·R·T, a change of state and the molar volume.

#include <cstdint>

constexpr double kGasConstant = 0.082;  // atm·L/(mol·K)
constexpr double kZeroCelsius = 273;    // K
constexpr double kMmHgPerAtm = 760;
constexpr double kMolarVolume = 22.4;  // L/mol at 0 °C and 1 atm

// The topic entry: generation windows until the user leaves.
void GasesTopic();

// One exercise of sub-kind 1 to 5 into CurrentExercise, asking for the gas's formula where
// one is needed; nothing when the formula is refused.
//  1 pressure of m g in V L at t °C        2 volume of m g at t °C and p
//  3 molar mass from m, V, p and t          4 change of state (V2 or p2)
//  5 volume at 0 °C and 1 atm (22.4 L/mol)
void GenerateGas(uint8_t subKind);
