#include "chemistry/remake.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "chemistry/formula.h"
#include "chemistry/topics.h"
#include "shell/batch.h"
#include "tests/chemistry/chemistry_support.h"
#include "tests/chemistry/course_topics_support.h"
#include "tests/support/scripted_ui.h"
#include "util/language.h"
#include "util/random.h"

namespace {

// One pass of the generation window: a topic, a sub-kind, the formula typed and the answer
// to the plausibility question (0 when none is asked).
struct Pass {
    uint16_t topic;
    uint8_t subKind;
    const char* typed;
    uint8_t answer;
    Recipe recorded;
};

const Pass kEverySubKind[] = {
    {1, 1, nullptr, 0, {1, 1, "", 0, {}, NumberStyle{}}},
    {1, 2, nullptr, 0, {1, 2, "", 0, {}, NumberStyle{}}},
    {2, 1, "H2SO4", 0, {2, 1, "H2SO4", 0, {}, NumberStyle{}}},
    {2, 2, nullptr, 0, {2, 2, "", 0, {}, NumberStyle{}}},  // a formula typed before is not this pass's
    {2, 3, nullptr, 0, {2, 3, "", 0, {}, NumberStyle{}}},
    {2, 4, " H2O ", 0, {2, 4, "H2O", 0, {}, NumberStyle{}}},  // as the parser keeps it
    {2, 5, "CaCO3", 0, {2, 5, "CaCO3", 0, {}, NumberStyle{}}},
    {3, 1, nullptr, 0, {3, 1, "", 0, {}, NumberStyle{}}},
    {3, 2, nullptr, 0, {3, 2, "", 0, {}, NumberStyle{}}},
    {3, 3, "NaCl", 0, {3, 3, "NaCl", 0, {}, NumberStyle{}}},
    {3, 4, "KOH", 0, {3, 4, "KOH", 0, {}, NumberStyle{}}},
    {3, 5, "Fe(NO3)3", 0, {3, 5, "Fe(NO3)3", 0, {}, NumberStyle{}}},
    {4, 1, "HCl", 0, {4, 1, "HCl", 0, {}, NumberStyle{}}},
    {4, 1, "NaHSO4", kAnswerYes, {4, 1, "NaHSO4", kAnswerYes, {}, NumberStyle{}}},
    {4, 2, "Ca(OH)2", 0, {4, 2, "Ca(OH)2", 0, {}, NumberStyle{}}},
    {4, 3, "H2SO4", 0, {4, 3, "H2SO4", 0, {}, NumberStyle{}}},
    {4, 4, "NaOH", 0, {4, 4, "NaOH", 0, {}, NumberStyle{}}},
};

class RemakeTest : public GeneratorTest {
protected:
    void SetUp() override {
        GeneratorTest::SetUp();
        SetExampleTable();
        SeedRandom(2024);
    }

    // The exercise as the teacher makes it through the windows.
    ExerciseRecord Make(const Pass& pass) {
        const int before = Batch.count;
        ui.subKinds = {pass.subKind, 0};
        if (pass.typed) ui.texts.push_back(std::string(pass.typed));
        if (pass.answer) ui.boxAnswers.push_back(pass.answer);
        RunTopic(*FindTopic(pass.topic));
        EXPECT_EQ(Batch.count, before + 1) << pass.typed;
        return Batch.count > before ? Batch.Slot(Batch.count) : ExerciseRecord{};
    }
};

TEST_F(RemakeTest, EveryPassRecordsItsTopicSubKindFormulaAndAnswer) {
    for (const Pass& pass : kEverySubKind) {
        const ExerciseRecord made = Make(pass);
        EXPECT_EQ(made.recipe, pass.recorded) << pass.topic << "/" << int(pass.subKind);
        EXPECT_FALSE(made.editedByHand);
    }
}

TEST_F(RemakeTest, APassThatMakesNothingLeavesNoRecipeForTheNext) {
    // Declined plausibility, then a pass without a formula: its recipe holds neither.
    ui.subKinds = {1, 1, 0};
    ui.texts = {std::string("NaCl"), std::string("HCl")};
    ui.boxAnswers = {kAnswerNo};
    RunTopic(*FindTopic(4));
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Batch.Slot(1).recipe, (Recipe{4, 1, "HCl", 0, {}, NumberStyle{}}));
    ui.subKinds = {2, 0};
    RunTopic(*FindTopic(2));
    EXPECT_EQ(Batch.Slot(2).recipe, (Recipe{2, 2, "", 0, {}, NumberStyle{}}));
}

