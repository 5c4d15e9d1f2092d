#include "chemistry/topics.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <map>
#include <set>

#include "app/start_up.h"
#include "chemistry/formula.h"
#include "shell/batch.h"
#include "shell/program.h"
#include "shell/settings.h"
#include "tests/chemistry/chemistry_support.h"
#include "tests/chemistry/topic_windows.h"
#include "tests/support/exercises.h"
#include "tests/support/scripted_ui.h"
#include "util/language.h"
#include "util/random.h"

namespace {

// Each test draws many times from a seed of its own.
constexpr int kManyDraws = 20000;

// Generators run against the example table, with exercises going straight into the batch.
class TopicTest : public GeneratorTest {
protected:
    void SetUp() override {
        GeneratorTest::SetUp();
        SetExampleTable();
    }
};

// ---- Atomic structure

TEST_F(TopicTest, AtomDrawsStayInTheirRanges) {
    SeedRandom(20240601);
    std::set<int> atomicNumbers, offsets;
    int zeros = 0;
    for (int i = 0; i < kManyDraws; ++i) {
        const AtomDraw atom = DrawAtom();
        ASSERT_GE(atom.atomicNumber, 8);
        ASSERT_LE(atom.atomicNumber, 47);
        const int d = atom.neutrons - atom.atomicNumber;
        ASSERT_GE(d, -2);
        ASSERT_LE(d, 2);
        ASSERT_EQ(atom.massNumber, atom.atomicNumber + atom.neutrons);
        atomicNumbers.insert(atom.atomicNumber);
        offsets.insert(d);
        zeros += d == 0;
    }
    EXPECT_EQ(atomicNumbers.size(), 40u);
    EXPECT_EQ(offsets.size(), 5u);
    EXPECT_NEAR(double(zeros) / kManyDraws, 1.0 / 3, 0.03);
    // The extremes: 8 with d = -2 gives 6 neutrons and mass 14; 47 with d = 2 gives 49 and 96.
    ScriptRandom({0, 2, 8, 39, 2, 0});
    const AtomDraw low = DrawAtom();
    const AtomDraw high = DrawAtom();
    EXPECT_EQ(low.neutrons, 6);
    EXPECT_EQ(low.massNumber, 14);
    EXPECT_EQ(high.neutrons, 49);
    EXPECT_EQ(high.massNumber, 96);
}

TEST_F(TopicTest, AtomTakesTheSignDrawEvenForNoOffset) {
    ScriptRandom({0, 0, 8, 5});
    const AtomDraw atom = DrawAtom();
    EXPECT_EQ(atom.neutrons, 8);
    EXPECT_EQ(ScriptedDrawsLeft(), 1u);  // only the three draws of one atom were taken
    ScriptRandom({});
}

TEST_F(TopicTest, LeavingAtOnceAddsNothing) {
    for (void (*topic)() : {AtomicStructureTopic, MolesTopic, ConcentrationTopic, PhTopic}) {
        Run(topic, {});
        EXPECT_EQ(Batch.count, 0);
        EXPECT_FALSE(CurrentExercise.accepted);
    }
    EXPECT_TRUE(ui.prompts.empty());
}

const char* const kFullCaption = "Lote completo";
const char* const kFullText =
    "El lote ya tiene 50 ejercicios, el máximo.\rExporte el lote o elimine algún ejercicio antes de añadir otro.";

// On a full batch no topic opens its generation window: the teacher hears "Lote
// completo" at once, before choosing a sub-kind or typing a formula.
TEST_F(TopicTest, AFullBatchIsToldAtOnceAndNoWindowOpens) {
    FillBatch(kBatchCapacity);
    for (uint16_t topic = 1; topic <= 4; ++topic) {
        ui.boxes.clear();
        TopicDispatch(topic);  // nothing is scripted: any window opened fails the test
        EXPECT_TRUE(ui.subKindLists.empty()) << "topic " << topic;
        ASSERT_EQ(ui.boxes, (ShownBoxes{{kFullCaption, kFullText, kBoxOk}})) << "topic " << topic;
    }
    EXPECT_TRUE(ui.prompts.empty());
    EXPECT_EQ(Batch.count, kBatchCapacity);
    EXPECT_EQ(Batch.Slot(kBatchCapacity).statement, "E50");
}

// The exercise that fills the batch is kept; the window does not come back for another.
TEST_F(TopicTest, TheExerciseThatFillsTheBatchEndsTheTopicWithTheMessage) {
    FillBatch(kBatchCapacity - 1);
    ScriptRandom({3, 1, 0});
    ui.subKinds = {1};
    AtomicStructureTopic();
    EXPECT_EQ(Batch.count, kBatchCapacity);
    EXPECT_EQ(Batch.Slot(kBatchCapacity).answer, "  a) 11 protones b) M = 23 c) 11 electrones d) lugar = 11");
    EXPECT_EQ(ui.subKindLists.size(), 1u);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, kFullCaption);
}

