#include "chemistry/reactions.h"

#include <cerrno>

#include "shell/interaction.h"
#include "shell/messages.h"
#include "util/atomic_file.h"
#include "util/files.h"
#include "util/number_format.h"
#include "util/strings.h"
#include "util/text_encoding.h"

std::vector<Reaction> Reactions;
bool ReactionsWriteFailureTold = false;

namespace {

const char* const kArrow = "->";
const char* const kCaption = "Reacciones";

// Blanks, tabs, line ends and the other control characters go from both ends.
std::string_view TrimControls(std::string_view text) {
    auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isControl(text.front())) text.remove_prefix(1);
    while (!text.empty() && isControl(text.back())) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Substances that a class takes as gases at room temperature when the reaction does not say.
bool IsCommonGas(const std::string& formula) {
    static const char* const kGases[] = {"H2",  "O2",  "N2",  "F2",  "Cl2",  "CO",   "CO2",   "SO2",  "NO",
                                         "NO2", "N2O", "NH3", "CH4", "C2H6", "C3H8", "C4H10", "C2H4", "C2H2",
                                         "H2S", "O3",  "He",  "Ne",  "Ar",   "Kr",   "Xe"};
    for (const char* gas : kGases) {
        if (formula == gas) return true;
    }
    return false;
}

// A state written after the formula: "(g)" makes it a gas, the others say it is not one.
struct StateMark {
    const char* text;
    bool gas;
};
const StateMark kStates[] = {{"(g)", true}, {"(l)", false}, {"(s)", false}, {"(aq)", false}};

// The user's text inside a reason: a control character would break or hide the line.
std::string Visible(std::string_view text) {
    std::string shown(text);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
    }
    return shown;
}

bool Fail(ReactionProblem& problem, std::string reason) {
    problem.reason = std::move(reason);
    return false;
}

}  // namespace

bool ReadCheckedFormula(std::string_view formula, Compound& compound, ReactionProblem& problem) {
    if (formula.size() > kFormulaMax) {
        return Fail(problem, "fórmula de más de 20 caracteres: " + Visible(formula.substr(0, 24)) + "...");
    }
    FormulaProblem formulaProblem;
    if (!ReadFormula(compound, std::string(formula), formulaProblem)) {
        if (formulaProblem.kind == FormulaProblem::Kind::MissingElement) {
            problem.missingSymbol = formulaProblem.symbol;
            return Fail(problem, formulaProblem.symbol + " no está en la tabla de elementos");
        }
        const unsigned char wrong = static_cast<unsigned char>(formulaProblem.character);
        const std::string shown =
            wrong < 32 || wrong == 127 ? "de código " + IntToText(wrong) : "\"" + std::string(1, char(wrong)) + "\"";
        return Fail(problem, "carácter no válido " + shown + " en " + Visible(formula));
    }
    if (compound.count == 0) return Fail(problem, "fórmula sin elementos: " + Visible(formula));
    // "NH0" balances as N alone, but no class writes it: a subscript 0 is a slip of the keyboard.
    for (int i = 1; i <= compound.count; ++i) {
        if (compound.Component(i).atoms == 0) {
            return Fail(problem, compound.Component(i).symbol + " con 0 átomos en " + Visible(formula));
        }
    }
    if (!(MolarMass(compound) > 0)) {
        return Fail(problem, Visible(formula) + " tiene masa molar 0 en la tabla de elementos");
    }
    return true;
}

