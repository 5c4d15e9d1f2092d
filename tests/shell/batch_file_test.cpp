#include "shell/batch_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/start_up.h"
#include "shell/export.h"
#include "shell/interaction.h"
#include "tests/support/exercises.h"
#include "tests/support/files.h"
#include "tests/support/recording_batch_view.h"
#include "tests/support/scripted_ui.h"

namespace {

void ExpectSameFile(const BatchFile& a, const BatchFile& b) {
    EXPECT_EQ(a.exportName, b.exportName);
    EXPECT_EQ(a.documentTitle, b.documentTitle);
    EXPECT_EQ(a.presentation, b.presentation);
    EXPECT_EQ(a.seed, b.seed);
    ASSERT_EQ(a.exercises.size(), b.exercises.size());
    for (std::size_t i = 0; i < a.exercises.size(); ++i) {
        const ExerciseRecord& x = a.exercises[i];
        const ExerciseRecord& y = b.exercises[i];
        EXPECT_EQ(x.statement, y.statement) << "exercise " << i + 1;
        EXPECT_EQ(x.answer, y.answer) << "exercise " << i + 1;
        EXPECT_EQ(x.hint, y.hint) << "exercise " << i + 1;
        EXPECT_EQ(x.hintPlacement, y.hintPlacement) << "exercise " << i + 1;
        EXPECT_EQ(x.recipe, y.recipe) << "exercise " << i + 1;
        EXPECT_EQ(x.editedByHand, y.editedByHand) << "exercise " << i + 1;
        EXPECT_EQ(x.results, y.results) << "exercise " << i + 1;
        EXPECT_TRUE(y.accepted);
    }
}

BatchFile Decoded(const std::string& bytes) {
    BatchFile file;
    BatchFileError error;
    EXPECT_TRUE(DecodeBatchFile(bytes, file, error)) << "line " << error.line << ": " << error.reason;
    return file;
}

// ---- The file's form

TEST(BatchFileForm, IsReadableLinesWithEscapesWhereTextsNeedThem) {
    BatchFile file;
    file.exportName = "serie 1";
    file.documentTitle = "Química 2º — moles";
    file.presentation = 0;
    file.seed = 4294967295u;
    ExerciseRecord atom = Exercise("Un átomo\r\na) \\b", "  a) 11 ", {1, 2, "", 0, {}, NumberStyle{}});
    atom.hint = "ojo";
    atom.hintPlacement = HintPlacement::InAnswer;
    file.exercises.push_back(atom);
    ExerciseRecord ph = Exercise("pH\tx\x01", "r", {4, 1, "NaCl", kAnswerYes, {1, 0}, NumberStyle{true, true}});
    ph.editedByHand = true;
    file.exercises.push_back(ph);
    file.exercises.push_back(Exercise("antiguo", "sin receta"));
    EXPECT_EQ(EncodeBatchFile(file),
              "ZORVI-LOTE 2\r\n"
              "nombre: serie 1\r\n"
              "título: Química 2º — moles\r\n"
              "presentación: 0\r\n"
              "semilla: 4294967295\r\n"
              "ejercicios: 3\r\n"
              "\r\n"
              "ejercicio: 1\r\n"
              "enunciado: Un átomo\\r\\na) \\\\b\r\n"
              "respuesta:   a) 11\\x20\r\n"
              "comentario: ojo\r\n"
              "lugar del comentario: en respuesta\r\n"
              "tema: 1\r\n"
              "tipo: 2\r\n"
              "fórmula:\r\n"
              "continuar igualmente: sin pregunta\r\n"
              "números: ninguna\r\n"
              "editado a mano: no\r\n"
              "\r\n"
              "ejercicio: 2\r\n"
              "enunciado: pH\\tx\\x01\r\n"
              "respuesta: r\r\n"
              "comentario:\r\n"
              "lugar del comentario: no poner\r\n"
              "tema: 4\r\n"
              "tipo: 1\r\n"
              "fórmula: NaCl\r\n"
              "continuar igualmente: sí\r\n"
              "números: coma decimal, cifras significativas\r\n"
              "elecciones: 1 0\r\n"
              "editado a mano: sí\r\n"
              "\r\n"
              "ejercicio: 3\r\n"
              "enunciado: antiguo\r\n"
              "respuesta: sin receta\r\n"
              "comentario:\r\n"
              "lugar del comentario: no poner\r\n"
              "tema: 0\r\n"
              "tipo: 0\r\n"
              "fórmula:\r\n"
              "continuar igualmente: sin pregunta\r\n"
              "editado a mano: no\r\n"
              "\r\n"
              "fin\r\n");
}

TEST(BatchFileForm, EveryByteOfEveryTextSurvivesASaveAndAnOpen) {
    std::string everyByte;
    for (int c = 1; c <= 255; ++c) everyByte += static_cast<char>(c);
    ASSERT_EQ(everyByte.size(), 255u);
    std::string reversed(everyByte.rbegin(), everyByte.rend());
    BatchFile file;
    file.exportName = std::string(255, 'n');
    file.documentTitle = reversed;
    file.presentation = 1;
    file.seed = 0;
    // Line breaks of every kind, backslashes before letters that are escapes, blanks at both ends.
    file.exercises.push_back(Exercise("\r\n\r\\r\\n\\x41\\\n  ", "  \\", {2, 4, "H2SO4", 0, {}, {}}));
    ExerciseRecord full = Exercise(everyByte, reversed, {99, 255, std::string(255, 'F'), kAnswerNo, {}, {}});
    full.hint = std::string(79, 'h') + ' ';
    full.hintPlacement = HintPlacement::InStatement;
    full.editedByHand = true;
    file.exercises.push_back(full);
    ExerciseRecord recipeText = Exercise("", "", {5, 3, "CaCO3 + 2 HCl -> CaCl2 + CO2 + H2O", kAnswerYes,
                                                  std::vector<uint8_t>(16, 255), NumberStyle{false, true}});
    recipeText.hint = everyByte.substr(0, 80);
    file.exercises.push_back(recipeText);
    for (int i = 0; i < 47; ++i) file.exercises.push_back(Exercise("e" + std::to_string(i), " "));

    const std::string bytes = EncodeBatchFile(file);
    // Lines end in CRLF and hold no other control byte: the texts' own are escaped.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        if (c == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare line feed at " << i;
        } else if (c == '\r') {
            ASSERT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare carriage return at " << i;
        } else {
            ASSERT_TRUE(c >= 0x20 && c != 0x7F) << "control byte " << int(c) << " at " << i;
        }
        // No line ends in a blank that an editor could drop.
        if (c == '\r') {
            ASSERT_NE(bytes[i - 1], ' ') << "line ends in a blank at " << i;
        }
    }
    ExpectSameFile(file, Decoded(bytes));
    EXPECT_EQ(EncodeBatchFile(Decoded(bytes)), bytes);
}

