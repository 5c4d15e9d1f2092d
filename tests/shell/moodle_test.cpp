#include "shell/moodle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "tests/support/exercises.h"
#include "tests/support/files.h"

namespace {

// The file is UTF-8; the program's own literals are Windows-1252.
std::string U8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

ExerciseResult Number(const std::string& label, double value, const std::string& unit, uint8_t digits,
                      bool significant = false) {
    ExerciseResult r;
    r.label = label;
    r.value = value;
    r.unit = unit;
    r.digits = digits;
    r.significant = significant;
    return r;
}

ExerciseResult Formula(const std::string& label, const std::string& text) {
    ExerciseResult r;
    r.kind = ResultKind::Formula;
    r.label = label;
    r.text = text;
    return r;
}

ExerciseResult Choice(const std::string& label, const std::string& text, std::vector<std::string> options) {
    ExerciseResult r;
    r.kind = ResultKind::Choice;
    r.label = label;
    r.text = text;
    r.options = std::move(options);
    return r;
}

ExerciseRecord Graded(const std::string& statement, const std::string& answer, std::vector<ExerciseResult> results,
                      const std::string& hint = "", HintPlacement placement = HintPlacement::None) {
    ExerciseRecord r = Exercise(statement, answer, hint, placement);
    r.recipe.topic = 5;
    r.results = std::move(results);
    return r;
}

// One exercise in one variant, for the parts of a question.
std::string QuizOf(const ExerciseRecord& exercise, const std::string& title = "T", double percent = 2) {
    VersionsPlan plan;
    plan.versions = {{exercise}};
    return MoodleQuizFile(plan, title, percent).bytes;
}

// The first answer box of a file, up to its unescaped closing brace.
std::string FirstAnswer(const std::string& bytes) {
    const std::size_t start = bytes.find("{1:");
    std::size_t end = start;
    while (end < bytes.size() && bytes[end] != '}') end += bytes[end] == '\\' ? 2 : 1;
    return start == std::string::npos ? "" : bytes.substr(start, end - start + 1);
}

// Two variants of an exercise with a number, a formula and a choice; a hand-edited one that
// gets an essay; one without a recipe, copied the same into every variant, written once.
VersionsPlan SmallPlan() {
    const auto variant = [](const std::string& grams, const std::string& moles, double value) {
        return Graded("Se queman " + grams + " g de CH_4 con O_2 a 25 ºC.\r\nCalcular n, la fórmula y el limitante.",
                      "n = " + moles + " mol\r\nCH_4; limita el O_2", {Number("n =", value, "mol", 3),
                       Formula("fórmula:", "CH_4"), Choice("limitante:", "O_2", {"CH_4", "O_2"})},
                      "ver la tabla", HintPlacement::InAnswer);
    };
    ExerciseRecord essay = Exercise("Explicar #B(por qué) p·V = cte.", "Boyle: p_1V_1 = p_2V_2", "a mano",
                                    HintPlacement::InStatement);
    essay.editedByHand = true;
    ExerciseRecord copied = Exercise("¿Cuánto es #F(1/4)?", "0,25");
    copied.results = {Number("", 0.25, "", 2)};
    VersionsPlan plan;
    plan.versions = {{variant("2,5", "0,156", 0.15625), essay, copied},
                     {variant("5,0", "0,313", 0.3125), essay, copied}};
    plan.copied = {2, 3};
    return plan;
}

TEST(MoodleQuizFile, WritesCategoriesVariantsAnEssayAndASingleQuestion) {
    // Outside the check: its text is quoted in the failure message, in Windows-1252.
    const std::string expected = U8(u8R"(<?xml version="1.0" encoding="UTF-8"?>
<quiz>
<question type="category">
  <category><text>$course$/top/Zorvi/Gases 1º//2º/Ejercicio 1</text></category>
</question>
<question type="cloze">
  <name><text>Gases 1º/2º · 1 · versión A</text></name>
  <questiontext format="html"><text>&lt;p&gt;Se queman 2,5 g de CH&lt;sub&gt;4&lt;/sub&gt; con O&lt;sub&gt;2&lt;/sub&gt; a 25 ºC.&lt;br&gt;
Calcular n, la fórmula y el limitante.&lt;/p&gt;&lt;p&gt;n = {1:NUMERICAL:=0.15625:0.003125} mol&lt;/p&gt;&lt;p&gt;fórmula: {1:SHORTANSWER_C:=CH4} &lt;i&gt;(escrita en una línea, con sus mayúsculas)&lt;/i&gt;&lt;/p&gt;&lt;p&gt;limitante: {1:MULTICHOICE:CH₄~=O₂}&lt;/p&gt;</text></questiontext>
  <generalfeedback format="html"><text>&lt;p&gt;n = 0,156 mol&lt;br&gt;
CH&lt;sub&gt;4&lt;/sub&gt;; limita el O&lt;sub&gt;2&lt;/sub&gt;&lt;br&gt;  Comentario: ver la tabla&lt;/p&gt;</text></generalfeedback>
  <penalty>0.3333333</penalty>
  <hidden>0</hidden>
</question>
<question type="cloze">
  <name><text>Gases 1º/2º · 1 · versión B</text></name>
  <questiontext format="html"><text>&lt;p&gt;Se queman 5,0 g de CH&lt;sub&gt;4&lt;/sub&gt; con O&lt;sub&gt;2&lt;/sub&gt; a 25 ºC.&lt;br&gt;
Calcular n, la fórmula y el limitante.&lt;/p&gt;&lt;p&gt;n = {1:NUMERICAL:=0.3125:0.00625} mol&lt;/p&gt;&lt;p&gt;fórmula: {1:SHORTANSWER_C:=CH4} &lt;i&gt;(escrita en una línea, con sus mayúsculas)&lt;/i&gt;&lt;/p&gt;&lt;p&gt;limitante: {1:MULTICHOICE:CH₄~=O₂}&lt;/p&gt;</text></questiontext>
  <generalfeedback format="html"><text>&lt;p&gt;n = 0,313 mol&lt;br&gt;
CH&lt;sub&gt;4&lt;/sub&gt;; limita el O&lt;sub&gt;2&lt;/sub&gt;&lt;br&gt;  Comentario: ver la tabla&lt;/p&gt;</text></generalfeedback>
  <penalty>0.3333333</penalty>
  <hidden>0</hidden>
</question>
<question type="category">
  <category><text>$course$/top/Zorvi/Gases 1º//2º/Ejercicio 2</text></category>
</question>
<question type="essay">
  <name><text>Gases 1º/2º · 2</text></name>
  <questiontext format="html"><text>&lt;p&gt;Explicar &lt;b&gt;por qué&lt;/b&gt; p·V = cte.&lt;br&gt;  Comentario: a mano&lt;/p&gt;</text></questiontext>
  <generalfeedback format="html"><text></text></generalfeedback>
  <defaultgrade>1</defaultgrade>
  <penalty>0</penalty>
  <hidden>0</hidden>
  <responseformat>editor</responseformat>
  <responserequired>1</responserequired>
  <responsefieldlines>15</responsefieldlines>
  <attachments>0</attachments>
  <attachmentsrequired>0</attachmentsrequired>
  <graderinfo format="html"><text>&lt;p&gt;Boyle: p&lt;sub&gt;1&lt;/sub&gt;V&lt;sub&gt;1&lt;/sub&gt; = p&lt;sub&gt;2&lt;/sub&gt;V&lt;sub&gt;2&lt;/sub&gt;&lt;/p&gt;</text></graderinfo>
  <responsetemplate format="html"><text></text></responsetemplate>
</question>
<question type="category">
  <category><text>$course$/top/Zorvi/Gases 1º//2º/Ejercicio 3</text></category>
</question>
<question type="cloze">
  <name><text>Gases 1º/2º · 3</text></name>
  <questiontext format="html"><text>&lt;p&gt;¿Cuánto es &lt;sup&gt;1&lt;/sup&gt;⁄&lt;sub&gt;4&lt;/sub&gt;?&lt;/p&gt;&lt;p&gt;{1:NUMERICAL:=0.25:0.005}&lt;/p&gt;</text></questiontext>
  <generalfeedback format="html"><text>&lt;p&gt;0,25&lt;/p&gt;</text></generalfeedback>
  <penalty>0.3333333</penalty>
  <hidden>0</hidden>
</question>
</quiz>
)");
    const MoodleQuiz quiz = MoodleQuizFile(SmallPlan(), "Gases 1º/2º", 2);
    EXPECT_EQ(quiz.bytes, expected);
    EXPECT_EQ(quiz.essays, std::vector<int>{2});
    EXPECT_EQ(quiz.single, std::vector<int>{3});
    EXPECT_EQ(quiz.questions, 4);
}

#ifndef _WIN32
// Moodle's importer refuses what its grammar does not read: the checker that the end-to-end
// run uses reads the same file back, answer by answer.
TEST(MoodleQuizFile, EveryAnswerParsesByTheClozeGrammar) {
    ScratchFolder folder("zorvi-moodle");
    WriteAll(folder.Path() / "quiz.xml", MoodleQuizFile(SmallPlan(), "Gases 1º/2º", 2).bytes);
    const std::string command = "python3 '" ZORVI_SOURCE_DIR "/tests/e2e/check_moodle.py' quiz.xml >answers.json";
    ASSERT_EQ(std::system(command.c_str()), 0) << ReadAll(folder.Path() / "answers.json");
    const std::string answers = ReadAll(folder.Path() / "answers.json");
    for (const char* right : {"\"value\": 0.15625", "\"tolerance\": 0.003125", "\"value\": 0.3125",
                              "\"right\": \"CH4\"", "\"value\": 0.25", "\"tolerance\": 0.005"}) {
        EXPECT_NE(answers.find(right), std::string::npos) << right << " in " << answers;
    }
    const std::string choice = U8(u8"\"right\": \"O₂\"");
    EXPECT_NE(answers.find(choice), std::string::npos) << answers;
}
#endif

struct ToleranceCase {
    const char* what;
    double value;
    uint8_t digits;
    bool significant;
    double percent;
    std::string answer;
    bool exact = false;
    bool logarithm = false;
};

TEST(MoodleQuizFile, ToleranceNeverRefusesTheKeysOwnNumber) {
    const ToleranceCase cases[] = {
        {"percent of the value", 250, 0, false, 2, "{1:NUMERICAL:=250:5}"},
        {"half a unit of the last decimal", 1.5, 1, false, 2, "{1:NUMERICAL:=1.5:0.05}"},
        {"a unit of the last figure, \"1.80e24\"", 1.8e24, 3, true, 0.01, "{1:NUMERICAL:=1.8e+24:1e+22}"},
        {"the figures of the number as rounded", 0.09996, 3, true, 0, "{1:NUMERICAL:=0.09996:0.001}"},
        {"a negative value", -2.5, 1, false, 10, "{1:NUMERICAL:=-2.5:0.25}"},
        {"a whole count: 88 is not a mass number of 89", 89, 0, false, 2, "{1:NUMERICAL:=89:0}", true},
        {"a pH: 1 % of its concentration (0.0043, so half a unit), not 0.14 of 13.67", 13.67, 2, false, 1,
         "{1:NUMERICAL:=13.67:0.005}", false, true},
    };
    for (const ToleranceCase& c : cases) {
        ExerciseRecord exercise = Graded("e", "a", {Number("x =", c.value, "", c.digits, c.significant)});
        exercise.results[0].exact = c.exact;
        exercise.results[0].logarithm = c.logarithm;
        const std::string quiz = QuizOf(exercise, "T", c.percent);
        EXPECT_EQ(FirstAnswer(quiz), c.answer) << c.what;
        // The key's "·10" is no number to Moodle: the question says how to write a power of ten.
        EXPECT_EQ(quiz.find("Las potencias de diez se escriben 6,02e23 o 6,02x10^23.") != std::string::npos,
                  c.significant) << c.what;
    }
}

TEST(MoodleQuizFile, ClozeAndXmlReservedCharactersAreEscaped) {
    // The markup reaches "}", "#" and the backslash only through RTF escapes.
    // Moodle undoes "\}" and "\#" only (a "~" or a backslash makes the exercise an essay).
    EXPECT_EQ(FirstAnswer(QuizOf(Graded("e", "a", {Formula("", R"(A\}\'23*_2)")}))), R"({1:SHORTANSWER_C:=A\}\#\*2})");
    EXPECT_EQ(FirstAnswer(QuizOf(Graded("e", "a", {Choice("", "B\\}", {R"(A\'23)", "B\\}"})}))),
              R"({1:MULTICHOICE:A\#~=B\}})");
    // Moodle takes the tags out of names: "<" is written as the angle quote.
    const std::string bytes = QuizOf(Graded("a < b & {c}", "a", {Number("", 1, "", 0)}), "R&D </x>");
    const std::string category = U8(u8"<text>$course$/top/Zorvi/R&amp;D ‹//x&gt;/Ejercicio 1</text>");
    EXPECT_NE(bytes.find(category), std::string::npos) << bytes;
    const std::string name = U8(u8"<name><text>R&amp;D ‹/x&gt; · 1</text></name>");
    EXPECT_NE(bytes.find(name), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("&lt;p&gt;a &amp;lt; b &amp;amp; c&lt;/p&gt;"), std::string::npos) << bytes;
}

// Moodle refuses the whole file for one answer box it cannot read: such an exercise is
// graded by the teacher instead.
TEST(MoodleQuizFile, ResultsMoodleCannotGradeMakeAnEssay) {
    const std::pair<const char*, std::vector<ExerciseResult>> cases[] = {
        {"no results", {}},
        {"a choice of one substance", {Choice("", "O_2", {"O_2"})}},
        {"an empty formula", {Number("", 1, "", 0), Formula("", "#B()")}},
        {"a number that is none", {Number("", std::nan(""), "", 0)}},
        {"a substance with a ~, which Moodle cannot escape", {Choice("", "B~", {"A", "B~"})}},
        {"a formula with a backslash", {Formula("", R"(A\\)")}},
    };
    for (const auto& [what, results] : cases) {
        VersionsPlan plan;
        plan.versions = {{Graded("e", "a", results)}, {Graded("e", "a", {Number("", 1, "", 0)})}};
        const MoodleQuiz quiz = MoodleQuizFile(plan, "T", 2);
        EXPECT_EQ(quiz.essays, std::vector<int>{1}) << what;
        EXPECT_EQ(quiz.questions, 1) << what;
        EXPECT_NE(quiz.bytes.find("<question type=\"essay\">"), std::string::npos) << what;
    }
}

TEST(VariantName, GoesOnPastZAsColumnsOfASpreadsheetDo) {
    const std::pair<int, const char*> cases[] = {{1, "A"}, {2, "B"}, {26, "Z"}, {27, "AA"}, {28, "AB"},
                                                 {50, "AX"}, {52, "AZ"}, {53, "BA"}};
    for (const auto& [variant, name] : cases) EXPECT_EQ(VariantName(variant), name) << variant;
}

}  // namespace
