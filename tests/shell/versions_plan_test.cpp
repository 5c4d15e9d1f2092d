#include "shell/versions_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "app/start_up.h"
#include "app/versions.h"
#include "chemistry/remake.h"
#include "chemistry/formula.h"
#include "chemistry/topics.h"
#include "richtext/rtf_writer.h"
#include "shell/batch.h"
#include "shell/batch_file.h"
#include "shell/export.h"
#include "shell/settings.h"
#include "tests/chemistry/chemistry_support.h"
#include "tests/support/exercises.h"
#include "tests/support/files.h"
#include "tests/support/recording_batch_view.h"
#include "tests/support/scripted_ui.h"
#include "util/random.h"

namespace {

namespace fs = std::filesystem;

class VersionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetUpProgram();
        SetExampleTable();
        BatchStart();
        AskConfirmation = false;
        SeedRandom(31);
    }

    void Generate(uint16_t topic, uint8_t subKind, const char* formula = nullptr) {
        ui.subKinds = {subKind, 0};
        if (formula) ui.texts.push_back(std::string(formula));
        RunTopic(*FindTopic(topic));
    }
    // Six exercises of four topics, then one edited by hand and one without a recipe.
    void Worksheet() {
        Generate(1, 1);
        Generate(2, 4, "H2SO4");
        Generate(3, 2);
        Generate(3, 3, "NaCl");
        Generate(4, 1, "HCl");
        Generate(4, 4, "NaOH");
        Generate(2, 2);
        Batch.Slot(7).editedByHand = true;
        AddExercise("Un ejercicio de antes de las recetas", "42");
        ASSERT_EQ(Batch.count, 8);
    }
    void Answer(int count, uint32_t seed) { ui.versions.push_back(ScriptedUi::VersionsAnswer{count, seed}); }
    fs::path Exerc(const std::string& file = "") const { return folder.Path() / "Exerc" / file; }
    std::vector<std::string> FilesInExerc() const {
        std::vector<std::string> names;
        if (!fs::exists(Exerc())) return names;
        for (const auto& entry : fs::directory_iterator(Exerc())) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    ScratchFolder folder;
    RecordingBatchView view;
    ScriptedUi ui;
};

TEST_F(VersionsTest, LaterVersionsKeepSubKindsAndFormulasWithOtherNumbers) {
    Worksheet();
    VersionsPlan plan;
    std::string why;
    ASSERT_TRUE(PlanVersions(BatchExercises(), 4, 1234, RemakeExercise, plan, why)) << why;
    ASSERT_EQ(plan.versions.size(), 4u);
    EXPECT_EQ(plan.copied, (std::vector<int>{7, 8}));
    for (int i = 1; i <= 8; ++i) EXPECT_EQ(plan.versions[0][i - 1].statement, Batch.Slot(i).statement);
    for (std::size_t v = 1; v < 4; ++v) {
        for (int i = 1; i <= 6; ++i) {
            const ExerciseRecord& a = plan.versions[0][i - 1];
            const ExerciseRecord& b = plan.versions[v][i - 1];
            EXPECT_EQ(b.recipe, a.recipe) << "exercise " << i;
            EXPECT_EQ(Shape(b.statement), Shape(a.statement)) << b.statement;
            EXPECT_EQ(Shape(b.answer), Shape(a.answer)) << b.answer;
            for (std::size_t w = 0; w < v; ++w) {
                EXPECT_NE(b.statement, plan.versions[w][i - 1].statement) << "exercise " << i << " repeats a version";
            }
        }
        for (int i = 7; i <= 8; ++i) {
            EXPECT_EQ(plan.versions[v][i - 1].statement, Batch.Slot(i).statement);
            EXPECT_EQ(plan.versions[v][i - 1].answer, Batch.Slot(i).answer);
        }
    }
}

TEST_F(VersionsTest, TheSameBatchAndSeedGiveTheSameBytes) {
    Worksheet();
    DocumentTitle = "Hoja 3";
    auto documents = [&](uint32_t seed) {
        VersionsPlan plan;
        std::string why;
        EXPECT_TRUE(PlanVersions(BatchExercises(), 3, seed, RemakeExercise, plan, why)) << why;
        SeedRandom(seed * 7 + 1);  // the program's own random state plays no part
        return VersionDocuments(plan, "hoja", DocumentTitle);
    };
    const std::vector<NamedDocument> first = documents(1234);
    const std::vector<NamedDocument> again = documents(1234);
    const std::vector<NamedDocument> other = documents(1235);
    ASSERT_EQ(first.size(), 4u);
    const char* names[] = {"hoja-A.rtf", "hoja-B.rtf", "hoja-C.rtf", "hoja-soluciones.rtf"};
    for (std::size_t d = 0; d < 4; ++d) {
        EXPECT_EQ(first[d].fileName, names[d]);
        EXPECT_EQ(first[d].bytes, again[d].bytes) << names[d];
    }
    EXPECT_EQ(first[0].bytes, other[0].bytes);  // version A is the batch itself
    EXPECT_NE(first[1].bytes, other[1].bytes);
}

