#include "shell/batch.h"

#include <gtest/gtest.h>

#include <functional>

#include "app/start_up.h"
#include "shell/export.h"
#include "shell/program.h"
#include "tests/support/exercises.h"
#include "tests/support/recording_batch_view.h"
#include "tests/support/scripted_ui.h"

namespace {

const std::string kTitleBase = "Ejercicios de Química. Nº ejercicios: ";

class BatchTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetUpProgram();
        BatchStart();
    }

    // A generator's hand-over of an exercise with this statement.
    void Generate(const std::string& statement, const std::string& answer = "resp") {
        CurrentExercise.statement = statement;
        CurrentExercise.answer = answer;
        CurrentExercise.accepted = true;
        OfferExercise(CurrentExercise);
    }

    std::vector<std::string> Statements() {
        std::vector<std::string> out;
        for (int i = 1; i <= Batch.count; ++i) out.push_back(Batch.Slot(i).statement);
        return out;
    }

    RecordingBatchView view;
    ScriptedUi ui;
};

TEST_F(BatchTest, FirstExerciseShowsLineTitleAndEnablesEditAndDeleteOnly) {
    ui.edits.push_back(ScriptedUi::Accept());
    Generate("Un átomo H_2O");
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(view.lines, std::vector<std::string>{"1]Un átomo H_2O"});
    EXPECT_EQ(view.selected, 1);
    EXPECT_EQ(view.title, kTitleBase + "1");
    EXPECT_TRUE(view.Usable(BatchButton::Edit));
    EXPECT_TRUE(view.Usable(BatchButton::Delete));
    EXPECT_FALSE(view.Usable(BatchButton::MoveUp));
    EXPECT_FALSE(view.Usable(BatchButton::MoveDown));
    EXPECT_TRUE(view.menuEnabled);
}

TEST_F(BatchTest, TitleCountsInCp1252Bytes) {
    UpdateMainTitle();
    // "Química" and "Nº" are single Windows-1252 bytes.
    EXPECT_EQ(view.title, "Ejercicios de Qu\xEDmica. N\xBA ejercicios: 0");
    EXPECT_FALSE(view.menuEnabled);
}

TEST_F(BatchTest, SecondExerciseEnablesTheMoveButtons) {
    FillBatch(2);
    EXPECT_TRUE(view.Usable(BatchButton::MoveUp));
    EXPECT_TRUE(view.Usable(BatchButton::MoveDown));
    EXPECT_EQ(view.title, kTitleBase + "2");
}

TEST_F(BatchTest, DeletingLastLineSelectsNewLast) {
    FillBatch(3);
    view.selected = 3;
    ui.boxAnswers.push_back(kAnswerYes);
    BatchDelete();
    ASSERT_EQ(ui.boxes, (ShownBoxes{{"*Confirmar eliminar*", "Eliminar l'ejercicio seleccionado?", kBoxYesNo}}));
    EXPECT_EQ(Statements(), (std::vector<std::string>{"E1", "E2"}));
    EXPECT_EQ(view.lines, (std::vector<std::string>{"1]E1", "2]E2"}));
    EXPECT_EQ(view.selected, 2);
    EXPECT_EQ(view.title, kTitleBase + "2");
}

TEST_F(BatchTest, DeletingFirstLineKeepsItSelectedWithTheNextExercise) {
    FillBatch(3);
    view.selected = 1;
    ui.boxAnswers.push_back(kAnswerYes);
    BatchDelete();
    EXPECT_EQ(Statements(), (std::vector<std::string>{"E2", "E3"}));
    EXPECT_EQ(Batch.Slot(1).answer, "A2");
    EXPECT_EQ(Batch.Slot(1).hint, "h2");
    EXPECT_EQ(view.lines, (std::vector<std::string>{"1]E2", "2]E3"}));
    EXPECT_EQ(view.selected, 1);
}

TEST_F(BatchTest, DeleteAnsweredNoOrWithoutSelectionChangesNothing) {
    FillBatch(2);
    view.selected = 0;
    BatchDelete();  // no question at all
    EXPECT_TRUE(ui.boxes.empty());
    view.selected = 1;
    ui.boxAnswers.push_back(kAnswerNo);
    BatchDelete();
    EXPECT_EQ(Statements(), (std::vector<std::string>{"E1", "E2"}));
}

