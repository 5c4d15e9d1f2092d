#include "ui/window_win.h"

#include <vector>

#include "util/screen_scale_win.h"

namespace {

HINSTANCE g_instance = nullptr;
int g_showCommand = SW_SHOWNORMAL;
bool g_programEnding = false;

struct KeptBrush {
    COLORREF colour;
    OwnedBrush brush;
};
std::vector<KeptBrush> g_brushes;  // one per background colour, for the whole run
std::vector<WindowRun*> g_openRuns;  // the open windows, in the order of opening

// A font of the dialog face with this height, for the display's scale.
HFONT MakeDialogFont(int height) {
    LOGFONTA font = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfHeight = height;
    font.lfWidth = 0;
    return CreateFontIndirectA(&font);
}

// The font of the controls, in display pixels. At 96 DPI it is the stock dialog font
// itself (never deleted); elsewhere one made for the scale and kept for the whole run.
HFONT ControlFont() {
    if (ScreenDpi() == 96) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    static const OwnedFont font(MakeDialogFont(Scaled(-11)));
    return font.Get();
}

// The font of the labels that windows draw themselves, in the layout's units: the device
// context scales it with everything else drawn there.
HFONT LabelFont() {
    if (ScreenDpi() == 96) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    static const OwnedFont font(MakeDialogFont(-11));
    return font.Get();
}

WindowRun* RunOf(HWND window, int index) { return reinterpret_cast<WindowRun*>(GetWindowLongPtrA(window, index)); }

WindowRun* OpenRunOf(const WindowKind& kind) {
    for (WindowRun* run : g_openRuns) {
        if (run->kind == &kind) return run;
    }
    return nullptr;
}

// A run leaves the list of open windows with its window.
void EndRun(WindowRun* run) {
    run->ended = true;
    std::erase(g_openRuns, run);
}

// What the user reads when the program failed inside one of its windows: the window and
// the batch stay as they were before the failing step.
void ShowInternalFailure() {
    MessageBoxA(nullptr,
                "Se ha producido un error interno y la operación no se ha completado.\r"
                "Los ejercicios del lote se conservan.",
                nullptr, MB_OK | MB_ICONEXCLAMATION);
}

// Runs one step of a window's own code; no exception leaves it for the system's caller.
// True when the step failed: the caller tells the user.
template <typename Step>
bool Failed(Step&& step) {
    try {
        step();
        return false;
    } catch (...) {
        return true;
    }
}

// The labels of the layout and the kind's own drawing, between BeginPaint and EndPaint.
void Paint(HWND window, WindowRun& run) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    bool failed = false;
    if (dc != nullptr && !run.paintFailed) {
        UseLayoutUnits(dc);
        SelectGuard font(dc, LabelFont());  // the dialog font, kept for the run
        SetBkColor(dc, run.kind->background);
        SetTextColor(dc, run.kind->labelColour);
        for (const LabelSpec& label : run.layout->labels) {
            TextOutA(dc, label.x, label.y, label.text, lstrlenA(label.text));
        }
        if (run.kind->paint != nullptr) failed = Failed([&] { run.kind->paint(window, dc); });
    }
    EndPaint(window, &ps);
    // Told after the painting ended, and once: a failure would come back with every repaint.
    if (failed) {
        run.paintFailed = true;
        ShowInternalFailure();
    }
}

void OnCommand(HWND window, const WindowKind& kind, int id, int notification) {
    if (kind.accept != nullptr && id == IDOK) {
        kind.accept(window);
    } else if (kind.accept != nullptr && id == IDCANCEL) {
        CloseWithCode(window, 0);
    } else if (kind.command != nullptr) {
        kind.command(window, id, notification);
    }
}

constexpr char kFocusProperty[] = "ZorviFocus";  // the control that had the focus when the window left the front

// The first control that Tab stops at, or nullptr: a window without one keeps the focus itself.
HWND FirstTabStop(HWND window) {
    HWND first = GetNextDlgTabItem(window, nullptr, FALSE);
    return first != nullptr && (GetWindowLongA(first, GWL_STYLE) & WS_TABSTOP) != 0 ? first : nullptr;
}

