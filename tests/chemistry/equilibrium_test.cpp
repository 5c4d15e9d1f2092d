// The chemical equilibrium topic: its worked examples to the byte, its answers against a
// computation of the test's own over many draws, and the equilibria it lists and refuses.

#include "chemistry/equilibrium.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "chemistry/constants.h"
#include "chemistry/remake.h"
#include "chemistry/topics.h"
#include "tests/chemistry/course_topics_support.h"
#include "tests/chemistry/equilibria_support.h"

namespace {

constexpr NumberStyle kClassroom{true, true};

class EquilibriumTest : public CourseTopicTest {
protected:
    void SetUp() override {
        CourseTopicTest::SetUp();
        SetCourseEquilibria();
    }
    // One exercise of the sub-kind on the equilibrium picked; false when none is made.
    bool Make(uint8_t subKind, const std::string& picked) { return MakePicked(9, subKind, picked); }
};

// ---- The worked examples, one of each sub-kind in both forms

struct EquilibriumExample {
    const char* name;
    uint8_t subKind;
    const char* picked;
    std::vector<int32_t> draws;
    NumberStyle style;
    const char* statement;
    const char* answer;
};

void PrintTo(const EquilibriumExample& e, std::ostream* os) { *os << e.name; }

std::vector<int32_t> ThenUsingUpTheOxygen(std::vector<int32_t> draws) {
    for (int attempt = 1; attempt < 50; ++attempt) draws.insert(draws.end(), {0, 45, 5});
    return draws;
}

class EquilibriumExamples : public EquilibriumTest, public ::testing::WithParamInterface<EquilibriumExample> {};

TEST_P(EquilibriumExamples, AreWrittenExactly) {
    const EquilibriumExample& e = GetParam();
    NumberOptions = e.style;
    ScriptRandom(e.draws);
    ASSERT_TRUE(Make(e.subKind, e.picked));
    EXPECT_EQ(CurrentExercise.statement, e.statement);
    EXPECT_EQ(CurrentExercise.answer, e.answer);
    EXPECT_TRUE(ui.boxes.empty());
}

const EquilibriumExample kExamples[] = {
    // PCl5 given, 5 L, 2 mol: 0.5515 mol react, 1.45 mol of PCl5 are left.
    {"KcFromAmounts",
     1,
     "PCl5 <=> PCl3 + Cl2",
     {0, 4, 15},
     {},
     "Reacción: PCl_5 <=> PCl_3 + Cl_2\r\nEn un recipiente de 5 L se introducen 2 mol de PCl_5 a 523 K. "
     "Alcanzado el equilibrio, hay 1.45 mol de PCl_5. Calcular K_c a esa temperatura.",
     "  x = 2 - 1.45 = 0.55 mol; [PCl_5] = 1.45/5 = 0.29 M; [PCl_3] = 0.55/5 = 0.11 M; "
     "[Cl_2] = 0.55/5 = 0.11 M; K_c = [PCl_3]·[Cl_2]/[PCl_5] = 0.041724"},
    {"ClassroomKcFromAmounts",
     1,
     "PCl5 <=> PCl3 + Cl2",
     {0, 4, 15},
     kClassroom,
     "Reacción: PCl_5 <=> PCl_3 + Cl_2\r\nEn un recipiente de 5 L se introducen 2 mol de PCl_5 a 523 K. "
     "Alcanzado el equilibrio, hay 1,45 mol de PCl_5. Calcular K_c a esa temperatura.",
     "  x = 2 - 1,45 = 0,550 mol; [PCl_5] = 1,45/5 = 0,290 M; [PCl_3] = 0,550/5 = 0,110 M; "
     "[Cl_2] = 0,550/5 = 0,110 M; K_c = [PCl_3]·[Cl_2]/[PCl_5] = 0,0417"},
    // 1 L, 5 mol of SO2 and 5 mol of O2 go too far to be the best draw, and then 49 times 1 L,
    // 5 mol of SO2 and 1 mol of O2, which leave 3 mol of SO2 and so, to three figures, no O2
    // at all (a Kc divided by zero): the first draw is kept.
    {"KcFromAmountsKeepsNoDrawThatUsesUpAReactant",
     1,
     "2 SO2 + O2 <=> 2 SO3",
     ThenUsingUpTheOxygen({0, 0, 45, 45}),
     {},
     "Reacción: 2 SO_2 + O_2 <=> 2 SO_3\r\nEn un recipiente de 1 L se introducen 5 mol de SO_2 y 5 mol de O_2 a "
     "1000 K. Alcanzado el equilibrio, hay 0.179 mol de SO_2. Calcular K_c a esa temperatura.",
     "  x = (5 - 0.179)/2 = 2.41 mol; [SO_2] = 0.179/1 = 0.179 M; [O_2] = (5 - 2.41)/1 = 2.59 M; "
     "[SO_3] = 2·2.41/1 = 4.82 M; K_c = [SO_3]^2/([SO_2]^2·[O_2]) = 279.955"},
    {"KpFromKc",
     2,
     "N2 + 3 H2 <=> 2 NH3",
     {0},
     {},
     "Reacción: N_2 + 3 H_2 <=> 2 NH_3\r\nA 673 K, K_c = 0.5. "
     "Calcular K_p a esa temperatura.\r\ndatos: R = 0.082 atm·L/(mol·K)",
     "  variación de moles de gas: 2 - 4 = -2; K_p = K_c·(R·T)^(-2) = 0.5·(0.082·673)^(-2) = 1.64e-4"},
    {"ClassroomKcFromKp",
     2,
     "N2 + 3 H2 <=> 2 NH3",
     {1},
     kClassroom,
     "Reacción: N_2 + 3 H_2 <=> 2 NH_3\r\nA 673 K, K_p = 1,64·10^(-4). "
     "Calcular K_c a esa temperatura.\r\ndatos: R = 0,082 atm·L/(mol·K)",
     "  variación de moles de gas: 2 - 4 = -2; "
     "K_c = K_p/(R·T)^(-2) = 1,64·10^(-4)/(0,082·673)^(-2) = 0,499"},
    // 2 L, 1.5 mol of H2 and 1 mol of I2.
    {"ConcentrationsFromKc",
     3,
     "H2 + I2 <=> 2 HI",
     {1, 10, 5},
     {},
     "Reacción: H_2 + I_2 <=> 2 HI\r\nEn un recipiente de 2 L se introducen 1.5 mol de H_2 y 1 mol de I_2 a 721 K. "
     "Calcular las concentraciones en el equilibrio.\r\ndatos: K_c = 50 a 721 K",
     "  K_c = 4x^2/((0.75 - x)·(0.5 - x)) = 50; 46x^2 - 62.5x + 18.75 = 0; "
     "x = 0.447174 M (la otra raíz, 0.911522, deja [I_2] < 0); "
     "[H_2] = 0.302826 M, [I_2] = 0.052826 M, [HI] = 0.894348 M"},
    {"ClassroomConcentrationsFromKc",
     3,
     "H2 + I2 <=> 2 HI",
     {1, 10, 5},
     kClassroom,
     "Reacción: H_2 + I_2 <=> 2 HI\r\nEn un recipiente de 2 L se introducen 1,5 mol de H_2 y 1 mol de I_2 a 721 K. "
     "Calcular las concentraciones en el equilibrio.\r\ndatos: K_c = 50 a 721 K",
     "  K_c = 4x^2/((0,750 - x)·(0,500 - x)) = 50; 46,0x^2 - 62,5x + 18,8 = 0; "
     "x = 0,447 M (la otra raíz, 0,912, deja [I_2] < 0); [H_2] = 0,303 M, [I_2] = 0,0528 M, [HI] = 0,894 M"},
    // 2 atm.
    {"DegreeOfDissociation",
     4,
     "N2O4 <=> 2 NO2",
     {15},
     {},
     "Reacción: N_2O_4 <=> 2 NO_2\r\nCalcular el grado de disociación del N_2O_4 a 298 K "
     "y una presión total de 2 atm, "
     "y las presiones parciales en el equilibrio.\r\ndatos: K_c = 0.0046 a 298 K; R = 0.082 atm·L/(mol·K)",
     "  K_p = K_c·(R·T)^1 = 0.112406; K_p = 4·alfa^2·p/(1 - alfa^2): alfa = 0.117712; "
     "p(N_2O_4) = (1 - alfa)/(1 + alfa)·p = 1.58 atm; p(NO_2) = 2·alfa/(1 + alfa)·p = 0.421261 atm"},
    {"ClassroomDegreeOfDissociation",
     4,
     "N2O4 <=> 2 NO2",
     {15},
     kClassroom,
     "Reacción: N_2O_4 <=> 2 NO_2\r\nCalcular el grado de disociación del N_2O_4 a 298 K "
     "y una presión total de 2 atm, "
     "y las presiones parciales en el equilibrio.\r\ndatos: K_c = 0,0046 a 298 K; R = 0,082 atm·L/(mol·K)",
     "  K_p = K_c·(R·T)^1 = 0,112; K_p = 4·alfa^2·p/(1 - alfa^2): alfa = 0,118; "
     "p(N_2O_4) = (1 - alfa)/(1 + alfa)·p = 1,58 atm; p(NO_2) = 2·alfa/(1 + alfa)·p = 0,422 atm"},
    // 2 L, towards the products (Q = 0.3 Kc), 2 mol of N2 and 3 mol of H2.
    {"QuotientAgainstKc",
     5,
     "N2 + 3 H2 <=> 2 NH3",
     {1, 0, 2, 15, 25},
     {},
     "Reacción: N_2 + 3 H_2 <=> 2 NH_3\r\nEn un recipiente de 2 L hay, a 673 K, 2 mol de N_2, 3 mol de H_2 y 1.42 mol "
     "de NH_3. "
     "¿Está el sistema en equilibrio? Si no lo está, ¿hacia dónde evoluciona?\r\ndatos: K_c = 0.5 a 673 K",
     "  [N_2] = 1 M, [H_2] = 1.5 M, [NH_3] = 0.71 M; "
     "Q_c = [NH_3]^2/([N_2]·[H_2]^3) = 0.149363 < K_c = 0.5: no está en equilibrio; "
     "evoluciona hacia la derecha (se forman productos)"},
    {"ClassroomQuotientAgainstKc",
     5,
     "N2 + 3 H2 <=> 2 NH3",
     {1, 0, 2, 15, 25},
     kClassroom,
     "Reacción: N_2 + 3 H_2 <=> 2 NH_3\r\nEn un recipiente de 2 L hay, a 673 K, 2 mol de N_2, 3 mol de H_2 y 1,42 mol "
     "de NH_3. "
     "¿Está el sistema en equilibrio? Si no lo está, ¿hacia dónde evoluciona?\r\ndatos: K_c = 0,5 a 673 K",
     "  [N_2] = 1,00 M, [H_2] = 1,50 M, [NH_3] = 0,710 M; "
     "Q_c = [NH_3]^2/([N_2]·[H_2]^3) = 0,149 < K_c = 0,5: no está en equilibrio; "
     "evoluciona hacia la derecha (se forman productos)"},
};

INSTANTIATE_TEST_SUITE_P(EverySubKind, EquilibriumExamples, ::testing::ValuesIn(kExamples),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Every answer against the test's own computation

std::string Mark(const Substance& substance) { return FormulaMarkup(substance.compound); }

// The number printed right before `unit` after the last (or first) `label` of `text`.
double PrintedAfter(const std::string& text, const std::string& label, const std::string& unit, bool last) {
    const std::size_t at = last ? text.rfind(label) : text.find(label);
    if (at == std::string::npos) return std::nan("");
    return NumberBefore(text.substr(at), unit);
}

// The amount that a statement gives of a substance: "1.5 mol de H_2" and no "H_2O".
double AmountGiven(const std::string& statement, const std::string& markup) {
    const std::string before = " mol de " + markup;
    for (std::size_t at = statement.find(before); at != std::string::npos; at = statement.find(before, at + 1)) {
        const char next = statement[at + before.size()];
        if (next == ',' || next == ' ' || next == '.') return NumberBefore(statement.substr(0, at) + "|", "|");
    }
    return std::nan("");
}

double LastNumber(const std::string& text) { return NumberAfter(text, " = ", text.rfind(" = ")); }

// Π c^ν over the products, divided by the same over the reactants.
double QuotientOf(const Reaction& reaction, const std::vector<double>& reactants, const std::vector<double>& products) {
    double q = 1;
    for (std::size_t i = 0; i < reactants.size(); ++i) {
        for (int k = 0; k < reaction.reactants[i].coefficient; ++k) q /= reactants[i];
    }
    for (std::size_t j = 0; j < products.size(); ++j) {
        for (int k = 0; k < reaction.products[j].coefficient; ++k) q *= products[j];
    }
    return q;
}

int GasMolesGained(const Reaction& reaction) {
    int gained = 0;
    for (const Substance& s : reaction.products) gained += s.coefficient;
    for (const Substance& s : reaction.reactants) gained -= s.coefficient;
    return gained;
}

void ExpectRelativelyNear(double shown, double expected, double share, const std::string& what) {
    EXPECT_NEAR(shown, expected, std::fabs(expected) * share) << what;
}

// The concentrations at equilibrium printed in `answer`, each reactant's gone down and each
// product's up by its coefficient times one same x, from the initial `c0` (products none).
void ExpectOneExtent(const Reaction& reaction, const std::vector<double>& c0, const std::vector<double>& reactants,
                     const std::vector<double>& products, const std::string& what) {
    std::vector<double> extents;
    for (std::size_t i = 0; i < reactants.size(); ++i)
        extents.push_back((c0[i] - reactants[i]) / reaction.reactants[i].coefficient);
    for (std::size_t j = 0; j < products.size(); ++j) extents.push_back(products[j] / reaction.products[j].coefficient);
    for (double extent : extents) EXPECT_NEAR(extent, extents.back(), 0.006 + 0.01 * extents.back()) << what;
    for (double c : reactants) EXPECT_GT(c, 0) << what;
    for (double c : products) EXPECT_GT(c, 0) << what;
}

struct Printed {
    std::vector<double> reactants;
    std::vector<double> products;
};
// The last of each label in `answer`, or the first (before the expression of Kc repeats it).
Printed ConcentrationsIn(const Reaction& reaction, const std::string& answer, bool last) {
    Printed printed;
    for (const Substance& s : reaction.reactants)
        printed.reactants.push_back(PrintedAfter(answer, "[" + Mark(s) + "] =", " M", last));
    for (const Substance& s : reaction.products)
        printed.products.push_back(PrintedAfter(answer, "[" + Mark(s) + "] =", " M", last));
    return printed;
}

// On the test's list and on the program's own, whose longest formulas must fit the texts too.
TEST_F(EquilibriumTest, EveryAnswerAgreesWithTheTestsOwnComputationOverManyDraws) {
    const ConstantsList course = Constants;
    for (const bool programs : {false, true}) {
        Constants = programs ? ReadConstantsList(DefaultConstantsText()) : course;
        ASSERT_GE(Constants.equilibria.size(), 7u);
        for (const NumberStyle style : {NumberStyle{}, kClassroom}) {
            NumberOptions = style;
            for (const Equilibrium& listed : std::vector<Equilibrium>(Constants.equilibria)) {
                const std::string text = EquilibriumText(listed);
                const Reaction& reaction = listed.reaction;
                const double rt = 0.082 * listed.kelvin;
                int reactantMoles = 0, productMoles = 0;
                for (const Substance& r : reaction.reactants) reactantMoles += r.coefficient;
                for (const Substance& p : reaction.products) productMoles += p.coefficient;
                const bool quadratic = reactantMoles <= 2 && productMoles <= 2;
                const bool dissociation = reaction.reactants.size() == 1 && reactantMoles == 1 && productMoles == 2;
                for (uint32_t seed = 1; seed <= 40; ++seed) {
                    SeedRandom(seed);
                    const std::string what =
                        text + " seed " + std::to_string(seed) + (style.significantFigures ? " classroom" : "");
                    // 1: Kc again from the concentrations printed, which follow the amount given.
                    ASSERT_TRUE(Make(1, text)) << what;
                    {
                        const std::string& s = CurrentExercise.statement;
                        const std::string& a = CurrentExercise.answer;
                        const double litres = NumberAfter(s, "recipiente de ");
                        std::vector<double> c0;
                        for (const Substance& r : reaction.reactants)
                            c0.push_back(AmountGiven(s.substr(0, s.find("Alcanzado")), Mark(r)) / litres);
                        const Printed c = ConcentrationsIn(reaction, a, false);
                        ExpectOneExtent(reaction, c0, c.reactants, c.products, what + "\n" + a);
                        ExpectRelativelyNear(LastNumber(a), QuotientOf(reaction, c.reactants, c.products), 0.006,
                                             what + "\n" + a);
                        ExpectRelativelyNear(LastNumber(a), listed.kc, 0.1, what + " against the list\n" + a);
                    }
                    // 2: Kp = Kc·(R·T)^Δn, either way.
                    ASSERT_TRUE(Make(2, text)) << what;
                    {
                        const std::string& s = CurrentExercise.statement;
                        const double result = LastNumber(CurrentExercise.answer);
                        if (s.find("Calcular K_p") != std::string::npos) {
                            ExpectRelativelyNear(
                                result, NumberAfter(s, "K_c = ") * std::pow(rt, GasMolesGained(reaction)), 0.006, what);
                        } else {
                            ExpectRelativelyNear(
                                result, NumberAfter(s, "K_p = ") / std::pow(rt, GasMolesGained(reaction)), 0.006, what);
                        }
                    }
                    // 3: the concentrations printed give the Kc of the list, and come from the initial ones.
                    ASSERT_EQ(Make(3, text), quadratic) << what;
                    ui.boxes.clear();
                    if (quadratic) {
                        const std::string& s = CurrentExercise.statement;
                        const std::string& a = CurrentExercise.answer;
                        const double litres = NumberAfter(s, "recipiente de ");
                        std::vector<double> c0;
                        for (const Substance& r : reaction.reactants) c0.push_back(AmountGiven(s, Mark(r)) / litres);
                        const Printed c = ConcentrationsIn(reaction, a, true);
                        ExpectOneExtent(reaction, c0, c.reactants, c.products, what + "\n" + a);
                        ExpectRelativelyNear(QuotientOf(reaction, c.reactants, c.products), listed.kc, 0.03,
                                             what + "\n" + a);
                    }
                    // 4: the partial pressures add up to the total and give Kp = Kc·R·T.
                    ASSERT_EQ(Make(4, text), dissociation) << what;
                    ui.boxes.clear();
                    if (dissociation) {
                        const std::string& s = CurrentExercise.statement;
                        const std::string& a = CurrentExercise.answer;
                        const double total = NumberAfter(s, "presión total de ");
                        const double gas = PrintedAfter(a, "p(" + Mark(reaction.reactants[0]) + ") =", " atm", true);
                        const double each =
                            PrintedAfter(a, "p(" + Mark(reaction.products.back()) + ") =", " atm", true);
                        const double alpha = NumberAfter(a, "alfa = ");
                        EXPECT_GT(alpha, 0) << what;
                        EXPECT_LT(alpha, 1) << what;
                        // p(B) = p(C), or p(B) alone for A <=> 2 B: Kp = p(B)^2/p(A) either way.
                        EXPECT_NEAR(gas + double(reaction.products.size()) * each, total, 0.01 * total) << what << "\n"
                                                                                                        << a;
                        ExpectRelativelyNear(each * each / gas, listed.kc * rt, 0.03, what + "\n" + a);
                    }
                    // 5: Q from the amounts given, and the way it goes.
                    ASSERT_TRUE(Make(5, text)) << what;
                    {
                        const std::string& s = CurrentExercise.statement;
                        const std::string& a = CurrentExercise.answer;
                        const double litres = NumberAfter(s, "recipiente de ");
                        std::vector<double> reactants, products;
                        for (const Substance& r : reaction.reactants)
                            reactants.push_back(AmountGiven(s, Mark(r)) / litres);
                        for (const Substance& p : reaction.products) {
                            products.push_back(AmountGiven(s, Mark(p)) / litres);
                            EXPECT_LE(products.back() * litres, 10) << "no vessel holds it: " << what << "\n" << s;
                        }
                        const double q = QuotientOf(reaction, reactants, products);
                        ExpectRelativelyNear(NumberAfter(a, " = ", a.find(" = ", a.find("Q_c = ") + 6)), q, 0.03,
                                             what + "\n" + a);
                        const std::string way =
                            q < listed.kc ? "evoluciona hacia la derecha" : "evoluciona hacia la izquierda";
                        EXPECT_NE(a.find(way), std::string::npos) << what << "\n" << a;
                    }
                }
            }
        }
    }
}

// A Kc the teacher types far from the textbook's: the root lost no figures to -b + root.
TEST_F(EquilibriumTest, ALargeKcStillGivesNoNegativeConcentration) {
    Constants = ReadConstantsList("H2 + I2 <=> 2 HI ; Kc = 1e30 ; 448 °C\r\nN2O4 <=> 2 NO2 ; Kc = 1e20 ; 100 °C\r\n");
    ASSERT_EQ(Constants.equilibria.size(), 2u);
    for (const Equilibrium& listed : std::vector<Equilibrium>(Constants.equilibria)) {
        const std::string picked = EquilibriumText(listed);
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            SeedRandom(seed);
            ASSERT_TRUE(Make(3, picked)) << picked;
            const Printed c = ConcentrationsIn(listed.reaction, CurrentExercise.answer, true);
            for (double each : c.reactants) EXPECT_GE(each, 0) << CurrentExercise.answer;
            for (double each : c.products) EXPECT_GT(each, 0) << CurrentExercise.answer;
        }
    }
}

// ---- The equilibria offered and refused

// Each sub-kind lists only the equilibria it can work: a teacher never picks one to be refused.
TEST_F(EquilibriumTest, EachSubKindListsTheEquilibriaThatSuitIt) {
    const std::vector<std::string> all = {"N2O4 <=> 2 NO2",       "PCl5 <=> PCl3 + Cl2", "H2 + I2 <=> 2 HI",
                                          "N2 + 3 H2 <=> 2 NH3",  "COCl2 <=> CO + Cl2",  "2 SO2 + O2 <=> 2 SO3",
                                          "CO + H2O <=> CO2 + H2"};
    const std::vector<std::string> quadratic = {"N2O4 <=> 2 NO2", "PCl5 <=> PCl3 + Cl2", "H2 + I2 <=> 2 HI",
                                                "COCl2 <=> CO + Cl2", "CO + H2O <=> CO2 + H2"};
    const std::vector<std::string> dissociations = {"N2O4 <=> 2 NO2", "PCl5 <=> PCl3 + Cl2", "COCl2 <=> CO + Cl2"};
    for (uint8_t kind = 1; kind <= 5; ++kind) ASSERT_TRUE(Make(kind, "N2O4 <=> 2 NO2"));
    ASSERT_EQ(ui.reactionLists.size(), 5u);
    EXPECT_EQ(ui.reactionLists[0], all);
    EXPECT_EQ(ui.reactionLists[1], all);
    EXPECT_EQ(ui.reactionLists[2], quadratic);
    EXPECT_EQ(ui.reactionLists[3], dissociations);
    EXPECT_EQ(ui.reactionLists[4], all);
    // The last one picked is proposed, and typed without blanks it is the same one of the list.
    EXPECT_EQ(ui.proposedReactions[1], "N2O4 <=> 2 NO2");
    ASSERT_TRUE(Make(4, "N2O4<=>2NO2"));
    EXPECT_EQ(CurrentExercise.recipe.formula, "N2O4 <=> 2 NO2");
    EXPECT_TRUE(ui.boxes.empty());
}

struct Refusal {
    const char* name;
    uint8_t subKind;
    const char* typed;
    const char* message;
};

void PrintTo(const Refusal& r, std::ostream* os) { *os << r.name; }

const Refusal kRefusals[] = {
    {"NotOnTheList", 1, "2 NO2 <=> N2O4",
     "2 NO2 <=> N2O4\rno está en la lista de equilibrios de constantes.txt.\rElija uno de la lista."},
    {"NoQuadratic", 3, "N2 + 3 H2 <=> 2 NH3",
     "N2 + 3 H2 <=> 2 NH3\rno sirve para este ejercicio: hace falta un equilibrio entre gases de no más de dos "
     "moles de reactivos y dos de productos, cuya Kc dé una ecuación de segundo grado.\rElija otro de la lista."},
    {"NoDissociation", 4, "H2 + I2 <=> 2 HI",
     "H2 + I2 <=> 2 HI\rno sirve para este ejercicio: hace falta la disociación de un gas, de la forma "
     "A <=> B + C o A <=> 2 B.\rElija otro de la lista."},
};

class EquilibriumRefusals : public EquilibriumTest, public ::testing::WithParamInterface<Refusal> {};

// A typed equilibrium that is not on the list, or does not suit the sub-kind, makes nothing and
// says why; it is proposed again, to be corrected.
TEST_P(EquilibriumRefusals, SayWhyAndMakeNothing) {
    const Refusal& r = GetParam();
    EXPECT_FALSE(Make(r.subKind, r.typed));
    EXPECT_EQ(ui.boxes, (ShownBoxes{{"Equilibrio químico", r.message, kBoxOk | kBoxIconExclamation}}));
    ui.reactions.push_back(std::nullopt);
    GenerateSubKind(*FindTopic(9), r.subKind);
    EXPECT_EQ(ui.proposedReactions.back(), r.typed);
}

INSTANTIATE_TEST_SUITE_P(EveryReason, EquilibriumRefusals, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

// A list without any dissociation says so before any window opens.
TEST_F(EquilibriumTest, AListWithoutAnEquilibriumThatSuitsSaysSo) {
    Constants.equilibria.erase(Constants.equilibria.begin(), Constants.equilibria.begin() + 2);
    Constants.equilibria.erase(Constants.equilibria.begin() + 2);  // COCl2
    GenerateSubKind(*FindTopic(9), 4);
    EXPECT_FALSE(CurrentExercise.accepted);
    EXPECT_TRUE(ui.reactionLists.empty());
    EXPECT_EQ(ui.boxes, (ShownBoxes{{"Equilibrio químico",
                                     "Ningún equilibrio de constantes.txt sirve para este ejercicio: hace falta la "
                                     "disociación de un gas, de la forma A <=> B + C o A <=> 2 B.",
                                     kBoxOk | kBoxIconExclamation}}));
}

// A version is made on the same equilibrium and asks the same question: Kc from Kp stays so.
TEST_F(EquilibriumTest, VersionsKeepTheEquilibriumAndTheQuestion) {
    ScriptRandom({1});
    ASSERT_TRUE(Make(2, "PCl5 <=> PCl3 + Cl2"));
    const ExerciseRecord made = CurrentExercise;
    for (int number = 1; number <= 5; ++number) {
        ExerciseRecord version;
        std::string why;
        ASSERT_TRUE(RemakeExercise(made, 7, 'B', number, 0, version, why)) << why;
        EXPECT_EQ(version.statement, made.statement) << "the list's Kc and T make the same question";
    }
}

}  // namespace
