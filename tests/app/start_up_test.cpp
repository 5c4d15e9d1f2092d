#include "app/start_up.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "shell/batch.h"
#include "shell/export.h"
#include "shell/program.h"
#include "shell/settings.h"
#include "tests/support/files.h"
#include "tests/support/scripted_ui.h"
#include "util/language.h"

namespace {

TEST(StartUp, FillsTheDescriptorGlobalsAndHandlers) {
    SetUpProgram();
    EXPECT_EQ(Descriptor.shortName, "Zorvi");
    EXPECT_EQ(Descriptor.longName, "Ejercicios de Qu\xEDmica");
    EXPECT_EQ(Descriptor.topicList,
              "Atomística;Moles;Concentraciones;Ejercicios de pH;Gases;Disoluciones;Fórmula empírica;Estequiometría;"
              "Equilibrio químico;Ácidos y bases débiles;Solubilidad");
    EXPECT_EQ(Descriptor.helpFile, "zorvi.pdf");
    EXPECT_EQ(CurrentTopicTitle, "Ejercicios de Química");
    EXPECT_EQ(MainColour, 9306307u);  // red 195, green 0, blue 142
    EXPECT_TRUE(DataMenuEnabled);
    EXPECT_EQ(UiLanguage, 2);
    EXPECT_EQ(GenerateTopic, &TopicDispatch);
    EXPECT_EQ(DataCommand, &DataDispatch);
    ReleaseProgram();
    EXPECT_EQ(GenerateTopic, nullptr);
    EXPECT_EQ(DataCommand, nullptr);
}

// A restart: whatever the last run left in memory, the start-up gives the defaults and
// then what zorvi.ini holds.
TEST(StartUp, ReadsTheRememberedOptionsOverTheDefaults) {
    ScriptedUi ui;  // an unreadable elements.dat would be told through it
    AskConfirmation = false;
    ExportName = "de otra vez";
    NumberOptions = {true, true};
    WriteAll(kSettingsFile, "coma_decimal=1\r\nponer_pistas=en enunciado\r\ntitulo=Tema 4\r\npresentacion=nada\r\n");
    SetUpProgram();
    EXPECT_TRUE(NumberOptions.decimalComma);
    EXPECT_FALSE(NumberOptions.significantFigures);
    EXPECT_EQ(DefaultHintPlacement, HintPlacement::InStatement);
    EXPECT_EQ(DocumentTitle, "Tema 4");
    EXPECT_TRUE(AskConfirmation);
    EXPECT_EQ(ExportName, "");
    EXPECT_EQ(Presentation, 1);
    std::remove(kSettingsFile);
    SetUpProgram();
    EXPECT_TRUE(SameOptions(ProgramSettings(), Settings{}));
    ReleaseProgram();
}

TEST(DataDispatch, OpensTheElementWindowsOnlyFor600And601) {
    ScriptedUi ui;
    for (uint16_t id : {0, 1, 599, 602, 901, 65535}) DataDispatch(id);
    EXPECT_EQ(ui.elementListOpened, 0);
    EXPECT_EQ(ui.elementEditorOpened, 0);
    DataDispatch(600);
    EXPECT_EQ(ui.elementListOpened, 1);
    EXPECT_EQ(ui.elementEditorOpened, 0);
    DataDispatch(601);
    EXPECT_EQ(ui.elementEditorOpened, 1);
}

TEST(TopicDispatch, TopicZeroAndUnknownTopicsOpenNothing) {
    ScriptedUi ui;  // any window opened would fail: nothing is scripted
    for (uint16_t topic : {0, 12, 99, 65535}) TopicDispatch(topic);
    EXPECT_TRUE(ui.subKindLists.empty());
}

TEST(Languages, TablesAreIndexedByTheLanguage) {
    UiLanguage = 0;
    EXPECT_STREQ(InLanguage("ca", "en", "es"), "ca");
    UiLanguage = 1;
    EXPECT_STREQ(InLanguage("ca", "en", "es"), "en");
    UiLanguage = 2;
    EXPECT_STREQ(InLanguage("ca", "en", "es"), "es");
}

}  // namespace
