#pragma once
// The numbers of exercise texts as the generators write them, one operation per kind of
// quantity. With both classroom options off each gives exactly the form of number_format.h
// that the exercise always had; the options give the form a chemistry class writes:
//   decimalComma        "0,25" instead of "0.25", everywhere a number has decimals;
//   significantFigures  computed quantities with three significant figures ("0,120",
//                       "3,01·10^(24)" with the markup's raised exponent), a pH with two
//                       decimals, data as drawn, and none of the blanks that pad the
//                       fixed-width forms.
// Rounding works on the exact decimal value of the double: exact halves go away from zero,
// anything else to the nearer digit.

#include <cstdint>
#include <string>
#include <string_view>

struct NumberStyle {
    bool decimalComma = false;        // "Coma decimal"
    bool significantFigures = false;  // "Cifras significativas"

    bool operator==(const NumberStyle&) const = default;
};

// The width and decimals of RealToText that a quantity takes with both options off.
struct PlainForm {
    uint16_t width;
    uint16_t decimals;
};
constexpr PlainForm kQuantityForm{8, 2};

// A quantity worked out from the data: moles, molecules, grams, molarities, volumes,
// percentages, concentrations. Three significant figures under the option.
std::string ComputedNumber(double x, const NumberStyle& style, PlainForm plain = kQuantityForm);

// A number drawn as data ("158 g", "500 ml"): its digits stay, only the padding goes.
std::string DataNumber(double x, const NumberStyle& style, PlainForm plain = kQuantityForm);

// A whole count (protons, neutrons): the same digits under every style.
std::string CountNumber(int32_t n, const NumberStyle& style);

// A pH: two decimals under the option.
std::string PhNumber(double ph, const NumberStyle& style, PlainForm plain = kQuantityForm);

// A molar mass, a sum of atomic masses of two decimals: it keeps two decimals under the
// option, as a sum keeps the decimals of its data. Plain: RealToText(x, 8, 2).
std::string MolarMassNumber(double grams, const NumberStyle& style);

// An atomic mass of the "datos:" line. Plain: RealToFixed(mass, 5, 2), padded; under the
// option the same two decimals without the padding.
std::string AtomicMassNumber(double mass, const NumberStyle& style);

// The exact forms behind the options, with '.' or ',' as the separator.
// x to `figures` significant figures (1 to 17): fixed from 0.001 to below 1000 after
// rounding ("0,00123", "12,3", "100"), a power of ten outside ("1,23·10^(-4)").
std::string SignificantText(double x, int figures, char separator);
// A constant or a quantity far from 1 to `figures` significant figures: "1,8·10^(-5)" under
// "Cifras significativas", the exponent form of the plain texts "1.8e-5" without it (six
// decimals would write 5.6e-10 as nothing at all); from 0.001 to below 1000 a plain number.
std::string PowerText(double x, int figures, const NumberStyle& style);
// The fewest significant figures, up to 6, that write x: a constant of a list keeps its own.
int FiguresOf(double x);
// x with exactly `decimals` decimals (0 to 30), no padding; a value that rounds to zero
// has no sign.
std::string DecimalsText(double x, int decimals, char separator);

// A number as any of the forms above writes it, read back: blanks around it, "." or "," as
// the separator, the exponent of the plain form ("1.23e5") or a power of ten
// ("1,23·10^(-4)"). `ok` is false for any other text.
double ReadExerciseNumber(std::string_view text, bool& ok);
