// The reset that every test starts from (tests/support/program_state.h) must give the
// program's memory as the program itself finds it when it starts: a default changed in the
// program and not in the reset would let each test start from a state no teacher ever sees.
#include "tests/support/program_state.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/start_up.h"
#include "app/versions.h"
#include "chemistry/element_editing.h"
#include "chemistry/elements.h"
#include "chemistry/formula.h"
#include "chemistry/reactions.h"
#include "chemistry/stoichiometry.h"
#include "shell/batch.h"
#include "shell/export.h"
#include "shell/help_document.h"
#include "shell/interaction.h"
#include "shell/program.h"
#include "shell/settings.h"
#include "tests/chemistry/chemistry_support.h"
#include "tests/support/exercises.h"
#include "tests/support/files.h"
#include "tests/support/recording_batch_view.h"
#include "tests/support/scripted_ui.h"
#include "util/language.h"
#include "util/random.h"

#ifdef _WIN32
#include "shell/generation_window.h"
#include "ui/window_win.h"
#endif

namespace {

// Read while the test program loads, before any test or reset has run: these globals take
// their values before any of the program's code runs.
struct AtLoad {
    bool askConfirmation;
    HintPlacement hintPlacement;
    NumberStyle numbers;
    int32_t presentation;
    bool answersOnNewPage;
    bool batchExported;
    bool unexportedChanges;
    uint32_t batchSeed;
    uint32_t (*seedClock)();
    uint32_t mainColour;
    bool dataMenuEnabled;
    TopicHandler generateTopic;
    CommandHandler dataCommand;
    void (*versionsCommand)();
    void (*moodleCommand)();
    int32_t language;
    int versionCount;
    bool elementsLoadFailed;
    bool reactionsWriteFailureTold;
};
const AtLoad kAtLoad{AskConfirmation, DefaultHintPlacement, NumberOptions,   Presentation,    AnswersOnNewPage,
                     BatchExported,   UnexportedChanges,    BatchSeed,       BatchSeedClock,  MainColour,
                     DataMenuEnabled, GenerateTopic,        DataCommand,     VersionsCommand, MoodleCommand,
                     UiLanguage,      VersionCount,         ElementsLoadFailed, ReactionsWriteFailureTold};

uint32_t FixedClock() { return 7; }
void NoTopic(uint16_t) {}

// Everything a run changes: the start-up, a batch, options, an export, a table, a reaction.
void UseTheProgram(ScriptedUi& ui) {
    WriteAll(kSettingsFile, "coma_decimal=1\r\n");
    SetUpProgram();
    GenerateTopic = NoTopic;
    BatchSeedClock = FixedClock;
    BatchStart();
    CurrentExercise = Exercise("E", "A");
    AddExercise(CurrentExercise);
    AskConfirmation = false;
    DefaultHintPlacement = HintPlacement::InAnswer;
    NumberOptions = {true, true};
    ExportName = "serie";
    DocumentTitle = "Título";
    Presentation = 0;
    AnswersOnNewPage = true;
    ExportPath = "C:\\serie.rtf";
    BatchExported = true;
    UnexportedChanges = true;
    UiLanguage = 0;
    VersionCount = 5;
    SetExampleTable();
    DefaultElementTable = "a table";
    HelpCopy = {"%PDF", "C:\\temp\\Zorvi-1.0"};
    ElementsLoadFailed = true;
    ElementEditing = {3, true};
    ASSERT_TRUE(ParseFormula(CurrentCompound, "H2O"));
    Reactions.resize(2);
    ReactionsWriteFailureTold = true;
    CurrentReaction.text = "H2 + O2 -> H2O";
    ScriptRandom({1, 2, 3});
    ui.shellResult = 2;
#ifdef _WIN32
    SetProgramEnding(true);
    SubKindList = "a;b";
    LastSubKind = 4;
    CaseCount = 9;
    CaseCountFlags = "11";
#endif
    std::remove(kSettingsFile);  // a start in a folder without it
}

TEST(ProgramState, TheResetGivesTheMemoryTheProgramStartsWith) {
    ScratchFolder folder;  // the start-up writes elements.dat where there is none
    ScriptedUi ui;
    RecordingBatchView view;
    UseTheProgram(ui);
    ResetProgramState();

    EXPECT_EQ(AskConfirmation, kAtLoad.askConfirmation);
    EXPECT_EQ(DefaultHintPlacement, kAtLoad.hintPlacement);
    EXPECT_EQ(NumberOptions.decimalComma, kAtLoad.numbers.decimalComma);
    EXPECT_EQ(NumberOptions.significantFigures, kAtLoad.numbers.significantFigures);
    EXPECT_EQ(Presentation, kAtLoad.presentation);
    EXPECT_EQ(AnswersOnNewPage, kAtLoad.answersOnNewPage);
    EXPECT_EQ(BatchExported, kAtLoad.batchExported);
    EXPECT_EQ(UnexportedChanges, kAtLoad.unexportedChanges);
    EXPECT_EQ(BatchSeed, kAtLoad.batchSeed);
    EXPECT_EQ(BatchSeedClock, kAtLoad.seedClock);
    EXPECT_EQ(MainColour, kAtLoad.mainColour);
    EXPECT_EQ(DataMenuEnabled, kAtLoad.dataMenuEnabled);
    EXPECT_EQ(GenerateTopic, kAtLoad.generateTopic);
    EXPECT_EQ(DataCommand, kAtLoad.dataCommand);
    EXPECT_EQ(VersionsCommand, kAtLoad.versionsCommand);
    EXPECT_EQ(MoodleCommand, kAtLoad.moodleCommand);
    EXPECT_EQ(UiLanguage, kAtLoad.language);
    EXPECT_EQ(VersionCount, kAtLoad.versionCount);
    EXPECT_EQ(ElementsLoadFailed, kAtLoad.elementsLoadFailed);
    EXPECT_EQ(ReactionsWriteFailureTold, kAtLoad.reactionsWriteFailureTold);

    // Texts and tables start empty; nothing answers or shows the batch.
    EXPECT_EQ(Descriptor.longName, "");
    EXPECT_EQ(Descriptor.topicList, "");
    EXPECT_EQ(CurrentTopicTitle, "");
    EXPECT_EQ(ExportName, "");
    EXPECT_EQ(DocumentTitle, "");
    EXPECT_EQ(ExportPath, "");
    EXPECT_EQ(Batch.count, 0);
    EXPECT_FALSE(Batch.slots);
    EXPECT_EQ(CurrentExercise.statement, "");
    EXPECT_FALSE(CurrentExercise.accepted);
    EXPECT_EQ(Elements.count, 0);
    EXPECT_TRUE(DefaultElementTable.empty());
    EXPECT_EQ(HelpCopy.bytes, "");
    EXPECT_EQ(HelpCopy.folder, "");
    EXPECT_EQ(ElementEditing.selected, 0);
    EXPECT_FALSE(ElementEditing.modified);
    EXPECT_EQ(CurrentCompound.count, 0);
    EXPECT_EQ(CurrentCompound.formula, "");
    EXPECT_TRUE(Reactions.empty());
    EXPECT_EQ(CurrentReaction.text, "");
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_NE(&Ui(), static_cast<UserInteraction*>(&ui));
    EXPECT_EQ(Ui().ShellOpen("x"), 0) << "the program's silent stand-in answers";
#ifdef _WIN32
    EXPECT_FALSE(ProgramEnding());
    EXPECT_EQ(SubKindList, "");
    EXPECT_EQ(LastSubKind, 0);
    EXPECT_EQ(CaseCount, 1);
    EXPECT_EQ(CaseCountFlags, std::string(33, '0'));
#endif
}

// The options are the start-up's: what zorvi.ini in the current folder holds.
TEST(ProgramState, TheResetReadsTheOptionsAsTheStartUpDoes) {
    ScratchFolder folder;
    WriteAll(kSettingsFile, "preguntar_conformidad=0\r\n");
    ResetProgramState();
    EXPECT_FALSE(AskConfirmation);
    NumberOptions.decimalComma = true;
    RememberSettings();  // the file is known: the change alone is written, with the rest kept
    EXPECT_NE(ReadAll(kSettingsFile).find("\r\npreguntar_conformidad=0\r\n"), std::string::npos);
    EXPECT_NE(ReadAll(kSettingsFile).find("\r\ncoma_decimal=1\r\n"), std::string::npos);
}

}  // namespace