TEST(BatchFileForm, ReadsWhatEditorsMakeOfTheLines) {
    const BatchFile file = Decoded(
        "ZORVI-LOTE 1\n"  // line feeds alone
        "nombre:serie\n"  // no blank after the colon
        "título: T\r\n"
        "presentación:  1  \r\n"  // blanks around a number
        "semilla: 7\r\n"
        "ejercicios: 1\r\n"
        "\r\n\r\n"
        "ejercicio: 1\r\n"
        "enunciado: E \\x20\r\n"
        "respuesta: R\\x5c\\xe1\r\n"  // small hexadecimal digits
        "comentario:\r\n"
        "lugar del comentario: en enunciado\r\n"
        "tema: 3\r\n"
        "tipo: 5\r\n"
        "fórmula: NaCl\r\n"
        "continuar igualmente: no\r\n"
        "editado a mano: no\r\n"
        "fin");  // no line end after the last line
    EXPECT_EQ(file.exportName, "serie");
    EXPECT_EQ(file.presentation, 1);
    EXPECT_EQ(file.seed, 7u);
    ASSERT_EQ(file.exercises.size(), 1u);
    EXPECT_EQ(file.exercises[0].statement, "E  ");
    EXPECT_EQ(file.exercises[0].answer, "R\\\xE1");
    EXPECT_EQ(file.exercises[0].hint, "");
    EXPECT_EQ(file.exercises[0].hintPlacement, HintPlacement::InStatement);
    EXPECT_EQ(file.exercises[0].recipe, (Recipe{3, 5, "NaCl", kAnswerNo, {}, {}}));
}

