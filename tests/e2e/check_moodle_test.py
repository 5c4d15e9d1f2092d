#!/usr/bin/env python3
"""The quiz check must refuse what Moodle's importer would refuse or read wrong, one planted
fault at a time, and read a sound file's answers."""

import pathlib
import sys
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import check_moodle as cm  # noqa: E402

SOUND = """<?xml version="1.0" encoding="UTF-8"?>
<quiz>
<question type="category">
  <category><text>$course$/top/Zorvi/Gases 1º//2º/Ejercicio 1</text></category>
</question>
<question type="cloze">
  <name><text>Gases 1º/2º · 1 · versión A</text></name>
  <questiontext format="html"><text>&lt;p&gt;n = {1:NUMERICAL:=0.15625:0.003125} mol {1:SA:=A\\}\\#B} \
{1:MC:CH₄~=O₂}</text></questiontext>
  <generalfeedback format="html"><text>&lt;p&gt;n = 0,156 mol&lt;/p&gt;</text></generalfeedback>
  <penalty>0.3333333</penalty>
  <hidden>0</hidden>
</question>
<question type="essay">
  <name><text>Gases 1º/2º · 1</text></name>
  <questiontext format="html"><text>Explicar</text></questiontext>
  <generalfeedback format="html"><text></text></generalfeedback>
  <hidden>0</hidden>
  <responseformat>editor</responseformat>
  <graderinfo format="html"><text>Boyle</text></graderinfo>
</question>
</quiz>
"""


class QuizCheck(unittest.TestCase):
    def test_a_sound_file_gives_its_answers(self):
        quiz = cm.read_quiz(SOUND.encode("utf-8"))
        answers = quiz["Gases 1º/2º · 1 · versión A"]
        self.assertEqual([a["type"] for a in answers], ["NUMERICAL", "SHORTANSWER", "MULTICHOICE"])
        self.assertEqual((answers[0]["value"], answers[0]["tolerance"]), (0.15625, 0.003125))
        self.assertEqual(answers[1]["right"], "A}#B")
        self.assertEqual(answers[2]["right"], "O₂")
        self.assertEqual(quiz["Gases 1º/2º · 1"], [])

    def test_planted_faults_are_refused(self):
        faults = [
            ("Windows-1252 bytes", None, "not UTF-8"),
            ("a name's slash not doubled", ("1º//2º/Ejercicio", "1º/2º/Ejercicio"), "category path"),
            ("an exponent without digits", ("=0.15625:0.003125", "=1.5e:0.1"), "no NUMERICAL answer"),
            ("an unescaped brace", ("=A\\}\\#B", "=A}\\#B"), "starts no Cloze answer"),
            ("a type Moodle lacks", ("{1:MC:", "{1:CHOICE:"), "unknown Cloze type"),
            ("no right answer", ("CH₄~=O₂", "CH₄~O₂"), "full marks"),
            ("an essay without grader information", ("<text>Boyle</text>", "<text></text>"), "grader information"),
            ("an unclosed element", ("</quiz>", "</quiz"), "well-formed"),
        ]
        for what, change, reason in faults:
            with self.subTest(what):
                data = SOUND.encode("cp1252", errors="replace") if change is None else SOUND.replace(*change).encode("utf-8")
                with self.assertRaises(cm.Failure) as caught:
                    cm.read_quiz(data)
                self.assertIn(reason, str(caught.exception))


if __name__ == "__main__":
    unittest.main()
