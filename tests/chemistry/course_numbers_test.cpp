// The four newer topics under the classroom options, as the four first topics follow them.

#include <gtest/gtest.h>

#include <vector>

#include "chemistry/empirical.h"
#include "chemistry/gases.h"
#include "chemistry/solutions.h"
#include "chemistry/stoichiometry.h"
#include "tests/chemistry/course_topics_support.h"

namespace {

// Every sub-kind with both options on, from the draws of the plain worked examples.
struct ClassroomCase {
    void (*topic)();
    uint8_t subKind;
    const char* typed;  // the formula, or the reaction of the stoichiometry topic
    std::vector<int32_t> draws;
    const char* statement;
    const char* answer;
};

void PrintTo(const ClassroomCase& c, std::ostream* os) { *os << "sub-kind " << int(c.subKind) << ": " << c.answer; }

class CourseClassroomTexts : public CourseTopicTest, public ::testing::WithParamInterface<ClassroomCase> {};

TEST_P(CourseClassroomTexts, AreWrittenAsAChemistryClassWritesThem) {
    const ClassroomCase& c = GetParam();
    NumberOptions = {true, true};
    if (c.topic == StoichiometryTopic) {
        Pick({c.typed});
    } else if (c.typed) {
        Type({c.typed});
    }
    ScriptRandom(c.draws);
    Run(c.topic, {c.subKind});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1), c.statement);
    EXPECT_EQ(Answer(1), c.answer);
}

const char* const kLimestone = "CaCO3 + 2 HCl -> CaCl2 + CO2 + H2O";
const char* const kZinc = "Zn + 2 HCl -> ZnCl2 + H2";

