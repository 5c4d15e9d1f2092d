#pragma once
// Topic 11, "Solubilidad": the solubility of a salt of low solubility from its Ks, the Ks
// from a solubility measured in g/L, whether mixing two solutions precipitates the salt,
// and the solubility with a common ion; the salt picked from the list of "constantes.txt".

#include <cstdint>

// What each visit starts with: "constantes.txt" read again and no salt proposed.
void StartSolubilityVisit();
// The topic entry: reads "constantes.txt", then generation windows until the user leaves.
void SolubilityTopic();

// One exercise of sub-kind 1 to 4 into CurrentExercise, asking for the salt; nothing when
// the salt is not on the list.
//  1 Ks -> solubility in mol/L and g/L     2 solubility in g/L -> Ks
//  3 two solutions mixed: Q against Ks     4 solubility with a common ion
void GenerateSolubility(uint8_t subKind);