// Notepad saves UTF-8, with or without the byte-order mark: the file is read as the
// Windows-1252 it stands for, and a character that Windows-1252 lacks is refused on its line.
TEST(BatchFileForm, AFileThatNotepadSavedAsUtf8ReadsAsItWasWritten) {
    const std::string notepad =
        "ZORVI-LOTE 1\r\nnombre: serie\r\nt\xC3\xADtulo: Qu\xC3\xADmica 2\xC2\xBA \xE2\x80\x94 moles\r\n"
        "presentaci\xC3\xB3n: 1\r\nsemilla: 7\r\nejercicios: 1\r\n\r\nejercicio: 1\r\n"
        "enunciado: 2 H_2 + O_2 -> 2 H_2O a 25 \xC2\xB0" "C\r\n"
        "respuesta: R\r\ncomentario: \xC2\xBF" "f\xC3\xA1" "cil?\r\n"
        "lugar del comentario: en respuesta\r\ntema: 8\r\ntipo: 1\r\nf\xC3\xB3rmula: 2 H2 + O2 -> 2 H2O\r\n"
        "continuar igualmente: sin pregunta\r\neditado a mano: s\xC3\xAD\r\n\r\nfin\r\n";
    for (const std::string& bytes : {"\xEF\xBB\xBF" + notepad, notepad}) {
        const BatchFile file = Decoded(bytes);
        EXPECT_EQ(file.documentTitle, "Química 2º — moles");
        ASSERT_EQ(file.exercises.size(), 1u);
        EXPECT_EQ(file.exercises[0].statement, "2 H_2 + O_2 -> 2 H_2O a 25 °C");
        EXPECT_EQ(file.exercises[0].hint, "¿fácil?");
        EXPECT_TRUE(file.exercises[0].editedByHand);
    }
    std::string arrow = notepad;
    arrow.replace(arrow.find("->"), 2, "\xE2\x86\x92");
    BatchFile file;
    BatchFileError error;
    EXPECT_FALSE(DecodeBatchFile(arrow, file, error));
    EXPECT_EQ(BatchFileRefusal("serie.zlote", error),
              "serie.zlote, línea 9:\rel carácter U+2192 no existe en Windows-1252 (ANSI).");
}

TEST(BatchFileForm, ARecipeWithoutTopicIsNoRecipe) {
    const BatchFile file = Decoded(EncodeBatchFile(BatchFile{"n", "t", 1, 1, {Exercise("e", "a", {0, 0, "HCl", kAnswerYes, {}, {}})}}));
    EXPECT_EQ(file.exercises[0].recipe, Recipe{});
}

// What the quiz grades comes back exactly: a value of every double's digits, a unit with a
// final blank, a formula, and a choice among its substances.
TEST(BatchFileForm, ResultsAreLinesOfTheirOwnAndComeBackExactly) {
    ExerciseRecord record = Exercise("E", "R", {8, 3, "2 H2 + O2 -> 2 H2O", 0, {1}, NumberStyle{}});
    ExerciseResult moles{ResultKind::Number, "n =", 0.1 + 0.2, "mol ", 2, false, false, "", {}};
    ExerciseResult molecules{ResultKind::Number, "", 3.011e24, "moléculas", 3, true, false, "", {}};
    ExerciseResult protons{ResultKind::Number, "a)", 14, "protones", 0, false, true, "", {}};
    ExerciseResult ph{ResultKind::Number, "pH =", 13.5, "", 2, false, false, "", {}, true};
    ExerciseResult formula{ResultKind::Formula, "fórmula:", 0, "", 0, false, false, "CH_2O", {}};
    ExerciseResult limiting{ResultKind::Choice, "limitante:", 0, "", 0, false, false, "O_2", {"H_2", "O_2"}};
    record.results = {moles, molecules, protons, ph, formula, limiting};
    const std::string bytes = EncodeBatchFile(BatchFile{"n", "t", 1, 1, {record}});
    const std::string lines =
        "resultado: número, 2 decimales\r\n"
        "etiqueta: n =\r\n"
        "valor: 0.30000000000000004\r\n"
        "unidad: mol\\x20\r\n"
        "resultado: número, 3 cifras\r\n"
        "etiqueta:\r\n"
        "valor: 3.011e+24\r\n"
        "unidad: moléculas\r\n"
        "resultado: número, exacto\r\n"
        "etiqueta: a)\r\n"
        "valor: 14\r\n"
        "unidad: protones\r\n"
        "resultado: número, 2 decimales, logaritmo\r\n"
        "etiqueta: pH =\r\n"
        "valor: 13.5\r\n"
        "unidad:\r\n"
        "resultado: fórmula\r\n"
        "etiqueta: fórmula:\r\n"
        "valor: CH_2O\r\n"
        "resultado: elección\r\n"
        "etiqueta: limitante:\r\n"
        "valor: O_2\r\n"
        "opción: H_2\r\n"
        "opción: O_2\r\n"
        "editado a mano: no\r\n";
    EXPECT_NE(bytes.find("elecciones: 1\r\n" + lines), std::string::npos) << bytes;
    EXPECT_EQ(Decoded(bytes).exercises[0].results, record.results);
}

