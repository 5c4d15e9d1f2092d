#include "shell/topic_menu.h"

void ParseTopicList(const std::string& topicList, TopicMenuSink& sink) {
    std::string caption;
    uint16_t counter = kFirstTopicCommand;
    // The terminating NUL acts as a last separator.
    for (std::size_t i = 0; i <= topicList.size(); ++i) {
        const char c = i < topicList.size() ? topicList[i] : '\0';
        if (c == ';' || c == ')' || c == '\0') {
            if (!caption.empty()) {
                sink.AddItem(caption, ++counter);
                caption.clear();
            }
            if (c == ')') sink.BackToTop();
            if (c == '\0') break;
        } else if (c == '(') {
            if (!caption.empty()) {
                sink.OpenSubMenu(caption);
                caption.clear();
            }
        } else if (caption.size() < kTopicCaptionMax) {
            caption += c;
        }
    }
}
