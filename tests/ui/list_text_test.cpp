#include "ui/list_text.h"

#include <gtest/gtest.h>

namespace {

using Pieces = std::vector<std::string>;

TEST(ListText, SplitsAtEverySemicolonAndKeepsATrailingEmptyPiece) {
    EXPECT_EQ(SplitListText("masa;moles"), (Pieces{"masa", "moles"}));
    EXPECT_EQ(SplitListText("a;b;"), (Pieces{"a", "b", ""}));
    EXPECT_EQ(SplitListText(";"), (Pieces{"", ""}));
    EXPECT_EQ(SplitListText("solo"), (Pieces{"solo"}));
    EXPECT_EQ(SplitListText(""), Pieces{});
    // "[ácido] -> pH;[base] -> pH ;..." keeps the blank that belongs to a label.
    EXPECT_EQ(SplitListText("x ;y"), (Pieces{"x ", "y"}));
}

TEST(ListText, ReadsOnly255Characters) {
    const std::string text = std::string(254, 'a') + ";b";
    EXPECT_EQ(SplitListText(text), (Pieces{std::string(254, 'a'), ""}));
}

}  // namespace
