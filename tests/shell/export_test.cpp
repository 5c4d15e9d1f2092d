#include "shell/export.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#endif

#include "shell/batch.h"
#include "tests/support/exercises.h"
#include "tests/support/files.h"
#include "tests/support/scripted_ui.h"

namespace {

namespace fs = std::filesystem;

// The export settings as the program starts, read while the test program loads: before
// any test (the export tests set Presentation themselves) could have changed them.
struct StartingSettings {
    int32_t presentation;
    bool batchExported;
    bool unexportedChanges;
    bool answersOnNewPage;
};
const StartingSettings kAtStart{Presentation, BatchExported, UnexportedChanges, AnswersOnNewPage};

const std::string kHeader =
    "{\\rtf\\ansi \\deff2\r\n"
    "{\\fonttbl\\f0\\froman Times New Roman;\\f1\\fdecor Courier New;\\f2\\fswiss Arial;}\r\n";
const std::string kNameCaption = "Nombre de fichero no válido";
const std::string kFailureCaption = "No se ha podido exportar";
const char kSep = ScratchFolder::Separator();

// Whether the file opens under its narrow (Windows-1252) name, as the program names it.
bool Opens(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return false;
    std::fclose(f);
    return true;
}

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        BatchStart();
        UnexportedChanges = true;
    }

    void Save(const std::string& name, const std::string& title = "Serie", int32_t presentation = 1) {
        ui.saves.push_back(ScriptedUi::SaveAnswer{name, title, presentation});
    }
    fs::path Document(const std::string& name) { return dir / "Exerc" / (name + ".rtf"); }
    bool NothingWritten() { return !fs::exists(dir / "Exerc"); }

    // An accented folder: paths are Windows-1252 text like every other text of the program.
    ScratchFolder folder{"zorvi-exportación"};
    const fs::path& dir = folder.Path();
    const std::string& dirText = folder.Text();  // as the program names it
    ScriptedUi ui;
};

TEST_F(ExportTest, EachAnswerFollowsItsStatementInPresentation0) {
    AddExercise("Agua: H_2O", "M = 18 g/mol", "ojo", HintPlacement::InStatement);
    AddExercise("10^(-3) M", "pH = 3", "fácil", HintPlacement::InAnswer);
    Save("serie", "Química #B(x)", 0);
    ASSERT_TRUE(ExportBatch());
    EXPECT_EQ(ReadAll(Document("serie")),
              kHeader +
                  "{\\qc{\\b Química #B(x)}\\line \\line \\par }"
                  "{\\b 1) }Agua: H{\\sub 2}O\\par   Comentario: ojo\\line \\line "
                  "Resp: M = 18 g/mol\\line \\line "
                  "{\\b 2) }10{\\super -3} M\\line \\line "
                  "Resp: pH = 3\\par   Comentario: fácil\\line \\line "
                  "}\r\n");
    EXPECT_TRUE(BatchExported);
    EXPECT_FALSE(UnexportedChanges);
    EXPECT_TRUE(fs::equivalent(ExportPath, Document("serie")));
    EXPECT_EQ(ExportPath, dirText + kSep + "Exerc" + kSep + "serie.rtf");
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ExportTest, AnswersComeAsABlockInPresentation1) {
    AddExercise("E1", "A1", "c1", HintPlacement::InAnswer);
    AddExercise("E_2", "A|2");
    Save("bloques", "T", 1);
    ASSERT_TRUE(ExportBatch());
    EXPECT_EQ(ReadAll(Document("bloques")),
              kHeader +
                  "{\\qc{\\b T}\\line \\line \\par }"
                  "{\\b 1) }E1\\line \\line \\line "
                  "{\\b 2) }E{\\sub 2}\\line \\line \\line "
                  "\\line \\line {\\b Respuestas}\\line \\line "
                  "{\\b 1)}A1\\par   Comentario: c1\\line "
                  "{\\b 2)}A\\u9474\\'a6 2\\line "
                  "}\r\n");
}