TEST_F(TopicTest, TheDispatcherRunsTheTopicOfEachMenuNumber) {
    const std::pair<uint16_t, const char*> topics[] = {
        {1, SubKindsOf(1)}, {2, SubKindsOf(2)}, {3, SubKindsOf(3)}, {4, SubKindsOf(4)}};
    for (const auto& [number, list] : topics) {
        ui.subKinds.push_back(0);
        TopicDispatch(number);
        ASSERT_FALSE(ui.subKindLists.empty());
        EXPECT_EQ(ui.subKindLists.back(), list);
    }
}

// ---- Moles

TEST_F(TopicTest, AFailedFormulaProducesNothingAndTheWindowComesBack) {
    ui.texts.push_back(std::nullopt);  // cancelled
    Type({"h2o", "()", "Xe"});         // wrong, weighs nothing, missing element
    ui.boxAnswers.push_back(kAnswerNo);
    Run(MolesTopic, {4, 5, 1, 4});
    EXPECT_EQ(Batch.count, 0);
    EXPECT_EQ(ui.subKindLists.size(), 5u);
    EXPECT_EQ(ui.boxes,
              (ShownBoxes{{"Fórmula incorrecta     ", "h", kBoxOk | kBoxIconExclamation},
                          {"Fórmula incorrecta     ", "()", kBoxOk | kBoxIconExclamation},
                          {"* Error *", "Xe no está en la base de datos\r¿añadir?", kBoxYesNo | kBoxIconExclamation}}));
}

TEST_F(TopicTest, EachVisitStartsWithAnEmptyFormula) {
    for (void (*topic)() : {MolesTopic, ConcentrationTopic, PhTopic}) {
        CurrentCompound.formula = "NaCl";
        Run(topic, {});
        EXPECT_EQ(CurrentCompound.formula, "");
    }
}

TEST_F(TopicTest, MoleAndGramDrawsStayInTheirRanges) {
    SeedRandom(77);
    std::set<int> moles, grams;
    for (int i = 0; i < kManyDraws; ++i) {
        moles.insert(DrawMoles());
        grams.insert(DrawSampleGrams());
    }
    EXPECT_EQ(*moles.begin(), 1);
    EXPECT_EQ(*moles.rbegin(), 20);
    EXPECT_EQ(moles.size(), 20u);
    EXPECT_EQ(*grams.begin(), 5);
    EXPECT_EQ(*grams.rbegin(), 204);
    EXPECT_EQ(grams.size(), 200u);
}

// Numbers that fill their whole width or take the exponent form still stand apart from
// the word before them, whatever the draws.
TEST_F(TopicTest, NoQuantityRunsIntoTheWordBeforeIt) {
    struct Topic {
        void (*run)();
        std::initializer_list<uint8_t> subKinds;
        const char* formula;  // typed whenever a sub-kind asks for one
    };
    const Topic topics[] = {
        {MolesTopic, {2, 3, 4, 5}, "C6H12O6"},
        {ConcentrationTopic, {1, 2, 3, 4, 5}, "C6H12O6"},
        {PhTopic, {1, 3}, "HCl"},
    };
    SeedRandom(31337);
    for (const Topic& topic : topics) {
        for (int round = 0; round < 40; ++round) {
            BatchEnd();
            BatchStart();
            for (std::size_t i = 0; i < topic.subKinds.size(); ++i) ui.texts.push_back(std::string(topic.formula));
            ui.subKinds.assign(topic.subKinds.begin(), topic.subKinds.end());
            ui.subKinds.push_back(0);
            topic.run();
            ui.texts.clear();
            ASSERT_GT(Batch.count, 0);
            for (int slot = 1; slot <= Batch.count; ++slot) {
                const std::string& text = Statement(slot);
                for (std::size_t i = 1; i < text.size(); ++i) {
                    const unsigned char before = static_cast<unsigned char>(text[i - 1]);
                    const bool exponent = before == 'e' && i >= 2 && std::isdigit(static_cast<unsigned char>(text[i - 2]));
                    const bool letter = (std::isalpha(before) || before >= 0xC0) && !exponent;
                    EXPECT_FALSE(letter && std::isdigit(static_cast<unsigned char>(text[i]))) << text.substr(0, i + 1);
                }
            }
        }
    }
}

