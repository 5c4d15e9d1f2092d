// Drives the real Zorvi.exe from outside, as a teacher would: it starts the program in an
// empty folder with the default elements.dat, generates one exercise of every sub-kind of
// every topic through the windows (the reaction window of the stoichiometry topic
// included), and the exercises whose statements are longer than 255 characters once
// converted (the longest reaction of the list in every sub-kind, a solution of Al2(SO4)3);
// accepts each one in the exercise editor, exports the batch in both presentations (the
// blocks with the answers on a page of their own) and quits. Then it starts the program
// again, opens the batch file that the second export left beside its document through the
// system's open dialog, makes three versions of the sheet, exports the sheet as a Moodle quiz of
// three variants and quits.
// It writes what the editor showed (title, statements, answers, in batch order) and the
// versions made to a report that the reader check compares with the documents as pandoc
// and LibreOffice read them.
//
// With --alone it checks a program copied alone, as from the zip: Zorvi.exe, and nothing
// else, goes into a new folder whose path holds blanks and accents; started there, it must
// write the default table of elements, take "H2SO4" and export one document.
//
// Usage: drive_zorvi ZORVI_EXE ELEMENTS_DAT EMPTY_WORK_FOLDER REPORT_FILE
//        drive_zorvi --alone ZORVI_EXE ELEMENTS_DAT EMPTY_WORK_FOLDER
// Exit code 0 when every step went as expected; otherwise 1, with the reason on stderr.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "chemistry/reaction_window.h"
#include "shell/exercise_editor.h"
#include "shell/generation_window.h"
#include "shell/main_window_win.h"
#include "shell/moodle_window.h"
#include "shell/save_window.h"
#include "shell/versions_window.h"

