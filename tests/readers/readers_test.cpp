// The exported documents as real readers see them: pandoc and LibreOffice convert both
// presentations to HTML, in which the tests find the title, every statement and answer in
// order, the scripts as such and every accented letter and symbol as its character.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "chemistry/topics.h"
#include "shell/batch.h"
#include "shell/export.h"
#include "shell/settings.h"
#include "shell/versions_plan.h"
#include "tests/chemistry/chemistry_support.h"
#include "tests/support/exercises.h"
#include "tests/support/files.h"
#include "tests/support/scripted_ui.h"
#include "util/random.h"

namespace {

namespace fs = std::filesystem;

// The readers write UTF-8; the program's literals are Windows-1252.
std::string Utf8(std::u8string_view text) { return std::string(text.begin(), text.end()); }

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// The text of an HTML page with only what the checks look at: line breaks and paragraphs
// become one "\n", bold is <b>, <sub> and <sup> stay, every other tag goes, and blanks
// are collapsed.
std::string Readable(const std::string& html) {
    std::string body = html;
    if (const std::size_t start = body.find("<body"); start != std::string::npos) body.erase(0, start);
    std::string out;
    for (std::size_t i = 0; i < body.size();) {
        if (body[i] != '<') {
            const char c = body[i++];
            out += c == '\n' || c == '\r' || c == '\t' ? ' ' : c;
            continue;
        }
        const std::size_t end = body.find('>', i);
        if (end == std::string::npos) break;
        std::string tag = body.substr(i + 1, end - i - 1);
        i = end + 1;
        const bool closing = !tag.empty() && tag[0] == '/';
        std::string name = tag.substr(closing ? 1 : 0, tag.find_first_of(" /", closing ? 1 : 0) - (closing ? 1 : 0));
        if (name == "br" || name == "p") {
            out += '\n';
        } else if (name == "b" || name == "strong") {
            out += closing ? "</b>" : "<b>";
        } else if (name == "sub" || name == "sup") {
            out += "<" + std::string(closing ? "/" : "") + name + ">";
        }
    }
    // LibreOffice keeps runs of blanks as fixed-width spaces.
    ReplaceAll(out, "&nbsp;", " ");
    for (std::u8string_view space : {u8"\u00A0", u8"\u2002", u8"\u2003", u8"\u2004", u8"\u2005", u8"\u2006",
                                     u8"\u2007", u8"\u2008", u8"\u2009", u8"\u200A", u8"\u202F"}) {
        ReplaceAll(out, Utf8(space), " ");
    }
    ReplaceAll(out, "&lt;", "<");
    ReplaceAll(out, "&gt;", ">");
    ReplaceAll(out, "&quot;", "\"");
    ReplaceAll(out, "&amp;", "&");
    // Collapse blanks, drop them around line ends, and make runs of line ends one.
    std::string tidy;
    for (char c : out) {
        if (c == ' ' && (tidy.empty() || tidy.back() == ' ' || tidy.back() == '\n')) continue;
        if (c == '\n') {
            while (!tidy.empty() && tidy.back() == ' ') tidy.pop_back();
            if (!tidy.empty() && tidy.back() == '\n') continue;
        }
        tidy += c;
    }
    return tidy;
}

// Fails unless every fragment occurs, each after the one before.
::testing::AssertionResult InOrder(const std::string& text, const std::vector<std::string>& fragments) {
    std::size_t at = 0;
    for (const std::string& fragment : fragments) {
        const std::size_t found = text.find(fragment, at);
        if (found == std::string::npos) {
            return ::testing::AssertionFailure() << "not found (in order): \"" << fragment << "\"\nin:\n" << text;
        }
        at = found + fragment.size();
    }
    return ::testing::AssertionSuccess();
}

// A title with the signs that RTF gives a meaning of its own.
const std::string kSignsTitle = "Tema {1} \\ ácidos";

const std::string kTitle = "<b>" + Utf8(u8"Título de la serie: ñ, ü, ¿? y ¡!") + "</b>";
const std::string kStatement1 =
    "<b>1) </b>" + Utf8(u8"Calcula la masa molar del ácido sulfúrico, H<sub>2</sub>SO<sub>4</sub>, "
                        u8"y de la sacarosa, C<sub>12</sub>H<sub>22</sub>O<sub>11</sub>.");
const std::string kComment1 = Utf8(u8"Comentario: a 25 ºC; 1·10<sup>5</sup> Pa");
const std::string kAnswer1 = Utf8(u8"<b>Respuesta:</b> M = 98.08 g·mol<sup>-1</sup>");
const std::string kStatement2 =
    "<b>2) </b>" + Utf8(u8"Fracción 1\n—\n100\ny raíz\n___\n√ x+1 fin de la línea │ y ∞ aquí");
const std::string kAnswer2 = Utf8(u8"Filas: │ a b│\n│ c d│ cierre ÁÉÍÓÚ");
const std::string kComment2 = Utf8(u8"Comentario: [H<sub>3</sub>O<sup>+</sup>] = 10<sup>-3</sup> M");

class RealReaders : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Kept after a failure, with the readers' pages, for a person to look into.
        folder = std::make_unique<ScratchFolder>("zorvi-readers");
        folder->KeepWhenFailing();
        dir = folder->Path();
        fs::create_directories(dir / "out");
        Export();
        ExportClassroomNumbers();
        folder->Leave();
        for (const char* name : {"p0", "p1", "signs", "aula"}) {
            const std::string rtf = (dir / "Exerc" / (std::string(name) + ".rtf")).string();
            const fs::path html = dir / "out" / (std::string(name) + ".pandoc.html");
            Run("pandoc -f rtf -t html -o '" + html.string() + "' '" + rtf + "'");
            if (name == std::string("aula")) {
                classroomPandoc = ReadAll(html);
            } else {
                pandoc.push_back(ReadAll(html));
            }
        }
        // LibreOffice with a profile of its own, so that no other instance gets in the way.
        Run("soffice -env:UserInstallation=file://" + (dir / "profile").string() +
            " --headless --convert-to html --outdir '" + (dir / "out").string() + "' '" +
            (dir / "Exerc" / "p0.rtf").string() + "' '" + (dir / "Exerc" / "p1.rtf").string() + "' '" +
            (dir / "Exerc" / "signs.rtf").string() + "' '" + (dir / "Exerc" / "aula.rtf").string() + "'");
        for (const char* name : {"p0", "p1", "signs"}) {
            libreOffice.push_back(ReadAll(dir / "out" / (std::string(name) + ".html")));
        }
        classroomLibreOffice = ReadAll(dir / "out" / "aula.html");
    }
    static void TearDownTestSuite() { folder.reset(); }

    // A batch with every markup code, exported in both presentations.
    static void Export() {
        BatchStart();
        AddExercise("Calcula la masa molar del ácido sulfúrico, H_2SO_4, y de la sacarosa, C_1_2H_2_2O_1_1.",
                    "#B(Respuesta:) M = 98.08 g·mol^(-1)", "a 25 ºC; 1·10^5 Pa", HintPlacement::InStatement);
        AddExercise("#1 Fracción #F(1/100) y raíz #R(x+1) fin de la línea | y #& aquí",
                    "Filas: #M(a b\rc d) cierre ÁÉÍÓÚ", "[H_3O^+] = 10^(-3) M", HintPlacement::InAnswer);
        // A statement whose document line is cut inside a subscript, and one after it.
        std::string formulas;
        for (int i = 0; i < 50; ++i) formulas += "H_2O ";
        AddExercise(formulas, "r3");
        AddExercise("Siguiente ejercicio", "r4");
        ScriptedUi ui;
        const std::string title = "Título de la serie: ñ, ü, ¿? y ¡!";
        ui.saves.push_back(ScriptedUi::SaveAnswer{"p0", title, 0});
        ui.saves.push_back(ScriptedUi::SaveAnswer{"p1", title, 1});
        ui.saves.push_back(ScriptedUi::SaveAnswer{"signs", kSignsTitle, 1});
        EXPECT_TRUE(ExportBatch());
        EXPECT_TRUE(ExportBatch());
        EXPECT_TRUE(ExportBatch());
        EXPECT_TRUE(ui.boxes.empty());
        BatchEnd();
    }

    // Exercises made by the generators with both classroom options on: 5 mol of molecules,
    // 7 g of NaCl in a litre (0.119781 M) and 10 g of HCl in a litre (pH 0.5618).
    static void ExportClassroomNumbers() {
        SetExampleTable();
        NumberOptions = {true, true};
        AskConfirmation = false;
        BatchStart();
        {
            ScriptedUi ui;
            ui.subKinds = {2, 0};
            ScriptRandom({4});
            MolesTopic();
            ui.subKinds = {4, 0};
            ui.texts.push_back(std::string("NaCl"));
            ScriptRandom({2, 3});
            ConcentrationTopic();
            ui.subKinds = {1, 0};
            ui.texts.push_back(std::string("HCl"));
            ScriptRandom({5, 3});
            PhTopic();
            ui.saves.push_back(ScriptedUi::SaveAnswer{"aula", "En clase", 0});
            EXPECT_EQ(Batch.count, 3);
            EXPECT_TRUE(ExportBatch());
            EXPECT_TRUE(ui.boxes.empty());
        }
        BatchEnd();
    }

    static void Run(const std::string& command) {
        const std::string log = (dir / "out" / "reader.log").string();
        const int status = std::system((command + " >>'" + log + "' 2>&1").c_str());
        ASSERT_EQ(status, 0) << command << "\n" << ReadAll(log);
    }

    static inline std::unique_ptr<ScratchFolder> folder;
    static inline fs::path dir;
    static inline std::vector<std::string> pandoc;       // HTML of p0, p1 and signs
    static inline std::vector<std::string> libreOffice;  // HTML of p0, p1 and signs
    static inline std::string classroomPandoc;          // HTML of aula
    static inline std::string classroomLibreOffice;
};

