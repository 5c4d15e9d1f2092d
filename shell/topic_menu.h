#pragma once
// The "Temas" menu is built from the descriptor's topic list: captions separated by ";",
// "(" opens a sub-menu named by the caption before it, ")" closes it. Every item gets
// the next command id from 201 on, counted across sub-menus, so id 200 + n is topic n.

#include <cstdint>
#include <string>

#include "resources/resource_ids.h"

class TopicMenuSink {
public:
    virtual ~TopicMenuSink() = default;
    // Appends a command item to the current menu.
    virtual void AddItem(const std::string& caption, uint16_t id) = 0;
    // Appends a sub-menu to the current menu and makes it current.
    virtual void OpenSubMenu(const std::string& caption) = 0;
    // Makes "Temas" itself current again.
    virtual void BackToTop() = 0;
};

constexpr std::size_t kTopicCaptionMax = 40;
constexpr uint16_t kFirstTopicCommand = IDM_FIRST_TOPIC;

void ParseTopicList(const std::string& topicList, TopicMenuSink& sink);
