#pragma once
// The settings of the batch export, kept for the whole run.

#include <cstdint>
#include <string>

extern std::string ExportName;     // file name without folder and extension
extern std::string DocumentTitle;  // the document's title line
extern int32_t Presentation;       // 0 each answer after its statement, 1 statements then answers
extern std::string ExportPath;     // full path of the last document written
extern bool BatchExported;         // a document has been written since the last reset
extern bool UnexportedChanges;     // the batch changed after its last export