const std::string kStatement3 = "<b>3) </b>H<sub>2</sub>O H<sub>2</sub>O H<sub>2</sub>O";
const std::string kStatement4 = "<b>4) </b>Siguiente ejercicio";

const std::vector<std::string> kEachAnswerAfterItsStatement = {
    kTitle, kStatement1, kComment1, "Resp: " + kAnswer1, kStatement2, "Resp: " + kAnswer2, kComment2,
    kStatement3, "Resp: r3", kStatement4, "Resp: r4",
};
const std::vector<std::string> kAnswersInABlock = {
    kTitle, kStatement1, kComment1, kStatement2, kStatement3, kStatement4, "<b>Respuestas</b>",
    "<b>1)Respuesta:</b>" + kAnswer1.substr(kAnswer1.find("</b>") + 4), "<b>2)</b>" + kAnswer2, kComment2,
    "<b>3)</b>r3", "<b>4)</b>r4",
};

// Fails when the text stands inside a subscript or superscript that a cut left open.
::testing::AssertionResult OutsideScripts(const std::string& text, const std::string& fragment) {
    const std::size_t at = text.find(fragment);
    if (at == std::string::npos) return ::testing::AssertionFailure() << "not found: " << fragment;
    const std::string before = text.substr(0, at);
    for (const char* tag : {"sub>", "sup>"}) {
        std::size_t open = 0;
        std::size_t closed = 0;
        for (std::size_t p = before.find(tag); p != std::string::npos; p = before.find(tag, p + 1)) {
            ++(before[p - 1] == '/' ? closed : open);
        }
        if (open != closed) return ::testing::AssertionFailure() << fragment << " inside <" << tag << "\n" << text;
    }
    return ::testing::AssertionSuccess();
}