INSTANTIATE_TEST_SUITE_P(
    EverySubKind, CourseClassroomTexts,
    ::testing::Values(
        ClassroomCase{GasesTopic, 1, "CO2", {0, 0, 3, 45},
                      "Calcular la presión, en atm, que ejercen 8,8 g de CO_2 en un recipiente de 5 L a 25 °C.\r\n"
                      "datos: C = 12,01; O = 16,00; R = 0,082 atm·L/(mol·K)",
                      "  n = 8,8 / 44,01 = 0,200 mol; T = 25 + 273 = 298 K; p = n·R·T / V = 0,977 atm"},
        ClassroomCase{GasesTopic, 1, "CO2", {1, 18, 18, 0},
                      "Calcular la presión, en mmHg, que ejercen 88,02 g de CO_2 en un recipiente de 20 L a -20 "
                      "°C.\r\n"
                      "datos: C = 12,01; O = 16,00; R = 0,082 atm·L/(mol·K)",
                      "  n = 88,02 / 44,01 = 2,00 mol; T = -20 + 273 = 253 K; p = n·R·T / V = 2,07 atm = "
                      "1,58·10^(3) mmHg"},
        ClassroomCase{GasesTopic, 2, "NH3", {0, 8, 10, 120},
                      "Calcular el volumen que ocupan 17,03 g de NH_3 a 100 °C y 1,5 atm.\r\n"
                      "datos: N = 14,01; H = 1,01; R = 0,082 atm·L/(mol·K)",
                      "  n = 17,03 / 17,03 = 1,00 mol; T = 100 + 273 = 373 K; V = n·R·T / p = 20,4 L"},
        ClassroomCase{GasesTopic, 2, "NH3", {1, 3, 55, 20},
                      "Calcular el volumen que ocupan 8,52 g de NH_3 a 0 °C y 750 mmHg.\r\n"
                      "datos: N = 14,01; H = 1,01; R = 0,082 atm·L/(mol·K)",
                      "  n = 8,52 / 17,03 = 0,500 mol; T = 0 + 273 = 273 K; p = 750 / 760 = 0,987 atm; V = n·R·T / "
                      "p = 11,3 L"},
        ClassroomCase{GasesTopic, 3, "Cl2", {0, 15, 8, 47},
                      "Una muestra de 57,64 g de un gas ocupa 10 L a 27 °C y 2 atm. Calcular su masa molar. ¿Puede "
                      "ser Cl_2?\r\n"
                      "datos: Cl = 35,45; R = 0,082 atm·L/(mol·K)",
                      "  T = 27 + 273 = 300 K; M = m·R·T / (p·V) = 70,9 g/mol, que coincide con M(Cl_2) = 70,90 "
                      "g/mol"},
        ClassroomCase{GasesTopic, 4, nullptr, {0, 7, 8, 45, 120, 0, 20},
                      "Un gas ocupa 10 L a 25 °C y 1,2 atm. Calcular su volumen a 100 °C y 2,5 atm.",
                      "  p_1·V_1 / T_1 = p_2·V_2 / T_2, con T_1 = 298 K y T_2 = 373 K: V_2 = p_1·V_1·T_2 / "
                      "(T_1·p_2) = 6,01 L"},
        ClassroomCase{GasesTopic, 4, nullptr, {1, 60, 3, 20, 20, 1, 13},
                      "Un gas ocupa 5 L a 0 °C y 800 mmHg. Calcular su presión si pasa a ocupar 15 L a 0 °C.",
                      "  p_1·V_1 / T_1 = p_2·V_2 / T_2, con T_1 = 273 K y T_2 = 273 K: p_2 = p_1·V_1·T_2 / "
                      "(T_1·V_2) = 267 mmHg"},
        ClassroomCase{GasesTopic, 5, "O2", {13},
                      "Calcular el volumen que ocupan 48 g de O_2 en condiciones normales (0 °C y 1 atm).\r\n"
                      "datos: O = 16,00",
                      "  n = 48 / 32,00 = 1,50 mol; V = 1,50 · 22,4 = 33,6 L"},
        ClassroomCase{SolutionsTopic, 1, "HCl", {2, 4, 2},
                      "Calcular el volumen de disolución 2,5 M de HCl que hay que tomar para preparar 250 mL de "
                      "disolución 0,375 M.",
                      "  C_1·V_1 = C_2·V_2: V_1 = 0,375 · 250 / 2,5 = 37,5 mL"},
        ClassroomCase{SolutionsTopic, 2, "HCl", {2, 4},
                      "Calcular el volumen de HCl comercial (36 % en masa, densidad 1,18 g/mL) necesario para "
                      "preparar 250 mL de disolución 0,5 M.\r\n"
                      "datos: H = 1,01; Cl = 35,45",
                      "  n = 0,5 · 0,25 = 0,125 mol; m = 0,125 · 36,46 = 4,56 g; comercial: 4,56 · 100 / 36 = 12,7 "
                      "g; V = 12,7 / 1,18 = 10,7 mL"},
        ClassroomCase{SolutionsTopic, 2, "C2H4O2", {4, 19},
                      "Calcular el volumen de C_2H_4O_2 comercial (99,5 % en masa, densidad 1,05 g/mL) necesario "
                      "para preparar 1000 mL de disolución 2 M.\r\n"
                      "datos: C = 12,01; H = 1,01; O = 16,00",
                      "  n = 2 · 1 = 2,00 mol; m = 2,00 · 60,05 = 120 g; comercial: 120 · 100 / 99,5 = 121 g; V = "
                      "121 / 1,05 = 115 mL"},
        ClassroomCase{SolutionsTopic, 3, "NaCl", {2, 4, 6},
                      "Se disuelven 21 g de NaCl en agua hasta 250 mL de disolución, de densidad 1,05 g/mL. "
                      "Calcular la concentración en g/L, la molalidad y la fracción molar del soluto.\r\n"
                      "datos: Na = 22,99; Cl = 35,45; H = 1,01; O = 16,00",
                      "  84,0 g/L; agua: 263 - 21 = 242 g; n = 0,359 mol; m = 1,49 mol/kg; x = 0,359 / (0,359 + "
                      "13,4) = 0,0261"},
        ClassroomCase{SolutionsTopic, 4, "NaCl", {1, 5, 4, 6},
                      "Se mezclan 150 mL de disolución 0,5 M de NaCl con 100 mL de disolución 1,2 M de NaCl. "
                      "Calcular la molaridad de la mezcla (volúmenes aditivos).",
                      "  n = 0,5 · 0,15 + 1,2 · 0,1 = 0,195 mol; V = 0,25 L; M = 0,780 mol/L"},
        ClassroomCase{EmpiricalTopic, 1, "C6H12O6", {},
                      "Calcular la composición centesimal de C_6H_1_2O_6\r\ndatos: C = 12,01; H = 1,01; O = 16,00",
                      "  M = 180,16 g/mol; C: 72,07 g (40,00 %); H: 12,10 g (6,71 %); O: 95,99 g (53,29 %)"},
        ClassroomCase{EmpiricalTopic, 2, "C6H12O6", {},
                      "Un compuesto contiene 40,00 % de C, 6,71 % de H y 53,29 % de O. Calcular su fórmula "
                      "empírica.\r\n"
                      "datos: C = 12,01; H = 1,01; O = 16,00",
                      "  En 100 g: C 40,00 g = 3,33 mol, H 6,71 g = 6,66 mol, O 53,29 g = 3,33 mol; entre 3,33: C "
                      "1,00, H 2,00, O 1,00. Fórmula empírica: CH_2O"},
        ClassroomCase{EmpiricalTopic, 2, "Fe3O4", {},
                      "Un compuesto contiene 72,36 % de Fe y 27,64 % de O. Calcular su fórmula empírica.\r\n"
                      "datos: Fe = 55,84; O = 16,00",
                      "  En 100 g: Fe 72,36 g = 1,30 mol, O 27,64 g = 1,73 mol; entre 1,30: Fe 1,00, O 1,33; por "
                      "3: Fe 3, O 4. Fórmula empírica: Fe_3O_4"},
        ClassroomCase{EmpiricalTopic, 3, "C6H12O6", {},
                      "Un compuesto contiene 40,00 % de C, 6,71 % de H y 53,29 % de O, y su masa molar es 180,16 "
                      "g/mol. Calcular su fórmula molecular.\r\n"
                      "datos: C = 12,01; H = 1,01; O = 16,00",
                      "  En 100 g: C 3,33 mol, H 6,66 mol, O 3,33 mol; entre 3,33: C 1,00, H 2,00, O 1,00; "
                      "empírica CH_2O, 30,03 g/mol; 180,16 / 30,03 = 6: molecular C_6H_1_2O_6"},
        ClassroomCase{StoichiometryTopic, 1, kLimestone, {0, 0, 205},
                      "Reacción: CaCO_3 + 2 HCl -> CaCl_2 + CO_2 + H_2O\r\n"
                      "Calcular la masa de CaCl_2 que se obtiene a partir de 25,5 g de CaCO_3.\r\n"
                      "datos: Ca = 40,08; C = 12,01; O = 16,00; Cl = 35,45",
                      "  25,5 g CaCO_3 · (1 mol / 100,09 g) · (1 mol CaCl_2 / 1 mol CaCO_3) · (110,98 g / 1 mol) = "
                      "28,3 g de CaCl_2"},
        ClassroomCase{StoichiometryTopic, 2, kZinc, {1, 0, 315, 25, 50},
                      "Reacción: Zn + 2 HCl -> ZnCl_2 + H_2\r\n"
                      "Calcular el volumen de H_2, medido a 25 °C y 1 atm, que se obtiene a partir de 36,5 g de "
                      "HCl.\r\n"
                      "datos: H = 1,01; Cl = 35,45; R = 0,082 atm·L/(mol·K)",
                      "  36,5 g HCl · (1 mol / 36,46 g) · (1 mol H_2 / 2 mol HCl) = 0,501 mol; T = 298 K; V = "
                      "n·R·T / p = 12,2 L"},
        ClassroomCase{StoichiometryTopic, 3, kZinc, {0, 0, 0, 150, 1, 2},
                      "Reacción: Zn + 2 HCl -> ZnCl_2 + H_2\r\n"
                      "Calcular el reactivo limitante y la masa de ZnCl_2 que se obtiene con 20 g de Zn y 31,23 g "
                      "de HCl.\r\n"
                      "datos: Zn = 65,38; H = 1,01; Cl = 35,45",
                      "  0,306 mol Zn necesitan 0,612 mol HCl y hay 0,857: limitante Zn. 0,306 mol Zn · (1 mol "
                      "ZnCl_2 / 1 mol Zn) · (136,28 g / 1 mol) = 41,7 g de ZnCl_2"},
        ClassroomCase{StoichiometryTopic, 3, kZinc, {0, 0, 0, 150, 0, 3},
                      "Reacción: Zn + 2 HCl -> ZnCl_2 + H_2\r\n"
                      "Calcular el reactivo limitante y la masa de ZnCl_2 que se obtiene con 20 g de Zn y 15,61 g "
                      "de HCl.\r\n"
                      "datos: Zn = 65,38; H = 1,01; Cl = 35,45",
                      "  0,306 mol Zn necesitan 0,612 mol HCl y hay 0,428: limitante HCl. 0,428 mol HCl · (1 mol "
                      "ZnCl_2 / 2 mol HCl) · (136,28 g / 1 mol) = 29,2 g de ZnCl_2"},
        ClassroomCase{StoichiometryTopic, 4, kLimestone, {0, 1, 450, 25},
                      "Reacción: CaCO_3 + 2 HCl -> CaCl_2 + CO_2 + H_2O\r\n"
                      "Calcular la masa de CO_2 que se obtiene a partir de 50 g de CaCO_3 de riqueza 85 %.\r\n"
                      "datos: Ca = 40,08; C = 12,01; O = 16,00",
                      "  50 · 85 / 100 = 42,5 g puros; 42,5 g CaCO_3 · (1 mol / 100,09 g) · (1 mol CO_2 / 1 mol "
                      "CaCO_3) · (44,01 g / 1 mol) = 18,7 g de CO_2"},
        ClassroomCase{StoichiometryTopic, 5, "N2 + 3 H2 -> 2 NH3", {1, 0, 10, 25},
                      "Reacción: N_2 + 3 H_2 -> 2 NH_3\r\n"
                      "A partir de 6 g de H_2 se obtienen 25,34 g de NH_3. Calcular el rendimiento de la "
                      "reacción.\r\n"
                      "datos: H = 1,01; N = 14,01",
                      "  6 g H_2 · (1 mol / 2,02 g) · (2 mol NH_3 / 3 mol H_2) · (17,03 g / 1 mol) = 33,8 g de "
                      "NH_3; rendimiento = 25,34 / 33,8 · 100 = 75,0 %"}));

