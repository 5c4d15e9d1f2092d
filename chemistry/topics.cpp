#include "chemistry/topics.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "chemistry/constants.h"
#include "chemistry/empirical.h"
#include "chemistry/equilibrium.h"
#include "chemistry/exercise_text.h"
#include "chemistry/formula.h"
#include "chemistry/gases.h"
#include "chemistry/solubility.h"
#include "chemistry/solutions.h"
#include "chemistry/stoichiometry.h"
#include "chemistry/weak_acids.h"
#include "shell/batch.h"
#include "shell/interaction.h"
#include "shell/messages.h"
#include "shell/program.h"
#include "shell/settings.h"
#include "util/exercise_numbers.h"
#include "util/random.h"
#include "util/strings.h"

namespace {

// Exactly 6.022e23 in extended precision, where the molecule counts are computed.
constexpr long double kAvogadro = 6.022e23L;
constexpr long double kKw = 1e-14L;  // ionic product of water
constexpr double kLn10 = 2.302585092994046;

const char* const kLineBreak = "\r\n";
const char* const kData = "datos: ";

// A number right after a word of a statement. A number that fills its whole width
// ("0.499633"), takes the exponent form ("1.80e24") or has no padding at all (the classroom
// form) has no blank of its own, and "son0.499633" is not what a student should read: it
// gets one.
std::string Spaced(std::string text) {
    if (text.empty() || text[0] != ' ') text.insert(0, 1, ' ');
    return text;
}

// The unit of a molarity after its number: the classroom form stands apart ("0,120 M").
std::string MolarUnit(const NumberStyle& style) { return style.significantFigures ? " M" : "M"; }

// How VolumeText writes a volume, the number in its unit and that unit, for a volume worked
// out to be recorded as printed.
struct VolumeInUnit {
    double value;
    PlainForm plain;
    const char* unit;
};
VolumeInUnit InUnit(double volumeMl) {
    if (volumeMl < 1000) return {volumeMl, {8, 4}, "ml"};
    return {volumeMl / 1000, {8, 2}, "l"};
}


// The recipe of the pass in progress, filled as the generator asks the user.
Recipe g_pass;
// The choices of the exercise being made again, taken in order; null in a teacher's pass.
const std::vector<uint8_t>* g_keptChoices = nullptr;
std::size_t g_nextKept = 0;
bool g_keptChoiceRefused = false;
// The results of the pass in progress, as its generator records them.
std::vector<ExerciseResult> g_results;

void Record(ExerciseResult result) {
    // A value that is no number could not be written to the batch file and read back.
    if (result.kind == ResultKind::Number && !std::isfinite(result.value)) return;
    result.label = CutText(TrimText(result.label), kResultTextMax);
    result.unit = CutText(result.unit, kResultTextMax);
    result.text = CutText(result.text, kResultTextMax);
    if (g_results.size() < kResultsMax) g_results.push_back(std::move(result));
}

}  // namespace

void StoreExercise(const std::string& statement, const std::string& answer) {
    CurrentExercise.statement = CutText(statement, kMarkupMax);
    CurrentExercise.answer = CutText(answer, kMarkupMax);
    CurrentExercise.accepted = true;
    CurrentExercise.recipe = g_pass;
    CurrentExercise.editedByHand = false;
    CurrentExercise.results = g_results;
}

std::string NumberResult(const std::string& label, double value, const std::string& shown, const std::string& unit) {
    ExerciseResult result;
    result.label = label;
    result.value = value;
    result.unit = TrimText(unit);
    // The figures shown: after the separator, or of the mantissa when a power of ten follows.
    const std::string text = TrimText(shown);
    const std::size_t power = std::min(text.find('e'), text.find("·10^("));
    result.significant = power != std::string::npos;
    const std::string mantissa = text.substr(0, power);
    if (result.significant) {
        bool leading = true;
        for (char c : mantissa) {
            if (c < '0' || c > '9') continue;
            leading = leading && c == '0';
            if (!leading) ++result.digits;
        }
    } else {
        const std::size_t separator = mantissa.find_first_of(".,");
        if (separator != std::string::npos) result.digits = uint8_t(mantissa.size() - separator - 1);
    }
    Record(std::move(result));
    return shown;
}

