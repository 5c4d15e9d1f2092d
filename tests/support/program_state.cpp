#include "tests/support/program_state.h"

#include "app/start_up.h"
#include "chemistry/element_editing.h"
#include "chemistry/elements.h"
#include "chemistry/formula.h"
#include "chemistry/reactions.h"
#include "chemistry/stoichiometry.h"
#include "shell/batch.h"
#include "shell/export.h"
#include "shell/help_document.h"
#include "shell/interaction.h"
#include "shell/program.h"
#include "shell/settings.h"
#include "shell/versions_choice.h"
#include "util/language.h"
#include "util/random.h"

#ifdef _WIN32
#include "shell/generation_window.h"
#include "ui/window_win.h"
#endif

namespace {

// Taken before any test runs: the clock's pointer is set before any of the program's code does.
uint32_t (*const kStartingSeedClock)() = BatchSeedClock;

}  // namespace

void ResetProgramState() {
    // Nobody answers and nobody shows the batch until a test says who does.
    SetUserInteraction(nullptr);
    SetBatchView(nullptr);

    ReleaseProgram();
    Descriptor = ProgramDescriptor{};
    CurrentTopicTitle.clear();
    MainColour = 0;
    DataMenuEnabled = false;
    UiLanguage = 2;

    BatchEnd();
    CurrentExercise = ExerciseRecord{};
    BatchSeed = 0;
    BatchSeedClock = kStartingSeedClock;
    VersionCount = kVersionsMin;

    ExportPath.clear();
    ForgetWrittenFiles();
    BatchExported = false;
    UnexportedChanges = false;
    // The options and the export's name, title and presentation, and what the program
    // remembers of the file (so that a test's first change of an option is written).
    LoadSettings();

    // The built-in files are the Windows start-up's to hand over.
    DefaultElementTable = {};
    HelpCopy = BuiltInHelp{};
    Elements = ElementTable{};
    ElementsLoadFailed = false;
    ElementEditing = ElementEditorState{};
    CurrentCompound = Compound{};
    Reactions.clear();
    ReactionsWriteFailureTold = false;
    CurrentReaction = Reaction{};

    ScriptRandom({});
    SeedRandom(0);

#ifdef _WIN32
    SetProgramEnding(false);
    SubKindList.clear();
    LastSubKind = 0;
    CaseCount = 1;
    CaseCountFlags.assign(33, '0');  // no sub-kind allows the number field
#endif
}
