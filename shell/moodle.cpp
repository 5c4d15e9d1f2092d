#include "shell/moodle.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "richtext/html.h"
#include "util/number_format.h"
#include "util/text_encoding.h"

namespace {

// Moodle's own default: a third of the mark off for each new try in an adaptive quiz.
constexpr const char* kPenalty = "0.3333333";
constexpr std::size_t kNameMax = 255;  // a question's or a category's name in Moodle

std::string XmlText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (char c : utf8) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default:
                // XML holds no control character but these three (a title read from a file may).
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r') out += c;
        }
    }
    return out;
}

// One element holding a text: "<name><text>...</text></name>".
std::string TextElement(const char* element, const std::string& utf8, bool html = false) {
    return std::string("  <") + element + (html ? " format=\"html\"" : "") + "><text>" + XmlText(utf8) +
           "</text></" + element + ">\n";
}

// The title as Moodle keeps a name: its import takes the tags out of names ("pH<7 y pOH>7"
// would lose "<7 y pOH>"), so "<" becomes the angle quote that reads the same; and a name has
// 255 characters at most, cut from the title so that the variant stays.
std::string NameTitle(const std::string& title, std::size_t room) {
    std::string shown;
    for (char c : title) shown += c == '<' ? '\x8B' : c;
    return shown.substr(0, room);
}

// A name within a category path: Moodle reads "/" as the step to a subcategory and "//" as
// a slash of the name, and trims each name, so a slash at either end keeps a blank outside it.
std::string CategoryName(const std::string& name) {
    std::string escaped;
    for (char c : name) escaped += c == '/' ? "//" : std::string(1, c);
    if (!escaped.empty() && escaped.front() == '/') escaped.insert(0, " ");
    if (!escaped.empty() && escaped.back() == '/') escaped += ' ';
    return escaped;
}

// The shortest text that reads back as the same double, with a point: Moodle takes
// "3.011e+24" as a number.
std::string ClozeNumber(double x) {
    char buffer[32];
    const std::to_chars_result end = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, end.ptr);
}

// Half a unit of the last decimal shown, or one unit of the last significant figure (the
// plain exponent form cuts digits rather than rounding them, so the key's own number must pass).
double ToleranceFloor(const ExerciseResult& result) {
    if (!result.significant) return 0.5 * std::strtod(("1e-" + IntToText(result.digits)).c_str(), nullptr);
    const int figures = std::max<int>(result.digits, 1);
    char shown[64];
    std::snprintf(shown, sizeof shown, "%.*e", figures - 1, std::fabs(result.value));
    const char* e = std::strchr(shown, 'e');
    const int exponent = e == nullptr ? 0 : std::atoi(e + 1);
    return std::strtod(("1e" + IntToText(exponent - figures + 1)).c_str(), nullptr);
}

// What Cloze's grammar reserves in an answer and Moodle unescapes: "}" that ends it and "#"
// before a feedback; a short answer also takes "*" for any text. A "~" or a backslash has no
// escape Moodle undoes: such a text is not written as an answer box (see Writable).
std::string ClozeAnswerText(std::string_view text, bool shortAnswer) {
    std::string out;
    for (char c : text) {
        if (c == '}' || c == '#' || (shortAnswer && c == '*')) out += '\\';
        out += c;
    }
    return out;
}

bool ClozeCanHold(const std::string& plain) {
    return !plain.empty() && plain.find_first_of("~\\") == std::string::npos;
}

bool Writable(const ExerciseResult& result) {
    switch (result.kind) {
        case ResultKind::Number: return std::isfinite(result.value);
        case ResultKind::Formula: return ClozeCanHold(MarkupToPlainText(result.text, PlainScripts::Typed));
        case ResultKind::Choice: {
            // Moodle wants two choices at least, none of them empty.
            std::vector<std::string> options = result.options;
            options.push_back(result.text);
            std::sort(options.begin(), options.end());
            options.erase(std::unique(options.begin(), options.end()), options.end());
            return options.size() >= 2 && std::all_of(options.begin(), options.end(), [](const std::string& o) {
                return ClozeCanHold(MarkupToPlainText(o, PlainScripts::Unicode));
            });
        }
    }
    return false;
}

// Graded by Moodle: made by a generator that recorded what the student must find.
bool Gradable(const ExerciseRecord& exercise) {
    return !exercise.editedByHand && !exercise.results.empty() &&
           std::all_of(exercise.results.begin(), exercise.results.end(), Writable);
}

std::string ClozeAnswer(const ExerciseResult& result, double tolerancePercent) {
    switch (result.kind) {
        case ResultKind::Number: {
            // A count of protons is right only as it is: 88 is not a mass number of 89.
            // A pH's percentage is taken on the concentration it stands for: log10(1.02) for 2 %.
            const double share = result.logarithm ? std::log10(1 + tolerancePercent / 100)
                                                  : std::fabs(result.value) * tolerancePercent / 100;
            const double tolerance = result.exact ? 0 : std::max(share, ToleranceFloor(result));
            return "{1:NUMERICAL:=" + ClozeNumber(result.value) + ":" + ClozeNumber(tolerance) + "}";
        }
        case ResultKind::Formula:
            // Case counts in a formula: "co" is not CO, and Co is another element.
            return "{1:SHORTANSWER_C:=" + ClozeAnswerText(MarkupToPlainText(result.text, PlainScripts::Typed), true) +
                   "}";
        case ResultKind::Choice: break;
    }
    // The options keep their order: the right one is not always the first.
    std::vector<std::string> options = result.options;
    if (std::find(options.begin(), options.end(), result.text) == options.end()) options.push_back(result.text);
    std::string answer = "{1:MULTICHOICE:";
    for (std::size_t k = 0; k < options.size(); ++k) {
        if (k > 0) answer += '~';
        if (options[k] == result.text) answer += '=';
        answer += ClozeAnswerText(MarkupToPlainText(options[k], PlainScripts::Unicode), false);
    }
    return answer + "}";
}

