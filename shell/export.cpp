#include "shell/export.h"

#include <algorithm>
#include <string_view>

#include "richtext/rtf_writer.h"
#include "shell/batch.h"
#include "shell/batch_file.h"
#include "shell/interaction.h"
#include "shell/messages.h"
#include "shell/settings.h"
#include "shell/unwritable_folder.h"
#include "util/atomic_file.h"
#include "util/files.h"
#include "util/number_format.h"
#include "util/strings.h"

std::string ExportName;
std::string DocumentTitle;
int32_t Presentation = 1;
bool AnswersOnNewPage = false;
std::string ExportPath;
bool BatchExported = false;
bool UnexportedChanges = false;

namespace {

constexpr const char* kFolderName = "Exerc";
constexpr const char* kNameCaption = "Nombre de fichero no válido";
constexpr const char* kFailureCaption = "No se ha podido exportar";

// The document being written, which becomes ExportPath once it is complete.
std::string g_target;
// What this run wrote: writing it again replaces nothing the teacher made another day.
std::vector<std::string> g_written;

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Windows compares names without regard to case.
std::string Folded(std::string path) {
    for (char& c : path) c = UpperAscii(c);
    return path;
}

bool WrittenThisRun(const std::string& path) {
    return std::find(g_written.begin(), g_written.end(), Folded(path)) != g_written.end();
}

// A file's name in a question, short enough for the question to keep its end.
std::string ShownFileName(const std::string& file) {
    constexpr std::size_t kShownMax = 60;
    std::string shown = std::string(kFolderName) + "\\";
    return file.size() <= kShownMax ? shown + file : shown + file.substr(0, kShownMax - 3) + "...";
}

// A failure to write `path`, with the advice to move the program when its folder cannot be
// written at all.
void TellWriteFailure(const std::string& failure, const std::string& path) {
    const std::string text = UnwritableCurrentFolder().empty()
                                 ? failure + "\r" + path
                                 : UnwritableFolderMessage(failure, path, "El lote sigue en el programa.");
    ShowMessage(kFailureCaption, text);
}

}  // namespace

bool EnsureExportFolder(const std::string& folder) {
    switch (EntryAt(folder)) {
        case Entry::Folder:
            return true;
        case Entry::File:
            ShowMessage(kFailureCaption,
                        "Ya existe un fichero llamado Exerc donde debe ir la carpeta de los "
                        "documentos:\r" + folder);
            return false;
        case Entry::None:
            break;
    }
    if (const int err = MakeFolder(folder); err != 0) {
        TellWriteFailure("No se ha podido crear la carpeta (" + FileErrorText(err) + "):", folder);
        return false;
    }
    return true;
}

namespace {

// Device names that Windows keeps for itself, also followed by an extension.
bool IsReservedDeviceName(const std::string& name) {
    std::string stem = TrimRight(name.substr(0, name.find('.')));
    for (char& c : stem) c = UpperAscii(c);
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    if (stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0)) {
        const char d = stem[3];
        return (d >= '1' && d <= '9') || d == '\xB9' || d == '\xB2' || d == '\xB3';
    }
    return false;
}

std::string DocumentWord(int i, const char* after) { return RtfBold(IntToText(i) + after); }

// The title is written as typed, without markup: RTF's own three signs are escaped so
// that no title can open or close a group or start a control word.
std::string RtfPlainText(const std::string& text) {
    std::string rtf;
    rtf.reserve(text.size());
    for (char c : text) {
        if (c == '{' || c == '}' || c == '\\') rtf += '\\';
        rtf += c;
    }
    return rtf;
}

}  // namespace

std::string ExportNameProblem(const std::string& name) {
    for (char c : name) {
        if (static_cast<unsigned char>(c) < 32) {
            return "El nombre del fichero no puede contener tabuladores ni otros caracteres de control.";
        }
        if (std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
            return std::string("El nombre del fichero no puede contener el carácter «") + c +
                   "».\rWindows no admite en un nombre ninguno de estos: \\ / : * ? \" < > |";
        }
    }
    if (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
        return "El nombre del fichero no puede terminar en punto ni en blanco.";
    }
    if (IsReservedDeviceName(name)) {
        return "\"" + TrimRight(name.substr(0, name.find('.'))) +
               "\" es un nombre reservado de Windows: elija otro nombre para el fichero.";
    }
    return "";
}