TEST_F(VersionsTest, EachVersionHasItsTitleAndTheKeyHasEveryVersionOnAPageOfItsOwn) {
    Worksheet();
    VersionsPlan plan;
    std::string why;
    ASSERT_TRUE(PlanVersions(BatchExercises(), 3, 9, RemakeExercise, plan, why));
    Presentation = 1;
    const std::vector<NamedDocument> docs = VersionDocuments(plan, "h", "Hoja");
    EXPECT_EQ(docs[0].bytes.rfind("{\\rtf\\ansi \\deff2\r\n", 0), 0u);
    EXPECT_NE(docs[0].bytes.find("{\\qc{\\b Hoja \\'97 versión A}\\line \\line \\par }{\\b 1) }Un átomo"),
              std::string::npos);
    EXPECT_NE(docs[2].bytes.find("{\\b Hoja \\'97 versión C}"), std::string::npos);
    const std::string& key = docs[3].bytes;
    std::size_t at = 0;
    for (char letter : {'A', 'B', 'C'}) {
        // The title of the version, then its answers, numbered, right under it.
        const std::vector<ExerciseRecord>& version = plan.versions[letter - 'A'];
        const std::string title = std::string("{\\qc{\\b Hoja \\'97 versión ") + letter +
                                  "}\\line \\line \\par }{\\b 1)}" + MarkupToRtf(version[0].answer) + "\\line {\\b 2)}";
        const std::size_t found = key.find(title, at);
        ASSERT_NE(found, std::string::npos) << letter;
        if (letter != 'A') {
            EXPECT_EQ(key.substr(found - 6, 6), "\\page ") << letter;
        }
        at = found + title.size();
    }
    EXPECT_EQ(key.find("\\page "), key.find("{\\qc{\\b Hoja \\'97 versión B}") - 6);
    EXPECT_EQ(key.substr(key.size() - 3), "}\r\n");
}

// ---- The menu command

TEST_F(VersionsTest, ANeverExportedBatchShowsTheSaveWindowThenWritesEveryVersionTheKeyAndTheBatch) {
    Worksheet();
    ui.saves.push_back(std::nullopt);
    MakeWorksheetVersions();  // never exported: the save window, here cancelled
    EXPECT_TRUE(FilesInExerc().empty());
    ui.saves.push_back(ScriptedUi::SaveAnswer{"hoja", "Moles", 1, true});
    Answer(3, 1234);
    ui.boxAnswers.push_back(kAnswerOk);
    MakeWorksheetVersions();
    ASSERT_EQ(ui.proposedVersions.size(), 1u);
    EXPECT_EQ(ui.proposedVersions[0].count, 2);  // the default
    EXPECT_EQ(FilesInExerc(), (std::vector<std::string>{"hoja-A.rtf", "hoja-B.rtf", "hoja-C.rtf",
                                                        "hoja-soluciones.rtf", "hoja.zlote"}));
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0].caption, "Versiones de la hoja");
    EXPECT_EQ(ui.boxes[0].text,
              "Estos ejercicios están editados a mano o no tienen receta; se copian iguales en todas las versiones: "
              "7, 8.");
    EXPECT_EQ(ui.boxes[0].flags, kBoxOkCancel);
    EXPECT_EQ(ui.boxes[1].text, "Escritos en la carpeta Exerc:\rhoja-A.rtf a hoja-C.rtf\rhoja-soluciones.rtf");
    EXPECT_NE(ReadAll(Exerc("hoja.zlote")).find("\r\nsemilla: 1234\r\n"), std::string::npos);
    EXPECT_EQ(BatchSeed, 1234u);
    EXPECT_FALSE(UnexportedChanges);
    EXPECT_EQ(VersionCount, 3);
}

