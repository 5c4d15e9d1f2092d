#pragma once
// The batch export: the settings kept for the whole run, the export of the batch as one RTF
// document in the folder "Exerc" of the current directory, and its opening in the user's
// word processor. Every failure is told to the user in Spanish and leaves the batch, the
// settings of the last export and any earlier document as they were.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct ExerciseRecord;

extern std::string ExportName;     // file name without folder and extension
extern std::string DocumentTitle;  // the document's title line
extern int32_t Presentation;       // 0 each answer after its statement, 1 statements then answers
extern bool AnswersOnNewPage;      // "respuestas en página aparte": in presentation 1, a page break before the answers
extern std::string ExportPath;     // full path of the last document written
extern bool BatchExported;         // a document has been written since the last reset
extern bool UnexportedChanges;     // the batch changed after its last export

// The longest path of a file that the export writes: each is first written beside itself
// under a name five characters longer, which must stay within Windows' 259 characters.
constexpr std::size_t kDocumentPathMax = 254;

// Asks for the name, title and presentation and writes the document; true when written.
bool ExportBatch();
// The save window, the checks of the name and the folder, and the start of the document.
bool PrepareExportFile();
// Opens the exported document, exporting first when the batch never was.
void OpenExportedBatch();

// Makes ready the folder for files named after ExportName: reads the current folder, shows
// the save window when `ask`, refuses a name that Windows would refuse or whose longest file
// (the name and `longestSuffix`) would not fit, and makes the folder Exerc. False after
// telling the user why; silently when the user cancels or leaves the name empty.
bool PrepareExportFolder(bool ask, std::string_view longestSuffix, std::string& folder);
// `folder` and `file` joined by the system's separator.
std::string PathInFolder(const std::string& folder, const std::string& file);
// Whether the files of `folder` named `files` may be written: true when none of them is a
// file that this run did not write; otherwise the user is asked "Ya existe Exerc\hoja.rtf.
// ¿Reemplazarlo?" (No by default), and only Yes gives true.
bool MayReplaceFiles(const std::string& folder, const std::vector<std::string>& files);
// A file this run has written: writing it again asks nothing.
void RememberWrittenFile(const std::string& path);
// As at start-up: no file written yet.
void ForgetWrittenFiles();
// The folder Exerc of the current directory; false, after telling the user, when the
// current directory cannot be read.
bool ExportFolderPath(std::string& folder);
// The folder exists afterwards, or the user has been told why it cannot.
bool EnsureExportFolder(const std::string& folder);

// The pieces of a document, written into the open RTF document (file or memory):
// the centred bold title that opens it: the title as typed, then `rtfAfter` written as it is,
void WriteTitleGroup(const std::string& title, std::string_view rtfAfter = "");
// the title and the exercises in the presentation and page choice in force,
void WriteExerciseDocument(const std::string& title, std::string_view titleRtfAfter,
                           const std::vector<ExerciseRecord>& exercises);
// and the numbered answers, one a line, as the block of answers writes them.
void WriteAnswerList(const std::vector<ExerciseRecord>& exercises);
// The sheet handed to students: the title and the numbered statements, each with the comment
// that goes with it, as the block of statements writes them; no answer.
void WriteStatementSheet(const std::string& title, std::string_view titleRtfAfter,
                         const std::vector<ExerciseRecord>& exercises);
// The batch's exercises, in order.
std::vector<ExerciseRecord> BatchExercises();

// Why Windows would refuse `name` as the name of the document in the export folder, in
// Spanish; empty when it is a sound name. The length is checked on the whole path.
std::string ExportNameProblem(const std::string& name);
// `directory`, "Exerc" and `name` with ".rtf", joined by the system's separator.
std::string ExportFilePath(const std::string& directory, const std::string& name);