TEST_F(BatchTest, DeletingDownToOneHidesMoveButtonsAndToNoneHidesEditAndDelete) {
    FillBatch(2);
    view.selected = 2;
    ui.boxAnswers.push_back(kAnswerYes);
    BatchDelete();
    EXPECT_TRUE(view.Hidden(BatchButton::MoveUp));
    EXPECT_TRUE(view.Hidden(BatchButton::MoveDown));
    EXPECT_FALSE(view.Hidden(BatchButton::Edit));
    ui.boxAnswers.push_back(kAnswerYes);
    BatchDelete();
    EXPECT_EQ(Batch.count, 0);
    EXPECT_TRUE(view.Hidden(BatchButton::Edit));
    EXPECT_TRUE(view.Hidden(BatchButton::Delete));
    EXPECT_FALSE(view.menuEnabled);
    EXPECT_TRUE(view.lines.empty());
    EXPECT_EQ(view.title, kTitleBase + "0");
}

TEST_F(BatchTest, MovingPastEitherEndDoesNothing) {
    FillBatch(3);
    view.selected = 1;
    BatchMoveUp();
    view.selected = 3;
    BatchMoveDown();
    view.selected = 0;
    BatchMoveDown();
    BatchMoveUp();
    EXPECT_EQ(Statements(), (std::vector<std::string>{"E1", "E2", "E3"}));
}

TEST_F(BatchTest, MoveUpThenDownRestoresOrderAndEveryField) {
    FillBatch(3);
    std::vector<ExerciseRecord> before(Batch.slots->begin(), Batch.slots->begin() + 3);
    view.selected = 3;
    BatchMoveUp();
    EXPECT_EQ(Statements(), (std::vector<std::string>{"E1", "E3", "E2"}));
    EXPECT_EQ(view.selected, 2);
    EXPECT_EQ(view.lines[1], "2]E3");
    BatchMoveDown();
    EXPECT_EQ(view.selected, 3);
    for (int i = 0; i < 3; ++i) {
        const ExerciseRecord& r = Batch.Slot(i + 1);
        EXPECT_EQ(r.statement, before[i].statement);
        EXPECT_EQ(r.answer, before[i].answer);
        EXPECT_EQ(r.hint, before[i].hint);
        EXPECT_EQ(r.hintPlacement, before[i].hintPlacement);
    }
}

TEST_F(BatchTest, WithoutConfirmationExerciseEntersDirectlyWithDefaultPlacementAndKeptHint) {
    AskConfirmation = false;
    DefaultHintPlacement = HintPlacement::InAnswer;
    CurrentExercise.hint = "ojo con las unidades";
    Generate("S1");
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Batch.Slot(1).hintPlacement, HintPlacement::InAnswer);
    EXPECT_EQ(Batch.Slot(1).hint, "ojo con las unidades");
    EXPECT_EQ(CurrentExercise.hint, "ojo con las unidades");
    EXPECT_TRUE(ui.editedRecords.empty());
}

TEST_F(BatchTest, EditorSeesTheDefaultPlacementAndTheLastAcceptedHint) {
    DefaultHintPlacement = HintPlacement::InStatement;
    ui.edits.push_back([](ExerciseRecord& r) {
        r.hint = "primera pista";
        r.statement = "editado";
        return true;
    });
    Generate("S1");
    ui.edits.push_back(ScriptedUi::Accept());
    Generate("S2");
    ASSERT_EQ(ui.editedRecords.size(), 2u);
    EXPECT_EQ(ui.editedRecords[0].hintPlacement, HintPlacement::InStatement);
    EXPECT_EQ(ui.editedRecords[1].hint, "primera pista");
    EXPECT_EQ(Batch.Slot(1).statement, "editado");
    EXPECT_EQ(view.lines[0], "1]editado");
}

TEST_F(BatchTest, CancellingTheEditorOnANewExerciseLeavesTheBatchUnchanged) {
    FillBatch(1);
    ui.edits.push_back(ScriptedUi::Cancel());
    Generate("S2");
    EXPECT_EQ(Batch.count, 1);
    EXPECT_FALSE(CurrentExercise.accepted);
    EXPECT_EQ(view.lines.size(), 1u);
}

