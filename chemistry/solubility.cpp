#include "chemistry/solubility.h"

#include <cmath>
#include <cstdlib>
#include <string>
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
const char* const kData = "datos: ";
const char* const kCaption = "Solubilidad";
constexpr double kCelsiusZero = 273.15;  // the file's temperatures are to the hundredth

// The salt that the next question proposes; each visit to the topic starts without one.
std::string g_proposed;

// A constant of the list keeps the figures the file gives it ("1,8·10^(-10)", "2·10^(-29)").
std::string GivenPowerText(double x) { return PowerText(x, FiguresOf(x), NumberOptions); }

std::string Worked(double x) { return PowerText(x, 3, NumberOptions); }

std::string KsText(const SparinglySoluble& salt) { return GivenPowerText(salt.ks); }

// "Ca^(2+)", "PO_4^(3-)", "Cl^-": the formula's digits as subscripts, the charge raised.
std::string IonMarkup(const SaltIon& ion) {
    std::string markup;
    for (char c : ion.formula) {
        if (c >= '0' && c <= '9') markup += '_';
        markup += c;
    }
    const char sign = ion.charge > 0 ? '+' : '-';
    const int size = std::abs(ion.charge);
    if (size == 1) return markup + "^" + sign;
    return markup + "^(" + IntToText(size) + sign + ")";
}

std::string Counted(const SaltIon& ion) {
    return (ion.count > 1 ? IntToText(ion.count) + " " : std::string()) + IonMarkup(ion);
}

std::string Markup(const SparinglySoluble& salt) { return FormulaMarkup(salt.compound); }

// "Ca_3(PO_4)_2(s) <=> 3 Ca^(2+) + 2 PO_4^(3-)"
std::string Dissociation(const SparinglySoluble& salt) {
    return Markup(salt) + "(s) <=> " + Counted(salt.cation) + " + " + Counted(salt.anion);
}

// An ion's part of Ks with the solubility s: "s", "(2s)^2", "(3s)^3".
std::string Term(int count) {
    if (count == 1) return "s";
    return "(" + IntToText(count) + "s)^" + IntToText(count);
}

// a^a·b^b: Ks = coefficient·s^(a+b) in pure water.
double Coefficient(int a, int b) { return std::pow(double(a), a) * std::pow(double(b), b); }

// "s^2", "s·(2s)^2 = 4s^3", "(3s)^3·(2s)^2 = 108s^5"
std::string KsInS(int a, int b) {
    const std::string power = "s^" + IntToText(a + b);
    if (a == 1 && b == 1) return power;
    return Term(a) + "·" + Term(b) + " = " + IntToText(int(Coefficient(a, b))) + power;
}

// "(x)^(1/n)", or x itself for n = 1.
std::string Root(const std::string& x, int n) {
    if (n == 1) return x;
    return "(" + x + ")^(1/" + IntToText(n) + ")";
}

std::string Celsius(const SparinglySoluble& salt) { return CelsiusText(salt.kelvin - kCelsiusZero) + " °C"; }

std::string KsDatum(const SparinglySoluble& salt) {
    return std::string(kLineBreak) + kData + "K_s(" + Markup(salt) + ") = " + KsText(salt) + " a " + Celsius(salt);
}

// The soluble salts that give one ion of those salts to a solution, one ion per formula
// unit; an ion without one is given as such ("iones Sr^(2+)").
struct Source {
    const char* ion;
    int charge;
    const char* markup;
};
const Source kSources[] = {
    {"Ag", 1, "AgNO_3"},    {"Ba", 2, "BaCl_2"},      {"Ca", 2, "CaCl_2"},    {"Pb", 2, "Pb(NO_3)_2"},
    {"Mg", 2, "MgCl_2"},    {"Fe", 3, "FeCl_3"},      {"Fe", 2, "FeSO_4"},    {"Sr", 2, "Sr(NO_3)_2"},
    {"Cu", 2, "CuSO_4"},    {"Zn", 2, "ZnSO_4"},      {"Al", 3, "AlCl_3"},    {"Cl", -1, "NaCl"},
    {"Br", -1, "NaBr"},     {"I", -1, "KI"},          {"F", -1, "NaF"},       {"OH", -1, "NaOH"},
    {"SO4", -2, "Na_2SO_4"}, {"CO3", -2, "Na_2CO_3"}, {"CrO4", -2, "K_2CrO_4"}, {"PO4", -3, "Na_3PO_4"},
    {"S", -2, "Na_2S"},     {"IO3", -1, "KIO_3"},     {"C2O4", -2, "Na_2C_2O_4"},
};

