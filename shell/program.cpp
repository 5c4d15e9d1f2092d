#include "shell/program.h"

ProgramDescriptor Descriptor;
std::string CurrentTopicTitle;
uint32_t MainColour = 0;
bool DataMenuEnabled = false;
TopicHandler GenerateTopic = nullptr;
CommandHandler DataCommand = nullptr;

void (*VersionsCommand)() = nullptr;
void (*MoodleCommand)() = nullptr;