TEST_F(VersionsTest, YesterdaysBatchFileAndSeedGiveTheSameDocumentsAgain) {
    Worksheet();
    ExportName = "hoja";
    DocumentTitle = "Concentraciones";
    BatchExported = true;  // exported before: no save window
    Answer(4, 77);
    ui.boxAnswers.push_back(kAnswerOk);
    MakeWorksheetVersions();
    std::vector<std::string> written;
    for (const std::string& name : FilesInExerc()) written.push_back(ReadAll(Exerc(name)));
    ASSERT_EQ(written.size(), 6u);
    fs::rename(Exerc(), folder.Path() / "ayer");

    // Another day: the program starts afresh and opens the batch file.
    BatchEnd();
    BatchStart();
    ExportName = "otro";
    BatchSeed = 5;
    SeedRandom(999);
    ASSERT_TRUE(OpenBatchFile((folder.Path() / "ayer" / "hoja.zlote").string()));
    ui.saves.push_back(ScriptedUi::SaveAnswer{ExportName, DocumentTitle, Presentation});
    Answer(4, BatchSeed);
    ui.boxAnswers.push_back(kAnswerOk);
    MakeWorksheetVersions();
    std::vector<std::string> again;
    for (const std::string& name : FilesInExerc()) again.push_back(ReadAll(Exerc(name)));
    EXPECT_EQ(again, written);
}

TEST_F(VersionsTest, AVersionThatCannotBeMadeWritesNothing) {
    Worksheet();
    ExportName = "hoja";
    BatchExported = true;
    // Sodium has left the table since the batch was made.
    SetElementTable({{"H", 1.008, 1}, {"O", 16, 8}, {"Cl", 35.45, 17}, {"S", 32.06, 16}});
    Answer(2, 1);
    MakeWorksheetVersions();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text,
              "No se ha escrito ninguna versión: el ejercicio 4 no se puede hacer de nuevo para la versión B "
              "(* Error *: Na no está en la base de datos ¿añadir?).");
    EXPECT_TRUE(FilesInExerc().empty());
    EXPECT_EQ(ui.elementEditorOpened, 0);
}

TEST_F(VersionsTest, AFileThatCannotBeWrittenLeavesEveryOldFileAsItWas) {
    Worksheet();
    ExportName = "hoja";
    BatchExported = true;
    fs::create_directories(Exerc("hoja-B.rtf") / "dentro");  // a folder holds the name of version B
    WriteAll(Exerc("hoja-A.rtf"), "viejo");
    Answer(2, 1);
    ui.boxAnswers = {kAnswerOk, kAnswerYes};  // the copies, then replacing hoja-A.rtf
    MakeWorksheetVersions();
    ASSERT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(ui.boxes[2].text.rfind("No se ha escrito ninguna versión (hay una carpeta con ese nombre):\r", 0), 0u)
        << ui.boxes[2].text;
    EXPECT_NE(ui.boxes[2].text.find("hoja-B.rtf"), std::string::npos);
    EXPECT_EQ(ReadAll(Exerc("hoja-A.rtf")), "viejo");
    EXPECT_EQ(FilesInExerc(), (std::vector<std::string>{"hoja-A.rtf", "hoja-B.rtf"}));  // no temporary file
}

TEST_F(VersionsTest, CancelledOrRefusedSettingsWriteNothing) {
    MakeWorksheetVersions();  // an empty batch: no window at all
    Worksheet();
    ExportName = "hoja";
    BatchExported = true;
    ui.versions.push_back(std::nullopt);
    MakeWorksheetVersions();
    ExportName = "a:b";
    Answer(2, 8);
    MakeWorksheetVersions();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Nombre de fichero no válido");
    // A name that fits a document but not the key beside it.
    const std::string fixed = folder.Text("Exerc") + ScratchFolder::Separator() + "-soluciones.rtf";
    ASSERT_LT(fixed.size(), 200u);
    ExportName = std::string(254 - fixed.size() + 1, 'n');
    Answer(2, 8);
    MakeWorksheetVersions();
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_NE(ui.boxes[1].text.find("Use como máximo " + std::to_string(254 - fixed.size()) + " caracteres."),
              std::string::npos)
        << ui.boxes[1].text;
    EXPECT_TRUE(FilesInExerc().empty());
    // The seed typed in the window is the batch's from then on.
    EXPECT_EQ(BatchSeed, 8u);
    EXPECT_TRUE(UnexportedChanges);
}

