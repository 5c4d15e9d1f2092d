// The formula a teacher types, through the prompt, the parser and the molar mass, and the
// two pieces of exercise text made from it.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "chemistry/elements.h"
#include "chemistry/formula.h"
#include "silent_ui.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// Enough elements for one- and two-letter symbols, and symbols that share a first letter.
void FillElements() {
    struct Row {
        uint16_t z;
        const char* symbol;
        double mass;
    };
    const Row rows[] = {{1, "H", 1.008},    {2, "He", 4.0026},  {6, "C", 12.011},  {7, "N", 14.007},
                        {8, "O", 15.999},   {11, "Na", 22.99},  {12, "Mg", 24.305}, {16, "S", 32.06},
                        {17, "Cl", 35.45},  {19, "K", 39.098},  {20, "Ca", 40.078}, {26, "Fe", 55.845},
                        {29, "Cu", 63.546}, {53, "I", 126.9},   {92, "U", 238.03},  {0, "Q", 0.0}};
    Elements.count = 0;
    for (const Row& row : rows) {
        Element& element = Elements.Slot(++Elements.count);
        element.z = row.z;
        element.symbol = row.symbol;
        element.mass = row.mass;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool filled = (FillElements(), true);
    (void)filled;
    SilentUi ui;
    ui.typed.assign(reinterpret_cast<const char*>(data), size);

    Compound compound;
    compound.formula = "H2O";  // a previous formula, replaced by what is typed
    const bool accepted = AskFormula(compound);
    Check(compound.formula.size() <= kFormulaMax);
    Check(compound.count <= kCompoundRoom);
    if (accepted) {
        Check(compound.count >= 1);
        Check(compound.molarMass > 0);
        for (int i = 1; i <= compound.count; ++i) {
            const CompoundComponent& component = compound.Component(i);
            const int slot = FindElement(component.symbol);
            Check(slot != 0 && Elements.Slot(slot).z == component.z);
            for (int j = 1; j < i; ++j) Check(compound.Component(j).symbol != component.symbol);
        }
    } else {
        Check(ui.boxes <= 1);  // one message at most for one wrong formula
    }
    const std::string markup = FormulaMarkup(compound);
    Check(markup.size() <= 2 * kFormulaMax);
    FormulaDataLine(compound);

    // The parser alone, on the whole text: the prompt is not the only caller.
    Compound direct;
    if (ParseFormula(direct, ui.typed)) MolarMass(direct);
    Check(direct.count <= kCompoundRoom);
    return 0;
}