namespace {

// Under a loaded machine Wine may take seconds to show a window.
constexpr DWORD kStepTimeoutMs = 20000;
constexpr DWORD kStartTimeoutMs = 40000;
constexpr int kInputEdit = 101;  // the text input window's one field
// Messages wait for a program busy for a moment (the system's open dialog reads its folders
// and drives first, and Wine then takes it for hung) and give up on one that never answers
// after the step's time.
constexpr UINT kSendFlags = SMTO_NORMAL;

const char* const kMainTitlePrefix = "Ejercicios de Química. Nº ejercicios: ";
const char* const kDocumentTitle = "Química: prueba de extremo a extremo";

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A message box that a pass must answer, with its exact caption and text.
struct ExpectedBox {
    const char* caption;
    const char* text;
    int answer;
};

// What the teacher does in the list window: the reactions of the stoichiometry topic, the
// equilibria, acids, bases and salts of the 2º Bachillerato topics.
struct ReactionChoice {
    enum Kind { None, AcceptProposed, DoubleClickLine, ClickLine, Type };
    Kind kind = None;
    int line = 0;                // the line proposed (AcceptProposed) or clicked, from 1
    const char* text = nullptr;  // typed over the field (Type)
    const char* caption = nullptr;  // of the window, when not the topic's
};

// One visit to the generation window: the sub-kind chosen, the formula typed (if the
// sub-kind asks for one), the boxes answered, and what the exercise must look like.
// A pass whose `statementStart` is null produces no exercise.
struct Pass {
    int subKind;
    const char* formula;
    std::vector<ExpectedBox> boxes;
    const char* statementStart;
    const char* statementPiece;  // also in the statement, or null
    const char* answerPiece;
    bool doubleClick;  // choose by double-clicking the line instead of "Bien"
    ReactionChoice reaction = {};
};

struct Topic {
    int command;
    const char* caption;
    std::vector<Pass> passes;
    // Its answers draw words with their numbers (which reactant limits, "necesita"): the
    // answers of a later version are not compared with version A's.
    bool drawsWords = false;
    // The caption of its list window, and the fewest lines the program's own list gives to
    // any of its sub-kinds.
    const char* listCaption = "Elegir reacción";
    int listLeast = 18;
};

const std::vector<Topic>& Scenario() {
    static const std::vector<Topic> topics = {
        {201,
         "Atomística",
         {
             {1, nullptr, {}, "Un átomo de número atómico ", " neutrones en su núcleo. Determinar:\r\na) nº protones",
              " protones b) M = ", false},
             {2, nullptr, {}, "Un átomo de número másico ", " neutrones en su núcleo. Determinar:\r\na) nº protones",
              " protones b)  Z = ", true},
         }},
        {202,
         "cálculos con moles",
         {
             // A wrong character is reported and the pass gives nothing.
             {1, "H2$O", {{"Fórmula incorrecta     ", "$", IDOK}}, nullptr, nullptr, nullptr, false},
             {1, "C6H12O6", {}, "Calcula la masa molar de C_6H_1_2O_6\r\ndatos: C = 12.01  H =  1.01  O = 16.00  ",
              nullptr, " g/mol", false},
             {2, nullptr, {}, "Calcular el nº de moléculas que hay en", " mol.", " moléculas.", false},
             {3, nullptr, {}, "Calcular cuantos moles son", " moléculas.", " mol.", true},
             {4, "H2SO4", {}, "Pasar", " g de H_2SO_4 a moles.\r\ndatos: H =  1.01  S = 32.06  O = 16.00  ", " mol.",
              false},
             {5, "CaCO3", {}, "Cuantos gramos son", " moles de CaCO_3?\r\ndatos: Ca = 40.08  C = 12.01  O = 16.00  ",
              " g.", false},
         }},
        {203,
         "Concentraciones de disoluciones",
         {
             {1, nullptr, {}, "Calcular el % (en masa) de soluto si se han disuelto", " g de disolución.", " %", false},
             {2, nullptr, {}, "Calcular los gramos de soluto necesarios para preparar", " % en masa", " g", false},
             {3, "NaCl", {}, "Calcular la molaridad de una disolución obtenida disolviendo",
              " g de NaCl en agua hasta un volumen total de ", " mol/l", false},
             {4, "KMnO4", {}, "Calcular los gramos necesarios de KMnO_4 para preparar ", "M de KMnO_4\r\ndatos: K = 39.10",
              " g", false},
             {5, "CuSO4", {}, "Calcular el volumen de disolución", "M de CuSO_4 que se puede preparar a partir de", "l",
              true},
         }},
        {204,
         "pH",
         {
             // A salt for an acid: declining the question gives nothing.
             {1, "NaCl", {{"NaCl: no parece ácido", "Continuar igualmente?", IDNO}}, nullptr, nullptr, nullptr, false},
             {1, "HCl", {}, "Calcular el pH de una disolución obtenida con", " g de HCl en un volumen de disolución de ",
              "  pH = ", false},
             {2, "NaOH", {}, "Calcular el pH de una disolución obtenida con", " g de NaOH en un volumen de disolución de ",
              "  pH = ", false},
             {3, "H2SO4", {}, "Calcular la concentración molar de una disolución de H_2SO_4 de pH ", nullptr,
              "    [H_2SO_4] = ", false},
             {4, "Ca(OH)2", {}, "Calcular la concentración molar de una disolución de Ca(OH)_2 de pH ", nullptr,
              "    [Ca(OH)_2] = ", false},
         }},
        {205,
         "Gases",
         {
             {1, "CO2", {}, "Calcular la presión, en ", " g de CO_2 en un recipiente de ", "; p = n·R·T / V = ", false},
             {2, "NH3", {}, "Calcular el volumen que ocupan ", " g de NH_3 a ", "V = n·R·T / p = ", true},
             {3, "Cl2", {}, "Una muestra de ",
              " Calcular su masa molar. ¿Puede ser Cl_2?\r\ndatos: Cl = 35.45  R = 0.082 atm·L/(mol·K)",
              ", que coincide con M(Cl_2) = 70.9 g/mol", false},
             {4, nullptr, {}, "Un gas ocupa ", nullptr, "  p_1·V_1 / T_1 = p_2·V_2 / T_2, con T_1 = ", false},
             {5, "O2", {}, "Calcular el volumen que ocupan ",
              " g de O_2 en condiciones normales (0 °C y 1 atm).\r\ndatos: O = 16.00  ", " · 22.4 = ", false},
         }},
        {206,
         "Disoluciones",
         {
             {1, "HCl", {}, "Calcular el volumen de disolución ", " M de HCl que hay que tomar para preparar ",
              "  C_1·V_1 = C_2·V_2: V_1 = ", false},
             // A solute without a bottle: the reagents are listed and the pass gives nothing.
             {2, "NaCl",
              {{"Reactivo comercial",
                "No hay reactivo comercial de NaCl.\rLos reactivos comerciales son: HCl 36 %, H2SO4 98 %, "
                "HNO3 65 %, NH3 25 %, CH3COOH 99.5 %.",
                IDOK}},
              nullptr, nullptr, nullptr, false},
             {2, "H2SO4", {}, "Calcular el volumen de H_2SO_4 comercial (98 % en masa, densidad 1.84 g/mL) necesario ",
              nullptr, " / 1.84 = ", false},
             {3, "NaCl", {}, "Se disuelven ", " g de NaCl en agua hasta ", " g/L; agua: ", true},
             {4, "KNO3", {}, "Se mezclan ", " M de KNO_3. Calcular la molaridad de la mezcla (volúmenes aditivos).",
              " mol; V = ", false},
             // Its subscripts make the statement longer than 255 characters once converted.
             {3, "Al2(SO4)3", {}, "Se disuelven ", " g de Al_2(SO_4)_3 en agua hasta ", " g/L; agua: ", false},
         }},
        {207,
         "Fórmula empírica",
         {
             {1, "C6H12O6", {}, "Calcular la composición centesimal de C_6H_1_2O_6.\r\ndatos: C = 12.01  H =  1.01  O = 16.00  ",
              nullptr, "  M = 180.16 g/mol; C: 72.07 g (40.00 %)", false},
             // One element only: refused with its reason.
             {2, "O3", {{"Fórmula empírica", "O3 tiene un solo elemento: elija un compuesto.", IDOK}}, nullptr, nullptr,
              nullptr, false},
             {2, "C6H12O6", {}, "Un compuesto contiene 40.00 % de C, 6.71 % de H y 53.29 % de O. Calcular su ",
              nullptr, ". Fórmula empírica: CH_2O", false},
             {3, "C6H12O6", {}, "Un compuesto contiene 40.00 % de C, 6.71 % de H y 53.29 % de O, y su masa molar es ",
              "180.16 g/mol", ": molecular C_6H_1_2O_6", true},
         }},
        {208,
         "Estequiometría",
         {
             // The first visit proposes the first line of the default list.
             {1, nullptr, {}, "Reacción: CH_4 + 2 O_2 -> CO_2 + 2 H_2O\r\nCalcular la masa de ", " que se obtiene ",
              " g de ", false, {ReactionChoice::AcceptProposed, 1}},
             {2, nullptr, {}, "Reacción: Zn + 2 HCl -> ZnCl_2 + H_2\r\nCalcular el volumen de H_2, medido a ", nullptr,
              "V = n·R·T / p = ", false, {ReactionChoice::DoubleClickLine, 11}},
             // A typed reaction that does not balance is refused with the element that fails.
             {3, nullptr,
              {{"Reacción incorrecta", "H2 + O2 -> H2O\rno está ajustada (O: 2 en reactivos, 1 en productos)", IDOK}},
              nullptr, nullptr, nullptr, false, {ReactionChoice::Type, 0, "H2 + O2 -> H2O"}},
             {3, nullptr, {},
              "Reacción: 2 Mg + O_2 -> 2 MgO\r\nCalcular el reactivo limitante y la masa de MgO que se obtiene con ",
              nullptr, ": limitante ", true, {ReactionChoice::Type, 0, "2 Mg + O2 -> 2 MgO"}},
             {4, nullptr, {}, "Reacción: CaCO_3 + 2 HCl -> CaCl_2 + CO_2 + H_2O\r\nCalcular la masa de ", " de riqueza ",
              " g puros; ", false, {ReactionChoice::ClickLine, 15}},
             {5, nullptr, {}, "Reacción: CaCO_3 + 2 HCl -> CaCl_2 + CO_2 + H_2O\r\nA partir de ",
              " Calcular el rendimiento de la reacción.", "; rendimiento = ", false,
              {ReactionChoice::AcceptProposed, 15}},
             // The longest reaction of the list once written with its subscripts, in every
             // sub-kind: their statements run past 255 characters of RTF, data line last.
             {1, nullptr, {}, "Reacción: C_6H_1_2O_6 + 6 O_2 -> 6 CO_2 + 6 H_2O\r\nCalcular la masa de ",
              " que se obtiene ", " g de ", false, {ReactionChoice::ClickLine, 5}},
             {2, nullptr, {},
              "Reacción: C_6H_1_2O_6 + 6 O_2 -> 6 CO_2 + 6 H_2O\r\nCalcular el volumen de CO_2, medido a ", nullptr,
              "V = n·R·T / p = ", false, {ReactionChoice::AcceptProposed, 5}},
             {3, nullptr, {},
              "Reacción: C_6H_1_2O_6 + 6 O_2 -> 6 CO_2 + 6 H_2O\r\nCalcular el reactivo limitante y la masa de ",
              nullptr, ": limitante ", false, {ReactionChoice::AcceptProposed, 5}},
             // Glucose is neither mined nor bottled impure: no riqueza to give.
             {4, nullptr,
              {{"Estequiometría",
                "La reacción no tiene ningún reactivo sólido ni comercial, que son los que tienen riqueza.\rElija "
                "otra, o marque el sólido con (s) detrás de su fórmula.",
                IDOK}},
              nullptr, nullptr, nullptr, false, {ReactionChoice::AcceptProposed, 5}},
             {5, nullptr, {}, "Reacción: C_6H_1_2O_6 + 6 O_2 -> 6 CO_2 + 6 H_2O\r\nA partir de ",
              " Calcular el rendimiento de la reacción.", "; rendimiento = ", false,
              {ReactionChoice::AcceptProposed, 5}},
         },
         true},
    };
    return topics;
}

// A sheet of 2º Bachillerato: every sub-kind of the three topics, the substance or the
// equilibrium picked from the program's own constantes.txt by each way the window offers.
const std::vector<Topic>& BachilleratoScenario() {
    static const std::vector<Topic> topics = {
        {209,
         "Equilibrio químico",
         {
             {1, nullptr, {}, "Reacción: PCl_5 <=> PCl_3 + Cl_2\r\nEn un recipiente de ", " mol de PCl_5 a 500 K. ",
              "; K_c = [PCl_3]·[Cl_2]/[PCl_5] = ", false, {ReactionChoice::ClickLine, 3}},
             // An equilibrium that is not on the list is refused, and the list is offered again.
             {2, nullptr,
              {{"Equilibrio químico",
                "C + CO2 <=> 2 CO\rno está en la lista de equilibrios de constantes.txt.\rElija uno de la lista.",
                IDOK}},
              nullptr, nullptr, nullptr, false, {ReactionChoice::Type, 0, "C + CO2 <=> 2 CO"}},
             // Typed with the arrow of the stoichiometry topic: it is the list's all the same.
             {2, nullptr, {}, "Reacción: N_2 + 3 H_2 <=> 2 NH_3\r\nA 745 K, K_", "\r\ndatos: R = 0.082 atm·L/(mol·K)",
              "  variación de moles de gas: 2 - 4 = -2; ", false, {ReactionChoice::Type, 0, "N2 + 3 H2 -> 2 NH3"}},
             {3, nullptr, {}, "Reacción: H_2 + I_2 <=> 2 HI\r\nEn un recipiente de ",
              "Calcular las concentraciones en el equilibrio.\r\ndatos: K_c = 50.5 a 721 K", "  K_c = 4x^2/(", false,
              {ReactionChoice::ClickLine, 1}},
             {4, nullptr, {}, "Reacción: N_2O_4 <=> 2 NO_2\r\nCalcular el grado de disociación del N_2O_4 a 373 K ",
              " atm, y las presiones parciales en el equilibrio.", "K_p = 4·alfa^2·p/(1 - alfa^2): alfa = ", true,
              {ReactionChoice::DoubleClickLine, 1}},
             // The last one picked is proposed again, on its line of this sub-kind's list.
             {5, nullptr, {}, "Reacción: N_2O_4 <=> 2 NO_2\r\nEn un recipiente de ",
              "¿Está el sistema en equilibrio? Si no lo está, ¿hacia dónde evoluciona?", "Q_c = ", false,
              {ReactionChoice::AcceptProposed, 2}},
         },
         true,
         "Elegir equilibrio",
         3},
        {210,
         "Ácidos y bases débiles",
         {
             {1, nullptr, {}, "Calcular el pH y el grado de ionización de una disolución ",
              " M de CH_3COOH (ácido acético). ¿Se puede despreciar", "; pH = ", false, {ReactionChoice::ClickLine, 1}},
             // A strong acid is not on the list of weak ones.
             {2, nullptr,
              {{"Ácidos y bases débiles",
                "HCl: no está en la lista.\rElija una de la lista, o añada la sustancia con su constante a "
                "constantes.txt.",
                IDOK}},
              nullptr, nullptr, nullptr, false, {ReactionChoice::Type, 0, "HCl"}},
             {2, nullptr, {}, "Una disolución ", " M de NH_3 (amoníaco) tiene pH ", "; Kb = x²/(c - x) = ", false,
              {ReactionChoice::Type, 0, "NH3"}},
             {3, nullptr, {}, "Calcular el pH de una disolución ", " M de NH_4Cl.\r\ndatos: Kb (NH_3) = 1.8e-5",
              "; Kh = Kw/Kb = ", false, {ReactionChoice::Type, 0, "NH4Cl", "Elegir sal"}},
             // By its name, as the list writes it.
             {4, nullptr, {}, "Se valoran ", " de C_6H_5COOH (ácido benzoico) ",
              "; en la equivalencia, ", false, {ReactionChoice::Type, 0, "ácido benzoico"}},
         },
         true,
         "Elegir ácido o base",
         5},
        {211,
         "Solubilidad",
         {
             {1, nullptr, {}, "El producto de solubilidad del Ca_3(PO_4)_2 a 25 °C es K_s = 2e-29.", nullptr,
              "; K_s = (3s)^3·(2s)^2 = 108s^5; s = ", false, {ReactionChoice::ClickLine, 12}},
             {2, nullptr, {}, "La solubilidad del PbI_2 en agua a 25 °C es ", " g/L. Calcular su producto de solubilidad",
              "; K_s = s·(2s)^2 = 4s^3 = ", false, {ReactionChoice::Type, 0, "PbI2"}},
             {3, nullptr, {}, "Se mezclan ", "¿Se forma precipitado de Ag_2CrO_4? (volúmenes aditivos)",
              "; precipitado: ", false, {ReactionChoice::ClickLine, 9}},
             // The common ion is drawn, Ag^+ or Cl^-.
             {4, nullptr, {}, "Calcular la solubilidad en mol/L del AgCl en una disolución ",
              "\r\ndatos: K_s(AgCl) = 1.8e-10 a 25 °C", "; con s despreciable", true,
              {ReactionChoice::DoubleClickLine, 1}},
         },
         true,
         "Elegir sal",
         12},
    };
    return topics;
}

// The program copied alone: one formula, which needs the built-in table.
const std::vector<Topic>& AloneScenario() {
    static const std::vector<Topic> topics = {
        {202,
         "cálculos con moles",
         {
             {4, "H2SO4", {}, "Pasar", " g de H_2SO_4 a moles.\r\ndatos: H =  1.01  S = 32.06  O = 16.00  ", " mol.",
              false},
         }},
    };
    return topics;
}

// Where the copied program goes, inside the work folder: blanks and accents, as in a
// teacher's own folders.
const char* const kAloneFolders[] = {"Profesora Núñez", "Química 1º ESO"};

// The two exports: file name, presentation (0 each answer after its statement, 1 blocks).
struct Export {
    const char* name;
    int presentation;
};
const Export kExports[] = {{"prueba seguidos", 0}, {"prueba bloques", 1}};

// The export whose batch file is opened again the next time, and the versions made of it.
const char* const kReopened = "prueba bloques";
constexpr int kVersions = 3;
const char* const kVersionsCaption = "Versiones de la hoja";
// The quiz of the same sheet: variant k of each exercise is version k of the sheet.
constexpr int kMoodleVariants = 3;
const char* const kMoodleCaption = "Cuestionario de Moodle";

// --- The program under test -------------------------------------------------------------

PROCESS_INFORMATION g_zorvi = {};
const char* g_step = "starting";  // what the driver is doing, for the message of a failure

struct FindRequest {
    DWORD pid;
    const char* className;
    HWND found;
};

BOOL CALLBACK FindInProcess(HWND window, LPARAM param) {
    auto* request = reinterpret_cast<FindRequest*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != request->pid || !IsWindowVisible(window)) return TRUE;
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, request->className) != 0) return TRUE;
    request->found = window;
    return FALSE;
}

