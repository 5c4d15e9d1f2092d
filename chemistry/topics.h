#pragma once
// The eight topics of the "Temas" menu: their table, the loop of generation windows each one
// runs until the user leaves it (every exercise it builds goes to the batch), what their
// generators share, and the generators of the first four (the others have a file each).

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "util/exercise_numbers.h"

struct Compound;
struct Recipe;

// One topic of the "Temas" menu: what its generation window shows and how it makes one
// exercise of a sub-kind. The dispatch runs topics from here, and versions of a worksheet
// make their exercises again through the same entry.
struct TopicEntry {
    uint16_t number;                    // the n of menu command 200 + n
    const char* title;                  // caption of the generation window
    const char* subKinds;               // sub-kind captions separated by ";", numbered from 1
    void (*generate)(uint8_t subKind);  // one exercise into CurrentExercise, `accepted` when made
    void (*enter)();                    // what each visit starts with; nullptr: nothing
    // What a version made outside any visit needs first, told through the teacher's own
    // windows; nullptr: nothing.
    void (*beforeRemake)() = nullptr;
};

// The topic with that number; nullptr when there is none.
const TopicEntry* FindTopic(uint16_t number);
// How many sub-kinds the topic offers.
int SubKindCount(const TopicEntry& topic);
// The topic's loop of generation windows, until the user leaves.
void RunTopic(const TopicEntry& topic);
// One pass of the generator for a sub-kind: CurrentExercise gets the texts and the recipe
// (topic, sub-kind, the formula typed in this pass, the answer to the plausibility question,
// the choices made and the number options in force).
void GenerateSubKind(const TopicEntry& topic, uint8_t subKind);
// The same pass for an exercise made again: its choices are those of `recipe` (drawn anew
// where the recipe keeps none, as in files of before). False when the recipe keeps a choice
// that the generator does not offer.
bool GenerateAgain(const TopicEntry& topic, const Recipe& recipe);

// A choice that shapes the question rather than its numbers (the unit, the quantity asked,
// which substance in which role): Random(n), kept in the recipe of the pass, and taken from
// the recipe when the exercise is made again, so that every version asks the same question.
int32_t Choose(int32_t n);

// The question asked for a formula that does not look like the acid or base requested.
extern const char* const kPlausibilityQuestion;

// What the topics' generators share: the exercise stored in CurrentExercise (each text cut
// to 255) with the recipe of the pass, and the formula asked with AskFormula and kept for
// the recipe. A generator that asks for another text (a reaction) keeps it with KeepRecipeText.
void StoreExercise(const std::string& statement, const std::string& answer);
bool AskRecipeFormula(Compound& compound);
void KeepRecipeText(const std::string& text);

// The quantities the student must find, each recorded as the answer prints it and stored with
// the exercise, in the order of the answer. Each returns the text it records, for the answer to
// write right after `label`; the caller writes the unit after it as recorded.
// A number: `shown` is its text as a number form wrote it, whose figures the record keeps.
std::string NumberResult(const std::string& label, double value, const std::string& shown, const std::string& unit);
// A whole count (protons, electrons, a mass number), which no tolerance may round to another.
std::string CountResult(const std::string& label, int32_t count, const std::string& shown, const std::string& unit);
// A pH, whose tolerance in percent is taken on the concentration it stands for: 2 % of a pH
// of 13 would let 12.7 pass, twice the concentration.
std::string PhResult(const std::string& label, double ph, const std::string& shown);
// A formula, as markup ("CH_2O").
std::string FormulaResult(const std::string& label, const std::string& markup);
// One substance chosen among `options` (the chosen one among them), as markup.
std::string ChoiceResult(const std::string& label, const std::string& chosen, const std::vector<std::string>& options);

// A sub-kind of a topic whose exercises are made on what the teacher gives first, a formula
// or a reaction; one that needs none (a change of state fits any gas) asks for nothing.
template <class Subject>
struct SubKindOn {
    void (*make)(const Subject& subject);
    bool asks = true;
};

// The generator of such a topic: sub-kind n, from 1, is kinds[n - 1], made once `ask` has the
// subject from the teacher; nothing when the teacher refuses it or n is none of them.
template <class Subject, std::size_t count>
void GenerateOn(uint8_t subKind, const SubKindOn<Subject> (&kinds)[count], bool (*ask)(Subject&), Subject& subject) {
    if (subKind < 1 || std::size_t(subKind) > count) return;
    const SubKindOn<Subject>& kind = kinds[subKind - 1];
    if (kind.asks && !ask(subject)) return;
    kind.make(subject);
}

// Topic 1, "Atomística": protons, neutrons, electrons and mass number of one atom.
void AtomicStructureTopic();
// Topic 2, "Moles": molar mass and conversions between grams, moles and molecules.
void MolesTopic();
// Topic 3, "Concentraciones": percentage by mass and molarity of a solution.
void ConcentrationTopic();
// Topic 4, "Ejercicios de pH": strong acids and bases.
void PhTopic();

// A volume as exercise text: "250 ml" below a litre, "    1 l" from a litre on.
std::string VolumeText(double volumeMl);
// The same in a style, the number written by one of the forms of util/exercise_numbers.h
// (DataNumber for a volume given, ComputedNumber for one worked out).
using VolumeForm = std::string (*)(double, const NumberStyle&, PlainForm);
std::string VolumeText(double volumeMl, const NumberStyle& style, VolumeForm form);

double Log10(double x);

// The pH of a strong acid (one proton per hydrogen of its first element) or of a strong
// base written metal, O, H (one hydroxide per hydrogen of its third element).
double PhOf(const Compound& compound, double concentration, bool isBase);

// The random draws of the generators, each from the program's Random(n).
struct AtomDraw {
    uint8_t atomicNumber;  // 8 to 47
    uint8_t neutrons;      // atomicNumber - 2 to atomicNumber + 2
    uint8_t massNumber;    // atomicNumber + neutrons
};
AtomDraw DrawAtom();

struct PercentDraw {
    double percent;        // 2 to 41
    double solutionGrams;  // 200, 300, ... 900
    double soluteGrams;
};
PercentDraw DrawPercentage();

int32_t DrawMoles();          // 1 to 20
int32_t DrawSampleGrams();    // 5 to 204: moles and molarity
int32_t DrawPhSampleGrams();  // 5 to 14
int32_t DrawVolumeMl();       // 250, 500, 750 or 1000
