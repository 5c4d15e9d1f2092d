#include "chemistry/gases.h"

#include <string>

#include "chemistry/exercise_text.h"
#include "chemistry/formula.h"
#include "chemistry/topics.h"
#include "util/random.h"

namespace {

const char* const kLineBreak = "\r\n";
const char* const kData = "datos: ";

// The draws, in the order each sub-kind takes them. Amounts are drawn in moles so that
// every gas, light or heavy, gives pressures and volumes that a class would meet. The unit
// and the quantity asked are choices: every version of the exercise keeps them.
bool ChooseMmHg() { return Choose(2) == 1; }
double DrawAmount() { return (Random(19) + 2) / 10.0; }  // 0.2 to 2 mol
double DrawLitres() { return Random(19) + 2; }           // 2 to 20 L
double DrawCelsius() { return Random(121) - 20; }        // -20 to 100 °C
double DrawPressure(bool mmHg) {                         // 0.5 to 5 atm, or 200 to 2000 mmHg
    return mmHg ? (Random(181) + 20) * 10.0 : (Random(46) + 5) / 10.0;
}

const char* Unit(bool mmHg) { return mmHg ? " mmHg" : " atm"; }
double ToAtm(double pressure, bool mmHg) { return mmHg ? pressure / kMmHgPerAtm : pressure; }
double Kelvin(double celsius) { return celsius + kZeroCelsius; }

// The data line of a gas, with R after its atomic masses.
std::string GasData(const Compound& gas) {
    return DataLineWith(DataLineOf({&gas}), "R = " + ConstantText(kGasConstant) + " atm·L/(mol·K)");
}

// "T = 25 + 273 = 298 K"
std::string KelvinStep(double celsius) {
    return "T = " + CelsiusText(celsius) + " + " + ConstantText(kZeroCelsius) + " = " + KelvinText(Kelvin(celsius)) +
           " K";
}

// "p = 750 / 760 = 0.986842 atm; " when the pressure was given in mmHg, else nothing.
std::string AtmStep(double pressure, bool mmHg) {
    if (!mmHg) return "";
    return "p = " + PressureText(pressure, kGiven) + " / " + ConstantText(kMmHgPerAtm) + " = " +
           PressureText(ToAtm(pressure, true)) + " atm; ";
}

// "n = 8.8 / 44.01 = 0.199955 mol"
std::string MolesStep(double grams, const Compound& gas) {
    return "n = " + GramsText(grams, kGiven) + " / " + MolarMassText(gas.molarMass) + " = " + MolesText(grams / gas.molarMass) +
           " mol";
}

// "a 25 °C y 1.5 atm"
std::string Conditions(double celsius, double pressure, bool mmHg) {
    return "a " + CelsiusText(celsius) + " °C y " + PressureText(pressure, kGiven) + Unit(mmHg);
}

void PressureOfSample(const Compound& gas) {
    const bool mmHg = ChooseMmHg();
    const double grams = AsShown(DrawAmount() * gas.molarMass, GramsText);
    const double litres = DrawLitres();
    const double celsius = DrawCelsius();
    const double atm = grams / gas.molarMass * kGasConstant * Kelvin(celsius) / litres;
    // The pressure asked is in the unit of the question; atm is only a step towards mmHg.
    const double asked = mmHg ? atm * kMmHgPerAtm : atm;
    const std::string pressure = NumberResult("p =", asked, PressureText(asked), Unit(mmHg));
    StoreWholeExercise(
        "Calcular la presión, en" + std::string(Unit(mmHg)) + ", que ejercen " + GramsText(grams, kGiven) + " g de " +
            FormulaMarkup(gas) + " en un recipiente de " + LitresText(litres, kGiven) + " L a " + CelsiusText(celsius) +
            " °C." + kLineBreak + kData + GasData(gas),
        "  " + MolesStep(grams, gas) + "; " + KelvinStep(celsius) + "; p = n·R·T / V = " +
            (mmHg ? PressureText(atm) + " atm = " + pressure : pressure) + Unit(mmHg));
}

void VolumeOfSample(const Compound& gas) {
    const bool mmHg = ChooseMmHg();
    const double grams = AsShown(DrawAmount() * gas.molarMass, GramsText);
    const double pressure = DrawPressure(mmHg);
    const double celsius = DrawCelsius();
    const double litres = grams / gas.molarMass * kGasConstant * Kelvin(celsius) / ToAtm(pressure, mmHg);
    StoreWholeExercise("Calcular el volumen que ocupan " + GramsText(grams, kGiven) + " g de " + FormulaMarkup(gas) +
                           " " + Conditions(celsius, pressure, mmHg) + "." + kLineBreak + kData + GasData(gas),
                       "  " + MolesStep(grams, gas) + "; " + KelvinStep(celsius) + "; " + AtmStep(pressure, mmHg) +
                           "V = n·R·T / p = " + NumberResult("V =", litres, LitresText(litres), "L") + " L");
}

// The typed gas makes the numbers; the answer finds its molar mass again from them.
void MolarMassOfSample(const Compound& gas) {
    const bool mmHg = ChooseMmHg();
    const double pressure = DrawPressure(mmHg);
    const double litres = DrawLitres();
    const double celsius = DrawCelsius();
    const double moles = ToAtm(pressure, mmHg) * litres / (kGasConstant * Kelvin(celsius));
    const double grams = AsShown(moles * gas.molarMass, GramsText);
    const double found = grams * kGasConstant * Kelvin(celsius) / (ToAtm(pressure, mmHg) * litres);
    const std::string markup = FormulaMarkup(gas);
    StoreWholeExercise("Una muestra de " + GramsText(grams, kGiven) + " g de un gas ocupa " + LitresText(litres, kGiven) +
                           " L " + Conditions(celsius, pressure, mmHg) + ". Calcular su masa molar. ¿Puede ser " +
                           markup + "?" + kLineBreak + kData + GasData(gas),
                       "  " + KelvinStep(celsius) + "; " + AtmStep(pressure, mmHg) +
                           "M = m·R·T / (p·V) = " + NumberResult("M =", found, FoundMolarMassText(found), "g/mol") +
                           " g/mol, que coincide con M(" + markup + ") = " + MolarMassText(gas.molarMass) + " g/mol");
}

void ChangeOfState(const Compound&) {
    const bool mmHg = ChooseMmHg();
    const double p1 = DrawPressure(mmHg);
    const double v1 = DrawLitres();
    const double t1 = DrawCelsius();
    const double t2 = DrawCelsius();
    const bool askVolume = Choose(2) == 0;
    const std::string start = "Un gas ocupa " + LitresText(v1, kGiven) + " L " + Conditions(t1, p1, mmHg) + ". ";
    const std::string ratio = "  p_1·V_1 / T_1 = p_2·V_2 / T_2, con T_1 = " + KelvinText(Kelvin(t1)) +
                              " K y T_2 = " + KelvinText(Kelvin(t2)) + " K: ";
    if (askVolume) {
        const double p2 = DrawPressure(mmHg);
        const double v2 = p1 * v1 * Kelvin(t2) / (Kelvin(t1) * p2);
        StoreWholeExercise(start + "Calcular su volumen " + Conditions(t2, p2, mmHg) + ".",
                           ratio + "V_2 = p_1·V_1·T_2 / (T_1·p_2) = " + NumberResult("V_2 =", v2, LitresText(v2), "L") +
                               " L");
    } else {
        const double v2 = DrawLitres();
        const double p2 = p1 * v1 * Kelvin(t2) / (Kelvin(t1) * v2);
        StoreWholeExercise(
            start + "Calcular su presión si pasa a ocupar " + LitresText(v2, kGiven) + " L a " + CelsiusText(t2) + " °C.",
            ratio + "p_2 = p_1·V_1·T_2 / (T_1·V_2) = " + NumberResult("p_2 =", p2, PressureText(p2), Unit(mmHg)) +
                Unit(mmHg));
    }
}

void VolumeAtNormalConditions(const Compound& gas) {
    const double grams = AsShown(DrawAmount() * gas.molarMass, GramsText);
    const double moles = grams / gas.molarMass;
    const double litres = moles * kMolarVolume;
    StoreWholeExercise("Calcular el volumen que ocupan " + GramsText(grams, kGiven) + " g de " + FormulaMarkup(gas) +
                           " en condiciones normales (0 °C y 1 atm)." + kLineBreak + kData + DataLineOf({&gas}),
                       "  " + MolesStep(grams, gas) + "; V = " + MolesText(moles) + " · " + ConstantText(kMolarVolume) +
                           " = " + NumberResult("V =", litres, LitresText(litres), "L") + " L");
}

}  // namespace

void GenerateGas(uint8_t subKind) {
    // The change of state holds for any gas: it asks for no formula.
    static const SubKindOn<Compound> kinds[] = {
        {PressureOfSample}, {VolumeOfSample}, {MolarMassOfSample}, {ChangeOfState, false}, {VolumeAtNormalConditions}};
    GenerateOn(subKind, kinds, AskRecipeFormula, CurrentCompound);
}

void GasesTopic() { RunTopic(*FindTopic(5)); }