TEST_F(BatchTest, HandOverWithoutAcceptedFlagOrStatementIsIgnored) {
    CurrentExercise.statement = "S";
    CurrentExercise.accepted = false;
    OfferExercise(CurrentExercise);
    CurrentExercise.statement = "";
    CurrentExercise.accepted = true;
    OfferExercise(CurrentExercise);
    EXPECT_EQ(Batch.count, 0);
    EXPECT_TRUE(ui.editedRecords.empty());
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(BatchTest, FullBatchRefusesTheExerciseWithAMessageAndKeepsEverything) {
    FillBatch(50);
    AskConfirmation = true;
    CurrentExercise.hintPlacement = HintPlacement::InAnswer;
    DefaultHintPlacement = HintPlacement::InStatement;
    CurrentExercise.hint = "pista";
    Generate("S51");
    EXPECT_EQ(Batch.count, 50);
    EXPECT_EQ(Batch.Slot(50).statement, "E50");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Lote completo");
    EXPECT_NE(ui.boxes[0].text.find("50 ejercicios"), std::string::npos);
    EXPECT_TRUE(ui.editedRecords.empty());  // no editor for an exercise that cannot enter
    EXPECT_EQ(CurrentExercise.statement, "S51");
    EXPECT_EQ(CurrentExercise.hintPlacement, HintPlacement::InAnswer);
    EXPECT_TRUE(CurrentExercise.accepted);
    EXPECT_FALSE(BatchAdd(Exercise("x")));
    EXPECT_EQ(view.lines.size(), 50u);
}

TEST_F(BatchTest, EditingABatchExerciseReplacesItAndItsLineOrLeavesItOnCancel) {
    FillBatch(2);
    view.selected = 2;
    ui.edits.push_back(ScriptedUi::Cancel());
    EditSelected();
    EXPECT_EQ(Batch.Slot(2).statement, "E2");
    ui.edits.push_back([](ExerciseRecord& r) {
        r.statement = "nuevo";
        r.hintPlacement = HintPlacement::InAnswer;
        return true;
    });
    EditSelected();
    EXPECT_EQ(Batch.Slot(2).statement, "nuevo");
    EXPECT_EQ(Batch.Slot(2).hintPlacement, HintPlacement::InAnswer);
    EXPECT_EQ(view.lines[1], "2]nuevo");
    EXPECT_EQ(view.selected, 2);
    view.selected = 0;
    EditSelected();  // nothing selected: no editor
    EXPECT_EQ(ui.editedRecords.size(), 2u);
}

// While the editor is open on exercise 2, the main window's commands can still arrive:
// moving, deleting or emptying the batch then would put the edit over another exercise.
TEST_F(BatchTest, TheBatchDoesNotChangeUnderAnOpenEditor) {
    FillBatch(3);
    view.selected = 2;
    const std::vector<std::function<void()>> commands = {BatchMoveUp, BatchMoveDown, BatchDelete, BatchReset};
    ui.edits.push_back([&](ExerciseRecord& r) {
        for (const auto& command : commands) command();  // no question is asked: nothing is scripted
        r.statement = "editado";
        return true;
    });
    EditSelected();
    ASSERT_EQ(ui.boxes.size(), commands.size());
    for (const ShownBox& box : ui.boxes) {
        EXPECT_EQ(box.caption, "Lote ejercicios");
        EXPECT_EQ(box.text, "El ejercicio 2 está abierto en el editor.\rAcéptalo o cancélalo antes de cambiar el lote.");
    }
    ASSERT_EQ(Batch.count, 3);
    EXPECT_EQ(Batch.Slot(1).statement, "E1");
    EXPECT_EQ(Batch.Slot(2).statement, "editado");
    EXPECT_EQ(Batch.Slot(3).statement, "E3");
    // Once the editor is closed, the same commands work again.
    ui.boxAnswers.push_back(kAnswerYes);
    BatchDelete();
    EXPECT_EQ(Batch.count, 2);
    EXPECT_EQ(Batch.Slot(2).statement, "E3");
}

// A second "->" while the editor is open finds the editor busy: the window refuses it,
// and the exercise being edited stays the one the batch keeps the edit for.
TEST_F(BatchTest, ASecondEditWhileTheFirstIsOpenChangesNothing) {
    FillBatch(2);
    view.selected = 1;
    ui.edits.push_back([&](ExerciseRecord& r) {
        view.selected = 2;
        ui.edits.push_back(ScriptedUi::Cancel());  // what the busy editor answers
        EditSelected();
        BatchMoveUp();  // the first editor is still open: refused
        r.statement = "uno editado";
        return true;
    });
    EditSelected();
    EXPECT_EQ(Batch.Slot(1).statement, "uno editado");
    EXPECT_EQ(Batch.Slot(2).statement, "E2");
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text.substr(0, 14), "El ejercicio 1");
}

