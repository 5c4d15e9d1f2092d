#include "shell/topic_menu_win.h"

#include "shell/topic_menu.h"

namespace {

class Win32TopicMenu final : public TopicMenuSink {
public:
    explicit Win32TopicMenu(HMENU top) : top_(top), current_(top) {}

    void AddItem(const std::string& caption, uint16_t id) override {
        AppendMenuA(current_, MF_STRING, id, caption.c_str());
    }
    void OpenSubMenu(const std::string& caption) override {
        HMENU sub = CreatePopupMenu();  // owned by the menu it is appended to
        AppendMenuA(current_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
        current_ = sub;
    }
    void BackToTop() override { current_ = top_; }

private:
    HMENU top_;
    HMENU current_;
};

}  // namespace

void BuildTopicMenu(HMENU topics, const std::string& topicList) {
    Win32TopicMenu menu(topics);
    ParseTopicList(topicList, menu);
}
