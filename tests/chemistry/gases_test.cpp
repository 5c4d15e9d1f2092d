#include "chemistry/gases.h"

#include <gtest/gtest.h>

#include "app/start_up.h"
#include "shell/program.h"
#include "tests/chemistry/course_topics_support.h"
#include "tests/chemistry/topic_windows.h"

namespace {

class GasTest : public CourseTopicTest {};

// p·V = n·R·T on the numbers as shown: the shown result is within half a unit of its last
// decimal (two decimals from 1 on, six below) of what the shown data give.
void ExpectShownWithin(double shown, double exact, const std::string& context) {
    const double halfUnit = exact >= 1 ? 0.005 : 0.0000005;
    EXPECT_NEAR(shown, exact, halfUnit * 1.001 + 1e-12) << context;
}

TEST_F(GasTest, ARefusedFormulaGivesNoExercise) {
    ui.texts.push_back(std::nullopt);
    Type({"Xe"});
    ui.boxAnswers.push_back(kAnswerNo);
    Run(GasesTopic, {1, 3});
    EXPECT_EQ(Batch.count, 0);
    EXPECT_FALSE(CurrentExercise.accepted);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "* Error *");
}

// Over many draws the numbers of every text satisfy the gas laws, stay in sensible ranges,
// fit their 255 characters and stand apart from the words.
TEST_F(GasTest, EveryAnswerAgreesWithTheGasLawsOverManyDraws) {
    for (const NumberStyle style : kDrawStyles) {
        SCOPED_TRACE(style.decimalComma ? "coma decimal" : "punto decimal");
        NumberOptions = style;
        SeedRandom(20250117);
        const char* const gases[] = {"H2", "SO2", "CH4", "NH3", "N2", "O2", "CO2", "Cl2", "C4H10"};
        for (int round = 0; round < 200; ++round) {
            for (uint8_t subKind = 1; subKind <= 5; ++subKind) {
                BatchEnd();
                BatchStart();
                const char* formula = gases[round % std::size(gases)];
                if (subKind != 4) Type({formula});
                Run(GasesTopic, {subKind});
                ASSERT_EQ(Batch.count, 1) << int(subKind) << " " << formula;
                const std::string& s = Statement(1);
                const std::string& a = Answer(1);
                const std::string context = s + " / " + a;
                ASSERT_LE(s.size(), 255u);
                ASSERT_LE(a.size(), 255u);
                EXPECT_TRUE(NoNumberRunsIntoAWord(s)) << s;
                EXPECT_TRUE(NoNumberRunsIntoAWord(a)) << a;
                Compound gas;
                ASSERT_TRUE(ParseFormula(gas, formula));
                const double molarMass = MolarMass(gas);
                const bool mmHg = s.find(" mmHg") != std::string::npos;
                const double toAtm = mmHg ? 1 / 760.0 : 1;
                switch (subKind) {
                    case 1: {
                        const double grams = NumberAfter(s, "que ejercen ");
                        const double litres = NumberAfter(s, "recipiente de ");
                        const double kelvin = NumberAfter(s, " L a ") + 273;
                        const double atm = NumberBefore(a, " atm");
                        const double exact = grams / molarMass * 0.082 * kelvin / litres;
                        ExpectShownWithin(atm, exact, context);
                        if (mmHg) ExpectShownWithin(NumberBefore(a, " mmHg"), exact * 760, context);
                        EXPECT_GT(atm, 0.05);
                        EXPECT_LT(atm, 50);
                        break;
                    }
                    case 2: {
                        const double grams = NumberAfter(s, "que ocupan ");
                        const double kelvin = NumberAfter(s, " a ") + 273;
                        const double pressure = NumberAfter(s, " °C y ") * toAtm;
                        const double litres = NumberAfter(a, "V = n·R·T / p = ");
                        ExpectShownWithin(litres, grams / molarMass * 0.082 * kelvin / pressure, context);
                        EXPECT_GT(litres, 0.1);
                        EXPECT_LT(litres, 200);
                        break;
                    }
                    case 3: {
                        const double grams = NumberAfter(s, "Una muestra de ");
                        const double litres = NumberAfter(s, " ocupa ");
                        const double kelvin = NumberAfter(s, " L a ") + 273;
                        const double pressure = NumberAfter(s, " °C y ") * toAtm;
                        const double found = NumberAfter(a, "M = m·R·T / (p·V) = ");
                        ExpectShownWithin(found, grams * 0.082 * kelvin / (pressure * litres), context);
                        EXPECT_NEAR(found, molarMass, molarMass * 0.01) << context;
                        break;
                    }
                    case 4: {
                        const double v1 = NumberAfter(s, "ocupa ");
                        const double t1 = NumberAfter(s, " L a ") + 273;
                        const double p1 = NumberAfter(s, " °C y ");
                        const std::size_t second = s.find(". Calcular");
                        const bool askVolume = s.find("Calcular su volumen") != std::string::npos;
                        if (askVolume) {
                            const double t2 = NumberAfter(s, "su volumen a ") + 273;
                            const double p2 = NumberAfter(s, " °C y ", second);
                            ExpectShownWithin(NumberAfter(a, "(T_1·p_2) = "), p1 * v1 * t2 / (t1 * p2), context);
                        } else {
                            const double v2 = NumberAfter(s, "pasa a ocupar ");
                            const double t2 = NumberAfter(s, " L a ", second) + 273;
                            ExpectShownWithin(NumberAfter(a, "(T_1·V_2) = "), p1 * v1 * t2 / (t1 * v2), context);
                        }
                        break;
                    }
                    default: {
                        const double grams = NumberAfter(s, "que ocupan ");
                        ExpectShownWithin(NumberBefore(a, " L"), grams / molarMass * 22.4, context);
                        break;
                    }
                }
            }
        }
    }
}