// ---- Concentrations

TEST_F(TopicTest, ALongStatementIsCutAt255) {
    Elements = ElementTable{};
    for (char c = 'A'; c <= 'T'; ++c) {
        Element& e = Elements.Slot(++Elements.count);
        e.symbol = std::string(1, c);
        e.mass = 10;
    }
    Type({"ABCDEFGHIJKLMNOPQRST"});
    ScriptRandom({195, 3});  // 200 g of 200 g/mol in a litre
    Run(ConcentrationTopic, {4});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1).size(), 255u);
    EXPECT_EQ(Statement(1).rfind("Calcular los gramos necesarios de ABCDEFGHIJKLMNOPQRST para preparar     1 l de "
                                 "una disolución    1M de ABCDEFGHIJKLMNOPQRST\r\ndatos: A = 10.00  B = 10.00  ",
                                 0),
              0u);
    EXPECT_EQ(Answer(1), "    200 g");
}

TEST_F(TopicTest, VolumesBelowALitreInMlFromALitreInLitres) {
    const std::pair<double, const char*> cases[] = {
        {250, "250 ml"}, {500, "500 ml"}, {750, "750 ml"}, {1000, "    1 l"}, {1500, "    1.5 l"},
        {99.5, " 99.5 ml"}, {0.25, "0.25 ml"}};
    for (const auto& [ml, text] : cases) EXPECT_EQ(VolumeText(ml), text) << ml;
}

TEST_F(TopicTest, PercentAndVolumeDrawsStayInTheirRanges) {
    SeedRandom(4242);
    std::set<double> percents;
    std::map<double, int> solutions;
    std::map<int, int> volumes;
    for (int i = 0; i < kManyDraws; ++i) {
        const PercentDraw draw = DrawPercentage();
        ASSERT_GE(draw.percent, 2);
        ASSERT_LE(draw.percent, 41);
        ASSERT_EQ(draw.soluteGrams, draw.solutionGrams * draw.percent / 100);
        percents.insert(draw.percent);
        ++solutions[draw.solutionGrams];
        ++volumes[DrawVolumeMl()];
    }
    EXPECT_EQ(percents.size(), 40u);
    ASSERT_EQ(solutions.size(), 8u);  // 200 to 900, never 100
    EXPECT_EQ(solutions.begin()->first, 200);
    EXPECT_EQ(solutions.rbegin()->first, 900);
    for (const auto& [grams, count] : solutions) EXPECT_NEAR(count, kManyDraws / 8, kManyDraws / 40) << grams;
    ASSERT_EQ(volumes.size(), 4u);
    for (const auto& [ml, count] : volumes) {
        EXPECT_EQ(ml % 250, 0);
        EXPECT_NEAR(count, kManyDraws / 4, kManyDraws / 20) << ml;
    }
    EXPECT_EQ(volumes.rbegin()->first, 1000);
}

// ---- pH

TEST_F(TopicTest, EveryHydrogenOfTheAcidOrHydroxideCounts) {
    Compound sulfuric;
    ASSERT_TRUE(ParseFormula(sulfuric, "H2SO4"));
    EXPECT_NEAR(PhOf(sulfuric, 0.05, false), 1.0, 1e-12);  // [H+] = 0.1
    Compound lime;
    ASSERT_TRUE(ParseFormula(lime, "Ca(OH)2"));
    EXPECT_NEAR(PhOf(lime, 0.005, true), 12.0, 1e-12);  // [OH-] = 0.01
    Compound hydrochloric;
    ASSERT_TRUE(ParseFormula(hydrochloric, "HCl"));
    EXPECT_NEAR(PhOf(hydrochloric, 1e-3, false), 3.0, 1e-12);
    EXPECT_NEAR(Log10(1000), 3.0, 1e-12);
    EXPECT_EQ(Log10(1), 0.0);
}

