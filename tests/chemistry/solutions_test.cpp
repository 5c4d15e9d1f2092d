#include "chemistry/solutions.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/start_up.h"
#include "shell/program.h"
#include "tests/chemistry/course_topics_support.h"

namespace {

const char* const kSolutionList =
    "dilución: C1, V2, C2 -> V1;reactivo comercial -> volumen;g/L, molalidad y fracción molar;"
    "mezcla de dos disoluciones";

class SolutionTest : public CourseTopicTest {};

bool IsFlask(double millilitres) {
    const std::vector<int>& flasks = FlaskVolumes();
    return std::find(flasks.begin(), flasks.end(), int(millilitres)) != flasks.end() && millilitres == int(millilitres);
}

// Within half a unit of the last decimal shown (two from 1 on, six below), and a little
// more for a result computed from other shown results.
void ExpectShownNear(double shown, double exact, const std::string& context, double slack = 1.001) {
    const double halfUnit = exact >= 1 ? 0.005 : 0.0000005;
    EXPECT_NEAR(shown, exact, halfUnit * slack + 1e-12) << context;
}

TEST_F(SolutionTest, Dilution) {
    Type({"HCl"});
    ScriptRandom({2, 4, 2});  // 250 mL; 2.5 M; 0.375 M
    Run(SolutionsTopic, {1});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1),
              "Calcular el volumen de disolución 2.5 M de HCl que hay que tomar para preparar 250 mL de disolución "
              "0.375 M.");
    EXPECT_EQ(Answer(1), "  C_1·V_1 = C_2·V_2: V_1 = 0.375 · 250 / 2.5 = 37.5 mL");
    EXPECT_EQ(CurrentTopicTitle, "Disoluciones");
    EXPECT_EQ(ui.subKindLists[0], kSolutionList);
    EXPECT_EQ(ui.prompts, std::vector<std::string>{"fórmula:"});
}

TEST_F(SolutionTest, CommercialReagentChosenByItsFormula) {
    Type({"HCl", "C2H4O2"});
    ScriptRandom({2, 4, 4, 19});  // 250 mL of 0.5 M; then a litre of 2 M
    Run(SolutionsTopic, {2, 2});
    ASSERT_EQ(Batch.count, 2);
    EXPECT_EQ(Statement(1),
              "Calcular el volumen de HCl comercial (36 % en masa, densidad 1.18 g/mL) necesario para preparar "
              "250 mL de disolución 0.5 M.\r\ndatos: H =  1.01  Cl = 35.45  ");
    EXPECT_EQ(Answer(1),
              "  n = 0.5 · 0.25 = 0.125 mol; m = 0.125 · 36.46 = 4.56 g; comercial: 4.56 · 100 / 36 = 12.66 g; "
              "V = 12.66 / 1.18 = 10.73 mL");
    // Acetic acid written otherwise is still the bottle of CH3COOH.
    EXPECT_EQ(Statement(2),
              "Calcular el volumen de C_2H_4O_2 comercial (99.5 % en masa, densidad 1.05 g/mL) necesario para "
              "preparar 1000 mL de disolución 2 M.\r\ndatos: C = 12.01  H =  1.01  O = 16.00  ");
    EXPECT_EQ(Answer(2),
              "  n = 2 · 1 = 2 mol; m = 2 · 60.05 = 120.1 g; comercial: 120.1 · 100 / 99.5 = 120.71 g; "
              "V = 120.71 / 1.05 = 114.96 mL");
}

TEST_F(SolutionTest, AFormulaWithoutABottleListsTheReagents) {
    Type({"NaCl"});
    Run(SolutionsTopic, {2});
    EXPECT_EQ(Batch.count, 0);
    EXPECT_FALSE(CurrentExercise.accepted);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Reactivo comercial");
    EXPECT_EQ(ui.boxes[0].text,
              "No hay reactivo comercial de NaCl.\rLos reactivos comerciales son: HCl 36 %, H2SO4 98 %, HNO3 65 %, "
              "NH3 25 %, CH3COOH 99.5 %.");
    EXPECT_EQ(ui.boxes[0].flags, kBoxOk | kBoxIconExclamation);
}

