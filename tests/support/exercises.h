#pragma once
// Exercises as a generator hands them over (accepted), for tests that need some in the batch.

#include <string>

#include "shell/batch.h"

ExerciseRecord Exercise(const std::string& statement, const std::string& answer = "a", const std::string& hint = "",
                        HintPlacement placement = HintPlacement::None);
ExerciseRecord Exercise(const std::string& statement, const std::string& answer, const Recipe& recipe);

// Adds the exercise to the batch; a batch that refuses it fails the test.
void AddExercise(const ExerciseRecord& record);
void AddExercise(const std::string& statement, const std::string& answer = "a", const std::string& hint = "",
                 HintPlacement placement = HintPlacement::None);

// Adds n exercises: "E1", "A1", comment "h1" placed as HintPlacement(1 % 3), and so on.
void FillBatch(int n);
