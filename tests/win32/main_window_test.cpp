#include "shell/main_window_win.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/start_up.h"
#include "shell/batch.h"
#include "shell/export.h"
#include "shell/hint_window.h"
#include "shell/program.h"
#include "shell/settings.h"
#include "tests/support/exercises.h"
#include "tests/support/files.h"
#include "tests/support/program_state.h"
#include "tests/support/scripted_ui.h"
#include "tests/win32/program_fixture.h"
#include "tests/win32/ui_driver.h"
#include "ui/window_win.h"
#include "util/random.h"

namespace {

std::vector<uint16_t> g_topics;
void RecordTopic(uint16_t topic) { g_topics.push_back(topic); }

std::string MenuText(HMENU menu, UINT item, UINT flags) {
    char text[256] = {};
    GetMenuStringA(menu, item, text, sizeof text, flags);
    return text;
}

std::string WindowText(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class MainWindowTest : public ProgramTest<ScriptedUi> {
protected:
    void Command(int id, int notification = 0) {
        SendMessageA(main, WM_COMMAND, MAKEWPARAM(id, notification), 0);
    }

    bool Enabled(int id) { return IsWindowEnabled(GetDlgItem(main, id)) != 0; }
    bool Visible(int id) { return (GetWindowLongA(GetDlgItem(main, id), GWL_STYLE) & WS_VISIBLE) != 0; }
    int ListCount() { return int(SendDlgItemMessageA(main, kIdBatchList, LB_GETCOUNT, 0, 0)); }
    int ListSelection() { return int(SendDlgItemMessageA(main, kIdBatchList, LB_GETCURSEL, 0, 0)) + 1; }
    std::string ListLine(int position) {
        char text[300] = {};
        SendDlgItemMessageA(main, kIdBatchList, LB_GETTEXT, position - 1, reinterpret_cast<LPARAM>(text));
        return text;
    }
    bool MenuGreyed(int id) {
        return (GetMenuState(GetSubMenu(GetMenu(main), 0), id, MF_BYCOMMAND) & MF_GRAYED) != 0;
    }

    void Add(const std::string& statement) {
        AddExercise(statement);
        SendMessageA(main, WM_NULL, 0, 0);  // any message re-evaluates the lower buttons
    }

    // True when some pixel of the label's area has exactly this colour.
    bool LabelDrawnIn(COLORREF colour) {
        RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        HDC dc = GetDC(main);
        bool found = false;
        for (int y = 344; y < 362 && !found; ++y) {
            for (int x = 20; x < 120 && !found; ++x) found = GetPixel(dc, x, y) == colour;
        }
        ReleaseDC(main, dc);
        return found;
    }

};

TEST_F(MainWindowTest, StartsWithTheEmptyBatchLook) {
    EXPECT_EQ(WindowText(main), "Ejercicios de Química");
    for (int id : {kIdEditButton, kIdDeleteButton, kIdUpButton, kIdDownButton, kIdExportButton, kIdOpenButton,
                   kIdResetButton}) {
        EXPECT_FALSE(Enabled(id)) << "button " << id;
    }
    for (int id : {kCmdSave, kCmdEditPrint, kCmdSaveBatch, kCmdVersions, kCmdMoodle, kCmdReset}) {
        EXPECT_TRUE(MenuGreyed(id)) << id;
    }
    EXPECT_FALSE(MenuGreyed(kCmdOpenBatch));  // a batch file opens into an empty batch
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(ListCount(), 0);
    EXPECT_TRUE(LabelDrawnIn(RGB(200, 150, 160)));
    EXPECT_FALSE(LabelDrawnIn(RGB(0, 0, 0)));
}

TEST_F(MainWindowTest, MenuBarHoldsTheResourceMenusAndTheTopics) {
    HMENU bar = GetMenu(main);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 6);
    const char* titles[] = {"Lote ejercicios", "Temas", "&Opciones", "&Datos", "&Info", "&Salir"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(MenuText(bar, i, MF_BYPOSITION), titles[i]);
    EXPECT_EQ(GetMenuItemID(bar, 5), 2u);
    HMENU topics = GetSubMenu(bar, 1);
    ASSERT_EQ(GetMenuItemCount(topics), 11);  // the placeholder separator is gone
    EXPECT_EQ(MenuText(topics, 201, MF_BYCOMMAND), "Atomística");
    EXPECT_EQ(MenuText(topics, 204, MF_BYCOMMAND), "Ejercicios de pH");
    EXPECT_EQ(MenuText(topics, 205, MF_BYCOMMAND), "Gases");
    EXPECT_EQ(MenuText(topics, 208, MF_BYCOMMAND), "Estequiometría");
    EXPECT_EQ(MenuText(topics, 209, MF_BYCOMMAND), "Equilibrio químico");
    EXPECT_EQ(MenuText(topics, 210, MF_BYCOMMAND), "Ácidos y bases débiles");
    EXPECT_EQ(MenuText(topics, 211, MF_BYCOMMAND), "Solubilidad");
    HMENU options = GetSubMenu(bar, 2);
    EXPECT_TRUE(GetMenuState(options, kCmdAskConfirmation, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(MenuText(GetSubMenu(bar, 3), 600, MF_BYCOMMAND), "Masas atómicas");
}

TEST_F(MainWindowTest, TheBatchMenuHoldsTheBatchFilesAndTheVersions) {
    HMENU batch = GetSubMenu(GetMenu(main), 0);
    const struct {
        UINT id;  // 0: a separator
        const char* text;
    } items[] = {
        {kCmdSave, "&Guardar"},           {kCmdEditPrint, "&Editar/Imprimir"}, {0, ""},
        {kCmdOpenBatch, "Abrir &lote..."}, {kCmdSaveBatch, "Guardar l&ote..."}, {kCmdVersions, "&Versiones..."},
        {kCmdMoodle, "Exportar a &Moodle..."}, {0, ""},              {kCmdReset, "&Reiniciar"},
    };
    ASSERT_EQ(GetMenuItemCount(batch), 9);
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(GetMenuItemID(batch, i), items[i].id) << i;
        if (items[i].id == 0) {
            EXPECT_TRUE(GetMenuState(batch, i, MF_BYPOSITION) & MF_SEPARATOR) << i;
        } else {
            EXPECT_EQ(MenuText(batch, i, MF_BYPOSITION), items[i].text) << i;
        }
    }
}

TEST_F(MainWindowTest, TheBatchFileCommandsOpenTheirDialogsAndVersionsAndMoodleTheSaveWindowFirst) {
    Command(kCmdSaveBatch);  // an empty batch: nothing opens
    Command(kCmdVersions);
    Command(kCmdMoodle);
    EXPECT_TRUE(ui.fileDialogs.empty());
    ui.batchFiles = {std::nullopt};
    Command(kCmdOpenBatch);
    ASSERT_EQ(ui.fileDialogs.size(), 1u);
    EXPECT_FALSE(ui.fileDialogs[0].saving);
    Add("E1");
    ui.batchFiles = {std::nullopt};
    Command(kCmdSaveBatch);
    ASSERT_EQ(ui.fileDialogs.size(), 2u);
    EXPECT_TRUE(ui.fileDialogs[1].saving);
    BatchExported = false;      // never exported: the save window first, here cancelled
    ui.saves = {std::nullopt};
    Command(kCmdVersions);
    EXPECT_EQ(ui.proposedSaves.size(), 1u);
    EXPECT_TRUE(ui.proposedVersions.empty());
    ui.saves = {std::nullopt};
    Command(kCmdMoodle);
    EXPECT_EQ(ui.proposedSaves.size(), 2u);
    EXPECT_TRUE(ui.proposedMoodle.empty());
}

TEST_F(MainWindowTest, FirstExerciseEnablesItsButtonsAndTurnsTheLabelBlack) {
    Add("H_2O");
    EXPECT_EQ(ListCount(), 1);
    EXPECT_EQ(ListLine(1), "1]H_2O");
    EXPECT_EQ(ListSelection(), 1);
    EXPECT_EQ(WindowText(main), "Ejercicios de Química. Nº ejercicios: 1");
    EXPECT_TRUE(Enabled(kIdEditButton));
    EXPECT_TRUE(Enabled(kIdDeleteButton));
    EXPECT_FALSE(Enabled(kIdUpButton));
    EXPECT_FALSE(Enabled(kIdDownButton));
    for (int id : {kIdExportButton, kIdOpenButton, kIdResetButton}) EXPECT_TRUE(Enabled(id)) << id;
    for (int id : {kCmdSave, kCmdEditPrint, kCmdOpenBatch, kCmdSaveBatch, kCmdVersions, kCmdMoodle, kCmdReset}) {
        EXPECT_FALSE(MenuGreyed(id)) << id;
    }
    EXPECT_TRUE(LabelDrawnIn(RGB(0, 0, 0)));
    Add("NaCl");
    EXPECT_TRUE(Enabled(kIdUpButton));
    EXPECT_TRUE(Enabled(kIdDownButton));
}

TEST_F(MainWindowTest, DeleteButtonAsksAndSelectsTheNewLastLine) {
    Add("E1");
    Add("E2");
    Add("E3");
    SendDlgItemMessageA(main, kIdBatchList, LB_SETCURSEL, 2, 0);
    ui.boxAnswers.push_back(kAnswerYes);
    Command(kIdDeleteButton);
    EXPECT_EQ(Batch.count, 2);
    EXPECT_EQ(ListCount(), 2);
    EXPECT_EQ(ListSelection(), 2);
    EXPECT_EQ(WindowText(main), "Ejercicios de Química. Nº ejercicios: 2");
}

TEST_F(MainWindowTest, DeletingEverythingHidesTheEditButtons) {
    Add("E1");
    SendDlgItemMessageA(main, kIdBatchList, LB_SETCURSEL, 0, 0);
    ui.boxAnswers.push_back(kAnswerYes);
    Command(kIdDeleteButton);
    EXPECT_FALSE(Visible(kIdEditButton));
    EXPECT_FALSE(Visible(kIdDeleteButton));
    Add("E2");
    EXPECT_TRUE(Visible(kIdEditButton));
    EXPECT_TRUE(Enabled(kIdEditButton));
}

TEST_F(MainWindowTest, MoveButtonsReorderTheList) {
    Add("E1");
    Add("E2");
    SendDlgItemMessageA(main, kIdBatchList, LB_SETCURSEL, 1, 0);
    Command(kIdUpButton);
    EXPECT_EQ(ListLine(1), "1]E2");
    EXPECT_EQ(ListSelection(), 1);
    Command(kIdDownButton);
    EXPECT_EQ(ListLine(1), "1]E1");
    EXPECT_EQ(ListSelection(), 2);
}

TEST_F(MainWindowTest, DoubleClickWithNoLineSelectedOpensNothing) {
    Add("E1");
    SendDlgItemMessageA(main, kIdBatchList, LB_SETCURSEL, WPARAM(-1), 0);
    Command(kIdBatchList, LBN_DBLCLK);
    EXPECT_TRUE(ui.editedRecords.empty());
    SendDlgItemMessageA(main, kIdBatchList, LB_SETCURSEL, 0, 0);
    ui.edits.push_back(ScriptedUi::Cancel());
    Command(kIdBatchList, LBN_DBLCLK);
    EXPECT_EQ(ui.editedRecords.size(), 1u);
}

TEST_F(MainWindowTest, AskConfirmationTogglesWithItsCheckMark) {
    HMENU options = GetSubMenu(GetMenu(main), 2);
    Command(kCmdAskConfirmation);
    EXPECT_FALSE(AskConfirmation);
    EXPECT_FALSE(GetMenuState(options, kCmdAskConfirmation, MF_BYCOMMAND) & MF_CHECKED);
    Command(kCmdAskConfirmation);
    EXPECT_TRUE(AskConfirmation);
    EXPECT_TRUE(GetMenuState(options, kCmdAskConfirmation, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(MainWindowTest, TopicCommandsGoToGenerateTopicAndOthersToDataCommand) {
    g_topics.clear();
    GenerateTopic = RecordTopic;
    Command(203);
    Command(200);
    EXPECT_EQ(g_topics, (std::vector<uint16_t>{3, 0}));
    Command(600);
    Command(601);
    Command(777);
    EXPECT_EQ(ui.elementListOpened, 1);
    EXPECT_EQ(ui.elementEditorOpened, 1);
    DataMenuEnabled = false;
    Command(600);
    EXPECT_EQ(ui.elementListOpened, 1);
}

TEST_F(MainWindowTest, ExitWithAnEmptyBatchClosesAtOnceWithCodeZero) {
    Command(kCmdExit);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_FALSE(IsWindow(main));
    WPARAM code = 99;
    EXPECT_TRUE(DrainUntilQuit(&code));
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(MainWindowHandle(), nullptr);
}

TEST_F(MainWindowTest, LeavingWithUnexportedExercisesAsksAndAnythingButYesStays) {
    Add("never exported");
    ui.boxAnswers.push_back(kAnswerNo);
    Command(kCmdExit);
    ASSERT_EQ(ui.boxes, (ShownBoxes{{"Salir del programa",
                                     "Hay ejercicios en el lote que no se han guardado en un fichero .rtf.\r"
                                     "¿Salir sin guardarlos?",
                                     kBoxYesNo | kBoxIconExclamation}}));
    EXPECT_TRUE(IsWindow(main));
    EXPECT_EQ(Batch.count, 1);
    // The close box asks the same.
    ui.boxAnswers.push_back(kAnswerCancel);
    SendMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(IsWindow(main));
    EXPECT_FALSE(DrainUntilQuit());
    ui.boxAnswers.push_back(kAnswerYes);
    Command(kCmdExit);
    EXPECT_FALSE(IsWindow(main));
    EXPECT_TRUE(DrainUntilQuit());
}

TEST_F(MainWindowTest, LeavingAfterTheExportClosesAtOnce) {
    Add("exported");
    UnexportedChanges = false;  // as a successful export leaves it
    Command(kCmdExit);
    EXPECT_TRUE(ui.boxes.empty());
    EXPECT_FALSE(IsWindow(main));
}

TEST_F(MainWindowTest, TheClassroomOptionsFollowPonerPistasUnchecked) {
    HMENU options = GetSubMenu(GetMenu(main), 2);
    ASSERT_EQ(GetMenuItemCount(options), 4);
    const struct {
        UINT id;
        const char* text;
    } items[] = {{kCmdAskConfirmation, "Preguntar &conformidad"},
                 {kCmdHints, "poner &pistas"},
                 {kCmdDecimalComma, "Coma &decimal"},
                 {kCmdSignificantFigures, "Cifras &significativas"}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(GetMenuItemID(options, i), items[i].id);
        EXPECT_EQ(MenuText(options, i, MF_BYPOSITION), items[i].text);
    }
    EXPECT_FALSE(GetMenuState(options, kCmdDecimalComma, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(GetMenuState(options, kCmdSignificantFigures, MF_BYCOMMAND) & MF_CHECKED);
}

std::string SettingsFileText() { return ReadAll(kSettingsFile); }

// A quick teacher: every option toggled by commands posted at once, the hint window
// answered by clicks while commands still wait; then the program starts again.
TEST_F(MainWindowTest, OptionsToggledInQuickSuccessionAreRememberedAcrossARestart) {
    UiDriver driver;
    driver.When("posarpista", [](HWND w) {
        SendMessageA(GetDlgItem(w, kIdPlaceInAnswer), BM_CLICK, 0, 0);
        Click(w, IDOK);
    });
    for (int id : {kCmdDecimalComma, kCmdSignificantFigures, kCmdAskConfirmation, kCmdHints, kCmdSignificantFigures,
                   kCmdSignificantFigures}) {
        PostMessageA(main, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    }
    const DWORD start = GetTickCount();
    while ((!driver.Finished() || FindThreadWindow("posarpista") != nullptr) && GetTickCount() - start < 10000) {
        DrainUntilQuit();
        Sleep(10);
    }
    DrainUntilQuit();
    EXPECT_TRUE(NumberOptions.decimalComma);
    EXPECT_TRUE(NumberOptions.significantFigures);
    EXPECT_FALSE(AskConfirmation);
    EXPECT_EQ(DefaultHintPlacement, HintPlacement::InAnswer);
    const std::string file = SettingsFileText();
    for (const char* line : {"\r\npreguntar_conformidad=0\r\n", "\r\nponer_pistas=en respuesta\r\n",
                             "\r\ncoma_decimal=1\r\n", "\r\ncifras_significativas=1\r\n"}) {
        EXPECT_NE(file.find(line), std::string::npos) << line << " in\n" << file;
    }

    // The restart: a new run's memory, the start-up, the main window.
    DestroyWindow(main);
    DrainUntilQuit();
    ResetProgramState();
    SetUpProgram();
    SetUserInteraction(&ui);
    main = CreateMainWindow();
    ASSERT_NE(main, nullptr);
    BatchStart();
    HMENU options = GetSubMenu(GetMenu(main), 2);
    EXPECT_FALSE(GetMenuState(options, kCmdAskConfirmation, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(options, kCmdDecimalComma, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_TRUE(GetMenuState(options, kCmdSignificantFigures, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(DefaultHintPlacement, HintPlacement::InAnswer);
    // and the next exercise is written in the classroom form, straight into the batch
    ui.subKinds = {2, 0};
    ScriptRandom({4});  // 5 mol
    Command(202);
    ScriptRandom({});
    ASSERT_EQ(Batch.count, 1);
    EXPECT_EQ(Batch.Slot(1).answer, "  3,01·10^(24) moléculas.");
    EXPECT_EQ(Batch.Slot(1).hintPlacement, HintPlacement::InAnswer);

    // One toggle back is written at once.
    Command(kCmdDecimalComma);
    EXPECT_NE(SettingsFileText().find("\r\ncoma_decimal=0\r\n"), std::string::npos);
}

// Not a check: holds the main window open with a few exercises for scripts/screenshots.sh.
TEST_F(MainWindowTest, DISABLED_ScreenshotHoldsTheMainWindowOpen) {
    Add("Un átomo de número atómico 11 contiene 12 neutrones en su núcleo. Determinar:");
    Add("Pasar   36 g de H_2O a moles.");
    Add("Calcular el pH de una disolución obtenida con  7 g de HCl en un volumen de disolución de   500 ml");
    SetTimer(main, 7, 8000, [](HWND w, UINT, UINT_PTR id, DWORD) {
        KillTimer(w, id);
        PostQuitMessage(0);
    });
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
}

}  // namespace
