#include "shell/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "shell/batch.h"
#include "shell/export.h"
#include "tests/support/exercises.h"
#include "tests/support/files.h"
#include "tests/support/scripted_ui.h"

namespace {

namespace fs = std::filesystem;

// Every option away from its default, and a title with Windows-1252 letters ("—" is 0x97).
Settings Changed() {
    Settings s;
    s.askConfirmation = false;
    s.hintPlacement = HintPlacement::InAnswer;
    s.numbers = {true, true};
    s.exportName = "serie 3º B";
    s.documentTitle = "Química 2º: ácidos — bases";
    s.presentation = 0;
    s.answersOnNewPage = true;
    s.versionCount = 5;
    return s;
}

const char kChangedText[] =
    "; Opciones de Zorvi, escritas por el programa cada vez que cambian.\r\n"
    "preguntar_conformidad=0\r\n"
    "poner_pistas=en respuesta\r\n"
    "coma_decimal=1\r\n"
    "cifras_significativas=1\r\n"
    "fichero=serie 3º B\r\n"
    "titulo=Química 2º: ácidos — bases\r\n"
    "presentacion=seguidos\r\n"
    "respuestas_en_pagina_aparte=1\r\n"
    "versiones=5\r\n";

void ExpectDefaults(const Settings& s) {
    EXPECT_TRUE(SameOptions(s, Settings{}));
    EXPECT_TRUE(s.askConfirmation);
    EXPECT_EQ(s.hintPlacement, HintPlacement::None);
    EXPECT_FALSE(s.numbers.decimalComma);
    EXPECT_FALSE(s.numbers.significantFigures);
    EXPECT_EQ(s.exportName, "");
    EXPECT_EQ(s.documentTitle, "");
    EXPECT_EQ(s.presentation, 1);
    EXPECT_FALSE(s.answersOnNewPage);
    EXPECT_EQ(s.versionCount, 2);
}

TEST(SettingsText, IsOneCrlfLinePerOptionInWindows1252) {
    EXPECT_EQ(SettingsText(Changed()), kChangedText);
    // One byte per letter: "í" 0xED, "º" 0xBA, "á" 0xE1, "—" 0x97.
    EXPECT_NE(SettingsText(Changed()).find("\r\ntitulo=Qu\xEDmica 2\xBA: \xE1" "cidos \x97 bases\r\n"),
              std::string::npos);
}

TEST(SettingsText, ReadsBackWhatItWrote) {
    const Settings read = ParseSettings(SettingsText(Changed()));
    EXPECT_TRUE(SameOptions(read, Changed()));
    EXPECT_EQ(read.documentTitle, Changed().documentTitle);
    EXPECT_EQ(read.exportName, Changed().exportName);
    EXPECT_TRUE(read.otherLines.empty());
    ExpectDefaults(ParseSettings(SettingsText(Settings{})));
}

TEST(SettingsText, LfOrCrLinesBlanksCaseAndAMarkOfUtf8ReadTheSame) {
    std::string lf = kChangedText;
    for (std::size_t at = lf.find("\r\n"); at != std::string::npos; at = lf.find("\r\n", at)) lf.erase(at, 1);
    EXPECT_TRUE(SameOptions(ParseSettings(lf), Changed()));
    std::string cr = lf;
    for (char& c : cr) c = c == '\n' ? '\r' : c;
    EXPECT_TRUE(SameOptions(ParseSettings(cr), Changed()));
    EXPECT_EQ(ParseSettings(cr).documentTitle, Changed().documentTitle);
    const Settings loose = ParseSettings(
        "\xEF\xBB\xBF" "Coma_Decimal = 1 \r\n"
        "\tCIFRAS_SIGNIFICATIVAS=1\r\n"
        "poner_pistas =  En Enunciado\n"
        "Respuestas_En_Pagina_Aparte= 1\r\n"
        "presentacion=Seguidos");  // no line end at the end
    EXPECT_TRUE(loose.numbers.decimalComma);
    EXPECT_TRUE(loose.numbers.significantFigures);
    EXPECT_EQ(loose.hintPlacement, HintPlacement::InStatement);
    EXPECT_EQ(loose.presentation, 0);
    EXPECT_TRUE(loose.answersOnNewPage);
}

// Notepad saves UTF-8, with or without the byte-order mark: a value reads as the
// Windows-1252 it stands for, and a line that Windows-1252 cannot hold is left out.
TEST(SettingsText, AFileThatNotepadSavedAsUtf8ReadsAsItWasWritten) {
    const std::string notepad =
        "titulo=Qu\xC3\xADmica 2\xC2\xBA \xE2\x80\x94 moles\r\n"
        "fichero=serie \xE2\x9C\x93\r\n"
        "coma_decimal=1\r\n"
        "ventana=\xC3\xA1rbol\r\n"
        "tema=\xE2\x9C\x93\r\n";
    for (const std::string& bytes : {"\xEF\xBB\xBF" + notepad, notepad}) {
        const Settings s = ParseSettings(bytes);
        EXPECT_EQ(s.documentTitle, "Química 2º — moles");
        EXPECT_EQ(s.exportName, "");
        EXPECT_TRUE(s.numbers.decimalComma);
        EXPECT_EQ(s.otherLines, std::vector<std::string>{"ventana=árbol"});
    }
}

TEST(SettingsText, TextValuesKeepTheirBlanksAndAreCutToTheWindowsFields) {
    const Settings s = ParseSettings("titulo=  Tema 1  \r\nfichero=" + std::string(300, 'n') + "\r\n");
    EXPECT_EQ(s.documentTitle, "  Tema 1  ");
    EXPECT_EQ(s.exportName, std::string(254, 'n'));
    Settings broken;
    broken.documentTitle = "uno\rdos";
    broken.exportName = "a\nb";
    const Settings read = ParseSettings(SettingsText(broken));
    EXPECT_EQ(read.documentTitle, "uno");
    EXPECT_EQ(read.exportName, "a");
    EXPECT_TRUE(read.otherLines.empty());
}

// A value the program cannot read leaves that option at its default, and only that one.
TEST(SettingsText, BadValuesLeaveTheDefault) {
    const char* const bad[] = {
        "preguntar_conformidad=2",   "preguntar_conformidad=si", "preguntar_conformidad=",
        "coma_decimal=true",         "cifras_significativas=01", "poner_pistas=arriba",
        "poner_pistas=1",            "presentacion=2",           "presentacion=",
        "coma_decimal",              "=1",                       "; coma_decimal=1",
        "# cifras_significativas=1", "",                         "   ",
        "respuestas_en_pagina_aparte=si", "respuestas_en_pagina_aparte=",
        "versiones=1",               "versiones=27",             "versiones=0",
        "versiones=-3",              "versiones=+3",             "versiones=3.5",
        "versiones=$A",              "versiones=",               "versiones=99999999999",
    };
    for (const char* line : bad) {
        const Settings s = ParseSettings(std::string(line) + "\r\ncifras_significativas=1\r\n");
        EXPECT_TRUE(s.numbers.significantFigures) << line;
        Settings expected;
        expected.numbers.significantFigures = true;
        EXPECT_TRUE(SameOptions(s, expected)) << line;
        EXPECT_TRUE(s.otherLines.empty()) << line;
    }
}

TEST(SettingsText, TheLastOfARepeatedKeyCounts) {
    EXPECT_FALSE(ParseSettings("coma_decimal=1\r\ncoma_decimal=0\r\n").numbers.decimalComma);
    EXPECT_EQ(ParseSettings("titulo=a\r\ntitulo=b\r\n").documentTitle, "b");
    EXPECT_TRUE(ParseSettings("coma_decimal=1\r\ncoma_decimal=x\r\n").numbers.decimalComma);
}

TEST(SettingsText, UnknownKeysAreKeptForTheNextWrite) {
    const Settings s = ParseSettings("tema_favorito=pH\r\ncoma_decimal=1\r\nVentana = 10,20\n");
    EXPECT_EQ(s.otherLines, (std::vector<std::string>{"tema_favorito=pH", "Ventana = 10,20"}));
    const std::string text = SettingsText(s);
    EXPECT_EQ(text.substr(text.size() - 35), "tema_favorito=pH\r\nVentana = 10,20\r\n");
    EXPECT_EQ(ParseSettings(text).otherLines, s.otherLines);
}

// ---- The file beside elements.dat

// Every test starts as the program does in a folder without the file: with the defaults.
class SettingsFile : public InScratchFolder {
protected:
    std::string File() { return ReadAll(Folder() / kSettingsFile); }
    void WriteFile(const std::string& bytes) { WriteAll(Folder() / kSettingsFile, bytes); }
    bool FileExists() { return fs::exists(Folder() / kSettingsFile); }
    std::size_t Entries() { return EntriesIn(Folder()); }

