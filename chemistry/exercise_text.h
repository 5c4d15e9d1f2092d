#pragma once
// The pieces of exercise text that the gas, solution, empirical-formula and stoichiometry
// topics share: one form per kind of quantity, the data line of several substances, a
// formula written from element counts, and the check that an exercise fits its texts.
//
// Every number of those exercises is written by one of the forms below and nowhere else,
// so that a change in how a kind of quantity is written is made in one place.

#include <initializer_list>
#include <string>
#include <vector>

struct Compound;

// One form per kind of quantity: the number alone, without blanks; the caller writes the unit.
std::string GramsText(double grams);
std::string MolesText(double moles);
std::string MolarMassText(double gramsPerMole);
std::string LitresText(double litres);
std::string MillilitresText(double millilitres);
std::string PressureText(double pressure);  // atm or mmHg
std::string CelsiusText(double celsius);
std::string KelvinText(double kelvin);
std::string MolarityText(double molesPerLitre);
std::string GramsPerLitreText(double gramsPerLitre);
std::string MolalityText(double molesPerKilogram);
std::string MoleFractionText(double fraction);
std::string DensityText(double gramsPerMillilitre);
std::string PercentText(double percent);      // riqueza, yield, mass fraction
std::string CompositionText(double percent);  // an element's share of a compound, two decimals always: "40.00"
std::string RatioText(double ratio);          // moles divided by the smallest, and such factors
std::string ConstantText(double value);       // R, 22.4, 273, 760 and the like

// The value that a form shows, read back: a drawn quantity goes through this before any
// computation, so that the answer is what the numbers of the statement give.
double AsShown(double value, std::string (*form)(double));

// The atomic masses for the "datos: " line of several substances, each element once, in the
// order of first appearance, written as FormulaDataLine writes them.
std::string DataLineOf(std::initializer_list<const Compound*> compounds);

struct ElementCount {
    std::string symbol;
    int atoms = 0;
};
// A formula written from element counts, each count above 1 as a subscript: "CH_2O".
std::string CountsMarkup(const std::vector<ElementCount>& counts);
// The counts of a parsed compound, in its order.
std::vector<ElementCount> CountsOf(const Compound& compound);

// Stores the exercise when both texts fit their 255 characters; otherwise tells the user
// and stores nothing (a cut statement could lose its question or its data).
bool StoreWholeExercise(const std::string& statement, const std::string& answer);