// A visible top-level window of the program with the class, or nullptr.
HWND FindZorviWindow(const char* className) {
    FindRequest request = {g_zorvi.dwProcessId, className, nullptr};
    EnumWindows(FindInProcess, reinterpret_cast<LPARAM>(&request));
    return request.found;
}

// Text of a window of the other process: WM_GETTEXT is carried across processes, and a
// hung program must not hang the driver.
std::string TextOf(HWND window) {
    char text[1024] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), kSendFlags,
                             kStepTimeoutMs, &copied)) {
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        throw Failure("the program does not answer WM_GETTEXT (a window of class \"" + std::string(name) +
                      "\", id " + std::to_string(GetDlgCtrlID(window)) + ", error " +
                      std::to_string(GetLastError()) + ")");
    }
    return std::string(text, copied);
}

std::string ItemText(HWND window, int id) { return TextOf(GetDlgItem(window, id)); }

void SetItemText(HWND window, int id, const char* text) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), kSendFlags,
                             kStepTimeoutMs, &result)) {
        throw Failure("the program does not answer WM_SETTEXT");
    }
}

LRESULT SendItem(HWND window, int id, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(GetDlgItem(window, id), message, wParam, lParam, kSendFlags, kStepTimeoutMs,
                             &result)) {
        throw Failure("the program does not answer a control message");
    }
    return static_cast<LRESULT>(result);
}

