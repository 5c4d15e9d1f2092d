#!/usr/bin/env python3
"""Reads a quiz file that Zorvi wrote as Moodle's "Importar" (Formato Moodle XML) takes it:
strict UTF-8, well-formed XML, a category before the questions of each exercise with the
path "$course$/top/Zorvi/<title>/Ejercicio N" (a "/" of a name written "//"), cloze and
essay questions with a name, an HTML question text and general feedback, an essay with its
grader information, and every embedded answer {...} of a cloze question parsed by the
documented Cloze grammar:

    {weight:TYPE:alternative~alternative...}
    alternative = ["=" | "%" percent "%"] answer ["#" feedback]

with the type names and their short forms, "\\" escaping the next character, a NUMERICAL
answer "value" or "value:tolerance", at least one alternative with full marks and a
multiple choice with two alternatives at least. Zorvi's HTML never writes a brace, so a
brace outside an answer is a fault.

read_quiz() returns, per question name in file order, its answers: each a dict with the
canonical "type", the "weight", its "alternatives" (fraction, text, feedback) and, for the
right one, "right" (its text) and for NUMERICAL "value" and "tolerance" (floats).

Usage: check_moodle.py FILE   (prints the answers as JSON; exit 1 with the reason)
"""

import json
import re
import sys
import xml.etree.ElementTree as ET

TYPES = {
    "NUMERICAL": "NUMERICAL", "NM": "NUMERICAL",
    "SHORTANSWER": "SHORTANSWER", "SA": "SHORTANSWER", "MW": "SHORTANSWER",
    "SHORTANSWER_C": "SHORTANSWER_C", "SAC": "SHORTANSWER_C", "MWC": "SHORTANSWER_C",
    "MULTICHOICE": "MULTICHOICE", "MC": "MULTICHOICE",
    "MULTICHOICE_V": "MULTICHOICE_V", "MCV": "MULTICHOICE_V",
    "MULTICHOICE_H": "MULTICHOICE_H", "MCH": "MULTICHOICE_H",
    "MULTICHOICE_S": "MULTICHOICE_S", "MCS": "MULTICHOICE_S",
    "MULTICHOICE_VS": "MULTICHOICE_VS", "MCVS": "MULTICHOICE_VS",
    "MULTICHOICE_HS": "MULTICHOICE_HS", "MCHS": "MULTICHOICE_HS",
    "MULTIRESPONSE": "MULTIRESPONSE", "MR": "MULTIRESPONSE",
    "MULTIRESPONSE_H": "MULTIRESPONSE_H", "MRH": "MULTIRESPONSE_H",
    "MULTIRESPONSE_S": "MULTIRESPONSE_S", "MRS": "MULTIRESPONSE_S",
    "MULTIRESPONSE_HS": "MULTIRESPONSE_HS", "MRHS": "MULTIRESPONSE_HS",
}
NUMBER = r"-?(?:[0-9]+[.,]?[0-9]*|[.,][0-9]+)(?:[eE][-+]?[0-9]+)?"
NUMERICAL_ANSWER = re.compile("(" + NUMBER + ")(?::(" + NUMBER + "))?")
START = re.compile(r"\{([0-9]*):([A-Z_]+):")
ESSAY_FORMATS = {"editor", "editorfilepicker", "plain", "monospaced", "noinline"}


class Failure(Exception):
    pass


def number(text):
    return float(text.replace(",", "."))


def split_unescaped(text, separator):
    """Splits at the separator where no backslash escapes it; escapes are kept."""
    parts, current, i = [], "", 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text):
            current += text[i:i + 2]
            i += 2
        elif text[i] == separator:
            parts.append(current)
            current = ""
            i += 1
        else:
            current += text[i]
            i += 1
    return parts + [current]


def unescape(text):
    """As Moodle reads an answer: it undoes "\\}" and "\\#" only; any other backslash stays."""
    return text.replace("\\}", "}").replace("\\#", "#")


def parse_alternative(text, kind, where):
    fraction = 0.0
    if text.startswith("="):
        fraction, text = 100.0, text[1:]
    else:
        m = re.match(r"%(-?[0-9]+(?:[.,][0-9]*)?)%", text)
        if m:
            fraction, text = number(m.group(1)), text[m.end():]
    answer, *feedback = split_unescaped(text, "#")
    if len(feedback) > 1:
        raise Failure(where + ": an unescaped '#' in the feedback of " + repr(text))
    if answer == "":
        raise Failure(where + ": an empty answer")
    alternative = {"fraction": fraction, "text": unescape(answer), "feedback": unescape("".join(feedback))}
    if kind == "NUMERICAL" and answer != "*":
        m = NUMERICAL_ANSWER.fullmatch(answer)
        if not m:
            raise Failure(where + ": " + repr(answer) + " is no NUMERICAL answer (value or value:tolerance)")
        alternative["value"] = number(m.group(1))
        alternative["tolerance"] = number(m.group(2)) if m.group(2) else 0.0
    return alternative