std::string SourceOf(const SaltIon& ion) {
    for (const Source& source : kSources) {
        if (ion.formula == source.ion && ion.charge == source.charge) return source.markup;
    }
    return "iones " + IonMarkup(ion);
}

bool IsHydroxide(const SparinglySoluble& salt) { return salt.anion.formula == "OH"; }

// The strengths at which the soluble salts are given: 1, 2 and 5 times 0.1, 0.01 ... 10^(-5) M,
// from the strongest. `index` from 0 to 14. Below 0.001 M they are written as powers of ten.
double Strength(int index) {
    static const int kSteps[] = {1, 2, 5};
    const double strength = kSteps[index % 3] * std::pow(10.0, -(1 + index / 3));
    return AsShown(strength, GivenPowerText(strength));
}
std::string StrengthText(double strength) { return GivenPowerText(strength); }

double PureSolubility(const SparinglySoluble& salt, double ks) {
    const int a = salt.cation.count;
    const int b = salt.anion.count;
    return std::pow(ks / Coefficient(a, b), 1.0 / (a + b));
}

void FromKs(const SparinglySoluble& salt) {
    const int a = salt.cation.count;
    const int b = salt.anion.count;
    const std::string ks = KsText(salt);
    const double s = PureSolubility(salt, AsShown(salt.ks, ks));
    const double grams = s * salt.compound.molarMass;
    const std::string divided = a == 1 && b == 1 ? ks : ks + " / " + IntToText(int(Coefficient(a, b)));
    // Recorded first, in the order of the answer: the operands of a + have no order of evaluation.
    const std::string molar = NumberResult("s =", s, Worked(s), "mol/L");
    const std::string perLitre = NumberResult("", grams, Worked(grams), "g/L");
    StoreWholeExercise("El producto de solubilidad del " + Markup(salt) + " a " + Celsius(salt) + " es K_s = " + ks +
                           ". Calcular su solubilidad en mol/L y en g/L." + kLineBreak + kData +
                           DataLineOf({&salt.compound}),
                       "  " + Dissociation(salt) + "; K_s = " + KsInS(a, b) + "; s = " + Root(divided, a + b) +
                           " = " + molar + " mol/L; " + Worked(s) + " · " + MolarMassText(salt.compound.molarMass) +
                           " = " + perLitre + " g/L");
}

void KsFromSolubility(const SparinglySoluble& salt) {
    const int a = salt.cation.count;
    const int b = salt.anion.count;
    const double molarMass = salt.compound.molarMass;
    // A measurement within 15 % of what the list's Ks gives.
    const double measured = PureSolubility(salt, salt.ks) * molarMass * (Random(31) + 85) / 100;
    const std::string grams = Worked(measured);
    const double s = AsShown(measured, grams) / molarMass;
    const double ks = Coefficient(a, b) * std::pow(s, a + b);
    const std::string coefficient = a == 1 && b == 1 ? "" : IntToText(int(Coefficient(a, b))) + "·";
    StoreWholeExercise("La solubilidad del " + Markup(salt) + " en agua a " + Celsius(salt) + " es " + grams +
                           " g/L. Calcular su producto de solubilidad K_s." + kLineBreak + kData +
                           DataLineOf({&salt.compound}),
                       "  " + Dissociation(salt) + "; s = " + grams + " / " + MolarMassText(molarMass) + " = " +
                           Worked(s) + " mol/L; K_s = " + KsInS(a, b) + " = " + coefficient + "(" + Worked(s) + ")^" +
                           IntToText(a + b) + " = " + NumberResult("K_s =", ks, Worked(ks), ""));
}

struct Mixed {
    int first;   // the strengths of the two solutions, as Strength's index
    int second;
    double q;
};

