#!/usr/bin/env python3
"""Reads back the two documents that the real program exported under Wine, with pandoc and
with LibreOffice Writer, and checks that each reader finds the title and every statement and
answer of the report (what the exercise editor showed) in the order of the presentation.
When the report names versions of the worksheet, each version and the key are read too:
version A holds the report's statements and no answer, the later ones the same statements
with any numbers, and the key every version's answers under its title. When it names a Moodle
quiz of the same sheet, the quiz must read as Moodle's import reads it (check_moodle.py), hold
as many variants as the report says, and each question of variant 2 ("<title> · N · versión B")
the numbers of exercise N of version B, as each reader shows that version. An exercise whose answer draws words with
its numbers (which reactant limits) is named as "shared": its later answers are not compared.
Every "datos:" line of the editor's statements must also be a whole line of each reading of
the two documents and of version A.

Usage: check_documents.py REPORT_FILE EXERC_FOLDER OUTPUT_FOLDER
"""

import html
import pathlib
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import check_moodle  # noqa: E402

READER_TIMEOUT_S = 120


class Failure(Exception):
    pass


def unescape_report(text):
    return re.sub(r"\\(.)", lambda m: {"r": "\r", "n": "\n", "\\": "\\"}[m.group(1)], text)


def read_report(path):
    report = {"title": None, "documents": {}, "statements": [], "answers": [], "shared": [], "versions": None,
              "moodle": None}
    for line in pathlib.Path(path).read_bytes().decode("cp1252").split("\n"):
        if not line:
            continue
        key, _, value = line.partition(" ")
        if key == "title":
            report["title"] = unescape_report(value)
        elif key.startswith("document"):
            report["documents"][int(key[len("document"):])] = value
        elif key == "statement":
            report["statements"].append(unescape_report(value))
            report["shared"].append(None)
        elif key == "answer":
            report["answers"].append(unescape_report(value))
        elif key == "shared":
            if not report["shared"]:
                raise Failure("a shared start before any statement")
            report["shared"][-1] = unescape_report(value)
        elif key == "versions":
            count, _, base = value.partition(" ")
            report["versions"] = (int(count), base)
        elif key == "moodle":
            count, _, name = value.partition(" ")
            report["moodle"] = (int(count), name)
        else:
            raise Failure("unknown report line: " + line)
    if report["title"] is None or sorted(report["documents"]) != [0, 1] or not report["statements"]:
        raise Failure("incomplete report " + str(path))
    if len(report["statements"]) != len(report["answers"]):
        raise Failure("the report has not one answer per statement")
    return report


SPACES = "\u00a0\u2002\u2003\u2004\u2005\u2006\u2007\u2008\u2009\u200a\u202f"


def tidy(text):
    """Blanks collapsed and dropped next to bold tags and line ends, so that only the words, the
    scripts, the bold and the line structure are compared; runs of line ends become one."""
    for space in SPACES + "\t":
        text = text.replace(space, " ")
    text = re.sub(r" +", " ", text)
    text = re.sub(r" ?(</?b>|\n) ?", r"\1", text)
    # A reader may split one bold or script run into several, or leave an empty one.
    text = re.sub(r"</(b|sub|sup)><\1>|<(b|sub|sup)></\2>", "", text)
    text = re.sub(r"\n+", "\n", text)
    return text.strip(" \n")


def readable_html(page):
    """The text of an HTML page with line breaks and paragraphs as "\\n", bold as <b>,
    <sub> and <sup> kept and every other tag dropped."""
    body_at = page.find("<body")
    if body_at >= 0:
        page = page[body_at:]
    page = re.sub(r"<!--.*?-->", "", page, flags=re.S)
    page = re.sub(r"[\r\n\t]", " ", page)
    out = []
    for piece in re.split(r"(<[^>]*>)", page):
        if not piece.startswith("<"):
            out.append(html.unescape(piece))
            continue
        match = re.match(r"<(/?)([a-zA-Z0-9]+)", piece)
        if not match:
            continue
        closing, name = match.group(1), match.group(2).lower()
        if name in ("br", "p"):
            out.append("\n")
        elif name in ("b", "strong"):
            out.append("</b>" if closing else "<b>")
        elif name in ("sub", "sup"):
            out.append("<" + closing + name + ">")
    return tidy("".join(out))