TEST_F(SolutionTest, ConcentrationsInGramsPerLitreMolalityAndMoleFraction) {
    Type({"NaCl"});
    ScriptRandom({2, 4, 6});  // 250 mL, 1.05 g/mL, 8 %: 21 g
    Run(SolutionsTopic, {3});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1),
              "Se disuelven 21 g de NaCl en agua hasta 250 mL de disolución, de densidad 1.05 g/mL. Calcular la "
              "concentración en g/L, la molalidad y la fracción molar del soluto.\r\n"
              "datos: Na = 22.99  Cl = 35.45  H =  1.01  O = 16.00  ");
    EXPECT_EQ(Answer(1),
              "  84 g/L; agua: 262.5 - 21 = 241.5 g; n = 0.359344 mol; m = 1.49 mol/kg; "
              "x = 0.359344 / (0.359344 + 13.405) = 0.026106");
}

TEST_F(SolutionTest, WaterCannotBeTheSoluteNorBeMissing) {
    Type({"H2O", "NaCl"});
    Run(SolutionsTopic, {3});
    SetElementTable({{"Na", 22.99, 11}, {"Cl", 35.45, 17}});  // no hydrogen, no oxygen
    ui.boxAnswers.push_back(kAnswerNo);
    Run(SolutionsTopic, {3});
    EXPECT_EQ(Batch.count, 0);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].text, "El disolvente es agua: el soluto ha de ser otra sustancia.");
    EXPECT_EQ(ui.boxes[1].text, "H no está en la base de datos\r¿añadir?");
}

TEST_F(SolutionTest, MixtureOfTwoSolutions) {
    Type({"NaCl"});
    ScriptRandom({1, 5, 4, 6});  // 250 mL: 150 mL of 0.5 M and 100 mL of 1.2 M
    Run(SolutionsTopic, {4});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1),
              "Se mezclan 150 mL de disolución 0.5 M de NaCl con 100 mL de disolución 1.2 M de NaCl. Calcular la "
              "molaridad de la mezcla (volúmenes aditivos).");
    EXPECT_EQ(Answer(1), "  n = 0.5 · 0.15 + 1.2 · 0.1 = 0.195 mol; V = 0.25 L; M = 0.78 mol/L");
}