void Precipitate(const SparinglySoluble& salt) {
    const int a = salt.cation.count;
    const int b = salt.anion.count;
    const double v1 = (Random(8) + 1) * 50;  // 50 to 400 mL
    const double v2 = (Random(8) + 1) * 50;
    const double total = v1 + v2;
    const double ks = AsShown(salt.ks, KsText(salt));
    // Every pair of strengths whose Q stands at least twice or half Ks away from it, so that the
    // answer is never in doubt, on the side drawn; within 10^4 of Ks where there are such.
    // A hydroxide keeps at least 10^(-5) M of OH^- after mixing: below it water's own ions count.
    const bool wanted = Random(2) == 0;
    std::vector<Mixed> sides[2];
    std::vector<Mixed> near[2];
    for (int i = 0; i < 15; ++i) {
        for (int j = 0; j < 15; ++j) {
            const double cation = Strength(i) * v1 / total;
            const double anion = Strength(j) * v2 / total;
            if (IsHydroxide(salt) && anion < 1e-5) continue;
            const double q = std::pow(cation, a) * std::pow(anion, b);
            const double away = std::log10(q / ks);
            if (std::fabs(away) < std::log10(2.0)) continue;
            sides[q > ks].push_back({i, j, q});
            if (std::fabs(away) <= 4) near[q > ks].push_back({i, j, q});
        }
    }
    const bool side = sides[wanted].empty() ? !wanted : wanted;
    const std::vector<Mixed>& pool = near[side].empty() ? sides[side] : near[side];
    if (pool.empty()) {  // not with pairs whose Q spans powers of ten; said rather than left silent
        ShowMessageFlags(kCaption,
                         "Con la Ks de " + salt.compound.formula +
                             " ninguna mezcla de disoluciones de 0,00001 a 0,5 M deja clara la respuesta.\r"
                             "Elija otra sal.",
                         kBoxIconExclamation);
        return;
    }
    const Mixed mixed = pool[Random(int32_t(pool.size()))];
    const double c1 = Strength(mixed.first);
    const double c2 = Strength(mixed.second);
    const std::string cation = IonMarkup(salt.cation);
    const std::string anion = IonMarkup(salt.anion);
    const std::string mixedV = MillilitresText(total, kGiven);
    const std::string q = NumberResult("Q =", mixed.q, Worked(mixed.q), "");
    const std::string answer = ChoiceResult("precipitado:", mixed.q > ks ? "sí" : "no", {"sí", "no"});
    StoreWholeExercise(
        "Se mezclan " + MillilitresText(v1, kGiven) + " mL de disolución " + StrengthText(c1) + " M de " +
            SourceOf(salt.cation) + " con " + MillilitresText(v2, kGiven) + " mL de disolución " +
            StrengthText(c2) + " M de " + SourceOf(salt.anion) + ". ¿Se forma precipitado de " +
            Markup(salt) + "? (volúmenes aditivos)" + KsDatum(salt),
        "  [" + cation + "] = " + StrengthText(c1) + " · " + MillilitresText(v1, kGiven) + " / " + mixedV +
            " = " + Worked(c1 * v1 / total) + " M; [" + anion + "] = " + StrengthText(c2) + " · " +
            MillilitresText(v2, kGiven) + " / " + mixedV + " = " + Worked(c2 * v2 / total) + " M; Q = [" + cation +
            "]" + (a > 1 ? "^" + IntToText(a) : "") + "·[" + anion + "]" + (b > 1 ? "^" + IntToText(b) : "") +
            " = " + q + (mixed.q > ks ? " > " : " < ") + "K_s; precipitado: " + answer);
}

