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

FontObject g_font;  // every text's, on the context of the painting
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

void Paint(HWND, HDC dc) {
    g_font.Init(dc);
    DrawProgramIcon();
    PaintTexts();
    g_font.Done();
}

void OnInitDialog(HWND window) {
    SetTitle(window, InLanguage("Quant a ", "About ", "Respecto ") + g_baseName + "...");
    SetItemText(window, IDOK, kWords[LanguageIndex()][Random(7)]);
}

WindowKind g_kind{.className = "FerSobre", .iconName = "Ic0", .background = kBackground, .init = OnInitDialog,
                  .accept = [](HWND window) { CloseWithCode(window, 0); }, .paint = Paint};

}  // namespace

void ShowAbout(const std::string& text) { ShowAboutBox(text, kAboutMail, kAboutWeb); }

void ShowAboutBox(const std::string& text, const std::string& mail, const std::string& web) {
    static const ControlSpec kControls[] = {{IDOK, "BUTTON", "Vist", kPushButtonNoTab, 122, 180, 70, 24}};
    static const WindowLayout kLayout{"", kToolWindowStyleNoMinimize, 400, 200, 312, 240, kControls,
                                      "CreaFSobre failed"};
    RunToolWindow(g_kind, kLayout, [&] {
        SeedRandom(GetTickCount());
        g_text = text;
        g_mail = mail;
        g_web = web;
        // Known before the window is first painted.
        g_baseName = ProgramBaseName();
        g_year = ProgramYear(g_baseName);
    });
}
