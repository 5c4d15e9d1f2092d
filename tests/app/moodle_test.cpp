#include "app/moodle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "app/start_up.h"
#include "chemistry/remake.h"
#include "chemistry/topics.h"
#include "shell/batch.h"
#include "shell/export.h"
#include "shell/moodle.h"
#include "shell/versions_choice.h"
#include "shell/versions_plan.h"
#include "tests/chemistry/chemistry_support.h"
#include "tests/support/exercises.h"
#include "tests/support/files.h"
#include "tests/support/recording_batch_view.h"
#include "tests/support/scripted_ui.h"
#include "util/random.h"

namespace {

namespace fs = std::filesystem;

constexpr char kCaption[] = "Cuestionario de Moodle";

class MoodleExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetUpProgram();
        SetExampleTable();
        BatchStart();
        AskConfirmation = false;
        SeedRandom(31);
        BatchSeed = 1234;
    }

    void Generate(uint16_t topic, uint8_t subKind, const char* formula = nullptr) {
        ui.subKinds = {subKind, 0};
        if (formula) ui.texts.push_back(std::string(formula));
        RunTopic(*FindTopic(topic));
    }
    // Numbers drawn, one edited by hand, one of before the recipes and one without a recipe
    // that keeps its result (the same in every variant).
    void Worksheet() {
        Generate(2, 2);
        Generate(2, 2);
        Batch.Slot(2).editedByHand = true;
        AddExercise("Un ejercicio de antes de las recetas", "42");
        ExerciseRecord kept = Exercise("Calcula la masa molar del agua.", "  18.02 g/mol");
        ExerciseResult molarMass;
        molarMass.value = 18.015;
        molarMass.unit = "g/mol";
        molarMass.digits = 2;
        kept.results = {molarMass};
        AddExercise(kept);
        ASSERT_EQ(Batch.count, 4);
    }
    void Exported(const std::string& name, const std::string& title) {
        ExportName = name;
        DocumentTitle = title;
        BatchExported = true;
    }
    void Answer(int variants, double tolerance) { ui.moodle.push_back(ScriptedUi::MoodleAnswer{variants, tolerance}); }
    // The file the command must write for this batch as it is.
    std::string Quiz(int variants, double tolerance) {
        VersionsPlan plan;
        std::string why;
        EXPECT_TRUE(PlanVersions(BatchExercises(), variants, BatchSeed, RemakeExercise, plan, why)) << why;
        return MoodleQuizFile(plan, DocumentTitle, tolerance).bytes;
    }
    fs::path Exerc(const std::string& file = "") const { return folder.Path() / "Exerc" / file; }

    ScratchFolder folder;
    RecordingBatchView view;
    ScriptedUi ui;
};

TEST_F(MoodleExportTest, ANeverExportedBatchShowsTheSaveWindowThenWritesTheQuizAndSaysHowToImportIt) {
    Worksheet();
    VersionCount = 4;
    ui.saves.push_back(std::nullopt);
    ExportMoodleQuiz();  // never exported: the save window, here left
    EXPECT_TRUE(ui.proposedMoodle.empty());
    ui.saves.push_back(ScriptedUi::SaveAnswer{"hoja 3", "Moles", 1, true});
    Answer(30, 5);
    ExportMoodleQuiz();
    ASSERT_EQ(ui.proposedMoodle.size(), 1u);
    EXPECT_EQ(ui.proposedMoodle[0].variants, 4);  // as many as the last versions
    EXPECT_EQ(ui.proposedMoodle[0].tolerancePercent, 2);
    EXPECT_EQ(EntriesIn(Exerc()), 1u);
    EXPECT_EQ(ReadAll(Exerc("hoja 3.xml")), Quiz(30, 5));
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0], (ShownBox{kCaption,
                                     "Escrito en Exerc\\hoja 3.xml.\r"
                                     "En Moodle: Banco de preguntas > Importar > Formato Moodle XML.\r"
                                     "En el cuestionario: una pregunta aleatoria de cada categoría \"Ejercicio N\".\r"
                                     "Ensayo, a corregir a mano: 2, 3.\r"
                                     "Sin variantes (una pregunta): 4.",
                                     kBoxOk}));
}

