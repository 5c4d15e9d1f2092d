#include "chemistry/solutions.h"

#include "chemistry/exercise_text.h"
#include "chemistry/formula.h"
#include "chemistry/topics.h"
#include "shell/interaction.h"
#include "shell/messages.h"
#include "util/random.h"

namespace {

const char* const kLineBreak = "\r\n";
const char* const kData = "datos: ";

double DrawFlask() { return FlaskVolumes()[Random(int32_t(FlaskVolumes().size()))]; }

bool SameComposition(const Compound& a, const Compound& b) {
    if (a.count != b.count) return false;
    for (int i = 1; i <= a.count; ++i) {
        bool found = false;
        for (int j = 1; j <= b.count && !found; ++j) {
            found = a.Component(i).symbol == b.Component(j).symbol && a.Component(i).atoms == b.Component(j).atoms;
        }
        if (!found) return false;
    }
    return true;
}

void Dilution(const Compound& solute) {
    const double v2 = DrawFlask();
    const double c1 = (Random(12) + 1) / 2.0;                            // 0.5 to 6 M
    const double c2 = AsShown(c1 * (Random(9) + 1) / 20, MolarityText);  // 5 % to 45 % of c1
    const double v1 = c2 * v2 / c1;
    const std::string asked = NumberResult("V_1 =", v1, MillilitresText(v1), "mL");
    StoreWholeExercise("Calcular el volumen de disolución " + MolarityText(c1, kGiven) + " M de " +
                           FormulaMarkup(solute) + " que hay que tomar para preparar " + MillilitresText(v2, kGiven) +
                           " mL de disolución " + MolarityText(c2, kGiven) + " M.",
                       "  C_1·V_1 = C_2·V_2: V_1 = " + MolarityText(c2, kGiven) + " · " + MillilitresText(v2, kGiven) +
                           " / " + MolarityText(c1, kGiven) + " = " + asked + " mL");
}

void FromCommercialReagent(const Compound& solute) {
    const CommercialReagent* reagent = FindReagent(solute);
    if (reagent == nullptr) {
        std::string list;
        for (const CommercialReagent& known : CommercialReagents()) {
            list += (list.empty() ? "" : ", ") + std::string(known.formula) + " " + PercentText(known.percent, kGiven) + " %";
        }
        ShowMessageFlags(
            "Reactivo comercial",
            "No hay reactivo comercial de " + solute.formula + ".\rLos reactivos comerciales son: " + list + ".",
            kBoxIconExclamation);
        return;
    }
    const double millilitres = DrawFlask();
    const double molarity = (Random(20) + 1) / 10.0;  // 0.1 to 2 M
    const double litres = millilitres / 1000;
    const double moles = molarity * litres;
    const double pure = moles * solute.molarMass;
    const double commercial = pure * 100 / reagent->percent;
    const double volume = commercial / reagent->density;
    const std::string asked = NumberResult("V =", volume, MillilitresText(volume), "mL");
    StoreWholeExercise("Calcular el volumen de " + FormulaMarkup(solute) + " comercial (" +
                           PercentText(reagent->percent, kGiven) + " % en masa, densidad " +
                           DensityText(reagent->density) + " g/mL) necesario para preparar " +
                           MillilitresText(millilitres, kGiven) + " mL de disolución " +
                           MolarityText(molarity, kGiven) + " M." + kLineBreak + kData + DataLineOf({&solute}),
                       "  n = " + MolarityText(molarity, kGiven) + " · " + LitresText(litres, kGiven) + " = " +
                           MolesText(moles) +
                           " mol; m = " + MolesText(moles) + " · " + MolarMassText(solute.molarMass) + " = " +
                           GramsText(pure) + " g; comercial: " + GramsText(pure) + " · 100 / " +
                           PercentText(reagent->percent, kGiven) + " = " + GramsText(commercial) +
                           " g; V = " + GramsText(commercial) + " / " + DensityText(reagent->density) + " = " +
                           asked + " mL");
}

void ConcentrationsOfSolution(const Compound& solute) {
    Compound water;
    FormulaProblem problem;
    if (!ReadFormula(water, "H2O", problem)) {
        TellFormulaProblem(problem);  // the solvent's elements must be in the table too
        return;
    }
    MolarMass(water);
    if (SameComposition(solute, water)) {
        ShowMessageFlags("Disoluciones", "El disolvente es agua: el soluto ha de ser otra sustancia.",
                         kBoxIconExclamation);
        return;
    }
    const double millilitres = DrawFlask();
    // Aqueous solutions grow denser about linearly with their strength: from about 0.004 g/mL
    // per % (sugar, HCl) to 0.011 (NaOH); 10 % NaCl has 1.07 g/mL, 20 % NaCl 1.15.
    const double risePerPercent = (Random(8) + 4) / 1000.0;  // 0.004 to 0.011 g/mL
    const double massFraction = (Random(24) + 2) / 100.0;    // 2 % to 25 %
    const double density = AsShown(1 + risePerPercent * massFraction * 100, DensityText);
    const double grams = AsShown(millilitres * density * massFraction, GramsText);
    const double solutionGrams = millilitres * density;
    const double waterGrams = solutionGrams - grams;
    const double moles = grams / solute.molarMass;
    const double waterMoles = waterGrams / water.molarMass;
    // Recorded first, in the order of the answer: the operands of a + have no order of evaluation.
    const double perLitre = grams / (millilitres / 1000);
    const double molality = moles / (waterGrams / 1000);
    const double fraction = moles / (moles + waterMoles);
    const std::string perLitreShown = NumberResult("", perLitre, GramsPerLitreText(perLitre), "g/L");
    const std::string molalityShown = NumberResult("m =", molality, MolalityText(molality), "mol/kg");
    const std::string fractionShown = NumberResult("x =", fraction, MoleFractionText(fraction), "");
    StoreWholeExercise(
        "Se disuelven " + GramsText(grams, kGiven) + " g de " + FormulaMarkup(solute) + " en agua hasta " +
            MillilitresText(millilitres, kGiven) + " mL de disolución, de densidad " + DensityText(density) +
            " g/mL. Calcular la concentración en g/L, la molalidad y la fracción molar del soluto." + kLineBreak +
            kData + DataLineOf({&solute, &water}),
        "  " + perLitreShown + " g/L; agua: " + GramsText(solutionGrams) + " - " +
            GramsText(grams, kGiven) + " = " + GramsText(waterGrams) + " g; n = " + MolesText(moles) +
            " mol; m = " + molalityShown + " mol/kg; x = " + MolesText(moles) + " / (" +
            MolesText(moles) + " + " + MolesText(waterMoles) + ") = " + fractionShown);
}

void Mixture(const Compound& solute) {
    const double total = FlaskVolumes()[Random(int32_t(FlaskVolumes().size()) - 1) + 1];  // 100 mL and up
    const double v1 = total * (Random(9) + 1) / 10;
    const double v2 = total - v1;
    const int tenths1 = Random(30) + 1;                           // 0.1 to 3 M
    const int tenths2 = (tenths1 - 1 + Random(29) + 1) % 30 + 1;  // another of the same thirty
    const double c1 = tenths1 / 10.0;
    const double c2 = tenths2 / 10.0;
    const double moles = c1 * v1 / 1000 + c2 * v2 / 1000;
    const std::string markup = FormulaMarkup(solute);
    const double molarity = moles / (total / 1000);
    const std::string asked = NumberResult("M =", molarity, MolarityText(molarity), "mol/L");
    StoreWholeExercise("Se mezclan " + MillilitresText(v1, kGiven) + " mL de disolución " + MolarityText(c1, kGiven) +
                           " M de " + markup + " con " + MillilitresText(v2, kGiven) + " mL de disolución " +
                           MolarityText(c2, kGiven) + " M de " + markup +
                           ". Calcular la molaridad de la mezcla (volúmenes aditivos).",
                       "  n = " + MolarityText(c1, kGiven) + " · " + LitresText(v1 / 1000, kGiven) + " + " +
                           MolarityText(c2, kGiven) + " · " + LitresText(v2 / 1000, kGiven) + " = " + MolesText(moles) +
                           " mol; V = " + LitresText(total / 1000, kGiven) + " L; M = " + asked + " mol/L");
}

}  // namespace

const std::vector<CommercialReagent>& CommercialReagents() {
    static const std::vector<CommercialReagent> reagents = {
        {"HCl", 36, 1.18}, {"H2SO4", 98, 1.84}, {"HNO3", 65, 1.40}, {"NH3", 25, 0.91}, {"CH3COOH", 99.5, 1.05}};
    return reagents;
}

const CommercialReagent* FindReagent(const Compound& substance) {
    for (const CommercialReagent& reagent : CommercialReagents()) {
        Compound bottle;
        FormulaProblem ignored;  // a reagent whose elements the table lacks cannot be the substance
        if (ReadFormula(bottle, reagent.formula, ignored) && SameComposition(bottle, substance)) return &reagent;
    }
    return nullptr;
}

const std::vector<int>& FlaskVolumes() {
    static const std::vector<int> volumes = {50, 100, 250, 500, 1000};
    return volumes;
}

void GenerateSolution(uint8_t subKind) {
    static const SubKindOn<Compound> kinds[] = {
        {Dilution}, {FromCommercialReagent}, {ConcentrationsOfSolution}, {Mixture}};
    GenerateOn(subKind, kinds, AskRecipeFormula, CurrentCompound);
}

void SolutionsTopic() { RunTopic(*FindTopic(6)); }