TEST_F(VersionsTest, StudentsSheetsHoldTheStatementsAloneAndTheKeyEveryAnswer) {
    Generate(1, 1);
    Generate(2, 4, "H2SO4");
    Batch.Slot(1).hint = "en el enunciado";
    Batch.Slot(1).hintPlacement = HintPlacement::InStatement;
    Batch.Slot(2).hint = "en la respuesta";
    Batch.Slot(2).hintPlacement = HintPlacement::InAnswer;
    VersionsPlan plan;
    std::string why;
    ASSERT_TRUE(PlanVersions(BatchExercises(), 3, 9, RemakeExercise, plan, why)) << why;
    for (int32_t presentation : {0, 1}) {
        Presentation = presentation;
        AnswersOnNewPage = true;
        const std::vector<NamedDocument> docs = VersionDocuments(plan, "h", "Hoja");
        for (std::size_t v = 0; v < 3; ++v) {
            const std::string& sheet = docs[v].bytes;
            EXPECT_NE(sheet.find(MarkupToRtf(StatementWithHint(plan.versions[v][0]))), std::string::npos) << v;
            EXPECT_NE(sheet.find("\\par   Comentario: en el enunciado"), std::string::npos) << v;
            EXPECT_NE(sheet.find(MarkupToRtf(plan.versions[v][1].statement)), std::string::npos) << v;
            for (const char* answerOnly : {"Respuestas", "Resp: ", "en la respuesta", " mol.", "M = "}) {
                EXPECT_EQ(sheet.find(answerOnly), std::string::npos) << presentation << " " << v << " " << answerOnly;
            }
            EXPECT_NE(docs[3].bytes.find(MarkupToRtf(AnswerWithHint(plan.versions[v][1]))), std::string::npos) << v;
        }
    }
}

TEST_F(VersionsTest, LaterVersionsAskTheSameQuestionWithOtherNumbers) {
    // A gas's unit and the quantity asked; which substances of a reaction play which part.
    Generate(5, 4);
    Generate(5, 2, "CO2");
    for (uint8_t subKind : {1, 2, 3, 4, 5}) {
        ui.subKinds = {subKind, 0};
        ui.reactions.push_back("CaCO3 + 2 HCl -> CaCl2 + CO2 + H2O");
        RunTopic(*FindTopic(8));
    }
    ASSERT_EQ(Batch.count, 7);
    // Which words a statement has, without its numbers and their signs.
    auto words = [](const std::string& text) {
        std::string kept;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '-' && i + 1 < text.size() && text[i + 1] >= '0' && text[i + 1] <= '9') continue;
            kept += text[i];
        }
        return Shape(kept);
    };
    VersionsPlan plan;
    std::string why;
    ASSERT_TRUE(PlanVersions(BatchExercises(), 10, 3, RemakeExercise, plan, why)) << why;
    for (std::size_t v = 1; v < 10; ++v) {
        for (int i = 0; i < 7; ++i) {
            EXPECT_EQ(words(plan.versions[v][i].statement), words(Batch.Slot(i + 1).statement))
                << "exercise " << i + 1 << ", version " << char('A' + v);
        }
    }
}

TEST_F(VersionsTest, EveryVersionIsWrittenWithTheNumberOptionsItsExerciseWasMadeWith) {
    NumberOptions = NumberStyle{true, true};
    Generate(3, 3, "NaCl");
    NumberOptions = NumberStyle{};  // turned off before the versions are made
    const std::string bytes = EncodeBatchFile(CurrentBatchFile());
    BatchFile file;  // and read again next month
    BatchFileError error;
    ASSERT_TRUE(DecodeBatchFile(bytes, file, error)) << error.reason;
    VersionsPlan plan;
    std::string why;
    ASSERT_TRUE(PlanVersions(file.exercises, 4, 21, RemakeExercise, plan, why)) << why;
    const std::string a = Batch.Slot(1).answer;
    ASSERT_EQ(a.find('.'), std::string::npos) << a;
    for (std::size_t v = 1; v < 4; ++v) {
        const std::string& answer = plan.versions[v][0].answer;
        EXPECT_NE(answer, a);
        EXPECT_EQ(answer.find('.'), std::string::npos) << answer;
        EXPECT_NE(answer.find(','), std::string::npos) << answer;
        EXPECT_EQ(answer.substr(0, 2), "  ") << answer;
        EXPECT_NE(answer.substr(2, 1), " ") << answer;  // no padding under the classroom options
    }
    EXPECT_EQ(NumberOptions, NumberStyle{});
}

