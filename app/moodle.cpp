#include "app/moodle.h"

#include <algorithm>
#include <string>
#include <vector>

#include "chemistry/remake.h"
#include "shell/batch.h"
#include "shell/export.h"
#include "shell/interaction.h"
#include "shell/messages.h"
#include "shell/moodle.h"
#include "shell/moodle_choice.h"
#include "shell/settings.h"
#include "shell/versions_choice.h"
#include "shell/versions_plan.h"
#include "util/atomic_file.h"
#include "util/number_format.h"
#include "util/strings.h"

namespace {

constexpr const char* kCaption = "Cuestionario de Moodle";
constexpr const char* kExtension = ".xml";
constexpr std::size_t kMessageMax = 255;

// Where the file went, the steps in Moodle, and the exercises that are not one question per
// variant. Short enough for the box's 255 characters with a name of common length.
std::string WrittenNote(const std::string& fileName, const MoodleQuiz& quiz, int variants) {
    std::string text = "Escrito en Exerc\\" + fileName + ".\r"
                       "En Moodle: Banco de preguntas > Importar > Formato Moodle XML.\r"
                       "En el cuestionario: una pregunta aleatoria de cada categoría \"Ejercicio N\".";
    if (!quiz.essays.empty()) text += "\rEnsayo, a corregir a mano: " + NumberList(quiz.essays) + ".";
    std::vector<int> single;
    for (int number : quiz.single) {
        if (std::find(quiz.essays.begin(), quiz.essays.end(), number) == quiz.essays.end()) single.push_back(number);
    }
    // With one variant every exercise is one question: nothing to point out.
    if (!single.empty() && variants > 1) text += "\rSin variantes (una pregunta): " + NumberList(single) + ".";
    // A message box shows 255 characters: long lists become counts.
    if (text.size() > kMessageMax) {
        text = "Escrito en Exerc\\" + fileName + ".\rEn Moodle: Banco de preguntas > Importar > Formato Moodle XML.";
        if (!quiz.essays.empty()) text += "\rEnsayos, a corregir a mano: " + IntToText(int(quiz.essays.size())) + ".";
        if (!single.empty() && variants > 1) {
            text += "\rEjercicios sin variantes: " + IntToText(int(single.size())) + ".";
        }
    }
    return text;
}

}  // namespace

void ExportMoodleQuiz() {
    if (Batch.count == 0) return;
    if (!BatchExported) {
        if (!Ui().SaveSeries(ExportName, DocumentTitle, Presentation, AnswersOnNewPage)) return;
        RememberSettings(false);  // as after the export's save window
    }
    int variants = std::clamp(VersionCount, kMoodleVariantsMin, kMoodleVariantsMax);
    double tolerance = kMoodleToleranceDefault;
    if (!Ui().ChooseMoodleQuiz(variants, tolerance)) return;
    // The window accepts only these.
    if (variants < kMoodleVariantsMin || variants > kMoodleVariantsMax) return;
    if (!(tolerance >= 0 && tolerance <= kMoodleToleranceMax)) return;
    std::string folder;
    if (!PrepareExportFolder(false, kExtension, folder)) return;

    VersionsPlan plan;
    std::string why;
    if (!PlanVersions(BatchExercises(), variants, BatchSeed, RemakeExercise, plan, why)) {
        ShowMessage(kCaption, "No se ha escrito el cuestionario: " + why + ".");
        return;
    }
    // Yesterday's quiz of the same name is not replaced without a word; No is another name.
    while (!MayReplaceFiles(folder, {ExportName + kExtension})) {
        if (!PrepareExportFolder(true, kExtension, folder)) return;
    }
    // An untitled sheet is filed under its name: an empty title would leave the category
    // path with "//", which Moodle reads as a slash inside one name.
    const std::string title = TrimText(DocumentTitle).empty() ? ExportName : DocumentTitle;
    const MoodleQuiz quiz = MoodleQuizFile(plan, title, tolerance);
    const std::string fileName = ExportName + kExtension;
    const std::string path = PathInFolder(folder, fileName);
    std::string error;
    if (!WriteWholeFile(path, quiz.bytes, error)) {
        ShowMessage(kCaption, "No se ha escrito el cuestionario (" + error + "):\r" + path);
        return;
    }
    RememberWrittenFile(path);
    ShowMessage(kCaption, WrittenNote(fileName, quiz, variants));
}