TEST_F(RemakeTest, EverySubKindComesBackWithItsFormulaAndNewNumbersWithoutAWindow) {
    for (const Pass& pass : kEverySubKind) {
        ExerciseRecord original = Make(pass);
        original.hint = "pista";
        original.hintPlacement = HintPlacement::InAnswer;
        const std::size_t boxes = ui.boxes.size();
        const std::size_t prompts = ui.prompts.size();
        std::set<std::string> statements;
        for (char letter : {'B', 'C', 'D', 'E', 'F'}) {
            ExerciseRecord made;
            std::string why;
            ASSERT_TRUE(RemakeExercise(original, 77, letter, 3, 0, made, why)) << why;
            EXPECT_EQ(Shape(made.statement), Shape(original.statement)) << made.statement;
            EXPECT_EQ(Shape(made.answer), Shape(original.answer)) << made.answer;
            EXPECT_EQ(made.recipe, original.recipe);
            EXPECT_EQ(made.hint, "pista");
            EXPECT_EQ(made.hintPlacement, HintPlacement::InAnswer);
            EXPECT_TRUE(made.accepted);
            statements.insert(made.statement);
        }
        // Only the molar mass has no draw at all; every other sub-kind varies over five letters.
        if (pass.topic == 2 && pass.subKind == 1) {
            EXPECT_EQ(statements.size(), 1u);
        } else {
            EXPECT_GT(statements.size(), 1u) << original.statement;
        }
        EXPECT_EQ(ui.boxes.size(), boxes) << "a message reached the teacher";
        EXPECT_EQ(ui.prompts.size(), prompts) << "a prompt reached the teacher";
    }
}

TEST_F(RemakeTest, TheSameSeedLetterAndNumberGiveTheSameExercise) {
    const ExerciseRecord original = Make({3, 4, "KOH", 0, {}});
    ExerciseRecord first, again;
    std::string why;
    ASSERT_TRUE(RemakeExercise(original, 5, 'B', 2, 0, first, why));
    SeedRandom(99);  // whatever came before does not matter
    ASSERT_TRUE(RemakeExercise(original, 5, 'B', 2, 0, again, why));
    EXPECT_EQ(first.statement, again.statement);
    EXPECT_EQ(first.answer, again.answer);
    EXPECT_EQ(VersionSeed(5, 'B', 2, 0), VersionSeed(5, 'B', 2, 0));
    const std::set<uint32_t> seeds = {VersionSeed(5, 'B', 2, 0), VersionSeed(5, 'C', 2, 0), VersionSeed(5, 'B', 3, 0),
                                      VersionSeed(6, 'B', 2, 0), VersionSeed(5, 'B', 2, 1)};
    EXPECT_EQ(seeds.size(), 5u);
}

TEST_F(RemakeTest, WhatWouldNeedTheTeacherMakesTheRemakeFailWithItsReason) {
    const struct {
        const char* what;
        Recipe recipe;
        std::string why;
    } cases[] = {
        {"no recipe", {}, "no tiene receta"},
        {"a topic this program lacks", {12, 1, "", 0, {}, {}}, "su tema (12) no existe en esta versión del programa"},
        {"a sub-kind the topic lacks", {2, 6, "", 0, {}, {}}, "el tema 2 no tiene el tipo de ejercicio 6"},
        {"an element no longer in the table", {3, 3, "LiCl", 0, {}, {}},
         "* Error *: Li no está en la base de datos ¿añadir?"},
        {"a formula that no longer parses", {2, 4, "H2$O", 0, {}, {}}, "Fórmula incorrecta: $"},
        {"no formula for a sub-kind that asks", {2, 4, "", 0, {}, {}}, "la receta no guarda la fórmula que pide el ejercicio"},
        {"a question the recipe did not answer", {4, 1, "NaCl", 0, {}, {}}, "NaCl: no parece ácido: Continuar igualmente?"},
        {"a question answered No", {4, 2, "NaCl", kAnswerNo, {}, {}}, "el generador no ha hecho el ejercicio"},
        {"a base without hydroxide", {4, 2, "NaCl", kAnswerYes, {}, {}},
         "NaCl: no es una base: Una base se escribe metal, O, H, como NaOH o Ca(OH)2. No se genera el ejercicio."},
    };
    CurrentExercise.hint = "la pista del generador abierto";
    CurrentCompound.formula = "H2O";
    for (const auto& c : cases) {
        ExerciseRecord original;
        original.statement = "antes";
        original.recipe = c.recipe;
        ExerciseRecord made;
        made.statement = "sin tocar";
        std::string why;
        EXPECT_FALSE(RemakeExercise(original, 1, 'B', 1, 0, made, why)) << c.what;
        EXPECT_EQ(why, c.why) << c.what;
        EXPECT_EQ(made.statement, "sin tocar") << c.what;
        EXPECT_EQ(CurrentExercise.hint, "la pista del generador abierto") << c.what;
        EXPECT_EQ(CurrentCompound.formula, "H2O") << c.what;
        EXPECT_EQ(&Ui(), &ui) << c.what;
    }
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_EQ(ui.elementEditorOpened, 0);
}

