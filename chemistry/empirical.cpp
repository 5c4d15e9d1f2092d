#include "chemistry/empirical.h"

#include <cmath>
#include <numeric>
#include <string>

#include "chemistry/formula.h"
#include "chemistry/topics.h"
#include "shell/interaction.h"
#include "shell/messages.h"
#include "util/number_format.h"

namespace {

const char* const kLineBreak = "\r\n";
const char* const kData = "datos: ";
const char* const kCaption = "Fórmula empírica";

// A ratio counts as whole within this, as a student reads it from a composition to two decimals.
constexpr double kWholeTolerance = 0.1;
// Beyond this multiplier the ratios of a composition no longer show the formula clearly.
constexpr int kMultiplierMax = 6;

bool LooksWhole(double x) { return std::fabs(x - std::round(x)) <= kWholeTolerance; }

// What a student works out from the composition of the statement: moles in 100 g, and
// those divided by the smallest.
struct Reading {
    std::vector<double> percents;  // as the statement shows them
    std::vector<double> moles;     // in 100 g
    double smallest = 0;
    std::vector<double> ratios;
    int multiplier = 1;  // turns the ratios into the empirical counts
};

Reading ReadComposition(const Compound& compound) {
    Reading reading;
    const std::vector<int> hundredths = CompositionHundredths(compound);
    for (int i = 1; i <= compound.count; ++i) {
        reading.percents.push_back(hundredths[i - 1] / 100.0);
        reading.moles.push_back(reading.percents.back() / compound.Component(i).mass);
    }
    reading.smallest = reading.moles[0];
    for (double moles : reading.moles) reading.smallest = std::min(reading.smallest, moles);
    for (double moles : reading.moles) reading.ratios.push_back(moles / reading.smallest);
    int smallestCount = EmpiricalCounts(compound)[0].atoms;
    for (const ElementCount& count : EmpiricalCounts(compound)) smallestCount = std::min(smallestCount, count.atoms);
    reading.multiplier = smallestCount;
    return reading;
}

// False, after telling the user, when the composition would not lead a student to the
// formula: one element only, a share that shows as 0.00 %, or ratios that look whole with a
// smaller multiplier than the right one (or not at all with it).
bool CompositionIsClear(const Compound& compound, const Reading& reading) {
    const std::string name = compound.formula;
    if (compound.count < 2) {
        ShowMessageFlags(kCaption, name + " tiene un solo elemento: elija un compuesto.", kBoxIconExclamation);
        return false;
    }
    for (std::size_t i = 0; i < reading.percents.size(); ++i) {
        if (!(reading.moles[i] > 0) || !std::isfinite(reading.moles[i])) {
            ShowMessageFlags(kCaption,
                             "En " + name + " el " + compound.Component(int(i) + 1).symbol +
                                 " no llega al 0.01 %: elija otro compuesto.",
                             kBoxIconExclamation);
            return false;
        }
    }
    const std::vector<ElementCount> counts = EmpiricalCounts(compound);
    bool clear = reading.multiplier <= kMultiplierMax;
    for (int k = 1; clear && k <= reading.multiplier; ++k) {
        bool whole = true;
        for (std::size_t i = 0; i < reading.ratios.size(); ++i) {
            const double scaled = k * reading.ratios[i];
            whole = whole && LooksWhole(scaled) && (k < reading.multiplier || std::lround(scaled) == counts[i].atoms);
        }
        clear = k < reading.multiplier ? !whole : whole;
    }
    if (!clear) {
        ShowMessageFlags(kCaption,
                         "La composición de " + name +
                             " no lleva con claridad a su fórmula empírica.\rElija un compuesto más sencillo.",
                         kBoxIconExclamation);
    }
    return clear;
}

// "40.00 % de C, 6.71 % de H y 53.29 % de O"
std::string CompositionList(const Compound& compound, const Reading& reading) {
    std::string list;
    for (int i = 1; i <= compound.count; ++i) {
        if (i > 1) list += i == compound.count ? " y " : ", ";
        list += CompositionText(reading.percents[i - 1]) + " % de " + compound.Component(i).symbol;
    }
    return list;
}

// "C 3.33 mol, H 6.66 mol, O 3.33 mol; entre 3.33: C 1, H 2, O 1" and, when needed,
// "; por 3: Fe 3, O 4" (under the decimal comma "C 1; H 2; O 1")
std::string RatioSteps(const Compound& compound, const Reading& reading, bool withGrams) {
    std::string steps;
    for (int i = 1; i <= compound.count; ++i) {
        if (i > 1) steps += ", ";
        steps += compound.Component(i).symbol + " ";
        if (withGrams) steps += CompositionText(reading.percents[i - 1]) + " g = ";
        steps += MolesText(reading.moles[i - 1]) + " mol";
    }
    const std::string separator = NumberListSeparator();
    steps += "; entre " + MolesText(reading.smallest) + ": ";
    for (int i = 1; i <= compound.count; ++i) {
        steps += (i > 1 ? separator : "") + compound.Component(i).symbol + " " + RatioText(reading.ratios[i - 1]);
    }
    if (reading.multiplier > 1) {
        const std::vector<ElementCount> counts = EmpiricalCounts(compound);
        steps += "; por " + IntToText(reading.multiplier) + ": ";
        for (std::size_t i = 0; i < counts.size(); ++i) {
            steps += (i > 0 ? separator : "") + counts[i].symbol + " " + IntToText(counts[i].atoms);
        }
    }
    return steps;
}

double CountsMass(const Compound& compound, const std::vector<ElementCount>& counts) {
    double mass = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) mass += counts[i].atoms * compound.Component(int(i) + 1).mass;
    return mass;
}

