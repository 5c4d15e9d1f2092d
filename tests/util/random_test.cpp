#include "util/random.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

std::vector<int32_t> Draws(uint32_t seed, int32_t n, int count) {
    SeedRandom(seed);
    std::vector<int32_t> out;
    for (int i = 0; i < count; ++i) out.push_back(Random(n));
    return out;
}

TEST(RandomSource, SameSeedGivesSameDraws) {
    EXPECT_EQ(Draws(12345, 40, 50), Draws(12345, 40, 50));
    EXPECT_NE(Draws(12345, 40, 50), Draws(12346, 40, 50));
}

TEST(RandomSource, DrawsStayInRangeAndReachBothEnds) {
    SeedRandom(7);
    std::vector<int> seen(9, 0);
    for (int i = 0; i < 20000; ++i) {
        const int32_t v = Random(9);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 9);
        ++seen[v];
    }
    for (int count : seen) {
        EXPECT_GT(count, 20000 / 9 * 8 / 10);  // roughly uniform
        EXPECT_LT(count, 20000 / 9 * 12 / 10);
    }
    EXPECT_EQ(Random(1), 0);
    EXPECT_EQ(Random(0), 0);
}

TEST(RandomSource, ScriptedDrawsComeFirstThenTheSeededSequenceResumes) {
    SeedRandom(99);
    const int32_t unscripted = Random(1000);
    SeedRandom(99);
    ScriptRandom({3, 0, 8});
    EXPECT_EQ(Random(10), 3);
    EXPECT_EQ(Random(1), 0);
    EXPECT_EQ(Random(9), 8);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(Random(1000), unscripted);
}

TEST(RandomSource, AScriptedDrawOutsideTheRangeIsATestError) {
    ScriptRandom({10});
    EXPECT_THROW(Random(10), std::logic_error);
    ScriptRandom({});
}

}  // namespace