void CommonIon(const SparinglySoluble& salt) {
    // In a solution of a hydroxide's cation there would be less OH^- than in water: only the
    // hydroxide's own OH^- is given as the common ion.
    const bool anionCommon = IsHydroxide(salt) || Choose(2) == 1;
    const SaltIon& common = anionCommon ? salt.anion : salt.cation;
    const int p = (anionCommon ? salt.cation : salt.anion).count;  // the ion only the salt gives
    const int q = common.count;
    const std::string ks = KsText(salt);
    const double k = AsShown(salt.ks, ks);
    const double c = Strength(Random(9));  // 0.001 to 0.5 M
    const std::string strength = StrengthText(c);
    const std::string qs = q == 1 ? "s" : IntToText(q) + "s";
    // Ks = (p·s)^p·(c + q·s)^q; with q·s negligible beside c, s = (Ks / (p^p·c^q))^(1/p).
    const std::string power = q > 1 ? "^" + IntToText(q) : "";
    const std::string withCommon = "(" + strength + " + " + qs + ")" + power;
    const std::string exact = anionCommon ? Term(p) + "·" + withCommon : withCommon + "·" + Term(p);
    const double coefficient = std::pow(double(p), p);
    const double approximate = std::pow(k / (coefficient * std::pow(c, q)), 1.0 / p);
    const bool holds = q * approximate <= 0.05 * c;
    // The exact root lies below the approximate one, as c + q·s is above c: halved to the last bit.
    double low = 0;
    double high = approximate;
    for (int step = 0; step < 200; ++step) {
        const double mid = (low + high) / 2;
        const double logKs = p * std::log(p * mid) + q * std::log(c + q * mid);
        (logKs < std::log(k) ? low : high) = mid;
    }
    const double s = holds ? approximate : (low + high) / 2;
    const std::string denominator = (p > 1 ? "(" + IntToText(int(coefficient)) + "·" : std::string()) + strength +
                                    power + (p > 1 ? ")" : "");
    const std::string rooted = "s = " + Root(ks + " / " + denominator, p);
    const std::string solubility = NumberResult("s =", s, Worked(s), "mol/L");
    const std::string working =
        holds ? "; con " + qs + " despreciable frente a " + strength + ": " + rooted + " = " + solubility +
                    " mol/L (" + qs + " = " + Worked(q * s) + ", menos del 5 % de " + strength +
                    ": la aproximación vale)"
              : "; con " + qs + " despreciable saldría " + rooted + " = " + Worked(approximate) + ", y " + qs + " = " +
                    Worked(q * approximate) + " no es despreciable frente a " + strength +
                    ": sin aproximar, s = " + solubility + " mol/L";
    StoreWholeExercise("Calcular la solubilidad en mol/L del " + Markup(salt) + " en una disolución " + strength +
                           " M de " + SourceOf(common) + "." + KsDatum(salt),
                       "  K_s = " + exact + working);
}

bool AskSalt(SparinglySoluble& salt) {
    // Versions made before any visit in this run find the list not read yet.
    if (Constants.salts.empty()) LoadConstants();
    if (Constants.salts.empty()) {
        ShowMessageFlags(kCaption, std::string(kConstantsFile) + " no tiene ninguna sal de baja solubilidad.",
                         kBoxIconExclamation);
        return false;
    }
    std::vector<std::string> formulas;
    for (const SparinglySoluble& listed : Constants.salts) formulas.push_back(listed.compound.formula);
    std::string text = g_proposed;
    if (!Ui().ChooseFromList("Elegir sal", formulas, text)) return false;
    const std::string typed = TrimText(text);
    if (typed.empty()) return false;
    for (const SparinglySoluble& listed : Constants.salts) {
        if (listed.compound.formula != typed) continue;
        salt = listed;
        g_proposed = typed;
        KeepRecipeText(typed);
        return true;
    }
    g_proposed = typed;  // proposed again, to be corrected rather than typed anew
    ShowMessageFlags(kCaption,
                     CutText(typed, 40) + " no está en la lista de sales de " + kConstantsFile +
                         ".\rElija una de la lista.",
                     kBoxIconExclamation);
    return false;
}

SparinglySoluble g_salt;

}  // namespace

void GenerateSolubility(uint8_t subKind) {
    static const SubKindOn<SparinglySoluble> kinds[] = {{FromKs}, {KsFromSolubility}, {Precipitate}, {CommonIon}};
    GenerateOn(subKind, kinds, AskSalt, g_salt);
}

void StartSolubilityVisit() {
    LoadConstants();  // at each visit: the teacher may have edited the file meanwhile
    g_proposed.clear();
}

void SolubilityTopic() { RunTopic(*FindTopic(11)); }
