// Inputs that fuzz_reactions (tests/fuzz) found faults with, kept as they were found.

#include <gtest/gtest.h>

#include "chemistry/reactions.h"
#include "tests/chemistry/course_topics_support.h"

namespace {

class ReactionFuzzFindings : public CourseTopicTest {};

// A subscript 0 made a substance whose element counts nothing: the reaction balanced, and its
// statement would have shown "NH_0" (found by fuzz_reactions).
TEST_F(ReactionFuzzFindings, AnElementWrittenWithNoAtomsIsRefused) {
    const ReactionList list = ReadReactionList("\xC6\r\nN2 -> 2 NH0");
    EXPECT_TRUE(list.reactions.empty());
    ASSERT_EQ(list.leftOut.size(), 2u);
    EXPECT_EQ(list.leftOut[0].number, 1);
    EXPECT_EQ(list.leftOut[1].number, 2);
    EXPECT_EQ(list.leftOut[1].reason, "H con 0 átomos en NH0");
}

}  // namespace