namespace {

// One substance of a side: an optional coefficient, the formula, an optional state.
bool ReadSubstance(std::string_view term, Substance& substance, std::string& written, ReactionProblem& problem) {
    term = TrimControls(term);
    if (term.empty()) return Fail(problem, "le falta una sustancia");
    std::size_t digits = 0;
    while (digits < term.size() && IsDigit(term[digits])) ++digits;
    substance.coefficient = 1;
    if (digits > 0) {
        const std::string_view number = term.substr(0, digits);
        int value = 0;
        for (char c : number.substr(0, 3)) value = value * 10 + (c - '0');
        if (value < 1 || value > kCoefficientMax || digits > 2) {
            return Fail(problem, "coeficiente no válido: " + Visible(number.substr(0, 12)));
        }
        substance.coefficient = value;
    }
    std::string_view formula = TrimControls(term.substr(digits));
    if (formula.empty())
        return Fail(problem, "al coeficiente " + IntToText(substance.coefficient) + " le falta la fórmula");

    bool marked = false;
    substance.gas = false;
    std::string mark;
    for (const StateMark& state : kStates) {
        const std::string_view text = state.text;
        if (formula.size() > text.size() && formula.substr(formula.size() - text.size()) == text) {
            formula.remove_suffix(text.size());
            marked = true;
            substance.gas = state.gas;
            mark = state.text;
            break;
        }
    }
    if (!ReadCheckedFormula(formula, substance.compound, problem)) return false;
    if (!marked) substance.gas = IsCommonGas(substance.compound.formula);
    substance.state = mark;
    written =
        (substance.coefficient > 1 ? IntToText(substance.coefficient) + " " : "") + substance.compound.formula + mark;
    return true;
}

bool ReadSide(std::string_view side, std::vector<Substance>& substances, std::string& written,
              ReactionProblem& problem) {
    for (;;) {
        const std::size_t plus = side.find('+');
        Substance one;
        std::string oneWritten;
        if (!ReadSubstance(side.substr(0, plus), one, oneWritten, problem)) return false;
        substances.push_back(std::move(one));
        written += (written.empty() ? "" : " + ") + oneWritten;
        if (plus == std::string_view::npos) return true;
        side.remove_prefix(plus + 1);
    }
}

// Atoms of `symbol` on one side, each substance's counted as many times as its coefficient.
long AtomsOf(const std::vector<Substance>& side, const std::string& symbol) {
    long atoms = 0;
    for (const Substance& substance : side) {
        for (int i = 1; i <= substance.compound.count; ++i) {
            if (substance.compound.Component(i).symbol == symbol) {
                atoms += long(substance.coefficient) * substance.compound.Component(i).atoms;
            }
        }
    }
    return atoms;
}

// The first element, in order of appearance, with different counts on the two sides.
bool CheckBalance(const Reaction& reaction, ReactionProblem& problem) {
    for (const auto* side : {&reaction.reactants, &reaction.products}) {
        for (const Substance& substance : *side) {
            for (int i = 1; i <= substance.compound.count; ++i) {
                const std::string& symbol = substance.compound.Component(i).symbol;
                const long left = AtomsOf(reaction.reactants, symbol);
                const long right = AtomsOf(reaction.products, symbol);
                if (left != right) {
                    return Fail(problem, "no está ajustada (" + symbol + ": " + IntToText(int32_t(left)) +
                                             " en reactivos, " + IntToText(int32_t(right)) + " en productos)");
                }
            }
        }
    }
    return true;
}

std::string SideMarkup(const std::vector<Substance>& side) {
    std::string markup;
    for (const Substance& substance : side) {
        if (!markup.empty()) markup += " + ";
        if (substance.coefficient > 1) markup += IntToText(substance.coefficient) + " ";
        markup += FormulaMarkup(substance.compound);
    }
    return markup;
}

void Tell(const std::string& text) { ShowMessageFlags(kCaption, text, kBoxIconExclamation); }

}  // namespace

bool ReadReaction(std::string_view text, Reaction& reaction, ReactionProblem& problem) {
    problem = ReactionProblem{};
    reaction = Reaction{};
    text = TrimControls(text);
    if (text.empty()) return Fail(problem, "está vacía");
    const std::size_t arrow = text.find(kArrow);
    if (arrow == std::string_view::npos) return Fail(problem, "le falta la flecha \"->\" entre reactivos y productos");
    if (text.find(kArrow, arrow + 2) != std::string_view::npos) return Fail(problem, "tiene más de una flecha \"->\"");

    std::string left, right;
    if (!ReadSide(text.substr(0, arrow), reaction.reactants, left, problem)) return false;
    if (!ReadSide(text.substr(arrow + 2), reaction.products, right, problem)) return false;
    if (reaction.reactants.size() + reaction.products.size() > kSubstanceMax) {
        return Fail(problem, "tiene más de " + IntToText(int32_t(kSubstanceMax)) + " sustancias");
    }
    if (!CheckBalance(reaction, problem)) return false;
    if (ReactionMarkup(reaction).size() > kReactionMarkupMax)
        return Fail(problem, "es demasiado larga para un enunciado");
    reaction.text = left + " " + kArrow + " " + right;
    return true;
}

