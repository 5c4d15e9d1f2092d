#include "chemistry/empirical.h"

#include <gtest/gtest.h>

#include <numeric>

#include "app/start_up.h"
#include "shell/program.h"
#include "tests/chemistry/course_topics_support.h"
#include "tests/chemistry/topic_windows.h"

namespace {

class EmpiricalTest : public CourseTopicTest {};

// An independent computation for a table of compounds: the composition of the statements
// adds up to 100.00 % and each share is the exact one to the hundredth; the composition's
// answer rounds each share on its own; the answer reaches the empirical and the molecular
// formula that the counts give.
TEST_F(EmpiricalTest, EveryCompoundLeadsToItsFormulas) {
    const struct {
        const char* formula;
        const char* empirical;
        const char* molecular;
    } cases[] = {
        {"C6H12O6", "CH_2O", "C_6H_1_2O_6"},
        {"CH3COOH", "CH_2O", "C_2H_4O_2"},
        {"H2O2", "HO", "H_2O_2"},
        {"C2H6", "CH_3", "C_2H_6"},
        {"Fe2O3", "Fe_2O_3", "Fe_2O_3"},
        {"C4H10", "C_2H_5", "C_4H_1_0"},
        {"C8H18", "C_4H_9", "C_8H_1_8"},
        {"N2O4", "NO_2", "N_2O_4"},
        {"Al2(SO4)3", "Al_2S_3O_1_2", "Al_2S_3O_1_2"},
        {"C5H12", "C_5H_1_2", "C_5H_1_2"},
        {"Na2SO4", "Na_2SO_4", "Na_2SO_4"},
        {"C2H5OH", "C_2H_6O", "C_2H_6O"},
        {"CaCO3", "CaCO_3", "CaCO_3"},
        {"C6H6", "CH", "C_6H_6"},
    };
    for (const NumberStyle style : kDrawStyles) {
        SCOPED_TRACE(style.decimalComma ? "coma decimal" : "punto decimal");
        NumberOptions = style;
        for (const auto& c : cases) {
            BatchEnd();
            BatchStart();
            Type({c.formula, c.formula, c.formula});
            Run(EmpiricalTopic, {1, 2, 3});
            ASSERT_EQ(Batch.count, 3) << c.formula;
            Compound compound;
            ASSERT_TRUE(ParseFormula(compound, c.formula));
            MolarMass(compound);
            const std::vector<int> hundredths = CompositionHundredths(compound);
            EXPECT_EQ(std::accumulate(hundredths.begin(), hundredths.end(), 0), 10000) << c.formula;
            for (int i = 1; i <= compound.count; ++i) {
                const double exact = compound.Component(i).atoms * compound.Component(i).mass / compound.molarMass * 100;
                // The share shown in the statement, and in the composition's answer.
                const std::string symbol = compound.Component(i).symbol;
                double shown = std::nan("");
                for (const char* end : {",", " y", "."}) {
                    if (std::isnan(shown)) shown = NumberBefore(Statement(2), " % de " + symbol + end);
                }
                EXPECT_NEAR(shown, exact, 0.0151) << c.formula << " " << compound.Component(i).symbol;
                EXPECT_EQ(shown, hundredths[i - 1] / 100.0);
                const std::size_t share = Answer(1).find("; " + symbol + ": ");
                ASSERT_NE(share, std::string::npos) << Answer(1);
                EXPECT_DOUBLE_EQ(NumberAfter(Answer(1), "(", share), std::round(exact * 100) / 100) << Answer(1);
            }
            const std::string empirical = "Fórmula empírica: " + std::string(c.empirical);
            EXPECT_EQ(Answer(2).substr(Answer(2).size() - std::min(Answer(2).size(), empirical.size())), empirical)
                << Answer(2);
            const std::string molecular = ": molecular " + std::string(c.molecular);
            EXPECT_EQ(Answer(3).substr(Answer(3).size() - std::min(Answer(3).size(), molecular.size())), molecular)
                << Answer(3);
            for (int slot = 1; slot <= 3; ++slot) {
                EXPECT_LE(Statement(slot).size(), 255u);
                EXPECT_LE(Answer(slot).size(), 255u);
                EXPECT_TRUE(NoNumberRunsIntoAWord(Statement(slot))) << Statement(slot);
                EXPECT_TRUE(NoNumberRunsIntoAWord(Answer(slot))) << Answer(slot);
            }
        }
        EXPECT_TRUE(ui.boxes.empty());
    }
}

TEST_F(EmpiricalTest, CompoundsThatCannotMakeTheExerciseAreRefusedWithAReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"O3", "O3 tiene un solo elemento: elija un compuesto."},
        {"C12H22O11",
         "La composición de C12H22O11 no lleva con claridad a su fórmula empírica.\rElija un compuesto más sencillo."},
        // Its one H shows as 0.22 %: the ratios C 11.84, H 1, Cl 8.88 are whole at no multiplier up to 6.
        {"C12HCl9",
         "La composición de C12HCl9 no lleva con claridad a su fórmula empírica.\rElija un compuesto más sencillo."},
        {"H0Cl", "En H0Cl el H no llega al 0.01 %: elija otro compuesto."},
    };
    for (const auto& [formula, message] : cases) {
        ui.boxes.clear();
        Type({formula, formula});
        Run(EmpiricalTopic, {2, 3});
        EXPECT_EQ(Batch.count, 0) << formula;
        EXPECT_EQ(ui.boxes, ShownBoxes(2, {"Fórmula empírica", message, kBoxOk | kBoxIconExclamation})) << formula;
    }
    // The composition of the same compounds is no trouble.
    Type({"O3", "C12H22O11"});
    Run(EmpiricalTopic, {1, 1});
    ASSERT_EQ(Batch.count, 2);
    EXPECT_EQ(Answer(1), "  M = 48 g/mol; O: 48 g (100.00 %)");
}

TEST_F(EmpiricalTest, TheLongestFormulasFitOrAreRefusedWhole) {
    Elements = ElementTable{};
    for (char c = 'A'; c <= 'T'; ++c)
        Elements.Slot(++Elements.count) = MakeElement(std::string(1, c).c_str(), "", 1, 10);
    Type({"ABCDEFGHIJKLMNOPQRST", "A2B3C2D3"});
    Run(EmpiricalTopic, {1, 3});
    EXPECT_EQ(Batch.count, 1);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Ejercicio demasiado largo");
    EXPECT_LE(Statement(1).size(), 255u);
    EXPECT_LE(Answer(1).size(), 255u);
}

TEST_F(EmpiricalTest, TheMenuNumberSevenRunsTheTopic) {
    ui.subKinds.push_back(0);
    TopicDispatch(7);
    ASSERT_EQ(ui.subKindLists.size(), 1u);
    EXPECT_EQ(ui.subKindLists[0], SubKindsOf(7));
}

}  // namespace