TEST_F(ExportTest, TheAnswersOnAPageOfTheirOwnOnlyInBlocks) {
    AddExercise("E1", "A1");
    const std::string blocks = "{\\b 1) }E1\\line \\line \\line \\line \\line ";
    const struct {
        int32_t presentation;
        bool newPage;
        std::string body;
    } cases[] = {
        {1, false, blocks + "{\\b Respuestas}\\line \\line {\\b 1)}A1\\line "},
        {1, true, blocks + "\\page {\\b Respuestas}\\line \\line {\\b 1)}A1\\line "},
        // Each answer after its statement: no block of answers, no page of its own.
        {0, true, "{\\b 1) }E1\\line \\line Resp: A1\\line \\line "},
        {0, false, "{\\b 1) }E1\\line \\line Resp: A1\\line \\line "},
    };
    for (const auto& c : cases) {
        ui.saves.push_back(ScriptedUi::SaveAnswer{"serie", "T", c.presentation, c.newPage});
        ASSERT_TRUE(ExportBatch());
        EXPECT_EQ(ReadAll(Document("serie")), kHeader + "{\\qc{\\b T}\\line \\line \\par }" + c.body + "}\r\n")
            << c.presentation << " " << c.newPage;
        EXPECT_EQ(AnswersOnNewPage, c.newPage);
    }
    // Kept for the run: proposed again at each export.
    ASSERT_EQ(ui.proposedSaves.size(), 4u);
    EXPECT_FALSE(ui.proposedSaves[0].answersOnNewPage);
    EXPECT_FALSE(ui.proposedSaves[1].answersOnNewPage);
    EXPECT_TRUE(ui.proposedSaves[2].answersOnNewPage);
    EXPECT_TRUE(ui.proposedSaves[3].answersOnNewPage);
}

TEST(ExportStart, ProposesStatementsThenAnswersAndNoExportYet) {
    EXPECT_EQ(kAtStart.presentation, 1);  // "bloques enunciados / respuestas"
    EXPECT_FALSE(kAtStart.batchExported);
    EXPECT_FALSE(kAtStart.unexportedChanges);
    EXPECT_FALSE(kAtStart.answersOnNewPage);  // "respuestas en página aparte" unchecked
}

struct TitleCase {
    std::string title;
    std::string written;  // between "{\qc{\b " and "}\line \line \par }"
};

// The title is plain text: braces and the backslash are written as themselves, so that
// no title can open or close a group or start a control word; nothing else changes.
TEST_F(ExportTest, TheTitleEscapesExactlyBracesAndBackslash) {
    AddExercise("uno", "1");
    const TitleCase cases[] = {
        {"Tema {1} \\ ácidos", "Tema \\{1\\} \\\\ ácidos"},
        {"}{", "\\}\\{"},
        {"sin cerrar {", "sin cerrar \\{"},
        {"\\b negrita", "\\\\b negrita"},
        {"\\'e9 #B(x) ^2 _3 | \"q\" ; 100%", "\\\\'e9 #B(x) ^2 _3 | \"q\" ; 100%"},
        {"", ""},
    };
    for (const TitleCase& c : cases) {
        Save("titulo", c.title, 1);
        ASSERT_TRUE(ExportBatch()) << c.title;
        const std::string doc = ReadAll(Document("titulo"));
        const std::string group = "{\\qc{\\b " + c.written + "}\\line \\line \\par }";
        EXPECT_EQ(doc.substr(kHeader.size(), group.size()), group) << c.title;
        EXPECT_EQ(DocumentTitle, c.title);  // the setting proposed next time is what was typed
    }
}

