#include "shell/versions_choice.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kCountProblem =
    "El número de versiones debe ser un número entero de 2 a 26 (una letra para cada versión).";
const std::string kSeedProblem = "La semilla debe ser un número entero de 0 a 4294967295.";

TEST(VersionsChoice, ReadsTheCountAndTheSeedOrNamesTheFieldToCorrect) {
    const struct {
        const char* count;
        const char* seed;
        bool ok;
        int readCount;
        uint32_t readSeed;
        int field;
    } cases[] = {
        {"2", "0", true, 2, 0, 0},
        {" 26 ", "4294967295", true, 26, 4294967295u, 0},
        {"3", " 00017 ", true, 3, 17, 0},
        {"1", "5", false, 0, 0, kIdVersionCount},
        {"27", "5", false, 0, 0, kIdVersionCount},
        {"", "5", false, 0, 0, kIdVersionCount},
        {"2.5", "5", false, 0, 0, kIdVersionCount},
        {"+3", "5", false, 0, 0, kIdVersionCount},
        {"$A", "5", false, 0, 0, kIdVersionCount},
        {"99999999999", "5", false, 0, 0, kIdVersionCount},
        {"3", "4294967296", false, 0, 0, kIdVersionSeed},
        {"3", "-1", false, 0, 0, kIdVersionSeed},
        {"3", "", false, 0, 0, kIdVersionSeed},
        {"3", "12 34", false, 0, 0, kIdVersionSeed},
        {"3", "1e3", false, 0, 0, kIdVersionSeed},
    };
    for (const auto& c : cases) {
        int count = -1;
        uint32_t seed = 7;
        std::string problem;
        int field = 0;
        EXPECT_EQ(ReadVersionsChoice(c.count, c.seed, count, seed, problem, field), c.ok) << c.count << "/" << c.seed;
        if (c.ok) {
            EXPECT_EQ(count, c.readCount);
            EXPECT_EQ(seed, c.readSeed);
            EXPECT_EQ(problem, "");
        } else {
            EXPECT_EQ(field, c.field) << c.count << "/" << c.seed;
            EXPECT_EQ(problem, c.field == kIdVersionCount ? kCountProblem : kSeedProblem);
        }
    }
}

}  // namespace
