#pragma once
// The salts of low solubility that the solubility tests work on, filled in as
// "constantes.txt" would give them, and the elements they need beside the course's.

#include <string>

#include "chemistry/constants.h"
#include "chemistry/formula.h"
#include "tests/chemistry/chemistry_support.h"

// The course's masses (course_topics_support.h) and those of the salts' other elements.
inline void SetSaltTable() {
    SetElementTable({{"H", 1.008, 1},       {"C", 12.011, 6},         {"N", 14.007, 7},         {"O", 15.999, 8},
                     {"Na", 22.98976928, 11}, {"Al", 26.9815386, 13}, {"S", 32.06, 16},         {"Cl", 35.45, 17},
                     {"K", 39.0983, 19},    {"Ca", 40.078, 20},       {"Fe", 55.845, 26},       {"Zn", 65.38, 30},
                     {"F", 18.998403163, 9}, {"Mg", 24.305, 12},      {"P", 30.973761998, 15}, {"Cr", 51.9961, 24},
                     {"Br", 79.904, 35},    {"Ag", 107.8682, 47},     {"I", 126.90447, 53},     {"Ba", 137.327, 56},
                     {"Pb", 207.2, 82}});
}

inline SparinglySoluble MakeSalt(const char* formula, SaltIon cation, SaltIon anion, double ks) {
    SparinglySoluble salt;
    FormulaProblem problem;
    EXPECT_TRUE(ReadFormula(salt.compound, formula, problem)) << formula;
    MolarMass(salt.compound);
    salt.cation = cation;
    salt.anion = anion;
    salt.ks = ks;
    return salt;
}

// One salt of every ion ratio (AB, AB2, A2B, A3B2) and the hydroxides, whose OH^- the
// exercises treat apart.
inline void SetTestSalts() {
    Constants = ConstantsList{};
    ConstantsRead = true;  // as a load leaves it: a version reads no file over it
    Constants.salts = {
        MakeSalt("AgCl", {"Ag", 1, 1}, {"Cl", -1, 1}, 1.8e-10),
        MakeSalt("BaSO4", {"Ba", 2, 1}, {"SO4", -2, 1}, 1.1e-10),
        MakeSalt("CaF2", {"Ca", 2, 1}, {"F", -1, 2}, 3.9e-11),
        MakeSalt("PbI2", {"Pb", 2, 1}, {"I", -1, 2}, 7.1e-9),
        MakeSalt("Ag2CrO4", {"Ag", 1, 2}, {"CrO4", -2, 1}, 1.1e-12),
        MakeSalt("Mg(OH)2", {"Mg", 2, 1}, {"OH", -1, 2}, 1.8e-11),
        MakeSalt("Fe(OH)3", {"Fe", 3, 1}, {"OH", -1, 3}, 2.8e-39),
        MakeSalt("Ca3(PO4)2", {"Ca", 2, 3}, {"PO4", -3, 2}, 2.0e-29),
    };
}