// The control that had the focus when the window left the front gets it back, as in a dialog.
void RestoreKeptFocus(HWND window) {
    HWND kept = static_cast<HWND>(GetPropA(window, kFocusProperty));
    if (kept != nullptr && IsChild(window, kept) && IsWindowVisible(kept) && IsWindowEnabled(kept)) SetFocus(kept);
}

// What IsDialogMessage and the controls ask of a dialog, which a plain window does not answer:
// its default button (Enter) and to move the focus (a multi-line field's Tab, an arrow off a
// group); and, as a dialog does, the focus kept while the window is not in front.
bool AnswerDialogManager(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case DM_GETDEFID:
            // "Bien", "Aceptar", "Ok" are IDOK in every window that has one; the button keeps its look.
            result = GetDlgItem(window, IDOK) != nullptr ? MAKELRESULT(IDOK, DC_HASDEFID) : 0;
            return true;
        case WM_NEXTDLGCTL: {
            HWND next = LOWORD(lParam) != 0 ? reinterpret_cast<HWND>(wParam)
                                            : GetNextDlgTabItem(window, GetFocus(), wParam != 0);
            if (next != nullptr) {
                // A field reached by the keyboard is selected whole, as in a dialog.
                if (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageA(next, EM_SETSEL, 0, -1);
                SetFocus(next);
            }
            result = 0;
            return true;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus != nullptr && IsChild(window, focus)) SetPropA(window, kFocusProperty, focus);
            }
            return false;
        case WM_SETFOCUS:
            // The default handling of the activation gave the focus to the window itself.
            RestoreKeptFocus(window);
            return false;
        case WM_NCDESTROY:
            RemovePropA(window, kFocusProperty);
            return false;
    }
    return false;
}

// Every window of the framework goes through here: its run is stored with it at creation,
// the close code and the end of the window are kept for the loop that runs it, and the
// kind's hooks get their messages.
LRESULT CALLBACK KindProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* run = static_cast<WindowRun*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        run->window = window;
        SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(run));
    }
    WindowRun* run = RunOf(window, 0);
    if (run == nullptr) return DefWindowProcA(window, message, wParam, lParam);
    const WindowKind& kind = *run->kind;
    if (message == WM_CLOSE) run->code = wParam;
    // Radio buttons, check boxes, group frames and static texts take the window's colour, not
    // a grey box of their own (as visual styles would draw them); edits keep theirs.
    if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
        char className[16] = {};
        GetClassNameA(reinterpret_cast<HWND>(lParam), className, sizeof className);
        if (lstrcmpiA(className, "Edit") != 0) {
            SetBkColor(reinterpret_cast<HDC>(wParam), kind.background);
            return reinterpret_cast<LRESULT>(BackgroundBrush(kind.background));
        }
    }
    if (message == WM_PAINT) {
        Paint(window, *run);
        return 0;
    }
    LRESULT result = 0;
    if (AnswerDialogManager(window, message, wParam, lParam, result)) return result;
    if (Failed([&] {
            if (message == WM_INITDIALOG && kind.init != nullptr) kind.init(window);
            if (message == WM_COMMAND) OnCommand(window, kind, LOWORD(wParam), HIWORD(wParam));
            result = kind.procedure != nullptr ? kind.procedure(window, message, wParam, lParam)
                                               : DefWindowProcA(window, message, wParam, lParam);
        })) {
        ShowInternalFailure();
        // A failed close leaves the window open.
        result = message == WM_CLOSE ? 0 : DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        EndRun(run);
        SetWindowLongPtrA(window, 0, 0);
    }
    return result;
}