// A title of escapes is written whole, with its line break and its group closed.
TEST_F(ExportTest, ALongTitleOfBracesIsWrittenWhole) {
    AddExercise("uno", "1");
    Save("titulo", std::string(200, '{'), 1);
    ASSERT_TRUE(ExportBatch());
    std::string escapes;
    for (int i = 0; i < 200; ++i) escapes += "\\{";
    EXPECT_EQ(ReadAll(Document("titulo")),
              kHeader + "{\\qc{\\b " + escapes + "}\\line \\line \\par }{\\b 1) }uno\\line \\line \\line "
                        "\\line \\line {\\b Respuestas}\\line \\line {\\b 1)}1\\line }\r\n");
}

// The subscripts of a stoichiometry exercise make its RTF far longer than its markup: the
// end of the data line, and the comment after it, were lost on paper while the editor
// showed them.
TEST_F(ExportTest, ALongStoichiometryExerciseReachesTheDocumentWhole) {
    AddExercise(
        "Reacción: C_6H_1_2O_6 + 6 O_2 -> 6 CO_2 + 6 H_2O\r\nCalcular el reactivo limitante y la masa de CO_2 que "
        "se obtiene con 71 g de C_6H_1_2O_6 y 45.4 g de O_2.\r\ndatos: C = 12.01  H =  1.01  O = 16.00  ",
        "  0.394103 mol C_6H_1_2O_6 necesitan 2.365 mol O_2 y hay 1.419: limitante O_2. 1.419 mol O_2 · (6 mol CO_2 / "
        "6 mol O_2) · (44.01 g / 1 mol) = 62.44 g de CO_2",
        "el oxígeno se acaba antes", HintPlacement::InStatement);
    Save("largo", "T", 0);
    ASSERT_TRUE(ExportBatch());
    EXPECT_EQ(ReadAll(Document("largo")),
              kHeader +
                  "{\\qc{\\b T}\\line \\line \\par }"
                  "{\\b 1) }Reacción: C{\\sub 6}H{\\sub 1}{\\sub 2}O{\\sub 6} + 6 O{\\sub 2} -> 6 CO{\\sub 2} + 6 "
                  "H{\\sub 2}O\\par \nCalcular el reactivo limitante y la masa de CO{\\sub 2} que se obtiene con 71 g "
                  "de C{\\sub 6}H{\\sub 1}{\\sub 2}O{\\sub 6} y 45.4 g de O{\\sub 2}.\\par \n"
                  "datos: C = 12.01  H =  1.01  O = 16.00  \\par   Comentario: el oxígeno se acaba antes\\line \\line "
                  "Resp:   0.394103 mol C{\\sub 6}H{\\sub 1}{\\sub 2}O{\\sub 6} necesitan 2.365 mol O{\\sub 2} y hay "
                  "1.419: limitante O{\\sub 2}. 1.419 mol O{\\sub 2} · (6 mol CO{\\sub 2} / 6 mol O{\\sub 2}) · "
                  "(44.01 g / 1 mol) = 62.44 g de CO{\\sub 2}\\line \\line "
                  "}\r\n");
}

TEST_F(ExportTest, SecondExportProposesTheSettingsAndOverwrites) {
    AddExercise("uno", "1");
    EXPECT_EQ(Presentation, 1);  // "bloques enunciados / respuestas" by default
    Save("serie", "Primera", 0);
    ASSERT_TRUE(ExportBatch());
    AddExercise("dos", "2");
    Save("serie", "Segunda", 0);
    ASSERT_TRUE(ExportBatch());
    ASSERT_EQ(ui.proposedSaves.size(), 2u);
    EXPECT_EQ(ui.proposedSaves[0].exportName, "");
    EXPECT_EQ(ui.proposedSaves[0].presentation, 1);
    EXPECT_EQ(ui.proposedSaves[1].exportName, "serie");
    EXPECT_EQ(ui.proposedSaves[1].documentTitle, "Primera");
    EXPECT_EQ(ui.proposedSaves[1].presentation, 0);
    const std::string doc = ReadAll(Document("serie"));
    EXPECT_NE(doc.find("Segunda"), std::string::npos);
    EXPECT_NE(doc.find("{\\b 2) }dos"), std::string::npos);
    // The document and the batch file beside it, each written once.
    EXPECT_EQ(EntriesIn(dir / "Exerc"), 2u);
}