// A teacher who, with the editor open on a new exercise, makes versions from the main window:
// the exercise in the editor and the generator's state are as they were.
TEST_F(RemakeTest, ARemakeInsideAnOpenEditorLeavesTheNewExerciseAlone) {
    AskConfirmation = true;
    const ExerciseRecord earlier = [&] {
        AskConfirmation = false;
        ExerciseRecord r = Make({2, 4, "H2SO4", 0, {}});
        AskConfirmation = true;
        return r;
    }();
    ExerciseRecord shown;
    ui.edits.push_back([&](ExerciseRecord& record) {
        ExerciseRecord made;
        std::string why;
        EXPECT_TRUE(RemakeExercise(earlier, 3, 'B', 1, 0, made, why)) << why;
        shown = record;
        return true;
    });
    ui.subKinds = {5, 0};
    ui.texts = {std::string("NaCl")};
    RunTopic(*FindTopic(2));
    ASSERT_EQ(Batch.count, 2);
    EXPECT_EQ(Batch.Slot(2).recipe, (Recipe{2, 5, "NaCl", 0, {}, NumberStyle{}}));
    EXPECT_EQ(Batch.Slot(2).statement, shown.statement);
    EXPECT_NE(shown.statement.find("NaCl"), std::string::npos);
    EXPECT_EQ(CurrentCompound.formula, "NaCl");  // the next prompt proposes what the teacher typed
}

// ---- The topics of the course: gases, solutions, empirical formulas, stoichiometry

class CourseRemakeTest : public CourseTopicTest {};

TEST_F(CourseRemakeTest, EverySubKindRecordsItsFormulaOrReactionAndComesBackWithOtherDraws) {
    const char* const limestone = "CaCO3 + 2 HCl -> CaCl2 + CO2 + H2O";
    const char* const zinc = "Zn + 2 HCl -> ZnCl2 + H2";
    const struct {
        uint16_t topic;
        uint8_t subKind;
        const char* typed;   // a formula, or for topic 8 a reaction; null when none is asked
        const char* markup;  // what the statement shows of it
    } passes[] = {
        {5, 1, "CO2", "CO_2"},          {5, 2, "NH3", "NH_3"},   {5, 3, "Cl2", "Cl_2"},
        {5, 4, nullptr, "Un gas"},      {5, 5, "O2", "O_2"},     {6, 1, "HCl", "HCl"},
        {6, 2, "HCl", "HCl"},           {6, 3, "NaCl", "NaCl"},  {6, 4, "NaCl", "NaCl"},
        {7, 1, "C6H12O6", "C_6H_1_2O_6"}, {7, 2, "C6H12O6", "C"}, {7, 3, "C6H12O6", "C"},
        {8, 1, limestone, "CaCO_3"},    {8, 2, zinc, "ZnCl_2"},  {8, 3, zinc, "HCl"},
        {8, 4, limestone, "CaCO_3"},    {8, 5, "N2 + 3 H2 -> 2 NH3", "NH_3"},
    };
    SeedRandom(7);
    for (const auto& pass : passes) {
        const int before = Batch.count;
        ui.subKinds = {pass.subKind, 0};
        if (pass.typed && pass.topic == 8) ui.reactions.push_back(std::string(pass.typed));
        if (pass.typed && pass.topic != 8) ui.texts.push_back(std::string(pass.typed));
        RunTopic(*FindTopic(pass.topic));
        ASSERT_EQ(Batch.count, before + 1) << pass.topic << "/" << int(pass.subKind);
        const ExerciseRecord original = Batch.Slot(Batch.count);
        const Recipe& kept = original.recipe;
        EXPECT_EQ((Recipe{kept.topic, kept.subKind, kept.formula, kept.plausibility, {}, kept.numbers}),
                  (Recipe{pass.topic, pass.subKind, pass.typed ? pass.typed : "", 0, {}, NumberStyle{}}));
        const std::size_t windows = ui.boxes.size() + ui.prompts.size() + ui.reactionLists.size();
        std::set<std::string> statements;
        for (char letter : {'B', 'C', 'D', 'E'}) {
            ExerciseRecord made;
            std::string why;
            ASSERT_TRUE(RemakeExercise(original, 11, letter, Batch.count, 0, made, why))
                << pass.topic << "/" << int(pass.subKind) << ": " << why;
            EXPECT_NE(made.statement.find(pass.markup), std::string::npos) << made.statement;
            EXPECT_EQ(made.recipe, original.recipe);
            statements.insert(made.statement);
        }
        // The empirical-formula exercises draw nothing: the formula alone makes them.
        if (pass.topic == 7) {
            EXPECT_EQ(statements.size(), 1u);
        } else {
            EXPECT_GT(statements.size(), 1u) << original.statement;
        }
        EXPECT_EQ(ui.boxes.size() + ui.prompts.size() + ui.reactionLists.size(), windows) << "a window was opened";
    }
}

TEST_F(CourseRemakeTest, AReactionThatNoLongerBalancesOrParsesFailsWithItsReason) {
    ExerciseRecord original;
    original.statement = "antes";
    original.recipe = {8, 1, "CaCO3 + HCl -> CaCl2 + CO2 + H2O", 0, {}, {}};
    ExerciseRecord made;
    std::string why;
    EXPECT_FALSE(RemakeExercise(original, 1, 'B', 1, 0, made, why));
    EXPECT_EQ(why.rfind("Reacción incorrecta: ", 0), 0u) << why;
    original.recipe = {8, 1, "", 0, {}, {}};
    EXPECT_FALSE(RemakeExercise(original, 1, 'B', 1, 0, made, why));
    EXPECT_EQ(why, "la receta no guarda la reacción que pide el ejercicio");
    EXPECT_TRUE(ui.boxes.empty());
}

}  // namespace