// ---- Refusals

// A file of one exercise, with line `line` (from 1) replaced by `text`, or cut after it when
// `text` is null.
std::string Edited(int line, const char* text) {
    const std::vector<std::string> lines = {
        "ZORVI-LOTE 1", "nombre: serie", "título: T", "presentación: 1", "semilla: 12", "ejercicios: 1", "",
        "ejercicio: 1", "enunciado: E", "respuesta: R", "comentario: ", "lugar del comentario: no poner", "tema: 2",
        "tipo: 4", "fórmula: H2O", "continuar igualmente: sin pregunta", "editado a mano: no", "", "fin",
    };
    std::string bytes;
    for (int i = 1; i <= static_cast<int>(lines.size()); ++i) {
        if (i == line && text == nullptr) break;
        bytes += (i == line ? std::string(text) : lines[i - 1]) + "\r\n";
    }
    return bytes;
}

struct Refusal {
    const char* what;
    std::string bytes;
    std::string message;  // after "serie.zlote, "
};

TEST(BatchFileRefusals, NameTheFileTheLineAndWhatIsWrong) {
    std::string fiftyOne = "ZORVI-LOTE 1\r\nnombre: \r\ntítulo: \r\npresentación: 1\r\nsemilla: 1\r\nejercicios: 51\r\n";
    const Refusal cases[] = {
        {"empty", "", "línea 1:\rel fichero está vacío: no es un lote de Zorvi."},
        {"blank lines only", "\r\n\r\n", "línea 1:\rel fichero está vacío: no es un lote de Zorvi."},
        {"another kind of file", "{\\rtf\\ansi \\deff2\r\n",
         "línea 1:\rno es un lote de Zorvi: la primera línea debe ser «ZORVI-LOTE 2»."},
        {"a later format", "ZORVI-LOTE 3\r\n",
         "línea 1:\rel lote es de otra versión del formato («ZORVI-LOTE 3»); este programa lee «ZORVI-LOTE 2»."},
        {"cut in the header", Edited(4, nullptr),
         "línea 4:\rel fichero se acaba antes de tiempo: falta la línea «presentación»."},
        {"cut in an exercise", Edited(11, nullptr),
         "línea 11:\rel fichero se acaba antes de tiempo: falta la línea «comentario»."},
        {"cut before the end", Edited(19, nullptr), "línea 19:\rel fichero se acaba antes de tiempo: falta la línea «fin»."},
        {"a line out of place", Edited(10, "comentario: x"),
         "línea 10:\rse esperaba «respuesta: ...» y pone «comentario: x»."},
        {"a long line out of place", Edited(2, "título: una línea larga\tde verdad"),
         "línea 2:\rse esperaba «nombre: ...» y pone «título: una línea larga?...»."},
        {"more than 50 exercises", fiftyOne, "línea 6:\rel lote tiene 51 ejercicios; un lote tiene 50 como máximo."},
        {"fewer exercises than announced", Edited(6, "ejercicios: 2"), "línea 19:\rel lote anuncia 2 ejercicios y solo tiene 1."},
        {"an exercise out of order", Edited(8, "ejercicio: 2"), "línea 8:\rse esperaba «ejercicio: 1» y pone «ejercicio: 2»."},
        {"a statement too long", Edited(9, ("enunciado: " + std::string(254, 'x') + "\\\\\\r").c_str()),
         "línea 9:\rel enunciado tiene 256 caracteres; el máximo es 255."},
        {"an answer too long", Edited(10, ("respuesta: " + std::string(256, 'x')).c_str()),
         "línea 10:\rla respuesta tiene 256 caracteres; el máximo es 255."},
        {"a hint too long", Edited(11, ("comentario: " + std::string(81, 'x')).c_str()),
         "línea 11:\rel comentario tiene 81 caracteres; el máximo es 80."},
        {"a name too long", Edited(2, ("nombre: " + std::string(256, 'x')).c_str()),
         "línea 2:\rel nombre tiene 256 caracteres; el máximo es 255."},
        {"a formula too long", Edited(15, ("fórmula: " + std::string(256, 'x')).c_str()),
         "línea 15:\rla fórmula tiene 256 caracteres; el máximo es 255."},
        {"an unknown escape", Edited(9, "enunciado: C:\\datos"),
         "línea 9:\r«\\d» no es una secuencia válida (una «\\» se escribe «\\\\»)."},
        {"a bad hexadecimal escape", Edited(9, "enunciado: a\\x4g"),
         "línea 9:\rtras «\\x» deben venir dos cifras hexadecimales."},
        {"a backslash at the end", Edited(10, "respuesta: a\\"),
         "línea 10:\rla línea acaba en «\\» sin nada detrás (una «\\» se escribe «\\\\»)."},
        {"a presentation of 2", Edited(4, "presentación: 2"), "línea 4:\rla presentación debe ser 0 o 1."},
        {"a seed too big", Edited(5, "semilla: 4294967296"), "línea 5:\rla semilla debe ser un número de 0 a 4294967295."},
        {"a negative seed", Edited(5, "semilla: -1"), "línea 5:\rla semilla debe ser un número de 0 a 4294967295."},
        {"no count", Edited(6, "ejercicios: "), "línea 6:\rel número de ejercicios no es un número."},
        {"unknown number options", Edited(16, "continuar igualmente: no\r\nnúmeros: coma"),
         "línea 17:\r«números» debe ser «ninguna», «coma decimal», «cifras significativas» o las dos separadas por "
         "una coma."},
        {"a choice that is no number", Edited(16, "continuar igualmente: no\r\nelecciones: 1 x"),
         "línea 17:\rlas elecciones deben ser números de 0 a 255 separados por blancos."},
        {"a choice too big", Edited(16, "continuar igualmente: no\r\nnúmeros: ninguna\r\nelecciones: 256"),
         "línea 18:\rlas elecciones deben ser números de 0 a 255 separados por blancos."},
        {"too many choices", Edited(16, "continuar igualmente: no\r\nelecciones: 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0"),
         "línea 17:\runa receta guarda 16 elecciones como máximo."},
        {"an unknown placement", Edited(12, "lugar del comentario: arriba"),
         "línea 12:\rel lugar del comentario debe ser «no poner», «en enunciado» o «en respuesta»."},
        {"topic 100", Edited(13, "tema: 100"), "línea 13:\rel tema debe ser un número de 0 a 99."},
        {"a topic without sub-kind", Edited(14, "tipo: 0"), "línea 14:\rel tipo debe ser un número de 1 a 255."},
        {"a sub-kind beyond a byte", Edited(14, "tipo: 256"), "línea 14:\rel tipo debe ser un número de 1 a 255."},
        {"a sub-kind without topic", Edited(13, "tema: 0"), "línea 14:\rsin tema, el tipo debe ser 0."},
        {"an unknown answer", Edited(16, "continuar igualmente: quizá"),
         "línea 16:\r«continuar igualmente» debe ser «sí», «no» o «sin pregunta»."},
        {"an unknown mark", Edited(17, "editado a mano: 1"), "línea 17:\r«editado a mano» debe ser «sí» o «no»."},
        {"something after the end", Edited(19, "fin\r\nmás"), "línea 20:\rdespués de «fin» no puede haber nada más."},
        {"an unknown result", Edited(16, "continuar igualmente: no\r\nresultado: texto"),
         "línea 17:\r«resultado» debe ser «fórmula», «elección», «número, exacto», «número, N decimales» o «número, N "
         "cifras» (un pH lleva detrás «, logaritmo»)."},
        {"a number of 18 figures", Edited(16, "continuar igualmente: no\r\nresultado: número, 18 cifras"),
         "línea 17:\r«resultado» debe ser «fórmula», «elección», «número, exacto», «número, N decimales» o «número, N "
         "cifras» (un pH lleva detrás «, logaritmo»)."},
        {"a value with a comma",
         Edited(16, "continuar igualmente: no\r\nresultado: número, 2 decimales\r\netiqueta:\r\nvalor: 0,5"),
         "línea 19:\rel valor debe ser un número escrito con punto, como 0.5 o 6.022e+23."},
        {"a number without its unit",
         Edited(16, "continuar igualmente: no\r\nresultado: número, 0 decimales\r\netiqueta:\r\nvalor: 1"),
         "línea 20:\rse esperaba «unidad: ...» y pone «editado a mano: no»."},
        {"a choice not offered",
         Edited(16, "continuar igualmente: no\r\nresultado: elección\r\netiqueta:\r\nvalor: O_2\r\nopción: H_2"),
         "línea 19:\rla sustancia elegida debe estar entre las opciones."},
    };
    for (const Refusal& c : cases) {
        BatchFile file;
        file.exportName = "sin tocar";
        BatchFileError error;
        EXPECT_FALSE(DecodeBatchFile(c.bytes, file, error)) << c.what;
        EXPECT_EQ(BatchFileRefusal(std::string("C:\\Clase\\Exerc\\serie.zlote"), error), "serie.zlote, " + c.message)
            << c.what;
        EXPECT_EQ(file.exportName, "sin tocar") << c.what;
    }
}

