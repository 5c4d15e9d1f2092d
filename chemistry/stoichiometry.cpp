#include "chemistry/stoichiometry.h"

#include <string>
#include <vector>

#include "chemistry/exercise_text.h"
#include "chemistry/gases.h"
#include "chemistry/solutions.h"
#include "chemistry/topics.h"
#include "shell/interaction.h"
#include "shell/messages.h"
#include "util/number_format.h"
#include "util/random.h"

Reaction CurrentReaction;

namespace {

const char* const kLineBreak = "\r\n";
const char* const kData = "datos: ";
const char* const kCaption = "Estequiometría";

// The draws, in the order each sub-kind takes them. Which substance plays which part is a
// choice: every version of the exercise asks about the same ones.
double DrawGrams() { return (Random(951) + 50) / 10.0; }  // 5 to 100 g, to a tenth
const Substance& ChooseOne(const std::vector<Substance>& side) { return side[Choose(int32_t(side.size()))]; }

std::string Markup(const Substance& substance) { return FormulaMarkup(substance.compound); }
double MolarMassOf(const Substance& substance) { return substance.compound.molarMass; }

std::string Start(const Reaction& reaction) { return "Reacción: " + ReactionMarkup(reaction) + kLineBreak; }

std::string Data(std::initializer_list<const Compound*> compounds) {
    return std::string(kLineBreak) + kData + DataLineOf(compounds);
}

// "(1 mol CaCl_2 / 1 mol CaCO_3)"
std::string RatioFactor(const Substance& from, const Substance& to) {
    return "(" + IntToText(to.coefficient) + " mol " + Markup(to) + " / " + IntToText(from.coefficient) + " mol " +
           Markup(from) + ")";
}

// "25.5 g CaCO_3 · (1 mol / 100.09 g) · (1 mol CaCl_2 / 1 mol CaCO_3)": grams of one to moles of the other.
std::string GramsToMolesChain(double grams, Role role, const Substance& from, const Substance& to) {
    return GramsText(grams, role) + " g " + Markup(from) + " · (1 mol / " + MolarMassText(MolarMassOf(from)) + " g) · " +
           RatioFactor(from, to);
}

// " · (110.98 g / 1 mol) = 28.28 g de CaCl_2"; the mass is a result when the question asks for it.
std::string ToGrams(double moles, const Substance& to, bool asked) {
    const double grams = moles * MolarMassOf(to);
    const std::string shown = asked ? NumberResult("", grams, GramsText(grams), "g") : GramsText(grams);
    return " · (" + MolarMassText(MolarMassOf(to)) + " g / 1 mol) = " + shown + " g de " + Markup(to);
}

double ProductMoles(double grams, const Substance& from, const Substance& to) {
    return ReactingMoles(grams / MolarMassOf(from), from, to);
}

// Metals by atomic number: every element but the nonmetals, the noble gases and the metalloids.
bool IsMetal(uint16_t z) {
    static const uint16_t kOthers[] = {1, 2, 5, 6, 7, 8, 9, 10, 14, 15, 16, 17, 18, 33, 34, 35, 36, 52, 53, 54, 85, 86};
    for (uint16_t other : kOthers) {
        if (z == other) return false;
    }
    return z > 0;
}

// A solid at room temperature as a class takes it when the reaction does not say: a metal,
// a compound of a metal (oxides, hydroxides, carbonates, salts), an ammonium salt, or one of
// the solid nonmetals (C, Si, P, S...). Mercury alone is a liquid.
bool LooksSolid(const Compound& compound) {
    if (compound.count == 1) {
        const uint16_t z = compound.Component(1).z;
        static const uint16_t kSolidNonmetals[] = {5, 6, 14, 15, 16, 33, 34, 52, 53};
        for (uint16_t solid : kSolidNonmetals) {
            if (z == solid) return true;
        }
        return IsMetal(z) && z != 80;
    }
    for (int i = 1; i <= compound.count; ++i) {
        if (IsMetal(compound.Component(i).z)) return true;
    }
    return compound.formula.find("NH4") != std::string::npos;
}

void MassToMass(const Reaction& reaction) {
    const Substance& reactant = ChooseOne(reaction.reactants);
    const Substance& product = ChooseOne(reaction.products);
    const double grams = DrawGrams();
    StoreWholeExercise(
        Start(reaction) + "Calcular la masa de " + Markup(product) + " que se obtiene a partir de " +
            GramsText(grams, kGiven) + " g de " + Markup(reactant) + "." + Data({&reactant.compound, &product.compound}),
        "  " + GramsToMolesChain(grams, kGiven, reactant, product) +
            ToGrams(ProductMoles(grams, reactant, product), product, true));
}

void GasVolume(const Reaction& reaction) {
    std::vector<const Substance*> gases;
    for (const Substance& product : reaction.products) {
        if (product.gas) gases.push_back(&product);
    }
    if (gases.empty()) {
        ShowMessageFlags(kCaption,
                         "La reacción no da ningún gas.\rElija otra, o marque el gas con (g) detrás de su fórmula.",
                         kBoxIconExclamation);
        return;
    }
    const Substance& reactant = ChooseOne(reaction.reactants);
    const Substance& gas = *gases[Choose(int32_t(gases.size()))];
    const double grams = DrawGrams();
    const double celsius = Random(101);             // 0 to 100 °C
    const double atm = (Random(151) + 50) / 100.0;  // 0.5 to 2 atm
    const double moles = ProductMoles(grams, reactant, gas);
    const double kelvin = celsius + kZeroCelsius;
    const double litres = moles * kGasConstant * kelvin / atm;
    StoreWholeExercise(
        Start(reaction) + "Calcular el volumen de " + Markup(gas) + ", medido a " + CelsiusText(celsius) + " °C y " +
            PressureText(atm, kGiven) + " atm, que se obtiene a partir de " + GramsText(grams, kGiven) + " g de " +
            Markup(reactant) + "." + kLineBreak + kData +
            DataLineWith(DataLineOf({&reactant.compound, &gas.compound}),
                         "R = " + ConstantText(kGasConstant) + " atm·L/(mol·K)"),
        "  " + GramsToMolesChain(grams, kGiven, reactant, gas) + " = " + MolesText(moles) + " mol; T = " + KelvinText(kelvin) +
            " K; V = n·R·T / p = " + NumberResult("V =", litres, LitresText(litres), "L") + " L");
}

void LimitingReagent(const Reaction& reaction) {
    const std::size_t count = reaction.reactants.size();
    if (count < 2) {
        ShowMessageFlags(kCaption, "La reacción tiene un solo reactivo: no hay reactivo limitante.\rElija otra.",
                         kBoxIconExclamation);
        return;
    }
    const int first = Choose(int32_t(count));
    const int second = (first + 1 + Choose(int32_t(count) - 1)) % int(count);
    const Substance& a = reaction.reactants[first];
    const Substance& b = reaction.reactants[second];
    const Substance& product = ChooseOne(reaction.products);
    const double gramsA = DrawGrams();
    const double molesA = gramsA / MolarMassOf(a);
    const double needB = ReactingMoles(molesA, a, b);
    const double gramsB = AsShown(needB * DrawExcessFactor() * MolarMassOf(b), GramsText);
    const double molesB = gramsB / MolarMassOf(b);
    const bool aLimits = molesB > needB;
    const Substance& limiting = aLimits ? a : b;
    const double limitingMoles = aLimits ? molesA : molesB;
    const double productMoles = ReactingMoles(limitingMoles, limiting, product);
    // "1 mol O_2 necesita", "0.5 mol O_2 necesitan"
    const char* const need = AsShown(molesA, MolesText, Role::WorkedOut) == 1 ? " necesita " : " necesitan ";
    // Recorded first, in the order of the answer: the operands of a + have no order of evaluation.
    // The two the statement compares: it says any others are in excess.
    const std::string chosen = ChoiceResult("limitante", Markup(limiting), {Markup(a), Markup(b)});
    const std::string toProduct = ToGrams(productMoles, product, true);
    StoreWholeExercise(
        Start(reaction) + "Calcular el reactivo limitante y la masa de " + Markup(product) + " que se obtiene con " +
            GramsText(gramsA, kGiven) + " g de " + Markup(a) + " y " + GramsText(gramsB, kGiven) + " g de " + Markup(b) +
            (count > 2 ? " (los demás reactivos, en exceso)" : "") + "." +
            Data({&a.compound, &b.compound, &product.compound}),
        "  " + MolesText(molesA) + " mol " + Markup(a) + need + MolesText(needB) + " mol " + Markup(b) + " y hay " +
            MolesText(molesB) + " mol: limitante " + chosen + ". " + MolesText(limitingMoles) + " mol " +
            Markup(limiting) + " · " + RatioFactor(limiting, product) + toProduct);
}

void Purity(const Reaction& reaction) {
    const std::vector<const Substance*> impure = ImpureReactants(reaction);
    if (impure.empty()) {
        ShowMessageFlags(kCaption,
                         "La reacción no tiene ningún reactivo sólido ni comercial, que son los que tienen riqueza.\r"
                         "Elija otra, o marque el sólido con (s) detrás de su fórmula.",
                         kBoxIconExclamation);
        return;
    }
    const Substance& reactant = *impure[Choose(int32_t(impure.size()))];
    const Substance& product = ChooseOne(reaction.products);
    const double grams = DrawGrams();
    // A commercial reagent has the riqueza of its bottle: there is no hydrochloric acid of 85 %.
    const CommercialReagent* bottle = FindReagent(reactant.compound);
    const double percent = bottle ? bottle->percent : Random(39) + 60;  // 60 to 98 %
    const double pure = AsShown(grams * percent / 100, GramsText);
    StoreWholeExercise(Start(reaction) + "Calcular la masa de " + Markup(product) + " que se obtiene a partir de " +
                           GramsText(grams, kGiven) + " g de " + Markup(reactant) + " de riqueza " +
                           PercentText(percent, kGiven) + " %." + Data({&reactant.compound, &product.compound}),
                       "  " + GramsText(grams, kGiven) + " · " + PercentText(percent, kGiven) + " / 100 = " +
                           GramsText(pure) + " g puros; " + GramsToMolesChain(pure, Role::WorkedOut, reactant, product) +
                           ToGrams(ProductMoles(pure, reactant, product), product, true));
}

void Yield(const Reaction& reaction) {
    const Substance& reactant = ChooseOne(reaction.reactants);
    const Substance& product = ChooseOne(reaction.products);
    const double grams = DrawGrams();
    const double percent = Random(49) + 50;  // 50 to 98 %
    const double theoretical = ProductMoles(grams, reactant, product) * MolarMassOf(product);
    const double obtained = AsShown(theoretical * percent / 100, GramsText);
    const double yield = obtained / theoretical * 100;
    StoreWholeExercise(Start(reaction) + "A partir de " + GramsText(grams, kGiven) + " g de " + Markup(reactant) +
                           " se obtienen " + GramsText(obtained, kGiven) + " g de " + Markup(product) +
                           ". Calcular el rendimiento de la reacción." + Data({&reactant.compound, &product.compound}),
                       "  " + GramsToMolesChain(grams, kGiven, reactant, product) +
                           ToGrams(ProductMoles(grams, reactant, product), product, false) +
                           "; rendimiento = " + GramsText(obtained, kGiven) + " / " + GramsText(theoretical) +
                           " · 100 = " + NumberResult("rendimiento =", yield, PercentText(yield), "%") + " %");
}

// The reaction asked for and kept for the recipe, as AskRecipeFormula does with a formula.
bool AskRecipeReaction(Reaction& reaction) {
    if (!AskReaction(reaction)) return false;
    KeepRecipeText(reaction.text);
    return true;
}

}  // namespace

std::vector<const Substance*> ImpureReactants(const Reaction& reaction) {
    std::vector<const Substance*> impure;
    for (const Substance& reactant : reaction.reactants) {
        if (reactant.gas) continue;
        const bool solid = reactant.state == "(s)" || (reactant.state.empty() && LooksSolid(reactant.compound));
        if (solid || FindReagent(reactant.compound) != nullptr) impure.push_back(&reactant);
    }
    return impure;
}

double DrawExcessFactor() {
    const bool belowOne = Random(2) == 0;
    const int step = Random(7);
    return belowOne ? 0.55 + 0.05 * step : 1.15 + 0.125 * step;  // 0.55 to 0.85, or 1.15 to 1.9
}

void GenerateStoichiometry(uint8_t subKind) {
    static const SubKindOn<Reaction> kinds[] = {{MassToMass}, {GasVolume}, {LimitingReagent}, {Purity}, {Yield}};
    GenerateOn(subKind, kinds, AskRecipeReaction, CurrentReaction);
}

void StartStoichiometryVisit() {
    LoadReactions();  // at each visit: the teacher may have edited the file meanwhile
    CurrentReaction = Reaction{};
}

void StoichiometryTopic() { RunTopic(*FindTopic(8)); }
