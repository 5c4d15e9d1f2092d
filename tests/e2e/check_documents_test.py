#!/usr/bin/env python3
"""The reader check must fail on a document that lacks, changes or reorders an exercise,
and must not fail on what the readers legitimately vary (blanks, split subscripts, tags)."""

import pathlib
import re
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import check_documents as cd  # noqa: E402


def report(statements, answers, title="Serie"):
    return {"title": title, "documents": {0: "a.rtf", 1: "b.rtf"}, "statements": statements, "answers": answers}


class MarkupAsReadersShowIt(unittest.TestCase):
    def test_codes_of_the_generated_exercises(self):
        cases = [
            ("H_2SO_4", "H<sub>2</sub>SO<sub>4</sub>"),
            ("C_6H_1_2O_6", "C<sub>6</sub>H<sub>12</sub>O<sub>6</sub>"),
            ("Ca(OH)_2 y 10^(-3)", "Ca(OH)<sub>2</sub> y 10<sup>-3</sup>"),
            ("g·mol^(-1) ok", "g·mol<sup>-1</sup> ok"),
            ("Determinar:\r\na) nº  protones", "Determinar:\na) nº protones"),
            ("  pH =    13.4", "pH = 13.4"),
        ]
        for markup, shown in cases:
            with self.subTest(markup=markup):
                self.assertEqual(cd.tidy(cd.readable_markup(markup)), shown)

    def test_codes_the_check_cannot_model_are_refused(self):
        for markup in ("#B(negrita)", "a | b", "\\line x"):
            with self.subTest(markup=markup):
                with self.assertRaises(cd.Failure):
                    cd.readable_markup(markup)


class HtmlAsText(unittest.TestCase):
    def test_pandoc_and_libreoffice_shapes_read_alike(self):
        pandoc = "<p><strong>1) </strong>Pasar   36 g de H<sub>2</sub>SO<sub>4</sub> a moles.</p>\n<p>datos: H =&nbsp; 1.01</p>"
        libreoffice = ('<html><head><title>x</title></head><body lang="es-ES"><!-- c --><p align="left">'
                       '<font face="Times"><b>1)</b><b> </b>Pasar\u2002\u2002 36 g de H<sub>2</sub>S'
                       'O<sub><span>4</span></sub> a moles.<br/>datos: H = \u00a01.01</font></p></body></html>')
        expected = "<b>1)</b>Pasar 36 g de H<sub>2</sub>SO<sub>4</sub> a moles.\ndatos: H = 1.01"
        self.assertEqual(cd.readable_html(pandoc), expected)
        self.assertEqual(cd.readable_html(libreoffice), expected)

    def test_entities_and_split_subscripts(self):
        self.assertEqual(cd.readable_html("<p>a &lt; b &amp; C<sub>1</sub><sub>2</sub></p>"), "a < b & C<sub>12</sub>")
        self.assertEqual(cd.readable_html("<p><b>Resp</b><b>uestas</b><b></b></p>"), "<b>Respuestas</b>")


