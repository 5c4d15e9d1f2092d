#include "richtext/drawing_win.h"

#include <gtest/gtest.h>

#include "richtext/painter.h"
#include "tests/win32/gdi_objects.h"

namespace {

LRESULT CALLBACK PlainProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return DefWindowProcA(w, m, wp, lp); }

// A visible window to draw on; nothing repaints it while a test reads its pixels back.
class DrawingTest : public ::testing::Test {
protected:
    void SetUp() override {
        static bool registered = false;
        if (!registered) {
            WNDCLASSA wc = {};
            wc.lpfnWndProc = PlainProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
            wc.lpszClassName = "zorviDrawingTest";
            registered = RegisterClassA(&wc) != 0;
        }
        window = CreateWindowExA(0, "zorviDrawingTest", "", WS_POPUP | WS_VISIBLE, 0, 0, 400, 200, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        UpdateWindow(window);
        saved = CurrentDrawing().Font();
        CurrentDrawing().Font() = FontRecord{};
        dc = GetDC(window);
        BeginDrawing(dc);
        ASSERT_EQ(CurrentDrawingDC(), dc);
    }
    void TearDown() override {
        EndDrawing();
        CurrentDrawing().Font() = saved;
        ReleaseDC(window, dc);
        DestroyWindow(window);
    }

    HFONT SelectedFont() { return static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT)); }
    LOGFONTA SelectedFontRecord() {
        LOGFONTA font = {};
        GetObjectA(SelectedFont(), sizeof font, &font);
        return font;
    }
    int TextWidth(const char* text) {
        SIZE size = {};
        GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
        return size.cx;
    }
    bool Black(int x, int y) { return GetPixel(dc, x, y) == RGB(0, 0, 0); }

    HWND window = nullptr;
    HDC dc = nullptr;
    FontRecord saved;
};

TEST_F(DrawingTest, BeginDrawingSelectsTheFontOfTheFontState) {
    const LOGFONTA font = SelectedFontRecord();
    EXPECT_EQ(font.lfHeight, 16);
    EXPECT_EQ(font.lfWidth, 6);
    EXPECT_EQ(font.lfWeight, 0);
    EXPECT_STREQ(font.lfFaceName, "arial");
}

TEST_F(DrawingTest, TextAtThePenMovesItByTheTextsWidth) {
    Canvas& canvas = CurrentDrawing();
    canvas.SetPenTextMode();
    EXPECT_EQ(GetTextAlign(dc), UINT(TA_UPDATECP));
    canvas.MovePen(10, 20);
    const int width = TextWidth("Química");
    ASSERT_GT(width, 0);
    canvas.DrawTextAtPen("Química");
    EXPECT_EQ(canvas.PenX(), 10 + width);
    EXPECT_EQ(canvas.PenY(), 20);
}

TEST_F(DrawingTest, ASubscriptIsDrawnLowerInTheSmallFontAndThePenComesBackToTheLine) {
    Canvas& canvas = CurrentDrawing();
    canvas.SetPenTextMode();
    canvas.MovePen(100, 40);
    canvas.BeginScript(false);
    EXPECT_EQ(canvas.PenX(), 100);
    EXPECT_EQ(canvas.PenY(), 48);
    EXPECT_EQ(SelectedFontRecord().lfHeight, 12);
    EXPECT_EQ(SelectedFontRecord().lfWidth, 4);
    const int width = TextWidth("ab");
    canvas.DrawTextAtPen("ab");
    canvas.EndScript();
    EXPECT_EQ(canvas.PenX(), 100 + width);
    EXPECT_EQ(canvas.PenY(), 40);
    EXPECT_EQ(SelectedFontRecord().lfHeight, 16);
}

TEST_F(DrawingTest, BoldOnThenOffLeavesWeight400) {
    CurrentDrawing().SetBold(true);
    EXPECT_EQ(SelectedFontRecord().lfWeight, 700);
    CurrentDrawing().SetBold(false);
    EXPECT_EQ(SelectedFontRecord().lfWeight, 400);
}

TEST_F(DrawingTest, LinesMoveThePenAndCirclesDoNot) {
    Canvas& canvas = CurrentDrawing();
    canvas.DrawLine(20, 10, 60, 10);
    EXPECT_EQ(canvas.PenX(), 60);
    EXPECT_EQ(canvas.PenY(), 10);
    EXPECT_TRUE(Black(20, 10));
    EXPECT_TRUE(Black(59, 10));
    canvas.DrawCircle(50, 50, 3);
    EXPECT_EQ(canvas.PenX(), 60);
    EXPECT_EQ(canvas.PenY(), 10);
    // The circle fills the box from (47, 47) to (53, 53), its right and bottom edges outside.
    EXPECT_TRUE(Black(47, 50));
    EXPECT_TRUE(Black(52, 50));
    EXPECT_TRUE(Black(50, 47));
    EXPECT_FALSE(Black(46, 50));
    EXPECT_FALSE(Black(53, 50));
    EXPECT_FALSE(Black(50, 53));
}

