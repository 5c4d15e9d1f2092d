#pragma once
// Versions of one worksheet: version A is the batch as it is; every later version makes
// each exercise with a recipe again (same topic, sub-kind and formula, new draws seeded from
// the batch's seed, the letter and the exercise's number), and copies unchanged the ones
// edited by hand or without a recipe. The plan and its documents are made in memory, with no
// window: the caller writes nothing unless every version could be made, and the same batch
// and seed always give the same bytes.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "shell/batch.h"

struct VersionsPlan {
    std::vector<std::vector<ExerciseRecord>> versions;  // A, B, ... each with every exercise
    std::vector<int> copied;     // the exercises (from 1) edited by hand or without a recipe
    std::vector<int> unchanged;  // those made again that came out the same in every version
};

// How an exercise is made again for a version (the generators' RemakeExercise): from the
// batch's seed, the version's letter, the exercise's number (from 1) and the attempt (0, then
// 1, 2... while it repeats an earlier version); false, with the reason in Spanish, when it cannot.
using RemakeFunction = bool (*)(const ExerciseRecord& original, uint32_t batchSeed, char letter, int number,
                                int attempt, ExerciseRecord& made, std::string& why);

// The exercises of `count` versions of `batch`, each made again with `remake`; false, with the
// reason in Spanish, when an exercise cannot be made again.
bool PlanVersions(const std::vector<ExerciseRecord>& batch, int count, uint32_t seed, RemakeFunction remake,
                  VersionsPlan& plan, std::string& why);

struct NamedDocument {
    std::string fileName;  // in the folder Exerc
    std::string bytes;
};

// The documents of the plan: "<name>-A.rtf" ..., one per version titled "<title> — versión A"
// ..., with the statements alone, whatever the presentation (they are handed to students);
// then "<name>-soluciones.rtf" with the answers of every version, each under its title on a
// page of its own.
std::vector<NamedDocument> VersionDocuments(const VersionsPlan& plan, const std::string& name,
                                            const std::string& title);

// "1, 3-5, 9": exercise numbers in a message.
std::string NumberList(const std::vector<int>& numbers);
// The question asked before any version is written when some exercises will read the same in
// every version: "Los ejercicios 3 y 7 serán iguales en todas las versiones." and why; empty
// when there are none.
std::string SameExercisesQuestion(const VersionsPlan& plan);
// The files that `count` versions named `name` write, in the folder Exerc.
std::vector<std::string> VersionFileNames(const std::string& name, int count);

// The letter of a version counted from 0: 'A', 'B', ...
char VersionLetter(std::size_t version);
// What ends the name of the answers' document: "<name>-soluciones.rtf".
extern const char* const kVersionsKeySuffix;
