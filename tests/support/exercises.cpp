#include "tests/support/exercises.h"

#include <gtest/gtest.h>

ExerciseRecord Exercise(const std::string& statement, const std::string& answer, const std::string& hint,
                        HintPlacement placement) {
    ExerciseRecord r;
    r.statement = statement;
    r.answer = answer;
    r.hint = hint;
    r.hintPlacement = placement;
    r.accepted = true;
    return r;
}

ExerciseRecord Exercise(const std::string& statement, const std::string& answer, const Recipe& recipe) {
    ExerciseRecord r = Exercise(statement, answer);
    r.recipe = recipe;
    return r;
}

void AddExercise(const ExerciseRecord& record) {
    EXPECT_TRUE(BatchAdd(record)) << "the batch refused \"" << record.statement << "\"";
}

void AddExercise(const std::string& statement, const std::string& answer, const std::string& hint,
                 HintPlacement placement) {
    AddExercise(Exercise(statement, answer, hint, placement));
}

void FillBatch(int n) {
    for (int i = 1; i <= n; ++i) {
        const std::string number = std::to_string(i);
        AddExercise("E" + number, "A" + number, "h" + number, HintPlacement(i % 3));
    }
}
