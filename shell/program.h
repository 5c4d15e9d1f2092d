#pragma once
// The shell's program-wide values: the descriptor, the start-up globals and the two
// handler variables through which the shell's menus reach the program's own subjects.
// The program's start-up (app/) fills them before the main window opens.

#include <cstdint>
#include <string>

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
// "&Versiones..." of the "Lote ejercicios" menu: the versions of the worksheet are made by
// the program's own subjects, so the shell reaches them through this handler.
extern void (*VersionsCommand)();
// "Exportar a &Moodle...": the worksheet's variants as a quiz file, through the same door.
extern void (*MoodleCommand)();

constexpr std::size_t kShortNameMax = 8;
constexpr std::size_t kLongNameMax = 40;
constexpr std::size_t kHelpFileMax = 12;