// Posted, never sent: the command opens windows whose own loops run inside the handler.
void Command(HWND window, int id, int notification = BN_CLICKED) {
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, notification), reinterpret_cast<LPARAM>(GetDlgItem(window, id)));
}

// Line breaks and backslashes escaped: one text per line of the report and of a message.
std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\') out += "\\\\";
        else if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else out += c;
    }
    return out;
}

void CheckEqual(const std::string& what, const std::string& actual, const std::string& expected) {
    if (actual != expected) throw Failure(what + ": \"" + Escaped(actual) + "\", expected \"" + Escaped(expected) + "\"");
}

void CheckContains(const std::string& what, const std::string& text, const char* piece, bool atStart = false) {
    if (!piece) return;
    const std::size_t at = text.find(piece);
    if (at == std::string::npos || (atStart && at != 0)) {
        throw Failure(what + " \"" + Escaped(text) + "\" lacks " + (atStart ? "the start \"" : "\"") + Escaped(piece) + "\"");
    }
}

void CheckAlive() {
    if (WaitForSingleObject(g_zorvi.hProcess, 0) == WAIT_OBJECT_0) throw Failure("Zorvi.exe ended by itself");
}

// Waits for a window of the class; any other message box on the way is a failure.
HWND WaitFor(const char* className, DWORD timeoutMs = kStepTimeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        CheckAlive();
        if (HWND window = FindZorviWindow(className)) {
            // A window shows before its controls are made and filled: it answers once the
            // program is back in a message loop, with the window ready.
            DWORD_PTR result = 0;
            if (SendMessageTimeoutA(window, WM_NULL, 0, 0, kSendFlags, kStepTimeoutMs, &result)) return window;
            if (IsWindow(window)) throw Failure(std::string("a window of class ") + className + " does not answer");
            continue;  // gone meanwhile
        }
        if (lstrcmpA(className, "#32770") != 0) {
            // A dialog that Wine shows for a moment while it builds another is gone at once.
            if (HWND box = FindZorviWindow("#32770"); box && (Sleep(50), IsWindow(box))) {
                throw Failure(std::string("waiting for ") + className + ", a message box appeared: \"" + TextOf(box) +
                              "\" / \"" + Escaped(ItemText(box, 0xFFFF)) + "\"");
            }
        }
        if (GetTickCount() - start > timeoutMs) throw Failure(std::string("no window of class ") + className);
        Sleep(20);
    }
}

