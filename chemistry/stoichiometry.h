#pragma once
// Topic 8, "Estequiometría": mass to mass, the volume of a gas, the limiting reagent, a
// reactant of given purity and the yield, on a balanced reaction that the teacher picks
// from the list of "reacciones.txt" or types.

#include <cstdint>
#include <vector>

#include "chemistry/reactions.h"

// The reaction that the next question proposes; each visit to the topic starts without one.
extern Reaction CurrentReaction;

// The moles of the second reactant over those that the first one needs: from half to twice,
// never within 10 % of 1, so that the limiting reagent is never in doubt.
double DrawExcessFactor();

// The reactants that are sold or mined impure, which the "riqueza" exercise may give: the
// solids, marked "(s)" or taken as such (metals and their compounds, ammonium salts, C, S...),
// and the commercial reagents of the solutions topic. Never a gas, water or a liquid.
std::vector<const Substance*> ImpureReactants(const Reaction& reaction);

// What each visit starts with: "reacciones.txt" read again and no reaction proposed.
void StartStoichiometryVisit();
// The topic entry: reads "reacciones.txt", then generation windows until the user leaves.
void StoichiometryTopic();

// One exercise of sub-kind 1 to 5 into CurrentExercise, asking for the reaction; nothing
// when the reaction is refused or does not suit the sub-kind.
//  1 mass of a product from the mass of a reactant   2 volume of a gaseous product at t and p
//  3 limiting reagent                                4 reactant of given purity ("riqueza")
//  5 yield
void GenerateStoichiometry(uint8_t subKind);
