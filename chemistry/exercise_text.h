#pragma once
// The pieces of exercise text that the gas, solution, empirical-formula and stoichiometry
// topics share: one form per kind of quantity, the data line of several substances, a
// formula written from element counts, and the check that an exercise fits its texts.
//
// Every number of those exercises is written by one of the forms below and nowhere else,
// so that a change in how a kind of quantity is written is made in one place. The forms
// follow the classroom options in force when they write (NumberOptions, "Coma decimal" and
// "Cifras significativas") as the four first topics do: with both off, each is the
// exercise form of number_format.h without its padding.

#include <initializer_list>
#include <string>
#include <vector>

struct Compound;

// What a number is to the exercise. A given one (drawn data, and the data repeated in the
// answer) keeps its digits under every option; a worked-out one takes three significant
// figures under "Cifras significativas".
enum class Role { WorkedOut, Given };
constexpr Role kGiven = Role::Given;

// One form per kind of quantity: the number alone, without blanks; the caller writes the unit.
std::string GramsText(double grams, Role role = Role::WorkedOut);
std::string MolesText(double moles, Role role = Role::WorkedOut);
std::string LitresText(double litres, Role role = Role::WorkedOut);
std::string MillilitresText(double millilitres, Role role = Role::WorkedOut);
std::string PressureText(double pressure, Role role = Role::WorkedOut);  // atm or mmHg
std::string MolarityText(double molesPerLitre, Role role = Role::WorkedOut);
std::string PercentText(double percent, Role role = Role::WorkedOut);  // riqueza, yield
std::string KelvinText(double kelvin);
std::string GramsPerLitreText(double gramsPerLitre);
std::string MolalityText(double molesPerKilogram);
std::string MoleFractionText(double fraction);
std::string RatioText(double ratio);  // moles divided by the smallest, and such factors
// A molar mass found from measurements (p, V, T and a mass).
std::string FoundMolarMassText(double gramsPerMole);
// Always given.
std::string CelsiusText(double celsius);
std::string DensityText(double gramsPerMillilitre);
std::string ConstantText(double value);  // R, 22.4, 273, 760 and the like
// Sums of the table's atomic masses and shares of them keep two decimals under every
// option, as a sum keeps the decimals of its data.
std::string MolarMassText(double gramsPerMole);
std::string CompositionText(double percent);  // an element's share of a compound: "40.00"

// What stands between the items of a list of numbers ("C 1, H 2"): "; " under "Coma
// decimal", where a comma after a number would read as a decimal one ("C 1,00; H 2,00").
const char* NumberListSeparator();

// The value that a form shows, read back: a drawn quantity goes through this before any
// computation, so that the answer is what the numbers of the texts give.
double AsShown(double value, std::string (*form)(double, Role), Role role = kGiven);
// The value of `shown`, a number as any exercise form writes it; `value` when it is none.
double AsShown(double value, const std::string& shown);
double AsShown(double value, std::string (*form)(double));

// The atomic masses for the "datos: " line of several substances, each element once, in the
// order of first appearance, written as FormulaDataLine writes them.
std::string DataLineOf(std::initializer_list<const Compound*> compounds);
// A data line with one more datum after the atomic masses ("R = 0.082 atm·L/(mol·K)").
std::string DataLineWith(const std::string& masses, const std::string& more);

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
