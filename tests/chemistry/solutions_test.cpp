#include "chemistry/solutions.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/start_up.h"
#include "shell/program.h"
#include "tests/chemistry/course_topics_support.h"
#include "tests/chemistry/topic_windows.h"

namespace {

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

TEST_F(SolutionTest, AFormulaWithoutABottleListsTheReagents) {
    Type({"NaCl"});
    Run(SolutionsTopic, {2});
    EXPECT_EQ(Batch.count, 0);
    EXPECT_FALSE(CurrentExercise.accepted);
    ASSERT_EQ(
        ui.boxes,
        (ShownBoxes{
            {"Reactivo comercial",
             "No hay reactivo comercial de NaCl.\rLos reactivos comerciales son: HCl 36 %, H2SO4 98 %, HNO3 65 %, "
             "NH3 25 %, CH3COOH 99.5 %.",
             kBoxOk | kBoxIconExclamation}}));
}

TEST_F(SolutionTest, WaterCannotBeTheSoluteNorBeMissing) {
    Type({"H2O", "NaCl"});
    Run(SolutionsTopic, {3});
    SetElementTable({{"Na", 22.99, 11}, {"Cl", 35.45, 17}});  // no hydrogen, no oxygen
    ui.boxAnswers.push_back(kAnswerNo);
    Run(SolutionsTopic, {3});
    EXPECT_EQ(Batch.count, 0);
    EXPECT_EQ(ui.boxes,
              (ShownBoxes{{"Disoluciones", "El disolvente es agua: el soluto ha de ser otra sustancia.",
                           kBoxOk | kBoxIconExclamation},
                          {"* Error *", "H no está en la base de datos\r¿añadir?", kBoxYesNo | kBoxIconExclamation}}));
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

// A solution's density goes with its strength: the mass percentage that the statement's
// grams, volume and density give has a density that aqueous solutions of it show, between
// 0.003 and 0.012 g/mL more than water per % (sugar and HCl about 0.004, NaOH 0.011), with
// the half hundredth of the density shown.
TEST_F(SolutionTest, TheDensityIsOneThatASolutionOfThatStrengthHas) {
    SeedRandom(4242);
    for (int round = 0; round < 300; ++round) {
        BatchEnd();
        BatchStart();
        Type({"NaCl"});
        Run(SolutionsTopic, {3});
        ASSERT_EQ(Batch.count, 1);
        const std::string& s = Statement(1);
        const double density = NumberAfter(s, "de densidad ");
        const double percent = NumberAfter(s, "Se disuelven ") / (NumberAfter(s, "hasta ") * density) * 100;
        EXPECT_GE(density, 1 + 0.003 * percent - 0.0051) << s;
        EXPECT_LE(density, 1 + 0.012 * percent + 0.0051) << s;
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
    EXPECT_EQ(ui.subKindLists[0], SubKindsOf(6));
}

}  // namespace