    ScriptedUi ui;
};

TEST_F(SettingsFile, AMissingFileGivesTheDefaultsAndNothingIsWrittenUntilAnOptionChanges) {
    ApplySettings(Changed());
    LoadSettings();
    ExpectDefaults(ProgramSettings());
    RememberSettings();
    EXPECT_FALSE(FileExists());
    EXPECT_EQ(Entries(), 0u);
    EXPECT_TRUE(ui.boxes.empty());
}

TEST_F(SettingsFile, AChangeIsWrittenAtOnceAndOnlyOnce) {
    NumberOptions.decimalComma = true;
    RememberSettings();
    EXPECT_NE(File().find("\r\ncoma_decimal=1\r\n"), std::string::npos) << File();
    fs::remove(kSettingsFile);
    RememberSettings();  // nothing changed since
    EXPECT_FALSE(FileExists());
    ApplySettings(Changed());
    RememberSettings();
    EXPECT_EQ(File(), kChangedText);
    EXPECT_EQ(Entries(), 1u);  // no temporary file left beside it
}

TEST_F(SettingsFile, StartingAgainBringsTheOptionsBack) {
    ApplySettings(Changed());
    RememberSettings();
    ApplySettings(Settings{});
    LoadSettings();
    EXPECT_TRUE(SameOptions(ProgramSettings(), Changed()));
    EXPECT_EQ(DocumentTitle, Changed().documentTitle);
    EXPECT_EQ(Presentation, 0);
    EXPECT_TRUE(AnswersOnNewPage);
    EXPECT_EQ(DefaultHintPlacement, HintPlacement::InAnswer);
    EXPECT_FALSE(AskConfirmation);
    EXPECT_EQ(VersionCount, 5);
}

TEST_F(SettingsFile, APartlyWrongFileKeepsWhatItCanReadAndItsUnknownLines) {
    WriteFile("coma_decimal=1\r\ncifras_significativas=quizá\r\nbasura\r\nmodo_oscuro=1\r\n");
    LoadSettings();
    EXPECT_TRUE(NumberOptions.decimalComma);
    EXPECT_FALSE(NumberOptions.significantFigures);
    AskConfirmation = false;
    RememberSettings();
    const std::string text = File();
    EXPECT_NE(text.find("\r\npreguntar_conformidad=0\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\ncifras_significativas=0\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 15), "modo_oscuro=1\r\n");
    EXPECT_EQ(text.find("basura"), std::string::npos);
}

TEST_F(SettingsFile, AnUnreadableFileIsNoErrorAndAFailedWriteIsToldOnce) {
    fs::create_directory(kSettingsFile);  // neither read nor replaced by a file
    ApplySettings(Changed());
    LoadSettings();
    ExpectDefaults(ProgramSettings());
    EXPECT_TRUE(ui.boxes.empty());
    NumberOptions.decimalComma = true;
    RememberSettings();
    ASSERT_EQ(ui.boxes.size(), 1u);
    EXPECT_EQ(ui.boxes[0].caption, "No se han podido guardar las opciones");
    EXPECT_EQ(ui.boxes[0].text.rfind("No se ha podido escribir el fichero zorvi.ini (", 0), 0u) << ui.boxes[0].text;
    EXPECT_NE(ui.boxes[0].text.find(").\rLas opciones valen mientras el programa siga abierto."), std::string::npos);
    NumberOptions.significantFigures = true;
    RememberSettings();
    EXPECT_EQ(ui.boxes.size(), 1u);  // once per run
    EXPECT_TRUE(NumberOptions.decimalComma);  // the options still hold
    EXPECT_TRUE(fs::is_directory(kSettingsFile));
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(SettingsFile, TheSaveWindowAcceptedRemembersNameTitleAndPresentation) {
    BatchStart();
    AddExercise("uno", "1");
    ui.saves.push_back(std::nullopt);  // cancelled: nothing changes, nothing is written
    EXPECT_FALSE(ExportBatch());
    EXPECT_FALSE(FileExists());
    ui.saves.push_back(ScriptedUi::SaveAnswer{"tema 4", "Ácidos y bases", 0, true});
    EXPECT_TRUE(ExportBatch());
    BatchEnd();
    const std::string text = File();
    EXPECT_NE(text.find("\r\nfichero=tema 4\r\ntitulo=Ácidos y bases\r\npresentacion=seguidos\r\n"
                        "respuestas_en_pagina_aparte=1\r\n"),
              std::string::npos)
        << text;
    EXPECT_TRUE(ui.boxes.empty());
}

// The page choice alone changed in the save window: the export's own remembering writes it,
// and the next start proposes it again.
TEST_F(SettingsFile, TheAnswersPageAloneChangedInTheSaveWindowIsRemembered) {
    Settings before;
    before.exportName = "tema 4";
    before.documentTitle = "Ácidos y bases";
    ApplySettings(before);
    RememberSettings();
    BatchStart();
    AddExercise("uno", "1");
    ui.saves.push_back(ScriptedUi::SaveAnswer{"tema 4", "Ácidos y bases", 1, true});
    EXPECT_TRUE(ExportBatch());
    BatchEnd();
    EXPECT_NE(File().find("\r\nrespuestas_en_pagina_aparte=1\r\n"), std::string::npos) << File();
    ApplySettings(Settings{});
    LoadSettings();
    EXPECT_TRUE(AnswersOnNewPage);
    EXPECT_TRUE(ui.boxes.empty());
}

}  // namespace
