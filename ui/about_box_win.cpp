#include "ui/about_box.h"

#include <windows.h>

#include "richtext/drawing_win.h"
#include "ui/controls_win.h"
#include "ui/program_file.h"
#include "ui/window_win.h"
#include "util/language.h"
#include "util/random.h"

namespace {

constexpr COLORREF kBackground = RGB(255, 255, 178);
constexpr COLORREF kColourA = RGB(0, 100, 250);
constexpr COLORREF kColourB = RGB(220, 100, 0);

LRESULT CALLBACK AboutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

WindowKind g_kind{"FerSobre", "Ic0", AboutProc, kBackground};
FontObject g_font;         // owns the device context every text is drawn on
bool g_initialised = false;
std::string g_text;
std::string g_mail;
std::string g_web;
std::string g_baseName;
std::string g_year;

const char* const kWords[3][7] = {
    {"buenu", "Ah!", "Oh!", "vaja!", "hum!", "mmm..", "i vés!"},
    {"Ok", "Ah!", "Oh!", "Bah!", "hum!", "mmm..", "Done"},
    {"bueno", "¡Ah!", "¡Oh!", "psé", "hum!", "mmm..", "¡vaya!"},
};

int LanguageIndex() { return UiLanguage >= 0 && UiLanguage <= 2 ? UiLanguage : 2; }

std::string ModulePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

// The year of the program file, looked for in the current folder; a program started
// from elsewhere still knows its own file.
std::string ProgramYear(const std::string& baseName) {
    std::string year = FileYear(baseName + ".exe");
    if (year.empty()) year = FileYear(ModulePath());
    return year;
}

void Text(int x, int y, const std::string& text) { DrawTextAt(g_font.Dc(), x, y, text); }

void PaintTexts() {
    HDC dc = g_font.Dc();
    g_font.SetSize(16, 6);
    g_font.SetFace("arial");
    g_font.SetBold(false);
    SetTextColor(dc, kColourB);
    Text(20, 50, g_text);
    SetTextColor(dc, kColourA);
    // Without a year there is nothing to join to the name.
    Text(66, 120, g_year.empty() ? std::string(kAboutAuthor) : std::string(kAboutAuthor) + " - " + g_year);
    if (!g_web.empty()) Text(66, 134, "web: " + g_web + InLanguage("", "/en", "/es"));
    if (!g_mail.empty()) Text(66, 150, "mail: " + g_mail);
    g_font.SetFace("Comic sans ms");
    g_font.SetBold(false);
    g_font.SetSize(36, 16);
    Text(60, 10, g_baseName);
}

void DrawProgramIcon() {
    const OwnedIcon icon(static_cast<HICON>(LoadImageA(AppInstance(), "Ic0", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
    if (icon) DrawIcon(g_font.Dc(), 134, 80, icon.Get());
}

void OnInitDialog(HWND window) {
    g_baseName = ProgramBaseName();
    g_year = ProgramYear(g_baseName);
    SetTitle(window, InLanguage("Quant a ", "About ", "Respecto ") + g_baseName + "...");
    DrawProgramIcon();
    PaintTexts();
    SetItemText(window, IDOK, kWords[LanguageIndex()][Random(7)]);
    g_initialised = true;
}

LRESULT CALLBACK AboutProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: OnInitDialog(window); break;
        case WM_PAINT:
            if (g_initialised) {
                DefWindowProcA(window, WM_PAINT, 0, 0);  // validates and erases first
                PaintTexts();                             // the icon is not drawn again
                return 0;
            }
            break;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) CloseWithCode(window, 0);
            break;
        case WM_DESTROY:
            g_initialised = false;
            g_font.Done();
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void ShowAbout(const std::string& text) { ShowAboutBox(text, kAboutMail, kAboutWeb); }

void ShowAboutBox(const std::string& text, const std::string& mail, const std::string& web) {
    if (BringOpenToFront(g_kind) || ProgramEnding()) return;
    SeedRandom(GetTickCount());
    g_initialised = false;
    g_text = text;
    g_mail = mail;
    g_web = web;
    static const ControlSpec kControls[] = {{IDOK, "BUTTON", "Vist", kPushButtonNoTab, 122, 180, 70, 24}};
    static const WindowLayout kLayout{"", kToolWindowStyleNoMinimize, 400, 200, 312, 240, kControls,
                                      "CreaFSobre failed"};
    RunToolWindow(g_kind, kLayout, [](HWND window) {
        g_font.Init(window);
        SetBkColor(g_font.Dc(), kBackground);
        SetTextColor(g_font.Dc(), kColourA);
    });
}
