#pragma once
// Topic 6, "Disoluciones": dilutions, commercial reagents, concentrations in g/L, molality
// and mole fraction, and mixtures of two solutions of the same solute.

#include <cstdint>
#include <string>
#include <vector>

struct Compound;

// A commercial reagent as its bottle states it.
struct CommercialReagent {
    const char* formula;
    double percent;  // riqueza, % by mass
    double density;  // g/mL
};
const std::vector<CommercialReagent>& CommercialReagents();
// The reagent whose formula has the same elements and counts ("C2H4O2" is acetic acid too);
// nullptr when there is none.
const CommercialReagent* FindReagent(const Compound& substance);

// The volumes of the flasks in which a solution is made up, in mL.
const std::vector<int>& FlaskVolumes();

// The topic entry: generation windows until the user leaves.
void SolutionsTopic();

// One exercise of sub-kind 1 to 4 into CurrentExercise, asking for the solute's formula;
// nothing when the formula is refused.
//  1 dilution: volume of a C1 solution for V2 of C2       2 commercial reagent to prepare V of C
//  3 g/L, molality and mole fraction from m, V and density 4 mixture of two solutions
void GenerateSolution(uint8_t subKind);
