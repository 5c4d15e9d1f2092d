#pragma once
// The batch of exercises ("Lote ejercicios"): up to 50 exercises, in print order, kept
// in memory for the run. Generators hand exercises over with OfferExercise; the main
// window's commands delete, move, edit and reset them. What the batch shows (list lines,
// buttons, menu items, title) goes through a BatchView.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "util/exercise_numbers.h"

enum class HintPlacement : int32_t {
    None = 0,         // "no poner"
    InStatement = 1,  // "en enunciado"
    InAnswer = 2,     // "en respuesta"
};

constexpr std::size_t kMarkupMax = 255;  // statement and answer
constexpr std::size_t kHintMax = 80;
constexpr uint8_t kBatchCapacity = 50;

// How an exercise was made, so that it can be made again with new draws: its topic and
// sub-kind, the formula typed (or, for later topics, the reaction), the answer given to
// the "no parece ácido/base" question, the choices that shape its question and the number
// options it was written with. It holds no numbers drawn.
struct Recipe {
    uint16_t topic = 0;  // 0: no recipe
    uint8_t subKind = 0;
    std::string formula;       // the formula typed, may be empty
    uint8_t plausibility = 0;  // 0 not asked, else kAnswerYes or kAnswerNo
    // The unit, the quantity asked, which substance in which role: in the order the generator
    // makes them, each a number from 0 below what it chose among. Empty in files of before.
    std::vector<uint8_t> choices;
    // "Coma decimal" and "Cifras significativas" as they were; unknown in files of before.
    std::optional<NumberStyle> numbers;

    bool operator==(const Recipe&) const = default;
};

constexpr std::size_t kRecipeTextMax = 255;  // the recipe's formula or reaction
constexpr uint16_t kRecipeTopicMax = 99;
constexpr std::size_t kRecipeChoicesMax = 16;

// A quantity the student must find, as the answer gives it, for a quiz that grades it: a
// number with its unit, a formula, or the substance chosen among some (the limiting reagent).
enum class ResultKind : uint8_t { Number = 0, Formula = 1, Choice = 2 };

struct ExerciseResult {
    ResultKind kind = ResultKind::Number;
    std::string label;  // what the answer writes just before it ("p =", "b) M ="); may be empty
    double value = 0;   // a number at full precision
    std::string unit;   // a number's unit as the answer prints it ("g/mol", "mmHg"); may be empty
    // The figures the answer shows of the number: its decimals, or its significant figures
    // when it is written with a power of ten ("1.80e24", "3,01·10^(24)").
    uint8_t digits = 0;
    bool significant = false;
    bool exact = false;  // a whole count (protons, a mass number): right only as it is
    std::string text;                  // a formula, or the substance chosen, as markup ("CH_2O")
    std::vector<std::string> options;  // a choice: every substance offered, the chosen among them
    bool logarithm = false;  // a pH: a percentage is taken on the concentration it stands for

    bool operator==(const ExerciseResult&) const = default;
};

constexpr std::size_t kResultsMax = 8;         // per exercise
constexpr std::size_t kResultOptionsMax = 8;   // substances of one choice
constexpr std::size_t kResultTextMax = 255;    // label, unit, formula or substance

struct ExerciseRecord {
    std::string statement;  // MarkupText
    std::string answer;     // MarkupText
    std::string hint;       // a comment typed in the editor
    HintPlacement hintPlacement = HintPlacement::None;
    bool accepted = false;  // set by a generator once it has filled the record
    Recipe recipe;
    bool editedByHand = false;  // the statement or the answer was changed in the editor
    // What the student must find, in the order of the answer; none when edited by hand or
    // made before results were kept.
    std::vector<ExerciseResult> results;
};

struct ExerciseBatch {
    std::unique_ptr<std::array<ExerciseRecord, kBatchCapacity>> slots;  // while the main window lives
    uint8_t count = 0;

    // Slot i, numbered from 1.
    ExerciseRecord& Slot(int i) { return (*slots)[i - 1]; }
};

// The four buttons beside the list, by their control ids.
enum class BatchButton : uint16_t { Edit = 3, Delete = 4, MoveDown = 5, MoveUp = 6 };

class BatchView {
public:
    virtual ~BatchView() = default;
    virtual void ClearList() = 0;
    virtual void AddListLine(const std::string& line) = 0;
    // Selects line `position` (from 1); 0 clears the selection.
    virtual void SelectListLine(int position) = 0;
    // The selected line (from 1), 0 when none.
    virtual int SelectedListLine() = 0;
    virtual void EnableButton(BatchButton button, bool enabled) = 0;
    virtual void ShowButton(BatchButton button, bool shown) = 0;
    // "&Guardar", "&Editar/Imprimir", "Guardar l&ote...", "&Versiones..." and "&Reiniciar"
    // of the "Lote ejercicios" menu.
    virtual void EnableBatchMenu(bool enabled) = 0;
    virtual void SetTitle(const std::string& title) = 0;
};

// The view in force; without one, nothing is shown.
void SetBatchView(BatchView* view);

extern ExerciseRecord CurrentExercise;  // the one record that generators fill
extern ExerciseBatch Batch;
extern bool AskConfirmation;                // open the editor on every new exercise
extern HintPlacement DefaultHintPlacement;  // the placement given to new exercises
// The batch's seed for making its versions: set when the first exercise enters an empty
// batch (from BatchSeedClock), saved in its file, shown and editable in the versions window.
extern uint32_t BatchSeed;
// The millisecond clock the seed comes from; tests replace it.
extern uint32_t (*BatchSeedClock)();

// Storage for the main window's lifetime; starting empties the batch. Every change to the
// batch marks it as changed since its last export (UnexportedChanges).
void BatchStart();
void BatchEnd();

// The hand-over from a generator: editor first while AskConfirmation is on, then BatchAdd.
void OfferExercise(ExerciseRecord& record);

// When the batch holds its 50 exercises: tells the user "Lote completo" and returns true.
bool TellWhenBatchFull();

// Appends a copy of the record; false (nothing changes) when the batch is full.
bool BatchAdd(const ExerciseRecord& record);

// True, after telling the user, while an exercise of the batch is open in the editor: the
// batch must not change under it.
bool RefusedWhileEditing();

// Replaces every exercise of the batch (an opened batch file, at most 50): the list, the
// buttons, the menu and the title follow; the first line is selected.
void BatchReplace(const std::vector<ExerciseRecord>& exercises);

void BatchDelete();
void BatchMoveUp();
void BatchMoveDown();
void EditSelected();
void BatchReset();

// The list line of slot i: its number, "]" and the statement, cut to 255 characters.
std::string BatchLine(int slot);

// Clears the list, adds every slot's line and selects `select` (0: no selection).
void RefillBatchList(int select);

void UpdateBatchControls();
void UpdateMainTitle();

// The texts that the export prints, with the comment where its placement puts it.
std::string StatementWithHint(const ExerciseRecord& record);
std::string AnswerWithHint(const ExerciseRecord& record);
