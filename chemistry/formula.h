#pragma once
// Chemical formulas: the parser that turns a typed formula into elements with atom counts
// taken from the table of elements, the molar mass, and the two pieces of exercise text
// made from a formula. A wrong formula or a missing element is told to the user here;
// callers only see false.

#include <array>
#include <cstdint>
#include <string>

#include "util/exercise_numbers.h"

constexpr std::size_t kFormulaMax = 20;
// The walk reads one character past the stored formula (see ParseFormula), so a formula
// can name this many elements before repeated symbols are merged.
constexpr std::size_t kFormulaWalkMax = kFormulaMax + 1;
constexpr std::size_t kCompoundRoom = kFormulaWalkMax;

struct CompoundComponent {
    uint16_t z = 0;      // from the table of elements
    std::string symbol;  // as parsed
    double mass = 0;     // from the table of elements
    std::string name;    // never filled by the parser
    uint16_t atoms = 0;  // atoms of this element in the formula (products wrap at 16 bits)
};

struct Compound {
    uint16_t count = 0;  // components 1 to count, in order of first appearance
    std::array<CompoundComponent, kCompoundRoom> components;
    double molarMass = 0;  // g/mol, set by MolarMass
    std::string formula;   // as typed, trimmed, at most 20 characters

    // Component i, numbered from 1.
    CompoundComponent& Component(int i) { return components[i - 1]; }
    const CompoundComponent& Component(int i) const { return components[i - 1]; }
};

// The one compound that the generators share; its formula is the default of the next prompt.
extern Compound CurrentCompound;

// Asks for a formula under "fórmula:", parses it and computes its molar mass. False, with
// nothing computed, when the user cancels or leaves the text empty, when the formula is
// wrong, names an element the table lacks, or weighs nothing (brackets alone).
bool AskFormula(Compound& compound);

// Parses `text` into the compound; on success every component has its z and mass from the
// table of elements. The formula text is stored first, so a rejected one can be corrected.
bool ParseFormula(Compound& compound, const std::string& text);

// Why a formula was refused, for callers that tell the user in their own words.
struct FormulaProblem {
    enum class Kind { None, WrongCharacter, MissingElement };
    Kind kind = Kind::None;
    char character = 0;  // WrongCharacter: where the walk stopped
    std::string symbol;  // MissingElement: the first symbol the table lacks
};

// ParseFormula without a word to the user: a refusal comes back in `problem`.
bool ReadFormula(Compound& compound, const std::string& text, FormulaProblem& problem);

// What ParseFormula shows for a refusal: the wrong character, or the missing-element
// question, whose Yes opens the element editor.
void TellFormulaProblem(const FormulaProblem& problem);

// Sets and returns the compound's molar mass.
double MolarMass(Compound& compound);

// The formula for exercise text: each digit as a subscript ("H_2SO_4").
std::string FormulaMarkup(const Compound& compound);

// The atomic masses used, for the "datos: " line of a statement ("H =  1.01  O = 16.00  ").
std::string FormulaDataLine(const Compound& compound);
// The same in a style: under "Cifras significativas" without padding ("H = 1,01; O = 16,00").
std::string FormulaDataLine(const Compound& compound, const NumberStyle& style);