TEST_F(VersionsTest, ExercisesThatCannotChangeAreNamedBeforeAnythingIsWritten) {
    Generate(2, 1, "H2O");   // a molar mass
    Generate(1, 1);
    Generate(7, 1, "NaCl");  // the composition of the compound typed
    ExportName = "hoja";
    BatchExported = true;
    Answer(3, 5);
    ui.boxAnswers.push_back(kAnswerCancel);
    MakeWorksheetVersions();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "Versiones de la hoja");
    EXPECT_EQ(ui.boxes[0].text, "Los ejercicios 1 y 3 serán iguales en todas las versiones.");
    EXPECT_EQ(ui.boxes[0].flags, kBoxOkCancel);
    EXPECT_TRUE(FilesInExerc().empty());
    Answer(3, 5);
    ui.boxAnswers.push_back(kAnswerOk);
    MakeWorksheetVersions();
    EXPECT_EQ(FilesInExerc().size(), 5u);
}

TEST_F(VersionsTest, YesterdaysSheetsAreReplacedOnlyWhenTheTeacherSaysSo) {
    Generate(1, 1);
    Generate(1, 2);
    ExportName = "hoja";
    DocumentTitle = "Atomos";
    BatchExported = true;
    fs::create_directories(Exerc());
    WriteAll(Exerc("hoja-B.rtf"), "ayer");
    Answer(2, 5);
    ui.boxAnswers.push_back(kAnswerNo);
    ui.saves.push_back(std::nullopt);  // No goes back to the save window, here left
    MakeWorksheetVersions();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "Ya existe Exerc\\hoja-B.rtf. ¿Reemplazarlo?");
    EXPECT_EQ(ui.boxes[0].flags, kBoxYesNo | kBoxIconExclamation | kBoxDefaultButton2);
    EXPECT_EQ(ui.proposedSaves.size(), 1u);
    EXPECT_EQ(FilesInExerc(), (std::vector<std::string>{"hoja-B.rtf"}));
    EXPECT_EQ(ReadAll(Exerc("hoja-B.rtf")), "ayer");
    Answer(2, 5);
    ui.boxAnswers.push_back(kAnswerYes);
    MakeWorksheetVersions();
    EXPECT_NE(ReadAll(Exerc("hoja-B.rtf")), "ayer");
    // What this run wrote is written again without a question.
    Answer(3, 5);
    MakeWorksheetVersions();
    EXPECT_EQ(FilesInExerc().size(), 5u);
    EXPECT_EQ(ui.boxes.back().text, "Escritos en la carpeta Exerc:\rhoja-A.rtf a hoja-C.rtf\rhoja-soluciones.rtf");
}

TEST_F(VersionsTest, ADrawThatRepeatsAnEarlierVersionIsDrawnAgain) {
    ScriptRandom({10, 1, 2});
    Generate(1, 1);
    ScriptRandom({10, 1, 2});  // the first draw of version B is version A's
    VersionsPlan plan;
    std::string why;
    ASSERT_TRUE(PlanVersions(BatchExercises(), 2, 4, RemakeExercise, plan, why)) << why;
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    ExerciseRecord second;
    ASSERT_TRUE(RemakeExercise(Batch.Slot(1), 4, 'B', 1, 1, second, why)) << why;
    EXPECT_NE(second.statement, Batch.Slot(1).statement);
    EXPECT_EQ(plan.versions[1][0].statement, second.statement);
}

TEST_F(VersionsTest, AnExerciseWhoseEveryDrawRepeatsIsCopiedIntoEveryVersion) {
    Generate(2, 1, "H2SO4");
    VersionsPlan plan;
    std::string why;
    ASSERT_TRUE(PlanVersions(BatchExercises(), 3, 4, RemakeExercise, plan, why)) << why;
    for (std::size_t v = 1; v < 3; ++v) {
        EXPECT_EQ(plan.versions[v][0].statement, Batch.Slot(1).statement);
        EXPECT_EQ(plan.versions[v][0].answer, Batch.Slot(1).answer);
    }
    EXPECT_EQ(plan.unchanged, (std::vector<int>{1}));
}

TEST(VersionNumbers, RunsOfThreeOrMoreBecomeRanges) {
    const std::pair<std::vector<int>, std::string> cases[] = {
        {{}, ""},          {{7}, "7"},          {{7, 8}, "7, 8"},         {{1, 2, 3}, "1-3"},
        {{1, 3, 5}, "1, 3, 5"}, {{1, 2, 3, 5, 6, 9, 10, 11, 12}, "1-3, 5, 6, 9-12"},
    };
    for (const auto& [numbers, text] : cases) EXPECT_EQ(NumberList(numbers), text);
}

}  // namespace