TEST_F(DrawingTest, FontsAreDeletedOneSelectionLate) {
    Canvas& canvas = CurrentDrawing();
    HFONT fonts[4] = {SelectedFont()};
    for (int i = 1; i < 4; ++i) {
        canvas.ApplyFont();
        fonts[i] = SelectedFont();
        EXPECT_NE(fonts[i], fonts[i - 1]);
    }
    EXPECT_EQ(GetObjectType(fonts[0]), 0u);
    EXPECT_EQ(GetObjectType(fonts[1]), 0u);
    EXPECT_EQ(GetObjectType(fonts[2]), DWORD(OBJ_FONT));  // the one the last selection displaced
    EXPECT_EQ(GetObjectType(fonts[3]), DWORD(OBJ_FONT));
    EndDrawing();
    EXPECT_EQ(GetObjectType(fonts[2]), 0u);
    EXPECT_EQ(GetObjectType(fonts[3]), 0u);
    EXPECT_EQ(CurrentDrawingDC(), nullptr);
}

TEST_F(DrawingTest, DrawingInAWindowAgainAndAgainKeepsNoObject) {
    EndDrawing();  // the device context cache is warm now
    const DWORD before = GdiObjectCount();
    ASSERT_GT(before, 0u);
    for (int i = 0; i < 50; ++i) {
        BeginDrawing(dc);
        PaintMarkup(CurrentDrawing(), 10, 10, "#B(H_2SO_4) 10^(-3) #R(2) #F(1/2)");
        EndDrawing();
    }
    EXPECT_EQ(GdiObjectCount(), before);
    BeginDrawing(dc);
}

TEST_F(DrawingTest, WithoutADrawingContextNothingHappens) {
    EndDrawing();
    Canvas& canvas = CurrentDrawing();
    canvas.SetBold(true);
    canvas.MovePen(5, 5);
    canvas.DrawTextAtPen("x");
    EXPECT_EQ(canvas.PenX(), 0);
    EXPECT_EQ(CurrentDrawingDC(), nullptr);
    BeginDrawing(dc);
}

TEST_F(DrawingTest, AFontObjectDeletesOneSelectionLateAndEverythingAtDone) {
    {
        // Wine keeps objects of its own the first time a face is realised: warm them up.
        FontObject warm;
        warm.Init(dc);
        warm.SetFace("Comic sans ms");
        warm.SetSize(36, 16);
        warm.SetBold(true);
        DrawTextAt(warm.Dc(), 0, 0, "x");
    }
    const DWORD before = GdiObjectCount();
    {
        FontObject font;
        font.Init(dc);
        ASSERT_NE(font.Dc(), nullptr);
        font.SetSize(16, 6);
        HFONT first = static_cast<HFONT>(GetCurrentObject(font.Dc(), OBJ_FONT));
        font.SetFace("arial");
        HFONT second = static_cast<HFONT>(GetCurrentObject(font.Dc(), OBJ_FONT));
        font.SetBold(false);
        EXPECT_EQ(GetObjectType(first), 0u);
        EXPECT_EQ(GetObjectType(second), DWORD(OBJ_FONT));
        font.SetFace("Comic sans ms");
        font.SetBold(true);
        font.SetSize(36, 16);
        LOGFONTA record = {};
        GetObjectA(GetCurrentObject(font.Dc(), OBJ_FONT), sizeof record, &record);
        EXPECT_EQ(record.lfHeight, 36);
        EXPECT_EQ(record.lfWidth, 16);
        EXPECT_EQ(record.lfWeight, 700);
        EXPECT_STREQ(record.lfFaceName, "Comic sans ms");
        font.Done();
        EXPECT_EQ(font.Dc(), nullptr);
        font.Done();  // twice is harmless
    }
    EXPECT_EQ(GdiObjectCount(), before);
}

}  // namespace

namespace {

// The count the leak checks rely on sees one object more, and one less again.
TEST(GdiObjects, TheCountFollowsEveryObjectMadeAndDeleted) {
    const DWORD before = GdiObjectCount();
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HFONT font = CreateFontA(16, 6, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "arial");
    EXPECT_EQ(GdiObjectCount(), before + 2);
    DeleteObject(brush);
    DeleteObject(font);
    EXPECT_EQ(GdiObjectCount(), before);
}

}  // namespace