TEST_F(MoodleExportTest, AnUntitledSheetIsFiledUnderItsName) {
    Worksheet();
    Exported("hoja", " ");
    Answer(2, 2);
    ExportMoodleQuiz();
    const std::string quiz = ReadAll(Exerc("hoja.xml"));
    EXPECT_NE(quiz.find("<text>$course$/top/Zorvi/hoja/Ejercicio 1</text>"), std::string::npos) << quiz;
}

TEST_F(MoodleExportTest, AnEarlierRunsQuizIsReplacedOnlyWhenTheTeacherSaysSo) {
    Generate(1, 1);
    Exported("hoja", "Atomos");
    fs::create_directories(Exerc());
    WriteAll(Exerc("hoja.xml"), "ayer");
    Answer(3, 2);
    ui.boxAnswers.push_back(kAnswerNo);
    ui.saves.push_back(std::nullopt);  // No goes back to the save window, here left
    ExportMoodleQuiz();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0], (ShownBox{"Reemplazar ficheros", "Ya existe Exerc\\hoja.xml. ¿Reemplazarlo?",
                                     kBoxYesNo | kBoxIconExclamation | kBoxDefaultButton2}));
    EXPECT_EQ(ReadAll(Exerc("hoja.xml")), "ayer");
    Answer(3, 2);
    ui.boxAnswers.push_back(kAnswerYes);
    ExportMoodleQuiz();
    EXPECT_EQ(ReadAll(Exerc("hoja.xml")), Quiz(3, 2));
    // What this run wrote is written again without a question.
    Answer(1, 2);
    ExportMoodleQuiz();
    EXPECT_EQ(ReadAll(Exerc("hoja.xml")), Quiz(1, 2));
    ASSERT_EQ(ui.boxes.size(), 4u);  // the question twice, then the note of each file written
    EXPECT_EQ(ui.boxes[1].caption, "Reemplazar ficheros");
    EXPECT_EQ(ui.boxes[3].text.rfind("Escrito en Exerc\\hoja.xml.\r", 0), 0u) << ui.boxes[3].text;
    EXPECT_EQ(EntriesIn(Exerc()), 1u);
}

TEST_F(MoodleExportTest, AQuizThatCannotBeMadeOrWrittenWritesNothing) {
    ExportMoodleQuiz();  // an empty batch: no window at all
    Generate(2, 2);
    Generate(3, 3, "NaCl");
    Exported("hoja", "Moles");
    ui.moodle.push_back(std::nullopt);
    ExportMoodleQuiz();
    EXPECT_FALSE(fs::exists(Exerc("hoja.xml")));
    fs::create_directories(Exerc("hoja.xml") / "dentro");  // a folder holds the file's name
    Answer(2, 2);
    ExportMoodleQuiz();
    // Sodium has left the table since the batch was made.
    SetElementTable({{"H", 1.008, 1}, {"O", 16, 8}, {"Cl", 35.45, 17}});
    Answer(2, 2);
    ExportMoodleQuiz();
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].text, "No se ha escrito el cuestionario (hay una carpeta con ese nombre):\r" +
                                    folder.Text("Exerc") + ScratchFolder::Separator() + "hoja.xml");
    EXPECT_EQ(ui.boxes[1].text,
              "No se ha escrito el cuestionario: el ejercicio 2 no se puede hacer de nuevo para la versión B "
              "(* Error *: Na no está en la base de datos ¿añadir?).");
    EXPECT_EQ(ui.boxes[1].caption, kCaption);
    EXPECT_EQ(EntriesIn(Exerc()), 1u);  // the folder, and no temporary file beside it
    EXPECT_EQ(EntriesIn(Exerc("hoja.xml")), 1u);
}

}  // namespace