TEST_F(ExportTest, YesterdaysDocumentIsReplacedOnlyWhenTheTeacherSaysSo) {
    AddExercise("uno", "1");
    fs::create_directories(dir / "Exerc");
    WriteAll(Document("hoja"), "ayer");
    WriteAll(dir / "Exerc" / "hoja.zlote", "ayer");
    Save("hoja");
    ui.boxAnswers.push_back(kAnswerNo);
    ui.saves.push_back(std::nullopt);  // No goes back to the save window, here left
    EXPECT_FALSE(ExportBatch());
    ASSERT_EQ(ui.boxes,
              (ShownBoxes{{"Reemplazar ficheros", "Ya existen Exerc\\hoja.rtf y Exerc\\hoja.zlote. ¿Reemplazarlos?",
                           kBoxYesNo | kBoxIconExclamation | kBoxDefaultButton2}}));
    EXPECT_EQ(ui.proposedSaves.size(), 2u);
    EXPECT_EQ(ReadAll(Document("hoja")), "ayer");
    EXPECT_FALSE(BatchExported);
    // Yes replaces them; exporting again under the name this run wrote asks nothing.
    Save("hoja");
    ui.boxAnswers.push_back(kAnswerYes);
    ASSERT_TRUE(ExportBatch());
    Save("hoja");
    ASSERT_TRUE(ExportBatch());
    EXPECT_EQ(ui.boxes.size(), 2u);
    EXPECT_NE(ReadAll(Document("hoja")).find("{\\b 1) }uno"), std::string::npos);
}

TEST_F(ExportTest, EmptyBatchCancelAndEmptyNameWriteNothingSilently) {
    EXPECT_FALSE(ExportBatch());  // no save window: none is scripted
    AddExercise("uno", "1");
    ui.saves.push_back(std::nullopt);
    EXPECT_FALSE(ExportBatch());
    Save("", "T", 0);
    EXPECT_FALSE(ExportBatch());
    EXPECT_TRUE(NothingWritten());
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_FALSE(BatchExported);
    EXPECT_TRUE(UnexportedChanges);
}

struct RefusedName {
    std::string name;
    std::string says;  // part of the message
};

TEST_F(ExportTest, NamesThatWindowsRefusesAreNamedAndNothingIsWritten) {
    AddExercise("uno", "1");
    const RefusedName cases[] = {
        {"a/b", "carácter «/»"},
        {"..\\fuera", "carácter «\\»"},
        {"c:serie", "carácter «:»"},
        {"a*", "carácter «*»"},
        {"a?", "carácter «?»"},
        {"a\"b", "carácter «\"»"},
        {"a<b", "carácter «<»"},
        {"a>b", "carácter «>»"},
        {"a|b", "carácter «|»"},
        {"tab\tx", "caracteres de control"},
        {"..", "terminar en punto"},
        {"serie.", "terminar en punto"},
        {"serie ", "en blanco"},
        {"CON", "\"CON\" es un nombre reservado"},
        {"nul.txt", "\"nul\" es un nombre reservado"},
        {"Com1", "reservado"},
        {"lpt9 .x", "reservado"},
        {"COM\xB9", "reservado"},
        {"aux", "reservado"},
        {"PRN", "reservado"},
    };
    for (const RefusedName& c : cases) {
        ui.boxes.clear();
        Save(c.name);
        EXPECT_FALSE(ExportBatch()) << c.name;
        ASSERT_EQ(ui.boxes.size(), 1u) << c.name;
        EXPECT_EQ(ui.boxes[0].caption, kNameCaption);
        EXPECT_NE(ui.boxes[0].text.find(c.says), std::string::npos) << c.name << ": " << ui.boxes[0].text;
    }
    EXPECT_TRUE(NothingWritten());
    EXPECT_FALSE(BatchExported);
}