TEST_F(RealReaders, PandocReadsEachAnswerAfterItsStatement) {
    ASSERT_EQ(pandoc.size(), 3u);
    const std::string text = Readable(pandoc[0]);
    EXPECT_TRUE(InOrder(text, kEachAnswerAfterItsStatement));
    EXPECT_EQ(text.find("Respuestas"), std::string::npos);
    EXPECT_TRUE(OutsideScripts(text, "Siguiente ejercicio"));
}

TEST_F(RealReaders, PandocReadsTheAnswersInABlock) {
    ASSERT_EQ(pandoc.size(), 3u);
    const std::string text = Readable(pandoc[1]);
    EXPECT_TRUE(InOrder(text, kAnswersInABlock));
    EXPECT_EQ(text.find("Resp:"), std::string::npos);
    EXPECT_TRUE(OutsideScripts(text, "Siguiente ejercicio"));
    EXPECT_TRUE(OutsideScripts(text, "<b>4)</b>r4"));
}

TEST_F(RealReaders, LibreOfficeReadsEachAnswerAfterItsStatement) {
    ASSERT_EQ(libreOffice.size(), 3u);
    const std::string text = Readable(libreOffice[0]);
    EXPECT_TRUE(InOrder(text, kEachAnswerAfterItsStatement));
    EXPECT_EQ(text.find("Respuestas"), std::string::npos);
    EXPECT_TRUE(OutsideScripts(text, "Siguiente ejercicio"));
}

