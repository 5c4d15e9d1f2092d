#include "chemistry/remake.h"

#include <vector>

#include "chemistry/formula.h"
#include "chemistry/stoichiometry.h"
#include "chemistry/topics.h"
#include "shell/interaction.h"
#include "shell/settings.h"
#include "util/number_format.h"
#include "util/random.h"
#include "util/strings.h"

namespace {

// The teacher as the recipe remembers them: the formula typed and the answer to the
// plausibility question. Every other window or message is a failure, kept as the reason.
class ReplayingUser final : public UserInteraction {
public:
    explicit ReplayingUser(const Recipe& recipe) : recipe_(recipe) {}

    const std::string& Failure() const { return failure_; }

    uint8_t ChooseSubKind(const std::string&) override {
        Fail("haría falta elegir otra vez el tipo de ejercicio");
        return 0;
    }
    bool InputText(const std::string&, std::string& text) override {
        if (recipe_.formula.empty()) {
            Fail("la receta no guarda la fórmula que pide el ejercicio");
            return false;
        }
        text = recipe_.formula;
        return true;
    }
    bool ChooseReaction(const std::vector<std::string>&, std::string& text) override {
        if (recipe_.formula.empty()) {
            Fail("la receta no guarda la reacción que pide el ejercicio");
            return false;
        }
        text = recipe_.formula;
        return true;
    }
    uint8_t Message(const std::string& caption, const std::string& text, uint16_t flags) override {
        const bool question = (flags & 0x0F) != kBoxOk;
        if (question && text == kPlausibilityQuestion &&
            (recipe_.plausibility == kAnswerYes || recipe_.plausibility == kAnswerNo)) {
            return recipe_.plausibility;
        }
        // What the generator would tell or ask the teacher is why it cannot go on alone.
        std::string said = TrimRight(caption);
        if (!said.empty()) said += ": ";
        for (char c : text) said += c == '\r' || c == '\n' ? ' ' : c;
        Fail(said);
        return question ? kAnswerNo : kAnswerOk;
    }
    bool EditExercise(ExerciseRecord&) override {
        Fail("haría falta el editor de ejercicios");
        return false;
    }
    bool SaveSeries(std::string&, std::string&, int32_t&, bool&) override {
        Fail("haría falta la ventana de guardar");
        return false;
    }
    bool ChooseVersions(int&, uint32_t&) override {
        Fail("haría falta la ventana de versiones");
        return false;
    }
    bool ChooseBatchFile(bool, const std::string&, std::string&) override {
        Fail("haría falta elegir un fichero");
        return false;
    }
    uint16_t ShellOpen(const std::string&) override { return 0; }
    void OpenElementList() override { Fail("haría falta la lista de masas atómicas"); }
    void OpenElementEditor() override { Fail("haría falta el editor de elementos"); }

private:
    void Fail(const std::string& why) {
        if (failure_.empty()) failure_ = why;
    }

    const Recipe& recipe_;
    std::string failure_;
};

// The program-wide values a generator touches, put back when the remake ends, so that a
// generator whose window is open meanwhile goes on as if nothing had happened.
class KeptGeneratorState {
public:
    KeptGeneratorState()
        : exercise_(CurrentExercise),
          compound_(CurrentCompound),
          reaction_(CurrentReaction),
          numbers_(NumberOptions),
          ui_(Ui()) {}
    ~KeptGeneratorState() {
        CurrentExercise = exercise_;
        CurrentCompound = compound_;
        CurrentReaction = reaction_;
        NumberOptions = numbers_;
        SetUserInteraction(&ui_);
    }
    KeptGeneratorState(const KeptGeneratorState&) = delete;
    KeptGeneratorState& operator=(const KeptGeneratorState&) = delete;

private:
    ExerciseRecord exercise_;
    Compound compound_;
    Reaction reaction_;
    NumberStyle numbers_;
    UserInteraction& ui_;
};

uint32_t Mix(uint32_t hash, uint32_t value) {
    hash ^= value + 0x9E3779B9u + (hash << 6) + (hash >> 2);
    // The finaliser of MurmurHash3: neighbouring inputs give unrelated seeds.
    hash ^= hash >> 16;
    hash *= 0x85EBCA6Bu;
    hash ^= hash >> 13;
    hash *= 0xC2B2AE35u;
    hash ^= hash >> 16;
    return hash;
}

}  // namespace

uint32_t VersionSeed(uint32_t batchSeed, char letter, int number, int attempt) {
    uint32_t seed = Mix(0x5A6F7276u, batchSeed);  // "Zorv"
    seed = Mix(seed, static_cast<unsigned char>(letter));
    seed = Mix(seed, static_cast<uint32_t>(number));
    return Mix(seed, static_cast<uint32_t>(attempt));
}

bool RemakeExercise(const ExerciseRecord& original, uint32_t batchSeed, char letter, int number, int attempt,
                    ExerciseRecord& made, std::string& why) {
    const Recipe& recipe = original.recipe;
    const TopicEntry* topic = FindTopic(recipe.topic);
    if (recipe.topic == 0) {
        why = "no tiene receta";
        return false;
    }
    if (topic == nullptr) {
        why = "su tema (" + IntToText(recipe.topic) + ") no existe en esta versión del programa";
        return false;
    }
    if (recipe.subKind < 1 || recipe.subKind > SubKindCount(*topic)) {
        why = "el tema " + IntToText(recipe.topic) + " no tiene el tipo de ejercicio " + IntToText(recipe.subKind);
        return false;
    }
    // Before the replay: what it has to tell the teacher is not a reason to fail.
    if (topic->beforeRemake) topic->beforeRemake();
    KeptGeneratorState kept;
    ReplayingUser replay(recipe);
    SetUserInteraction(&replay);
    CurrentExercise = ExerciseRecord{};
    CurrentCompound.formula = recipe.formula;
    // Written as the exercise was; a recipe of before that kept no options takes those in force.
    if (recipe.numbers) NumberOptions = *recipe.numbers;
    SeedRandom(VersionSeed(batchSeed, letter, number, attempt));
    if (!GenerateAgain(*topic, recipe)) {
        why = "la receta guarda una elección que este tipo de ejercicio no tiene";
        return false;
    }
    if (!replay.Failure().empty() || !CurrentExercise.accepted) {
        why = replay.Failure().empty() ? "el generador no ha hecho el ejercicio" : replay.Failure();
        return false;
    }
    made = original;
    made.statement = CurrentExercise.statement;
    made.answer = CurrentExercise.answer;
    made.results = CurrentExercise.results;
    made.accepted = true;
    made.editedByHand = false;
    return true;
}
