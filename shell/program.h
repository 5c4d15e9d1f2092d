#pragma once
// What makes the generic shell this program: the descriptor, the start-up globals and
// the two handlers that connect the shell's menus to the chemistry side.

#include <cstdint>
#include <string>

#include "ui/language.h"

struct ProgramDescriptor {
    std::string shortName;  // at most 8 characters
    std::string longName;   // at most 40: the main window's title and its base
    std::string topicList;  // the "Temas" menu, see ParseTopicList
    std::string helpFile;   // at most 12: the document opened by "&Info"
};

using TopicHandler = void (*)(uint16_t topic);
using CommandHandler = void (*)(uint16_t id);

extern ProgramDescriptor Descriptor;
extern std::string CurrentTopicTitle;  // caption of the generation window
extern uint32_t MainColour;            // COLORREF of the main window's background
extern bool DataMenuEnabled;           // unhandled main-window commands go to DataCommand
extern TopicHandler GenerateTopic;     // "Temas" command 200 + n calls it with n
extern CommandHandler DataCommand;

constexpr std::size_t kShortNameMax = 8;
constexpr std::size_t kLongNameMax = 40;
constexpr std::size_t kHelpFileMax = 12;

// Runs topic n's generator (1 to 4); any other number does nothing.
void TopicDispatch(uint16_t topic);

// 600 opens the list of atomic masses, 601 the element editor; any other id does nothing.
void DataDispatch(uint16_t id);

// Start-up before the main window: globals, descriptor, handlers, elements database.
void SetUpProgram();

// After the main window has ended: the handlers are released.
void ReleaseProgram();
