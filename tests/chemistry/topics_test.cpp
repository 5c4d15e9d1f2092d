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
#include "tests/support/scripted_ui.h"
#include "util/language.h"
#include "util/random.h"

namespace {

const char* const kAtomicList = " Z, N  ->  M, electrones... de un átomo; M, N  ->  Z, electrones... de un átomo";
const char* const kMolesList =
    "cálculo de masa molar;moles -> moléculas;moléculas ->moles;gramos -> moles;moles -> gramos";
const char* const kConcentrationList =
    "g soluto -> %;% -> g soluto;g soluto,v -> M;M,v -> g soluto;M g soluto -> v";
const char* const kPhList = "[ácido] -> pH;[base] -> pH ;pH -> [ácido];pH -> [base]";

// Each test draws many times from a seed of its own.
constexpr int kManyDraws = 20000;

// Generators run against the example table, with exercises going straight into the batch.
class TopicTest : public ::testing::Test {
protected:
    void SetUp() override {
        UiLanguage = 2;
        SetExampleTable();
        CurrentCompound = Compound{};
        CurrentExercise = ExerciseRecord{};
        AskConfirmation = false;
        NumberOptions = NumberStyle{};
        BatchStart();
        ScriptRandom({});
    }
    void TearDown() override {
        EXPECT_EQ(ScriptedDrawsLeft(), 0u) << "scripted draws not taken";
        ScriptRandom({});
        BatchEnd();
        AskConfirmation = true;
        NumberOptions = NumberStyle{};
    }

    // Runs one topic for these sub-kinds, then leaves the generation window.
    void Run(void (*topic)(), std::initializer_list<uint8_t> subKinds) {
        ui.subKinds.assign(subKinds.begin(), subKinds.end());
        ui.subKinds.push_back(0);
        topic();
    }
    void Type(std::initializer_list<const char*> formulas) {
        for (const char* f : formulas) ui.texts.push_back(std::string(f));
    }
    const std::string& Statement(int slot) { return Batch.Slot(slot).statement; }
    const std::string& Answer(int slot) { return Batch.Slot(slot).answer; }

    ScriptedUi ui;
};

// ---- Atomic structure

TEST_F(TopicTest, AtomWorkedExample) {
    ScriptRandom({3, 1, 0});  // Z = 11, d = 1, sign kept
    Run(AtomicStructureTopic, {1});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1),
              "Un átomo de número atómico 11 contiene 12 neutrones en su núcleo. Determinar:\r\n"
              "a) nº protones en ell núcleo,b) número másico, c) nº electrones alrededor d) lugar en la tabla "
              "periódica");
    EXPECT_EQ(Answer(1), "  a) 11 protones b) M = 23 c) 11 electrones d) lugar = 11");
    EXPECT_EQ(CurrentTopicTitle, "Atomística");
    EXPECT_EQ(ui.subKindLists, (std::vector<std::string>{kAtomicList, kAtomicList}));
    EXPECT_TRUE(ui.prompts.empty());
}

TEST_F(TopicTest, AtomGivenMassNumberAndNeutrons) {
    ScriptRandom({39, 2, 5});  // Z = 47, d = -2
    Run(AtomicStructureTopic, {2});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1),
              "Un átomo de número másico 92 contiene 45 neutrones en su núcleo. Determinar:\r\n"
              "a) nº protones en el núcleo,b) número atómico, c) nº electrones alrededor d) lugar en la tabla "
              "periódica");
    EXPECT_EQ(Answer(1), "  a) 47 protones b)  Z = 47 c) 47 electrones d) lugar = 47");
    EXPECT_LT(Statement(1).size(), 255u);
}

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

void FillBatch(int n) {
    for (int i = 1; i <= n; ++i) {
        ExerciseRecord r;
        r.statement = "E" + std::to_string(i);
        r.answer = "A" + std::to_string(i);
        r.accepted = true;
        ASSERT_TRUE(BatchAdd(r));
    }
}