TEST_F(RealReaders, LibreOfficeReadsTheAnswersInABlock) {
    ASSERT_EQ(libreOffice.size(), 3u);
    const std::string text = Readable(libreOffice[1]);
    EXPECT_TRUE(InOrder(text, kAnswersInABlock));
    EXPECT_EQ(text.find("Resp:"), std::string::npos);
    EXPECT_TRUE(OutsideScripts(text, "Siguiente ejercicio"));
    EXPECT_TRUE(OutsideScripts(text, "<b>4)</b>r4"));
}

// The paragraph (its opening tag) in which a text stands.
std::string ParagraphOf(const std::string& html, const std::string& text) {
    const std::size_t at = html.find(text);
    if (at == std::string::npos) return "(not found: " + text + ")";
    const std::size_t open = html.rfind("<p", at);
    return html.substr(open, html.find('>', open) - open + 1);
}

TEST_F(RealReaders, LibreOfficeCentresTheTitleAlone) {
    ASSERT_EQ(libreOffice.size(), 3u);
    for (const std::string& html : {libreOffice[0], libreOffice[1]}) {
        EXPECT_NE(ParagraphOf(html, Utf8(u8"Título de la serie")).find("center"), std::string::npos);
        EXPECT_EQ(ParagraphOf(html, "Calcula la masa").find("center"), std::string::npos);
    }
}

// The title comes back as typed, alone on the first line, and nothing after it is
// swallowed into it or lost.
TEST_F(RealReaders, BothReadTheTitleWithBracesAndBackslashAsTyped) {
    ASSERT_EQ(pandoc.size(), 3u);
    ASSERT_EQ(libreOffice.size(), 3u);
    const std::string title = "<b>" + Utf8(u8"Tema {1} \\ ácidos") + "</b>\n";
    for (const std::string* html : {&pandoc[2], &libreOffice[2]}) {
        const std::string text = Readable(*html);
        const std::size_t at = text.find(title);
        ASSERT_NE(at, std::string::npos) << text;
        EXPECT_EQ(text.find_first_not_of('\n'), at) << text;
        EXPECT_TRUE(InOrder(text, {title, kStatement1, kStatement4, "<b>Respuestas</b>", "<b>4)</b>r4"}));
    }
    EXPECT_NE(ParagraphOf(libreOffice[2], "Tema {1}").find("center"), std::string::npos);
    EXPECT_EQ(ParagraphOf(libreOffice[2], "Calcula la masa").find("center"), std::string::npos);
}

