#include "chemistry/weak_acids.h"

#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "chemistry/constants.h"
#include "chemistry/exercise_text.h"
#include "chemistry/formula.h"
#include "chemistry/topics.h"
#include "shell/interaction.h"
#include "shell/messages.h"
#include "shell/settings.h"
#include "util/exercise_numbers.h"
#include "util/number_format.h"
#include "util/random.h"
#include "util/strings.h"

namespace {

const char* const kLineBreak = "\r\n";
const char* const kCaption = "Ácidos y bases débiles";
const char* const kPower = "·10^(";
constexpr double kKw = 1e-14;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSmall(char c) { return c >= 'a' && c <= 'z'; }

// ---- The numbers

std::string Scientific(double x, int figures) { return PowerText(x, figures, NumberOptions); }
// A constant of the list as the file gives it: its own figures, no more.
std::string GivenConstant(double k) { return Scientific(k, FiguresOf(k)); }

std::string Worked(double x) { return Scientific(x, 3); }
std::string Ph(double ph) { return PhNumber(ph, NumberOptions, {1, 2}); }
std::string Kw() { return "Kw = " + Scientific(kKw, 2); }

// ---- The substances

// The sign that the file may give an ion ("NH4+") is no part of its formula.
std::string Bare(std::string formula) {
    while (!formula.empty() && (formula.back() == '+' || formula.back() == '-' || formula.back() == ' ')) {
        formula.pop_back();
    }
    return formula;
}

// An acid that is a cation, as the ammonium ion: written "NH4+" or named "ion amonio".
bool IsCation(const WeakElectrolyte& acid) {
    const std::string& formula = acid.compound.formula;
    return (!formula.empty() && formula.back() == '+') || acid.name.rfind("ion ", 0) == 0 ||
           acid.name.rfind("ión ", 0) == 0;
}

std::string Markup(const std::string& formula) {
    Compound compound;
    compound.formula = formula;
    return FormulaMarkup(compound);
}

std::string IonMarkup(const std::string& formula, int charge) {
    return Markup(formula) + (charge > 0 ? "^+" : charge < 0 ? "^-" : "");
}

// The last hydrogen "H" (not Hg, He...) before `before` in `formula`; npos when there is none.
std::size_t LastHydrogen(const std::string& formula, std::size_t before) {
    for (std::size_t i = before; i-- > 0;) {
        if (formula[i] == 'H' && (i + 1 == formula.size() || !IsSmall(formula[i + 1]))) return i;
    }
    return std::string::npos;
}

// The formula with the hydrogen that starts at `at` counted `step` more ("NH3", +1: "NH4").
std::string WithHydrogens(const std::string& formula, std::size_t at, int step) {
    std::size_t end = at + 1;
    int count = 0;
    while (end < formula.size() && IsDigit(formula[end])) count = count * 10 + (formula[end++] - '0');
    if (end == at + 1) count = 1;
    count += step;
    const std::string hydrogens = count <= 0 ? "" : count == 1 ? "H" : "H" + IntToText(count);
    return formula.substr(0, at) + hydrogens + formula.substr(end);
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The acid or base of an exercise and the species its texts write.
struct Weak {
    const WeakElectrolyte* picked = nullptr;
    bool isBase = false;
    int charge = 0;                   // of the acid or base: +1 for the ammonium ion
    std::string markup;               // "CH_3COOH", "NH_4^+"
    std::string conjugateFormula;     // "CH3COO", empty when unknown
    std::string conjugate;            // "CH_3COO^-"; "A^-" or "BH^+" when unknown
    const char* k = "Ka";             // its constant's name
    const char* ion = "[H_3O^+]";     // the ion it gives
    const char* otherIon = "[OH^-]";  // the ion its conjugate gives
};

Weak Describe(const WeakElectrolyte& picked, bool isBase) {
    Weak weak;
    weak.picked = &picked;
    weak.isBase = isBase;
    weak.charge = !isBase && IsCation(picked) ? 1 : 0;
    const std::string formula = Bare(picked.compound.formula);
    weak.markup = IonMarkup(formula, weak.charge);
    weak.conjugateFormula = ConjugateFormula(weak.charge > 0 ? formula + "+" : formula, isBase);
    const int conjugateCharge = weak.charge + (isBase ? 1 : -1);
    weak.conjugate = weak.conjugateFormula.empty() ? (isBase ? "BH^+" : "A^-")
                                                   : IonMarkup(weak.conjugateFormula, conjugateCharge);
    if (isBase) {
        weak.k = "Kb";
        weak.ion = "[OH^-]";
        weak.otherIon = "[H_3O^+]";
    }
    return weak;
}

// "CH_3COOH + H_2O <=> CH_3COO^- + H_3O^+"
std::string Ionisation(const Weak& weak) {
    return weak.markup + " + H_2O <=> " + weak.conjugate + (weak.isBase ? " + OH^-" : " + H_3O^+");
}

// The list as the window shows it: "CH3COOH (ácido acético)", "NH4+ (ion amonio)".
std::string Item(const WeakElectrolyte& electrolyte, bool isBase) {
    const bool cation = !isBase && IsCation(electrolyte);
    return Bare(electrolyte.compound.formula) + (cation ? "+" : "") + " (" + electrolyte.name + ")";
}

// The salt of a weak acid or base that hydrolyses: the sodium salt of the acid's anion
// ("CH3COONa"), the chloride of the base's cation ("NH4Cl"); empty when it has none (an acid
// that is a cation, a formula whose conjugate is unknown).
std::string SaltOf(const Weak& weak) {
    if (weak.conjugateFormula.empty() || weak.charge != 0) return "";
    if (weak.isBase) return weak.conjugateFormula + "Cl";
    // The anion of a carboxylic acid keeps its place before the metal: CH3COONa, not NaCH3COO.
    const bool lastHydrogenGoes = EndsWith(Bare(weak.picked->compound.formula), "OH");
    return lastHydrogenGoes ? weak.conjugateFormula + "Na" : "Na" + weak.conjugateFormula;
}

// ---- The draws

// The concentrations a class meets, 0.001 to 0.9 M.
std::vector<double> ConcentrationGrid() {
    std::vector<double> grid;
    for (double tens : {1000.0, 100.0, 10.0}) {
        for (int digit = 1; digit <= 9; ++digit) grid.push_back(digit / tens);
    }
    return grid;
}

// The concentrations at which the solute of constant k gives ions enough to leave water's own
// aside, and is ionised no more than `mostIonised`.
std::vector<double> SoundConcentrations(double k, double mostIonised) {
    std::vector<double> sound;
    for (double c : ConcentrationGrid()) {
        const double x = WeakIons(k, c);
        if (x >= kLeastSoluteIons && x <= mostIonised * c) sound.push_back(c);
    }
    return sound;
}

// One of them; 0 when there is none.
double DrawConcentration(double k, double mostIonised) {
    const std::vector<double> sound = SoundConcentrations(k, mostIonised);
    return sound.empty() ? 0 : sound[Random(int32_t(sound.size()))];
}

// A titration: the sample and the titrant, as a burette of 50 ml measures them.
struct Titration {
    double sampleMl = 0;
    double sampleMolarity = 0;
    double titrantMolarity = 0;
};

// Only where the volume of titrant fits the burette and the salt at the equivalence point
// gives ions enough; sampleMl 0 when no titration of the list is sound.
Titration DrawTitration(double hydrolysisK) {
    static const double kSamples[] = {10, 20, 25};
    static const double kMolarities[] = {0.05, 0.1, 0.2, 0.25, 0.5};
    std::vector<Titration> sound;
    for (double sample : kSamples) {
        for (double molarity : kMolarities) {
            for (double titrant : kMolarities) {
                const double titrantMl = sample * molarity / titrant;
                const double salt = sample * molarity / (sample + titrantMl);
                if (titrantMl < 5 || titrantMl > 50 || WeakIons(hydrolysisK, salt) < kLeastSoluteIons) continue;
                sound.push_back({sample, molarity, titrant});
            }
        }
    }
    return sound.empty() ? Titration{} : sound[Random(int32_t(sound.size()))];
}

// The teacher's text inside a message: a control character would break or hide the line.
std::string Visible(std::string_view text) {
    std::string shown(text);
    for (char& c : shown) {
        if (static_cast<unsigned char>(c) < 32 || c == 127) c = '?';
    }
    return shown;
}

void TellTooWeak(const std::string& formula) {
    ShowMessageFlags(kCaption,
                     formula + " es demasiado débil: a ninguna concentración de hasta 0,9 M da iones bastantes "
                                       "para dejar aparte los del agua.\rElija otra sustancia.",
                     kBoxIconExclamation);
}

// ---- The choice of the substance

// The choices of the window, each with the acid or base it stands for.
struct Listed {
    std::string item;
    Weak weak;
};

std::vector<Listed> AcidsAndBases() {
    std::vector<Listed> listed;
    for (const WeakElectrolyte& acid : Constants.acids) listed.push_back({Item(acid, false), Describe(acid, false)});
    for (const WeakElectrolyte& base : Constants.bases) listed.push_back({Item(base, true), Describe(base, true)});
    return listed;
}

// The salts whose hydrolysis is sound at some concentration of the grid.
std::vector<Listed> Salts() {
    std::vector<Listed> listed;
    for (const Listed& parent : AcidsAndBases()) {
        const std::string salt = SaltOf(parent.weak);
        if (salt.empty() || SoundConcentrations(kKw / parent.weak.picked->k, 1).empty()) continue;
        listed.push_back({salt + " (sal de " + Bare(parent.weak.picked->compound.formula) + ")", parent.weak});
    }
    return listed;
}

// The teacher's pick from the list, or a text typed that is one of its entries, its formula or
// its name; kept for the recipe as the entry, so that versions ask about the same substance.
// `missing` says what to add to the file for one that is not there.
bool AskPick(const char* listCaption, const std::vector<Listed>& listed, const char* missing, Weak& weak) {
    if (listed.empty()) {
        ShowMessageFlags(kCaption,
                         std::string(kConstantsFile) + " no tiene ninguna sustancia para este ejercicio.\r"
                                                       "Añada ácidos o bases con su constante.",
                         kBoxIconExclamation);
        return false;
    }
    std::vector<std::string> items;
    for (const Listed& entry : listed) items.push_back(entry.item);
    std::string text;
    if (!Ui().ChooseFromList(listCaption, items, text)) return false;
    const std::string typed = TrimText(text);
    if (typed.empty()) return false;
    for (const Listed& entry : listed) {
        const std::size_t open = entry.item.find(" (");
        const std::string name = entry.item.substr(open + 2, entry.item.size() - open - 3);
        if (entry.item == typed || entry.item.substr(0, open) == typed || name == typed) {
            KeepRecipeText(entry.item);
            weak = entry.weak;
            return true;
        }
    }
    ShowMessageFlags(kCaption,
                     Visible(CutText(typed, 60)) + ": no está en la lista.\rElija una de la lista, o añada " +
                         missing + " a " + kConstantsFile + ".",
                     kBoxIconExclamation);
    return false;
}

std::string Named(const Weak& weak) { return weak.markup + " (" + weak.picked->name + ")"; }

// The data line of a weak acid or base: its constant, and Kw where the pH comes from the pOH.
std::string DataOf(const Weak& weak) {
    std::string data = std::string(kLineBreak) + "datos: " + weak.k + " = " + GivenConstant(weak.picked->k);
    return weak.isBase ? data + "; " + Kw() : data;
}

// "x² + Ka·x - Ka·c = 0: x = [H_3O^+] = 1.33e-3 M; pOH = ...; pH = " and the pH recorded.
std::string SolvedPh(const char* k, double x, bool givesHydroxide, const char* ion) {
    const double pIon = -Log10(x);
    const double ph = givesHydroxide ? 14 - pIon : pIon;
    std::string text = std::string("x² + ") + k + "·x - " + k + "·c = 0: x = " + ion + " = " + Worked(x) + " M; ";
    if (givesHydroxide) text += "pOH = " + Ph(pIon) + "; ";
    return text + "pH = " + PhResult("pH =", ph, Ph(ph));
}

// ---- The sub-kinds

void PhAndIonisation(const Weak& weak) {
    const double k = weak.picked->k;
    const double c = DrawConcentration(k, 1);
    if (c == 0) return TellTooWeak(Bare(weak.picked->compound.formula));
    const double x = WeakIons(k, c);
    const std::string solved = SolvedPh(weak.k, x, weak.isBase, weak.ion);
    const std::string percent = Worked(x / c * 100);
    const std::string ionised = NumberResult("grado de ionización =", x / c * 100, percent, "%");
    // Judged on the figure printed, which is what the student compares with 5.
    const bool small = AsShown(x / c * 100, percent) < 5;
    StoreWholeExercise("Calcular el pH y el grado de ionización de una disolución " + MolarityText(c, kGiven) +
                           " M de " + Named(weak) +
                           ". ¿Se puede despreciar la parte ionizada frente a la concentración inicial?" + DataOf(weak),
                       "  " + Ionisation(weak) + "; " + weak.k + " = x²/(c - x); " + solved +
                           "; grado de ionización = x/c = " + ionised +
                           (small ? " %: menos del 5 %, se puede despreciar x."
                                  : " %: 5 % o más, no se puede despreciar x."));
}

void ConstantFromPh(const Weak& weak) {
    const double c = DrawConcentration(weak.picked->k, 0.9);
    if (c == 0) return TellTooWeak(Bare(weak.picked->compound.formula));
    const double x = WeakIons(weak.picked->k, c);
    const double pIon = -Log10(x);
    const std::string ph = Ph(weak.isBase ? 14 - pIon : pIon);
    // Worked from the pH as printed, as the student works it.
    std::string answer = "  " + Ionisation(weak) + "; ";
    double shownPIon = AsShown(pIon, Ph(pIon));
    if (weak.isBase) {
        shownPIon = 14 - AsShown(14 - pIon, ph);
        answer += "pOH = 14 - " + ph + " = " + Ph(shownPIon) + "; ";
    }
    const double ions = std::pow(10.0, -shownPIon);
    const double k = ions * ions / (c - ions);
    const std::string label = std::string(weak.k) + " =";
    const std::string found = NumberResult(label, k, Worked(k), "");
    const std::string ionised = NumberResult("grado de ionización =", ions / c * 100, Worked(ions / c * 100), "%");
    StoreWholeExercise("Una disolución " + MolarityText(c, kGiven) + " M de " + Named(weak) + " tiene pH " + ph +
                           ". Calcular " + weak.k + " y el grado de ionización." +
                           (weak.isBase ? std::string(kLineBreak) + "datos: " + Kw() : std::string()),
                       answer + "x = " + weak.ion + " = 10^(-" + Ph(shownPIon) + ") = " + Worked(ions) + " M; " +
                           label + " x²/(c - x) = " + found + "; grado de ionización = x/c = " + ionised + " %");
}

// The hydrolysis of the ion that a salt or an equivalence point leaves: its Kh, the quadratic
// and the pH, the Kh and the pH recorded.
std::string Hydrolysis(const Weak& parent, double c) {
    const double kh = kKw / parent.picked->k;
    const std::string constant = NumberResult("Kh =", kh, Worked(kh), "");
    // The conjugate of an acid gives OH-; that of a base, H3O+.
    return std::string("Kh = Kw/") + parent.k + " = " + constant + "; " +
           SolvedPh("Kh", WeakIons(kh, c), !parent.isBase, parent.otherIon);
}

void SaltPh(const Weak& parent) {
    const std::string salt = SaltOf(parent);
    const double c = DrawConcentration(kKw / parent.picked->k, 1);
    if (salt.empty() || c == 0) return TellTooWeak(salt);
    const std::string counterIon = parent.isBase ? "Cl^-" : "Na^+";
    const std::string hydrolysis = parent.conjugate + " + H_2O <=> " + parent.markup +
                                   (parent.isBase ? " + H_3O^+" : " + OH^-");
    StoreWholeExercise("Calcular el pH de una disolución " + MolarityText(c, kGiven) + " M de " +
                           Markup(salt) + "." + kLineBreak + "datos: " + parent.k + " (" + parent.markup +
                           ") = " + GivenConstant(parent.picked->k) + "; " + Kw(),
                       "  " + Markup(salt) + " -> " + parent.conjugate + " + " + counterIon + "; " +
                           hydrolysis + "; " + Hydrolysis(parent, c));
}

void TitrationToEquivalence(const Weak& weak) {
    const Titration drawn = DrawTitration(kKw / weak.picked->k);
    if (drawn.sampleMl == 0) {
        // It is the conjugate that hydrolyses too little: the stronger the acid, the weaker it.
        ShowMessageFlags(kCaption,
                         Bare(weak.picked->compound.formula) +
                             ": en el punto de equivalencia su conjugado apenas se hidroliza, y el pH lo darían "
                             "los iones del agua.\rElija una sustancia más débil.",
                         kBoxIconExclamation);
        return;
    }
    const std::string titrant = weak.isBase ? "HCl" : "NaOH";
    const double millimoles = drawn.sampleMl * drawn.sampleMolarity;
    const double titrantMl = millimoles / drawn.titrantMolarity;
    const double totalMl = drawn.sampleMl + titrantMl;
    const std::string sample = MillilitresText(drawn.sampleMl, kGiven) + " ml";
    const std::string volume = NumberResult("V =", titrantMl, MillilitresText(titrantMl), "ml");
    StoreWholeExercise(
        "Se valoran " + sample + " de " + Named(weak) + " " + MolarityText(drawn.sampleMolarity, kGiven) + " M con " +
            titrant + " " + MolarityText(drawn.titrantMolarity, kGiven) + " M. Calcular el volumen de " + titrant +
            " hasta el punto de equivalencia y el pH en ese punto." + DataOf(weak) +
            (weak.isBase ? "" : "; " + Kw()),
        "  n = " + sample + " · " + MolarityText(drawn.sampleMolarity, kGiven) + " M = " + MolesText(millimoles) +
            " mmol; V = n/c = " + volume + " ml de " + titrant + "; en la equivalencia, " + MolesText(millimoles) +
            " mmol de " + weak.conjugate + " en " + MillilitresText(totalMl) + " ml: c = " +
            MolarityText(millimoles / totalMl) + " M; " + Hydrolysis(weak, millimoles / totalMl));
}

// What each sub-kind asks the teacher for: the acids and bases, or the salts.
bool AskAcidOrBase(Weak& weak) {
    return AskPick("Elegir ácido o base", AcidsAndBases(), "la sustancia con su constante", weak);
}
bool AskSalt(Weak& weak) { return AskPick("Elegir sal", Salts(), "el ácido o la base de la sal", weak); }

Weak g_picked;

}  // namespace

double WeakIons(double k, double concentration) {
    // 2kc / (k + √(k² + 4kc)): the root of the quadratic without the cancellation of -k + √...
    return 2 * k * concentration / (k + std::sqrt(k * k + 4 * k * concentration));
}

std::string ConjugateFormula(const std::string& formula, bool isBase) {
    const std::string bare = Bare(formula);
    if (bare.empty()) return "";
    if (isBase) {
        // The nitrogen of an amine takes the proton: NH3 -> NH4, CH3NH2 -> CH3NH3, C5H5N -> C5H5NH.
        const std::size_t nitrogen = bare.rfind('N');
        if (nitrogen == std::string::npos || (nitrogen + 1 < bare.size() && IsSmall(bare[nitrogen + 1]))) return "";
        if (nitrogen + 1 == bare.size()) return bare + "H";
        if (bare[nitrogen + 1] != 'H' || LastHydrogen(bare, bare.size()) != nitrogen + 1) return "";
        return WithHydrogens(bare, nitrogen + 1, 1);
    }
    // A cation gives the proton of its last hydrogen: NH4+ -> NH3.
    if (!formula.empty() && formula.back() == '+') {
        const std::size_t last = LastHydrogen(bare, bare.size());
        return last == std::string::npos ? "" : WithHydrogens(bare, last, -1);
    }
    // An oxoacid written with its OH last gives that hydrogen: CH3COOH, HCOOH, C6H5OH.
    if (EndsWith(bare, "OH")) return bare.substr(0, bare.size() - 1);
    // One written with its hydrogen first gives one of those: HF, HNO2, HClO, H3BO3 -> H2BO3.
    if (bare.size() > 1 && bare[0] == 'H' && !IsSmall(bare[1])) return WithHydrogens(bare, 0, -1);
    return "";
}

void GenerateWeakAcids(uint8_t subKind) {
    static const SubKindOn<Weak> kinds[] = {
        {PhAndIonisation, true}, {ConstantFromPh, true}, {SaltPh, true}, {TitrationToEquivalence, true}};
    if (subKind == 3) {
        GenerateOn(subKind, kinds, AskSalt, g_picked);
    } else {
        GenerateOn(subKind, kinds, AskAcidOrBase, g_picked);
    }
}

void StartWeakAcidsVisit() {
    LoadConstants();  // at each visit: the teacher may have edited the file meanwhile
}

void WeakAcidsTopic() { RunTopic(*FindTopic(10)); }
