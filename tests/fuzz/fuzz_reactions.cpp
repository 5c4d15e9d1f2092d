// reacciones.txt with any contents: the list read from it, the message about the lines left
// out, and the same bytes typed as one reaction at the reaction question.

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

#include "chemistry/elements.h"
#include "chemistry/reactions.h"
#include "silent_ui.h"

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

// The elements of the class's reactions, symbols that share a first letter, and one that
// weighs nothing.
void FillElements() {
    struct Row {
        uint16_t z;
        const char* symbol;
        double mass;
    };
    const Row rows[] = {{1, "H", 1.008},    {6, "C", 12.011},   {7, "N", 14.007},   {8, "O", 15.999},
                        {11, "Na", 22.99},  {13, "Al", 26.982}, {16, "S", 32.06},   {17, "Cl", 35.45},
                        {19, "K", 39.098},  {20, "Ca", 40.078}, {26, "Fe", 55.845}, {30, "Zn", 65.38},
                        {12, "Mg", 24.305}, {29, "Cu", 63.546}, {0, "Q", 0.0}};
    Elements.count = 0;
    for (const Row& row : rows) {
        Element& element = Elements.Slot(++Elements.count);
        element.z = row.z;
        element.symbol = row.symbol;
        element.mass = row.mass;
    }
}

std::map<std::string, long> Atoms(const std::vector<Substance>& side) {
    std::map<std::string, long> atoms;
    for (const Substance& substance : side) {
        for (int i = 1; i <= substance.compound.count; ++i) {
            atoms[substance.compound.Component(i).symbol] +=
                long(substance.coefficient) * substance.compound.Component(i).atoms;
        }
    }
    return atoms;
}

// What every reaction that the reader accepts promises to the exercises.
void CheckReaction(const Reaction& reaction) {
    Check(!reaction.reactants.empty() && !reaction.products.empty());
    Check(reaction.reactants.size() + reaction.products.size() <= kSubstanceMax);
    for (const auto* side : {&reaction.reactants, &reaction.products}) {
        for (const Substance& substance : *side) {
            Check(substance.coefficient >= 1 && substance.coefficient <= kCoefficientMax);
            Check(substance.compound.count >= 1 && substance.compound.molarMass > 0);
            Check(substance.compound.formula.size() <= kFormulaMax);
        }
    }
    Check(Atoms(reaction.reactants) == Atoms(reaction.products));
    Check(ReactionMarkup(reaction).size() <= kReactionMarkupMax && reaction.text.size() <= 255);
    // The list shows the reaction's text; picked from there, it reads back the same.
    Reaction again;
    ReactionProblem problem;
    Check(ReadReaction(reaction.text, again, problem));
    Check(again.text == reaction.text && ReactionMarkup(again) == ReactionMarkup(reaction));
}

int Lines(std::string_view contents) {
    int lines = 0;
    while (!contents.empty()) {
        ++lines;
        const std::size_t end = contents.find('\n');
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static bool filled = (FillElements(), true);
    (void)filled;
    SilentUi ui;
    const std::string_view contents(reinterpret_cast<const char*>(data), size);

    const ReactionList list = ReadReactionList(contents);
    Check(list.reactions.size() <= kReactionRoom);
    Check(list.beyondRoom == 0 || list.reactions.size() == kReactionRoom);
    for (const Reaction& reaction : list.reactions) CheckReaction(reaction);
    int previous = 0;
    for (const LeftOutLine& line : list.leftOut) {
        Check(line.number > previous && line.number <= Lines(contents));
        Check(!line.reason.empty());
        for (char c : line.reason) Check(static_cast<unsigned char>(c) >= 32);  // one line of the message each
        previous = line.number;
    }
    const std::string message = LeftOutMessage(list);
    Check(message.size() <= 255);
    Check(message.empty() == (list.leftOut.empty() && list.beyondRoom == 0));

    // The same bytes typed at the reaction question: accepted as a whole, or one message.
    ui.typed.assign(contents);
    Reaction typed;
    if (AskReaction(typed)) {
        CheckReaction(typed);
        Check(ui.boxes == 0);
    } else {
        Check(ui.boxes <= 1);
        Check(typed.reactants.empty() && typed.text.size() <= 255);
    }
    return 0;
}
