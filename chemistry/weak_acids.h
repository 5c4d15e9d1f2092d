#pragma once
// Topic 10, "Ácidos y bases débiles": the pH and degree of ionisation of a weak acid or base,
// its Ka or Kb from a measured pH, the pH of a salt that hydrolyses and a titration to its
// equivalence point, on a substance that the teacher picks from the acids and bases of
// "constantes.txt" (or of its salts, for the hydrolysis).
//
// Every concentration drawn leaves the ion that the solute gives (H3O+ of an acid, OH- of a
// base) at least ten times what pure water has, 1e-6 M: water's own ions then change it by
// 1 % at most, which no pH of two decimals shows, and the quadratic without water holds.

#include <cstdint>
#include <string>

// The ion concentration that the solute must give at least: pH 6 for an acid, pOH 6 for a base.
constexpr double kLeastSoluteIons = 1e-6;

// The [H3O+] of a weak acid (or [OH-] of a weak base) of constant k and concentration c, by
// the quadratic x² + k·x - k·c = 0 without the approximation c - x = c.
double WeakIons(double k, double concentration);

// The formula of the species that differs from `formula` by one proton: the conjugate base
// of an acid (its charge one less) or the conjugate acid of a base, written without charges;
// empty when the formula does not show which hydrogen goes or where one comes.
//   acid "CH3COOH" -> "CH3COO", "HF" -> "F", "NH4" (the ion) -> "NH3"; base "NH3" -> "NH4"
std::string ConjugateFormula(const std::string& formula, bool isBase);

// What each visit starts with: "constantes.txt" read again.
void StartWeakAcidsVisit();
// The topic entry: reads the constants, then generation windows until the user leaves.
void WeakAcidsTopic();

// One exercise of sub-kind 1 to 4 into CurrentExercise, asking for the acid or base (the
// salt, in 3); nothing when the teacher cancels or names one that is not on the list.
//  1 pH and degree of ionisation from c        2 Ka or Kb from c and the pH
//  3 pH of a salt that hydrolyses               4 titration: volume and pH at the equivalence point
void GenerateWeakAcids(uint8_t subKind);