class DocumentCheck(unittest.TestCase):
    REPORT = report(["Uno H_2O\r\ndatos: x", "Dos"], ["  r1", "r2"])
    SEGUIDOS = "<b>Serie</b>\n<b>1)</b>Uno H<sub>2</sub>O\ndatos: x\nResp: r1\n<b>2)</b>Dos\nResp: r2"
    BLOQUES = "<b>Serie</b>\n<b>1)</b>Uno H<sub>2</sub>O\ndatos: x\n<b>2)</b>Dos\n<b>Respuestas</b>\n<b>1)</b>r1\n<b>2)</b>r2"

    def test_documents_in_the_right_shape_pass(self):
        cd.check_document("r", "a.rtf", self.SEGUIDOS, self.REPORT, 0)
        cd.check_document("r", "b.rtf", self.BLOQUES, self.REPORT, 1)

    def test_faulty_documents_fail(self):
        cases = [
            ("answer missing", self.SEGUIDOS.replace("Resp: r2", ""), 0),
            ("exercises swapped", "<b>Serie</b>\n<b>2)</b>Dos\nResp: r2\n<b>1)</b>Uno H<sub>2</sub>O\ndatos: x\nResp: r1", 0),
            ("subscript lost", self.SEGUIDOS.replace("<sub>2</sub>", "2"), 0),
            ("number not bold", self.SEGUIDOS.replace("<b>1)</b>", "1)"), 0),
            ("title missing", self.SEGUIDOS.replace("<b>Serie</b>\n", ""), 0),
            ("line break lost", self.SEGUIDOS.replace("O\ndatos", "O datos"), 0),
            ("answers block in the other presentation", self.SEGUIDOS + "\n<b>Respuestas</b>", 0),
            ("answer after its statement in blocks", self.BLOQUES + "\nResp: r2", 1),
            ("answers in the wrong order", self.BLOQUES.replace("<b>1)</b>r1\n<b>2)</b>r2", "<b>2)</b>r2\n<b>1)</b>r1"), 1),
        ]
        for name, text, presentation in cases:
            with self.subTest(name):
                with self.assertRaises(cd.Failure):
                    cd.check_document("r", "x.rtf", text, self.REPORT, presentation)


class DataLines(unittest.TestCase):
    """The data line ends a long statement: it is where a cut line lost its end."""
    REPORT = report(["Reacci\u00f3n: CaCO_3 + 2 HCl\r\n"
                     "datos: Ca = 40.08  C = 12.01  O = 16.00  H =  1.01  Cl = 35.45  ", "Sin datos"], ["r1", "r2"])
    WHOLE = ("<b>Serie</b>\n<b>1)</b>Reacci\u00f3n: CaCO<sub>3</sub> + 2 HCl\n"
             "datos: Ca = 40.08 C = 12.01 O = 16.00 H = 1.01 Cl = 35.45\n<b>2)</b>Sin datos")

    def test_a_whole_data_line_passes(self):
        cd.check_data_lines("r", "b.rtf", self.WHOLE, self.REPORT)

    def test_a_data_line_that_lost_its_end_fails_and_says_how_it_reads(self):
        for cut in ("H = 1.0", "H = 1.01", "H = 1.01 Cl = 35.4"):
            with self.subTest(cut=cut):
                text = re.sub(r"H = 1\.01 Cl = 35\.45", cut, self.WHOLE)
                with self.assertRaisesRegex(cd.Failure, "exercise 1 is not whole: .*read as 'datos: Ca = 40.08 C = "
                                            "12.01 O = 16.00 " + re.escape(cut) + "'"):
                    cd.check_data_lines("r", "b.rtf", text, self.REPORT)