TEST_F(ExportTest, OrdinaryNamesAreAccepted) {
    AddExercise("uno", "1");
    for (const std::string name : {"Tema 1", "a..b", "Química 2º", "console", "COM10", ".oculto", " con", "Tema—1 5€"}) {
        Save(name);
        EXPECT_TRUE(ExportBatch()) << name;
        EXPECT_EQ(ExportPath, dirText + kSep + "Exerc" + kSep + name + ".rtf");
        EXPECT_TRUE(Opens(ExportPath)) << name;
    }
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ExportTest, NameThatWouldTakeThePathTooFarIsRefusedWithTheRoomLeft) {
    AddExercise("uno", "1");
    // The batch file beside the document has the longest path of the two.
    const std::string fixed = dirText + kSep + "Exerc" + kSep + ".zlote";
    ASSERT_LT(fixed.size(), 200u) << "the temporary folder's path is too long for this test";
    // 254, so that the temporary file beside it stays within Windows' 259 characters.
    const std::size_t room = 254 - fixed.size();
    Save(std::string(room + 1, 'n'));
    EXPECT_FALSE(ExportBatch());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, kNameCaption);
    EXPECT_NE(ui.boxes[0].text.find("Use como máximo " + std::to_string(room) + " caracteres."), std::string::npos)
        << ui.boxes[0].text;
    EXPECT_TRUE(NothingWritten());
    Save(std::string(room, 'n'));
    EXPECT_TRUE(ExportBatch()) << (ui.boxes.size() > 1 ? ui.boxes[1].text : "");
    EXPECT_EQ(ExportPath.size(), 252u);
    EXPECT_TRUE(Opens(ExportPath));
    EXPECT_TRUE(Opens(ExportPath.substr(0, 248) + ".zlote"));
}

TEST_F(ExportTest, AFileNamedExercStopsTheExportAndIsKept) {
    AddExercise("uno", "1");
    WriteAll(dir / "Exerc", "mío");
    Save("serie");
    EXPECT_FALSE(ExportBatch());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, kFailureCaption);
    EXPECT_NE(ui.boxes[0].text.find("Exerc"), std::string::npos);
    EXPECT_NE(ui.boxes[0].text.find(dirText), std::string::npos) << ui.boxes[0].text;
    EXPECT_EQ(ReadAll(dir / "Exerc"), "mío");
    EXPECT_FALSE(BatchExported);
}

TEST_F(ExportTest, AFailedWriteKeepsTheLastExportAndLeavesNoFile) {
    AddExercise("uno", "1");
    Save("buena");
    ASSERT_TRUE(ExportBatch());
    const std::string good = ExportPath;
    UnexportedChanges = true;
    fs::create_directories(Document("ocupada") / "dentro");  // a folder holds the document's name
    Save("ocupada");
    EXPECT_FALSE(ExportBatch());
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, kFailureCaption);
    EXPECT_EQ(ui.boxes[0].text.rfind("No se ha podido guardar el documento (", 0), 0u) << ui.boxes[0].text;
    EXPECT_NE(ui.boxes[0].text.find("):\r" + dirText), std::string::npos) << ui.boxes[0].text;
    EXPECT_NE(ui.boxes[0].text.find("ocupada.rtf"), std::string::npos);
    EXPECT_EQ(ExportPath, good);
    EXPECT_TRUE(BatchExported);
    EXPECT_TRUE(UnexportedChanges);
    EXPECT_EQ(Batch.count, 1);
    EXPECT_TRUE(fs::is_directory(Document("ocupada") / "dentro"));
    // buena.rtf, buena.zlote and the folder: no temporary file.
    EXPECT_EQ(EntriesIn(dir / "Exerc"), 3u);
}

