#include "chemistry/equilibrium.h"

#include <cmath>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "chemistry/constants.h"
#include "chemistry/exercise_text.h"
#include "chemistry/gases.h"
#include "chemistry/topics.h"
#include "shell/batch.h"
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
const char* const kCaption = "Equilibrio químico";
const char* const kListArrow = " <=> ";

// The equilibrium of the last question of the visit, proposed at the next one.
std::string g_proposed;

void Tell(const std::string& text) { ShowMessageFlags(kCaption, text, kBoxIconExclamation); }

std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    if (at != std::string::npos) text.replace(at, from.size(), to);
    return text;
}

// ---- The shapes of equilibrium that the sub-kinds need

bool IsGas(const Substance& substance) { return substance.state.empty() || substance.state == "(g)"; }

int Moles(const std::vector<Substance>& side) {
    int moles = 0;
    for (const Substance& substance : side) moles += substance.coefficient;
    return moles;
}

bool AllGases(const Reaction& reaction) {
    for (const auto* side : {&reaction.reactants, &reaction.products}) {
        for (const Substance& substance : *side) {
            if (!IsGas(substance)) return false;
        }
    }
    return !reaction.reactants.empty() && !reaction.products.empty();
}

// Products starting from none, Kc = (products) / (reactants) is of second degree in the
// moles reacted when neither side has more than two moles.
bool GivesQuadratic(const Reaction& reaction) {
    return AllGases(reaction) && Moles(reaction.reactants) <= 2 && Moles(reaction.products) <= 2;
}

// A <=> B + C or A <=> 2 B: the gases of which a degree of dissociation is asked.
bool IsDissociation(const Reaction& reaction) {
    if (!AllGases(reaction) || reaction.reactants.size() != 1 || reaction.reactants[0].coefficient != 1) return false;
    const std::vector<Substance>& products = reaction.products;
    if (products.size() == 1) return products[0].coefficient == 2;
    return products.size() == 2 && products[0].coefficient == 1 && products[1].coefficient == 1;
}

// ---- Numbers

NumberStyle Style() { return NumberOptions; }

// An equilibrium constant, or a coefficient of its equation: a power of ten in the classroom
// form, and in the plain one where its decimals would lose its figures (a Kc of 2e-10).
std::string KText(double k, Role role = Role::WorkedOut) {
    const NumberStyle style = Style();
    const int figures = role == kGiven ? FiguresOf(k) : 3;
    if (style.significantFigures || std::fabs(k) < 0.001) return PowerText(k, figures, style);
    return role == kGiven ? DataNumber(k, style, {1, 4}) : ComputedNumber(k, style, {1, 4});
}

// Amounts and concentrations as their forms write them, but with a power of ten below a
// thousandth, where the plain form's six decimals would leave a figure or none.
std::string Tiny(double x) { return PowerText(x, 3, Style()); }
std::string AmountText(double moles, Role role = Role::WorkedOut) {
    return std::fabs(moles) < 0.001 ? Tiny(moles) : MolesText(moles, role);
}
std::string ConcentrationText(double molesPerLitre) {
    return std::fabs(molesPerLitre) < 0.001 ? Tiny(molesPerLitre) : MolarityText(molesPerLitre);
}
std::string AlphaText(double alpha) { return std::fabs(alpha) < 0.001 ? Tiny(alpha) : MoleFractionText(alpha); }
std::string PartialPressureText(double atm) { return std::fabs(atm) < 0.001 ? Tiny(atm) : PressureText(atm); }
std::string KelvinGiven(double kelvin) { return DataNumber(kelvin, Style(), {1, 2}); }

// A drawn amount given as data: three significant figures, as a measurement reads.
double ToThreeFigures(double x) { return AsShown(x, SignificantText(x, 3, '.')); }

double DrawInitialMoles() { return (Random(46) + 5) / 10.0; }  // 0.5 to 5 mol
double DrawLitres() { return Random(10) + 1; }                 // 1 to 10 L

// ---- Texts

std::string Markup(const Substance& substance) { return FormulaMarkup(substance.compound); }
std::string Bracket(const Substance& substance) { return "[" + Markup(substance) + "]"; }

std::string Powered(const std::string& base, int power) { return power == 1 ? base : base + "^" + IntToText(power); }

