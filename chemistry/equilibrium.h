#pragma once
// Topic 9, "Equilibrio químico": on a gas equilibrium picked from the list of "constantes.txt",
// Kc from the amounts at equilibrium, Kp from Kc and back, the concentrations at equilibrium
// from Kc (a quadratic), the degree of dissociation of a gas with its partial pressures, and
// the reaction quotient against Kc.

#include <cstdint>
#include <string>

struct Equilibrium;

// The equilibrium as the list shows it and the teacher types it: "N2O4 <=> 2 NO2".
std::string EquilibriumText(const Equilibrium& equilibrium);

// What each visit starts with: "constantes.txt" read again and no equilibrium proposed.
void StartEquilibriumVisit();
// The topic entry: generation windows until the user leaves.
void EquilibriumTopic();

// One exercise of sub-kind 1 to 5 into CurrentExercise, asking for the equilibrium among those
// of the list that suit the sub-kind; nothing when none suits or the teacher gives none.
//  1 Kc from the initial amounts and the amount of one species at equilibrium
//  2 Kp from Kc, or Kc from Kp               3 concentrations at equilibrium from Kc
//  4 degree of dissociation and partial pressures (A <=> B + C, A <=> 2 B)
//  5 the reaction quotient against Kc: which way the system goes
void GenerateEquilibrium(uint8_t subKind);