std::string ReactionMarkup(const Reaction& reaction) {
    return SideMarkup(reaction.reactants) + " " + kArrow + " " + SideMarkup(reaction.products);
}

double ReactingMoles(double moles, const Substance& from, const Substance& to) {
    return moles * to.coefficient / from.coefficient;
}

void ForEachListLine(std::string_view contents, std::vector<LeftOutLine>& leftOut,
                     const std::function<void(std::string_view line, int number)>& use) {
    const TextEncoding encoding = FindTextEncoding(contents);
    contents.remove_prefix(encoding.start);
    int number = 0;
    while (!contents.empty()) {
        ++number;
        const std::size_t end = contents.find('\n');
        std::string_view line = contents.substr(0, end);
        contents.remove_prefix(end == std::string_view::npos ? contents.size() : end + 1);
        // The comment goes first: a character that Windows-1252 lacks may stay there.
        line = TrimControls(line.substr(0, line.find('#')));
        if (line.empty()) continue;
        std::string converted;
        if (encoding.utf8) {
            Utf8Problem problem;
            if (!Utf8ToWindows1252(line, converted, problem)) {
                leftOut.push_back({number, Utf8ProblemText(problem)});
                continue;
            }
            line = converted;
        }
        use(line, number);
    }
}

ReactionList ReadReactionList(std::string_view contents) {
    ReactionList list;
    ForEachListLine(contents, list.leftOut, [&list](std::string_view line, int number) {
        Reaction reaction;
        ReactionProblem problem;
        if (!ReadReaction(line, reaction, problem)) {
            list.leftOut.push_back({number, problem.reason});
        } else if (list.reactions.size() < kReactionRoom) {
            list.reactions.push_back(std::move(reaction));
        } else {
            ++list.beyondRoom;
        }
    });
    return list;
}

std::string LeftOutLinesMessage(const char* file, const std::vector<LeftOutLine>& leftOut, const std::string& tail) {
    std::string text;
    if (!leftOut.empty()) {
        text = "Se dejan fuera estas líneas de " + std::string(file) + ":";
        std::size_t shown = 0;
        for (const LeftOutLine& line : leftOut) {
            const std::string entry = "\r" + CutText("línea " + IntToText(line.number) + ": " + line.reason, 80);
            // Room is kept for the count of the lines not shown and for the tail.
            const std::size_t reserve = 24 + (tail.empty() ? 0 : tail.size() + 1);
            if (text.size() + entry.size() + reserve > kBoxTextMax) break;
            text += entry;
            ++shown;
        }
        if (shown < leftOut.size()) {
            const std::size_t rest = leftOut.size() - shown;
            text += "\ry " + IntToText(int32_t(rest)) + (rest == 1 ? " línea más." : " líneas más.");
        }
    }
    if (!tail.empty()) text += (text.empty() ? "" : "\r") + tail;
    return text;
}

std::string LeftOutMessage(const ReactionList& list) {
    std::string tail;
    if (list.beyondRoom > 0) {
        tail = "Se usan las " + IntToText(int32_t(kReactionRoom)) + " primeras reacciones; " +
               IntToText(list.beyondRoom) + " más no caben.";
    }
    return LeftOutLinesMessage(kReactionsFile, list.leftOut, tail);
}

