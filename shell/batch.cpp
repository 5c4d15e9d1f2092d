#include "shell/batch.h"

#include <chrono>
#include <utility>

#include "shell/export.h"
#include "shell/interaction.h"
#include "shell/messages.h"
#include "shell/program.h"
#include "util/number_format.h"
#include "util/strings.h"

ExerciseRecord CurrentExercise;
ExerciseBatch Batch;
bool AskConfirmation = true;
HintPlacement DefaultHintPlacement = HintPlacement::None;
uint32_t BatchSeed = 0;

namespace {

// The low 32 bits of a millisecond count, as the system's tick count gives them.
uint32_t MillisecondClock() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

class NoView final : public BatchView {
public:
    void ClearList() override {}
    void AddListLine(const std::string&) override {}
    void SelectListLine(int) override {}
    int SelectedListLine() override { return 0; }
    void EnableButton(BatchButton, bool) override {}
    void ShowButton(BatchButton, bool) override {}
    void EnableBatchMenu(bool) override {}
    void SetTitle(const std::string&) override {}
};

NoView g_noView;
BatchView* g_view = &g_noView;

// The selected slot, 0 when no line is selected or the selection is past the batch.
int SelectedSlot() {
    const int s = g_view->SelectedListLine();
    return s >= 1 && s <= Batch.count ? s : 0;
}

int g_slotInEditor = 0;  // the batch exercise open in the editor, 0 when none

std::string WithHint(const std::string& text, const ExerciseRecord& record, HintPlacement where) {
    std::string result = CutText(text, kMarkupMax);
    if (record.hintPlacement != where) return result;
    if (result.size() < kMarkupMax) result += '\r';
    return result + "  Comentario: " + record.hint;
}

// The editor's answer on a copy of `before`: a changed statement or answer is the teacher's
// own text from then on, which a new version must not replace.
void MarkEditedByHand(const ExerciseRecord& before, ExerciseRecord& after) {
    if (after.statement != before.statement || after.answer != before.answer) {
        after.editedByHand = true;
        after.results.clear();  // the answer no longer says what they say
    }
}

}  // namespace

uint32_t (*BatchSeedClock)() = MillisecondClock;

// Deleting, moving, emptying or replacing under an open editor would put its edit over
// another exercise when it is accepted: the teacher finishes with the editor first.
bool RefusedWhileEditing() {
    if (g_slotInEditor == 0) return false;
    Ui().Message("Lote ejercicios",
                 "El ejercicio " + IntToText(g_slotInEditor) +
                     " está abierto en el editor.\rAcéptalo o cancélalo antes de cambiar el lote.",
                 kBoxOk);
    return true;
}

void SetBatchView(BatchView* view) { g_view = view ? view : &g_noView; }

void BatchStart() {
    Batch.count = 0;
    UnexportedChanges = false;
    Batch.slots = std::make_unique<std::array<ExerciseRecord, kBatchCapacity>>();
}

void BatchEnd() {
    Batch.slots.reset();
    Batch.count = 0;
}

bool TellWhenBatchFull() {
    if (Batch.count < kBatchCapacity) return false;
    ShowMessage("Lote completo",
                "El lote ya tiene 50 ejercicios, el máximo.\r"
                "Exporte el lote o elimine algún ejercicio antes de añadir otro.");
    return true;
}

void OfferExercise(ExerciseRecord& record) {
    if (!record.accepted || record.statement.empty()) return;
    // Refused before anything is touched: the batch and the record stay as they are.
    if (TellWhenBatchFull()) return;
    record.hintPlacement = DefaultHintPlacement;
    if (AskConfirmation) {
        const ExerciseRecord offered = record;
        record.accepted = Ui().EditExercise(record);
        if (record.accepted) MarkEditedByHand(offered, record);
    }
    if (record.accepted) BatchAdd(record);
}

bool BatchAdd(const ExerciseRecord& record) {
    if (!Batch.slots || Batch.count >= kBatchCapacity) return false;
    if (Batch.count == 0) BatchSeed = BatchSeedClock();
    ExerciseRecord& slot = Batch.Slot(++Batch.count);
    slot = record;
    slot.statement = CutText(slot.statement, kMarkupMax);
    slot.answer = CutText(slot.answer, kMarkupMax);
    slot.hint = CutText(slot.hint, kHintMax);
    slot.recipe.formula = CutText(slot.recipe.formula, kRecipeTextMax);
    UnexportedChanges = true;
    g_view->AddListLine(BatchLine(Batch.count));
    g_view->SelectListLine(Batch.count);
    // Buttons hidden by a delete or a reset come back under the same conditions.
    for (BatchButton b : {BatchButton::Edit, BatchButton::Delete}) {
        g_view->ShowButton(b, true);
        g_view->EnableButton(b, true);
    }
    if (Batch.count > 1) {
        for (BatchButton b : {BatchButton::MoveUp, BatchButton::MoveDown}) {
            g_view->ShowButton(b, true);
            g_view->EnableButton(b, true);
        }
    }
    UpdateMainTitle();
    return true;
}

