#include "chemistry/constants.h"

#include <cmath>
#include <map>

#include "shell/interaction.h"
#include "shell/messages.h"
#include "util/exercise_numbers.h"
#include "util/number_format.h"
#include "util/strings.h"

ConstantsList Constants;
bool ConstantsRead = false;
bool ConstantsWriteFailureTold = false;

namespace {

const char* const kCaption = "Constantes";
const char* const kEquilibriumArrow = "<=>";
constexpr std::size_t kNameMax = 40;  // "ácido hipocloroso" and the like, with room to spare
constexpr int kIonCountMax = 9;
constexpr double kKelvinMax = 6000;

std::string_view TrimControls(std::string_view text) {
    auto isControl = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    while (!text.empty() && isControl(text.front())) text.remove_prefix(1);
    while (!text.empty() && isControl(text.back())) text.remove_suffix(1);
    return text;
}

// The teacher's text inside a reason: a control character would break or hide the line.
std::string Visible(std::string_view text) {
    std::string shown(CutText(text, 24));
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
    }
    return shown;
}

bool Fail(std::string& why, std::string reason) {
    why = std::move(reason);
    return false;
}

std::vector<std::string_view> SplitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t semicolon = line.find(';');
        fields.push_back(TrimControls(line.substr(0, semicolon)));
        if (semicolon == std::string_view::npos) break;
        line.remove_prefix(semicolon + 1);
    }
    // A ";" closing the line, as after every other field, adds none.
    if (fields.size() > 1 && fields.back().empty()) fields.pop_back();
    return fields;
}

// "Kc = 50.5": the constant's name, whether the field is one, and its value.
bool IsConstantField(std::string_view field, std::string& name, std::string_view& value) {
    const std::size_t equals = field.find('=');
    if (equals == std::string_view::npos || field.empty() || (field[0] != 'K' && field[0] != 'k')) return false;
    const std::string_view left = TrimControls(field.substr(0, equals));
    if (left.size() < 2 || left.size() > 3) return false;
    for (char c : left.substr(1)) {
        if (c < 'a' || c > 'z') return false;
    }
    name = "K" + std::string(left.substr(1));  // "ka" is Ka: the capital is easy to miss
    value = TrimControls(field.substr(equals + 1));
    return true;
}

enum class Kind { Equilibrium, Acid, Base, Salt };

bool KindOf(const std::string& name, Kind& kind) {
    if (name == "Kc") kind = Kind::Equilibrium;
    else if (name == "Ka") kind = Kind::Acid;
    else if (name == "Kb") kind = Kind::Base;
    else if (name == "Ks" || name == "Kps" || name == "Ksp") kind = Kind::Salt;
    else return false;
    return true;
}

bool ReadValue(const std::string& name, std::string_view text, double& value, std::string& why) {
    bool ok = false;
    value = ReadExerciseNumber(text, ok);
    if (!ok || !std::isfinite(value)) {
        return Fail(why, "valor de " + name + " no válido: \"" + Visible(text) + "\" (escriba, por ejemplo, 1.8e-5)");
    }
    if (!(value > 0)) return Fail(why, name + " debe ser mayor que 0");
    return true;
}

// "448 °C" or "721 K"; "°" and "º" both, since a Spanish keyboard has the second at hand.
bool ReadTemperature(std::string_view text, double& kelvin, std::string& why) {
    std::string_view number = text;
    bool celsius = false;
    if (number.size() >= 1 && number.back() == 'K') {
        number.remove_suffix(1);
    } else if (number.size() >= 2 && number.back() == 'C' &&
               (number[number.size() - 2] == '\xB0' || number[number.size() - 2] == '\xBA')) {
        number.remove_suffix(2);
        celsius = true;
    } else {
        return Fail(why, "temperatura sin unidad: \"" + Visible(text) + "\" (escriba, por ejemplo, 448 °C o 721 K)");
    }
    bool ok = false;
    const double value = ReadExerciseNumber(number, ok);
    if (!ok || !std::isfinite(value)) return Fail(why, "temperatura no válida: \"" + Visible(text) + "\"");
    kelvin = celsius ? value + 273.15 : value;
    if (!(kelvin > 0) || kelvin > kKelvinMax) return Fail(why, "temperatura imposible: " + Visible(text));
    return true;
}