// A chemistry textbook's numbers: a decimal comma, three significant figures, a raised
// power of ten, a blank before the unit.
const std::vector<std::string> kClassroomNumbers = {
    Utf8(u8"<b>1) </b>Calcular el nº de moléculas que hay en 5 mol."),
    Utf8(u8"Resp: 3,01·10<sup>24</sup> moléculas."),
    Utf8(u8"<b>2) </b>Calcular los gramos necesarios de NaCl para preparar 1 l de una disolución 0,120 M de NaCl"),
    "datos: Na = 22,99; Cl = 35,45",
    "Resp: 7,01 g",
    Utf8(u8"<b>3) </b>Calcular el pH de una disolución obtenida con 10 g de HCl en un volumen de disolución de "
         u8"1000 ml"),
    "datos: H = 1,01; Cl = 35,45",
    "Resp: pH = 0,56",
};

TEST_F(RealReaders, LibreOfficeReadsNumbersAsAChemistryTextbookPrintsThem) {
    const std::string text = Readable(classroomLibreOffice);
    EXPECT_TRUE(InOrder(text, kClassroomNumbers));
    EXPECT_EQ(text.find("e24"), std::string::npos);
}

TEST_F(RealReaders, PandocReadsNumbersAsAChemistryTextbookPrintsThem) {
    EXPECT_TRUE(InOrder(Readable(classroomPandoc), kClassroomNumbers));
}

// ---- Pages: the answers on a page of their own, and the key of the versions

// The text of one page of a PDF, as pdftotext reads it.
std::string PdfPage(const fs::path& pdf, int page) {
    const fs::path text = pdf.parent_path() / (pdf.stem().string() + "-" + std::to_string(page) + ".txt");
    const std::string command = "pdftotext -layout -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" +
                                pdf.string() + "' '" + text.string() + "' 2>&1";
    if (std::system(command.c_str()) != 0) return "(pdftotext failed on page " + std::to_string(page) + ")";
    return ReadAll(text);
}

int PdfPages(const fs::path& pdf) {
    const fs::path info = pdf.parent_path() / (pdf.stem().string() + ".info");
    if (std::system(("pdfinfo '" + pdf.string() + "' >'" + info.string() + "' 2>&1").c_str()) != 0) return -1;
    const std::string text = ReadAll(info);
    const std::size_t at = text.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(text.c_str() + at + 6);
}

// The first line of a page that holds anything.
std::string FirstLine(const std::string& page) {
    std::size_t start = page.find_first_not_of(" \n\f\r");
    if (start == std::string::npos) return "";
    const std::size_t end = page.find('\n', start);
    std::string line = page.substr(start, end == std::string::npos ? std::string::npos : end - start);
    while (!line.empty() && line.back() == ' ') line.pop_back();
    return line;
}