// The window closes before its caller goes on, so the next window found is a new one.
void WaitGone(HWND window) {
    const DWORD start = GetTickCount();
    while (IsWindow(window)) {
        CheckAlive();
        if (GetTickCount() - start > kStepTimeoutMs) throw Failure("a window stays open after its command");
        Sleep(20);
    }
}

struct Exercise {
    std::string statement;
    std::string answer;
    std::string shared;  // what every version of it starts with, when its draws change words
};

void ChooseSubKind(const Topic& topic, const Pass& pass) {
    HWND window = WaitFor("problmen");
    CheckEqual("caption of the generation window", TextOf(window), topic.caption);
    if (SendItem(window, kIdSubKindList, LB_SETCURSEL, pass.subKind - 1, 0) == LB_ERR) {
        throw Failure("the generation window of " + std::string(topic.caption) + " has no line " +
                      std::to_string(pass.subKind));
    }
    if (pass.doubleClick) {
        Command(window, kIdSubKindList, LBN_DBLCLK);
    } else {
        Command(window, IDOK);
    }
    WaitGone(window);
}

void TypeFormula(const char* formula) {
    HWND window = WaitFor("Edtira");
    CheckEqual("prompt of the text input window", TextOf(window), "fórmula:");
    SetItemText(window, kInputEdit, formula);
    Command(window, IDOK);
    WaitGone(window);
}

void ChooseFromList(const Topic& topic, const ReactionChoice& choice) {
    HWND window = WaitFor("triareaccio");
    CheckEqual("caption of the list window", TextOf(window), choice.caption ? choice.caption : topic.listCaption);
    const LRESULT lines = SendItem(window, kIdReactionList, LB_GETCOUNT, 0, 0);
    if (lines < topic.listLeast) {
        std::string listed;
        for (LRESULT i = 0; i < lines; ++i) {
            char line[256] = {};
            if (SendItem(window, kIdReactionList, LB_GETTEXTLEN, i, 0) < LRESULT(sizeof line)) {
                SendItem(window, kIdReactionList, LB_GETTEXT, i, reinterpret_cast<LPARAM>(line));
            }
            listed += std::string(" | ") + line;
        }
        throw Failure(std::string("the program's own list is not all in the window of ") + topic.caption + ":" +
                      listed);
    }
    const LRESULT selected = SendItem(window, kIdReactionList, LB_GETCURSEL, 0, 0) + 1;
    switch (choice.kind) {
        case ReactionChoice::AcceptProposed:
            if (selected != choice.line) {
                throw Failure("the reaction window proposes line " + std::to_string(selected) + ", expected " +
                              std::to_string(choice.line));
            }
            Command(window, IDOK);
            break;
        case ReactionChoice::DoubleClickLine:
        case ReactionChoice::ClickLine:
            if (SendItem(window, kIdReactionList, LB_SETCURSEL, choice.line - 1, 0) == LB_ERR) {
                throw Failure("the reaction window has no line " + std::to_string(choice.line));
            }
            if (choice.kind == ReactionChoice::DoubleClickLine) {
                Command(window, kIdReactionList, LBN_DBLCLK);
            } else {
                Command(window, kIdReactionList, LBN_SELCHANGE);
                Command(window, IDOK);
            }
            break;
        case ReactionChoice::Type:
            SetItemText(window, kIdReactionText, choice.text);
            Command(window, IDOK);
            break;
        case ReactionChoice::None: throw Failure("a pass says nothing about what it picks from the list");
    }
    WaitGone(window);
}

void AnswerBox(const ExpectedBox& expected) {
    HWND box = WaitFor("#32770");
    CheckEqual("caption of the message box", TextOf(box), expected.caption);
    CheckEqual("text of the message box", ItemText(box, 0xFFFF), expected.text);
    PostMessageA(box, WM_COMMAND, expected.answer, 0);
    WaitGone(box);
}

Exercise AcceptInEditor(const Pass& pass) {
    HWND editor = WaitFor("contingutprob");
    CheckEqual("caption of the exercise editor", TextOf(editor), "Ejercicio");
    Exercise exercise = {ItemText(editor, kIdStatementEdit), ItemText(editor, kIdAnswerEdit), {}};
    CheckContains("statement", exercise.statement, pass.statementStart, true);
    CheckContains("statement", exercise.statement, pass.statementPiece);
    CheckContains("answer", exercise.answer, pass.answerPiece);
    Command(editor, IDOK);
    WaitGone(editor);
    return exercise;
}

std::vector<Exercise> GenerateEverything(HWND main, const std::vector<Topic>& topics) {
    std::vector<Exercise> batch;
    for (const Topic& topic : topics) {
        PostMessageA(main, WM_COMMAND, topic.command, 0);
        for (const Pass& pass : topic.passes) {
            ChooseSubKind(topic, pass);
            if (pass.formula) TypeFormula(pass.formula);
            if (pass.reaction.kind != ReactionChoice::None) ChooseFromList(topic, pass.reaction);
            for (const ExpectedBox& box : pass.boxes) AnswerBox(box);
            if (pass.statementStart) {
                batch.push_back(AcceptInEditor(pass));
                if (topic.drawsWords) batch.back().shared = pass.statementStart;
            }
        }
        HWND window = WaitFor("problmen");
        Command(window, IDCANCEL);
        WaitGone(window);
    }
    return batch;
}

// Returns once the program's main loop has handled everything posted before.
void WaitIdle(HWND main) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(main, WM_NULL, 0, 0, kSendFlags, kStepTimeoutMs, &result)) {
        throw Failure("the main window does not answer");
    }
    if (HWND box = FindZorviWindow("#32770")) {
        throw Failure("unexpected message box: \"" + TextOf(box) + "\" / \"" + Escaped(ItemText(box, 0xFFFF)) + "\"");
    }
}

