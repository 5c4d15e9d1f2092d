#include "chemistry/formula.h"

#include <algorithm>

#include "chemistry/elements.h"
#include "shell/interaction.h"
#include "shell/messages.h"
#include "util/exercise_numbers.h"
#include "util/language.h"
#include "util/strings.h"

Compound CurrentCompound;

namespace {

// Blanks, tabs, line ends and every other control character go from both ends.
std::string TrimControls(const std::string& text) {
    auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isControl(text[first])) ++first;
    while (last > first && isControl(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::string WrongFormulaCaption() {
    return InLanguage("Fórmula incorrecta    ", "Wrong formula   ", "Fórmula incorrecta     ");
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsCapital(char c) { return c >= 'A' && c <= 'Z'; }
bool IsSmall(char c) { return c >= 'a' && c <= 'z'; }

class FormulaReader {
public:
    explicit FormulaReader(Compound& compound) : compound_(compound) {}

    // Steps through the text; false at the first wrong character, which `wrong` receives.
    bool Read(const std::string& text, char& wrong) {
        // Only the first 21 characters are ever looked at: the formula's 20 and one more.
        const std::size_t end = std::min(text.size(), kFormulaWalkMax);
        for (std::size_t i = 0; i < end; ++i) {
            const char c = text[i];
            if (readingNumber_ && !IsDigit(c)) ApplyNumber();
            if (!Take(c)) {
                wrong = c;
                return false;
            }
        }
        if (readingNumber_) ApplyNumber();
        return true;
    }

private:
    bool Take(char c) {
        uint16_t& n = compound_.count;
        if (c == '(') {
            groupStart_ = n + 1;  // groups do not nest: a later "(" replaces it
        } else if (c == ')') {
            afterGroup_ = true;
        } else if (IsDigit(c)) {
            if (n == 0) return false;
            readingNumber_ = true;
            if (digits_ < 2) {  // a third digit is dropped
                number_ = number_ * 10 + (c - '0');
                ++digits_;
            }
        } else if (IsCapital(c)) {
            CompoundComponent& component = compound_.Component(++n);
            component = CompoundComponent{};
            component.symbol = std::string(1, c);
            component.atoms = 1;
        } else if (IsSmall(c)) {
            if (n == 0 || compound_.Component(n).symbol.size() >= kSymbolMax) return false;
            compound_.Component(n).symbol += c;
        } else {
            return false;
        }
        return true;
    }

    // A number multiplies the last group (when it follows ")") or sets the last element's count.
    void ApplyNumber() {
        const int n = compound_.count;
        if (afterGroup_) {
            // A ")" with no "(" before it closes a group that starts at the first element.
            for (int i = std::max(groupStart_, 1); i <= n; ++i) {
                uint16_t& atoms = compound_.Component(i).atoms;
                atoms = uint16_t(atoms * number_);
            }
            afterGroup_ = false;
        } else {
            compound_.Component(n).atoms = uint16_t(number_);
        }
        readingNumber_ = false;
        number_ = 0;
        digits_ = 0;
    }

    Compound& compound_;
    bool readingNumber_ = false;
    bool afterGroup_ = false;
    int number_ = 0;  // the digits read so far, at most two
    int digits_ = 0;
    int groupStart_ = 0;
};

// Repeated symbols add their atoms to the first appearance, which keeps its place.
void MergeRepeatedSymbols(Compound& compound) {
    int i = 2;
    while (i <= compound.count) {
        int same = 0;
        for (int j = 1; j < i && same == 0; ++j) {
            if (compound.Component(j).symbol == compound.Component(i).symbol) same = j;
        }
        if (same == 0) {
            ++i;
            continue;
        }
        uint16_t& atoms = compound.Component(same).atoms;
        atoms = uint16_t(atoms + compound.Component(i).atoms);
        for (int k = i; k < compound.count; ++k) compound.Component(k) = compound.Component(k + 1);
        --compound.count;
    }
}

// Takes z and mass from the table; stops at the first symbol missing, which `missing` receives.
bool ResolveElements(Compound& compound, std::string& missing) {
    for (int i = 1; i <= compound.count; ++i) {
        CompoundComponent& component = compound.Component(i);
        const int slot = FindElement(component.symbol);
        if (slot == 0) {
            missing = component.symbol;
            return false;
        }
        component.z = Elements.Slot(slot).z;
        component.mass = Elements.Slot(slot).mass;
    }
    return true;
}

}  // namespace

bool ReadFormula(Compound& compound, const std::string& text, FormulaProblem& problem) {
    problem = FormulaProblem{};
    const std::string trimmed = TrimControls(text);
    compound.formula = CutText(trimmed, kFormulaMax);
    compound.count = 0;
    compound.molarMass = 0;
    FormulaReader reader(compound);
    if (!reader.Read(trimmed, problem.character)) {
        problem.kind = FormulaProblem::Kind::WrongCharacter;
        compound.count = 0;
        return false;
    }
    MergeRepeatedSymbols(compound);
    if (!ResolveElements(compound, problem.symbol)) {
        problem.kind = FormulaProblem::Kind::MissingElement;
        compound.count = 0;
        return false;
    }
    return true;
}

void TellFormulaProblem(const FormulaProblem& problem) {
    if (problem.kind == FormulaProblem::Kind::WrongCharacter) {
        ShowMessageFlags(WrongFormulaCaption(), std::string(1, problem.character), kBoxIconExclamation);
    } else if (problem.kind == FormulaProblem::Kind::MissingElement) {
        const std::string question =
            problem.symbol + InLanguage(" no és a la base de dades\rafegir?", " is not at the database\radd it?",
                                        " no está en la base de datos\r¿añadir?");
        if (AskYesNoFlags("* Error *", question, kBoxIconExclamation) == kAnswerYes) Ui().OpenElementEditor();
    }
}

bool ParseFormula(Compound& compound, const std::string& text) {
    FormulaProblem problem;
    if (ReadFormula(compound, text, problem)) return true;
    TellFormulaProblem(problem);
    return false;
}

double MolarMass(Compound& compound) {
    double sum = 0;
    for (int i = 1; i <= compound.count; ++i) {
        const CompoundComponent& component = compound.Component(i);
        sum += component.atoms * component.mass;
    }
    compound.molarMass = sum;
    return sum;
}

bool AskFormula(Compound& compound) {
    std::string text = compound.formula;
    if (!Ui().InputText("fórmula:", text)) return false;
    if (TrimControls(text).empty()) return false;
    if (!ParseFormula(compound, text)) return false;
    // Brackets alone parse to nothing and weigh nothing: every use divides by the mass.
    if (!(MolarMass(compound) > 0)) {
        ShowMessageFlags(WrongFormulaCaption(), compound.formula, kBoxIconExclamation);
        return false;
    }
    return true;
}

std::string FormulaMarkup(const Compound& compound) {
    std::string markup;
    for (char c : compound.formula) {
        if (c == '(' || c == ')' || IsCapital(c) || IsSmall(c)) {
            markup += c;
        } else if (IsDigit(c)) {
            markup += '_';
            markup += c;
        }
    }
    return markup;
}

std::string FormulaDataLine(const Compound& compound) { return FormulaDataLine(compound, NumberStyle{}); }

std::string FormulaDataLine(const Compound& compound, const NumberStyle& style) {
    std::string line;
    for (int i = 1; i <= compound.count; ++i) {
        const CompoundComponent& component = compound.Component(i);
        const std::string mass = component.symbol + " = " + AtomicMassNumber(component.mass, style);
        if (!style.significantFigures) {
            line += mass + "  ";
        } else {
            // Without the padding the masses need a separator of their own; with a decimal
            // comma a list of numbers is separated by semicolons.
            line += (i > 1 ? "; " : "") + mass;
        }
    }
    return line;
}