bool ReadCompoundField(std::string_view text, Compound& compound, std::string& why) {
    if (text.empty()) return Fail(why, "le falta la fórmula");
    ReactionProblem problem;
    if (!ReadCheckedFormula(text, compound, problem)) return Fail(why, problem.reason);
    return true;
}

// An acid or a base may be a cation, "NH4+": its sign stays in the formula shown. The
// exercises write no anion's charges (CH3COO- would read "CH_3COO + H_2O"): the acetate is
// asked through its salt, CH3COONa, from the acid's line.
bool ReadElectrolyte(std::string_view formula, std::string_view name, WeakElectrolyte& electrolyte, std::string& why) {
    std::string_view bare = formula;
    if (!bare.empty() && bare.back() == '-') {
        return Fail(why, "un anión no se admite como ácido o base: escriba el ácido del que viene, y su sal sale de él");
    }
    if (!bare.empty() && bare.back() == '+') bare.remove_suffix(1);
    if (!ReadCompoundField(TrimControls(bare), electrolyte.compound, why)) return false;
    electrolyte.compound.formula = std::string(formula);
    if (name.empty()) return Fail(why, "le falta el nombre");
    if (name.size() > kNameMax) return Fail(why, "nombre de más de " + IntToText(int32_t(kNameMax)) + " caracteres");
    electrolyte.name = std::string(name);
    return true;
}