void CheckBatchList(HWND main, const std::vector<Exercise>& batch) {
    WaitIdle(main);
    CheckEqual("title of the main window", TextOf(main), kMainTitlePrefix + std::to_string(batch.size()));
    const LRESULT count = SendItem(main, kIdBatchList, LB_GETCOUNT, 0, 0);
    if (count != static_cast<LRESULT>(batch.size())) {
        throw Failure("the batch list has " + std::to_string(count) + " lines, expected " + std::to_string(batch.size()));
    }
    for (std::size_t i = 0; i < batch.size(); ++i) {
        // Wine fills an ANSI LB_GETTEXT from another process only up to the first byte;
        // the wide text comes whole and converts back with the same code page.
        wchar_t wide[1024] = {};
        if (SendItem(main, kIdBatchList, LB_GETTEXTLEN, i, 0) >= static_cast<LRESULT>(std::size(wide))) {
            throw Failure("a batch line is too long");
        }
        DWORD_PTR length = 0;
        if (!SendMessageTimeoutW(GetDlgItem(main, kIdBatchList), LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide),
                                 kSendFlags, kStepTimeoutMs, &length)) {
            throw Failure("the program does not answer LB_GETTEXT");
        }
        char line[2048] = {};
        WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(length), line, sizeof line - 1, nullptr, nullptr);
        CheckEqual("batch line " + std::to_string(i + 1), line, std::to_string(i + 1) + "]" + batch[i].statement);
    }
}

void ExportBatch(HWND main, const Export& exportCase, const std::string& workFolder) {
    PostMessageA(main, WM_COMMAND, kCmdSave, 0);
    HWND window = WaitFor("desarserie");
    CheckEqual("caption of the save window", TextOf(window), "Guardar serie de problemas");
    SetItemText(window, kIdExportName, exportCase.name);
    SetItemText(window, kIdDocumentTitle, kDocumentTitle);
    SendItem(window, kIdStatementThenAnswer, BM_SETCHECK, exportCase.presentation == 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    SendItem(window, kIdBlocks, BM_SETCHECK, exportCase.presentation == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    // The blocks go out with their answers on a page of their own.
    SendItem(window, kIdAnswersOnNewPage, BM_SETCHECK, exportCase.presentation == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    Command(window, IDOK);
    WaitGone(window);
    WaitIdle(main);
    const std::string path = workFolder + "\\Exerc\\" + exportCase.name + ".rtf";
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) throw Failure("no document " + path);
}

BOOL CALLBACK FindEdit(HWND window, LPARAM found) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, "Edit") != 0) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The file name field of the system's open dialog: the edit inside cmb13 (a combo box, in a
// ComboBoxEx under Wine), or edt1 in dialogs without it.
HWND FileNameField(HWND dialog) {
    HWND edit = nullptr;
    if (HWND combo = GetDlgItem(dialog, 0x47C)) EnumChildWindows(combo, FindEdit, reinterpret_cast<LPARAM>(&edit));
    return edit != nullptr ? edit : GetDlgItem(dialog, 0x480);
}

struct FileDialogRequest {
    DWORD pid;
    const char* caption;
    HWND found;
};

BOOL CALLBACK FindFileDialog(HWND window, LPARAM param) {
    auto* request = reinterpret_cast<FileDialogRequest*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    char caption[128] = {};
    GetWindowTextA(window, caption, sizeof caption);  // read without a message to the program
    if (pid != request->pid || !IsWindowVisible(window) || lstrcmpA(name, "#32770") != 0 ||
        lstrcmpA(caption, request->caption) != 0 || FileNameField(window) == nullptr) {
        return TRUE;
    }
    request->found = window;
    return FALSE;
}

// The system's file dialog with this caption, once it is made up to its file name field:
// Wine may show a dialog of the same class for a moment while it builds it.
HWND WaitForFileDialog(const char* caption) {
    const DWORD start = GetTickCount();
    for (;;) {
        CheckAlive();
        FileDialogRequest request = {g_zorvi.dwProcessId, caption, nullptr};
        EnumWindows(FindFileDialog, reinterpret_cast<LPARAM>(&request));
        if (request.found) return request.found;
        if (GetTickCount() - start > kStepTimeoutMs) throw Failure(std::string("no dialog \"") + caption + "\"");
        Sleep(20);
    }
}

// "Abrir lote..." with the name typed in the system's dialog, which opens in Exerc.
void OpenBatchFile(HWND main, const std::string& fileName) {
    PostMessageA(main, WM_COMMAND, kCmdOpenBatch, 0);
    HWND dialog = WaitForFileDialog("Abrir lote");
    CheckEqual("folder of the open dialog", ItemText(dialog, 0x471), "Exerc");
    HWND field = FileNameField(dialog);
    if (field == nullptr) throw Failure("the open dialog has no file name field");
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName.c_str()), kSendFlags,
                             kStepTimeoutMs, &result)) {
        throw Failure("the open dialog does not answer WM_SETTEXT");
    }
    Command(dialog, IDOK);
    WaitGone(dialog);
}

// The exercises without numbers drawn (a molar mass, the empirical formulas of a typed
// compound; the solubility from a listed Ks, and here a Kc to Kp whose direction the versions
// drew alike), which the program names before it writes any version and the quiz's note lists.
struct AlikeInEveryVersion {
    const char* versions;
    const char* quiz;
};
const AlikeInEveryVersion kAlike = {"Los ejercicios 3 y 27-29 serán iguales en todas las versiones.", "3, 27-29"};
const AlikeInEveryVersion kAlikeBachillerato = {"Los ejercicios 2 y 10 serán iguales en todas las versiones.", "2, 10"};