// On a full batch no topic opens its generation window: the teacher hears "Lote
// completo" at once, before choosing a sub-kind or typing a formula.
TEST_F(TopicTest, AFullBatchIsToldAtOnceAndNoWindowOpens) {
    FillBatch(kBatchCapacity);
    for (uint16_t topic = 1; topic <= 4; ++topic) {
        ui.boxes.clear();
        TopicDispatch(topic);  // nothing is scripted: any window opened fails the test
        EXPECT_TRUE(ui.subKindLists.empty()) << "topic " << topic;
        ASSERT_EQ(ui.boxes.size(), 1u) << "topic " << topic;
        EXPECT_EQ(ui.boxes[0].caption, kFullCaption);
        EXPECT_EQ(ui.boxes[0].text, kFullText);
        EXPECT_EQ(ui.boxes[0].flags, kBoxOk);
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
        {1, kAtomicList}, {2, kMolesList}, {3, kConcentrationList}, {4, kPhList}};
    for (const auto& [number, list] : topics) {
        ui.subKinds.push_back(0);
        TopicDispatch(number);
        ASSERT_FALSE(ui.subKindLists.empty());
        EXPECT_EQ(ui.subKindLists.back(), list);
    }
}

// ---- Moles

TEST_F(TopicTest, MolesWorkedExample) {
    Type({"H2O"});
    ScriptRandom({31});
    Run(MolesTopic, {4});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1), "Pasar   36 g de H_2O a moles.\r\ndatos: H =  1.01  O = 16.00  ");
    EXPECT_EQ(Answer(1), "      2 mol.");
    EXPECT_EQ(CurrentTopicTitle, "cálculos con moles");
    EXPECT_EQ(ui.subKindLists[0], kMolesList);
    EXPECT_EQ(ui.prompts, std::vector<std::string>{"fórmula:"});
}

TEST_F(TopicTest, MolesMolarMass) {
    Type({"H2SO4"});
    Run(MolesTopic, {1});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1), "Calcula la masa molar de H_2SO_4\r\ndatos: H =  1.01  S = 32.06  O = 16.00  ");
    EXPECT_EQ(Answer(1), "     98.08 g/mol");
}

TEST_F(TopicTest, MolesAndMoleculesNeedNoFormula) {
    ScriptRandom({2, 19});  // 3 mol, then 20 mol
    Run(MolesTopic, {2, 3});
    ASSERT_EQ(Batch.count, 2);
    EXPECT_EQ(Statement(1), "Calcular el nº de moléculas que hay en    3 mol.");
    EXPECT_EQ(Answer(1), "  1.80e24 moléculas.");
    EXPECT_EQ(Statement(2), "Calcular cuantos moles son 1.20e25 moléculas.");
    EXPECT_EQ(Answer(2), "     20 mol.");
    EXPECT_TRUE(ui.prompts.empty());
}

TEST_F(TopicTest, MolesToGrams) {
    Type({"H2O"});
    ScriptRandom({13});  // 18 g: 0.999112 mol
    Run(MolesTopic, {5});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1), "Cuantos gramos son 0.999112 moles de H_2O?\r\ndatos: H =  1.01  O = 16.00  ");
    EXPECT_EQ(Answer(1), "     18 g.");
}

TEST_F(TopicTest, AFailedFormulaProducesNothingAndTheWindowComesBack) {
    ui.texts.push_back(std::nullopt);  // cancelled
    Type({"h2o", "()", "Xe"});         // wrong, weighs nothing, missing element
    ui.boxAnswers.push_back(kAnswerNo);
    Run(MolesTopic, {4, 5, 1, 4});
    EXPECT_EQ(Batch.count, 0);
    EXPECT_EQ(ui.subKindLists.size(), 5u);
    ASSERT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(ui.boxes[0].text, "h");
    EXPECT_EQ(ui.boxes[1].text, "()");
    EXPECT_EQ(ui.boxes[2].caption, "* Error *");
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

TEST_F(TopicTest, PercentFromGramsOfSolute) {
    ScriptRandom({0, 0, 1});  // 2 %; 100 g is drawn again; 200 g
    Run(ConcentrationTopic, {1});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1),
              "Calcular el % (en masa) de soluto si se han disuelto    4 g en agua hasta obtener  200 g de "
              "disolución.");
    EXPECT_EQ(Answer(1), "      2 %");
    EXPECT_EQ(CurrentTopicTitle, "Concentraciones de disoluciones");
    EXPECT_EQ(ui.subKindLists[0], kConcentrationList);
    EXPECT_TRUE(ui.prompts.empty());
}