// "Ca 2+ 3": the ion's formula, its charge and how many the salt gives (1 when not written).
bool ReadIon(std::string_view text, bool cation, SaltIon& ion, std::string& why) {
    const std::string role = cation ? "catión" : "anión";
    std::vector<std::string_view> words;
    while (!(text = TrimControls(text)).empty()) {
        std::size_t end = 0;
        while (end < text.size() && static_cast<unsigned char>(text[end]) > 32) ++end;
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
    if (words.size() < 2 || words.size() > 3) {
        return Fail(why, "el " + role + " se escribe fórmula, carga y número: " + (cation ? "Ca 2+ 3" : "PO4 3- 2"));
    }
    if (words[0].find_first_of("+-") != std::string_view::npos) {
        return Fail(why,
                    "la carga del " + role + " va aparte de su fórmula, como en " + (cation ? "Ca 2+ 3" : "PO4 3- 2"));
    }
    Compound compound;
    if (!ReadCompoundField(words[0], compound, why)) return false;
    ion.formula = compound.formula;
    const std::string_view charge = words[1];
    const char sign = charge.empty() ? 0 : charge.back();
    const std::string_view digits = charge.substr(0, charge.size() - 1);
    const bool digitsOk = digits.empty() || (digits.size() == 1 && digits[0] >= '1' && digits[0] <= '9');
    if ((sign != '+' && sign != '-') || !digitsOk) {
        return Fail(why,
                    "carga no válida del " + role + ": \"" + Visible(charge) + "\" (escriba, por ejemplo, 2+ o 3-)");
    }
    ion.charge = (digits.empty() ? 1 : digits[0] - '0') * (sign == '+' ? 1 : -1);
    if ((ion.charge > 0) != cation) return Fail(why, "el " + role + " " + ion.formula + " tiene carga " +
                                                         (cation ? "negativa" : "positiva"));
    ion.count = 1;
    if (words.size() == 3) {
        const std::string_view count = words[2];
        if (count.size() != 1 || count[0] < '1' || count[0] > '0' + kIonCountMax) {
            return Fail(why, "número no válido de " + ion.formula + ": \"" + Visible(count) + "\" (de 1 a 9)");
        }
        ion.count = count[0] - '0';
    }
    return true;
}

// Atoms of each element in `count` units of a compound, added to `atoms`.
void AddAtoms(const Compound& compound, int count, std::map<std::string, long>& atoms) {
    for (int i = 1; i <= compound.count; ++i) {
        atoms[compound.Component(i).symbol] += long(count) * compound.Component(i).atoms;
    }
}

bool ReadSalt(const std::vector<std::string_view>& fields, SparinglySoluble& salt, std::string& why) {
    if (!ReadCompoundField(fields[0], salt.compound, why)) return false;
    if (!ReadIon(fields[1], true, salt.cation, why) || !ReadIon(fields[2], false, salt.anion, why)) return false;
    const int positive = salt.cation.charge * salt.cation.count;
    const int negative = -salt.anion.charge * salt.anion.count;
    if (positive != negative) {
        return Fail(why, "las cargas no se compensan: +" + IntToText(positive) + " de los cationes y -" +
                             IntToText(negative) + " de los aniones");
    }
    // The ions were read before; parsing again cannot fail and gives their atoms.
    std::map<std::string, long> fromIons, fromFormula;
    for (const SaltIon* ion : {&salt.cation, &salt.anion}) {
        Compound compound;
        ReactionProblem unused;
        ReadCheckedFormula(ion->formula, compound, unused);
        AddAtoms(compound, ion->count, fromIons);
    }
    AddAtoms(salt.compound, 1, fromFormula);
    if (fromIons != fromFormula) {
        return Fail(why, salt.compound.formula + " no se forma con " + IntToText(salt.cation.count) + " " +
                             salt.cation.formula + " y " + IntToText(salt.anion.count) + " " + salt.anion.formula);
    }
    return true;
}

// The reaction of an equilibrium, written with "<=>": read by the reactions' reader and
// balance check, every species a gas that its line does not mark otherwise.
bool ReadEquilibriumReaction(std::string_view text, Reaction& reaction, std::string& why) {
    if (text.find("->") != std::string_view::npos) {
        return Fail(why, "un equilibrio se escribe con \"<=>\", no con \"->\"");
    }
    const std::size_t arrow = text.find(kEquilibriumArrow);
    if (arrow == std::string_view::npos) return Fail(why, "le falta \"<=>\" entre reactivos y productos");
    if (text.find(kEquilibriumArrow, arrow + 3) != std::string_view::npos) return Fail(why, "tiene más de un \"<=>\"");
    const std::string asReaction = std::string(text.substr(0, arrow)) + "->" + std::string(text.substr(arrow + 3));
    ReactionProblem problem;
    if (!ReadReaction(asReaction, reaction, problem)) return Fail(why, problem.reason);
    for (auto* side : {&reaction.reactants, &reaction.products}) {
        for (Substance& substance : *side) {
            if (substance.state.empty()) substance.gas = true;
        }
    }
    const std::size_t written = reaction.text.find(" -> ");
    reaction.text.replace(written, 4, std::string(" ") + kEquilibriumArrow + " ");
    return true;
}

const char* const kLayouts[] = {
    "un equilibrio se escribe: reacción ; Kc = valor ; temperatura",
    "un ácido se escribe: fórmula ; nombre ; Ka = valor",
    "una base se escribe: fórmula ; nombre ; Kb = valor",
    "una sal se escribe: fórmula ; catión ; anión ; Ks = valor",
};
const std::size_t kFieldsBefore[] = {1, 2, 2, 3};

// Lines already read, by what they hold: a second line for the same thing would list it twice.
struct Seen {
    std::map<std::string, int> lines[4];
};

bool ReadLine(std::string_view line, int number, ConstantsList& list, Seen& seen, std::string& why) {
    const std::vector<std::string_view> fields = SplitFields(line);
    std::size_t at = 0;
    std::string name;
    std::string_view valueText;
    while (at < fields.size() && !IsConstantField(fields[at], name, valueText)) ++at;
    if (at == fields.size()) return Fail(why, "le falta la constante: Kc, Ka, Kb o Ks = valor");
    Kind kind;
    if (!KindOf(name, kind)) return Fail(why, "constante desconocida " + name + " (se espera Kc, Ka, Kb o Ks)");
    const int k = static_cast<int>(kind);
    if (at != kFieldsBefore[k] || fields.size() > at + 2) return Fail(why, kLayouts[k]);
    for (std::size_t i = 0; i < at; ++i) {
        if (fields[i].empty()) return Fail(why, std::string(kLayouts[k]) + " (falta un campo)");
    }
    double value = 0;
    if (!ReadValue(name, valueText, value, why)) return false;
    // A weak one is below 1: "1.8e5" for 1.8e-5 is a slip of the keyboard.
    if (kind != Kind::Equilibrium && value >= 1) return Fail(why, name + " debe ser menor que 1");
    double kelvin = kStandardKelvin;
    if (fields.size() == at + 2 && !ReadTemperature(fields[at + 1], kelvin, why)) return false;

    std::string key;
    switch (kind) {
        case Kind::Equilibrium: {
            Equilibrium equilibrium;
            equilibrium.kc = value;
            equilibrium.kelvin = kelvin;
            if (!ReadEquilibriumReaction(fields[0], equilibrium.reaction, why)) return false;
            key = equilibrium.reaction.text;
            if (!seen.lines[k].contains(key)) list.equilibria.push_back(std::move(equilibrium));
            break;
        }
        case Kind::Acid:
        case Kind::Base: {
            WeakElectrolyte electrolyte;
            electrolyte.k = value;
            electrolyte.kelvin = kelvin;
            if (!ReadElectrolyte(fields[0], fields[1], electrolyte, why)) return false;
            key = electrolyte.compound.formula;
            if (!seen.lines[k].contains(key)) {
                (kind == Kind::Acid ? list.acids : list.bases).push_back(std::move(electrolyte));
            }
            break;
        }
        case Kind::Salt: {
            SparinglySoluble salt;
            salt.ks = value;
            salt.kelvin = kelvin;
            if (!ReadSalt(fields, salt, why)) return false;
            key = salt.compound.formula;
            if (!seen.lines[k].contains(key)) list.salts.push_back(std::move(salt));
            break;
        }
    }
    const auto [first, added] = seen.lines[k].emplace(key, number);
    if (!added) return Fail(why, "repite " + Visible(key) + " de la línea " + IntToText(first->second));
    return true;
}

void Tell(const std::string& text) { ShowMessageFlags(kCaption, text, kBoxIconExclamation); }

}  // namespace

