#include "ui/input_text.h"

#include <gtest/gtest.h>

#include "tests/win32/ui_driver.h"
#include "util/language.h"

namespace {

constexpr char kClass[] = "Edtira";
constexpr int kIdText = 101;

int WidthOf(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    return r.right - r.left;
}

TEST(InputTextWindow, IsAsWideAsItsPromptNeeds) {
    UiDriver driver;
    driver.When(kClass, [](HWND w) {
        EXPECT_EQ(WidthOf(w), 178);  // 16 x 8 characters + 50
        EXPECT_EQ(TextOf(w), "fórmula:");
        RECT r;
        GetWindowRect(w, &r);
        EXPECT_EQ(r.left, 400);
        EXPECT_EQ(r.top, 100);
        EXPECT_EQ(r.bottom - r.top, 90);
        EXPECT_EQ(ItemTextOf(w, IDOK), "Ok");
        EXPECT_EQ(ItemTextOf(w, IDCANCEL), "Salir");
        EXPECT_EQ(ItemTextOf(w, kIdText), "H2O");
        EXPECT_EQ(GetFocus(), GetDlgItem(w, kIdText));
        SetDlgItemTextA(w, kIdText, "H2SO4");
    });
    driver.When(kClass, [](HWND w) {
        Click(w, IDOK);
    });
    std::string text = "H2O";
    EXPECT_TRUE(InputText("fórmula:", text));
    EXPECT_EQ(text, "H2SO4");

    driver.When(kClass, [](HWND w) {
        EXPECT_EQ(WidthOf(w), 100);
        Click(w, IDCANCEL);
    });
    std::string unchanged = "x";
    EXPECT_FALSE(InputText("ab", unchanged));
    EXPECT_EQ(unchanged, "x");
}

TEST(InputTextWindow, CloseBoxCancelsAndEnterDoesNotAccept) {
    UiDriver driver;
    driver.When(kClass, [](HWND w) {
        HWND edit = GetDlgItem(w, kIdText);
        SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0);
        SendMessageA(edit, WM_CHAR, '\r', 0);
        SendMessageA(edit, WM_KEYUP, VK_RETURN, 0);
        EXPECT_TRUE(IsWindow(w));
        SetDlgItemTextA(w, kIdText, "typed");
        PostMessageA(w, WM_CLOSE, 0, 0);
    });
    std::string text = "NaCl";
    EXPECT_FALSE(InputText("fórmula:", text));
    EXPECT_EQ(text, "NaCl");
}

TEST(InputTextWindow, AcceptingAnEmptiedFieldGivesEmptyText) {
    UiDriver driver;
    driver.When(kClass, [](HWND w) {
        SetDlgItemTextA(w, kIdText, "");
        Click(w, IDOK);
    });
    std::string text = "H2O";
    EXPECT_TRUE(InputText("fórmula:", text));
    EXPECT_EQ(text, "");
}

TEST(InputTextWindow, ButtonsSpeakTheLanguage) {
    const int32_t saved = UiLanguage;
    UiLanguage = 0;
    UiDriver driver;
    driver.When(kClass, [](HWND w) {
        EXPECT_EQ(ItemTextOf(w, IDOK), "Bé");
        EXPECT_EQ(ItemTextOf(w, IDCANCEL), "Surt");
        Click(w, IDCANCEL);
    });
    std::string text;
    InputText("x", text);
    UiLanguage = saved;
}

}  // namespace