TEST_F(TopicTest, GramsOfSoluteFromPercent) {
    ScriptRandom({39, 8});  // 41 %, 900 g
    Run(ConcentrationTopic, {2});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1),
              "Calcular los gramos de soluto necesarios para preparar  900 g de una disolución al  41 % en masa");
    EXPECT_EQ(Answer(1), "    369 g");
    EXPECT_TRUE(ui.prompts.empty());
}

TEST_F(TopicTest, MolarityFromGramsAndVolume) {
    Type({"NaCl"});
    ScriptRandom({112, 1});  // 117 g, 500 ml
    Run(ConcentrationTopic, {3});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1),
              "Calcular la molaridad de una disolución obtenida disolviendo  117 g de NaCl en agua hasta un "
              "volumen total de 500 ml\r\ndatos: Na = 22.99  Cl = 35.45  ");
    EXPECT_EQ(Answer(1), "      4 mol/l");
}

TEST_F(TopicTest, GramsFromMolarityBelowOneAndALitre) {
    Type({"NaCl"});
    ScriptRandom({24, 3});  // 29 g, 1000 ml: 0.496235 M
    Run(ConcentrationTopic, {4});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1),
              "Calcular los gramos necesarios de NaCl para preparar     1 l de una disolución 0.496235M de NaCl\r\n"
              "datos: Na = 22.99  Cl = 35.45  ");
    EXPECT_EQ(Answer(1), "     29 g");
}

TEST_F(TopicTest, VolumeFromMolarityAndGrams) {
    Type({"NaCl"});
    ScriptRandom({45, 0});  // 50 g, 250 ml: 3.42 M
    Run(ConcentrationTopic, {5});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1),
              "Calcular el volumen de disolución    3.42M de NaCl que se puede preparar a partir de   50 g de "
              "NaCl\r\ndatos: Na = 22.99  Cl = 35.45  ");
    EXPECT_EQ(Answer(1), "  250 ml");
}

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

TEST_F(TopicTest, PhOfAStrongAcidWorkedExample) {
    Type({"HCl", "HCl"});
    ScriptRandom({2, 1, 2, 1});  // 7 g in 500 ml, twice
    Run(PhTopic, {1, 3});
    ASSERT_EQ(Batch.count, 2);
    EXPECT_EQ(Statement(1),
              "Calcular el pH de una disolución obtenida con  7 g de HCl en un volumen de disolución de 500 ml\r\n"
              "datos: H =  1.01  Cl = 35.45  ");
    EXPECT_EQ(Answer(1), "  pH = 0.415665");
    EXPECT_EQ(Statement(2), "Calcular la concentración molar de una disolución de HCl de pH 0.415665");
    EXPECT_EQ(Answer(2), "    [HCl] = 0.384004 mol/l");
    EXPECT_EQ(CurrentTopicTitle, "pH");
    EXPECT_EQ(ui.subKindLists[0], kPhList);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(TopicTest, PhOfAStrongBaseWorkedExample) {
    Type({"NaOH", "NaOH"});
    ScriptRandom({5, 3, 5, 3});  // 10 g in 1000 ml, twice
    Run(PhTopic, {2, 4});
    ASSERT_EQ(Batch.count, 2);
    EXPECT_EQ(Statement(1),
              "Calcular el pH de una disolución obtenida con 10 g de NaOH en un volumen de disolución de 1000 ml\r\n"
              "datos: Na = 22.99  O = 16.00  H =  1.01  ");
    EXPECT_EQ(Answer(1), "  pH =    13.4");
    EXPECT_EQ(Statement(2), "Calcular la concentración molar de una disolución de NaOH de pH  13.4");
    EXPECT_EQ(Answer(2), "    [NaOH] = 0.250013 mol/l");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(TopicTest, APhFromOneToTenStandsAfterTwoBlanks) {
    Type({"HNO3"});
    ScriptRandom({0, 3});  // 5 g in a litre: pH 1.10
    Run(PhTopic, {3});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1), "Calcular la concentración molar de una disolución de HNO_3 de pH   1.1");
}

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
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].caption, "NaCl: no parece ácido");
    EXPECT_EQ(ui.boxes[0].text, "Continuar igualmente?");
    EXPECT_EQ(ui.boxes[0].flags, kBoxYesNo | kBoxIconExclamation);
    EXPECT_EQ(ui.boxes[1].caption, "NaCl: no parece base");
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