std::string CountResult(const std::string& label, int32_t count, const std::string& shown, const std::string& unit) {
    const std::size_t before = g_results.size();
    NumberResult(label, count, shown, unit);
    if (g_results.size() > before) g_results.back().exact = true;
    return shown;
}

std::string PhResult(const std::string& label, double ph, const std::string& shown) {
    const std::size_t before = g_results.size();
    NumberResult(label, ph, shown, "");
    if (g_results.size() > before) g_results.back().logarithm = true;
    return shown;
}

std::string FormulaResult(const std::string& label, const std::string& markup) {
    ExerciseResult result;
    result.kind = ResultKind::Formula;
    result.label = label;
    result.text = markup;
    Record(std::move(result));
    return markup;
}

std::string ChoiceResult(const std::string& label, const std::string& chosen, const std::vector<std::string>& options) {
    ExerciseResult result;
    result.kind = ResultKind::Choice;
    result.label = label;
    result.text = chosen;
    for (const std::string& option : options) {
        if (result.options.size() < kResultOptionsMax) result.options.push_back(CutText(option, kResultTextMax));
    }
    Record(std::move(result));
    return chosen;
}

bool AskRecipeFormula(Compound& compound) {
    if (!AskFormula(compound)) return false;
    KeepRecipeText(compound.formula);
    return true;
}

void KeepRecipeText(const std::string& text) { g_pass.formula = CutText(text, kRecipeTextMax); }

int32_t Choose(int32_t n) {
    int32_t choice = 0;
    if (g_keptChoices != nullptr && g_nextKept < g_keptChoices->size()) {
        choice = (*g_keptChoices)[g_nextKept++];
        if (choice >= n) {
            g_keptChoiceRefused = true;
            choice = 0;
        }
    } else {
        choice = Random(n);
    }
    if (g_pass.choices.size() < kRecipeChoicesMax) g_pass.choices.push_back(static_cast<uint8_t>(choice));
    return choice;
}