def readable_markup(markup):
    """What a reader shows of exercise markup: line breaks, subscripts and superscripts."""
    out = []
    i = 0
    while i < len(markup):
        c = markup[i]
        i += 1
        if c in "_^":
            if i < len(markup) and markup[i] == "(":
                depth, end = 0, i
                while end < len(markup):
                    depth += {"(": 1, ")": -1}.get(markup[end], 0)
                    if depth == 0:
                        break
                    end += 1
                argument, i = markup[i + 1:end], end + 1
            else:
                argument, i = markup[i:i + 1], i + 1
            tag = "sub" if c == "_" else "sup"
            out.append("<%s>%s</%s>" % (tag, argument, tag))
        elif c == "\r":
            out.append("\n")
        elif ord(c) < 32:
            continue
        elif c in "#|\\":
            raise Failure("the check does not model the markup code %r in %r" % (c, markup))
        else:
            out.append(c)
    return "".join(out)


def bold(text):
    return "<b>" + text + "</b>"


def version_title(report, letter):
    return report["title"] + " \u2014 versi\u00f3n " + letter


def shared_starts(report, any_numbers):
    """For each exercise whose answer draws words with its numbers (which reactant limits),
    the start of the answer its later versions share: only its number, here."""
    shared = report.get("shared") or [None] * len(report["statements"])
    return [s if any_numbers else None for s in shared]


def expected_fragments(report, presentation, title=None, any_numbers=False):
    shared = shared_starts(report, any_numbers)
    # Every version asks the same question: a statement differs only in its numbers.
    statements = [readable_markup(s) for s in report["statements"]]
    answers = [readable_markup(a) if start is None else "" for a, start in zip(report["answers"], shared)]
    fragments = [bold(report["title"] if title is None else title)]
    if presentation == SHEET:
        fragments += [bold("%d) " % n) + s for n, s in enumerate(statements, 1)]
    elif presentation == 0:
        for n, (statement, answer) in enumerate(zip(statements, answers), 1):
            fragments += [bold("%d) " % n) + statement, "Resp: " + answer]
    else:
        fragments += [bold("%d) " % n) + s for n, s in enumerate(statements, 1)]
        fragments.append(bold("Respuestas"))
        fragments += [bold("%d)" % n) + a for n, a in enumerate(answers, 1)]
    return [tidy(f) for f in fragments]


SHEET = "sheet"  # a version handed to students: the statements alone

NUMBER = r"-?\d+(?:\.\d+)?(?:e-?\d+)?"  # a strong acid can have a pH below 0


def with_any_numbers(fragment):
    """A pattern of the fragment in which every number may be another: what a later version
    of an exercise shares with the first. A volume is in ml below a litre and in l from it."""
    parts = re.split("(" + NUMBER + ")", fragment)
    pattern = []
    for i, part in enumerate(parts):
        if i % 2:
            pattern.append(NUMBER)
            continue
        unit = re.match(r" m?l(?![A-Za-z])", part) if i > 0 else None
        pattern.append(" m?l" + re.escape(part[unit.end():]) if unit else re.escape(part))
    return "".join(pattern)


def check_in_order(reader, document, text, fragments, any_numbers=False):
    """Fails unless the reader's text holds every fragment, each after the one before."""
    at = 0
    for fragment in fragments:
        if any_numbers:
            match = re.compile(with_any_numbers(fragment)).search(text, at)
            found, end = (match.start(), match.end()) if match else (-1, -1)
        else:
            found = text.find(fragment, at)
            end = found + len(fragment)
        if found < 0:
            raise Failure("%s, %s: not found (in order): %r\nin:\n%s" % (reader, document, fragment, text))
        at = end


def check_document(reader, document, text, report, presentation, title=None, any_numbers=False):
    """Fails unless the reader's text holds every expected fragment, each after the one
    before, and nothing of the other presentation's shape."""
    check_in_order(reader, document, text, expected_fragments(report, presentation, title, any_numbers), any_numbers)
    unwanted = {0: ["Respuestas"], 1: ["Resp: "], SHEET: ["Respuestas", "Resp: "]}[presentation]
    for word in unwanted:
        if word in text:
            raise Failure("%s, %s: %r does not belong here" % (reader, document, word))


def check_no_answers(reader, document, text, report):
    """A student's sheet holds no answer: none of version A's, as the editor showed them (the
    short ones, a number and a unit, could stand in a statement too)."""
    for n, answer in enumerate(report["answers"], 1):
        shown = tidy(readable_markup(answer)).strip()
        if len(shown) >= 15 and shown in text:
            raise Failure("%s, %s: the answer of exercise %d is on a student's sheet: %r" % (reader, document, n, shown))


def data_lines(statement):
    """The "datos:" lines of a statement, as a reader shows them."""
    return [line for line in tidy(readable_markup(statement)).split("\n") if line.startswith("datos:")]