// Every sub-kind of every topic with both options on, from the draws of the worked
// examples above, and a few draws of their own (the "0,120 M", a negative pH).
struct ClassroomCase {
    void (*topic)();
    uint8_t subKind;
    const char* formula;  // nullptr: no prompt
    std::vector<int32_t> draws;
    const char* statement;
    const char* answer;
};

void PrintTo(const ClassroomCase& c, std::ostream* os) { *os << "sub-kind " << int(c.subKind) << ": " << c.answer; }

class ClassroomTexts : public TopicTest, public ::testing::WithParamInterface<ClassroomCase> {};

TEST_P(ClassroomTexts, AreWrittenAsAChemistryClassWritesThem) {
    const ClassroomCase& c = GetParam();
    NumberOptions = {true, true};
    if (c.formula) Type({c.formula});
    ScriptRandom(c.draws);
    Run(c.topic, {c.subKind});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Statement(1), c.statement);
    EXPECT_EQ(Answer(1), c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    EverySubKind, ClassroomTexts,
    ::testing::Values(
        ClassroomCase{AtomicStructureTopic, 1, nullptr, {3, 1, 0},
                      "Un átomo de número atómico 11 contiene 12 neutrones en su núcleo. Determinar:\r\n"
                      "a) nº protones en ell núcleo,b) número másico, c) nº electrones alrededor d) lugar en la "
                      "tabla periódica",
                      "  a) 11 protones b) M = 23 c) 11 electrones d) lugar = 11"},
        ClassroomCase{AtomicStructureTopic, 2, nullptr, {39, 2, 5},
                      "Un átomo de número másico 92 contiene 45 neutrones en su núcleo. Determinar:\r\n"
                      "a) nº protones en el núcleo,b) número atómico, c) nº electrones alrededor d) lugar en la "
                      "tabla periódica",
                      "  a) 47 protones b) Z = 47 c) 47 electrones d) lugar = 47"},
        ClassroomCase{MolesTopic, 1, "H2SO4", {},
                      "Calcula la masa molar de H_2SO_4\r\ndatos: H = 1,01; S = 32,06; O = 16,00", "  98,08 g/mol"},
        ClassroomCase{MolesTopic, 2, nullptr, {2}, "Calcular el nº de moléculas que hay en 3 mol.",
                      "  1,81·10^(24) moléculas."},
        ClassroomCase{MolesTopic, 2, nullptr, {4}, "Calcular el nº de moléculas que hay en 5 mol.",
                      "  3,01·10^(24) moléculas."},
        ClassroomCase{MolesTopic, 3, nullptr, {19}, "Calcular cuantos moles son 1,20·10^(25) moléculas.",
                      "  20,0 mol."},
        ClassroomCase{MolesTopic, 4, "H2O", {31}, "Pasar 36 g de H_2O a moles.\r\ndatos: H = 1,01; O = 16,00",
                      "  2,00 mol."},
        ClassroomCase{MolesTopic, 4, "C6H12O6", {153}, "Pasar 158 g de C_6H_1_2O_6 a moles.\r\n"
                      "datos: C = 12,01; H = 1,01; O = 16,00", "  0,877 mol."},
        ClassroomCase{MolesTopic, 5, "H2O", {13},
                      "Cuantos gramos son 0,999 moles de H_2O?\r\ndatos: H = 1,01; O = 16,00", "  18,0 g."},
        ClassroomCase{ConcentrationTopic, 1, nullptr, {0, 0, 1},
                      "Calcular el % (en masa) de soluto si se han disuelto 4 g en agua hasta obtener 200 g de "
                      "disolución.",
                      "  2,00 %"},
        ClassroomCase{ConcentrationTopic, 2, nullptr, {39, 8},
                      "Calcular los gramos de soluto necesarios para preparar 900 g de una disolución al 41 % en masa",
                      "  369 g"},
        ClassroomCase{ConcentrationTopic, 3, "NaCl", {112, 1},
                      "Calcular la molaridad de una disolución obtenida disolviendo 117 g de NaCl en agua hasta un "
                      "volumen total de 500 ml\r\ndatos: Na = 22,99; Cl = 35,45",
                      "  4,00 mol/l"},
        ClassroomCase{ConcentrationTopic, 4, "NaCl", {24, 3},
                      "Calcular los gramos necesarios de NaCl para preparar 1 l de una disolución 0,496 M de NaCl\r\n"
                      "datos: Na = 22,99; Cl = 35,45",
                      "  29,0 g"},
        ClassroomCase{ConcentrationTopic, 4, "NaCl", {2, 3},
                      "Calcular los gramos necesarios de NaCl para preparar 1 l de una disolución 0,120 M de NaCl\r\n"
                      "datos: Na = 22,99; Cl = 35,45",
                      "  7,00 g"},
        ClassroomCase{ConcentrationTopic, 5, "NaCl", {45, 0},
                      "Calcular el volumen de disolución 3,42 M de NaCl que se puede preparar a partir de 50 g de "
                      "NaCl\r\ndatos: Na = 22,99; Cl = 35,45",
                      "  250 ml"},
        ClassroomCase{ConcentrationTopic, 5, "NaCl", {2, 3},
                      "Calcular el volumen de disolución 0,120 M de NaCl que se puede preparar a partir de 7 g de "
                      "NaCl\r\ndatos: Na = 22,99; Cl = 35,45",
                      "  1,00 l"},
        ClassroomCase{PhTopic, 1, "HCl", {2, 1},
                      "Calcular el pH de una disolución obtenida con 7 g de HCl en un volumen de disolución de 500 ml"
                      "\r\ndatos: H = 1,01; Cl = 35,45",
                      "  pH = 0,42"},
        ClassroomCase{PhTopic, 1, "HCl", {9, 0},
                      "Calcular el pH de una disolución obtenida con 14 g de HCl en un volumen de disolución de 250 "
                      "ml\r\ndatos: H = 1,01; Cl = 35,45",
                      "  pH = -0,19"},
        ClassroomCase{PhTopic, 2, "NaOH", {5, 3},
                      "Calcular el pH de una disolución obtenida con 10 g de NaOH en un volumen de disolución de "
                      "1000 ml\r\ndatos: Na = 22,99; O = 16,00; H = 1,01",
                      "  pH = 13,40"},
        ClassroomCase{PhTopic, 3, "HCl", {2, 1}, "Calcular la concentración molar de una disolución de HCl de pH 0,42",
                      "    [HCl] = 0,384 mol/l"},
        ClassroomCase{PhTopic, 4, "NaOH", {5, 3},
                      "Calcular la concentración molar de una disolución de NaOH de pH 13,40",
                      "    [NaOH] = 0,250 mol/l"}));

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
    for (const TopicRun& topic : kEveryTopic) {
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

// Under "Cifras significativas" a number stands one blank from the word before it and
// apart from the unit after it, and no two blanks meet (the answers' own indent aside).
TEST_F(TopicStyles, SignificantFiguresLeaveOneBlankBetweenWordsAndNumbers) {
    for (const NumberStyle style : {NumberStyle{false, true}, NumberStyle{true, true}}) {
        NumberOptions = style;
        SeedRandom(2718);
        for (const TopicRun& topic : kEveryTopic) {
            for (int round = 0; round < 60; ++round) {
                for (const std::string& text : Texts(topic)) ExpectClassroomSpacing(text);
            }
        }
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