class Versions(unittest.TestCase):
    REPORT = report(["Pasar   36 g de H_2SO_4 a moles.", "Volumen de 250 ml"], ["  0.36 mol.", "  1.80e24"], "Hoja")
    A = "<b>Hoja \u2014 versi\u00f3n A</b>\n<b>1)</b>Pasar 36 g de H<sub>2</sub>SO<sub>4</sub> a moles.\n" \
        "<b>2)</b>Volumen de 250 ml\n<b>Respuestas</b>\n<b>1)</b>0.36 mol.\n<b>2)</b>1.80e24"
    B = "<b>Hoja \u2014 versi\u00f3n B</b>\n<b>1)</b>Pasar 117 g de H<sub>2</sub>SO<sub>4</sub> a moles.\n" \
        "<b>2)</b>Volumen de 1 l\n<b>Respuestas</b>\n<b>1)</b>1.19 mol.\n<b>2)</b>6.02e23"
    KEY = ("<b>Hoja \u2014 versi\u00f3n A</b>\n<b>1)</b>0.36 mol.\n<b>2)</b>1.80e24\n"
           "<b>Hoja \u2014 versi\u00f3n B</b>\n<b>1)</b>1.19 mol.\n<b>2)</b>6.02e23")

    def test_numbers_may_change_and_nothing_else(self):
        cases = [
            ("36 g de", "117 g de", True),
            ("of 0.36 mol.", "of 12 mol.", True),
            ("1.80e24 x", "6.02e23 x", True),
            ("de 250 ml\ndatos", "de 1 l\ndatos", True),
            ("de 1 l.", "de 750 ml.", True),
            ("2.17 mol/l", "0.5 mol/l", True),
            ("pH = -0.08166", "pH = 0.29", True),
            ("pH = 13.4", "pH = -0.5", True),
            ("36 g de", "36 mg de", False),
            ("H<sub>2</sub>O", "H2O", False),
            ("2.17 mol/l", "0.5 ml/l", False),
            ("Pasar 36 g", "Pasar g", False),
        ]
        for first, other, same in cases:
            with self.subTest(first=first, other=other):
                self.assertEqual(re.fullmatch(cd.with_any_numbers(first), other) is not None, same)

    def test_versions_and_key_in_the_right_shape_pass(self):
        cd.check_document("r", "A", self.A, self.REPORT, 1, cd.version_title(self.REPORT, "A"))
        cd.check_document("r", "B", self.B, self.REPORT, 1, cd.version_title(self.REPORT, "B"), any_numbers=True)
        cd.check_key("r", "key", self.KEY, self.REPORT, ["A", "B"])

    def test_faulty_versions_and_keys_fail(self):
        title_b = cd.version_title(self.REPORT, "B")
        cases = [
            ("version A with other numbers", lambda: cd.check_document("r", "A", self.B.replace("B</b>", "A</b>"),
                                                                       self.REPORT, 1,
                                                                       cd.version_title(self.REPORT, "A"))),
            ("another formula", lambda: cd.check_document("r", "B", self.B.replace("SO", "PO"), self.REPORT, 1,
                                                          title_b, any_numbers=True)),
            ("the letter missing", lambda: cd.check_document("r", "B", self.B.replace(" B</b>", "</b>"), self.REPORT,
                                                             1, title_b, any_numbers=True)),
            ("a version missing from the key", lambda: cd.check_key("r", "key", self.KEY, self.REPORT, ["A", "B", "C"])),
            ("versions swapped in the key", lambda: cd.check_key("r", "key", self.KEY.replace("A</b>", "X</b>")
                                                                 .replace("B</b>", "A</b>").replace("X</b>", "B</b>"),
                                                                 self.REPORT, ["A", "B"])),
            ("an answer of A missing", lambda: cd.check_key("r", "key", self.KEY.replace("<b>2)</b>1.80e24", ""),
                                                            self.REPORT, ["A", "B"])),
            ("statements in the key", lambda: cd.check_key("r", "key", self.KEY + "\n<b>Respuestas</b>", self.REPORT,
                                                           ["A", "B"])),
        ]
        for name, check in cases:
            with self.subTest(name):
                with self.assertRaises(cd.Failure):
                    check()


class StudentsSheets(unittest.TestCase):
    REPORT = report(["Pasar   36 g de H_2SO_4 a moles.", "Dos"], ["  n = 36 / 98.08 = 0.367 mol.", "r2"], "Hoja")
    SHEET = "<b>Hoja \u2014 versi\u00f3n A</b>\n<b>1)</b>Pasar 36 g de H<sub>2</sub>SO<sub>4</sub> a moles.\n<b>2)</b>Dos"

    def test_the_statements_alone_pass(self):
        cd.check_document("r", "A", self.SHEET, self.REPORT, cd.SHEET, cd.version_title(self.REPORT, "A"))
        cd.check_no_answers("r", "A", self.SHEET, self.REPORT)

    def test_a_sheet_with_answers_fails(self):
        title = cd.version_title(self.REPORT, "A")
        with self.assertRaisesRegex(cd.Failure, "'Respuestas' does not belong here"):
            cd.check_document("r", "A", self.SHEET + "\n<b>Respuestas</b>", self.REPORT, cd.SHEET, title)
        with self.assertRaisesRegex(cd.Failure, "Resp: "):
            cd.check_document("r", "A", self.SHEET + "\nResp: r2", self.REPORT, cd.SHEET, title)
        with self.assertRaisesRegex(cd.Failure, "answer of exercise 1 is on a student's sheet"):
            cd.check_no_answers("r", "A", self.SHEET + "\nn = 36 / 98.08 = 0.367 mol.", self.REPORT)