// What each newer topic asks and types, for the checks over many draws.
struct CourseRun {
    void (*run)();
    std::vector<uint8_t> subKinds;
    const char* typed;  // at every prompt: a formula, or the reaction of the stoichiometry topic
};

const CourseRun kNewerTopics[] = {
    {GasesTopic, {1, 2, 3, 4, 5}, "CO2"},
    {GasesTopic, {1, 2, 3, 5}, "C4H10"},
    {SolutionsTopic, {1, 2, 3, 4}, "H2SO4"},
    {SolutionsTopic, {1, 3, 4}, "C6H12O6"},
    {EmpiricalTopic, {1, 2, 3}, "C6H12O6"},
    {EmpiricalTopic, {1, 2, 3}, "Fe3O4"},
    {StoichiometryTopic, {1, 2, 3, 4, 5}, kLimestone},
    {StoichiometryTopic, {1, 2, 4, 5}, "2 KClO3 -> 2 KCl + 3 O2"},
};

// The numbers of a text in order, as read back; subscripts of formulas are not numbers.
std::vector<double> NumbersIn(const std::string& text) {
    std::vector<double> numbers;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool negative = text[at] == '-' && at + 1 < text.size() && IsDigit(text[at + 1]);
        if (!(IsDigit(text[at]) || negative) || (at > 0 && text[at - 1] == '_')) continue;
        const std::size_t end = NumberEnd(text, at);
        numbers.push_back(ShownNumber(text.substr(at, end - at)));
        at = end - 1;
    }
    return numbers;
}

