#include "app/versions.h"

#include "chemistry/remake.h"
#include "shell/batch_file.h"
#include "shell/export.h"
#include "shell/interaction.h"
#include "shell/messages.h"
#include "shell/settings.h"
#include "shell/versions_choice.h"
#include "shell/versions_plan.h"
#include "util/atomic_file.h"

namespace {

constexpr const char* kCaption = "Versiones de la hoja";

}  // namespace

void MakeWorksheetVersions() {
    if (Batch.count == 0) return;
    if (!BatchExported) {
        if (!Ui().SaveSeries(ExportName, DocumentTitle, Presentation, AnswersOnNewPage)) return;
        RememberSettings(false);  // as after the export's save window
    }
    int count = VersionCount;
    uint32_t seed = BatchSeed;
    if (!Ui().ChooseVersions(count, seed)) return;
    if (count < kVersionsMin || count > kVersionsMax) return;  // the window accepts only 2 to 26
    VersionCount = count;
    RememberSettings(false);  // proposed again at the next start; the documents' folder tells its own failure
    if (seed != BatchSeed) {
        BatchSeed = seed;
        UnexportedChanges = true;  // the batch file holds the seed
    }
    std::string folder;
    if (!PrepareExportFolder(false, kVersionsKeySuffix, folder)) return;

    VersionsPlan plan;
    std::string why;
    if (!PlanVersions(BatchExercises(), count, seed, RemakeExercise, plan, why)) {
        ShowMessage(kCaption, "No se ha escrito ninguna versión: " + why + ".");
        return;
    }
    if (const std::string question = SameExercisesQuestion(plan);
        !question.empty() && Ui().Message(kCaption, question, kBoxOkCancel) != kAnswerOk) {
        return;
    }
    // Yesterday's sheets of the same name are not replaced without a word; No is another name.
    while (!MayReplaceFiles(folder, VersionFileNames(ExportName, count))) {
        if (!PrepareExportFolder(true, kVersionsKeySuffix, folder)) return;
    }
    std::vector<FileToWrite> files;
    for (NamedDocument& document : VersionDocuments(plan, ExportName, DocumentTitle)) {
        files.push_back({PathInFolder(folder, document.fileName), std::move(document.bytes)});
    }
    // The batch and the seed go beside the documents, which they make again byte for byte.
    files.push_back({PathInFolder(folder, ExportName + kBatchFileExtension), EncodeBatchFile(CurrentBatchFile())});
    std::string error;
    std::string failedPath;
    if (!WriteFilesTogether(files, error, failedPath)) {
        ShowMessage(kCaption, "No se ha escrito ninguna versión (" + error + "):\r" + failedPath);
        return;
    }
    for (const FileToWrite& file : files) RememberWrittenFile(file.path);
    UnexportedChanges = false;
    const std::string last(1, VersionLetter(plan.versions.size() - 1));
    ShowMessage(kCaption, "Escritos en la carpeta Exerc:\r" + ExportName + "-A.rtf a " + ExportName + "-" + last +
                              ".rtf\r" + ExportName + kVersionsKeySuffix);
}
