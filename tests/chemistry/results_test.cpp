// What every generator records for the quiz agrees with what its answer prints: a student
// graded against the results gets right exactly what the key calls right.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "chemistry/remake.h"
#include "chemistry/topics.h"
#include "tests/chemistry/course_topics_support.h"
#include "tests/chemistry/equilibria_support.h"
#include "tests/chemistry/solubility_support.h"
#include "tests/chemistry/weak_acids_support.h"

namespace {

struct SubKindRun {
    uint16_t topic;
    uint8_t subKind;
    const char* typed;  // at the formula prompt, or the reaction picked; nullptr: nothing asked
};

const char* const kLimestone = "CaCO3 + 2 HCl -> CaCl2 + CO2 + H2O";

const SubKindRun kEverySubKind[] = {
    {1, 1, nullptr},         {1, 2, nullptr},        {2, 1, "H2SO4"},        {2, 2, nullptr},
    {2, 3, nullptr},         {2, 4, "NaCl"},         {2, 5, "CaCO3"},        {3, 1, nullptr},
    {3, 2, nullptr},         {3, 3, "NaCl"},         {3, 4, "KCl"},          {3, 5, "Na2SO4"},
    {4, 1, "HCl"},           {4, 2, "NaOH"},         {4, 3, "H2SO4"},        {4, 4, "Ca(OH)2"},
    {5, 1, "CO2"},           {5, 2, "CO2"},          {5, 3, "C4H10"},        {5, 4, nullptr},
    {5, 5, "CO2"},           {6, 1, "H2SO4"},        {6, 2, "HCl"},          {6, 3, "C6H12O6"},
    {6, 4, "NaCl"},          {7, 1, "C6H12O6"},      {7, 2, "Fe3O4"},        {7, 3, "C6H12O6"},
    {8, 1, kLimestone},      {8, 2, kLimestone},     {8, 3, kLimestone},     {8, 4, kLimestone},
    {8, 5, kLimestone},      {9, 1, "PCl5 <=> PCl3 + Cl2"}, {9, 2, "N2 + 3 H2 <=> 2 NH3"}, {9, 3, "H2 + I2 <=> 2 HI"},
    {9, 4, "N2O4 <=> 2 NO2"}, {9, 5, "N2 + 3 H2 <=> 2 NH3"},
    {10, 1, "CH3COOH"},     {10, 1, "NH3"},         {10, 2, "HF"},
    {10, 2, "CH3NH2"},      {10, 3, "CH3COONa"},    {10, 3, "NH4Cl"},       {10, 4, "C6H5COOH"},
    {10, 4, "NH3"},         {11, 1, "Ca3(PO4)2"},   {11, 2, "PbI2"},        {11, 3, "Ag2CrO4"},
    {11, 4, "PbI2"},
};

// The classroom options in every combination: the figures recorded follow each.
const NumberStyle kStyles[] = {{false, false}, {true, false}, {false, true}, {true, true}};

std::size_t SkipBlanks(const std::string& text, std::size_t i) {
    while (i < text.size() && text[i] == ' ') ++i;
    return i;
}

// How far the number printed may stand from the value: half a unit of its last figure, a
// whole one with a power of ten (the plain form "1.80e24" cuts its digits, it does not round).
double Reach(const ExerciseResult& result) {
    if (!result.significant) return 0.5 * std::pow(10.0, -result.digits);
    const double exponent = std::floor(std::log10(std::fabs(result.value)));
    return std::pow(10.0, exponent - result.digits + 1);
}

// Each result stands in the answer, in order: its label, then (the working may come between)
// its number, formula or substance, then its unit; the number printed is the value to the
// figures recorded.
void ExpectResultsAsAnswered(const ExerciseRecord& exercise, const std::string& what) {
    const std::string& answer = exercise.answer;
    ASSERT_FALSE(exercise.results.empty()) << what << ": " << answer;
    std::size_t at = 0;
    for (const ExerciseResult& result : exercise.results) {
        const std::size_t label = answer.find(result.label, at);
        ASSERT_NE(label, std::string::npos) << what << ": «" << result.label << "» in " << answer;
        at = label + result.label.size();
        if (result.kind != ResultKind::Number) {
            const std::size_t text = answer.find(result.text, at);
            ASSERT_NE(text, std::string::npos) << what << ": " << result.text << " in " << answer;
            if (result.kind == ResultKind::Choice) {
                EXPECT_GE(result.options.size(), 2u) << what;
                EXPECT_NE(std::find(result.options.begin(), result.options.end(), result.text), result.options.end());
            }
            at = text + result.text.size();
            continue;
        }
        // The first number after the label that is the value, with the unit after it.
        bool found = false;
        for (std::size_t i = at; i < answer.size() && !found; ++i) {
            const bool starts = IsDigit(answer[i]) || (answer[i] == '-' && i + 1 < answer.size() && IsDigit(answer[i + 1]));
            if (!starts || (i > 0 && (answer[i - 1] == '_' || IsDigit(answer[i - 1])))) continue;
            const std::size_t end = NumberEnd(answer, i);
            const std::string printed = answer.substr(i, end - i);
            const std::size_t unit = SkipBlanks(answer, end);
            found = std::fabs(ShownNumber(printed) - result.value) <= Reach(result) * (1 + 1e-9) &&
                    answer.compare(unit, result.unit.size(), result.unit) == 0;
            // Without a power of ten, the value to its decimals is the very text printed.
            if (found && !result.significant) {
                const char separator = printed.find(',') != std::string::npos ? ',' : '.';
                EXPECT_EQ(DecimalsText(result.value, result.digits, separator), printed) << what << ": " << answer;
            }
            if (found) at = end;
            i = end - 1;
        }
        EXPECT_TRUE(found) << what << ": " << result.value << " to " << int(result.digits)
                           << (result.significant ? " figures" : " decimals") << ", unit «" << result.unit << "», after «"
                           << result.label << "» in " << answer;
    }
}

class ResultsTest : public CourseTopicTest {
protected:
    void SetUp() override {
        CourseTopicTest::SetUp();
        SetSaltTable();  // the course's elements and the salts'
        // Each list as its topic's tests set it, in one ConstantsList.
        SetTestSalts();
        const std::vector<SparinglySoluble> salts = Constants.salts;
        SetWeakElectrolytes();
        const ConstantsList weak = Constants;
        SetCourseEquilibria();
        Constants.salts = salts;
        Constants.acids = weak.acids;
        Constants.bases = weak.bases;
    }
    // A reaction, an equilibrium or a substance is picked from a list; a formula is typed.
    bool Make(const SubKindRun& run) {
        const bool picked = run.topic >= 8;
        if (run.typed && picked) Pick({run.typed});
        if (run.typed && !picked) Type({run.typed});
        CurrentExercise = ExerciseRecord{};
        GenerateSubKind(*FindTopic(run.topic), run.subKind);
        return CurrentExercise.accepted;
    }
};

TEST_F(ResultsTest, EverySubKindRecordsTheNumbersItsAnswerPrints) {
    for (const NumberStyle style : kStyles) {
        NumberOptions = style;
        SeedRandom(31);
        for (const SubKindRun& run : kEverySubKind) {
            const std::string what = "topic " + std::to_string(run.topic) + "/" + std::to_string(run.subKind) +
                                     (style.decimalComma ? " comma" : "") + (style.significantFigures ? " figures" : "");
            for (int draw = 0; draw < 12; ++draw) {
                ASSERT_TRUE(Make(run)) << what;
                const ExerciseRecord made = CurrentExercise;
                ExpectResultsAsAnswered(made, what);
                // Only the atom's counts are graded without tolerance: 88 is no mass number of 89.
                // and a pH's tolerance is taken on its concentration: 2 % of a pH of 13 is twice [OH-].
                for (const ExerciseResult& result : made.results) {
                    EXPECT_EQ(result.exact, run.topic == 1) << what;
                    EXPECT_EQ(result.logarithm, result.label == "pH =") << what;
                }
                // Every version keeps results of its own numbers.
                ExerciseRecord version;
                std::string why;
                ASSERT_TRUE(RemakeExercise(made, 5, 'B', draw + 1, 0, version, why)) << why;
                ExpectResultsAsAnswered(version, what + " version B");
            }
        }
    }
}

}  // namespace
