#include "app/start_up.h"

#include "app/moodle.h"
#include "app/versions.h"
#include "chemistry/elements.h"
#include "chemistry/empirical.h"
#include "chemistry/gases.h"
#include "chemistry/solutions.h"
#include "chemistry/stoichiometry.h"
#include "chemistry/topics.h"
#include "shell/commands.h"
#include "shell/interaction.h"
#include "shell/program.h"
#include "shell/settings.h"
#include "util/language.h"
#include "util/strings.h"

namespace {

uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) { return red | (green << 8) | (blue << 16); }

}  // namespace

void TopicDispatch(uint16_t topic) {
    if (const TopicEntry* entry = FindTopic(topic)) RunTopic(*entry);
}

void DataDispatch(uint16_t id) {
    if (id == kCmdAtomicMasses) {
        Ui().OpenElementList();
    } else if (id == kCmdElements) {
        Ui().OpenElementEditor();
    }
}

void SetUpProgram() {
    CurrentTopicTitle = "Ejercicios de Química";
    MainColour = Rgb(195, 0, 142);
    DataMenuEnabled = true;
    UiLanguage = 2;
    Descriptor.shortName = CutText("Zorvi", kShortNameMax);
    Descriptor.longName = CutText("Ejercicios de Química", kLongNameMax);
    Descriptor.topicList =
        "Atomística;Moles;Concentraciones;Ejercicios de pH;Gases;Disoluciones;Fórmula empírica;Estequiometría;"
        "Equilibrio químico;Ácidos y bases débiles;Solubilidad";
    Descriptor.helpFile = CutText("zorvi.pdf", kHelpFileMax);
    GenerateTopic = TopicDispatch;
    DataCommand = DataDispatch;
    VersionsCommand = MakeWorksheetVersions;
    MoodleCommand = ExportMoodleQuiz;
    // Before the main window: the formula parser and the data windows read the table.
    LoadElements();
    OfferBuiltInTableForEmptyFile();
    // The options the teacher left last time, over their defaults.
    LoadSettings();
}

void ReleaseProgram() {
    GenerateTopic = nullptr;
    DataCommand = nullptr;
    VersionsCommand = nullptr;
    MoodleCommand = nullptr;
}
