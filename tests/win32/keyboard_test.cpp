// The keyboard in every window, as a teacher types it: real keys through the system's input
// queue into the window in front, and what the window then did.

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "chemistry/reaction_window.h"
#include "shell/batch.h"
#include "shell/exercise_editor.h"
#include "shell/generation_window.h"
#include "shell/hint_window.h"
#include "shell/main_window_win.h"
#include "shell/moodle_window.h"
#include "shell/save_window.h"
#include "shell/versions_window.h"
#include "tests/support/exercises.h"
#include "tests/support/scripted_ui.h"
#include "tests/win32/program_fixture.h"
#include "tests/win32/ui_driver.h"
#include "ui/about_box.h"
#include "ui/input_text.h"
#include "ui/window_win.h"

namespace {

constexpr char kEditor[] = "contingutprob";

struct Key {
    WORD vk;
    WORD held = 0;  // VK_SHIFT or VK_MENU, down around the key
};
const Key kTab{VK_TAB}, kBackTab{VK_TAB, VK_SHIFT}, kEnter{VK_RETURN}, kEsc{VK_ESCAPE}, kDown{VK_DOWN},
    kDel{VK_DELETE};

void Type(const std::vector<Key>& keys) {
    std::vector<INPUT> input;
    auto event = [&input](WORD vk, DWORD flags) {
        INPUT i = {};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = vk;
        i.ki.dwFlags = flags;
        input.push_back(i);
    };
    for (const Key& key : keys) {
        if (key.held) event(key.held, 0);
        event(key.vk, 0);
        event(key.vk, KEYEVENTF_KEYUP);
        if (key.held) event(key.held, KEYEVENTF_KEYUP);
    }
    SendInput(UINT(input.size()), input.data(), sizeof(INPUT));
}

// The window stays open with the focus on this control.
std::function<bool(HWND)> FocusOn(int id) {
    return [id](HWND w) { return GetFocus() == GetDlgItem(w, id); };
}

std::string Accepted(bool accepted, const std::string& what) { return accepted ? what : "no"; }

struct KeyCase {
    const char* what;
    const char* className;
    std::vector<Key> keys;
    std::function<std::string()> run;  // opens the window and runs it to its end: what it gave
    std::function<bool(HWND)> until;   // none: the keys close the window; else it is then destroyed
    std::string expected;
};

using KeyboardTest = ProgramTest<ScriptedUi>;

TEST_F(KeyboardTest, EveryWindowAnswersTheKeysAWindowsUserTypes) {
    AddExercise("E1");
    AddExercise("E2");
    auto edit = [] {
        ExerciseRecord r;
        r.statement = "NaCl";
        r.answer = "58";
        r.hint = "h";
        const bool accepted = EditExercise(r);
        return Accepted(accepted, r.statement + "|" + r.answer + "|" + r.hint + "|" +
                                      std::to_string(int(r.hintPlacement)));
    };
    auto save = [] {
        std::string name = "serie", title = "Moles";
        int32_t presentation = 1;
        bool newPage = false;
        const bool accepted = SaveSeriesWindow(name, title, presentation, newPage);
        return Accepted(accepted, name + "|" + title + "|" + std::to_string(presentation));
    };
    auto versions = [] {
        int count = 2;
        uint32_t seed = 7;
        const bool accepted = VersionsWindow(count, seed);
        return Accepted(accepted, std::to_string(count) + "|" + std::to_string(seed));
    };
    auto moodle = [this] {
        int variants = 3;
        double tolerance = 2;
        const bool accepted = MoodleWindow(variants, tolerance);
        std::string told;
        for (const ShownBox& box : ui.boxes) told += "|" + box.text;
        char percent[16];
        std::snprintf(percent, sizeof percent, "%g", tolerance);
        return Accepted(accepted, std::to_string(variants) + "|" + percent) + told;
    };
    auto reaction = [] {
        std::string text = "2 H2 + O2 = 2 H2O";
        const bool accepted = ChooseReactionWindow({"2 H2 + O2 = 2 H2O", "C + O2 = CO2"}, text);
        return Accepted(accepted, text);
    };
    auto generation = [] {
        LastSubKind = 1;
        return std::to_string(ChooseSubKind("masa molar;moles;gramos"));
    };
    auto hint = [] {
        DefaultHintPlacement = HintPlacement::None;
        HintWindow();
        return std::to_string(int(DefaultHintPlacement));
    };
    auto input = [] {
        std::string text = "Fe";
        const bool accepted = InputText("Fórmula", text);
        return Accepted(accepted, text);
    };
    auto about = [] {
        ShowAboutBox("Ejercicios", "");
        return std::string("cerrado");
    };
    auto line = [this] {
        if (!IsWindow(main)) return std::string("closed by an earlier case");
        SendDlgItemMessageA(main, kIdBatchList, LB_SETCURSEL, 1, 0);
        ui.edits.push_back([](ExerciseRecord&) { return false; });
        ui.boxAnswers.push_back(kAnswerNo);
        RunMessageLoop();  // the main window's own loop, until the case ends it
        std::string seen;
        for (const ExerciseRecord& r : ui.editedRecords) seen += "editor " + r.statement;
        for (const ShownBox& box : ui.boxes) seen += box.caption + " " + box.text;
        // What the keys left unasked is not left for the next case.
        ui.edits.clear();
        ui.boxAnswers.clear();
        return seen + "|" + std::to_string(Batch.count);
    };
    const std::vector<KeyCase> cases = {
        {"Tab goes from the statement to the answer", kEditor, {kTab}, edit, FocusOn(kIdAnswerEdit), "no"},
        {"Shift+Tab goes back from the answer to the statement", kEditor, {kTab, kBackTab}, edit,
         FocusOn(kIdStatementEdit), "no"},
        {"Enter in the statement starts a line; in the hint it presses Aceptar", kEditor,
         {kEnter, kTab, kTab, kEnter}, edit, nullptr, "\r\nNaCl|58|h|0"},
        {"the arrows move through the hint's places", kEditor, {kTab, kTab, kTab, kDown, kEnter}, edit,
         nullptr, "NaCl|58|h|1"},
        {"Esc in the editor cancels", kEditor, {kEsc}, edit, nullptr, "no"},
        {"Enter accepts the save window", "desarserie", {kEnter}, save, nullptr, "serie|Moles|1"},
        {"Alt+C presses its \"&Cancelar\"", "desarserie", {{'C', VK_MENU}}, save, nullptr, "no"},
        {"the arrows pick the presentation", "desarserie", {kTab, kTab, kDown, kEnter}, save, nullptr,
         "serie|Moles|0"},
        {"a number typed over the versions replaces them", "versiones", {{'5'}, kEnter}, versions, nullptr,
         "5|7"},
        {"Esc leaves the versions", "versiones", {kTab, kEsc}, versions, nullptr, "no"},
        {"the variants and the tolerance typed over, with a comma, and Enter", "moodle",
         {{'3'}, {'0'}, kTab, {'1'}, {VK_OEM_COMMA}, {'5'}, kEnter}, moodle, nullptr, "30|1.5"},
        {"Esc leaves the Moodle window", "moodle", {{'9'}, kTab, kEsc}, moodle, nullptr, "no"},
        {"a tolerance out of range is told and the Moodle window stays on it", "moodle",
         {kTab, {'9'}, {'9'}, kEnter}, moodle,
         [this](HWND w) { return !ui.boxes.empty() && GetFocus() == GetDlgItem(w, kIdMoodleTolerance); },
         "no|La tolerancia debe ser un número de 0 a 50 (por ciento de cada valor), con punto o coma decimal."},
        {"Down and Enter pick the next reaction", "triareaccio", {kDown, kEnter}, reaction, nullptr,
         "C + O2 = CO2"},
        {"Alt+A accepts the typed reaction", "triareaccio", {kTab, {VK_END}, {'X'}, {'A', VK_MENU}}, reaction,
         nullptr, "2 H2 + O2 = 2 H2Ox"},
        {"the sub-kinds list has the keys and Enter presses Bien", "problmen", {kDown, kEnter}, generation,
         nullptr, "2"},
        {"Esc presses Salir", "problmen", {kEsc}, generation, nullptr, "0"},
        {"Down and Enter in the hint window", "posarpista", {kDown, kEnter}, hint, nullptr, "1"},
        {"Esc leaves the hint window unchanged", "posarpista", {kDown, kEsc}, hint, nullptr, "0"},
        {"the text field takes the typing and Enter", "Edtira", {{'X'}, kEnter}, input, nullptr, "xFe"},
        {"Enter closes the about box", "FerSobre", {kEnter}, about, nullptr, "cerrado"},
        {"Esc closes the about box", "FerSobre", {kEsc}, about, nullptr, "cerrado"},
        {"Enter on a batch line opens it in the editor", "FPrincipal", {kEnter}, line,
         [this](HWND) { return !ui.editedRecords.empty(); }, "editor E2|2"},
        {"Del on a batch line asks to delete it", "FPrincipal", {kDel}, line,
         [this](HWND) { return !ui.boxes.empty(); }, "*Confirmar eliminar* Eliminar l'ejercicio seleccionado?|2"},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        ui.editedRecords.clear();
        ui.boxes.clear();
        std::string result;
        {
            UiDriver driver(3000);  // keys that do nothing fail each case soon
            const std::string className = c.className;
            driver.When(c.className, [&c](HWND w) {
                SetForegroundWindow(w);
                Type(c.keys);
            });
            if (c.until == nullptr) {
                // The keys end the window, and its run with it; a window they leave open times out.
                driver.WhenGone(c.className, [] {});
            } else {
                driver.WhenTrue([&] { return c.until(FindThreadWindow(className.c_str())); },
                                [&] {
                                    // The main window stays for the next case; its loop ends.
                                    HWND w = FindThreadWindow(className.c_str());
                                    if (w == main) PostQuitMessage(0);
                                    else DestroyWindow(w);
                                });
            }
            result = c.run();
            // The driver sees the window gone at its next tick.
            for (const DWORD start = GetTickCount(); !driver.Finished() && GetTickCount() - start < 1000;) {
                MSG msg;
                while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
                Sleep(10);
            }
        }
        EXPECT_EQ(result, c.expected);
    }
}

}  // namespace