class CourseStyles : public CourseTopicTest {
protected:
    // Every statement and answer of one pass over the sub-kinds of a topic.
    std::vector<std::string> Texts(const CourseRun& topic) {
        BatchEnd();
        BatchStart();
        for (uint8_t subKind : topic.subKinds) {
            if (topic.run == StoichiometryTopic) {
                Pick({topic.typed});
            } else if (!(topic.run == GasesTopic && subKind == 4)) {
                Type({topic.typed});
            }
        }
        ui.subKinds.assign(topic.subKinds.begin(), topic.subKinds.end());
        ui.subKinds.push_back(0);
        topic.run();
        std::vector<std::string> texts;
        for (int slot = 1; slot <= Batch.count; ++slot) {
            texts.push_back(Statement(slot));
            texts.push_back(Answer(slot));
        }
        EXPECT_EQ(Batch.count, int(topic.subKinds.size())) << "every pass makes its exercise";
        return texts;
    }
};

TEST_F(CourseStyles, TheCommaAloneChangesNothingButTheDecimalPoints) {
    for (const CourseRun& topic : kNewerTopics) {
        for (uint32_t seed = 1; seed <= 30; ++seed) {
            NumberOptions = NumberStyle{};
            SeedRandom(seed);
            const std::vector<std::string> plain = Texts(topic);
            NumberOptions = {true, false};
            SeedRandom(seed);
            const std::vector<std::string> comma = Texts(topic);
            ASSERT_EQ(plain.size(), comma.size());
            ASSERT_FALSE(plain.empty());
            for (std::size_t i = 0; i < plain.size(); ++i) EXPECT_EQ(comma[i], WithDecimalCommas(plain[i]));
        }
    }
}

