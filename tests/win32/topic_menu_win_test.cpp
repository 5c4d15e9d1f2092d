#include "shell/topic_menu_win.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ItemText(HMENU menu, int position) {
    char text[256] = {};
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

class RealMenu : public ::testing::Test {
protected:
    void SetUp() override { menu = CreatePopupMenu(); }
    void TearDown() override { DestroyMenu(menu); }
    HMENU menu = nullptr;
};

TEST_F(RealMenu, ThisProgramsTopicsBecomeFourCommands) {
    BuildTopicMenu(menu, "Atomística;Moles;Concentraciones;Ejercicios de pH");
    ASSERT_EQ(GetMenuItemCount(menu), 4);
    const char* captions[] = {"Atomística", "Moles", "Concentraciones", "Ejercicios de pH"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ItemText(menu, i), captions[i]);
        EXPECT_EQ(GetMenuItemID(menu, i), UINT(201 + i));
    }
}

TEST_F(RealMenu, TwoSeparatorsInARowAddNoEmptyItem) {
    BuildTopicMenu(menu, "A;;B");
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(ItemText(menu, 0), "A");
    EXPECT_EQ(GetMenuItemID(menu, 0), 201u);
    EXPECT_EQ(ItemText(menu, 1), "B");
    EXPECT_EQ(GetMenuItemID(menu, 1), 202u);
}

TEST_F(RealMenu, SubMenuHoldsItsItemsAndTheNextItemReturnsToTheTop) {
    BuildTopicMenu(menu, "G(x;y);z");
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(ItemText(menu, 0), "G");
    HMENU sub = GetSubMenu(menu, 0);
    ASSERT_NE(sub, nullptr);
    ASSERT_EQ(GetMenuItemCount(sub), 2);
    EXPECT_EQ(ItemText(sub, 0), "x");
    EXPECT_EQ(GetMenuItemID(sub, 0), 201u);
    EXPECT_EQ(ItemText(sub, 1), "y");
    EXPECT_EQ(GetMenuItemID(sub, 1), 202u);
    EXPECT_EQ(ItemText(menu, 1), "z");
    EXPECT_EQ(GetMenuItemID(menu, 1), 203u);
}

}  // namespace