std::string ExportFilePath(const std::string& directory, const std::string& name) {
    return JoinPath(JoinPath(directory, kFolderName), name + ".rtf");
}

std::string PathInFolder(const std::string& folder, const std::string& file) { return JoinPath(folder, file); }

void RememberWrittenFile(const std::string& path) {
    if (!WrittenThisRun(path)) g_written.push_back(Folded(path));
}

void ForgetWrittenFiles() { g_written.clear(); }

bool MayReplaceFiles(const std::string& folder, const std::vector<std::string>& files) {
    std::vector<std::string> others;  // files of another run, or of someone else
    for (const std::string& file : files) {
        const std::string path = JoinPath(folder, file);
        if (EntryAt(path) == Entry::File && !WrittenThisRun(path)) others.push_back(file);
    }
    if (others.empty()) return true;
    std::string text;
    if (others.size() == 1) {
        text = "Ya existe " + ShownFileName(others[0]) + ". ¿Reemplazarlo?";
    } else {
        constexpr std::size_t kNamedMax = 3;
        const std::size_t named = others.size() > kNamedMax + 1 ? kNamedMax : others.size();
        text = "Ya existen ";
        for (std::size_t i = 0; i < named; ++i) {
            if (i > 0) text += i + 1 == named && named == others.size() ? " y " : ", ";
            text += ShownFileName(others[i]);
        }
        if (named < others.size()) text += " y " + IntToText(static_cast<int32_t>(others.size() - named)) + " más";
        text += ". ¿Reemplazarlos?";
    }
    return AskYesNoFlags("Reemplazar ficheros", text, kBoxIconExclamation | kBoxDefaultButton2) == kAnswerYes;
}

bool ExportFolderPath(std::string& folder) {
    std::string directory;
    if (const int err = ReadCurrentDirectory(directory); err != 0) {
        ShowMessage(kFailureCaption, "No se puede leer la carpeta actual (" + FileErrorText(err) + ").");
        return false;
    }
    folder = JoinPath(directory, kFolderName);
    return true;
}

bool PrepareExportFolder(bool ask, std::string_view longestSuffix, std::string& folder) {
    // The current folder first: a folder that has vanished is told before anything is asked.
    if (!ExportFolderPath(folder)) return false;
    if (ask) {
        if (!Ui().SaveSeries(ExportName, DocumentTitle, Presentation, AnswersOnNewPage)) return false;
        // Proposed again at the next start. A folder that cannot take zorvi.ini cannot take
        // the document either, and the export tells that itself.
        RememberSettings(false);
    }
    if (ExportName.empty()) return false;
    if (const std::string problem = ExportNameProblem(ExportName); !problem.empty()) {
        ShowMessage(kNameCaption, problem);
        return false;
    }
    const std::string longest = JoinPath(folder, ExportName + std::string(longestSuffix));
    if (longest.size() > kDocumentPathMax) {
        // Cutting the path would lose the extension or write under another name.
        const std::size_t fixed = longest.size() - ExportName.size();
        ShowMessage(kNameCaption,
                    fixed >= kDocumentPathMax
                        ? "La ruta de la carpeta actual es demasiado larga para guardar documentos en ella."
                        : "El nombre del fichero es demasiado largo para la ruta de la carpeta Exerc. Use como "
                          "máximo " + IntToText(static_cast<int32_t>(kDocumentPathMax - fixed)) + " caracteres.");
        return false;
    }
    return EnsureExportFolder(folder);
}

bool PrepareExportFile() {
    std::string folder;
    do {
        // The batch file beside the document has the longest name of the two.
        if (!PrepareExportFolder(true, kBatchFileExtension, folder)) return false;
    } while (!MayReplaceFiles(folder, {ExportName + ".rtf", ExportName + kBatchFileExtension}));
    const std::string path = JoinPath(folder, ExportName + ".rtf");
    if (!BeginRtfDocument(path)) {
        TellWriteFailure("No se ha podido crear el documento (" + RtfDocumentError() + "):", path);
        return false;
    }
    g_target = path;
    return true;
}

std::vector<ExerciseRecord> BatchExercises() {
    std::vector<ExerciseRecord> exercises;
    for (int i = 1; i <= Batch.count; ++i) exercises.push_back(Batch.Slot(i));
    return exercises;
}