TEST_F(CourseStyles, SignificantFiguresLeaveOneBlankBetweenWordsAndNumbers) {
    for (const NumberStyle style : {NumberStyle{false, true}, NumberStyle{true, true}}) {
        NumberOptions = style;
        SeedRandom(2718);
        for (const CourseRun& topic : kNewerTopics) {
            for (int round = 0; round < 40; ++round) {
                for (const std::string& text : Texts(topic)) ExpectClassroomSpacing(text);
            }
        }
    }
}

// Data keep their digits and the draws do not depend on the options: the statements under
// "Cifras significativas" read back, number by number, as the plain ones.
TEST_F(CourseStyles, SignificantFiguresKeepTheNumbersOfTheStatements) {
    for (const CourseRun& topic : kNewerTopics) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            NumberOptions = NumberStyle{};
            SeedRandom(seed);
            const std::vector<std::string> plain = Texts(topic);
            NumberOptions = {true, true};
            SeedRandom(seed);
            const std::vector<std::string> classroom = Texts(topic);
            ASSERT_EQ(plain.size(), classroom.size());
            for (std::size_t i = 0; i < plain.size(); i += 2) {
                // The statement up to its data line: the atomic masses take two decimals.
                const std::string a = plain[i].substr(0, plain[i].find("datos: "));
                const std::string b = classroom[i].substr(0, classroom[i].find("datos: "));
                EXPECT_EQ(NumbersIn(a), NumbersIn(b)) << plain[i] << "\n" << classroom[i];
            }
        }
    }
}

}  // namespace
