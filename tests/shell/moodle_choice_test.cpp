#include "shell/moodle_choice.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kVariantsProblem = "El número de variantes debe ser un número entero de 1 a 50.";
const std::string kToleranceProblem =
    "La tolerancia debe ser un número de 0 a 50 (por ciento de cada valor), con punto o coma decimal.";

TEST(MoodleChoice, ReadsTheVariantsAndTheToleranceOrNamesTheFieldToCorrect) {
    const struct {
        const char* variants;
        const char* tolerance;
        bool ok;
        int readVariants;
        double readTolerance;
        int field;
    } cases[] = {
        {"1", "0", true, 1, 0, 0},
        {" 50 ", " 2,5 ", true, 50, 2.5, 0},  // the comma a Spanish teacher types
        {"30", "0.5", true, 30, 0.5, 0},
        {"3", "50", true, 3, 50, 0},
        {"0", "2", false, 0, 0, kIdMoodleVariants},
        {"51", "2", false, 0, 0, kIdMoodleVariants},
        {"", "2", false, 0, 0, kIdMoodleVariants},
        {"2,5", "2", false, 0, 0, kIdMoodleVariants},
        {"+3", "2", false, 0, 0, kIdMoodleVariants},
        {"3", "", false, 0, 0, kIdMoodleTolerance},  // no longer read as 0
        {"3", "50,1", false, 0, 0, kIdMoodleTolerance},
        {"3", "-1", false, 0, 0, kIdMoodleTolerance},
        {"3", "2%", false, 0, 0, kIdMoodleTolerance},
        {"3", "1,5,0", false, 0, 0, kIdMoodleTolerance},
        {"3", "1e1", false, 0, 0, kIdMoodleTolerance},
        {"3", ",", false, 0, 0, kIdMoodleTolerance},
    };
    for (const auto& c : cases) {
        int variants = -1;
        double tolerance = -1;
        std::string problem;
        int field = 0;
        EXPECT_EQ(ReadMoodleChoice(c.variants, c.tolerance, variants, tolerance, problem, field), c.ok)
            << c.variants << "/" << c.tolerance;
        if (c.ok) {
            EXPECT_EQ(variants, c.readVariants);
            EXPECT_EQ(tolerance, c.readTolerance);
            EXPECT_EQ(problem, "");
        } else {
            EXPECT_EQ(field, c.field) << c.variants << "/" << c.tolerance;
            EXPECT_EQ(problem, c.field == kIdMoodleVariants ? kVariantsProblem : kToleranceProblem);
            EXPECT_EQ(variants, -1);  // nothing changed by a refusal
        }
    }
}

}  // namespace