// "&Versiones...": the save window first (the opened batch was never exported in this run),
// proposing what the batch file holds, then the versions window, the exercises that stay the
// same, yesterday's batch file that the versions replace, then the note of the files.
void MakeVersions(HWND main, const std::string& workFolder, const AlikeInEveryVersion& alike) {
    PostMessageA(main, WM_COMMAND, kCmdVersions, 0);
    HWND save = WaitFor("desarserie");
    CheckEqual("name proposed after the opening", ItemText(save, kIdExportName), kReopened);
    CheckEqual("title proposed after the opening", ItemText(save, kIdDocumentTitle), kDocumentTitle);
    if (SendItem(save, kIdBlocks, BM_GETCHECK, 0, 0) != BST_CHECKED) throw Failure("the opened batch lost its blocks");
    SendItem(save, kIdAnswersOnNewPage, BM_SETCHECK, BST_CHECKED, 0);
    Command(save, IDOK);
    WaitGone(save);
    HWND versions = WaitFor("versiones");
    CheckEqual("caption of the versions window", TextOf(versions), kVersionsCaption);
    CheckEqual("versions proposed", ItemText(versions, kIdVersionCount), "2");
    if (ItemText(versions, kIdVersionSeed).find_first_not_of("0123456789") != std::string::npos) {
        throw Failure("the seed shown is not a number: " + ItemText(versions, kIdVersionSeed));
    }
    SetItemText(versions, kIdVersionCount, std::to_string(kVersions).c_str());
    Command(versions, IDOK);
    WaitGone(versions);
    AnswerBox({kVersionsCaption, alike.versions, IDOK});
    const std::string replaced = std::string("Ya existe Exerc\\") + kReopened + ".zlote. ¿Reemplazarlo?";
    AnswerBox({"Reemplazar ficheros", replaced.c_str(), IDYES});
    const std::string written = std::string("Escritos en la carpeta Exerc:\r") + kReopened + "-A.rtf a " + kReopened +
                                "-C.rtf\r" + kReopened + "-soluciones.rtf";
    AnswerBox({kVersionsCaption, written.c_str(), IDOK});
    WaitIdle(main);
    for (const char* suffix : {"-A.rtf", "-B.rtf", "-C.rtf", "-soluciones.rtf"}) {
        const std::string path = workFolder + "\\Exerc\\" + kReopened + suffix;
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) throw Failure("no document " + path);
    }
}

// "Exportar a &Moodle...": the save window again (the versions do not count as an export), as
// it stands; the Moodle window proposing the versions just made and 2 %, the variants typed
// in and the tolerance kept; then the note of the file and of how to import it.
void MakeMoodleQuiz(HWND main, const std::string& workFolder, const AlikeInEveryVersion& alike) {
    PostMessageA(main, WM_COMMAND, kCmdMoodle, 0);
    HWND save = WaitFor("desarserie");
    CheckEqual("name proposed for the quiz", ItemText(save, kIdExportName), kReopened);
    Command(save, IDOK);
    WaitGone(save);
    HWND moodle = WaitFor("moodle");
    CheckEqual("caption of the Moodle window", TextOf(moodle), kMoodleCaption);
    CheckEqual("variants proposed", ItemText(moodle, kIdMoodleVariants), std::to_string(kVersions));
    CheckEqual("tolerance proposed", ItemText(moodle, kIdMoodleTolerance), "2");
    SetItemText(moodle, kIdMoodleVariants, std::to_string(kMoodleVariants).c_str());
    Command(moodle, IDOK);
    WaitGone(moodle);
    HWND box = WaitFor("#32770");
    CheckEqual("caption of the message box", TextOf(box), kMoodleCaption);
    const std::string written = std::string("Escrito en Exerc\\") + kReopened + ".xml.\r"
                                "En Moodle: Banco de preguntas > Importar > Formato Moodle XML.\r"
                                "En el cuestionario: una pregunta aleatoria de cada categoría \"Ejercicio N\".\r"
                                "Sin variantes (una pregunta): " + alike.quiz + ".";
    CheckEqual("the note of the quiz", ItemText(box, 0xFFFF), written);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    WaitGone(box);
    WaitIdle(main);
    const std::string path = workFolder + "\\Exerc\\" + kReopened + ".xml";
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) throw Failure("no quiz " + path);
}

void WriteReport(const std::string& path, const std::vector<Exercise>& batch) {
    std::ofstream out(path, std::ios::binary);
    out << "title " << Escaped(kDocumentTitle) << "\n";
    for (const Export& exportCase : kExports) out << "document" << exportCase.presentation << " " << exportCase.name << ".rtf\n";
    for (const Exercise& exercise : batch) {
        out << "statement " << Escaped(exercise.statement) << "\n";
        out << "answer " << Escaped(exercise.answer) << "\n";
        if (!exercise.shared.empty()) out << "shared " << Escaped(exercise.shared) << "\n";
    }
    out << "versions " << kVersions << " " << kReopened << "\n";
    out << "moodle " << kMoodleVariants << " " << kReopened << ".xml\n";
    if (!out.flush()) throw Failure("cannot write the report " + path);
}

std::string FullPath(const char* path) {
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path, sizeof full, full, nullptr);
    if (length == 0 || length >= sizeof full) throw Failure(std::string("bad path ") + path);
    return full;
}

// The program starts in the work folder, inside a job that ends it with the driver.
HANDLE StartZorvi(const std::string& exe, const std::string& workFolder) {
    HANDLE job = CreateJobObjectA(nullptr, nullptr);
    if (job) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        workFolder.c_str(), &startup, &g_zorvi)) {
        throw Failure("cannot start " + exe + " (error " + std::to_string(GetLastError()) + ")");
    }
    if (job && !AssignProcessToJobObject(job, g_zorvi.hProcess)) {
        std::fprintf(stderr, "drive_zorvi: no job object (error %lu); the program is ended by hand\n", GetLastError());
    }
    ResumeThread(g_zorvi.hThread);
    return job;
}

// Whatever happened, the program must not outlive the driver.
void EndZorvi(HWND main) {
    if (!g_zorvi.hProcess) return;
    if (WaitForSingleObject(g_zorvi.hProcess, 0) != WAIT_OBJECT_0) {
        if (main) PostMessageA(main, WM_COMMAND, kCmdExit, 0);
        if (!main || WaitForSingleObject(g_zorvi.hProcess, 5000) != WAIT_OBJECT_0) {
            TerminateProcess(g_zorvi.hProcess, 99);
            WaitForSingleObject(g_zorvi.hProcess, 5000);
        }
    }
}

// One run of the program: started in the work folder, worked by `work`, ended by "&Salir"
// with nothing left to ask.
template <typename Work>
void RunSession(const std::string& exe, const std::string& workFolder, Work work) {
    HANDLE job = StartZorvi(exe, workFolder);
    HWND main = nullptr;
    try {
        main = WaitFor("FPrincipal", kStartTimeoutMs);
        WaitIdle(main);
        work(main);
        PostMessageA(main, WM_COMMAND, kCmdExit, 0);
        if (WaitForSingleObject(g_zorvi.hProcess, kStepTimeoutMs) != WAIT_OBJECT_0) {
            throw Failure("the program does not end on \"&Salir\"");
        }
        DWORD exitCode = 0;
        GetExitCodeProcess(g_zorvi.hProcess, &exitCode);
        if (exitCode != 0) throw Failure("the program ended with code " + std::to_string(exitCode));
    } catch (...) {
        EndZorvi(main);
        if (job) CloseHandle(job);
        throw;
    }
    if (job) CloseHandle(job);
    CloseHandle(g_zorvi.hThread);
    CloseHandle(g_zorvi.hProcess);
    g_zorvi = {};
}