namespace {

void GenerateAtom(uint8_t subKind) {
    if (subKind != 1 && subKind != 2) return;
    const NumberStyle style = NumberOptions;
    const AtomDraw atom = DrawAtom();
    const std::string z = CountNumber(atom.atomicNumber, style);
    const std::string n = CountNumber(atom.neutrons, style);
    const std::string m = CountNumber(atom.massNumber, style);
    // Recorded one by one before the answer is written: the operands of one expression would
    // not keep the order in which the answer prints them.
    const std::string protons = CountResult("a)", atom.atomicNumber, z, "protones");
    if (subKind == 1) {
        const std::string mass = CountResult("b) M =", atom.massNumber, m, "");
        const std::string electrons = CountResult("c)", atom.atomicNumber, z, "electrones");
        const std::string place = CountResult("d) lugar =", atom.atomicNumber, z, "");
        StoreExercise("Un átomo de número atómico " + z + " contiene " + n + " neutrones en su núcleo. Determinar:" +
                          kLineBreak +
                          "a) nº protones en ell núcleo,b) número másico, c) nº electrones alrededor d) lugar en la "
                          "tabla periódica",
                      "  a) " + protons + " protones b) M = " + mass + " c) " + electrons +
                          " electrones d) lugar = " + place);
    } else {
        // The classroom form has no doubled blank, also where the text itself had one.
        const std::string asked = style.significantFigures ? "b) Z =" : "b)  Z =";
        const std::string number = CountResult(asked, atom.atomicNumber, z, "");
        const std::string electrons = CountResult("c)", atom.atomicNumber, z, "electrones");
        const std::string place = CountResult("d) lugar =", atom.atomicNumber, z, "");
        StoreExercise("Un átomo de número másico " + m + " contiene " + n + " neutrones en su núcleo. Determinar:" +
                          kLineBreak +
                          "a) nº protones en el núcleo,b) número atómico, c) nº electrones alrededor d) lugar en la "
                          "tabla periódica",
                      "  a) " + protons + " protones " + asked + " " + number + " c) " + electrons +
                          " electrones d) lugar = " + place);
    }
}

// Under "Cifras significativas" a worked-out number that a statement gives has three
// figures, and the answer is worked from it as printed ("1,13 mol" of NaOH gives
// 1,13 · 40,00 = 45,2 g, not the 45 g drawn); the plain answers keep the values drawn.
void GenerateMoles(uint8_t subKind) {
    const NumberStyle style = NumberOptions;
    Compound& compound = CurrentCompound;
    if (subKind == 1) {
        if (!AskRecipeFormula(compound)) return;
        StoreExercise("Calcula la masa molar de " + FormulaMarkup(compound) + kLineBreak + kData +
                          FormulaDataLine(compound, style),
                      "  " + NumberResult("", compound.molarMass, MolarMassNumber(compound.molarMass, style), "g/mol") +
                          " g/mol");
        return;
    }
    double moles = 0;
    double grams = 0;
    if (subKind == 2 || subKind == 3) {
        moles = DrawMoles();
    } else if (subKind == 4 || subKind == 5) {
        if (!AskRecipeFormula(compound)) return;
        grams = DrawSampleGrams();
        moles = grams / compound.molarMass;
    } else {
        return;
    }
    const double molecules = double(moles * kAvogadro);
    switch (subKind) {
        case 2:
            StoreExercise("Calcular el nº de moléculas que hay en" + Spaced(DataNumber(moles, style)) + " mol.",
                          "  " + NumberResult("", molecules, ComputedNumber(molecules, style), "moléculas") +
                              " moléculas.");
            break;
        case 3: {
            const std::string shown = ComputedNumber(molecules, style);
            const double answer = style.significantFigures ? double(AsShown(molecules, shown) / kAvogadro) : moles;
            StoreExercise("Calcular cuantos moles son" + Spaced(shown) + " moléculas.",
                          "  " + NumberResult("", answer, ComputedNumber(answer, style), "mol") + " mol.");
            break;
        }
        case 4:
            StoreExercise("Pasar" + Spaced(DataNumber(grams, style)) + " g de " + FormulaMarkup(compound) +
                              " a moles." + kLineBreak + kData + FormulaDataLine(compound, style),
                          "  " + NumberResult("", moles, ComputedNumber(moles, style), "mol") + " mol.");
            break;
        default: {
            const std::string shown = ComputedNumber(moles, style);
            const double answer = style.significantFigures ? AsShown(moles, shown) * compound.molarMass : grams;
            StoreExercise("Cuantos gramos son" + Spaced(shown) + " moles de " + FormulaMarkup(compound) + "?" +
                              kLineBreak + kData + FormulaDataLine(compound, style),
                          "  " + NumberResult("", answer, ComputedNumber(answer, style), "g") + " g.");
            break;
        }
    }
}

void GeneratePercentage(uint8_t subKind) {
    const NumberStyle style = NumberOptions;
    const PercentDraw draw = DrawPercentage();
    if (subKind == 1) {
        StoreExercise("Calcular el % (en masa) de soluto si se han disuelto" + Spaced(DataNumber(draw.soluteGrams, style)) +
                          " g en agua hasta obtener" + Spaced(DataNumber(draw.solutionGrams, style)) +
                          " g de disolución.",
                      "  " + NumberResult("", draw.percent, ComputedNumber(draw.percent, style), "%") + " %");
    } else {
        StoreExercise("Calcular los gramos de soluto necesarios para preparar" +
                          Spaced(DataNumber(draw.solutionGrams, style)) + " g de una disolución al " +
                          DataNumber(draw.percent, style, {6, 2}) + " % en masa",
                      "  " + NumberResult("", draw.soluteGrams, ComputedNumber(draw.soluteGrams, style), "g") + " g");
    }
}

void GenerateMolarity(uint8_t subKind) {
    const NumberStyle style = NumberOptions;
    Compound& compound = CurrentCompound;
    if (!AskRecipeFormula(compound)) return;
    const std::string markup = FormulaMarkup(compound);
    const std::string data = kLineBreak + std::string(kData) + FormulaDataLine(compound, style);
    const double grams = DrawSampleGrams();
    const double moles = grams / compound.molarMass;
    const double volumeMl = DrawVolumeMl();
    const double molarity = moles / volumeMl * 1000;
    const std::string molar = MolarUnit(style) + " de ";
    const std::string shownMolarity = ComputedNumber(molarity, style);
    const double given = AsShown(molarity, shownMolarity);
    const bool fromPrinted = style.significantFigures;
    const double gramsNeeded = fromPrinted ? given * volumeMl / 1000 * compound.molarMass : grams;
    const double volumeMade = fromPrinted ? grams / compound.molarMass / given * 1000 : volumeMl;
    switch (subKind) {
        case 3:
            StoreExercise("Calcular la molaridad de una disolución obtenida disolviendo" +
                              Spaced(DataNumber(grams, style)) + " g de " + markup +
                              " en agua hasta un volumen total de " + VolumeText(volumeMl, style, DataNumber) + data,
                          "  " + NumberResult("", molarity, ComputedNumber(molarity, style), "mol/l") + " mol/l");
            break;
        case 4:
            StoreExercise("Calcular los gramos necesarios de " + markup + " para preparar " +
                              VolumeText(volumeMl, style, DataNumber) + " de una disolución" +
                              Spaced(shownMolarity) + molar + markup + data,
                          "  " + NumberResult("", gramsNeeded, ComputedNumber(gramsNeeded, style), "g") + " g");
            break;
        default: {
            const VolumeInUnit made = InUnit(volumeMade);
            const std::string shown = ComputedNumber(made.value, style, made.plain);
            StoreExercise("Calcular el volumen de disolución" + Spaced(shownMolarity) + molar + markup +
                              " que se puede preparar a partir de" + Spaced(DataNumber(grams, style)) + " g de " +
                              markup + data,
                          "  " + NumberResult("", made.value, shown, made.unit) + " " + made.unit);
            break;
        }
    }
}

void GenerateConcentration(uint8_t subKind) {
    if (subKind == 1 || subKind == 2) {
        GeneratePercentage(subKind);
    } else if (subKind >= 3 && subKind <= 5) {
        GenerateMolarity(subKind);
    }
}

// The component whose hydrogen gives the ions: the first of an acid, the third of a base.
int IonSource(bool isBase) { return isBase ? 3 : 1; }

uint16_t IonAtoms(const Compound& compound, bool isBase) {
    const int source = IonSource(isBase);
    return source <= compound.count ? compound.Component(source).atoms : 0;
}

// The concentration of the acid or base whose solution has this pH: PhOf the other way.
double ConcentrationOf(const Compound& compound, double ph, bool isBase) {
    const double ions = std::exp(-(isBase ? 14 - ph : ph) * kLn10);
    return ions / IonAtoms(compound, isBase);
}

void GeneratePh(uint8_t subKind) {
    if (subKind < 1 || subKind > 4) return;
    const bool isBase = subKind == 2 || subKind == 4;
    Compound& compound = CurrentCompound;
    if (!AskRecipeFormula(compound)) return;

    const bool plausible = isBase ? compound.count == 3 && compound.Component(3).z == 1
                                  : compound.count >= 1 && compound.Component(1).z == 1;
    if (!plausible) {
        g_pass.plausibility = AskYesNoFlags(compound.formula + ": no parece " + (isBase ? "base" : "ácido"),
                                            kPlausibilityQuestion, kBoxIconExclamation);
        if (g_pass.plausibility != kAnswerYes) return;
    }
    // Confirmed or not, the ions come from one element's hydrogen: without it there is no pH.
    if (IonAtoms(compound, isBase) == 0) {
        ShowMessageFlags(compound.formula + (isBase ? ": no es una base" : ": no es un ácido"),
                         isBase ? "Una base se escribe metal, O, H, como NaOH o Ca(OH)2.\rNo se genera el ejercicio."
                                : "Un ácido se escribe con el hidrógeno delante, como HCl o H2SO4.\r"
                                  "No se genera el ejercicio.",
                         kBoxIconExclamation);
        return;
    }

    const NumberStyle style = NumberOptions;
    const double soluteGrams = DrawPhSampleGrams();
    const double moles = soluteGrams / compound.molarMass;
    const double volumeMl = DrawVolumeMl();
    const double concentration = moles / volumeMl * 1000;
    const double ph = PhOf(compound, concentration, isBase);
    const std::string markup = FormulaMarkup(compound);
    if (subKind <= 2) {
        StoreExercise("Calcular el pH de una disolución obtenida con" + Spaced(DataNumber(soluteGrams, style, {6, 2})) +
                          " g de " + markup + " en un volumen de disolución de " +
                          DataNumber(volumeMl, style, {6, 2}) + " ml" + kLineBreak + kData +
                          FormulaDataLine(compound, style),
                      "  pH = " + PhResult("pH =", ph, PhNumber(ph, style)));
    } else {
        const std::string shown = PhNumber(ph, style, {6, 2});
        const double answer =
            style.significantFigures ? ConcentrationOf(compound, AsShown(ph, shown), isBase) : concentration;
        const std::string asked = "[" + markup + "] =";
        StoreExercise("Calcular la concentración molar de una disolución de " + markup + " de pH " + shown,
                      "    " + asked + " " + NumberResult(asked, answer, ComputedNumber(answer, style), "mol/l") +
                          " mol/l");
    }
}

// Each visit to these topics starts with an empty formula prompt; later prompts of the
// visit propose the last formula typed.
void EmptyFormulaPrompt() { CurrentCompound.formula.clear(); }

const TopicEntry kTopics[] = {
    {1, "Atomística", " Z, N  ->  M, electrones... de un átomo; M, N  ->  Z, electrones... de un átomo", GenerateAtom,
     nullptr},
    {2, "cálculos con moles",
     "cálculo de masa molar;moles -> moléculas;moléculas ->moles;gramos -> moles;moles -> gramos", GenerateMoles,
     EmptyFormulaPrompt},
    {3, "Concentraciones de disoluciones",
     "g soluto -> %;% -> g soluto;g soluto,v -> M;M,v -> g soluto;M g soluto -> v", GenerateConcentration,
     EmptyFormulaPrompt},
    {4, "pH", "[ácido] -> pH;[base] -> pH ;pH -> [ácido];pH -> [base]", GeneratePh, EmptyFormulaPrompt},
    {5, "Gases", "m, V, t -> p;m, p, t -> V;m, V, p, t -> masa molar;p1, V1, T1 -> V2 o p2;m -> V en c.n.",
     GenerateGas, EmptyFormulaPrompt},
    {6, "Disoluciones",
     "dilución: C1, V2, C2 -> V1;reactivo comercial -> volumen;g/L, molalidad y fracción molar;"
     "mezcla de dos disoluciones",
     GenerateSolution, EmptyFormulaPrompt},
    {7, "Fórmula empírica",
     "composición centesimal;composición -> fórmula empírica;composición y masa molar -> fórmula molecular",
     GenerateEmpirical, EmptyFormulaPrompt},
    {8, "Estequiometría",
     "masa de reactivo -> masa de producto;masa de reactivo -> volumen de gas;reactivo limitante;"
     "reactivo con riqueza;rendimiento",
     GenerateStoichiometry, StartStoichiometryVisit},
    {9, "Equilibrio químico",
     "moles en el equilibrio -> Kc;Kc -> Kp o Kp -> Kc;Kc -> concentraciones en el equilibrio;"
     "grado de disociación y presiones parciales;cociente de reacción Q -> sentido",
     GenerateEquilibrium, StartEquilibriumVisit, LoadConstantsOnce},
    {10, "Ácidos y bases débiles",
     "c -> pH y grado de ionización;c, pH -> Ka o Kb;pH de una sal que se hidroliza;"
     "valoración: volumen y pH en la equivalencia",
     GenerateWeakAcids, StartWeakAcidsVisit, LoadConstantsOnce},
    {11, "Solubilidad",
     "Ks -> solubilidad en mol/L y g/L;solubilidad en g/L -> Ks;mezcla de dos disoluciones: ¿precipita?;"
     "solubilidad con ion común",
     GenerateSolubility, StartSolubilityVisit, LoadConstantsOnce},
};


}  // namespace