TEST_F(TopicTest, ASubstanceThatDoesNotLookLikeTheKindAsksFirst) {
    Type({"NaCl", "NaCl"});
    ui.boxAnswers = {kAnswerNo, kAnswerNo};
    Run(PhTopic, {1, 2});
    EXPECT_EQ(Batch.count, 0);
    EXPECT_EQ(ui.boxes,
              (ShownBoxes{{"NaCl: no parece ácido", "Continuar igualmente?", kBoxYesNo | kBoxIconExclamation},
                          {"NaCl: no parece base", "Continuar igualmente?", kBoxYesNo | kBoxIconExclamation}}));
}

TEST_F(TopicTest, ABaseIsMetalOxygenHydrogen) {
    Type({"KOH", "KHCO3"});
    ui.boxAnswers = {kAnswerYes};
    ScriptRandom({0, 0, 0, 0});
    Run(PhTopic, {2, 2});
    ASSERT_EQ(ui.boxes.size(), 1u);  // only KHCO3, with its four elements, is questioned
    EXPECT_EQ(ui.boxes[0].caption, "KHCO3: no parece base");
    EXPECT_EQ(Batch.count, 2);  // confirmed with Yes
}

TEST_F(TopicTest, AConfirmedBaseWithoutAThirdElementIsRefused) {
    Type({"NaH"});
    ui.boxAnswers = {kAnswerYes};
    Run(PhTopic, {4});
    EXPECT_EQ(Batch.count, 0);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[1].caption, "NaH: no es una base");
    EXPECT_EQ(ui.boxes[1].flags, kBoxOk | kBoxIconExclamation);
    EXPECT_FALSE(CurrentExercise.accepted);
}

TEST_F(TopicTest, AnAcidWithoutHydrogenAtomsIsRefused) {
    Type({"H0Cl"});
    Run(PhTopic, {1});
    EXPECT_EQ(Batch.count, 0);
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "H0Cl: no es un ácido");
}

TEST_F(TopicTest, PhDrawsStayInTheirRanges) {
    SeedRandom(99);
    std::set<int> grams;
    for (int i = 0; i < kManyDraws; ++i) grams.insert(DrawPhSampleGrams());
    EXPECT_EQ(grams.size(), 10u);
    EXPECT_EQ(*grams.begin(), 5);
    EXPECT_EQ(*grams.rbegin(), 14);
}

// ---- The classroom forms: "Coma decimal" and "Cifras significativas"
// (every sub-kind's worked example in both forms is in worked_examples_test.cpp)

// What each topic asks and types, for the checks over many draws.
struct TopicRun {
    void (*run)();
    std::vector<uint8_t> subKinds;
    const char* formula;  // typed at every prompt
};

const TopicRun kEveryTopic[] = {
    {AtomicStructureTopic, {1, 2}, nullptr},
    {MolesTopic, {1, 2, 3, 4, 5}, "C6H12O6"},
    {MolesTopic, {4, 5}, "H"},
    {ConcentrationTopic, {1, 2, 3, 4, 5}, "C12H22O11"},
    {ConcentrationTopic, {3, 4, 5}, "H2"},
    {PhTopic, {1, 3}, "H2SO4"},
    {PhTopic, {2, 4}, "Ca(OH)2"},
};

class TopicStyles : public TopicTest {
protected:
    // Every statement and answer of one pass over every sub-kind of a topic.
    std::vector<std::string> Texts(const TopicRun& topic) {
        BatchEnd();
        BatchStart();
        for (std::size_t i = 0; topic.formula && i < topic.subKinds.size(); ++i) {
            ui.texts.push_back(std::string(topic.formula));
        }
        ui.subKinds.assign(topic.subKinds.begin(), topic.subKinds.end());
        ui.subKinds.push_back(0);
        topic.run();
        ui.texts.clear();
        std::vector<std::string> texts;
        for (int slot = 1; slot <= Batch.count; ++slot) {
            texts.push_back(Statement(slot));
            texts.push_back(Answer(slot));
        }
        return texts;
    }
};