def check_data_lines(reader, document, text, report):
    """Every data line of the editor's statements is a whole line of the reader's text: the
    data line ends a statement, and it lost its end first when a long line was cut."""
    lines = text.split("\n")
    for n, statement in enumerate(report["statements"], 1):
        for data in data_lines(statement):
            if data in lines:
                continue
            cut = [line for line in lines if line.startswith("datos:") and data.startswith(line)]
            raise Failure("%s, %s: the data line of exercise %d is not whole: %r%s"
                          % (reader, document, n, data, ", read as %r" % cut[0] if cut else ""))


def check_key(reader, document, text, report, letters):
    """The key: every version's title in the order of the letters, and under each title that
    version's answers, numbered; nothing else."""
    titles = [tidy(bold(version_title(report, letter))) for letter in letters]
    check_in_order(reader, document, text, titles)
    for i, letter in enumerate(letters):
        start = text.find(titles[i]) + len(titles[i])
        end = text.find(titles[i + 1]) if i + 1 < len(titles) else len(text)
        shared = shared_starts(report, letter != "A")
        answers = [tidy(bold("%d)" % n) + (readable_markup(a) if s is None else ""))
                   for n, (a, s) in enumerate(zip(report["answers"], shared), 1)]
        check_in_order(reader, document + " " + letter, text[start:end], answers, any_numbers=letter != "A")
    if "Respuestas" in text or "Resp: " in text:
        raise Failure("%s, %s: the key holds only the answers under each version's title" % (reader, document))


def sheet_statements(text):
    """The statements of a student's sheet as a reader shows it, by their numbers."""
    pieces = re.split(r"<b>(\d+)\)</b>", text)
    return {int(pieces[i]): pieces[i + 1] for i in range(1, len(pieces) - 1, 2)}


def variant_questions(quiz, title, letter):
    """The question texts of one variant of the quiz (UTF-8 Moodle XML), by exercise number."""
    named = re.compile(re.escape(title) + " \u00b7 (\\d+) \u00b7 versi\u00f3n " + letter)
    questions = {}
    for question in ElementTree.fromstring(quiz).iter("question"):
        match = named.fullmatch(question.findtext("name/text") or "")
        if match:
            questions[int(match.group(1))] = question.findtext("questiontext/text") or ""
    return questions


def check_quiz_variants(document, quiz, title, count):
    """The quiz as Moodle imports it, and exactly `count` variants of the exercises that change."""
    try:
        names = check_moodle.read_quiz(quiz)
    except check_moodle.Failure as failure:
        raise Failure("%s: %s" % (document, failure))
    letters = set()
    for name in names:
        match = re.fullmatch(re.escape(title) + " \u00b7 \\d+(?: \u00b7 versi\u00f3n ([A-Z]+))?", name)
        if not match:
            raise Failure("%s: a question named %r" % (document, name))
        if match.group(1):
            letters.add(match.group(1))
    expected = {chr(ord("A") + v) for v in range(count)}
    if letters != expected:
        raise Failure("%s: variants %s, not %s" % (document, sorted(letters), sorted(expected)))


CLOZE = r"\{\d*:[A-Z_]+:(?:\\.|[^}])*\}"


def check_variant_numbers(reader, document, sheet, questions):
    """Each question of a variant holds, in order, the numbers that the sheet of the same version
    shows in that exercise's statement; its answer boxes are left out."""
    if not questions:
        raise Failure("%s: the quiz has no question of this variant" % document)
    statements = sheet_statements(sheet)
    for n, question in sorted(questions.items()):
        if n not in statements:
            raise Failure("%s, %s: no exercise %d for the quiz's question" % (reader, document, n))
        expected = re.findall(NUMBER, statements[n])
        found = re.findall(NUMBER, readable_html(re.sub(CLOZE, " ", question)))
        if not any(found[at:at + len(expected)] == expected for at in range(len(found) - len(expected) + 1)):
            raise Failure("%s, %s: the quiz's exercise %d has the numbers %s, the sheet %s"
                          % (reader, document, n, found, expected))


def check_key_values(reader, document, key, report, letters, answers):
    """Every number box of the quiz takes, within its tolerance, a number that the key prints
    in the same exercise of the same version: a student who copies the key is graded right."""
    titles = [tidy(bold(version_title(report, letter))) for letter in letters]
    checked = 0
    for name, boxes in answers.items():
        match = re.fullmatch(".* \u00b7 (\d+)(?: \u00b7 versi\u00f3n ([A-Z]+))?", name)
        n, letter = int(match.group(1)), match.group(2) or "A"
        at = letters.index(letter)
        start = key.find(titles[at]) + len(titles[at])
        end = key.find(titles[at + 1]) if at + 1 < len(titles) else len(key)
        printed = [float(x) for x in re.findall(NUMBER, sheet_statements(key[start:end]).get(n, ""))]
        for box in boxes:
            if box["type"] != "NUMERICAL":
                continue
            value, tolerance = box["value"], box["tolerance"]
            if not any(abs(x - value) <= tolerance * (1 + 1e-9) for x in printed):
                raise Failure("%s, %s: %s takes %g \u00b1 %g, none of the key's numbers %s"
                              % (reader, document, name, value, tolerance, printed))
            checked += 1
    return checked