// One side of the expression of Kc: "[NH_3]^2", "([N_2]·[H_2]^3)" when it is a product.
std::string Factors(const std::vector<Substance>& side, bool parenthesised) {
    std::string text;
    for (const Substance& substance : side) {
        if (!text.empty()) text += "·";
        text += Powered(Bracket(substance), substance.coefficient);
    }
    return parenthesised && side.size() > 1 ? "(" + text + ")" : text;
}

// "[NH_3]^2/([N_2]·[H_2]^3)"
std::string Expression(const Reaction& reaction) {
    return Factors(reaction.products, false) + "/" + Factors(reaction.reactants, true);
}

std::string Start(const Equilibrium& equilibrium) {
    return "Reacción: " + Replaced(ReactionMarkup(equilibrium.reaction), " -> ", kListArrow) + kLineBreak;
}

// "K_c = 0.042 a 523 K"
std::string KcDatum(const Equilibrium& equilibrium) {
    return "K_c = " + KText(equilibrium.kc, kGiven) + " a " + KelvinGiven(equilibrium.kelvin) + " K";
}
std::string GasConstantDatum() { return "R = " + ConstantText(kGasConstant) + " atm·L/(mol·K)"; }

// "2 mol de H_2 y 1.5 mol de I_2"
std::string AmountsList(const std::vector<const Substance*>& substances, const std::vector<double>& moles) {
    std::string text;
    for (std::size_t i = 0; i < substances.size(); ++i) {
        if (i > 0) text += i + 1 == substances.size() ? " y " : ", ";
        text += AmountText(moles[i], kGiven) + " mol de " + Markup(*substances[i]);
    }
    return text;
}

// The gas moles gained: products' minus reactants'.
int GasMolesGained(const Reaction& reaction) { return Moles(reaction.products) - Moles(reaction.reactants); }

// "(R·T)^(-2)", the exponent as the markup raises it.
std::string RtPower(int exponent) {
    return "(R·T)^" + (exponent < 0 ? "(" + IntToText(exponent) + ")" : IntToText(exponent));
}

// "variación de moles de gas: 2 - 1 = 1; "
std::string GasMolesStep(const Reaction& reaction) {
    return "variación de moles de gas: " + IntToText(Moles(reaction.products)) + " - " +
           IntToText(Moles(reaction.reactants)) + " = " + IntToText(GasMolesGained(reaction)) + "; ";
}

// ---- The chemistry

// Σ ν·ln c - ln K at `x` moles reacted in `litres`, the products starting from none: it grows
// with x, from below zero near none reacted to above it near the limiting reactant spent.
double LogQuotientOverK(const Reaction& reaction, const std::vector<double>& initial, double litres, double x,
                        double k) {
    double sum = -std::log(k);
    for (std::size_t i = 0; i < reaction.reactants.size(); ++i) {
        const int a = reaction.reactants[i].coefficient;
        sum -= a * std::log((initial[i] - a * x) / litres);
    }
    for (const Substance& product : reaction.products) {
        sum += product.coefficient * std::log(product.coefficient * x / litres);
    }
    return sum;
}

// The moles reacted that a limiting reactant allows: min(n_0 / a).
double MostReacted(const Reaction& reaction, const std::vector<double>& initial) {
    double most = initial[0] / reaction.reactants[0].coefficient;
    for (std::size_t i = 1; i < initial.size(); ++i)
        most = std::fmin(most, initial[i] / reaction.reactants[i].coefficient);
    return most;
}

