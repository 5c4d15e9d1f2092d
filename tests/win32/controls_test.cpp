#include "ui/controls_win.h"

#include <gtest/gtest.h>

#include "ui/window_win.h"

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        parent = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 300, 300, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
        CreateControl(parent, "LISTBOX", "", kListBox, 0, 0, 100, 100, kList);
        CreateControl(parent, "EDIT", "", kLineEdit, 0, 0, 100, 20, kEdit);
        for (int id = 10; id <= 13; ++id) CreateControl(parent, "BUTTON", "r", kRadioButton, 0, 0, 10, 10, id);
    }
    void TearDown() override { DestroyWindow(parent); }

    static constexpr int kList = 50;
    static constexpr int kEdit = 51;
    HWND parent = nullptr;
};

TEST_F(ControlsTest, ListSetItemReplacesInPlaceOrAppends) {
    ListAdd(parent, kList, "uno");
    ListAdd(parent, kList, "dos");
    ListSetItem(parent, kList, 3, "tres");
    EXPECT_EQ(ListCount(parent, kList), 3);
    EXPECT_EQ(ListGetItem(parent, kList, 3), "tres");
    ListSetItem(parent, kList, 1, "UNO");
    EXPECT_EQ(ListCount(parent, kList), 3);
    EXPECT_EQ(ListGetItem(parent, kList, 1), "UNO");
    EXPECT_EQ(ListGetItem(parent, kList, 2), "dos");
    ListInsert(parent, kList, 1, "cero");
    ListDelete(parent, kList, 4);
    EXPECT_EQ(ListGetItem(parent, kList, 1), "cero");
    EXPECT_EQ(ListCount(parent, kList), 3);
}

TEST_F(ControlsTest, SelectionIsCountedFromOneAndZeroMeansNone) {
    ListFillNumbered(parent, kList, "masa;moles");
    EXPECT_EQ(ListGetItem(parent, kList, 1), "[1] masa");
    EXPECT_EQ(ListGetItem(parent, kList, 2), "[2] moles");
    EXPECT_EQ(ListSelected(parent, kList), 0);
    ListSelect(parent, kList, 2);
    EXPECT_EQ(ListSelected(parent, kList), 2);
    ListSelect(parent, kList, 0);
    EXPECT_EQ(ListSelected(parent, kList), 0);
    ListFill(parent, kList, "a;b;");
    EXPECT_EQ(ListCount(parent, kList), 3);
    EXPECT_EQ(ListGetItem(parent, kList, 3), "");
    ListClear(parent, kList);
    EXPECT_EQ(ListCount(parent, kList), 0);
}

TEST_F(ControlsTest, LongItemsAreReadWithoutOverflow) {
    // An item the program never writes, longer than any of its texts (255 characters). Not
    // longer still: the list box of Common Controls 6 in Wine 8 crashes on an ANSI read of an
    // item past about 540 characters.
    const std::string longItem(400, 'x');
    SendDlgItemMessageA(parent, kList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(longItem.c_str()));
    EXPECT_EQ(ListGetItem(parent, kList, 1), std::string(255, 'x'));
    EXPECT_EQ(ListGetItem(parent, kList, 7), "");
}

TEST_F(ControlsTest, NumbersAreReadFromEditsWithAnErrorFlag) {
    bool error = true;
    SetItemText(parent, kEdit, "  42 ");
    EXPECT_EQ(GetItemInt(parent, kEdit, error), 42);
    EXPECT_FALSE(error);
    SetItemText(parent, kEdit, "4.2");
    GetItemInt(parent, kEdit, error);
    EXPECT_TRUE(error);
    EXPECT_DOUBLE_EQ(GetItemReal(parent, kEdit, error), 4.2);
    EXPECT_FALSE(error);
    SetItemText(parent, kEdit, "1,5");
    GetItemReal(parent, kEdit, error);
    EXPECT_TRUE(error);
    SetItemText(parent, kEdit, "");
    EXPECT_EQ(GetItemReal(parent, kEdit, error), 0.0);
    EXPECT_FALSE(error);
}

TEST_F(ControlsTest, TextsAreCutTo255InAnd254Out) {
    SetItemText(parent, kEdit, std::string(300, 'a'));
    EXPECT_EQ(GetItemText(parent, kEdit), std::string(254, 'a'));
}

TEST_F(ControlsTest, CheckedInRangeGivesThePositionOfTheLastChecked) {
    EXPECT_EQ(CheckedInRange(parent, 10, 13), 0);
    CheckDlgButton(parent, 12, BST_CHECKED);
    EXPECT_EQ(CheckedInRange(parent, 10, 13), 3);
    HideItem(parent, 12);
    EXPECT_FALSE(IsWindowVisible(ItemHandle(parent, 12)));
}

}  // namespace
