#include "chemistry/exercise_text.h"

#include "chemistry/formula.h"
#include "chemistry/topics.h"
#include "shell/batch.h"
#include "shell/interaction.h"
#include "shell/messages.h"
#include "util/number_format.h"
#include "util/number_input.h"

namespace {

// The exercise form without its width: these texts put their own blanks around numbers.
std::string Figure(double x, uint16_t decimals) { return RealToText(x, 1, decimals); }

}  // namespace

std::string GramsText(double grams) { return Figure(grams, 2); }
std::string MolesText(double moles) { return Figure(moles, 3); }
std::string MolarMassText(double gramsPerMole) { return Figure(gramsPerMole, 2); }
std::string LitresText(double litres) { return Figure(litres, 2); }
std::string MillilitresText(double millilitres) { return Figure(millilitres, 2); }
std::string PressureText(double pressure) { return Figure(pressure, 2); }
std::string CelsiusText(double celsius) { return Figure(celsius, 2); }
std::string KelvinText(double kelvin) { return Figure(kelvin, 2); }
std::string MolarityText(double molesPerLitre) { return Figure(molesPerLitre, 2); }
std::string GramsPerLitreText(double gramsPerLitre) { return Figure(gramsPerLitre, 2); }
std::string MolalityText(double molesPerKilogram) { return Figure(molesPerKilogram, 2); }
std::string MoleFractionText(double fraction) { return Figure(fraction, 4); }
std::string DensityText(double gramsPerMillilitre) { return Figure(gramsPerMillilitre, 2); }
std::string PercentText(double percent) { return Figure(percent, 2); }
std::string CompositionText(double percent) { return RealToFixed(percent, 1, 2); }
std::string RatioText(double ratio) { return Figure(ratio, 2); }
std::string ConstantText(double value) { return Figure(value, 4); }

double AsShown(double value, std::string (*form)(double)) {
    bool ok = false;
    const double shown = ReadReal(form(value), ok);
    return ok ? shown : value;
}

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
    return FormulaDataLine(all);
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