// The moles reacted at equilibrium, by halving: the quotient is monotonic in them.
double ReactedAtEquilibrium(const Reaction& reaction, const std::vector<double>& initial, double litres, double k) {
    double low = 0;
    double high = MostReacted(reaction, initial);
    for (int step = 0; step < 200; ++step) {
        const double middle = (low + high) / 2;
        if (LogQuotientOverK(reaction, initial, litres, middle, k) < 0) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return (low + high) / 2;
}

double Quotient(const Reaction& reaction, const std::vector<double>& reactants, const std::vector<double>& products) {
    double q = 1;
    for (std::size_t i = 0; i < reactants.size(); ++i) q /= std::pow(reactants[i], reaction.reactants[i].coefficient);
    for (std::size_t j = 0; j < products.size(); ++j) q *= std::pow(products[j], reaction.products[j].coefficient);
    return q;
}

std::vector<const Substance*> Pointers(const std::vector<Substance>& side) {
    std::vector<const Substance*> pointers;
    for (const Substance& substance : side) pointers.push_back(&substance);
    return pointers;
}

// ---- 1: Kc from the amounts

// The initial amounts and the volume are drawn until the equilibrium of the list lies between a
// fifth and four fifths of the way, where the amount given fixes the others to its figures.
void KcFromAmounts(const Equilibrium& equilibrium) {
    const Reaction& reaction = equilibrium.reaction;
    const std::size_t reactantCount = reaction.reactants.size();
    const int drawn = Choose(int32_t(reactantCount + reaction.products.size()));
    struct Draw {
        double litres = 0;
        std::vector<double> initial;
        int given = 0;
        double moles = 0;
    };
    std::optional<Draw> kept;
    for (int attempt = 0; attempt < 50; ++attempt) {
        Draw draw{DrawLitres(), std::vector<double>(reactantCount), drawn, 0};
        for (double& amount : draw.initial) amount = DrawInitialMoles();
        const double reacted = ReactedAtEquilibrium(reaction, draw.initial, draw.litres, equilibrium.kc);
        const double share = reacted / MostReacted(reaction, draw.initial);
        // A reactant that loses less than a fifth of its amount gives the moles reacted to a
        // figure or two: the amount given is then a product's, which shows how far it went.
        if (std::size_t(draw.given) < reactantCount &&
            reaction.reactants[draw.given].coefficient * reacted < 0.2 * draw.initial[draw.given]) {
            draw.given = int(reactantCount + draw.given % reaction.products.size());
        }
        const bool reactantGiven = std::size_t(draw.given) < reactantCount;
        const int a = reactantGiven ? reaction.reactants[draw.given].coefficient
                                    : reaction.products[draw.given - reactantCount].coefficient;
        draw.moles = ToThreeFigures(reactantGiven ? draw.initial[draw.given] - a * reacted : a * reacted);
        // The amount given, to its three figures, must leave every reactant some and give back
        // the list's Kc: rounded, it can use up a reactant whole (a Kc divided by zero).
        const double x = reactantGiven ? (draw.initial[draw.given] - draw.moles) / a : draw.moles / a;
        std::vector<double> left(reactantCount);
        std::vector<double> made(reaction.products.size());
        bool sound = x > 0;
        for (std::size_t i = 0; i < reactantCount; ++i) {
            left[i] = AsShown((draw.initial[i] - reaction.reactants[i].coefficient * x) / draw.litres,
                              ConcentrationText);
            sound = sound && left[i] > 0;
        }
        for (std::size_t j = 0; j < made.size(); ++j) {
            made[j] = AsShown(reaction.products[j].coefficient * x / draw.litres, ConcentrationText);
        }
        sound = sound && std::fabs(Quotient(reaction, left, made) / equilibrium.kc - 1) <= 0.05;
        if (!sound) continue;
        // Between a fifth and four fifths of the way is best; a Kc that never gets there (N2O4
        // at 25 °C) takes the first sound draw.
        const bool midway = share >= 0.2 && share <= 0.8;
        if (midway || !kept) kept = draw;
        if (midway) break;
    }
    if (!kept) {
        return Tell("Con la K_c de " + EquilibriumText(equilibrium) +
                    " no salen cantidades en el equilibrio que la den con tres cifras.\rElija otro equilibrio.");
    }
    const double litres = kept->litres;
    const std::vector<double>& initial = kept->initial;
    const int given = kept->given;
    const double moles = kept->moles;
    const bool givenReactant = std::size_t(given) < reactantCount;
    const Substance& species = givenReactant ? reaction.reactants[given] : reaction.products[given - reactantCount];
    const int a = species.coefficient;
    const double n0 = givenReactant ? initial[given] : 0;

    // The moles reacted from the amount given. The concentrations follow x as the data give it,
    // not as rounded for the step: the reactant left of a reaction gone far would lose its
    // figures to that rounding.
    const std::string n = AmountText(moles, kGiven);
    const double x = givenReactant ? (n0 - moles) / a : moles / a;
    const std::string xText = AmountText(x);
    const std::string over = a == 1 ? "" : "/" + IntToText(a);
    // A product of coefficient 1 gives x itself: "x = 0.207 mol", not "x = 0.207 = 0.207 mol".
    const std::string worked = givenReactant ? (a == 1 ? MolesText(n0, kGiven) + " - " + n
                                                       : "(" + MolesText(n0, kGiven) + " - " + n + ")" + over)
                                             : n + over;
    std::string answer = "  x = " + (worked == xText ? "" : worked + " = ") + xText + " mol";
    const std::string v = LitresText(litres, kGiven);
    std::vector<double> reactants;
    std::vector<double> products;
    for (std::size_t i = 0; i < reactantCount + reaction.products.size(); ++i) {
        const bool reactant = i < reactantCount;
        const Substance& one = reactant ? reaction.reactants[i] : reaction.products[i - reactantCount];
        const int c = one.coefficient;
        const std::string cx = (c == 1 ? "" : IntToText(c) + "·") + xText;
        std::string step;
        double concentration = 0;
        if (int(i) == given) {
            step = n + "/" + v;
            concentration = moles / litres;
        } else if (reactant) {
            step = "(" + MolesText(initial[i], kGiven) + " - " + cx + ")/" + v;
            concentration = (initial[i] - c * x) / litres;
        } else {
            step = cx + "/" + v;
            concentration = c * x / litres;
        }
        const std::string shown = ConcentrationText(concentration);
        (reactant ? reactants : products).push_back(AsShown(concentration, shown));
        const std::string label = Bracket(one) + " =";
        answer += "; " + label + " " + step + " = " + NumberResult(label, concentration, shown, "M") + " M";
    }
    const double kc = Quotient(reaction, reactants, products);
    // The label takes the expression: its exponents would read as numbers of the result.
    const std::string kcLabel = "K_c = " + Expression(reaction) + " =";
    answer += "; " + kcLabel + " " + NumberResult(kcLabel, kc, KText(kc), "");

    const std::vector<const Substance*> charged = Pointers(reaction.reactants);
    StoreWholeExercise(Start(equilibrium) + "En un recipiente de " + v + " L se introducen " +
                           AmountsList(charged, initial) + " a " + KelvinGiven(equilibrium.kelvin) +
                           " K. Alcanzado el equilibrio, hay " + n + " mol de " + Markup(species) +
                           ". Calcular K_c a esa temperatura.",
                       answer);
}

// ---- 2: Kp from Kc, or Kc from Kp

void KpAndKc(const Equilibrium& equilibrium) {
    const Reaction& reaction = equilibrium.reaction;
    const bool toKp = Choose(2) == 0;
    const int gained = GasMolesGained(reaction);
    const double rt = kGasConstant * equilibrium.kelvin;
    const std::string t = KelvinGiven(equilibrium.kelvin);
    const std::string rtText = "(" + ConstantText(kGasConstant) + "·" + t + ")^" +
                               (gained < 0 ? "(" + IntToText(gained) + ")" : IntToText(gained));
    const std::string data = kLineBreak + std::string(kData) + GasConstantDatum();
    if (toKp) {
        const double kp = equilibrium.kc * std::pow(rt, gained);
        StoreWholeExercise(Start(equilibrium) + "A " + t + " K, K_c = " + KText(equilibrium.kc, kGiven) +
                               ". Calcular K_p a esa temperatura." + data,
                           "  " + GasMolesStep(reaction) + "K_p = K_c·" + RtPower(gained) + " = " +
                               KText(equilibrium.kc, kGiven) + "·" + rtText + " = " +
                               NumberResult("K_p =", kp, KText(kp), ""));
        return;
    }
    // The Kp given is the list's Kc carried over, to the figures a statement gives.
    const std::string kpText = KText(equilibrium.kc * std::pow(rt, gained));
    const double kp = AsShown(equilibrium.kc * std::pow(rt, gained), kpText);
    const double kc = kp / std::pow(rt, gained);
    StoreWholeExercise(
        Start(equilibrium) + "A " + t + " K, K_p = " + kpText + ". Calcular K_c a esa temperatura." + data,
        "  " + GasMolesStep(reaction) + "K_c = K_p/" + RtPower(gained) + " = " + kpText + "/" + rtText + " = " +
            NumberResult("K_c =", kc, KText(kc), ""));
}

// ---- 3: the concentrations at equilibrium

// A polynomial of degree up to 2 in x, lowest power first.
struct Quadratic {
    double c[3] = {0, 0, 0};
};

Quadratic Times(const Quadratic& p, double constant, double slope) {
    Quadratic q;
    for (int i = 0; i < 3; ++i) {
        q.c[i] += p.c[i] * constant;
        if (i + 1 < 3) q.c[i + 1] += p.c[i] * slope;
    }
    return q;
}

// "-46x^2 + 35x - 6 = 0", each coefficient with three figures.
std::string EquationText(const Quadratic& q) {
    std::string text;
    const char* const powers[] = {"", "x", "x^2"};
    for (int i = 2; i >= 0; --i) {
        const double c = q.c[i];
        if (c == 0) continue;
        const std::string size = KText(std::fabs(c));
        const std::string figure = i > 0 && size == "1" ? "" : size;
        text += text.empty() ? (c < 0 ? "-" : "") : (c < 0 ? " - " : " + ");
        text += figure + powers[i];
    }
    return text + " = 0";
}

void ConcentrationsFromKc(const Equilibrium& equilibrium) {
    const Reaction& reaction = equilibrium.reaction;
    const double litres = DrawLitres();
    std::vector<double> initial;
    std::vector<double> c0;
    for (std::size_t i = 0; i < reaction.reactants.size(); ++i) {
        initial.push_back(DrawInitialMoles());
        c0.push_back(AsShown(initial.back() / litres, ConcentrationText(initial.back() / litres)));
    }
    // Kc·(reactants) = (products), x in mol/L: K·Π(c_0 - a·x)^a - Π(p·x)^p = 0.
    Quadratic reactants;
    reactants.c[0] = 1;
    std::string denominator;
    for (std::size_t i = 0; i < c0.size(); ++i) {
        const int a = reaction.reactants[i].coefficient;
        for (int k = 0; k < a; ++k) reactants = Times(reactants, c0[i], -a);
        const std::string term = "(" + ConcentrationText(c0[i]) + " - " + (a == 1 ? "" : IntToText(a)) + "x)";
        denominator += (denominator.empty() ? "" : "·") + Powered(term, a);
    }
    if (c0.size() > 1) denominator = "(" + denominator + ")";
    double factor = 1;
    for (const Substance& product : reaction.products) factor *= std::pow(product.coefficient, product.coefficient);
    const int power = Moles(reaction.products);
    const double k = equilibrium.kc;
    Quadratic equation;
    for (int i = 0; i < 3; ++i) equation.c[i] = -k * reactants.c[i];
    equation.c[power] += factor;
    // Leading coefficient positive, as a class writes it.
    const int degree = equation.c[2] != 0 ? 2 : 1;
    if (equation.c[degree] < 0) {
        for (double& c : equation.c) c = -c;
    }
    const std::string numerator = (factor == 1 ? "" : IntToText(int32_t(factor))) + Powered("x", power);
    std::string answer =
        "  K_c = " + numerator + "/" + denominator + " = " + KText(k, kGiven) + "; " + EquationText(equation);

    // The root with meaning: more than none reacted, and no reactant below none.
    double most = c0[0] / reaction.reactants[0].coefficient;
    std::size_t limiting = 0;
    for (std::size_t i = 1; i < c0.size(); ++i) {
        if (c0[i] / reaction.reactants[i].coefficient < most) {
            most = c0[i] / reaction.reactants[i].coefficient;
            limiting = i;
        }
    }
    double x = 0;
    std::string other;
    if (degree == 1) {
        x = -equation.c[0] / equation.c[1];
    } else {
        const double a = equation.c[2], b = equation.c[1], c = equation.c[0];
        const double root = std::sqrt(b * b - 4 * a * c);
        // (-b ± root)/2a loses every figure of the small root to -b + root when Kc is large:
        // that one is taken as c/q instead.
        const double q = -(b + std::copysign(root, b)) / 2;
        const double near = q == 0 ? 0 : c / q;
        const double first = b >= 0 ? near : q / a;    // (-b + root)/2a
        const double second = b >= 0 ? q / a : near;   // (-b - root)/2a
        const bool firstFits = first > 0 && first <= most * (1 + 1e-12);
        x = firstFits ? first : second;
        const double rejected = firstFits ? second : first;
        other = " (la otra raíz, " + KText(rejected) + ", " +
                (rejected < 0 ? std::string("es negativa") : "deja " + Bracket(reaction.reactants[limiting]) + " < 0") +
                ")";
    }
    if (!(x > 0 && x <= most * (1 + 1e-12))) {
        return Tell("Con la K_c de " + EquilibriumText(equilibrium) +
                    " la ecuación no da concentraciones con sentido.\rElija otro equilibrio.");
    }
    answer += "; x = " + ConcentrationText(x) + " M" + other;
    // Every concentration from x as solved: the reactant that the reaction nearly spends would
    // lose its figures to x as rounded.
    std::vector<double> left(c0.size());
    for (std::size_t i = 0; i < c0.size(); ++i) {
        left[i] = c0[i] - reaction.reactants[i].coefficient * x;
        // A large Kc spends the limiting reactant to below what c0 - x can tell from c0: that is
        // none left, not less than none.
        if (left[i] < 0 && left[i] > -1e-9 * c0[i]) left[i] = 0;
    }
    std::string sep = "; ";
    for (std::size_t i = 0; i < c0.size(); ++i) {
        const double c = left[i];
        const std::string label = Bracket(reaction.reactants[i]) + " =";
        answer += sep + label + " " + NumberResult(label, c, ConcentrationText(c), "M") + " M";
        sep = ", ";
    }
    // Products of one coefficient have one concentration: "[PCl_3] = [Cl_2] = 0.225 M".
    bool oneCoefficient = true;
    for (const Substance& product : reaction.products)
        oneCoefficient &= product.coefficient == reaction.products[0].coefficient;
    std::string label;
    for (const Substance& product : reaction.products) {
        label += (label.empty() ? "" : " ") + Bracket(product) + " =";
        if (oneCoefficient && &product != &reaction.products.back()) continue;
        const double c = product.coefficient * x;
        answer += sep + label + " " + NumberResult(label, c, ConcentrationText(c), "M") + " M";
        label.clear();
    }
    StoreWholeExercise(Start(equilibrium) + "En un recipiente de " + LitresText(litres, kGiven) + " L se introducen " +
                           AmountsList(Pointers(reaction.reactants), initial) + " a " +
                           KelvinGiven(equilibrium.kelvin) + " K. Calcular las concentraciones en el equilibrio." +
                           kLineBreak + kData + KcDatum(equilibrium),
                       answer);
}

// ---- 4: the degree of dissociation and the partial pressures

void DissociationAndPressures(const Equilibrium& equilibrium) {
    const Reaction& reaction = equilibrium.reaction;
    const Substance& gas = reaction.reactants[0];
    const bool twoOfOne = reaction.products.size() == 1;
    const double total = (Random(46) + 5) / 10.0;  // 0.5 to 5 atm
    const double rt = kGasConstant * equilibrium.kelvin;
    const std::string t = KelvinGiven(equilibrium.kelvin);
    const std::string kpText = KText(equilibrium.kc * rt);
    const double kp = AsShown(equilibrium.kc * rt, kpText);
    // Kp = α²·p/(1 - α²), or 4α²·p/(1 - α²) for A <=> 2 B.
    const double times = twoOfOne ? 4 : 1;
    const double alpha = std::sqrt(kp / (kp + times * total));
    const std::string alphaShown = AlphaText(alpha);
    const double as = AsShown(alpha, alphaShown);
    const std::string p = PressureText(total, kGiven);
    const double pGas = (1 - as) / (1 + as) * total;
    const double pEach = (twoOfOne ? 2 : 1) * as / (1 + as) * total;

    const std::string kpLabel = "K_p = K_c·(R·T)^1 =";
    const std::string recordedKp = NumberResult(kpLabel, kp, kpText, "");
    const std::string recordedAlpha = NumberResult("alfa =", alpha, alphaShown, "");
    const std::string gasLabel = "p(" + Markup(gas) + ") =";
    const std::string recordedGas = NumberResult(gasLabel, pGas, PartialPressureText(pGas), "atm");
    std::string productLabel;
    for (const Substance& product : reaction.products) productLabel += "p(" + Markup(product) + ") = ";
    const std::string recordedEach = NumberResult(TrimText(productLabel), pEach, PartialPressureText(pEach), "atm");
    const std::string two = twoOfOne ? "4·" : "";
    StoreWholeExercise(Start(equilibrium) + "Calcular el grado de disociación del " + Markup(gas) + " a " + t +
                           " K y una presión total de " + p + " atm, y las presiones parciales en el equilibrio." +
                           kLineBreak + kData + KcDatum(equilibrium) + "; " + GasConstantDatum(),
                       "  " + kpLabel + " " + recordedKp + "; K_p = " + two + "alfa^2·p/(1 - alfa^2): alfa = " +
                           recordedAlpha + "; " + gasLabel + " (1 - alfa)/(1 + alfa)·p = " + recordedGas + " atm; " +
                           productLabel + (twoOfOne ? "2·" : "") + "alfa/(1 + alfa)·p = " + recordedEach + " atm");
}

// ---- 5: the reaction quotient against Kc

const char* const kTowardsProducts = "hacia la derecha";
const char* const kTowardsReactants = "hacia la izquierda";
const char* const kAtEquilibrium = "en equilibrio";

// Every amount drawn but the last product's, which sets Q to between a tenth and half of Kc
// or between twice and ten times it, so that the way it goes is never in doubt.
void QuotientAgainstKc(const Equilibrium& equilibrium) {
    const Reaction& reaction = equilibrium.reaction;
    std::vector<const Substance*> all = Pointers(reaction.reactants);
    for (const Substance& product : reaction.products) all.push_back(&product);
    const std::size_t reactantCount = reaction.reactants.size();
    double litres = 0;
    std::vector<double> moles(all.size());
    bool sound = false;
    // The last product's amount is what gives Q: drawn again while it is more than a vessel
    // of a few litres holds (104 mol of SO3 in 2 L). A tiny one is sound: a Kc of 2e-10 asks it.
    for (int attempt = 0; attempt < 50 && !sound; ++attempt) {
        litres = DrawLitres();
        const bool right = Random(2) == 0;
        const double ratio = right ? (Random(5) + 1) / 10.0 : Random(9) + 2;
        for (std::size_t i = 0; i + 1 < all.size(); ++i) moles[i] = DrawInitialMoles();
        // Q = K·ratio, solved for the concentration of the last product.
        double rest = equilibrium.kc * ratio;
        for (std::size_t i = 0; i + 1 < all.size(); ++i) {
            const double power = std::pow(moles[i] / litres, all[i]->coefficient);
            rest = i < reactantCount ? rest * power : rest / power;
        }
        moles.back() = ToThreeFigures(std::pow(rest, 1.0 / all.back()->coefficient) * litres);
        sound = moles.back() > 0 && moles.back() <= 10;
    }
    if (!sound) {
        return Tell("Con la K_c de " + EquilibriumText(equilibrium) +
                    " no salen cantidades razonables para comparar Q con ella.\rElija otro equilibrio.");
    }

    std::string answer = " ";
    std::vector<double> reactants;
    std::vector<double> products;
    for (std::size_t i = 0; i < all.size(); ++i) {
        const double c = moles[i] / litres;
        const std::string shown = ConcentrationText(c);
        (i < reactantCount ? reactants : products).push_back(AsShown(c, shown));
        answer += (i == 0 ? " " : ", ") + Bracket(*all[i]) + " = " + shown + " M";
    }
    const double q = Quotient(reaction, reactants, products);
    const std::string qText = KText(q);
    const bool forward = AsShown(q, qText) < equilibrium.kc;
    const std::string qLabel = "Q_c = " + Expression(reaction) + " =";
    const std::string recordedQ = NumberResult(qLabel, q, qText, "");
    const std::string way = ChoiceResult("evoluciona", forward ? kTowardsProducts : kTowardsReactants,
                                         {kTowardsProducts, kTowardsReactants, kAtEquilibrium});
    answer += "; " + qLabel + " " + recordedQ + (forward ? " < " : " > ") +
              "K_c = " + KText(equilibrium.kc, kGiven) + ": no está en equilibrio; evoluciona " + way + " (" +
              (forward ? "se forman productos" : "se forman reactivos") + ")";
    StoreWholeExercise(Start(equilibrium) + "En un recipiente de " + LitresText(litres, kGiven) + " L hay, a " +
                           KelvinGiven(equilibrium.kelvin) + " K, " + AmountsList(all, moles) +
                           ". ¿Está el sistema en equilibrio? Si no lo está, ¿hacia dónde evoluciona?" +
                           kLineBreak + kData + KcDatum(equilibrium),
                       answer);
}

// ---- The equilibrium asked for

struct EquilibriumKind {
    void (*make)(const Equilibrium&);
    bool (*fits)(const Reaction&);
    const char* need;  // what the sub-kind needs, said when none of the list has it
};

const EquilibriumKind kKinds[] = {
    {KcFromAmounts, AllGases, "hace falta un equilibrio entre gases"},
    {KpAndKc, AllGases, "hace falta un equilibrio entre gases"},
    {ConcentrationsFromKc, GivesQuadratic,
     "hace falta un equilibrio entre gases de no más de dos moles de reactivos y dos de productos, "
     "cuya Kc dé una ecuación de segundo grado"},
    {DissociationAndPressures, IsDissociation,
     "hace falta la disociación de un gas, de la forma A <=> B + C o A <=> 2 B"},
    {QuotientAgainstKc, AllGases, "hace falta un equilibrio entre gases"},
};

// A text as the list compares it: the reaction read again where it is one, so that blanks and
// "->" for "<=>" make no difference.
std::string Comparable(const std::string& text) {
    Reaction reaction;
    ReactionProblem problem;
    if (ReadReaction(Replaced(text, "<=>", "->"), reaction, problem)) return reaction.text;
    return TrimText(text);
}

const Equilibrium* Listed(const std::string& text) {
    const std::string wanted = Comparable(text);
    for (const Equilibrium& equilibrium : Constants.equilibria) {
        if (Comparable(EquilibriumText(equilibrium)) == wanted) return &equilibrium;
    }
    return nullptr;
}

// The equilibrium of the list that the teacher picks or types, among those that suit the
// sub-kind; kept for the recipe, so that every version is made on it.
const Equilibrium* AskEquilibrium(const EquilibriumKind& kind) {
    std::vector<std::string> texts;
    for (const Equilibrium& equilibrium : Constants.equilibria) {
        if (kind.fits(equilibrium.reaction)) texts.push_back(EquilibriumText(equilibrium));
    }
    if (texts.empty()) {
        Tell("Ningún equilibrio de " + std::string(kConstantsFile) + " sirve para este ejercicio: " + kind.need + ".");
        return nullptr;
    }
    std::string text = g_proposed;
    if (!Ui().ChooseFromList("Elegir equilibrio", texts, text)) return nullptr;
    const std::string typed = TrimText(text);
    if (typed.empty()) return nullptr;
    // Proposed again next time, to be corrected rather than typed anew.
    g_proposed = CutText(typed, kRecipeTextMax);
    const Equilibrium* found = Listed(typed);
    if (found == nullptr) {
        Tell(CutText(typed, 80) + "\rno está en la lista de equilibrios de " + kConstantsFile +
             ".\rElija uno de la lista.");
        return nullptr;
    }
    if (!kind.fits(found->reaction)) {
        Tell(CutText(typed, 80) + "\rno sirve para este ejercicio: " + kind.need + ".\rElija otro de la lista.");
        return nullptr;
    }
    g_proposed = EquilibriumText(*found);
    KeepRecipeText(g_proposed);
    return found;
}

}  // namespace

std::string EquilibriumText(const Equilibrium& equilibrium) {
    return Replaced(equilibrium.reaction.text, " -> ", kListArrow);
}

void GenerateEquilibrium(uint8_t subKind) {
    if (subKind < 1 || subKind > std::size(kKinds)) return;
    const EquilibriumKind& kind = kKinds[subKind - 1];
    if (const Equilibrium* equilibrium = AskEquilibrium(kind)) {
        // A copy: a load of the list meanwhile (a version made from another window) leaves it as it is.
        Equilibrium picked = *equilibrium;
        // "448 °C" in the list is 721.15 K; the class writes T = 721 K, and a tenth of a degree
        // changes no figure of the answers.
        const double celsius = picked.kelvin - 273.15;
        if (std::fabs(celsius - std::round(celsius)) < 1e-9) picked.kelvin = std::round(picked.kelvin);
        kind.make(picked);
    }
}

void StartEquilibriumVisit() {
    LoadConstants();  // at each visit: the teacher may have edited the file meanwhile
    g_proposed.clear();
}

void EquilibriumTopic() { RunTopic(*FindTopic(9)); }
