#pragma once
#include <windows.h>

#include <string>

// Fills the "Temas" pop-up menu from the descriptor's topic list (see ParseTopicList).
void BuildTopicMenu(HMENU topics, const std::string& topicList);