void WriteTitleGroup(const std::string& title, std::string_view rtfAfter) {
    // The centred title is a paragraph of its own, ended inside its group: readers take a
    // paragraph's alignment from where it ends (Word) or where it starts (LibreOffice), and
    // only so is the title alone centred in both.
    WriteRtf("{\\qc");
    // Bold without RtfBold, which would cut a long title: a document's lines are written whole.
    WriteRtfLine("{\\b " + RtfPlainText(title) + std::string(rtfAfter) + "}");
    WriteRtfLineBreak();
    WriteRtf("\\par ");
    WriteRtf("}");
}

void WriteAnswerList(const std::vector<ExerciseRecord>& exercises) {
    for (std::size_t i = 0; i < exercises.size(); ++i) {
        WriteMarkupLine(DocumentWord(static_cast<int>(i + 1), ")") + AnswerWithHint(exercises[i]));
    }
}

void WriteStatementSheet(const std::string& title, std::string_view titleRtfAfter,
                         const std::vector<ExerciseRecord>& exercises) {
    WriteTitleGroup(title, titleRtfAfter);
    for (std::size_t i = 0; i < exercises.size(); ++i) {
        WriteMarkupLine(DocumentWord(static_cast<int>(i + 1), ") ") + StatementWithHint(exercises[i]));
        WriteRtfLineBreak();
        WriteRtfLineBreak();
    }
}

void WriteExerciseDocument(const std::string& title, std::string_view titleRtfAfter,
                           const std::vector<ExerciseRecord>& exercises) {
    WriteTitleGroup(title, titleRtfAfter);
    // Only the save window sets the presentation; any value but 0 keeps the answers apart.
    const bool answersApart = Presentation != 0;
    for (std::size_t i = 0; i < exercises.size(); ++i) {
        const ExerciseRecord& exercise = exercises[i];
        // Not cut: the number, the statement and its comment are each within their own limits.
        WriteMarkupLine(DocumentWord(static_cast<int>(i + 1), ") ") + StatementWithHint(exercise));
        WriteRtfLineBreak();
        if (!answersApart) WriteMarkupLine("Resp: " + AnswerWithHint(exercise));
        WriteRtfLineBreak();
    }
    if (!answersApart) return;
    WriteRtfLineBreak();
    WriteRtfLineBreak();
    // The statements can be handed out without the answers: they start a page of their own.
    if (AnswersOnNewPage) WriteRtf("\\page ");
    WriteRtfLine(RtfBold("Respuestas"));
    WriteRtfLineBreak();
    WriteAnswerList(exercises);
}

bool ExportBatch() {
    if (Batch.count == 0) return false;
    if (!PrepareExportFile()) return false;
    WriteExerciseDocument(DocumentTitle, "", BatchExercises());
    if (!EndRtfDocument()) {
        TellWriteFailure("No se ha podido guardar el documento (" + RtfDocumentError() + "):", g_target);
        return false;
    }
    ExportPath = g_target;
    BatchExported = true;
    UnexportedChanges = false;
    RememberWrittenFile(g_target);
    // The batch goes beside its document, so that what was exported can be opened again.
    const std::string batchPath = g_target.substr(0, g_target.size() - 4) + kBatchFileExtension;
    std::string error;
    if (!WriteWholeFile(batchPath, EncodeBatchFile(CurrentBatchFile()), error)) {
        ShowMessage("No se ha podido guardar el lote",
                    "El documento se ha guardado, pero el lote no (" + error + "):\r" + batchPath);
    } else {
        RememberWrittenFile(batchPath);
    }
    return true;
}

void OpenExportedBatch() {
    if (Batch.count == 0) return;
    if (!BatchExported && !ExportBatch()) return;
    const uint16_t result = Ui().ShellOpen(ExportPath);
    // Without the shell library there is no editor to point to: that was said already.
    if (result <= 32 && result != UserInteraction::kShellNotLoaded) {
        ShowMessage("Se requiere un editor de ficheros .rtf",
                    "Como, WordPad o Word\r" + RepeatChar('-', 33) +
                        "\rSi ya está instalado\rhay que asociar la'extensión .rtf\rcon él (\"Opciones de carpeta\"...)");
    }
}
