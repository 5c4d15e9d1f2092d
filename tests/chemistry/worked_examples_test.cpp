// The worked examples of every topic, exact to the byte: the draws scripted one by one, the
// formulas typed and the reactions picked as a teacher gives them, the texts of each
// exercise made, plain and in the classroom forms ("Coma decimal" and "Cifras
// significativas"). One row a case, each run as a test of its own.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "chemistry/empirical.h"
#include "chemistry/gases.h"
#include "chemistry/solutions.h"
#include "chemistry/stoichiometry.h"
#include "chemistry/topics.h"
#include "shell/program.h"
#include "shell/settings.h"
#include "tests/chemistry/course_topics_support.h"
#include "tests/chemistry/topic_windows.h"

namespace {

// The masses of the first four topics' examples (SetExampleTable) or of the course's
// substances (SetCourseTable).
enum class Masses { Examples, Course };

struct Made {
    const char* statement;
    const char* answer;
};

struct WorkedExample {
    const char* name;
    uint16_t topic;  // its number in the "Temas" menu
    std::vector<uint8_t> subKinds;
    std::vector<const char*> typed;   // at the formula prompts, in order
    std::vector<const char*> picked;  // in the reaction window, in order
    std::vector<int32_t> draws;
    std::vector<Made> made;  // the exercises, in the order of the sub-kinds
    Masses masses = Masses::Examples;
    NumberStyle style = {};
};

void PrintTo(const WorkedExample& e, std::ostream* os) { *os << e.name; }

void (*const kTopicRuns[])() = {nullptr,     AtomicStructureTopic, MolesTopic,     ConcentrationTopic, PhTopic,
                                GasesTopic, SolutionsTopic,       EmpiricalTopic, StoichiometryTopic};

const char* const kLimestone = "CaCO3 + 2 HCl -> CaCl2 + CO2 + H2O";
const char* const kZinc = "Zn + 2 HCl -> ZnCl2 + H2";
constexpr NumberStyle kClassroom{true, true};

class WorkedExamples : public GeneratorTest, public ::testing::WithParamInterface<WorkedExample> {};

TEST_P(WorkedExamples, AreWrittenExactly) {
    const WorkedExample& e = GetParam();
    if (e.masses == Masses::Examples) {
        SetExampleTable();
    } else {
        SetCourseTable();
    }
    NumberOptions = e.style;
    for (const char* formula : e.typed) ui.texts.push_back(std::string(formula));
    for (const char* reaction : e.picked) ui.reactions.push_back(std::string(reaction));
    ScriptRandom(e.draws);
    ui.subKinds.assign(e.subKinds.begin(), e.subKinds.end());
    ui.subKinds.push_back(0);
    kTopicRuns[e.topic]();

    ASSERT_EQ(Batch.count, int(e.made.size()));
    for (std::size_t i = 0; i < e.made.size(); ++i) {
        EXPECT_EQ(Statement(int(i) + 1), e.made[i].statement) << "exercise " << i + 1;
        EXPECT_EQ(Answer(int(i) + 1), e.made[i].answer) << "exercise " << i + 1;
    }
    // The window of the topic at every pass, a prompt for each formula and no message.
    EXPECT_EQ(CurrentTopicTitle, kTopicWindows[e.topic].title);
    EXPECT_EQ(ui.subKindLists, std::vector<std::string>(e.subKinds.size() + 1, SubKindsOf(e.topic)));
    EXPECT_EQ(ui.prompts, std::vector<std::string>(e.typed.size(), "fórmula:"));
    EXPECT_EQ(ui.reactionLists.size(), e.picked.size());
    EXPECT_TRUE(ui.boxes.empty()) << ui.boxes[0].caption << ": " << ui.boxes[0].text;
}

const WorkedExample kWorkedExamples[] = {
    // ---- Atomística
    {"AtomWorkedExample", 1, {1}, {}, {}, {3, 1, 0},  // Z = 11, d = 1, sign kept
     {{"Un átomo de número atómico 11 contiene 12 neutrones en su núcleo. Determinar:\r\n"
       "a) nº protones en ell núcleo,b) número másico, c) nº electrones alrededor d) lugar en la tabla periódica",
       "  a) 11 protones b) M = 23 c) 11 electrones d) lugar = 11"}}},
    {"AtomGivenMassNumberAndNeutrons", 1, {2}, {}, {}, {39, 2, 5},  // Z = 47, d = -2
     {{"Un átomo de número másico 92 contiene 45 neutrones en su núcleo. Determinar:\r\n"
       "a) nº protones en el núcleo,b) número atómico, c) nº electrones alrededor d) lugar en la tabla periódica",
       "  a) 47 protones b)  Z = 47 c) 47 electrones d) lugar = 47"}}},

    // ---- Moles
    {"MolesWorkedExample", 2, {4}, {"H2O"}, {}, {31},
     {{"Pasar   36 g de H_2O a moles.\r\ndatos: H =  1.01  O = 16.00  ", "      2 mol."}}},
    {"MolesMolarMass", 2, {1}, {"H2SO4"}, {}, {},
     {{"Calcula la masa molar de H_2SO_4\r\ndatos: H =  1.01  S = 32.06  O = 16.00  ", "     98.08 g/mol"}}},
    {"MolesAndMoleculesNeedNoFormula", 2, {2, 3}, {}, {}, {2, 19},  // 3 mol, then 20 mol
     {{"Calcular el nº de moléculas que hay en    3 mol.", "  1.80e24 moléculas."},
      {"Calcular cuantos moles son 1.20e25 moléculas.", "     20 mol."}}},
    {"MolesToGrams", 2, {5}, {"H2O"}, {}, {13},  // 18 g: 0.999112 mol
     {{"Cuantos gramos son 0.999112 moles de H_2O?\r\ndatos: H =  1.01  O = 16.00  ", "     18 g."}}},

    // ---- Concentraciones
    {"PercentFromGramsOfSolute", 3, {1}, {}, {}, {0, 0, 1},  // 2 %; 100 g is drawn again; 200 g
     {{"Calcular el % (en masa) de soluto si se han disuelto    4 g en agua hasta obtener  200 g de disolución.",
       "      2 %"}}},
    {"GramsOfSoluteFromPercent", 3, {2}, {}, {}, {39, 8},  // 41 %, 900 g
     {{"Calcular los gramos de soluto necesarios para preparar  900 g de una disolución al  41 % en masa",
       "    369 g"}}},
    {"MolarityFromGramsAndVolume", 3, {3}, {"NaCl"}, {}, {112, 1},  // 117 g, 500 ml
     {{"Calcular la molaridad de una disolución obtenida disolviendo  117 g de NaCl en agua hasta un volumen total "
       "de 500 ml\r\ndatos: Na = 22.99  Cl = 35.45  ",
       "      4 mol/l"}}},
    {"GramsFromMolarityBelowOneAndALitre", 3, {4}, {"NaCl"}, {}, {24, 3},  // 29 g, 1000 ml: 0.496235 M
     {{"Calcular los gramos necesarios de NaCl para preparar     1 l de una disolución 0.496235M de NaCl\r\n"
       "datos: Na = 22.99  Cl = 35.45  ",
       "     29 g"}}},
    {"VolumeFromMolarityAndGrams", 3, {5}, {"NaCl"}, {}, {45, 0},  // 50 g, 250 ml: 3.42 M
     {{"Calcular el volumen de disolución    3.42M de NaCl que se puede preparar a partir de   50 g de NaCl\r\n"
       "datos: Na = 22.99  Cl = 35.45  ",
       "  250 ml"}}},

    // ---- pH
    {"PhOfAStrongAcidWorkedExample", 4, {1, 3}, {"HCl", "HCl"}, {}, {2, 1, 2, 1},  // 7 g in 500 ml, twice
     {{"Calcular el pH de una disolución obtenida con  7 g de HCl en un volumen de disolución de 500 ml\r\n"
       "datos: H =  1.01  Cl = 35.45  ",
       "  pH = 0.415665"},
      {"Calcular la concentración molar de una disolución de HCl de pH 0.415665", "    [HCl] = 0.384004 mol/l"}}},
    {"PhOfAStrongBaseWorkedExample", 4, {2, 4}, {"NaOH", "NaOH"}, {}, {5, 3, 5, 3},  // 10 g in 1000 ml, twice
     {{"Calcular el pH de una disolución obtenida con 10 g de NaOH en un volumen de disolución de 1000 ml\r\n"
       "datos: Na = 22.99  O = 16.00  H =  1.01  ",
       "  pH =    13.4"},
      {"Calcular la concentración molar de una disolución de NaOH de pH  13.4", "    [NaOH] = 0.250013 mol/l"}}},
    {"APhFromOneToTenStandsAfterTwoBlanks", 4, {3}, {"HNO3"}, {}, {0, 3},  // 5 g in a litre: pH 1.10
     {{"Calcular la concentración molar de una disolución de HNO_3 de pH   1.1", "    [HNO_3] = 0.079346 mol/l"}}},

    // ---- Gases
    {"PressureOfASample", 5, {1, 1}, {"CO2", "CO2"}, {},
     {0, 0, 3, 45,    // atm, 0.2 mol: 8.8 g, 5 L, 25 °C
      1, 18, 18, 0},  // mmHg, 2 mol: 88.02 g, 20 L, -20 °C
     {{"Calcular la presión, en atm, que ejercen 8.8 g de CO_2 en un recipiente de 5 L a 25 °C.\r\n"
       "datos: C = 12.01  O = 16.00  R = 0.082 atm·L/(mol·K)",
       "  n = 8.8 / 44.01 = 0.199959 mol; T = 25 + 273 = 298 K; p = n·R·T / V = 0.97724 atm"},
      {"Calcular la presión, en mmHg, que ejercen 88.02 g de CO_2 en un recipiente de 20 L a -20 °C.\r\n"
       "datos: C = 12.01  O = 16.00  R = 0.082 atm·L/(mol·K)",
       "  n = 88.02 / 44.01 = 2 mol; T = -20 + 273 = 253 K; p = n·R·T / V = 2.07 atm = 1576.73 mmHg"}},
     Masses::Course},
    {"VolumeOfASample", 5, {2, 2}, {"NH3", "NH3"}, {},
     {0, 8, 10, 120,  // atm, 1 mol: 17.03 g, 1.5 atm, 100 °C
      1, 3, 55, 20},  // mmHg, 0.5 mol: 8.52 g, 750 mmHg, 0 °C
     {{"Calcular el volumen que ocupan 17.03 g de NH_3 a 100 °C y 1.5 atm.\r\n"
       "datos: N = 14.01  H =  1.01  R = 0.082 atm·L/(mol·K)",
       "  n = 17.03 / 17.03 = 0.999941 mol; T = 100 + 273 = 373 K; V = n·R·T / p = 20.39 L"},
      {"Calcular el volumen que ocupan 8.52 g de NH_3 a 0 °C y 750 mmHg.\r\n"
       "datos: N = 14.01  H =  1.01  R = 0.082 atm·L/(mol·K)",
       "  n = 8.52 / 17.03 = 0.500264 mol; T = 0 + 273 = 273 K; p = 750 / 760 = 0.986842 atm; V = n·R·T / p = "
       "11.35 L"}},
     Masses::Course},
    {"MolarMassFromTheStateOfASample", 5, {3}, {"Cl2"}, {}, {0, 15, 8, 47},  // atm, 2 atm, 10 L, 27 °C
     {{"Una muestra de 57.64 g de un gas ocupa 10 L a 27 °C y 2 atm. Calcular su masa molar. ¿Puede ser Cl_2?\r\n"
       "datos: Cl = 35.45  R = 0.082 atm·L/(mol·K)",
       "  T = 27 + 273 = 300 K; M = m·R·T / (p·V) = 70.9 g/mol, que coincide con M(Cl_2) = 70.9 g/mol"}},
     Masses::Course},
    {"ChangeOfStateAsksNoFormula", 5, {4, 4}, {}, {},
     {0, 7, 8, 45, 120, 0, 20,   // atm: 1.2 atm, 10 L, 25 °C -> 100 °C, 2.5 atm
      1, 60, 3, 20, 20, 1, 13},  // mmHg: 800 mmHg, 5 L, 0 °C -> 0 °C, 15 L
     {{"Un gas ocupa 10 L a 25 °C y 1.2 atm. Calcular su volumen a 100 °C y 2.5 atm.",
       "  p_1·V_1 / T_1 = p_2·V_2 / T_2, con T_1 = 298 K y T_2 = 373 K: V_2 = p_1·V_1·T_2 / (T_1·p_2) = 6.01 L"},
      {"Un gas ocupa 5 L a 0 °C y 800 mmHg. Calcular su presión si pasa a ocupar 15 L a 0 °C.",
       "  p_1·V_1 / T_1 = p_2·V_2 / T_2, con T_1 = 273 K y T_2 = 273 K: p_2 = p_1·V_1·T_2 / (T_1·V_2) = "
       "266.67 mmHg"}},
     Masses::Course},
    {"VolumeAtNormalConditions", 5, {5}, {"O2"}, {}, {13},  // 1.5 mol: 48 g
     {{"Calcular el volumen que ocupan 48 g de O_2 en condiciones normales (0 °C y 1 atm).\r\ndatos: O = 16.00  ",
       "  n = 48 / 32 = 1.5 mol; V = 1.5 · 22.4 = 33.6 L"}},
     Masses::Course},

    // ---- Disoluciones
    {"Dilution", 6, {1}, {"HCl"}, {}, {2, 4, 2},  // 250 mL; 2.5 M; 0.375 M
     {{"Calcular el volumen de disolución 2.5 M de HCl que hay que tomar para preparar 250 mL de disolución "
       "0.375 M.",
       "  C_1·V_1 = C_2·V_2: V_1 = 0.375 · 250 / 2.5 = 37.5 mL"}},
     Masses::Course},
    // Acetic acid written otherwise is still the bottle of CH3COOH.
    {"CommercialReagentChosenByItsFormula", 6, {2, 2}, {"HCl", "C2H4O2"}, {}, {2, 4, 4, 19},  // 250 mL of 0.5 M; a litre of 2 M
     {{"Calcular el volumen de HCl comercial (36 % en masa, densidad 1.18 g/mL) necesario para preparar 250 mL de "
       "disolución 0.5 M.\r\ndatos: H =  1.01  Cl = 35.45  ",
       "  n = 0.5 · 0.25 = 0.125 mol; m = 0.125 · 36.46 = 4.56 g; comercial: 4.56 · 100 / 36 = 12.66 g; "
       "V = 12.66 / 1.18 = 10.73 mL"},
      {"Calcular el volumen de C_2H_4O_2 comercial (99.5 % en masa, densidad 1.05 g/mL) necesario para preparar "
       "1000 mL de disolución 2 M.\r\ndatos: C = 12.01  H =  1.01  O = 16.00  ",
       "  n = 2 · 1 = 2 mol; m = 2 · 60.05 = 120.1 g; comercial: 120.1 · 100 / 99.5 = 120.71 g; "
       "V = 120.71 / 1.05 = 114.96 mL"}},
     Masses::Course},
    {"ConcentrationsInGramsPerLitreMolalityAndMoleFraction", 6, {3}, {"NaCl"}, {}, {2, 4, 6},  // 250 mL, 8 %, 1.06 g/mL: 21.2 g
     {{"Se disuelven 21.2 g de NaCl en agua hasta 250 mL de disolución, de densidad 1.06 g/mL. Calcular la "
       "concentración en g/L, la molalidad y la fracción molar del soluto.\r\n"
       "datos: Na = 22.99  Cl = 35.45  H =  1.01  O = 16.00  ",
       "  84.8 g/L; agua: 265 - 21.2 = 243.8 g; n = 0.362767 mol; m = 1.49 mol/kg; "
       "x = 0.362767 / (0.362767 + 13.533) = 0.026106"}},
     Masses::Course},
    {"MixtureOfTwoSolutions", 6, {4}, {"NaCl"}, {}, {1, 5, 4, 6},  // 250 mL: 150 mL of 0.5 M and 100 mL of 1.2 M
     {{"Se mezclan 150 mL de disolución 0.5 M de NaCl con 100 mL de disolución 1.2 M de NaCl. Calcular la "
       "molaridad de la mezcla (volúmenes aditivos).",
       "  n = 0.5 · 0.15 + 1.2 · 0.1 = 0.195 mol; V = 0.25 L; M = 0.78 mol/L"}},
     Masses::Course},

    // ---- Fórmula empírica
    {"CompositionOfGlucose", 7, {1}, {"C6H12O6"}, {}, {},
     {{"Calcular la composición centesimal de C_6H_1_2O_6.\r\ndatos: C = 12.01  H =  1.01  O = 16.00  ",
       "  M = 180.16 g/mol; C: 72.07 g (40.00 %); H: 12.1 g (6.71 %); O: 95.99 g (53.28 %)"}},
     Masses::Course},
    {"TheEmpiricalFormulaOfGlucoseIsCH2O", 7, {2}, {"C6H12O6"}, {}, {},
     {{"Un compuesto contiene 40.00 % de C, 6.71 % de H y 53.29 % de O. Calcular su fórmula empírica.\r\n"
       "datos: C = 12.01  H =  1.01  O = 16.00  ",
       "  En 100 g: C 40.00 g = 3.33 mol, H 6.71 g = 6.657 mol, O 53.29 g = 3.331 mol; entre 3.33: C 1, H 2, O 1. "
       "Fórmula empírica: CH_2O"}},
     Masses::Course},
    {"TheMolecularFormulaOfGlucoseIsFoundAgain", 7, {3}, {"C6H12O6"}, {}, {},
     {{"Un compuesto contiene 40.00 % de C, 6.71 % de H y 53.29 % de O, y su masa molar es 180.16 g/mol. Calcular "
       "su fórmula molecular.\r\ndatos: C = 12.01  H =  1.01  O = 16.00  ",
       "  En 100 g: C 3.33 mol, H 6.657 mol, O 3.331 mol; entre 3.33: C 1, H 2, O 1; empírica CH_2O, 30.03 g/mol; "
       "180.16 / 30.03 = 6: molecular C_6H_1_2O_6"}},
     Masses::Course},
    {"RatiosThatAreNotWholeAreMultiplied", 7, {2, 3}, {"Fe3O4", "C3H8"}, {}, {},
     {{"Un compuesto contiene 72.36 % de Fe y 27.64 % de O. Calcular su fórmula empírica.\r\n"
       "datos: Fe = 55.84  O = 16.00  ",
       "  En 100 g: Fe 72.36 g = 1.296 mol, O 27.64 g = 1.728 mol; entre 1.296: Fe 1, O 1.33; por 3: Fe 3, O 4. "
       "Fórmula empírica: Fe_3O_4"},
      {"Un compuesto contiene 81.71 % de C y 18.29 % de H, y su masa molar es 44.1 g/mol. Calcular su fórmula "
       "molecular.\r\ndatos: C = 12.01  H =  1.01  ",
       "  En 100 g: C 6.803 mol, H 18.145 mol; entre 6.803: C 1, H 2.67; por 3: C 3, H 8; empírica C_3H_8, "
       "44.1 g/mol; 44.1 / 44.1 = 1: molecular C_3H_8"}},
     Masses::Course},

    // ---- Estequiometría
    {"MassOfAProductFromTheMassOfAReactant", 8, {1}, {}, {kLimestone}, {0, 0, 205},  // CaCO3, CaCl2, 25.5 g
     {{"Reacción: CaCO_3 + 2 HCl -> CaCl_2 + CO_2 + H_2O\r\n"
       "Calcular la masa de CaCl_2 que se obtiene a partir de 25.5 g de CaCO_3.\r\n"
       "datos: Ca = 40.08  C = 12.01  O = 16.00  Cl = 35.45  ",
       "  25.5 g CaCO_3 · (1 mol / 100.09 g) · (1 mol CaCl_2 / 1 mol CaCO_3) · (110.98 g / 1 mol) = 28.28 g de "
       "CaCl_2"}},
     Masses::Course},
    {"VolumeOfAGaseousProduct", 8, {2}, {}, {kZinc}, {1, 0, 315, 25, 50},  // HCl, H2, 36.5 g, 25 °C, 1 atm
     {{"Reacción: Zn + 2 HCl -> ZnCl_2 + H_2\r\n"
       "Calcular el volumen de H_2, medido a 25 °C y 1 atm, que se obtiene a partir de 36.5 g de HCl.\r\n"
       "datos: H =  1.01  Cl = 35.45  R = 0.082 atm·L/(mol·K)",
       "  36.5 g HCl · (1 mol / 36.46 g) · (1 mol H_2 / 2 mol HCl) = 0.500576 mol; T = 298 K; "
       "V = n·R·T / p = 12.23 L"}},
     Masses::Course},
    {"LimitingReagentEitherWay", 8, {3, 3}, {}, {kZinc, kZinc},
     {0, 0, 0, 150, 1, 2,    // Zn then HCl, ZnCl2, 20 g, 1.4 times the HCl needed
      0, 0, 0, 150, 0, 3},   // the same with 0.7 times
     {{"Reacción: Zn + 2 HCl -> ZnCl_2 + H_2\r\n"
       "Calcular el reactivo limitante y la masa de ZnCl_2 que se obtiene con 20 g de Zn y 31.23 g de HCl.\r\n"
       "datos: Zn = 65.38  H =  1.01  Cl = 35.45  ",
       "  0.305904 mol Zn necesitan 0.611808 mol HCl y hay 0.856602 mol: limitante Zn. 0.305904 mol Zn · "
       "(1 mol ZnCl_2 / 1 mol Zn) · (136.28 g / 1 mol) = 41.69 g de ZnCl_2"},
      {"Reacción: Zn + 2 HCl -> ZnCl_2 + H_2\r\n"
       "Calcular el reactivo limitante y la masa de ZnCl_2 que se obtiene con 20 g de Zn y 15.61 g de HCl.\r\n"
       "datos: Zn = 65.38  H =  1.01  Cl = 35.45  ",
       "  0.305904 mol Zn necesitan 0.611808 mol HCl y hay 0.428164 mol: limitante HCl. 0.428164 mol HCl · "
       "(1 mol ZnCl_2 / 2 mol HCl) · (136.28 g / 1 mol) = 29.18 g de ZnCl_2"}},
     Masses::Course},
    {"PurityOfAReactant", 8, {4}, {}, {kLimestone}, {0, 1, 450, 25},  // CaCO3, CO2, 50 g, 85 %
     {{"Reacción: CaCO_3 + 2 HCl -> CaCl_2 + CO_2 + H_2O\r\n"
       "Calcular la masa de CO_2 que se obtiene a partir de 50 g de CaCO_3 de riqueza 85 %.\r\n"
       "datos: Ca = 40.08  C = 12.01  O = 16.00  ",
       "  50 · 85 / 100 = 42.5 g puros; 42.5 g CaCO_3 · (1 mol / 100.09 g) · (1 mol CO_2 / 1 mol CaCO_3) · "
       "(44.01 g / 1 mol) = 18.69 g de CO_2"}},
     Masses::Course},
    {"YieldOfAReaction", 8, {5}, {}, {"N2 + 3 H2 -> 2 NH3"}, {1, 0, 10, 25},  // H2, NH3, 6 g, 75 %
     {{"Reacción: N_2 + 3 H_2 -> 2 NH_3\r\n"
       "A partir de 6 g de H_2 se obtienen 25.34 g de NH_3. Calcular el rendimiento de la reacción.\r\n"
       "datos: H =  1.01  N = 14.01  ",
       "  6 g H_2 · (1 mol / 2.02 g) · (2 mol NH_3 / 3 mol H_2) · (17.03 g / 1 mol) = 33.79 g de NH_3; "
       "rendimiento = 25.34 / 33.79 · 100 = 74.99 %"}},
     Masses::Course},

    // ---- The classroom forms, both options on: every sub-kind of the first four topics from
    // the draws of the examples above, and a few draws of their own (the "0,120 M", a negative pH).
    {"ClassroomAtomWorkedExample", 1, {1}, {}, {}, {3, 1, 0},
     {{"Un átomo de número atómico 11 contiene 12 neutrones en su núcleo. Determinar:\r\n"
       "a) nº protones en ell núcleo,b) número másico, c) nº electrones alrededor d) lugar en la tabla periódica",
       "  a) 11 protones b) M = 23 c) 11 electrones d) lugar = 11"}},
     Masses::Examples, kClassroom},
    {"ClassroomAtomGivenMassNumber", 1, {2}, {}, {}, {39, 2, 5},
     {{"Un átomo de número másico 92 contiene 45 neutrones en su núcleo. Determinar:\r\n"
       "a) nº protones en el núcleo,b) número atómico, c) nº electrones alrededor d) lugar en la tabla periódica",
       "  a) 47 protones b) Z = 47 c) 47 electrones d) lugar = 47"}},
     Masses::Examples, kClassroom},
    {"ClassroomMolarMass", 2, {1}, {"H2SO4"}, {}, {},
     {{"Calcula la masa molar de H_2SO_4\r\ndatos: H = 1,01; S = 32,06; O = 16,00", "  98,08 g/mol"}},
     Masses::Examples, kClassroom},
    {"ClassroomMoleculesOf3Mol", 2, {2}, {}, {}, {2},
     {{"Calcular el nº de moléculas que hay en 3 mol.", "  1,81·10^(24) moléculas."}}, Masses::Examples, kClassroom},
    {"ClassroomMoleculesOf5Mol", 2, {2}, {}, {}, {4},
     {{"Calcular el nº de moléculas que hay en 5 mol.", "  3,01·10^(24) moléculas."}}, Masses::Examples, kClassroom},
    {"ClassroomMolesOfMolecules", 2, {3}, {}, {}, {19},
     {{"Calcular cuantos moles son 1,20·10^(25) moléculas.", "  19,9 mol."}}, Masses::Examples, kClassroom},
    {"ClassroomGramsOfWaterToMoles", 2, {4}, {"H2O"}, {}, {31},
     {{"Pasar 36 g de H_2O a moles.\r\ndatos: H = 1,01; O = 16,00", "  2,00 mol."}}, Masses::Examples, kClassroom},
    {"ClassroomGramsOfGlucoseToMoles", 2, {4}, {"C6H12O6"}, {}, {153},
     {{"Pasar 158 g de C_6H_1_2O_6 a moles.\r\ndatos: C = 12,01; H = 1,01; O = 16,00", "  0,877 mol."}},
     Masses::Examples, kClassroom},
    {"ClassroomMolesToGrams", 2, {5}, {"H2O"}, {}, {13},
     {{"Cuantos gramos son 0,999 moles de H_2O?\r\ndatos: H = 1,01; O = 16,00", "  18,0 g."}},
     Masses::Examples, kClassroom},
    {"ClassroomPercentFromGrams", 3, {1}, {}, {}, {0, 0, 1},
     {{"Calcular el % (en masa) de soluto si se han disuelto 4 g en agua hasta obtener 200 g de disolución.",
       "  2,00 %"}},
     Masses::Examples, kClassroom},
    {"ClassroomGramsFromPercent", 3, {2}, {}, {}, {39, 8},
     {{"Calcular los gramos de soluto necesarios para preparar 900 g de una disolución al 41 % en masa",
       "  369 g"}},
     Masses::Examples, kClassroom},
    {"ClassroomMolarity", 3, {3}, {"NaCl"}, {}, {112, 1},
     {{"Calcular la molaridad de una disolución obtenida disolviendo 117 g de NaCl en agua hasta un volumen total "
       "de 500 ml\r\ndatos: Na = 22,99; Cl = 35,45",
       "  4,00 mol/l"}},
     Masses::Examples, kClassroom},
    {"ClassroomGramsFromMolarity", 3, {4}, {"NaCl"}, {}, {24, 3},
     {{"Calcular los gramos necesarios de NaCl para preparar 1 l de una disolución 0,496 M de NaCl\r\n"
       "datos: Na = 22,99; Cl = 35,45",
       "  29,0 g"}},
     Masses::Examples, kClassroom},
    {"ClassroomGramsFromMolarity0120", 3, {4}, {"NaCl"}, {}, {2, 3},
     {{"Calcular los gramos necesarios de NaCl para preparar 1 l de una disolución 0,120 M de NaCl\r\n"
       "datos: Na = 22,99; Cl = 35,45",
       "  7,01 g"}},
     Masses::Examples, kClassroom},
    {"ClassroomVolumeFromMolarity", 3, {5}, {"NaCl"}, {}, {45, 0},
     {{"Calcular el volumen de disolución 3,42 M de NaCl que se puede preparar a partir de 50 g de NaCl\r\n"
       "datos: Na = 22,99; Cl = 35,45",
       "  250 ml"}},
     Masses::Examples, kClassroom},
    {"ClassroomVolumeFromMolarity0120", 3, {5}, {"NaCl"}, {}, {2, 3},
     {{"Calcular el volumen de disolución 0,120 M de NaCl que se puede preparar a partir de 7 g de NaCl\r\n"
       "datos: Na = 22,99; Cl = 35,45",
       "  998 ml"}},
     Masses::Examples, kClassroom},
    {"ClassroomPhOfAnAcid", 4, {1}, {"HCl"}, {}, {2, 1},
     {{"Calcular el pH de una disolución obtenida con 7 g de HCl en un volumen de disolución de 500 ml\r\n"
       "datos: H = 1,01; Cl = 35,45",
       "  pH = 0,42"}},
     Masses::Examples, kClassroom},
    {"ClassroomNegativePh", 4, {1}, {"HCl"}, {}, {9, 0},
     {{"Calcular el pH de una disolución obtenida con 14 g de HCl en un volumen de disolución de 250 ml\r\n"
       "datos: H = 1,01; Cl = 35,45",
       "  pH = -0,19"}},
     Masses::Examples, kClassroom},
    {"ClassroomPhOfABase", 4, {2}, {"NaOH"}, {}, {5, 3},
     {{"Calcular el pH de una disolución obtenida con 10 g de NaOH en un volumen de disolución de 1000 ml\r\n"
       "datos: Na = 22,99; O = 16,00; H = 1,01",
       "  pH = 13,40"}},
     Masses::Examples, kClassroom},
    {"ClassroomAcidFromPh", 4, {3}, {"HCl"}, {}, {2, 1},
     {{"Calcular la concentración molar de una disolución de HCl de pH 0,42", "    [HCl] = 0,380 mol/l"}},
     Masses::Examples, kClassroom},
    {"ClassroomBaseFromPh", 4, {4}, {"NaOH"}, {}, {5, 3},
     {{"Calcular la concentración molar de una disolución de NaOH de pH 13,40", "    [NaOH] = 0,251 mol/l"}},
     Masses::Examples, kClassroom},

    // ---- The classroom forms of the four course topics, from the draws of their examples above.
    {"ClassroomPressureOfASampleInAtm", 5, {1}, {"CO2"}, {}, {0, 0, 3, 45},
     {{"Calcular la presión, en atm, que ejercen 8,8 g de CO_2 en un recipiente de 5 L a 25 °C.\r\n"
       "datos: C = 12,01; O = 16,00; R = 0,082 atm·L/(mol·K)",
       "  n = 8,8 / 44,01 = 0,200 mol; T = 25 + 273 = 298 K; p = n·R·T / V = 0,977 atm"}},
     Masses::Course, kClassroom},
    {"ClassroomPressureOfASampleInMmHg", 5, {1}, {"CO2"}, {}, {1, 18, 18, 0},
     {{"Calcular la presión, en mmHg, que ejercen 88,02 g de CO_2 en un recipiente de 20 L a -20 "
       "°C.\r\n"
       "datos: C = 12,01; O = 16,00; R = 0,082 atm·L/(mol·K)",
       "  n = 88,02 / 44,01 = 2,00 mol; T = -20 + 273 = 253 K; p = n·R·T / V = 2,07 atm = "
       "1,58·10^(3) mmHg"}},
     Masses::Course, kClassroom},
    {"ClassroomVolumeOfASampleInAtm", 5, {2}, {"NH3"}, {}, {0, 8, 10, 120},
     {{"Calcular el volumen que ocupan 17,03 g de NH_3 a 100 °C y 1,5 atm.\r\n"
       "datos: N = 14,01; H = 1,01; R = 0,082 atm·L/(mol·K)",
       "  n = 17,03 / 17,03 = 1,00 mol; T = 100 + 273 = 373 K; V = n·R·T / p = 20,4 L"}},
     Masses::Course, kClassroom},
    {"ClassroomVolumeOfASampleInMmHg", 5, {2}, {"NH3"}, {}, {1, 3, 55, 20},
     {{"Calcular el volumen que ocupan 8,52 g de NH_3 a 0 °C y 750 mmHg.\r\n"
       "datos: N = 14,01; H = 1,01; R = 0,082 atm·L/(mol·K)",
       "  n = 8,52 / 17,03 = 0,500 mol; T = 0 + 273 = 273 K; p = 750 / 760 = 0,987 atm; V = n·R·T / "
       "p = 11,3 L"}},
     Masses::Course, kClassroom},
    {"ClassroomMolarMassFromTheStateOfASample", 5, {3}, {"Cl2"}, {}, {0, 15, 8, 47},
     {{"Una muestra de 57,64 g de un gas ocupa 10 L a 27 °C y 2 atm. Calcular su masa molar. ¿Puede "
       "ser Cl_2?\r\n"
       "datos: Cl = 35,45; R = 0,082 atm·L/(mol·K)",
       "  T = 27 + 273 = 300 K; M = m·R·T / (p·V) = 70,9 g/mol, que coincide con M(Cl_2) = 70,90 "
       "g/mol"}},
     Masses::Course, kClassroom},
    {"ClassroomChangeOfStateToAVolume", 5, {4}, {}, {}, {0, 7, 8, 45, 120, 0, 20},
     {{"Un gas ocupa 10 L a 25 °C y 1,2 atm. Calcular su volumen a 100 °C y 2,5 atm.",
       "  p_1·V_1 / T_1 = p_2·V_2 / T_2, con T_1 = 298 K y T_2 = 373 K: V_2 = p_1·V_1·T_2 / "
       "(T_1·p_2) = 6,01 L"}},
     Masses::Course, kClassroom},
    {"ClassroomChangeOfStateToAPressure", 5, {4}, {}, {}, {1, 60, 3, 20, 20, 1, 13},
     {{"Un gas ocupa 5 L a 0 °C y 800 mmHg. Calcular su presión si pasa a ocupar 15 L a 0 °C.",
       "  p_1·V_1 / T_1 = p_2·V_2 / T_2, con T_1 = 273 K y T_2 = 273 K: p_2 = p_1·V_1·T_2 / "
       "(T_1·V_2) = 267 mmHg"}},
     Masses::Course, kClassroom},
    {"ClassroomVolumeAtNormalConditions", 5, {5}, {"O2"}, {}, {13},
     {{"Calcular el volumen que ocupan 48 g de O_2 en condiciones normales (0 °C y 1 atm).\r\n"
       "datos: O = 16,00",
       "  n = 48 / 32,00 = 1,50 mol; V = 1,50 · 22,4 = 33,6 L"}},
     Masses::Course, kClassroom},
    {"ClassroomDilution", 6, {1}, {"HCl"}, {}, {2, 4, 2},
     {{"Calcular el volumen de disolución 2,5 M de HCl que hay que tomar para preparar 250 mL de "
       "disolución 0,375 M.",
       "  C_1·V_1 = C_2·V_2: V_1 = 0,375 · 250 / 2,5 = 37,5 mL"}},
     Masses::Course, kClassroom},
    {"ClassroomCommercialHydrochloricAcid", 6, {2}, {"HCl"}, {}, {2, 4},
     {{"Calcular el volumen de HCl comercial (36 % en masa, densidad 1,18 g/mL) necesario para "
       "preparar 250 mL de disolución 0,5 M.\r\n"
       "datos: H = 1,01; Cl = 35,45",
       "  n = 0,5 · 0,25 = 0,125 mol; m = 0,125 · 36,46 = 4,56 g; comercial: 4,56 · 100 / 36 = 12,7 "
       "g; V = 12,7 / 1,18 = 10,7 mL"}},
     Masses::Course, kClassroom},
    {"ClassroomCommercialAceticAcid", 6, {2}, {"C2H4O2"}, {}, {4, 19},
     {{"Calcular el volumen de C_2H_4O_2 comercial (99,5 % en masa, densidad 1,05 g/mL) necesario "
       "para preparar 1000 mL de disolución 2 M.\r\n"
       "datos: C = 12,01; H = 1,01; O = 16,00",
       "  n = 2 · 1 = 2,00 mol; m = 2,00 · 60,05 = 120 g; comercial: 120 · 100 / 99,5 = 121 g; V = "
       "121 / 1,05 = 115 mL"}},
     Masses::Course, kClassroom},
    {"ClassroomConcentrationsInGramsPerLitreMolalityAndMoleFraction", 6, {3}, {"NaCl"}, {}, {2, 4, 6},
     {{"Se disuelven 21,2 g de NaCl en agua hasta 250 mL de disolución, de densidad 1,06 g/mL. "
       "Calcular la concentración en g/L, la molalidad y la fracción molar del soluto.\r\n"
       "datos: Na = 22,99; Cl = 35,45; H = 1,01; O = 16,00",
       "  84,8 g/L; agua: 265 - 21,2 = 244 g; n = 0,363 mol; m = 1,49 mol/kg; x = 0,363 / (0,363 + "
       "13,5) = 0,0261"}},
     Masses::Course, kClassroom},
    {"ClassroomMixtureOfTwoSolutions", 6, {4}, {"NaCl"}, {}, {1, 5, 4, 6},
     {{"Se mezclan 150 mL de disolución 0,5 M de NaCl con 100 mL de disolución 1,2 M de NaCl. "
       "Calcular la molaridad de la mezcla (volúmenes aditivos).",
       "  n = 0,5 · 0,15 + 1,2 · 0,1 = 0,195 mol; V = 0,25 L; M = 0,780 mol/L"}},
     Masses::Course, kClassroom},
    {"ClassroomCompositionOfGlucose", 7, {1}, {"C6H12O6"}, {}, {},
     {{"Calcular la composición centesimal de C_6H_1_2O_6.\r\ndatos: C = 12,01; H = 1,01; O = 16,00",
       "  M = 180,16 g/mol; C: 72,07 g (40,00 %); H: 12,10 g (6,71 %); O: 95,99 g (53,28 %)"}},
     Masses::Course, kClassroom},
    {"ClassroomEmpiricalFormulaOfGlucose", 7, {2}, {"C6H12O6"}, {}, {},
     {{"Un compuesto contiene 40,00 % de C, 6,71 % de H y 53,29 % de O. Calcular su fórmula "
       "empírica.\r\n"
       "datos: C = 12,01; H = 1,01; O = 16,00",
       "  En 100 g: C 40,00 g = 3,33 mol, H 6,71 g = 6,66 mol, O 53,29 g = 3,33 mol; entre 3,33: C "
       "1,00; H 2,00; O 1,00. Fórmula empírica: CH_2O"}},
     Masses::Course, kClassroom},
    {"ClassroomEmpiricalFormulaOfMagnetite", 7, {2}, {"Fe3O4"}, {}, {},
     {{"Un compuesto contiene 72,36 % de Fe y 27,64 % de O. Calcular su fórmula empírica.\r\n"
       "datos: Fe = 55,84; O = 16,00",
       "  En 100 g: Fe 72,36 g = 1,30 mol, O 27,64 g = 1,73 mol; entre 1,30: Fe 1,00; O 1,33; por "
       "3: Fe 3; O 4. Fórmula empírica: Fe_3O_4"}},
     Masses::Course, kClassroom},
    {"ClassroomMolecularFormulaOfGlucose", 7, {3}, {"C6H12O6"}, {}, {},
     {{"Un compuesto contiene 40,00 % de C, 6,71 % de H y 53,29 % de O, y su masa molar es 180,16 "
       "g/mol. Calcular su fórmula molecular.\r\n"
       "datos: C = 12,01; H = 1,01; O = 16,00",
       "  En 100 g: C 3,33 mol, H 6,66 mol, O 3,33 mol; entre 3,33: C 1,00; H 2,00; O 1,00; "
       "empírica CH_2O, 30,03 g/mol; 180,16 / 30,03 = 6: molecular C_6H_1_2O_6"}},
     Masses::Course, kClassroom},
    {"ClassroomMassOfAProduct", 8, {1}, {}, {kLimestone}, {0, 0, 205},
     {{"Reacción: CaCO_3 + 2 HCl -> CaCl_2 + CO_2 + H_2O\r\n"
       "Calcular la masa de CaCl_2 que se obtiene a partir de 25,5 g de CaCO_3.\r\n"
       "datos: Ca = 40,08; C = 12,01; O = 16,00; Cl = 35,45",
       "  25,5 g CaCO_3 · (1 mol / 100,09 g) · (1 mol CaCl_2 / 1 mol CaCO_3) · (110,98 g / 1 mol) = "
       "28,3 g de CaCl_2"}},
     Masses::Course, kClassroom},
    {"ClassroomVolumeOfAGaseousProduct", 8, {2}, {}, {kZinc}, {1, 0, 315, 25, 50},
     {{"Reacción: Zn + 2 HCl -> ZnCl_2 + H_2\r\n"
       "Calcular el volumen de H_2, medido a 25 °C y 1 atm, que se obtiene a partir de 36,5 g de "
       "HCl.\r\n"
       "datos: H = 1,01; Cl = 35,45; R = 0,082 atm·L/(mol·K)",
       "  36,5 g HCl · (1 mol / 36,46 g) · (1 mol H_2 / 2 mol HCl) = 0,501 mol; T = 298 K; V = "
       "n·R·T / p = 12,2 L"}},
     Masses::Course, kClassroom},
    {"ClassroomLimitingReagentZinc", 8, {3}, {}, {kZinc}, {0, 0, 0, 150, 1, 2},
     {{"Reacción: Zn + 2 HCl -> ZnCl_2 + H_2\r\n"
       "Calcular el reactivo limitante y la masa de ZnCl_2 que se obtiene con 20 g de Zn y 31,23 g "
       "de HCl.\r\n"
       "datos: Zn = 65,38; H = 1,01; Cl = 35,45",
       "  0,306 mol Zn necesitan 0,612 mol HCl y hay 0,857 mol: limitante Zn. 0,306 mol Zn · (1 mol "
       "ZnCl_2 / 1 mol Zn) · (136,28 g / 1 mol) = 41,7 g de ZnCl_2"}},
     Masses::Course, kClassroom},
    {"ClassroomLimitingReagentHydrochloricAcid", 8, {3}, {}, {kZinc}, {0, 0, 0, 150, 0, 3},
     {{"Reacción: Zn + 2 HCl -> ZnCl_2 + H_2\r\n"
       "Calcular el reactivo limitante y la masa de ZnCl_2 que se obtiene con 20 g de Zn y 15,61 g "
       "de HCl.\r\n"
       "datos: Zn = 65,38; H = 1,01; Cl = 35,45",
       "  0,306 mol Zn necesitan 0,612 mol HCl y hay 0,428 mol: limitante HCl. 0,428 mol HCl · (1 mol "
       "ZnCl_2 / 2 mol HCl) · (136,28 g / 1 mol) = 29,2 g de ZnCl_2"}},
     Masses::Course, kClassroom},
    {"ClassroomPurityOfAReactant", 8, {4}, {}, {kLimestone}, {0, 1, 450, 25},
     {{"Reacción: CaCO_3 + 2 HCl -> CaCl_2 + CO_2 + H_2O\r\n"
       "Calcular la masa de CO_2 que se obtiene a partir de 50 g de CaCO_3 de riqueza 85 %.\r\n"
       "datos: Ca = 40,08; C = 12,01; O = 16,00",
       "  50 · 85 / 100 = 42,5 g puros; 42,5 g CaCO_3 · (1 mol / 100,09 g) · (1 mol CO_2 / 1 mol "
       "CaCO_3) · (44,01 g / 1 mol) = 18,7 g de CO_2"}},
     Masses::Course, kClassroom},
    {"ClassroomYieldOfAReaction", 8, {5}, {}, {"N2 + 3 H2 -> 2 NH3"}, {1, 0, 10, 25},
     {{"Reacción: N_2 + 3 H_2 -> 2 NH_3\r\n"
       "A partir de 6 g de H_2 se obtienen 25,34 g de NH_3. Calcular el rendimiento de la "
       "reacción.\r\n"
       "datos: H = 1,01; N = 14,01",
       "  6 g H_2 · (1 mol / 2,02 g) · (2 mol NH_3 / 3 mol H_2) · (17,03 g / 1 mol) = 33,8 g de "
       "NH_3; rendimiento = 25,34 / 33,8 · 100 = 75,0 %"}},
     Masses::Course, kClassroom},
};

INSTANTIATE_TEST_SUITE_P(EveryTopic, WorkedExamples, ::testing::ValuesIn(kWorkedExamples),
                         [](const ::testing::TestParamInfo<WorkedExample>& info) { return info.param.name; });

}  // namespace
