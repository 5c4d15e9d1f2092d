#pragma once
// The weak acids and bases of the tests of topic 10, set in Constants as a constants file
// would give them (the ammonium ion with its sign, as the file writes it).

#include "chemistry/constants.h"

inline WeakElectrolyte MakeWeak(const char* formula, const char* name, double k) {
    WeakElectrolyte weak;
    weak.compound.formula = formula;
    weak.name = name;
    weak.k = k;
    return weak;
}

inline void SetWeakElectrolytes() {
    Constants = ConstantsList{};
    ConstantsRead = true;  // as a load leaves it: a version reads no file over it
    Constants.acids = {MakeWeak("CH3COOH", "ácido acético", 1.8e-5),   MakeWeak("HCOOH", "ácido fórmico", 1.8e-4),
                       MakeWeak("HF", "ácido fluorhídrico", 6.8e-4),   MakeWeak("HNO2", "ácido nitroso", 4.5e-4),
                       MakeWeak("HCN", "ácido cianhídrico", 6.2e-10),  MakeWeak("HClO", "ácido hipocloroso", 3.0e-8),
                       MakeWeak("C6H5COOH", "ácido benzoico", 6.3e-5), MakeWeak("NH4+", "ion amonio", 5.6e-10)};
    Constants.bases = {MakeWeak("NH3", "amoníaco", 1.8e-5), MakeWeak("CH3NH2", "metilamina", 4.4e-4)};
}
