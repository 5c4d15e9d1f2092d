// The four newer topics under the classroom options, as the four first topics follow them.

#include <gtest/gtest.h>

#include <vector>

#include "chemistry/empirical.h"
#include "chemistry/gases.h"
#include "chemistry/solutions.h"
#include "chemistry/stoichiometry.h"
#include "tests/chemistry/course_topics_support.h"

namespace {

// (every sub-kind's worked example in both forms is in worked_examples_test.cpp)

const char* const kLimestone = "CaCO3 + 2 HCl -> CaCl2 + CO2 + H2O";

// What each newer topic asks and types, for the checks over many draws.
struct CourseRun {
    void (*run)();
    std::vector<uint8_t> subKinds;
    const char* typed;  // at every prompt: a formula, or the reaction of the stoichiometry topic
};

const CourseRun kNewerTopics[] = {
    {GasesTopic, {1, 2, 3, 4, 5}, "CO2"},
    {GasesTopic, {1, 2, 3, 5}, "C4H10"},
    {SolutionsTopic, {1, 2, 3, 4}, "H2SO4"},
    {SolutionsTopic, {1, 3, 4}, "C6H12O6"},
    {EmpiricalTopic, {1, 2, 3}, "C6H12O6"},
    {EmpiricalTopic, {1, 2, 3}, "Fe3O4"},
    {StoichiometryTopic, {1, 2, 3, 4, 5}, kLimestone},
    {StoichiometryTopic, {1, 2, 4, 5}, "2 KClO3 -> 2 KCl + 3 O2"},
};

// The numbers of a text in order, as read back; subscripts of formulas are not numbers.
std::vector<double> NumbersIn(const std::string& text) {
    std::vector<double> numbers;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool negative = text[at] == '-' && at + 1 < text.size() && IsDigit(text[at + 1]);
        if (!(IsDigit(text[at]) || negative) || (at > 0 && text[at - 1] == '_')) continue;
        const std::size_t end = NumberEnd(text, at);
        numbers.push_back(ShownNumber(text.substr(at, end - at)));
        at = end - 1;
    }
    return numbers;
}

class CourseStyles : public CourseTopicTest {
protected:
    // Every statement and answer of one pass over the sub-kinds of a topic.
    std::vector<std::string> Texts(const CourseRun& topic) {
        BatchEnd();
        BatchStart();
        for (uint8_t subKind : topic.subKinds) {
            if (topic.run == StoichiometryTopic) {
                Pick({topic.typed});
            } else if (!(topic.run == GasesTopic && subKind == 4)) {
                Type({topic.typed});
            }
        }
        ui.subKinds.assign(topic.subKinds.begin(), topic.subKinds.end());
        ui.subKinds.push_back(0);
        topic.run();
        std::vector<std::string> texts;
        for (int slot = 1; slot <= Batch.count; ++slot) {
            texts.push_back(Statement(slot));
            texts.push_back(Answer(slot));
        }
        EXPECT_EQ(Batch.count, int(topic.subKinds.size())) << "every pass makes its exercise";
        return texts;
    }
};

TEST_F(CourseStyles, TheCommaAloneChangesNothingButTheDecimalPoints) {
    for (const CourseRun& topic : kNewerTopics) ExpectTheCommaAloneChangesOnlyDecimalPoints([&] { return Texts(topic); });
}

TEST_F(CourseStyles, SignificantFiguresLeaveOneBlankBetweenWordsAndNumbers) {
    for (const CourseRun& topic : kNewerTopics) ExpectClassroomSpacingOverManyDraws(40, [&] { return Texts(topic); });
}

// Data keep their digits and the draws do not depend on the options: the statements under
// "Cifras significativas" read back, number by number, as the plain ones.
TEST_F(CourseStyles, SignificantFiguresKeepTheNumbersOfTheStatements) {
    for (const CourseRun& topic : kNewerTopics) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            NumberOptions = NumberStyle{};
            SeedRandom(seed);
            const std::vector<std::string> plain = Texts(topic);
            NumberOptions = {true, true};
            SeedRandom(seed);
            const std::vector<std::string> classroom = Texts(topic);
            ASSERT_EQ(plain.size(), classroom.size());
            for (std::size_t i = 0; i < plain.size(); i += 2) {
                // The statement up to its data line: the atomic masses take two decimals.
                const std::string a = plain[i].substr(0, plain[i].find("datos: "));
                const std::string b = classroom[i].substr(0, classroom[i].find("datos: "));
                EXPECT_EQ(NumbersIn(a), NumbersIn(b)) << plain[i] << "\n" << classroom[i];
            }
        }
    }
}

}  // namespace
