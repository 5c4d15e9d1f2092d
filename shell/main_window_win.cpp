#include "shell/main_window_win.h"

#include <string>

#include "shell/batch.h"
#include "shell/batch_file.h"
#include "shell/exercise_editor.h"
#include "shell/export.h"
#include "shell/help_document.h"
#include "shell/hint_window.h"
#include "shell/interaction.h"
#include "shell/messages.h"
#include "shell/program.h"
#include "shell/settings.h"
#include "shell/topic_menu_win.h"
#include "ui/about_box.h"
#include "ui/window_win.h"
#include "util/random.h"
#include "util/screen_scale_win.h"

namespace {

constexpr char kLabel[] = "Lote ejercicios:";
constexpr int kLabelX = 20, kLabelY = 344;

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void OnInitDialog(HWND window);
void OnCommand(HWND, int id, int notification);

WindowKind g_kind{.className = "FPrincipal", .iconName = "IcPrg", .procedure = MainProc, .init = OnInitDialog,
                  .command = OnCommand};
WindowRun g_run;  // the one main window: it runs as long as the program
HWND g_window = nullptr;
COLORREF g_labelColour = 0;
HMENU g_batchMenu = nullptr;    // "Lote ejercicios"
HMENU g_topicMenu = nullptr;    // "Temas"
HMENU g_optionsMenu = nullptr;  // "&Opciones"
bool g_lowerButtonsEnabled = true;
bool g_topicRunning = false;

HWND Item(int id) { return GetDlgItem(g_window, id); }

class MainBatchView final : public BatchView {
public:
    void ClearList() override { SendMessageA(Item(kIdBatchList), LB_RESETCONTENT, 0, 0); }
    void AddListLine(const std::string& line) override {
        SendMessageA(Item(kIdBatchList), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
    }
    void SelectListLine(int position) override {
        SendMessageA(Item(kIdBatchList), LB_SETCURSEL, position - 1, 0);
    }
    int SelectedListLine() override {
        return static_cast<int>(SendMessageA(Item(kIdBatchList), LB_GETCURSEL, 0, 0)) + 1;
    }
    void EnableButton(BatchButton button, bool enabled) override {
        EnableWindow(Item(static_cast<int>(button)), enabled);
    }
    void ShowButton(BatchButton button, bool shown) override {
        ShowWindow(Item(static_cast<int>(button)), shown ? SW_SHOW : SW_HIDE);
    }
    void EnableBatchMenu(bool enabled) override {
        if (g_batchMenu == nullptr) return;
        // "Abrir &lote..." stays enabled: an empty batch is where one is opened.
        for (UINT id : {kCmdSave, kCmdEditPrint, kCmdSaveBatch, kCmdVersions, kCmdMoodle, kCmdReset}) {
            EnableMenuItem(g_batchMenu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        }
    }
    void SetTitle(const std::string& title) override { SetWindowTextA(g_window, title.c_str()); }
};

MainBatchView g_view;

// The three lower buttons follow the batch on every message; the label's colour with them.
void FollowBatchWithLowerButtons() {
    const bool enabled = Batch.count > 0;
    if (enabled == g_lowerButtonsEnabled) return;
    g_lowerButtonsEnabled = enabled;
    for (int id : {kIdExportButton, kIdOpenButton, kIdResetButton}) EnableWindow(Item(id), enabled);
    g_kind.labelColour = enabled ? RGB(0, 0, 0) : g_labelColour;
    RECT label = {Scaled(kLabelX), Scaled(kLabelY), Scaled(kLabelX + 100), Scaled(kLabelY + 20)};
    InvalidateRect(g_window, &label, TRUE);
}

void CheckOption(int id, bool on) {
    CheckMenuItem(g_optionsMenu, id, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

// The checkable items of "&Opciones": the option, its check mark and zorvi.ini change together.
void ToggleOption(int id, bool& option) {
    option = !option;
    CheckOption(id, option);
    RememberSettings();
}

void OnInitDialog(HWND window) {
    g_labelColour = RGB(200, 150, 160);
    g_window = window;
    SetBatchView(&g_view);
    SetWindowTextA(window, Descriptor.longName.c_str());
    HMENU menu = LoadMenuA(AppInstance(), "MENU");
    SetMenu(window, menu);  // destroyed with the window
    g_batchMenu = GetSubMenu(menu, 0);
    g_topicMenu = GetSubMenu(menu, 1);
    g_optionsMenu = GetSubMenu(menu, 2);
    // The options may come from zorvi.ini, not from the resource's marks.
    CheckOption(kCmdAskConfirmation, AskConfirmation);
    CheckOption(kCmdDecimalComma, NumberOptions.decimalComma);
    CheckOption(kCmdSignificantFigures, NumberOptions.significantFigures);
    UpdateBatchControls();
    DeleteMenu(g_topicMenu, 0, MF_BYPOSITION);  // the resource's placeholder
    BuildTopicMenu(g_topicMenu, Descriptor.topicList);
    DrawMenuBar(window);
    UpdateBatchControls();
}

// Exercises added or changed since the last export would be lost: ask before leaving.
bool ConfirmLeaving() {
    if (Batch.count == 0 || !UnexportedChanges) return true;
    return AskYesNoFlags("Salir del programa",
                         "Hay ejercicios en el lote que no se han guardado en un fichero .rtf.\r"
                         "¿Salir sin guardarlos?",
                         kBoxIconExclamation) == kAnswerYes;
}

// One topic at a time, and none while the editor is open, which the topic's exercises
// would need: the command brings the windows already open to the front instead.
void StartTopic(uint16_t topic) {
    if (g_topicRunning || ExerciseEditorOpen()) {
        BringToFront(LastOpenedWindow());
        return;
    }
    if (GenerateTopic == nullptr) return;
    g_topicRunning = true;
    try {
        GenerateTopic(topic);
    } catch (...) {
        g_topicRunning = false;  // a topic that failed leaves the next one free to start
        throw;
    }
    g_topicRunning = false;
}

void OnCommand(HWND, int id, int notification) {
    if (id == kCmdExit) {
        SendMessageA(g_window, WM_CLOSE, 0, 0);
    } else if (id == kIdBatchList) {
        if (notification == LBN_DBLCLK) EditSelected();
    } else if (id >= kCmdFirstTopic && id <= kCmdLastTopic) {
        StartTopic(id - kCmdFirstTopic);
    } else if (!DispatchCommand(id) && DataMenuEnabled && DataCommand) {
        DataCommand(id);
    }
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (g_window == window) FollowBatchWithLowerButtons();
    switch (message) {
        case WM_CLOSE:
            if (!ConfirmLeaving()) return 0;  // the program stays open, the batch intact
            CloseSecondaryWindows(window);
            break;
        case WM_DESTROY:
            SetBatchView(nullptr);
            g_window = nullptr;
            SetProgramEnding(true);
            g_batchMenu = g_topicMenu = g_optionsMenu = nullptr;
            // The main window's end is the program's: every loop still running ends with it.
            PostQuitMessage(static_cast<int>(g_run.code));
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

const ControlSpec kControls[] = {
    {kIdBatchList, "LISTBOX", "", kListBox, 20, 20, 540, 320},
    {kIdEditButton, "BUTTON", "->", kPushButton, 566, 302, 22, 22},
    {kIdDeleteButton, "BUTTON", "-", kPushButton, 566, 278, 22, 22},
    {kIdUpButton, "BUTTON", "/\\", kPushButton, 566, 150, 22, 30},
    {kIdDownButton, "BUTTON", "\\/", kPushButton, 566, 190, 22, 30},
    {kIdExportButton, "BUTTON", "-> fichero .rtf", kPushButton, 120, 340, 100, 22},
    {kIdOpenButton, "BUTTON", "+ editar/imprimir", kPushButton, 224, 340, 160, 22},
    {kIdResetButton, "BUTTON", "Reset", kPushButton, 390, 340, 60, 22},
};
const LabelSpec kLabels[] = {{kLabelX, kLabelY, kLabel}};
// Created as "nose": its own title replaces it at initialisation, before it is first shown.
const WindowLayout kLayout{"nose", kToolWindowStyle, 300, 100, 600, 420, kControls, "CreaFPrin failed", kLabels, true};

WNDPROC g_listProcedure = nullptr;  // the batch list's own

// Enter on a batch line opens it in the editor as "->" does, Del asks to delete it as "-"
// does: each only while its button is there to press.
LRESULT CALLBACK BatchListKeys(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN && (wParam == VK_RETURN || wParam == VK_DELETE)) {
        const int id = wParam == VK_RETURN ? kIdEditButton : kIdDeleteButton;
        HWND button = Item(id);
        if (IsWindowVisible(button) && IsWindowEnabled(button)) {
            PostMessageA(g_window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
        }
        return 0;
    }
    return CallWindowProcA(g_listProcedure, list, message, wParam, lParam);
}

}  // namespace

HWND MainWindowHandle() { return g_window; }

HWND CreateMainWindow() {
    g_lowerButtonsEnabled = true;  // and the label in their colour
    g_kind.labelColour = RGB(0, 0, 0);
    SetProgramEnding(false);
    g_kind.background = MainColour;
    HWND window = OpenWindow(g_kind, kLayout, g_run);
    if (window != nullptr) {
        g_listProcedure = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            GetDlgItem(window, kIdBatchList), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BatchListKeys)));
    }
    return window;
}

void RunMainWindow() {
    if (CreateMainWindow() == nullptr) return;  // reported; no loop for a window that does not exist
    BatchStart();
    SeedRandom(GetTickCount());
    RunMessageLoop();
    BatchEnd();
}

bool DispatchCommand(uint16_t id) {
    UpdateMainTitle();
    switch (id) {
        case kIdEditButton: EditSelected(); return true;
        case kIdDeleteButton: BatchDelete(); return true;
        case kIdDownButton: BatchMoveDown(); return true;
        case kIdUpButton: BatchMoveUp(); return true;
        case kCmdSave: ExportBatch(); return true;
        case kCmdEditPrint: OpenExportedBatch(); return true;
        case kCmdReset:
            if (Batch.count > 0) BatchReset();
            return true;
        case kCmdOpenBatch: OpenBatchCommand(); return true;
        case kCmdSaveBatch: SaveBatchCommand(); return true;
        case kCmdVersions:
            if (Batch.count > 0 && VersionsCommand) VersionsCommand();
            return true;
        case kCmdMoodle:
            if (Batch.count > 0 && MoodleCommand) MoodleCommand();
            return true;
        case kCmdAskConfirmation: ToggleOption(kCmdAskConfirmation, AskConfirmation); return true;
        case kCmdHints:
            HintWindow();
            RememberSettings();  // written only when "Ok" changed the placement
            return true;
        case kCmdDecimalComma: ToggleOption(kCmdDecimalComma, NumberOptions.decimalComma); return true;
        case kCmdSignificantFigures:
            ToggleOption(kCmdSignificantFigures, NumberOptions.significantFigures);
            return true;
        case kCmdInfo: OpenHelpDocument(); return true;
        case kCmdAbout: ShowAbout(Descriptor.longName); return true;
        default:
            return false;
    }
}