def parse_cloze(text, where):
    """The embedded answers of a question text, in order."""
    answers, i = [], 0
    while True:
        brace = min((p for p in (text.find("{", i), text.find("}", i)) if p >= 0), default=-1)
        if brace < 0:
            return answers
        m = START.match(text, brace)
        if not m:
            raise Failure(where + ": a brace that starts no Cloze answer: " + repr(text[brace:brace + 40]))
        if m.group(2) not in TYPES:
            raise Failure(where + ": unknown Cloze type " + m.group(2))
        kind = TYPES[m.group(2)]
        j = m.end()
        while j < len(text) and text[j] != "}":
            j += 2 if text[j] == "\\" else 1
        if j >= len(text):
            raise Failure(where + ": a Cloze answer never closed: " + repr(text[brace:brace + 40]))
        alternatives = [parse_alternative(a, kind, where) for a in split_unescaped(text[m.end():j], "~")]
        right = [a for a in alternatives if a["fraction"] == 100.0]
        if not right:
            raise Failure(where + ": no alternative with full marks in " + repr(text[brace:j + 1]))
        if kind.startswith("MULTI") and len(alternatives) < 2:
            raise Failure(where + ": a multiple choice needs two alternatives at least")
        answer = {"type": kind, "weight": int(m.group(1) or "1"), "alternatives": alternatives,
                  "right": right[0]["text"]}
        if kind == "NUMERICAL":
            answer["value"], answer["tolerance"] = right[0]["value"], right[0]["tolerance"]
        answers.append(answer)
        i = j + 1


def split_category_path(path):
    return [name.replace("//", "/").strip() for name in re.split(r"(?<!/)/(?!/)", path)]


def html_text(question, element, where):
    node = question.find(element)
    if node is None or node.get("format") != "html" or node.find("text") is None:
        raise Failure(where + ": no <" + element + " format=\"html\"><text>")
    return node.find("text").text or ""


def read_quiz(data):
    try:
        text = data.decode("utf-8", errors="strict")
    except UnicodeDecodeError as e:
        raise Failure("not UTF-8 at byte " + str(e.start))
    if not text.startswith('<?xml version="1.0" encoding="UTF-8"?>'):
        raise Failure("no XML declaration of UTF-8")
    try:
        root = ET.fromstring(data)
    except ET.ParseError as e:
        raise Failure("not well-formed XML: " + str(e))
    if root.tag != "quiz":
        raise Failure("the root is <" + root.tag + ">, not <quiz>")
    quiz, category = {}, None
    for question in root:
        kind = question.get("type")
        if question.tag != "question":
            raise Failure("<" + question.tag + "> in <quiz>")
        if kind == "category":
            path = question.findtext("category/text") or ""
            names = split_category_path(path)
            if len(names) != 5 or names[:3] != ["$course$", "top", "Zorvi"] or not names[3] \
                    or not re.fullmatch(r"Ejercicio [0-9]+", names[4]):
                raise Failure("category path " + repr(path) + " is not $course$/top/Zorvi/<title>/Ejercicio N")
            category = names
            continue
        name = (question.findtext("name/text") or "").strip()
        if not name:
            raise Failure("a question without a name")
        if category is None:
            raise Failure(name + ": a question before any category")
        exercise = category[4].split()[1]
        if not name.startswith(category[3] + " · " + exercise):
            raise Failure(name + ": its name does not start with the category's title and number")
        if name in quiz:
            raise Failure(name + ": two questions with this name")
        questiontext = html_text(question, "questiontext", name)
        html_text(question, "generalfeedback", name)
        if question.findtext("hidden") != "0":
            raise Failure(name + ": <hidden> is not 0")
        if kind == "cloze":
            answers = parse_cloze(questiontext, name)
            if not answers:
                raise Failure(name + ": a cloze question without answers")
            if not re.fullmatch(r"[0-9.]+", question.findtext("penalty") or ""):
                raise Failure(name + ": no <penalty>")
            quiz[name] = answers
        elif kind == "essay":
            if not html_text(question, "graderinfo", name).strip():
                raise Failure(name + ": an essay without grader information")
            if question.findtext("responseformat") not in ESSAY_FORMATS:
                raise Failure(name + ": an essay without a known <responseformat>")
            parse_cloze(questiontext, name)  # no braces in the statement either
            quiz[name] = []
        else:
            raise Failure(name + ": question type " + repr(kind))
    if not quiz:
        raise Failure("no questions")
    return quiz


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    try:
        with open(argv[1], "rb") as f:
            quiz = read_quiz(f.read())
    except (OSError, Failure) as e:
        print("check_moodle: " + str(e), file=sys.stderr)
        return 1
    json.dump(quiz, sys.stdout, ensure_ascii=False, indent=1)
    print()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