def run(command, log):
    with open(log, "ab") as out:
        try:
            status = subprocess.run(command, stdout=out, stderr=subprocess.STDOUT, timeout=READER_TIMEOUT_S).returncode
        except subprocess.TimeoutExpired:
            raise Failure("reader timed out: " + " ".join(command))
    if status != 0:
        raise Failure("reader failed (%d): %s\n%s" % (status, " ".join(command), pathlib.Path(log).read_text()))


def main(argv):
    if len(argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    report = read_report(argv[1])
    exerc, out = pathlib.Path(argv[2]), pathlib.Path(argv[3])
    out.mkdir(parents=True, exist_ok=True)
    log = out / "readers.log"
    documents = {p: exerc / name for p, name in report["documents"].items()}
    for document in documents.values():
        if not document.is_file():
            raise Failure("no document " + str(document))

    # The versions of the worksheet, in the presentation of the blocks, and their key.
    letters, versions = [], {}
    if report["versions"]:
        count, base = report["versions"]
        letters = [chr(ord("A") + v) for v in range(count)]
        versions = {letter: exerc / ("%s-%s.rtf" % (base, letter)) for letter in letters}
        versions["key"] = exerc / ("%s-soluciones.rtf" % base)
    every = {**{str(p): d for p, d in documents.items()}, **versions}
    for document in every.values():
        if not document.is_file():
            raise Failure("no document " + str(document))

    pages = {}
    for name, document in every.items():
        target = out / ("%s.pandoc.html" % name)
        run(["pandoc", "-f", "rtf", "-t", "html", "-o", str(target), str(document)], log)
        pages[("pandoc", name)] = target
    # LibreOffice with a profile of its own, so that no other instance gets in the way.
    run(["soffice", "-env:UserInstallation=" + (out / "profile").resolve().as_uri(), "--headless",
         "--convert-to", "html", "--outdir", str(out)] + [str(d) for d in every.values()], log)
    for name, document in every.items():
        pages[("LibreOffice", name)] = out / (document.stem + ".html")

    texts = {}
    for (reader, name), page in sorted(pages.items()):
        text = readable_html(page.read_bytes().decode("utf-8", errors="replace"))
        texts[(reader, name)] = text
        document = every[name].name
        if name in ("0", "1"):
            check_data_lines(reader, document, text, report)
            check_document(reader, document, text, report, int(name))
        elif name == "key":
            check_key(reader, document, text, report, letters)
        else:
            if name == "A":
                check_data_lines(reader, document, text, report)
                check_no_answers(reader, document, text, report)
            check_document(reader, document, text, report, SHEET, version_title(report, name),
                           any_numbers=name != "A")
    for reader in ("pandoc", "LibreOffice"):
        for letter in letters[1:]:
            after_title = lambda text: text[text.find("\n"):]
            if after_title(texts[(reader, letter)]) == after_title(texts[(reader, "A")]):
                raise Failure("%s: version %s has the numbers of version A" % (reader, letter))
    quizzed = boxes = 0
    if report["moodle"]:
        if len(letters) < 2:
            raise Failure("a quiz without versions of the sheet to compare it with")
        quiz = (exerc / report["moodle"][1]).read_bytes()
        check_quiz_variants(report["moodle"][1], quiz, report["title"], report["moodle"][0])
        questions = variant_questions(quiz, report["title"], "B")
        for reader in ("pandoc", "LibreOffice"):
            check_variant_numbers(reader, versions["B"].name, texts[(reader, "B")], questions)
        quizzed = len(questions)
        answers = check_moodle.read_quiz(quiz)
        for reader in ("pandoc", "LibreOffice"):
            boxes = check_key_values(reader, versions["key"].name, texts[(reader, "key")], report, letters, answers)
    print("check_documents: %d exercises read back in order by pandoc and LibreOffice in both presentations%s, "
          "%d data lines whole%s" % (len(report["statements"]), ", in %d versions and their key" % len(letters)
                                     if letters else "", sum(len(data_lines(s)) for s in report["statements"]),
                                     ", %d questions of the quiz's variant B with its numbers and %d answer boxes "
                                     "taking the key's numbers" % (quizzed, boxes) if quizzed else ""))
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main(sys.argv))
    except Failure as failure:
        print("check_documents: " + str(failure), file=sys.stderr)
        sys.exit(1)