void BatchReplace(const std::vector<ExerciseRecord>& exercises) {
    if (!Batch.slots) Batch.slots = std::make_unique<std::array<ExerciseRecord, kBatchCapacity>>();
    Batch.count = 0;
    for (const ExerciseRecord& record : exercises) {
        if (Batch.count == kBatchCapacity) break;
        Batch.Slot(++Batch.count) = record;
    }
    RefillBatchList(1);
    for (BatchButton b : {BatchButton::Edit, BatchButton::Delete}) g_view->ShowButton(b, Batch.count > 0);
    for (BatchButton b : {BatchButton::MoveUp, BatchButton::MoveDown}) g_view->ShowButton(b, Batch.count > 1);
    UpdateMainTitle();
}

void BatchDelete() {
    const int s = SelectedSlot();
    if (s == 0 || RefusedWhileEditing()) return;
    if (AskYesNo("*Confirmar eliminar*", "Eliminar l'ejercicio seleccionado?") != kAnswerYes) return;
    --Batch.count;
    UnexportedChanges = true;
    int select = s;
    if (s <= Batch.count) {
        for (int i = s; i <= Batch.count; ++i) Batch.Slot(i) = std::move(Batch.Slot(i + 1));
    } else {
        select = Batch.count;
    }
    RefillBatchList(select);
    UpdateMainTitle();
    if (Batch.count == 0) {
        g_view->ShowButton(BatchButton::Edit, false);
        g_view->ShowButton(BatchButton::Delete, false);
        g_view->EnableBatchMenu(false);
    } else if (Batch.count == 1) {
        g_view->ShowButton(BatchButton::MoveUp, false);
        g_view->ShowButton(BatchButton::MoveDown, false);
    }
}

void BatchMoveDown() {
    const int s = SelectedSlot();
    if (s > 0 && s < Batch.count && !RefusedWhileEditing()) {
        std::swap(Batch.Slot(s), Batch.Slot(s + 1));
        UnexportedChanges = true;
        RefillBatchList(s + 1);
    }
}

void BatchMoveUp() {
    const int s = SelectedSlot();
    if (s > 1 && !RefusedWhileEditing()) {
        std::swap(Batch.Slot(s - 1), Batch.Slot(s));
        UnexportedChanges = true;
        RefillBatchList(s - 1);
    }
}

void EditSelected() {
    const int s = SelectedSlot();
    if (s == 0) return;
    ExerciseRecord copy = Batch.Slot(s);
    // With an editor open already, this one is refused and the open one comes to the front.
    const bool first = g_slotInEditor == 0;
    if (first) g_slotInEditor = s;
    const bool accepted = Ui().EditExercise(copy);
    if (first) g_slotInEditor = 0;
    if (!accepted || !first) return;
    MarkEditedByHand(Batch.Slot(s), copy);
    Batch.Slot(s) = std::move(copy);
    UnexportedChanges = true;
    // The line shows the edited statement at once, not only after the next move or delete.
    RefillBatchList(s);
}

void BatchReset() {
    if (Batch.count == 0 || RefusedWhileEditing()) return;
    if (AskYesNo("Reinicio Lote", "Reiniciar Lote a 0? ") != kAnswerYes) return;
    Batch.count = 0;
    BatchExported = false;
    UnexportedChanges = false;
    for (BatchButton b : {BatchButton::MoveUp, BatchButton::MoveDown, BatchButton::Edit,
                          BatchButton::Delete}) {
        g_view->ShowButton(b, false);
    }
    g_view->EnableBatchMenu(false);
    g_view->ClearList();
    UpdateMainTitle();
}

std::string BatchLine(int slot) {
    return CutText(IntToText(slot) + "]" + Batch.Slot(slot).statement, kMarkupMax);
}

void RefillBatchList(int select) {
    g_view->ClearList();
    for (int i = 1; i <= Batch.count; ++i) g_view->AddListLine(BatchLine(i));
    if (Batch.count > 0) g_view->SelectListLine(select);
}

void UpdateBatchControls() {
    const bool any = Batch.count > 0;
    const bool several = Batch.count > 1;
    g_view->EnableButton(BatchButton::Edit, any);
    g_view->EnableButton(BatchButton::Delete, any);
    g_view->EnableButton(BatchButton::MoveUp, several);
    g_view->EnableButton(BatchButton::MoveDown, several);
    g_view->EnableBatchMenu(any);
}

void UpdateMainTitle() {
    UpdateBatchControls();
    g_view->SetTitle(Descriptor.longName + ". Nº ejercicios: " + IntToText(Batch.count));
}

std::string StatementWithHint(const ExerciseRecord& record) {
    return WithHint(record.statement, record, HintPlacement::InStatement);
}

std::string AnswerWithHint(const ExerciseRecord& record) {
    return WithHint(record.answer, record, HintPlacement::InAnswer);
}