class VersionsThatDrawWords(unittest.TestCase):
    """An exercise whose answer draws words with its numbers (which reactant limits) has its
    later answers left unchecked; its statement, like every other, differs only in numbers."""
    REPORT = dict(report(["Calcular la presi\u00f3n, en atm, de 8.8 g de CO_2", "Dos"], ["  limitante CO_2", "r2"],
                         "Hoja"), shared=["Calcular la presi\u00f3n, en ", None])
    B = ("<b>Hoja \u2014 versi\u00f3n B</b>\n<b>1)</b>Calcular la presi\u00f3n, en atm, de 12 g de CO<sub>2</sub>\n"
         "<b>2)</b>Dos\n<b>Respuestas</b>\n<b>1)</b>limitante O<sub>2</sub>\n<b>2)</b>r2")

    def test_a_later_version_may_draw_other_words_in_that_answer(self):
        cd.check_document("r", "B", self.B, self.REPORT, 1, cd.version_title(self.REPORT, "B"), any_numbers=True)

    def test_statements_version_a_and_the_other_exercises_stay_exact(self):
        title_b = cd.version_title(self.REPORT, "B")
        cases = [
            ("another unit in the statement", self.B.replace("en atm", "en mmHg")),
            ("another exercise changed", self.B.replace("<b>2)</b>Dos", "<b>2)</b>Tres")),
            ("an answer missing", self.B.replace("<b>1)</b>limitante", "limitante")),
        ]
        for name, text in cases:
            with self.subTest(name):
                with self.assertRaises(cd.Failure):
                    cd.check_document("r", "B", text, self.REPORT, 1, title_b, any_numbers=True)
        a = self.B.replace(" B</b>", " A</b>")
        with self.assertRaises(cd.Failure):
            cd.check_document("r", "A", a, self.REPORT, 1, cd.version_title(self.REPORT, "A"))

    def test_the_report_names_the_shared_start_of_its_exercise(self):
        with tempfile.TemporaryDirectory() as folder:
            path = pathlib.Path(folder) / "report.txt"
            path.write_bytes("title T\ndocument0 a.rtf\ndocument1 b.rtf\nstatement a\nanswer r\nstatement b x\n"
                             "answer s\nshared b\\r\\n\n".encode("cp1252"))
            self.assertEqual(cd.read_report(path)["shared"], [None, "b\r\n"])
            path.write_bytes("title T\nshared b\n".encode("cp1252"))
            with self.assertRaises(cd.Failure):
                cd.read_report(path)


