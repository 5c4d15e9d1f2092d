#include "shell/export.h"

std::string ExportName;
std::string DocumentTitle;
int32_t Presentation = 1;
std::string ExportPath;
bool BatchExported = false;
bool UnexportedChanges = false;