#ifndef _WIN32
TEST_F(ExportTest, AFullDiskKeepsTheOldDocument) {
    AddExercise(std::string(200, 'x'), std::string(200, 'y'));
    fs::create_directories(dir / "Exerc");
    WriteAll(Document("serie"), "viejo");
    Save("serie");
    ui.boxAnswers.push_back(kAnswerYes);  // replacing yesterday's
    // A file-size limit makes writing fail as a full disk does.
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 64;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool exported = ExportBatch();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_FALSE(exported);
    ASSERT_EQ(ui.boxes.size(), 2u);
    EXPECT_NE(ui.boxes[1].text.find(dirText + "/Exerc/serie.rtf"), std::string::npos) << ui.boxes[1].text;
    EXPECT_EQ(ReadAll(Document("serie")), "viejo");
    EXPECT_EQ(EntriesIn(dir / "Exerc"), 1u);
    EXPECT_FALSE(BatchExported);
}

TEST_F(ExportTest, AVanishedCurrentFolderIsToldBeforeAsking) {
    AddExercise("uno", "1");
    fs::remove_all(dir);  // the process stays in the deleted folder
    EXPECT_FALSE(ExportBatch());  // no save window: none is scripted
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].text, "No se puede leer la carpeta actual (la carpeta no existe).");
    EXPECT_FALSE(BatchExported);
}
#endif

TEST(ExportFilePath, JoinsFolderNameAndExtension) {
#ifdef _WIN32
    EXPECT_EQ(ExportFilePath("C:\\Clase", "N"), "C:\\Clase\\Exerc\\N.rtf");
    EXPECT_EQ(ExportFilePath("C:\\", "N"), "C:\\Exerc\\N.rtf");
#else
    EXPECT_EQ(ExportFilePath("/home/clase", "N"), "/home/clase/Exerc/N.rtf");
    EXPECT_EQ(ExportFilePath("/", "N"), "/Exerc/N.rtf");
#endif
}

const std::string kEditorCaption = "Se requiere un editor de ficheros .rtf";
const std::string kEditorText =
    "Como, WordPad o Word\r---------------------------------\rSi ya está instalado\r"
    "hay que asociar la'extensión .rtf\rcon él (\"Opciones de carpeta\"...)";

TEST_F(ExportTest, OpeningExportsFirstWhenTheBatchNeverWas) {
    OpenExportedBatch();  // empty batch: nothing at all
    EXPECT_TRUE(ui.shellOpened.empty());
    AddExercise("uno", "1");
    ui.saves.push_back(std::nullopt);
    OpenExportedBatch();  // cancelled: nothing opened
    EXPECT_TRUE(ui.shellOpened.empty());
    Save("serie");
    OpenExportedBatch();
    ASSERT_EQ(ui.shellOpened.size(), 1u);
    EXPECT_TRUE(fs::equivalent(ui.shellOpened[0], Document("serie")));
    OpenExportedBatch();  // already exported: opened again without asking
    EXPECT_EQ(ui.shellOpened.size(), 2u);
    EXPECT_EQ(ui.proposedSaves.size(), 2u);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(ExportTest, AFailedExportOpensNothing) {
    AddExercise("uno", "1");
    Save("a:b");
    OpenExportedBatch();
    EXPECT_TRUE(ui.shellOpened.empty());
    EXPECT_EQ(ui.boxes.size(), 1u);
}

TEST_F(ExportTest, AShellFailureAsksForAnRtfEditor) {
    AddExercise("uno", "1");
    Save("serie");
    ui.shellResult = 32;
    OpenExportedBatch();
    ASSERT_EQ(ui.boxes, (ShownBoxes{{kEditorCaption, kEditorText, kBoxOk}}));
    ui.shellResult = 33;
    OpenExportedBatch();
    // Without the shell library the user has been told why already: no editor is asked for.
    ui.shellResult = UserInteraction::kShellNotLoaded;
    OpenExportedBatch();
    EXPECT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.shellOpened.size(), 3u);
}

}  // namespace