TEST_F(BatchTest, ResetAsksAndOnYesEmptiesTheBatchAndForgetsTheExport) {
    FillBatch(3);
    BatchExported = true;
    ui.boxAnswers.push_back(kAnswerNo);
    BatchReset();
    EXPECT_EQ(Batch.count, 3);
    EXPECT_TRUE(BatchExported);
    ui.boxAnswers.push_back(kAnswerYes);
    BatchReset();
    EXPECT_EQ(ui.boxes, ShownBoxes(2, {"Reinicio Lote", "Reiniciar Lote a 0? ", kBoxYesNo}));
    EXPECT_EQ(Batch.count, 0);
    EXPECT_FALSE(BatchExported);
    EXPECT_TRUE(view.lines.empty());
    for (BatchButton b : {BatchButton::Edit, BatchButton::Delete, BatchButton::MoveUp, BatchButton::MoveDown}) {
        EXPECT_TRUE(view.Hidden(b));
    }
    EXPECT_FALSE(view.menuEnabled);
    EXPECT_EQ(view.title, kTitleBase + "0");
}

TEST_F(BatchTest, AfterResetAddingShowsTheButtonsAgainStepByStep) {
    FillBatch(2);
    ui.boxAnswers.push_back(kAnswerYes);
    BatchReset();
    FillBatch(1);
    EXPECT_TRUE(view.Usable(BatchButton::Edit));
    EXPECT_TRUE(view.Usable(BatchButton::Delete));
    EXPECT_TRUE(view.Hidden(BatchButton::MoveUp));
    FillBatch(1);
    EXPECT_TRUE(view.Usable(BatchButton::MoveUp));
    EXPECT_TRUE(view.Usable(BatchButton::MoveDown));
}

TEST_F(BatchTest, ListLineIsCutTo255Characters) {
    AddExercise(std::string(255, 'x'));
    ASSERT_EQ(view.lines.size(), 1u);
    EXPECT_EQ(view.lines[0], "1]" + std::string(253, 'x'));
}

TEST_F(BatchTest, EveryChangeMarksTheBatchAsUnexportedAndResetClearsIt) {
    EXPECT_FALSE(UnexportedChanges);
    FillBatch(2);
    EXPECT_TRUE(UnexportedChanges);
    const auto changes = std::vector<std::function<void()>>{
        [&] { view.selected = 2; BatchMoveUp(); },
        [&] { view.selected = 1; BatchMoveDown(); },
        [&] {
            view.selected = 1;
            ui.edits.push_back(ScriptedUi::Accept());
            EditSelected();
        },
        [&] {
            view.selected = 1;
            ui.boxAnswers.push_back(kAnswerYes);
            BatchDelete();
        },
    };
    for (const auto& change : changes) {
        UnexportedChanges = false;  // as after an export
        change();
        EXPECT_TRUE(UnexportedChanges);
    }
    // Looking without changing leaves the mark alone.
    UnexportedChanges = false;
    view.selected = 1;
    ui.edits.push_back(ScriptedUi::Cancel());
    EditSelected();
    BatchMoveUp();
    EXPECT_FALSE(UnexportedChanges);
    UnexportedChanges = true;
    ui.boxAnswers.push_back(kAnswerYes);
    BatchReset();
    EXPECT_FALSE(UnexportedChanges);
}

struct HintCase {
    HintPlacement placement;
    std::string statement;
    const char* expectedStatement;
    const char* expectedAnswer;
};

TEST(ExportTexts, CommentGoesWhereItsPlacementPutsIt) {
    const std::string full(255, 's');
    const HintCase cases[] = {
        {HintPlacement::None, "S", "S", "A"},
        {HintPlacement::InStatement, "S", "S\r  Comentario: ojo", "A"},
        {HintPlacement::InAnswer, "S", "S", "A\r  Comentario: ojo"},
    };
    for (const HintCase& c : cases) {
        ExerciseRecord r{c.statement, "A", "ojo", c.placement, true, {}, false, {}};
        EXPECT_EQ(StatementWithHint(r), c.expectedStatement);
        EXPECT_EQ(AnswerWithHint(r), c.expectedAnswer);
    }
    // A statement of 255 characters leaves no room for the line break.
    ExerciseRecord r{full, "A", "ojo", HintPlacement::InStatement, true, {}, false, {}};
    EXPECT_EQ(StatementWithHint(r), full + "  Comentario: ojo");
    r.statement = std::string(254, 's');
    EXPECT_EQ(StatementWithHint(r), std::string(254, 's') + "\r  Comentario: ojo");
}

}  // namespace
