#include "shell/topic_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records the menu as lines: "item <path><caption>=<id>" and "sub <path><caption>".
class MenuRecorder final : public TopicMenuSink {
public:
    std::vector<std::string> lines;
    void AddItem(const std::string& caption, uint16_t id) override {
        lines.push_back("item " + path_ + caption + "=" + std::to_string(id));
    }
    void OpenSubMenu(const std::string& caption) override {
        lines.push_back("sub " + path_ + caption);
        path_ += caption + "/";
    }
    void BackToTop() override { path_.clear(); }

private:
    std::string path_;
};

std::vector<std::string> Build(const std::string& list) {
    MenuRecorder recorder;
    ParseTopicList(list, recorder);
    return recorder.lines;
}

using Lines = std::vector<std::string>;

TEST(TopicMenu, ThisProgramsTopicsGetIds201To204) {
    EXPECT_EQ(Build("Atomística;Moles;Concentraciones;Ejercicios de pH"),
              (Lines{"item Atomística=201", "item Moles=202", "item Concentraciones=203",
                     "item Ejercicios de pH=204"}));
}

TEST(TopicMenu, EmptyCaptionsAddNothingAndUseNoId) {
    EXPECT_EQ(Build("A;;B"), (Lines{"item A=201", "item B=202"}));
    EXPECT_EQ(Build(";A;"), (Lines{"item A=201"}));
    EXPECT_EQ(Build(""), Lines{});
}

TEST(TopicMenu, SubMenuItemsCountOnAndCloseParenReturnsToTheTop) {
    EXPECT_EQ(Build("G(x;y);z"), (Lines{"sub G", "item G/x=201", "item G/y=202", "item z=203"}));
    // ")" straight after an item: the item, then back to the top.
    EXPECT_EQ(Build("G(x)z"), (Lines{"sub G", "item G/x=201", "item z=202"}));
    // An unclosed sub-menu holds the rest.
    EXPECT_EQ(Build("G(x;y"), (Lines{"sub G", "item G/x=201", "item G/y=202"}));
    // "(" without a caption opens nothing.
    EXPECT_EQ(Build("(x)"), (Lines{"item x=201"}));
}

TEST(TopicMenu, CaptionsAreCutTo40Characters) {
    const std::string longCaption(50, 'c');
    EXPECT_EQ(Build(longCaption), (Lines{"item " + std::string(40, 'c') + "=201"}));
}

}  // namespace