// The names in a folder, sorted, "." and ".." left out; sub-folders as "name\\".
std::vector<std::string> Listing(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) throw Failure("no folder " + folder);
    do {
        if (lstrcmpA(entry.cFileName, ".") == 0 || lstrcmpA(entry.cFileName, "..") == 0) continue;
        names.push_back(std::string(entry.cFileName) + (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY ? "\\" : ""));
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw Failure("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Zorvi.exe alone in a new folder of blanks and accents: the table it writes, a formula
// that needs it, one export.
int RunAlone(const std::string& exe, const char* elements, const std::string& workFolder) {
    if (!Listing(workFolder).empty()) throw Failure("the work folder is not empty: " + workFolder);
    std::string folder = workFolder;
    for (const char* name : kAloneFolders) {
        folder += "\\" + std::string(name);
        if (!CreateDirectoryA(folder.c_str(), nullptr)) throw Failure("cannot create " + folder);
    }
    const std::string copied = folder + "\\Zorvi.exe";
    if (!CopyFileA(exe.c_str(), copied.c_str(), TRUE)) throw Failure("cannot copy the program to " + copied);
    const std::string table = ReadFileBytes(elements);
    const Export alone = {"serie sola", 1};
    RunSession(copied, folder, [&](HWND main) {
        CheckEqual("title of the main window", TextOf(main), "Ejercicios de Química");
        g_step = "reading the table written at start-up";
        if (ReadFileBytes(folder + "\\elements.dat") != table) {
            throw Failure("the program alone did not write the default table of elements");
        }
        g_step = "generating";
        const std::vector<Exercise> batch = GenerateEverything(main, AloneScenario());
        g_step = "checking the batch";
        CheckBatchList(main, batch);
        g_step = "exporting";
        ExportBatch(main, alone, folder);
    });
    g_step = "checking what the program left";
    const std::string document = ReadFileBytes(folder + "\\Exerc\\" + alone.name + ".rtf");
    if (document.find("H{\\sub 2}SO{\\sub 4}") == std::string::npos) throw Failure("the document lacks H2SO4");
    const std::vector<std::string> left = Listing(folder);
    // zorvi.ini keeps the export's name, title and presentation for the next run.
    const std::vector<std::string> expected = {"Exerc\\", "Zorvi.exe", "elements.dat", "zorvi.ini"};
    if (left != expected) {
        std::string names;
        for (const std::string& name : left) names += " " + name;
        throw Failure("unexpected files beside the program alone:" + names);
    }
    std::printf("drive_zorvi: the program alone in \"%s\" wrote its %zu-element table, took H2SO4 and exported\n",
                folder.c_str(), table.size() / 30);
    return 0;
}

int Run(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "--alone") == 0) {
        return RunAlone(FullPath(argv[2]), argv[3], FullPath(argv[4]));
    }
    // The sheet of 2º Bachillerato is a sheet of its own: a batch holds at most 50 exercises.
    const bool bachillerato = argc == 6 && std::strcmp(argv[1], "--bachillerato") == 0;
    if (bachillerato) {
        --argc;
        ++argv;
    }
    if (argc != 5) {
        std::fprintf(stderr,
                     "usage: drive_zorvi [--bachillerato] ZORVI_EXE ELEMENTS_DAT EMPTY_WORK_FOLDER REPORT_FILE\n"
                     "       drive_zorvi --alone ZORVI_EXE ELEMENTS_DAT EMPTY_WORK_FOLDER\n");
        return 2;
    }
    const std::vector<Topic>& scenario = bachillerato ? BachilleratoScenario() : Scenario();
    const std::string exe = FullPath(argv[1]);
    const std::string workFolder = FullPath(argv[3]);
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((workFolder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) throw Failure("no work folder " + workFolder);
    do {
        if (lstrcmpA(entry.cFileName, ".") != 0 && lstrcmpA(entry.cFileName, "..") != 0) {
            FindClose(search);
            throw Failure("the work folder is not empty: " + std::string(entry.cFileName));
        }
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    if (!CopyFileA(argv[2], (workFolder + "\\elements.dat").c_str(), TRUE)) {
        throw Failure(std::string("cannot copy ") + argv[2]);
    }

    // The first day: every sub-kind made and both documents exported.
    std::vector<Exercise> batch;
    RunSession(exe, workFolder, [&](HWND main) {
        CheckEqual("title of the main window", TextOf(main), "Ejercicios de Química");
        g_step = "generating";
        batch = GenerateEverything(main, scenario);
        g_step = "checking the batch";
        CheckBatchList(main, batch);
        g_step = "exporting";
        for (const Export& exportCase : kExports) ExportBatch(main, exportCase, workFolder);
    });
    std::printf("drive_zorvi: %zu exercises generated, exported twice, program ended\n", batch.size());
    // The next day: the batch file of the blocks opened again, and the versions of the sheet.
    RunSession(exe, workFolder, [&](HWND main) {
        g_step = "opening the batch file";
        OpenBatchFile(main, std::string(kReopened) + ".zlote");
        g_step = "checking the opened batch";
        CheckBatchList(main, batch);
        g_step = "making the versions";
        MakeVersions(main, workFolder, bachillerato ? kAlikeBachillerato : kAlike);
        g_step = "exporting the Moodle quiz";
        MakeMoodleQuiz(main, workFolder, bachillerato ? kAlikeBachillerato : kAlike);
    });
    std::printf("drive_zorvi: the batch file opened again, %d versions and their key made, a quiz of %d variants, "
                "program ended\n", kVersions, kMoodleVariants);
    WriteReport(argv[4], batch);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    try {
        return Run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "drive_zorvi: %s (%s)\n", e.what(), g_step);
        return 1;
    }
}
