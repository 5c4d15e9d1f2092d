// The solubility topic: one exact text per sub-kind, plain and in the classroom forms, and
// over many draws every answer against a computation of its own from the numbers printed.

#include "chemistry/solubility.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include "chemistry/constants.h"
#include "chemistry/topics.h"
#include "tests/chemistry/course_topics_support.h"
#include "tests/chemistry/solubility_support.h"

namespace {

class SolubilityTest : public GeneratorTest {
protected:
    void SetUp() override {
        GeneratorTest::SetUp();
        SetSaltTable();
        SetTestSalts();
    }
    // One exercise of the sub-kind on the salt picked from the list.
    bool Make(uint8_t subKind, const char* salt) { return MakePicked(11, subKind, salt); }
};

struct Example {
    const char* name;
    uint8_t subKind;
    const char* salt;
    std::vector<int32_t> draws;
    NumberStyle style;
    const char* statement;
    const char* answer;
};

void PrintTo(const Example& e, std::ostream* os) { *os << e.name; }

constexpr NumberStyle kPlain{};
constexpr NumberStyle kClassroom{true, true};

const Example kExamples[] = {
    {"SolubilityFromKs", 1, "Ca3(PO4)2", {}, kPlain,
     "El producto de solubilidad del Ca_3(PO_4)_2 a 25 °C es K_s = 2e-29. Calcular su solubilidad en "
     "mol/L y en g/L.\r\ndatos: Ca = 40.08  P = 30.97  O = 16.00  ",
     "  Ca_3(PO_4)_2(s) <=> 3 Ca^(2+) + 2 PO_4^(3-); K_s = (3s)^3·(2s)^2 = 108s^5; s = (2e-29 / "
     "108)^(1/5) = 7.14e-7 mol/L; 7.14e-7 · 310.17 = 2.21e-4 g/L"},
    {"ClassroomSolubilityFromKs", 1, "CaF2", {}, kClassroom,
     "El producto de solubilidad del CaF_2 a 25 °C es K_s = 3,9·10^(-11). Calcular su solubilidad en "
     "mol/L y en g/L.\r\ndatos: Ca = 40,08; F = 19,00",
     "  CaF_2(s) <=> Ca^(2+) + 2 F^-; K_s = s·(2s)^2 = 4s^3; s = (3,9·10^(-11) / 4)^(1/3) = "
     "2,14·10^(-4) mol/L; 2,14·10^(-4) · 78,07 = 0,0167 g/L"},
    {"KsFromSolubility", 2, "PbI2", {15}, kPlain,
     "La solubilidad del PbI_2 en agua a 25 °C es 0.558 g/L. Calcular su producto de solubilidad "
     "K_s.\r\ndatos: Pb = 207.20  I = 126.90  ",
     "  PbI_2(s) <=> Pb^(2+) + 2 I^-; s = 0.558 / 461.01 = 0.00121 mol/L; K_s = s·(2s)^2 = 4s^3 = "
     "4·(0.00121)^3 = 7.09e-9"},
    {"ClassroomKsFromSolubility", 2, "Ag2CrO4", {15}, kClassroom,
     "La solubilidad del Ag_2CrO_4 en agua a 25 °C es 0,0216 g/L. Calcular su producto de solubilidad "
     "K_s.\r\ndatos: Ag = 107,87; Cr = 52,00; O = 16,00",
     "  Ag_2CrO_4(s) <=> 2 Ag^+ + CrO_4^(2-); s = 0,0216 / 331,73 = 6,51·10^(-5) mol/L; K_s = "
     "(2s)^2·s = 4s^3 = 4·(6,51·10^(-5))^3 = 1,10·10^(-12)"},
    {"MixingPrecipitates", 3, "PbI2", {1, 2, 0, 0}, kPlain,
     "Se mezclan 100 mL de disolución 0.1 M de Pb(NO_3)_2 con 150 mL de disolución 0.01 M de KI. ¿Se "
     "forma precipitado de PbI_2? (volúmenes aditivos)\r\ndatos: K_s(PbI_2) = 7.1e-9 a 25 °C",
     "  [Pb^(2+)] = 0.1 · 100 / 250 = 0.0400 M; [I^-] = 0.01 · 150 / 250 = 0.00600 M; Q = "
     "[Pb^(2+)]·[I^-]^2 = 1.44e-6 > K_s; precipitado: sí"},
    {"ClassroomMixingDoesNot", 3, "AgCl", {1, 2, 1, 0}, kClassroom,
     "Se mezclan 100 mL de disolución 1·10^(-5) M de AgNO_3 con 150 mL de disolución 1·10^(-5) M de "
     "NaCl. ¿Se forma precipitado de AgCl? (volúmenes aditivos)\r\ndatos: K_s(AgCl) = 1,8·10^(-10) a "
     "25 °C",
     "  [Ag^+] = 1·10^(-5) · 100 / 250 = 4,00·10^(-6) M; [Cl^-] = 1·10^(-5) · 150 / 250 = "
     "6,00·10^(-6) M; Q = [Ag^+]·[Cl^-] = 2,40·10^(-11) < K_s; precipitado: no"},
    {"CommonIonApproximationHolds", 4, "AgCl", {1, 3}, kPlain,
     "Calcular la solubilidad en mol/L del AgCl en una disolución 0.01 M de NaCl.\r\ndatos: K_s(AgCl) "
     "= 1.8e-10 a 25 °C",
     "  K_s = s·(0.01 + s); con s despreciable frente a 0.01: s = 1.8e-10 / 0.01 = 1.80e-8 mol/L (s = "
     "1.80e-8, menos del 5 % de 0.01: la aproximación vale)"},
    {"ClassroomCommonIonSolvedExactly", 4, "PbI2", {1, 6}, kClassroom,
     "Calcular la solubilidad en mol/L del PbI_2 en una disolución 0,001 M de KI.\r\ndatos: "
     "K_s(PbI_2) = 7,1·10^(-9) a 25 °C",
     "  K_s = s·(0,001 + 2s)^2; con 2s despreciable saldría s = 7,1·10^(-9) / 0,001^2 = 0,00710, y 2s "
     "= 0,0142 no es despreciable frente a 0,001: sin aproximar, s = 9,02·10^(-4) mol/L"},
    {"SolubilityOfAB", 1, "AgCl", {}, kPlain,
     "El producto de solubilidad del AgCl a 25 °C es K_s = 1.8e-10. Calcular su solubilidad en mol/L "
     "y en g/L.\r\ndatos: Ag = 107.87  Cl = 35.45  ",
     "  AgCl(s) <=> Ag^+ + Cl^-; K_s = s^2; s = (1.8e-10)^(1/2) = 1.34e-5 mol/L; 1.34e-5 · 143.32 = "
     "0.00192 g/L"},
    {"ClassroomSolubilityOfA3B2", 1, "Ca3(PO4)2", {}, kClassroom,
     "El producto de solubilidad del Ca_3(PO_4)_2 a 25 °C es K_s = 2·10^(-29). Calcular su "
     "solubilidad en mol/L y en g/L.\r\ndatos: Ca = 40,08; P = 30,97; O = 16,00",
     "  Ca_3(PO_4)_2(s) <=> 3 Ca^(2+) + 2 PO_4^(3-); K_s = (3s)^3·(2s)^2 = 108s^5; s = (2·10^(-29) / "
     "108)^(1/5) = 7,14·10^(-7) mol/L; 7,14·10^(-7) · 310,17 = 2,21·10^(-4) g/L"},
    {"ClassroomKsOfAB2", 2, "PbI2", {15}, kClassroom,
     "La solubilidad del PbI_2 en agua a 25 °C es 0,558 g/L. Calcular su producto de solubilidad "
     "K_s.\r\ndatos: Pb = 207,20; I = 126,90",
     "  PbI_2(s) <=> Pb^(2+) + 2 I^-; s = 0,558 / 461,01 = 0,00121 mol/L; K_s = s·(2s)^2 = 4s^3 = "
     "4·(0,00121)^3 = 7,09·10^(-9)"},
    {"ClassroomMixingPrecipitates", 3, "PbI2", {1, 2, 0, 0}, kClassroom,
     "Se mezclan 100 mL de disolución 0,1 M de Pb(NO_3)_2 con 150 mL de disolución 0,01 M de KI. ¿Se "
     "forma precipitado de PbI_2? (volúmenes aditivos)\r\ndatos: K_s(PbI_2) = 7,1·10^(-9) a 25 °C",
     "  [Pb^(2+)] = 0,1 · 100 / 250 = 0,0400 M; [I^-] = 0,01 · 150 / 250 = 0,00600 M; Q = "
     "[Pb^(2+)]·[I^-]^2 = 1,44·10^(-6) > K_s; precipitado: sí"},
    {"ClassroomCommonIonApproximationHolds", 4, "AgCl", {1, 3}, kClassroom,
     "Calcular la solubilidad en mol/L del AgCl en una disolución 0,01 M de NaCl.\r\ndatos: K_s(AgCl) "
     "= 1,8·10^(-10) a 25 °C",
     "  K_s = s·(0,01 + s); con s despreciable frente a 0,01: s = 1,8·10^(-10) / 0,01 = 1,80·10^(-8) "
     "mol/L (s = 1,80·10^(-8), menos del 5 % de 0,01: la aproximación vale)"},
    {"CommonCationOfA2B", 4, "Ag2CrO4", {0, 2}, kPlain,
     "Calcular la solubilidad en mol/L del Ag_2CrO_4 en una disolución 0.5 M de AgNO_3.\r\ndatos: "
     "K_s(Ag_2CrO_4) = 1.1e-12 a 25 °C",
     "  K_s = (0.5 + 2s)^2·s; con 2s despreciable frente a 0.5: s = 1.1e-12 / 0.5^2 = 4.40e-12 mol/L "
     "(2s = 8.80e-12, menos del 5 % de 0.5: la aproximación vale)"},
};

class SolubilityExamples : public SolubilityTest, public ::testing::WithParamInterface<Example> {};

TEST_P(SolubilityExamples, AreWrittenExactly) {
    const Example& e = GetParam();
    NumberOptions = e.style;
    ScriptRandom(e.draws);
    ASSERT_TRUE(Make(e.subKind, e.salt));
    EXPECT_EQ(CurrentExercise.statement, e.statement);
    EXPECT_EQ(CurrentExercise.answer, e.answer);
    EXPECT_TRUE(ui.boxes.empty()) << ui.boxes[0].text;
    // The window lists the salts of the file, and the recipe keeps the one picked for the versions.
    ASSERT_EQ(ui.reactionLists.size(), 1u);
    EXPECT_EQ(ui.reactionLists[0].size(), Constants.salts.size());
    EXPECT_EQ(CurrentExercise.recipe.formula, e.salt);
}

INSTANTIATE_TEST_SUITE_P(EverySubKind, SolubilityExamples, ::testing::ValuesIn(kExamples),
                         [](const ::testing::TestParamInfo<Example>& info) { return std::string(info.param.name); });

// A salt typed that the file does not list has no Ks: the teacher is told, nothing is made,
// and the text is proposed again to be corrected.
TEST_F(SolubilityTest, ASaltNotOnTheListIsRefused) {
    ASSERT_FALSE(Make(1, "NaCl"));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Solubilidad");
    EXPECT_EQ(ui.boxes[0].text, "NaCl no está en la lista de sales de constantes.txt.\rElija una de la lista.");
    ASSERT_TRUE(Make(1, "AgCl"));
    EXPECT_EQ(ui.proposedReactions.back(), "NaCl");
}

// Each visit reads constantes.txt again (written with the program's list where it is missing),
// whatever an earlier visit left: the window lists its salts, and proposes none at first.
TEST_F(SolubilityTest, AVisitListsTheSaltsOfTheFile) {
    ASSERT_TRUE(Make(1, "PbI2"));  // the test's list, and a salt proposed
    Pick({"Ca3(PO4)2"});
    Run(SolubilityTopic, {1});
    ASSERT_EQ(Batch.count, 1);
    ASSERT_EQ(ui.reactionLists.size(), 2u);
    ui.reactionLists.erase(ui.reactionLists.begin());
    ui.proposedReactions.erase(ui.proposedReactions.begin());
    std::vector<std::string> listed;
    for (const SparinglySoluble& salt : ReadConstantsList(DefaultConstantsText()).salts) {
        listed.push_back(salt.compound.formula);
    }
    EXPECT_EQ(ui.reactionLists[0], listed);
    EXPECT_EQ(ui.proposedReactions, std::vector<std::string>{""});
}

double Read(const std::string& text) { return ShownNumber(text); }

// The number printed last before `after`.
double LastBefore(const std::string& text, const std::string& after) {
    const std::size_t end = text.rfind(after);
    if (end == std::string::npos) return std::nan("");
    return NumberBefore(text.substr(0, end + after.size()), after);
}

// x against y, to the figures printed: `parts` halves of the third figure of each of the
// numbers multiplied, as a product of powers carries each one's rounding (the molar masses
// printed to two decimals add less than that).
void ExpectClose(double x, double y, int parts, const std::string& what) {
    EXPECT_LE(std::fabs(x - y), std::fabs(y) * 0.005 * parts * 1.01 + 1e-300) << what << ": " << x << " vs " << y;
}

// Every salt of the list, each sub-kind, many draws, in the three forms: each exercise fits
// its 255 characters, and each answer is what a student checks from the numbers printed.
template <class Make>
void ExpectEveryAnswerHolds(Make make) {
    ASSERT_FALSE(Constants.salts.empty());
    const NumberStyle styles[] = {kPlain, {true, false}, kClassroom};
    for (const NumberStyle style : styles) {
        NumberOptions = style;
        SeedRandom(7);
        for (const SparinglySoluble& salt : Constants.salts) {
            const int a = salt.cation.count;
            const int b = salt.anion.count;
            const double coefficient = std::pow(a, a) * std::pow(b, b);
            const double mass = salt.compound.molarMass;
            for (int draw = 0; draw < 40; ++draw) {
                for (uint8_t subKind = 1; subKind <= 4; ++subKind) {
                    const std::string what = salt.compound.formula + " " + std::to_string(subKind);
                    ASSERT_TRUE(make(subKind, salt.compound.formula.c_str())) << what;
                    const std::string& statement = CurrentExercise.statement;
                    const std::string& answer = CurrentExercise.answer;
                    const std::string datum = subKind == 1 ? "K_s = " : "K_s(" + FormulaMarkup(salt.compound) + ") = ";
                    const double ks = NumberAfter(statement, datum);
                    const double listed = salt.ks;
                    switch (subKind) {
                        case 1: {
                            // s from Ks, and Ks again from the s printed.
                            const double s = LastBefore(answer, " mol/L");
                            ExpectClose(s, std::pow(ks / coefficient, 1.0 / (a + b)), 1, what);
                            ExpectClose(coefficient * std::pow(s, a + b), listed, a + b, what);
                            ExpectClose(LastBefore(answer, " g/L"), s * mass, 2, what);
                            break;
                        }
                        case 2: {
                            // Ks from the solubility printed.
                            const double grams = Read(Between(statement, " es ", " g/L"));
                            const double found = Read(answer.substr(answer.rfind("= ") + 2));
                            ExpectClose(found, coefficient * std::pow(grams / mass, a + b), 1, what);
                            break;
                        }
                        case 3: {
                            // Q after mixing, the volumes added; the answer as Q compares with Ks.
                            const double v1 = NumberAfter(statement, "mezclan ");
                            const double c1 = NumberAfter(statement, "disolución ");
                            const double v2 = NumberAfter(statement, " con ");
                            const double c2 = NumberAfter(statement, "disolución ", statement.find(" con "));
                            const double total = v1 + v2;
                            const double q = std::pow(c1 * v1 / total, a) * std::pow(c2 * v2 / total, b);
                            const bool precipitates = answer.substr(answer.size() - 3) == " sí";
                            ExpectClose(LastBefore(answer, precipitates ? " > K_s" : " < K_s"), q, 1, what);
                            EXPECT_EQ(precipitates, q > ks) << what << ": " << answer;
                            EXPECT_TRUE(precipitates || answer.substr(answer.size() - 3) == " no") << answer;
                            // Never in doubt, and never a hydroxide's OH^- below what water has.
                            EXPECT_GE(std::fabs(std::log10(q / ks)), std::log10(2.0)) << what;
                            if (salt.anion.formula == "OH") {
                                EXPECT_GE(c2 * v2 / total, 1e-5) << what;
                            }
                            break;
                        }
                        default: {
                            // With the common ion at c: Ks = (p·s)^p·(c + q·s)^q, exactly or with q·s dropped.
                            const std::string strength = Between(statement, "disolución ", " M de ");
                            const double c = Read(strength);
                            const bool cationCommon = answer.find("K_s = (" + strength + " + ") == 2;
                            const int p = cationCommon ? b : a;
                            const int q = cationCommon ? a : b;
                            const double s = LastBefore(answer, " mol/L");
                            const double own = std::pow(p * s, p);
                            const bool approximated = answer.find("la aproximación vale") != std::string::npos;
                            const double approximate = std::pow(ks / (std::pow(p, p) * std::pow(c, q)), 1.0 / p);
                            EXPECT_EQ(approximated, q * approximate <= 0.05 * c) << what << ": " << answer;
                            ExpectClose(own * std::pow(approximated ? c : c + q * s, q), ks, p + q, what);
                            EXPECT_GE(c, 0.001) << what;
                            EXPECT_FALSE(salt.anion.formula == "OH" && cationCommon) << what;
                            break;
                        }
                    }
                }
            }
        }
    }
}

// One salt of every ratio, and the hydroxides.
TEST_F(SolubilityTest, EveryAnswerHoldsAgainstTheNumbersPrinted) {
    ExpectEveryAnswerHolds([this](uint8_t subKind, const char* salt) { return Make(subKind, salt); });
}

// The salts of the program's own constantes.txt, the longest formulas and smallest Ks among them.
TEST_F(SolubilityTest, EveryAnswerHoldsOverTheProgramsList) {
    Constants = ReadConstantsList(DefaultConstantsText());
    ExpectEveryAnswerHolds([this](uint8_t subKind, const char* salt) { return Make(subKind, salt); });
}

}  // namespace