// ---- Opening and saving through the program

class BatchFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetUpProgram();
        BatchStart();
        ExportName = "viejo";
        DocumentTitle = "Título viejo";
        Presentation = 0;
    }

    std::string Folder() const { return folder.Text("Exerc"); }

    ScratchFolder folder;
    RecordingBatchView view;
    ScriptedUi ui;
};

TEST_F(BatchFileTest, OpeningReplacesTheBatchTheSettingsAndTheSeed) {
    AddExercise("viejo 1");
    UnexportedChanges = false;
    BatchFile file{"serie", "Moles", 1, 99, {Exercise("E1", "A1", {2, 1, "H2O", 0, {}, {}}), Exercise("E2", "A2")}};
    WriteAll(folder.Path() / "serie.zlote", EncodeBatchFile(file));
    ASSERT_TRUE(OpenBatchFile(folder.Text("serie.zlote")));
    EXPECT_TRUE(ui.boxes.empty());
    ASSERT_EQ(Batch.count, 2);
    EXPECT_EQ(Batch.Slot(1).recipe, (Recipe{2, 1, "H2O", 0, {}, {}}));
    EXPECT_EQ(ExportName, "serie");
    EXPECT_EQ(DocumentTitle, "Moles");
    EXPECT_EQ(Presentation, 1);
    EXPECT_EQ(BatchSeed, 99u);
    EXPECT_FALSE(UnexportedChanges);
    EXPECT_FALSE(BatchExported);
    EXPECT_EQ(view.lines, (std::vector<std::string>{"1]E1", "2]E2"}));
    EXPECT_EQ(view.selected, 1);
    EXPECT_TRUE(view.Usable(BatchButton::MoveUp));
    EXPECT_TRUE(view.menuEnabled);
    EXPECT_EQ(view.title, "Ejercicios de Química. Nº ejercicios: 2");
    // The same bytes come back.
    EXPECT_EQ(EncodeBatchFile(CurrentBatchFile()), EncodeBatchFile(file));
}

