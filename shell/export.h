#pragma once
// The batch export: the settings kept for the whole run, the export of the batch as one RTF
// document in the folder "Exerc" of the current directory, and its opening in the user's
// word processor. Every failure is told to the user in Spanish and leaves the batch, the
// settings of the last export and any earlier document as they were.

#include <cstddef>
#include <cstdint>
#include <string>

extern std::string ExportName;     // file name without folder and extension
extern std::string DocumentTitle;  // the document's title line
extern int32_t Presentation;       // 0 each answer after its statement, 1 statements then answers
extern std::string ExportPath;     // full path of the last document written
extern bool BatchExported;         // a document has been written since the last reset
extern bool UnexportedChanges;     // the batch changed after its last export

// The longest document path that is written: the document is first written beside itself
// under a name five characters longer, which must stay within Windows' 259 characters.
constexpr std::size_t kDocumentPathMax = 254;

// Asks for the name, title and presentation and writes the document; true when written.
bool ExportBatch();
// The save window, the checks of the name and the folder, and the start of the document.
bool PrepareExportFile();
// Opens the exported document, exporting first when the batch never was.
void OpenExportedBatch();

// Why Windows would refuse `name` as the name of the document in the export folder, in
// Spanish; empty when it is a sound name. The length is checked on the whole path.
std::string ExportNameProblem(const std::string& name);
// `directory`, "Exerc" and `name` with ".rtf", joined by the system's separator.
std::string ExportFilePath(const std::string& directory, const std::string& name);
