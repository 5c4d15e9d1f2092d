#pragma once
// The worksheet as a Moodle quiz: one XML file that the question bank imports ("Importar",
// "Formato Moodle XML"). Each exercise gets a category "$course$/top/Zorvi/<título>/Ejercicio N"
// holding one Cloze question per variant; variant k is version k of the versions window, so
// that the paper version B and the quiz's variant 2 are the same exercise. A quiz with one
// random question from each category gives every student a variant of their own.

#include <string>
#include <vector>

#include "shell/versions_plan.h"

constexpr int kMoodleVariantsMin = 1;
constexpr int kMoodleVariantsMax = 50;
constexpr double kMoodleToleranceDefault = 2;  // percent of each value

struct MoodleQuiz {
    std::string bytes;         // the file, UTF-8
    std::vector<int> essays;   // the exercises (from 1) without results: one essay question each
    std::vector<int> single;   // those written once because every variant is the same
    int questions = 0;         // questions in the file
};

// The quiz of `plan` (variant k is plan.versions[k - 1]) under the document title `title`;
// a number's tolerance is `tolerancePercent` of its value, never below what its printed
// figures leave open.
MoodleQuiz MoodleQuizFile(const VersionsPlan& plan, const std::string& title, double tolerancePercent);

// The name of variant k (from 1) in question names: "A" to "Z", then "AA", "AB"...
std::string VariantName(int variant);