const char* const kPlausibilityQuestion = "Continuar igualmente?";

const TopicEntry* FindTopic(uint16_t number) {
    for (const TopicEntry& topic : kTopics) {
        if (topic.number == number) return &topic;
    }
    return nullptr;
}

int SubKindCount(const TopicEntry& topic) {
    int count = 1;
    for (const char* c = topic.subKinds; *c; ++c) count += *c == ';';
    return count;
}

void GenerateSubKind(const TopicEntry& topic, uint8_t subKind) {
    // A pass can start inside another one's window (versions made from the main window
    // while a formula prompt is open): the outer pass's recipe comes back afterwards.
    const Recipe outer = g_pass;
    std::vector<ExerciseResult> outerResults = std::move(g_results);
    g_results.clear();
    g_pass = Recipe{};
    g_pass.topic = topic.number;
    g_pass.subKind = subKind;
    g_pass.numbers = NumberOptions;
    topic.generate(subKind);
    g_pass = outer;
    g_results = std::move(outerResults);
}

bool GenerateAgain(const TopicEntry& topic, const Recipe& recipe) {
    const std::vector<uint8_t>* outer = g_keptChoices;
    const std::size_t outerNext = g_nextKept;
    g_keptChoices = &recipe.choices;
    g_nextKept = 0;
    g_keptChoiceRefused = false;
    GenerateSubKind(topic, recipe.subKind);
    const bool refused = g_keptChoiceRefused;
    g_keptChoices = outer;
    g_nextKept = outerNext;
    g_keptChoiceRefused = false;
    return !refused;
}