TEST_F(BatchFileTest, ARefusedOrUnreadableFileChangesNothing) {
    BatchSeedClock = [] { return 5u; };
    AddExercise("mío");
    UnexportedChanges = true;
    WriteAll(folder.Path() / "roto.zlote", Edited(11, nullptr));
    const struct {
        std::string path;
        std::string text;
    } cases[] = {
        {folder.Text("roto.zlote"),
         "roto.zlote, línea 11:\rel fichero se acaba antes de tiempo: falta la línea «comentario»."},
        {folder.Text("no está.zlote"), "no está.zlote:\rel fichero no existe."},
    };
    for (const auto& c : cases) {
        ui.boxes.clear();
        EXPECT_FALSE(OpenBatchFile(c.path));
        ASSERT_EQ(ui.boxes, (ShownBoxes{{"No se puede abrir el lote", c.text, kBoxOk}}));
        ASSERT_EQ(Batch.count, 1);
        EXPECT_EQ(Batch.Slot(1).statement, "mío");
        EXPECT_EQ(ExportName, "viejo");
        EXPECT_EQ(DocumentTitle, "Título viejo");
        EXPECT_EQ(Presentation, 0);
        EXPECT_EQ(BatchSeed, 5u);
        EXPECT_TRUE(UnexportedChanges);
        EXPECT_EQ(view.lines, std::vector<std::string>{"1]mío"});
    }
}