void Composition(const Compound& compound) {
    std::string shares;
    for (int i = 1; i <= compound.count; ++i) {
        const CompoundComponent& component = compound.Component(i);
        // The element's grams in a mole: a sum of the table's masses, as the molar mass is.
        const double grams = component.atoms * component.mass;
        // Each share rounded on its own, as the student rounds it: they may add up to 99.99 %.
        const double percent = grams / compound.molarMass * 100;
        const std::string label = component.symbol + ":";
        shares += "; " + label + " " + MolarMassText(grams) + " g (" +
                  NumberResult(label, percent, CompositionText(percent), "%") + " %)";
    }
    StoreWholeExercise("Calcular la composición centesimal de " + FormulaMarkup(compound) + "." + kLineBreak + kData +
                           DataLineOf({&compound}),
                       "  M = " + MolarMassText(compound.molarMass) + " g/mol" + shares);
}

void EmpiricalFormula(const Compound& compound) {
    const Reading reading = ReadComposition(compound);
    if (!CompositionIsClear(compound, reading)) return;
    StoreWholeExercise("Un compuesto contiene " + CompositionList(compound, reading) +
                           ". Calcular su fórmula empírica." + kLineBreak + kData + DataLineOf({&compound}),
                       "  En 100 g: " + RatioSteps(compound, reading, true) +
                           ". Fórmula empírica: " +
                           FormulaResult("Fórmula empírica:", CountsMarkup(EmpiricalCounts(compound))));
}

void MolecularFormula(const Compound& compound) {
    const Reading reading = ReadComposition(compound);
    if (!CompositionIsClear(compound, reading)) return;
    const std::vector<ElementCount> empirical = EmpiricalCounts(compound);
    const double empiricalMass = CountsMass(compound, empirical);
    const int times = compound.Component(1).atoms / empirical[0].atoms;
    StoreWholeExercise("Un compuesto contiene " + CompositionList(compound, reading) + ", y su masa molar es " +
                           MolarMassText(compound.molarMass) + " g/mol. Calcular su fórmula molecular." + kLineBreak +
                           kData + DataLineOf({&compound}),
                       "  En 100 g: " + RatioSteps(compound, reading, false) + "; empírica " + CountsMarkup(empirical) +
                           ", " + MolarMassText(empiricalMass) + " g/mol; " + MolarMassText(compound.molarMass) +
                           " / " + MolarMassText(empiricalMass) + " = " + IntToText(times) + ": molecular " +
                           FormulaResult("molecular", CountsMarkup(CountsOf(compound))));
}

}  // namespace

std::vector<int> CompositionHundredths(const Compound& compound) {
    std::vector<int> hundredths;
    if (compound.count == 0) return hundredths;
    double total = 0;
    for (int i = 1; i <= compound.count; ++i) total += compound.Component(i).atoms * compound.Component(i).mass;
    int sum = 0;
    std::size_t largest = 0;
    for (int i = 1; i <= compound.count; ++i) {
        const double share = total > 0 ? compound.Component(i).atoms * compound.Component(i).mass / total * 10000 : 0;
        hundredths.push_back(int(std::lround(share)));
        sum += hundredths.back();
        if (hundredths.back() > hundredths[largest]) largest = hundredths.size() - 1;
    }
    if (total > 0) hundredths[largest] += 10000 - sum;
    return hundredths;
}

std::vector<ElementCount> EmpiricalCounts(const Compound& compound) {
    std::vector<ElementCount> counts = CountsOf(compound);
    int divisor = 0;
    for (const ElementCount& count : counts) divisor = std::gcd(divisor, count.atoms);
    if (divisor > 1) {
        for (ElementCount& count : counts) count.atoms /= divisor;
    }
    return counts;
}

void GenerateEmpirical(uint8_t subKind) {
    static const SubKindOn<Compound> kinds[] = {{Composition}, {EmpiricalFormula}, {MolecularFormula}};
    GenerateOn(subKind, kinds, AskRecipeFormula, CurrentCompound);
}

void EmpiricalTopic() { RunTopic(*FindTopic(7)); }