// The statement, then a line for each result: its label, its answer box and its unit.
std::string ClozeText(const ExerciseRecord& exercise, double tolerancePercent) {
    std::string html = "<p>" + MarkupToHtml(StatementWithHint(exercise)) + "</p>";
    for (const ExerciseResult& result : exercise.results) {
        html += "<p>";
        if (!result.label.empty()) html += MarkupToHtml(result.label) + " ";
        html += ClozeAnswer(result, tolerancePercent);
        if (!result.unit.empty()) html += " " + MarkupToHtml(result.unit);
        // Graded as typed: "Fe₃O₄" or "fe3o4" would not be the formula.
        if (result.kind == ResultKind::Formula) html += Windows1252ToUtf8(" <i>(escrita en una línea, con sus mayúsculas)</i>");
        html += "</p>";
    }
    // Moodle reads "6,02e23" and "6,02x10^23", not the "·10" of the key.
    const bool powers = std::any_of(exercise.results.begin(), exercise.results.end(), [](const ExerciseResult& r) {
        return r.kind == ResultKind::Number && r.significant;
    });
    if (powers) html += "<p><i>Las potencias de diez se escriben 6,02e23 o 6,02x10^23.</i></p>";
    return html;
}

std::string ClozeQuestion(const std::string& name, const ExerciseRecord& exercise, double tolerancePercent) {
    return "<question type=\"cloze\">\n" + TextElement("name", name) +
           TextElement("questiontext", ClozeText(exercise, tolerancePercent), true) +
           TextElement("generalfeedback", "<p>" + MarkupToHtml(AnswerWithHint(exercise)) + "</p>", true) +
           "  <penalty>" + kPenalty + "</penalty>\n  <hidden>0</hidden>\n</question>\n";
}

// Graded by the teacher, who reads the answer beside the student's.
std::string EssayQuestion(const std::string& name, const ExerciseRecord& exercise) {
    return "<question type=\"essay\">\n" + TextElement("name", name) +
           TextElement("questiontext", "<p>" + MarkupToHtml(StatementWithHint(exercise)) + "</p>", true) +
           TextElement("generalfeedback", "", true) +
           "  <defaultgrade>1</defaultgrade>\n  <penalty>0</penalty>\n  <hidden>0</hidden>\n"
           "  <responseformat>editor</responseformat>\n  <responserequired>1</responserequired>\n"
           "  <responsefieldlines>15</responsefieldlines>\n  <attachments>0</attachments>\n"
           "  <attachmentsrequired>0</attachmentsrequired>\n" +
           TextElement("graderinfo", "<p>" + MarkupToHtml(AnswerWithHint(exercise)) + "</p>", true) +
           TextElement("responsetemplate", "", true) + "</question>\n";
}

bool Listed(const std::vector<int>& list, int number) {
    return std::find(list.begin(), list.end(), number) != list.end();
}

}  // namespace

std::string VariantName(int variant) {
    std::string name;
    for (int n = variant; n > 0; n = (n - 1) / 26) name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}

MoodleQuiz MoodleQuizFile(const VersionsPlan& plan, const std::string& title, double tolerancePercent) {
    MoodleQuiz quiz;
    quiz.bytes = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n";
    const std::size_t variants = plan.versions.size();
    for (std::size_t i = 0; variants > 0 && i < plan.versions[0].size(); ++i) {
        const int number = static_cast<int>(i + 1);
        const std::string numberText = IntToText(number);
        bool essay = false;
        for (const std::vector<ExerciseRecord>& version : plan.versions) essay = essay || !Gradable(version[i]);
        const bool once = essay || variants == 1 || Listed(plan.copied, number) || Listed(plan.unchanged, number);
        if (essay) {
            quiz.essays.push_back(number);
        } else if (once && variants > 1) {
            quiz.single.push_back(number);
        }
        quiz.bytes += "<question type=\"category\">\n" +
                      TextElement("category", Windows1252ToUtf8("$course$/top/Zorvi/" +
                                                                CategoryName(NameTitle(title, kNameMax)) +
                                                                "/Ejercicio " + numberText)) +
                      "</question>\n";
        const std::string name = NameTitle(title, kNameMax - std::strlen(" ·  · versión AX") - numberText.size()) +
                                 " · " + numberText;
        if (essay) {
            quiz.bytes += EssayQuestion(Windows1252ToUtf8(name), plan.versions[0][i]);
            ++quiz.questions;
            continue;
        }
        for (std::size_t v = 0; v < (once ? 1 : variants); ++v) {
            const std::string variantName =
                once ? name : name + " · versión " + VariantName(static_cast<int>(v + 1));
            quiz.bytes += ClozeQuestion(Windows1252ToUtf8(variantName), plan.versions[v][i], tolerancePercent);
            ++quiz.questions;
        }
    }
    quiz.bytes += "</quiz>\n";
    return quiz;
}