TEST_F(BatchFileTest, NoBatchIsOpenedOverAnExerciseOpenInTheEditor) {
    AddExercise("mío");
    WriteAll(folder.Path() / "otro.zlote", EncodeBatchFile(BatchFile{"otro", "", 1, 3, {Exercise("E", "A")}}));
    view.selected = 1;
    bool opened = true;
    ui.edits.push_back([&](ExerciseRecord& record) {
        OpenBatchCommand();  // from the menu, while the editor is open: refused before any question
        opened = OpenBatchFile(folder.Text("otro.zlote"));
        record.answer = "editada";
        return true;
    });
    EditSelected();
    EXPECT_FALSE(opened);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_EQ(ui.boxes[0],
              (ShownBox{"Lote ejercicios",
                        "El ejercicio 1 está abierto en el editor.\rAcéptalo o cancélalo antes de cambiar el lote.",
                        kBoxOk}));
    EXPECT_TRUE(ui.fileDialogs.empty());
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Batch.Slot(1).statement, "mío");
    EXPECT_EQ(Batch.Slot(1).answer, "editada");
}

TEST_F(BatchFileTest, OpeningAsksFirstWhenTheBatchWasNeitherExportedNorSaved) {
    AddExercise("mío");
    UnexportedChanges = true;
    WriteAll(folder.Path() / "otro.zlote", EncodeBatchFile(BatchFile{"otro", "", 1, 3, {Exercise("E", "A")}}));
    ui.boxAnswers = {kAnswerNo};
    OpenBatchCommand();  // declined: no dialog
    EXPECT_TRUE(ui.fileDialogs.empty());
    ui.boxAnswers = {kAnswerYes};
    ui.batchFiles = {std::nullopt};
    OpenBatchCommand();  // the dialog cancelled
    EXPECT_EQ(Batch.Slot(1).statement, "mío");
    ui.boxAnswers = {kAnswerYes};
    ui.batchFiles = {folder.Text("otro.zlote")};
    OpenBatchCommand();
    ASSERT_EQ(ui.boxes.size(), 3u);
    EXPECT_EQ(
        ui.boxes[0],
        (ShownBox{
            "Abrir lote",
            "Hay ejercicios en el lote que no se han guardado en un fichero .rtf.\r¿Abrir otro lote sin guardarlos?",
            kBoxYesNo | kBoxIconExclamation}));
    ASSERT_EQ(ui.fileDialogs.size(), 2u);
    EXPECT_FALSE(ui.fileDialogs[1].saving);
    EXPECT_EQ(ui.fileDialogs[1].folder, Folder());
    EXPECT_EQ(Batch.Slot(1).statement, "E");
    // Saved or exported: opened without a question.
    ui.batchFiles = {folder.Text("otro.zlote")};
    OpenBatchCommand();
    EXPECT_EQ(ui.boxes.size(), 3u);
}

TEST_F(BatchFileTest, SavingProposesTheExportNameInExercAndWritesAtomically) {
    SaveBatchCommand();  // an empty batch: nothing
    EXPECT_TRUE(ui.fileDialogs.empty());
    AddExercise("E1");
    ui.batchFiles = {folder.Text("Exerc/guardado.zlote")};
    SaveBatchCommand();
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_TRUE(ui.fileDialogs[0].saving);
    EXPECT_EQ(ui.fileDialogs[0].folder, Folder());
    EXPECT_EQ(ui.fileDialogs[0].path, "viejo.zlote");
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "Exerc"));  // the dialog starts there
    EXPECT_EQ(ReadAll(folder.Path() / "Exerc" / "guardado.zlote"), EncodeBatchFile(CurrentBatchFile()));
    EXPECT_FALSE(UnexportedChanges);
    EXPECT_TRUE(ui.boxes.empty());

    // A folder in the way: told, the batch still counts as not saved, no temporary file left.
    UnexportedChanges = true;
    std::filesystem::create_directories(folder.Path() / "Exerc" / "ocupado.zlote" / "dentro");
    ui.batchFiles = {folder.Text("Exerc/ocupado.zlote")};
    SaveBatchCommand();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "No se ha podido guardar el lote");
    EXPECT_EQ(ui.boxes[0].text.rfind("No se ha podido guardar el lote (", 0), 0u) << ui.boxes[0].text;
    EXPECT_TRUE(UnexportedChanges);
    EXPECT_EQ(EntriesIn(folder.Path() / "Exerc"), 2u);
}