TEST_F(TopicStyles, TheCommaAloneChangesNothingButTheDecimalPoints) {
    for (const TopicRun& topic : kEveryTopic) ExpectTheCommaAloneChangesOnlyDecimalPoints([&] { return Texts(topic); });
}

// Under "Cifras significativas" a number stands one blank from the word before it and
// apart from the unit after it, and no two blanks meet (the answers' own indent aside).
TEST_F(TopicStyles, SignificantFiguresLeaveOneBlankBetweenWordsAndNumbers) {
    for (const TopicRun& topic : kEveryTopic) ExpectClassroomSpacingOverManyDraws(60, [&] { return Texts(topic); });
}

// A worked-out number that a statement gives has three figures under "Cifras significativas";
// the student works from it, and so does the answer, not from the value drawn behind it.
TEST_F(TopicTest, ClassroomAnswersAreWorkedFromTheNumbersAsPrinted) {
    const struct {
        void (*run)();
        uint8_t subKind;
        const char* formula;  // nullptr: none asked
        std::vector<int32_t> draws;
        const char* printed;  // in the statement
        const char* answer;
    } cases[] = {
        // 1,81·10^24 / 6,022·10^23; 1,13 · 40,00; 0,684 · 0,25 · 58,44; 10 / 58,44 / 0,228; 10^-0,74; 10^-0,74 / 2
        {MolesTopic, 3, nullptr, {2}, "son 1,81·10^(24) moléculas", "  3,01 mol."},
        {MolesTopic, 5, "NaOH", {40}, "son 1,13 moles de NaOH", "  45,2 g."},
        {ConcentrationTopic, 4, "NaCl", {5, 0}, "250 ml de una disolución 0,684 M", "  9,99 g"},
        {ConcentrationTopic, 5, "NaCl", {5, 2}, "disolución 0,228 M de NaCl", "  751 ml"},
        {PhTopic, 3, "HCl", {0, 2}, "de pH 0,74", "    [HCl] = 0,182 mol/l"},
        {PhTopic, 4, "Ca(OH)2", {0, 2}, "de pH 13,26", "    [Ca(OH)_2] = 0,0910 mol/l"},
    };
    NumberOptions = {true, true};
    for (const auto& c : cases) {
        BatchEnd();
        BatchStart();
        if (c.formula) Type({c.formula});
        ScriptRandom(c.draws);
        Run(c.run, {c.subKind});
        ASSERT_EQ(Batch.count, 1) << c.answer;
        EXPECT_NE(Statement(1).find(c.printed), std::string::npos) << Statement(1);
        EXPECT_EQ(Answer(1), c.answer) << Statement(1);
    }
}

TEST_F(TopicTest, OptionsChangedWhileATopicRunsApplyFromTheNextExercise) {
    AskConfirmation = true;
    ui.edits.push_back([](ExerciseRecord&) {
        NumberOptions = {true, true};  // from the main window's menu, while the editor is open
        return true;
    });
    ui.edits.push_back(ScriptedUi::Accept());
    ScriptRandom({2, 2});
    Run(MolesTopic, {2, 2});
    ASSERT_EQ(Batch.count, 2);
    EXPECT_EQ(Answer(1), "  1.80e24 moléculas.");  // in the batch, it keeps its text
    EXPECT_EQ(Answer(2), "  1,81·10^(24) moléculas.");
}

TEST(FormulaDataLines, FollowTheStyle) {
    SetExampleTable();
    Compound water;
    ASSERT_TRUE(ParseFormula(water, "H2O"));
    EXPECT_EQ(FormulaDataLine(water), "H =  1.01  O = 16.00  ");
    EXPECT_EQ(FormulaDataLine(water, {false, false}), "H =  1.01  O = 16.00  ");
    EXPECT_EQ(FormulaDataLine(water, {true, false}), "H =  1,01  O = 16,00  ");
    EXPECT_EQ(FormulaDataLine(water, {false, true}), "H = 1.01; O = 16.00");
    EXPECT_EQ(FormulaDataLine(water, {true, true}), "H = 1,01; O = 16,00");
    Compound none;
    EXPECT_EQ(FormulaDataLine(none, {true, true}), "");
}

}  // namespace