const std::string& DefaultReactionsText() {
    static const std::string text =
        "# Reacciones ajustadas para los ejercicios de estequiometría.\r\n"
        "# Una por línea: el coeficiente delante de cada fórmula, \"+\" entre sustancias y \"->\"\r\n"
        "# entre reactivos y productos. \"(g)\" detrás de una fórmula la marca como gas.\r\n"
        "# Lo que sigue a \"#\" es un comentario.\r\n"
        "CH4 + 2 O2 -> CO2 + 2 H2O            # combustión del metano\r\n"
        "C3H8 + 5 O2 -> 3 CO2 + 4 H2O         # combustión del propano\r\n"
        "2 C4H10 + 13 O2 -> 8 CO2 + 10 H2O    # combustión del butano\r\n"
        "C2H5OH + 3 O2 -> 2 CO2 + 3 H2O       # combustión del etanol\r\n"
        "C6H12O6 + 6 O2 -> 6 CO2 + 6 H2O      # combustión de la glucosa\r\n"
        "C6H12O6 -> 2 C2H5OH + 2 CO2          # fermentación de la glucosa\r\n"
        "HCl + NaOH -> NaCl + H2O             # neutralizaciones\r\n"
        "H2SO4 + 2 NaOH -> Na2SO4 + 2 H2O\r\n"
        "2 HCl + Ca(OH)2 -> CaCl2 + 2 H2O\r\n"
        "HNO3 + KOH -> KNO3 + H2O\r\n"
        "Zn + 2 HCl -> ZnCl2 + H2             # metales con ácido clorhídrico\r\n"
        "2 Al + 6 HCl -> 2 AlCl3 + 3 H2\r\n"
        "CaCO3 -> CaO + CO2                   # descomposición del carbonato de calcio\r\n"
        "2 KClO3 -> 2 KCl + 3 O2              # descomposición del clorato de potasio\r\n"
        "CaCO3 + 2 HCl -> CaCl2 + CO2 + H2O   # carbonato de calcio con ácido clorhídrico\r\n"
        "N2 + 3 H2 -> 2 NH3                   # síntesis del amoniaco\r\n"
        "Fe2O3 + 3 CO -> 2 Fe + 3 CO2         # óxido de hierro(III) con monóxido de carbono\r\n"
        "2 H2 + O2 -> 2 H2O                   # síntesis del agua\r\n";
    return text;
}

std::string ReadListFile(const char* file, const std::string& defaults, const char* what, bool& writeFailureTold,
                         void (*tell)(const std::string&)) {
    FileContent read = ReadFileBytes(file);
    if (read.error == 0) return std::move(read.bytes);
    if (read.error == ENOENT && EntryAt(file) == Entry::None) {
        std::string writeError;
        // Said once: every visit to the topic tries again, and the folder stays as it was.
        if (!WriteWholeFile(file, defaults, writeError) && !writeFailureTold) {
            writeFailureTold = true;
            tell("No se puede crear el fichero " + std::string(file) + " (" + writeError + ").\rSe usa la lista de " +
                 what + " del programa.");
        }
    } else {
        // The teacher's file stays as it is; the program's own list serves meanwhile.
        tell("No se puede leer el fichero " + std::string(file) + " (" + ReadErrorText(read.error) +
             ").\rSe usa la lista de " + what + " del programa.");
    }
    return defaults;
}

void LoadReactions() {
    const std::string contents =
        ReadListFile(kReactionsFile, DefaultReactionsText(), "reacciones", ReactionsWriteFailureTold, Tell);
    ReactionList list = ReadReactionList(contents);
    Reactions = std::move(list.reactions);
    const std::string message = LeftOutMessage(list);
    if (!message.empty()) Tell(message);
}

bool AskReaction(Reaction& reaction) {
    std::vector<std::string> texts;
    texts.reserve(Reactions.size());
    for (const Reaction& listed : Reactions) texts.push_back(listed.text);
    std::string text = reaction.text;
    if (!Ui().ChooseReaction(texts, text)) return false;
    const std::string_view trimmed = TrimControls(text);
    if (trimmed.empty()) return false;
    Reaction read;
    ReactionProblem problem;
    if (ReadReaction(trimmed, read, problem)) {
        reaction = std::move(read);
        return true;
    }
    // Proposed again next time, to be corrected rather than typed anew.
    reaction = Reaction{};
    reaction.text = CutText(trimmed, kBoxTextMax);
    if (!problem.missingSymbol.empty()) {
        FormulaProblem missing;
        missing.kind = FormulaProblem::Kind::MissingElement;
        missing.symbol = problem.missingSymbol;
        TellFormulaProblem(missing);
    } else {
        ShowMessageFlags("Reacción incorrecta", Visible(CutText(reaction.text, 120)) + "\r" + problem.reason,
                         kBoxIconExclamation);
    }
    return false;
}