TEST_F(BatchFileTest, AnExportWritesTheBatchBesideTheDocument) {
    AddExercise("E1");
    ui.saves.push_back(ScriptedUi::SaveAnswer{"serie", "T", 1});
    ASSERT_TRUE(ExportBatch());
    EXPECT_EQ(ReadAll(folder.Path() / "Exerc" / "serie.zlote"), EncodeBatchFile(CurrentBatchFile()));
    // And a batch file that cannot be written beside it is told, the document kept.
    std::filesystem::create_directories(folder.Path() / "Exerc" / "otra.zlote" / "dentro");
    ui.saves.push_back(ScriptedUi::SaveAnswer{"otra", "T", 1});
    EXPECT_TRUE(ExportBatch());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "No se ha podido guardar el lote");
    EXPECT_EQ(ui.boxes[0].text.rfind("El documento se ha guardado, pero el lote no (", 0), 0u) << ui.boxes[0].text;
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Exerc" / "otra.rtf"));
}

// ---- The batch's seed and the marks of the editor

TEST_F(BatchFileTest, TheSeedIsMadeWhenTheFirstExerciseEntersAnEmptyBatch) {
    uint32_t tick = 1000;
    static uint32_t* clock = nullptr;
    clock = &tick;
    BatchSeedClock = [] { return (*clock)++; };
    AddExercise("uno");
    EXPECT_EQ(BatchSeed, 1000u);
    AddExercise("dos");
    EXPECT_EQ(BatchSeed, 1000u);
    ui.boxAnswers = {kAnswerYes};
    BatchReset();
    AddExercise("tres");
    EXPECT_EQ(BatchSeed, 1001u);
}

TEST_F(BatchFileTest, OnlyAChangedStatementOrAnswerMarksAnExerciseEditedByHand) {
    AskConfirmation = true;
    const struct {
        const char* what;
        std::function<bool(ExerciseRecord&)> edit;
        bool edited;
    } cases[] = {
        {"accepted as it was", ScriptedUi::Accept(), false},
        {"hint and placement only",
         [](ExerciseRecord& r) {
             r.hint = "pista";
             r.hintPlacement = HintPlacement::InAnswer;
             return true;
         },
         false},
        {"statement changed", [](ExerciseRecord& r) { r.statement += "!"; return true; }, true},
        {"answer changed", [](ExerciseRecord& r) { r.answer += "?"; return true; }, true},
        {"changed and cancelled", [](ExerciseRecord& r) { r.answer = "otra"; return false; }, false},
    };
    for (const auto& c : cases) {
        // A new exercise in the editor, then the same exercise edited again from the list.
        const int before = Batch.count;
        CurrentExercise = Exercise("E", "A", {1, 1, "", 0, {}, {}});
        CurrentExercise.results = {ExerciseResult{ResultKind::Number, "", 1, "g", 2, false, false, "", {}}};
        ui.edits = {c.edit};
        OfferExercise(CurrentExercise);
        if (Batch.count == before) {
            EXPECT_FALSE(c.edited) << c.what;
            continue;
        }
        EXPECT_EQ(Batch.Slot(Batch.count).editedByHand, c.edited) << c.what;
        // An answer changed by hand no longer says what the results say.
        EXPECT_EQ(Batch.Slot(Batch.count).results.empty(), c.edited) << c.what;
        EXPECT_EQ(Batch.Slot(Batch.count).recipe, (Recipe{1, 1, "", 0, {}, {}})) << c.what;
        Batch.Slot(Batch.count).editedByHand = false;
        view.selected = Batch.count;
        ui.edits = {c.edit};
        EditSelected();
        EXPECT_EQ(Batch.Slot(Batch.count).editedByHand, c.edited) << c.what << " (from the list)";
    }
}

}  // namespace