// The same for a resource dialog: its run comes with WM_INITDIALOG.
INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        auto* run = reinterpret_cast<WindowRun*>(lParam);
        run->window = dialog;
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    }
    WindowRun* run = RunOf(dialog, DWLP_USER);
    if (run == nullptr) return FALSE;
    INT_PTR result = FALSE;
    if (Failed([&] { result = run->kind->dialog(dialog, message, wParam, lParam); })) ShowInternalFailure();
    if (message == WM_NCDESTROY) {
        EndRun(run);
        SetWindowLongPtrA(dialog, DWLP_USER, 0);
    }
    return result;
}

bool RegisterKind(WindowKind& kind) {
    if (kind.registered) return true;
    // The class icon lives as long as the class, that is for the rest of the run.
    kind.icon.Reset(static_cast<HICON>(LoadImageA(AppInstance(), kind.iconName, IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
    WNDCLASSA wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = KindProcedure;
    wc.cbWndExtra = sizeof(WindowRun*);
    wc.hInstance = AppInstance();
    wc.hIcon = kind.icon.Get();
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = BackgroundBrush(kind.background);
    wc.lpszClassName = kind.className;
    if (RegisterClassA(&wc) == 0) {
        kind.icon.Reset();
        ShowWindowFailure("Register failed");
        return false;
    }
    kind.registered = true;
    return true;
}

}  // namespace

void CloseSecondaryWindows(HWND keep) {
    std::vector<HWND> windows;  // each destruction takes its run off the list
    for (const WindowRun* run : g_openRuns) {
        const bool other = run->window != nullptr && run->window != keep;
        if (other && run->kind->dialog == nullptr) windows.push_back(run->window);
    }
    for (auto window = windows.rbegin(); window != windows.rend(); ++window) {
        if (IsWindow(*window)) DestroyWindow(*window);
    }
}

HWND WindowKind::Open() const {
    const WindowRun* run = OpenRunOf(*this);
    return run != nullptr ? run->window : nullptr;
}

HBRUSH BackgroundBrush(COLORREF colour) {
    for (const KeptBrush& kept : g_brushes) {
        if (kept.colour == colour) return kept.brush.Get();
    }
    g_brushes.push_back({colour, OwnedBrush(CreateSolidBrush(colour))});
    return g_brushes.back().brush.Get();
}

void BringToFront(HWND window) {
    if (window == nullptr) return;
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    BringWindowToTop(window);
}

HWND LastOpenedWindow() { return g_openRuns.empty() ? nullptr : g_openRuns.back()->window; }

// True when a window of the kind is open, which is then brought to the front; or when the
// program is ending: then no window opens.
bool Refused(const WindowKind& kind) {
    if (g_programEnding) return true;
    const WindowRun* open = OpenRunOf(kind);
    if (open != nullptr) BringToFront(open->window);
    return open != nullptr;
}

HWND OpenWindow(WindowKind& kind, const WindowLayout& layout, WindowRun& run, const std::function<void()>& start) {
    if (Refused(kind) || !RegisterKind(kind)) return nullptr;
    run = WindowRun{&kind, &layout};
    if (start && Failed(start)) {
        ShowInternalFailure();
        return nullptr;
    }
    // Open before creation: the messages of creation already keep their code.
    g_openRuns.push_back(&run);
    HWND window = CreateWindowExA(0, kind.className, layout.caption, layout.style, Scaled(layout.x), Scaled(layout.y),
                                  Scaled(layout.width), Scaled(layout.height), nullptr, nullptr, AppInstance(), &run);
    if (window == nullptr) {
        std::erase(g_openRuns, &run);
        ShowWindowFailure(layout.failure);
        return nullptr;
    }
    if (!layout.showAfterInit) {
        ShowWindow(window, AppShowCommand());
        UpdateWindow(window);
    }
    for (const ControlSpec& control : layout.controls) CreateControl(window, control);
    SendMessageA(window, WM_INITDIALOG, 0, 0);
    if (layout.showAfterInit && !run.ended) {
        ShowWindow(window, AppShowCommand());
        UpdateWindow(window);
    }
    return run.ended ? nullptr : window;
}

namespace {

// The dialog keys of the framework's window that the message is for, whichever loop runs it
// (a tool window's loop also runs the main window's keys). True when IsDialogMessage took the
// message, which it then translated and dispatched itself.
bool TakenAsDialogKey(MSG& msg) {
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST || msg.hwnd == nullptr) return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (root == nullptr || GetClassLongPtrA(root, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(KindProcedure)) {
        return false;
    }
    // A window whose init focused no control opens as it always looked, without the focus frame
    // of a first control: the first key (but Tab, which goes to that control) is that control's.
    if (msg.hwnd == root && msg.message == WM_KEYDOWN && msg.wParam != VK_TAB) {
        HWND first = FirstTabStop(root);
        if (first != nullptr) {
            SetFocus(first);
            msg.hwnd = first;
        }
    }
    // A window without a default button (the main window) is no dialog: its Esc would be the
    // menu's "&Salir", whose id is that of "Cancelar", and its Enter stays with the control,
    // but on a push button reached by Tab, which it presses.
    if (msg.message == WM_KEYDOWN && GetDlgItem(root, IDOK) == nullptr &&
        (msg.wParam == VK_ESCAPE ||
         (msg.wParam == VK_RETURN && !(SendMessageA(msg.hwnd, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)))) {
        return false;
    }
    return IsDialogMessageA(root, &msg) != FALSE;
}

}  // namespace

WPARAM RunWindowLoop(WindowRun& run, void (*beforeEach)()) {
    MSG msg = {};
    while (!run.ended) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            // The quit is the program's: the window cannot stay, and the outer loops must end too.
            if (!run.ended && IsWindow(run.window)) DestroyWindow(run.window);
            PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 0);
            return 0;
        }
        if (beforeEach) beforeEach();
        if (TakenAsDialogKey(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return run.code;
}

WPARAM RunToolWindow(WindowKind& kind, const WindowLayout& layout, const std::function<void()>& start,
                     void (*beforeEach)()) {
    WindowRun run;
    if (OpenWindow(kind, layout, run, start) == nullptr) return 0;
    return RunWindowLoop(run, beforeEach);
}

INT_PTR RunDialogWindow(WindowKind& kind) {
    if (Refused(kind)) return 0;
    WindowRun run{&kind};
    g_openRuns.push_back(&run);
    const INT_PTR result = DialogBoxParamA(AppInstance(), kind.className, nullptr, DialogProcedure,
                                           reinterpret_cast<LPARAM>(&run));
    const DWORD error = GetLastError();
    std::erase(g_openRuns, &run);  // a dialog that was never made is no longer open either
    SetLastError(error);
    return result;
}

WPARAM RunMessageLoop() {
    MSG msg = {};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (TakenAsDialogKey(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return msg.message == WM_QUIT ? msg.wParam : 0;
}

void SetProgramEnding(bool ending) { g_programEnding = ending; }

bool ProgramEnding() { return g_programEnding; }

HINSTANCE AppInstance() { return g_instance ? g_instance : GetModuleHandleA(nullptr); }

int AppShowCommand() { return g_showCommand; }

void SetAppStart(HINSTANCE instance, int showCommand) {
    g_instance = instance;
    g_showCommand = showCommand;
}

void ShowWindowFailure(const char* text) { MessageBoxA(nullptr, text, nullptr, MB_OK); }

HWND CreateControl(HWND parent, const char* className, const char* text, DWORD style, int x, int y,
                   int width, int height, int id) {
    HWND control = CreateWindowExA(0, className, text, style, Scaled(x), Scaled(y), Scaled(width), Scaled(height),
                                   parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), AppInstance(), nullptr);
    // The dialog font: the controls' texts fit the sizes laid out for them.
    if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont()), FALSE);
    return control;
}

HWND CreateControl(HWND parent, const ControlSpec& c) {
    return CreateControl(parent, c.className, c.text, c.style, c.x, c.y, c.width, c.height, c.id);
}

void CloseWithCode(HWND window, WPARAM code) { SendMessageA(window, WM_CLOSE, code, 0); }
