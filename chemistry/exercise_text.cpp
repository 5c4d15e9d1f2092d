#include "chemistry/exercise_text.h"

#include "chemistry/formula.h"
#include "chemistry/topics.h"
#include "shell/batch.h"
#include "shell/interaction.h"
#include "shell/messages.h"
#include "shell/settings.h"
#include "util/exercise_numbers.h"
#include "util/number_format.h"

namespace {

NumberStyle Style() { return NumberOptions; }

// The exercise form without its width: these texts put their own blanks around numbers.
std::string Figure(double x, uint16_t decimals, Role role) {
    const PlainForm plain{1, decimals};
    return role == kGiven ? DataNumber(x, Style(), plain) : ComputedNumber(x, Style(), plain);
}

// Two decimals always, trailing zeros kept ("40.00").
std::string TwoDecimals(double x) {
    const NumberStyle style = Style();
    if (style.significantFigures) return DecimalsText(x, 2, style.decimalComma ? ',' : '.');
    std::string text = RealToFixed(x, 1, 2);
    if (style.decimalComma) {
        for (char& c : text) {
            if (c == '.') c = ',';
        }
    }
    return text;
}

}  // namespace

std::string GramsText(double grams, Role role) { return Figure(grams, 2, role); }
std::string MolesText(double moles, Role role) { return Figure(moles, 3, role); }
std::string LitresText(double litres, Role role) { return Figure(litres, 2, role); }
std::string MillilitresText(double millilitres, Role role) { return Figure(millilitres, 2, role); }
std::string PressureText(double pressure, Role role) { return Figure(pressure, 2, role); }
std::string MolarityText(double molesPerLitre, Role role) { return Figure(molesPerLitre, 2, role); }
std::string PercentText(double percent, Role role) { return Figure(percent, 2, role); }
std::string KelvinText(double kelvin) { return Figure(kelvin, 2, Role::WorkedOut); }
std::string GramsPerLitreText(double gramsPerLitre) { return Figure(gramsPerLitre, 2, Role::WorkedOut); }
std::string MolalityText(double molesPerKilogram) { return Figure(molesPerKilogram, 2, Role::WorkedOut); }
std::string MoleFractionText(double fraction) { return Figure(fraction, 4, Role::WorkedOut); }
std::string RatioText(double ratio) { return Figure(ratio, 2, Role::WorkedOut); }
std::string FoundMolarMassText(double gramsPerMole) { return Figure(gramsPerMole, 2, Role::WorkedOut); }
std::string CelsiusText(double celsius) { return Figure(celsius, 2, kGiven); }
std::string DensityText(double gramsPerMillilitre) { return Figure(gramsPerMillilitre, 2, kGiven); }
std::string ConstantText(double value) { return Figure(value, 4, kGiven); }

std::string MolarMassText(double gramsPerMole) {
    // Two decimals, of which the plain form strips the zeros ("44.01", "32", "70.9").
    if (Style().significantFigures) return TwoDecimals(gramsPerMole);
    return Figure(gramsPerMole, 2, kGiven);
}

std::string CompositionText(double percent) { return TwoDecimals(percent); }

const char* NumberListSeparator() { return Style().decimalComma ? "; " : ", "; }

double AsShown(double value, const std::string& shown) {
    bool ok = false;
    const double read = ReadExerciseNumber(shown, ok);
    return ok ? read : value;
}

double AsShown(double value, std::string (*form)(double, Role), Role role) { return AsShown(value, form(value, role)); }

double AsShown(double value, std::string (*form)(double)) { return AsShown(value, form(value)); }

std::string DataLineOf(std::initializer_list<const Compound*> compounds) {
    // One compound holding each element once is what FormulaDataLine writes.
    Compound all;
    for (const Compound* compound : compounds) {
        for (int i = 1; i <= compound->count; ++i) {
            const CompoundComponent& component = compound->Component(i);
            bool listed = false;
            for (int j = 1; j <= all.count && !listed; ++j) listed = all.Component(j).symbol == component.symbol;
            if (listed || all.count == kCompoundRoom) continue;
            all.Component(++all.count) = component;
        }
    }
    return FormulaDataLine(all, Style());
}

std::string DataLineWith(const std::string& masses, const std::string& more) {
    // The plain masses end in their own two blanks; without the padding they need a separator.
    if (masses.empty() || !Style().significantFigures) return masses + more;
    return masses + "; " + more;
}

std::string CountsMarkup(const std::vector<ElementCount>& counts) {
    std::string markup;
    for (const ElementCount& count : counts) {
        markup += count.symbol;
        if (count.atoms == 1) continue;
        for (char digit : IntToText(count.atoms)) {
            markup += '_';
            markup += digit;
        }
    }
    return markup;
}

std::vector<ElementCount> CountsOf(const Compound& compound) {
    std::vector<ElementCount> counts;
    for (int i = 1; i <= compound.count; ++i) {
        counts.push_back({compound.Component(i).symbol, compound.Component(i).atoms});
    }
    return counts;
}

bool StoreWholeExercise(const std::string& statement, const std::string& answer) {
    if (statement.size() > kMarkupMax || answer.size() > kMarkupMax) {
        ShowMessageFlags("Ejercicio demasiado largo",
                         "El enunciado o la respuesta pasa de 255 caracteres.\r"
                         "Pruebe con una fórmula o una reacción más corta.",
                         kBoxIconExclamation);
        return false;
    }
    StoreExercise(statement, answer);
    return true;
}