TEST_F(SolutionTest, EveryAnswerAgreesWithAnIndependentComputationOverManyDraws) {
    for (const NumberStyle style : kDrawStyles) {
        SCOPED_TRACE(style.decimalComma ? "coma decimal" : "punto decimal");
        NumberOptions = style;
        SeedRandom(1717);
        const char* const solutes[] = {"NaCl", "HCl", "H2SO4", "NH3", "CH3COOH", "KOH", "CaCl2", "C6H12O6", "HNO3"};
        for (int round = 0; round < 300; ++round) {
            for (uint8_t subKind = 1; subKind <= 4; ++subKind) {
                const char* formula = solutes[round % std::size(solutes)];
                Compound solute;
                ASSERT_TRUE(ParseFormula(solute, formula));
                const double molarMass = MolarMass(solute);
                const CommercialReagent* reagent = nullptr;
                for (const CommercialReagent& r : CommercialReagents()) {
                    if (std::string(r.formula) == formula) reagent = &r;
                }
                if (subKind == 2 && reagent == nullptr) continue;
                BatchEnd();
                BatchStart();
                Type({formula});
                Run(SolutionsTopic, {subKind});
                ASSERT_EQ(Batch.count, 1) << formula << " " << int(subKind);
                const std::string& s = Statement(1);
                const std::string& a = Answer(1);
                const std::string context = s + " / " + a;
                ASSERT_LE(s.size(), 255u);
                ASSERT_LE(a.size(), 255u);
                EXPECT_TRUE(NoNumberRunsIntoAWord(s)) << s;
                EXPECT_TRUE(NoNumberRunsIntoAWord(a)) << a;
                switch (subKind) {
                    case 1: {
                        const double c1 = NumberAfter(s, "disolución ");
                        const double v2 = NumberAfter(s, "preparar ");
                        const double c2 = NumberBefore(s, " M.");
                        const double v1 = NumberBefore(a, " mL");
                        EXPECT_TRUE(IsFlask(v2)) << context;
                        EXPECT_LT(c2, c1) << context;
                        ExpectShownNear(v1, c2 * v2 / c1, context);
                        EXPECT_GT(v1, 0);
                        EXPECT_LT(v1, v2 / 2);
                        break;
                    }
                    case 2: {
                        const double millilitres = NumberAfter(s, "preparar ");
                        const double molarity = NumberBefore(s, " M.");
                        const double volume = NumberBefore(a, " mL");
                        EXPECT_TRUE(IsFlask(millilitres)) << context;
                        // The commercial volume holds the moles of the solution to prepare.
                        const double exact =
                            molarity * millilitres / 1000 * molarMass * 100 / reagent->percent / reagent->density;
                        ExpectShownNear(volume, exact, context);
                        EXPECT_LT(volume, millilitres) << context;
                        break;
                    }
                    case 3: {
                        const double grams = NumberAfter(s, "Se disuelven ");
                        const double millilitres = NumberAfter(s, "hasta ");
                        const double density = NumberAfter(s, "de densidad ");
                        EXPECT_TRUE(IsFlask(millilitres)) << context;
                        const double water = millilitres * density - grams;
                        const double moles = grams / molarMass;
                        const double waterMoles = water / (2 * 1.008 + 15.999);
                        EXPECT_GT(water, 0);
                        ExpectShownNear(NumberAfter(a, "  "), grams / millilitres * 1000, context);
                        ExpectShownNear(NumberAfter(a, "m = "), moles / (water / 1000), context);
                        ExpectShownNear(NumberAfter(a, ") = "), moles / (moles + waterMoles), context);
                        break;
                    }
                    default: {
                        const double v1 = NumberAfter(s, "Se mezclan ");
                        const double c1 = NumberAfter(s, "disolución ");
                        const double v2 = NumberAfter(s, " con ");
                        const double c2 = NumberAfter(s, "disolución ", s.find(" con "));
                        const double molarity = NumberAfter(a, "M = ");
                        EXPECT_TRUE(IsFlask(v1 + v2)) << context;
                        EXPECT_NE(c1, c2) << context;
                        ExpectShownNear(molarity, (c1 * v1 + c2 * v2) / (v1 + v2), context);
                        EXPECT_GE(molarity, std::min(c1, c2) - 0.005);
                        EXPECT_LE(molarity, std::max(c1, c2) + 0.005);
                        break;
                    }
                }
            }
        }
    }
}

TEST_F(SolutionTest, LongFormulasFitEverySubKind) {
    SeedRandom(3);
    for (const char* formula : {"CH3CH2CH2CH2CH2CH3", "Ca(CH3COO)2", "CH3COOH"}) {
        for (uint8_t subKind : {1, 2, 3, 4}) {
            if (subKind == 2 && std::string(formula) != "CH3COOH") continue;
            BatchEnd();
            BatchStart();
            Type({formula});
            Run(SolutionsTopic, {subKind});
            ASSERT_EQ(Batch.count, 1) << formula << " " << int(subKind);
            EXPECT_LE(Statement(1).size(), 255u);
            EXPECT_LE(Answer(1).size(), 255u);
        }
    }
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(SolutionTest, TheMenuNumberSixRunsTheTopic) {
    ui.subKinds.push_back(0);
    TopicDispatch(6);
    ASSERT_EQ(ui.subKindLists.size(), 1u);
    EXPECT_EQ(ui.subKindLists[0], kSolutionList);
}

}  // namespace