ConstantsList ReadConstantsList(std::string_view contents) {
    ConstantsList list;
    Seen seen;
    ForEachListLine(contents, list.leftOut, [&](std::string_view line, int number) {
        std::string why;
        if (!ReadLine(line, number, list, seen, why)) list.leftOut.push_back({number, why});
    });
    return list;
}

std::string ConstantsLeftOutMessage(const ConstantsList& list) {
    return LeftOutLinesMessage(kConstantsFile, list.leftOut, "");
}

const std::string& DefaultConstantsText() {
    static const std::string text =
        "# Constantes de los ejercicios de equilibrio, ácidos y bases débiles y solubilidad.\r\n"
        "# Valores de T. L. Brown, H. E. LeMay, B. E. Bursten: \"Química. La ciencia central\"\r\n"
        "# (Pearson), apéndice D (Ka, Kb y Ks a 25 °C) y capítulo 15 (Kc).\r\n"
        "#\r\n"
        "# Una constante por línea, sus campos separados por \";\". La constante (Kc, Ka, Kb o Ks)\r\n"
        "# dice qué es la línea. Su valor, con punto o coma decimal: 1.8e-5 es 1,8·10^(-5).\r\n"
        "# Cada valor es a 25 °C salvo que la línea termine con otra temperatura: \"448 °C\" o \"721 K\".\r\n"
        "# Lo que sigue a \"#\" es un comentario.\r\n"
        "#\r\n"
        "# Equilibrios: la reacción ajustada con \"<=>\" ; Kc = valor ; temperatura\r\n"
        "# Todas las sustancias son gases salvo las marcadas \"(s)\", \"(l)\" o \"(aq)\".\r\n"
        "H2 + I2 <=> 2 HI ; Kc = 50.5 ; 448 °C\r\n"
        "N2O4 <=> 2 NO2 ; Kc = 0.212 ; 100 °C\r\n"
        "PCl5 <=> PCl3 + Cl2 ; Kc = 1.21e-2 ; 500 K          # Kp = 0,497\r\n"
        "N2 + 3 H2 <=> 2 NH3 ; Kc = 0.105 ; 472 °C\r\n"
        "CO + H2O <=> CO2 + H2 ; Kc = 4.24 ; 800 K\r\n"
        "2 SO2 + O2 <=> 2 SO3 ; Kc = 2.8e2 ; 1000 K\r\n"
        "COCl2 <=> CO + Cl2 ; Kc = 2.19e-10 ; 100 °C\r\n"
        "#\r\n"
        "# Ácidos débiles: fórmula ; nombre ; Ka = valor\r\n"
        "CH3COOH ; ácido acético ; Ka = 1.8e-5\r\n"
        "HCOOH ; ácido fórmico ; Ka = 1.8e-4\r\n"
        "HF ; ácido fluorhídrico ; Ka = 6.8e-4\r\n"
        "HNO2 ; ácido nitroso ; Ka = 4.5e-4\r\n"
        "HCN ; ácido cianhídrico ; Ka = 4.9e-10\r\n"
        "HClO ; ácido hipocloroso ; Ka = 3.0e-8\r\n"
        "C6H5COOH ; ácido benzoico ; Ka = 6.3e-5\r\n"
        "NH4+ ; ion amonio ; Ka = 5.6e-10                   # Kw / Kb del amoníaco\r\n"
        "#\r\n"
        "# Bases débiles: fórmula ; nombre ; Kb = valor\r\n"
        "NH3 ; amoníaco ; Kb = 1.8e-5\r\n"
        "CH3NH2 ; metilamina ; Kb = 4.4e-4\r\n"
        "#\r\n"
        "# Sales poco solubles: fórmula ; catión, su carga y cuántos da ; anión, igual ; Ks = valor\r\n"
        "AgCl ; Ag + 1 ; Cl - 1 ; Ks = 1.8e-10\r\n"
        "AgBr ; Ag + 1 ; Br - 1 ; Ks = 5.0e-13\r\n"
        "AgI ; Ag + 1 ; I - 1 ; Ks = 8.3e-17\r\n"
        "BaSO4 ; Ba 2+ 1 ; SO4 2- 1 ; Ks = 1.1e-10\r\n"
        "CaCO3 ; Ca 2+ 1 ; CO3 2- 1 ; Ks = 4.5e-9\r\n"
        "CaF2 ; Ca 2+ 1 ; F - 2 ; Ks = 3.9e-11\r\n"
        "PbI2 ; Pb 2+ 1 ; I - 2 ; Ks = 1.4e-8\r\n"
        "PbCl2 ; Pb 2+ 1 ; Cl - 2 ; Ks = 1.7e-5\r\n"
        "Ag2CrO4 ; Ag + 2 ; CrO4 2- 1 ; Ks = 1.2e-12\r\n"
        "Mg(OH)2 ; Mg 2+ 1 ; OH - 2 ; Ks = 1.8e-11\r\n"
        "Fe(OH)3 ; Fe 3+ 1 ; OH - 3 ; Ks = 4e-38\r\n"
        "Ca3(PO4)2 ; Ca 2+ 3 ; PO4 3- 2 ; Ks = 2.0e-29\r\n";
    return text;
}

void LoadConstants() {
    const std::string contents =
        ReadListFile(kConstantsFile, DefaultConstantsText(), "constantes", ConstantsWriteFailureTold, Tell);
    Constants = ReadConstantsList(contents);
    ConstantsRead = true;
    const std::string message = ConstantsLeftOutMessage(Constants);
    if (!message.empty()) Tell(message);
}

void LoadConstantsOnce() {
    if (!ConstantsRead) LoadConstants();
}