// The loop every topic runs: one generation window per exercise, until the user leaves.
void RunTopic(const TopicEntry& topic) {
    if (topic.enter) topic.enter();
    for (;;) {
        // Said before the teacher chooses and types anything that could not be kept.
        if (TellWhenBatchFull()) return;
        // Set at every pass: another topic may have run meanwhile from the main window.
        CurrentTopicTitle = topic.title;
        UpdateMainTitle();
        CurrentExercise.accepted = false;
        const uint8_t subKind = Ui().ChooseSubKind(topic.subKinds);
        if (subKind == 0) return;
        GenerateSubKind(topic, subKind);
        OfferExercise(CurrentExercise);
    }
}

AtomDraw DrawAtom() {
    const int atomicNumber = Random(40) + 8;
    int d = Random(3);
    if (Random(9) > 4) d = -d;  // the sign is drawn even for 0
    const int neutrons = atomicNumber + d;
    return {uint8_t(atomicNumber), uint8_t(neutrons), uint8_t(atomicNumber + neutrons)};
}

PercentDraw DrawPercentage() {
    PercentDraw draw{};
    draw.percent = Random(40) + 2;
    do {
        draw.solutionGrams = (Random(9) + 1) * 100;
    } while (draw.solutionGrams == 100);
    draw.soluteGrams = draw.solutionGrams * draw.percent / 100;
    return draw;
}

int32_t DrawMoles() { return Random(20) + 1; }
int32_t DrawSampleGrams() { return Random(200) + 5; }
int32_t DrawPhSampleGrams() { return Random(10) + 5; }
int32_t DrawVolumeMl() { return (Random(4) + 1) * 250; }

std::string VolumeText(double volumeMl) { return VolumeText(volumeMl, NumberStyle{}, DataNumber); }

std::string VolumeText(double volumeMl, const NumberStyle& style, VolumeForm form) {
    const VolumeInUnit volume = InUnit(volumeMl);
    return form(volume.value, style, volume.plain) + " " + volume.unit;
}

double Log10(double x) { return std::log(x) / kLn10; }

double PhOf(const Compound& compound, double concentration, bool isBase) {
    const double ions = concentration * IonAtoms(compound, isBase);
    if (!isBase) return -Log10(ions);
    return -Log10(double(kKw / ions));
}

void AtomicStructureTopic() { RunTopic(*FindTopic(1)); }

void MolesTopic() { RunTopic(*FindTopic(2)); }

void ConcentrationTopic() { RunTopic(*FindTopic(3)); }

void PhTopic() { RunTopic(*FindTopic(4)); }