class RealReaderPages : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = std::make_unique<ScratchFolder>("zorvi-pages");
        folder->KeepWhenFailing();
        dir = folder->Path();
        fs::create_directories(dir / "out");
        BatchStart();
        for (int i = 1; i <= 3; ++i)
            AddExercise("Enunciado " + std::to_string(i) + " con H_2O", "Solución " + std::to_string(i));
        {
            ScriptedUi ui;
            ui.saves.push_back(ScriptedUi::SaveAnswer{"aparte", "Hoja de moles", 1, true});
            EXPECT_TRUE(ExportBatch());
        }
        // The versions' key: three versions whose answers differ by their letter.
        VersionsPlan plan;
        for (char letter : {'A', 'B', 'C'}) {
            std::vector<ExerciseRecord> version = BatchExercises();
            for (ExerciseRecord& r : version) r.answer += std::string(" de ") + letter;
            plan.versions.push_back(version);
        }
        Presentation = 1;
        AnswersOnNewPage = false;
        for (const NamedDocument& document : VersionDocuments(plan, "hoja", "Hoja de moles")) {
            WriteAll(dir / "Exerc" / document.fileName, document.bytes);
        }
        BatchEnd();
        folder->Leave();
        const std::string exerc = (dir / "Exerc").string();
        Run("soffice -env:UserInstallation=file://" + (dir / "profile").string() + " --headless --convert-to pdf --outdir '" +
            (dir / "out").string() + "' '" + exerc + "/aparte.rtf' '" + exerc + "/hoja-soluciones.rtf' '" + exerc +
            "/hoja-B.rtf'");
        Run("pandoc -f rtf -t html -o '" + (dir / "out" / "hoja-B.pandoc.html").string() + "' '" + exerc + "/hoja-B.rtf'");
    }
    static void TearDownTestSuite() { folder.reset(); }
    static void Run(const std::string& command) {
        const std::string log = (dir / "out" / "reader.log").string();
        const int status = std::system((command + " >>'" + log + "' 2>&1").c_str());
        ASSERT_EQ(status, 0) << command << "\n" << ReadAll(log);
    }

    static inline std::unique_ptr<ScratchFolder> folder;
    static inline fs::path dir;
};

TEST_F(RealReaderPages, LibreOfficeStartsTheAnswersOnANewPage) {
    const fs::path pdf = dir / "out" / "aparte.pdf";
    ASSERT_EQ(PdfPages(pdf), 2);
    const std::string first = PdfPage(pdf, 1);
    const std::string second = PdfPage(pdf, 2);
    EXPECT_EQ(FirstLine(first), "Hoja de moles");
    for (const char* statement : {"Enunciado 1", "Enunciado 2", "Enunciado 3"}) {
        EXPECT_NE(first.find(statement), std::string::npos) << statement;
    }
    EXPECT_EQ(first.find("Respuestas"), std::string::npos) << first;
    EXPECT_EQ(first.find(Utf8(u8"Solución")), std::string::npos) << first;
    EXPECT_EQ(FirstLine(second), "Respuestas") << second;
    EXPECT_TRUE(InOrder(second, {Utf8(u8"1)Solución 1"), Utf8(u8"2)Solución 2"), Utf8(u8"3)Solución 3")})) << second;
}

TEST_F(RealReaderPages, LibreOfficeGivesEveryVersionOfTheKeyAPageUnderItsTitle) {
    const fs::path pdf = dir / "out" / "hoja-soluciones.pdf";
    ASSERT_EQ(PdfPages(pdf), 3);
    for (int page = 1; page <= 3; ++page) {
        const std::string letter(1, static_cast<char>('A' + page - 1));
        const std::string text = PdfPage(pdf, page);
        EXPECT_EQ(FirstLine(text), Utf8(u8"Hoja de moles — versión ") + letter) << text;
        EXPECT_TRUE(InOrder(text, {Utf8(u8"1)Solución 1 de ") + letter, Utf8(u8"3)Solución 3 de ") + letter})) << text;
        EXPECT_EQ(text.find("Enunciado"), std::string::npos) << text;
    }
}

TEST_F(RealReaderPages, BothReadersReadTheDashOfAVersionsTitle) {
    const std::string title = "<b>" + Utf8(u8"Hoja de moles — versión B") + "</b>";
    const std::string sheet = Readable(ReadAll(dir / "out" / "hoja-B.pandoc.html"));
    EXPECT_TRUE(InOrder(sheet, {title, "Enunciado 1", "Enunciado 3"}));
    // A student's sheet: the answers are in the key alone.
    EXPECT_EQ(sheet.find(Utf8(u8"Solución")), std::string::npos) << sheet;
    EXPECT_EQ(FirstLine(PdfPage(dir / "out" / "hoja-B.pdf", 1)), Utf8(u8"Hoja de moles — versión B"));
}

}  // namespace