class QuizVariant(unittest.TestCase):
    """Variant 2 of the quiz must be version B of the sheet, exercise by exercise."""
    SHEET_B = ("<b>Hoja \u2014 versi\u00f3n B</b>\n<b>1)</b>Pasar 12 g de H<sub>2</sub>SO<sub>4</sub> a moles.\n"
               "<b>2)</b>Pasar 5 g de O<sub>2</sub> a moles.")
    QUESTION = ("<question type=\"cloze\"><name><text>Hoja \u00b7 %d \u00b7 versi\u00f3n %s</text></name>"
                "<questiontext format=\"html\"><text><![CDATA[<p>%s</p><p>n = {1:NUMERICAL:=0.122:0.003} mol</p>]]>"
                "</text></questiontext></question>")
    STATEMENT = "Pasar 12 g de H<sub>2</sub>SO<sub>4</sub> a moles."

    def quiz(self, *questions):
        return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?><quiz>%s</quiz>" % "".join(questions)).encode("utf-8")

    def check(self, quiz):
        cd.check_variant_numbers("r", "B", self.SHEET_B, cd.variant_questions(quiz, "Hoja", "B"))

    def test_the_numbers_of_version_b_pass(self):
        self.check(self.quiz(self.QUESTION % (1, "A", "Pasar 36 g de H<sub>2</sub>SO<sub>4</sub>"),
                             self.QUESTION % (1, "B", self.STATEMENT)))

    def test_a_variant_that_is_not_version_b_fails(self):
        cases = [
            ("version A's numbers", self.quiz(self.QUESTION % (1, "B", "Pasar 36 g de H<sub>2</sub>SO<sub>4</sub>"))),
            ("another exercise's place", self.quiz(self.QUESTION % (2, "B", self.STATEMENT))),
            ("no question of variant 2", self.quiz(self.QUESTION % (1, "C", self.STATEMENT))),
        ]
        for name, quiz in cases:
            with self.subTest(name):
                with self.assertRaises(cd.Failure):
                    self.check(quiz)


class QuizAsImported(unittest.TestCase):
    """The quiz holds the variants the window was given, in questions Moodle's import takes."""
    CATEGORY = ("<question type=\"category\"><category><text>$course$/top/Zorvi/Hoja/Ejercicio 1</text></category>"
                "</question>")
    CLOZE = ("<question type=\"cloze\"><name><text>Hoja \u00b7 1 \u00b7 versi\u00f3n %s</text></name>"
             "<questiontext format=\"html\"><text>n = {1:NUMERICAL:=2:0.1} mol</text></questiontext>"
             "<generalfeedback format=\"html\"><text>2 mol</text></generalfeedback><penalty>0.3333333</penalty>"
             "<hidden>0</hidden></question>")

    def quiz(self, letters, cloze=CLOZE):
        return ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>%s%s</quiz>"
                % (self.CATEGORY, "".join(cloze % letter for letter in letters))).encode("utf-8")

    def test_three_variants_pass(self):
        cd.check_quiz_variants("q.xml", self.quiz("ABC"), "Hoja", 3)

    def test_other_variants_or_a_box_moodle_cannot_read_fail(self):
        cases = [
            ("one variant short", self.quiz("AB")),
            ("one variant more", self.quiz("ABCD")),
            ("an answer box without a right answer", self.quiz("ABC", self.CLOZE.replace(":=2:", ":2:"))),
        ]
        for name, quiz in cases:
            with self.subTest(name):
                with self.assertRaises(cd.Failure):
                    cd.check_quiz_variants("q.xml", quiz, "Hoja", 3)


class Report(unittest.TestCase):
    def test_escapes_come_back(self):
        with tempfile.TemporaryDirectory() as folder:
            path = pathlib.Path(folder) / "report.txt"
            path.write_bytes("title Química\ndocument0 a.rtf\ndocument1 b.rtf\nstatement a\\r\\nb \\\\ c\nanswer r\n"
                             "versions 3 prueba bloques\n".encode("cp1252"))
            read = cd.read_report(path)
            self.assertEqual(read["versions"], (3, "prueba bloques"))
            self.assertEqual(read["title"], "Química")
            self.assertEqual(read["statements"], ["a\r\nb \\ c"])
            self.assertEqual(read["answers"], ["r"])

    def test_an_incomplete_report_fails(self):
        with tempfile.TemporaryDirectory() as folder:
            path = pathlib.Path(folder) / "report.txt"
            for text in ("title T\ndocument0 a.rtf\n", "title T\ndocument0 a.rtf\ndocument1 b.rtf\nstatement s\n"):
                with self.subTest(text=text):
                    path.write_bytes(text.encode("cp1252"))
                    with self.assertRaises(cd.Failure):
                        cd.read_report(path)


if __name__ == "__main__":
    unittest.main()
