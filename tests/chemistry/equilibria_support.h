#pragma once
// The equilibria of the chemical equilibrium tests, set in memory as a load of
// "constantes.txt" leaves them: the reactions of the classroom with a textbook's Kc.

#include <gtest/gtest.h>

#include <string>

#include "chemistry/constants.h"
#include "chemistry/elements.h"
#include "tests/chemistry/chemistry_support.h"

struct ListedEquilibrium {
    const char* reaction;  // as ReadReaction takes it
    double kc;
    double kelvin;
};

inline const ListedEquilibrium kCourseEquilibria[] = {
    {"N2O4 -> 2 NO2", 4.6e-3, 298},      {"PCl5 -> PCl3 + Cl2", 0.042, 523},  {"H2 + I2 -> 2 HI", 50, 721},
    {"N2 + 3 H2 -> 2 NH3", 0.5, 673},    {"COCl2 -> CO + Cl2", 2.2e-10, 373}, {"2 SO2 + O2 -> 2 SO3", 280, 1000},
    {"CO + H2O -> CO2 + H2", 1.6, 1259},
};

// Constants.equilibria with those of kCourseEquilibria, the elements they need added to the
// table in force when it lacks them.
inline void SetCourseEquilibria() {
    for (const TableEntry& entry : {TableEntry{"P", 30.974, 15}, TableEntry{"I", 126.904, 53}}) {
        if (FindElement(entry.symbol) == 0) {
            Elements.Slot(++Elements.count) = MakeElement(entry.symbol, entry.name, entry.z, entry.mass);
        }
    }
    Constants = ConstantsList{};
    ConstantsRead = true;  // as a load leaves it: a version reads no file over it
    for (const ListedEquilibrium& listed : kCourseEquilibria) {
        Equilibrium equilibrium;
        ReactionProblem problem;
        ASSERT_TRUE(ReadReaction(listed.reaction, equilibrium.reaction, problem)) << problem.reason;
        equilibrium.kc = listed.kc;
        equilibrium.kelvin = listed.kelvin;
        Constants.equilibria.push_back(equilibrium);
    }
}