TEST_F(GasTest, DrawsStayInTheirRanges) {
    SeedRandom(7);
    std::set<double> celsius, litres;
    for (int i = 0; i < 3000; ++i) {
        BatchEnd();
        BatchStart();
        Run(GasesTopic, {4});
        const std::string& s = Statement(1);
        celsius.insert(NumberAfter(s, " L a "));
        litres.insert(NumberAfter(s, "ocupa "));
        const double p1 = NumberAfter(s, " °C y ");
        if (s.find("mmHg") != std::string::npos) {
            EXPECT_GE(p1, 200);
            EXPECT_LE(p1, 2000);
        } else {
            EXPECT_GE(p1, 0.5);
            EXPECT_LE(p1, 5);
        }
    }
    EXPECT_EQ(*celsius.begin(), -20);
    EXPECT_EQ(*celsius.rbegin(), 100);
    EXPECT_EQ(*litres.begin(), 2);
    EXPECT_EQ(*litres.rbegin(), 20);
    EXPECT_EQ(litres.size(), 19u);
}

// The longest formulas: a long one of few elements fits every sub-kind; one of twenty
// elements cannot, and is refused with a message rather than cut.
TEST_F(GasTest, LongFormulasFitOrAreRefusedWhole) {
    SeedRandom(5);
    for (uint8_t subKind : {1, 2, 3, 5}) {
        BatchEnd();
        BatchStart();
        Type({"CH3CH2CH2CH2CH2CH3"});
        Run(GasesTopic, {subKind});
        ASSERT_EQ(Batch.count, 1);
        EXPECT_LE(Statement(1).size(), 255u);
        EXPECT_LE(Answer(1).size(), 255u);
    }
    EXPECT_TRUE(ui.boxes.empty());
    Elements = ElementTable{};
    for (char c = 'A'; c <= 'T'; ++c)
        Elements.Slot(++Elements.count) = MakeElement(std::string(1, c).c_str(), "", 1, 10);
    BatchEnd();
    BatchStart();
    Type({"ABCDEFGHIJKLMNOPQRST"});
    Run(GasesTopic, {1});
    EXPECT_EQ(Batch.count, 0);
    EXPECT_FALSE(CurrentExercise.accepted);
    ASSERT_EQ(
        ui.boxes,
        (ShownBoxes{
            {"Ejercicio demasiado largo",
             "El enunciado o la respuesta pasa de 255 caracteres.\rPruebe con una fórmula o una reacción más corta.",
             kBoxOk | kBoxIconExclamation}}));
    ScriptRandom({});
}

TEST_F(GasTest, TheMenuNumberFiveRunsTheTopic) {
    ui.subKinds.push_back(0);
    CurrentCompound.formula = "CO2";
    TopicDispatch(5);
    ASSERT_EQ(ui.subKindLists.size(), 1u);
    EXPECT_EQ(ui.subKindLists[0], SubKindsOf(5));
    EXPECT_EQ(CurrentCompound.formula, "") << "each visit starts with an empty prompt";
}

}  // namespace
