#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Check the teaching of the course in course/ and course-src/:

  * every sign a record practises is shown on a lesson page of its lesson or of an
    earlier lesson of the same course (taught before practised);
  * every sign a lesson page introduces (shows for the first time in its course) is
    practised by at least one record of that lesson (practised once taught);
  * every lesson with records has its lesson page, and a test of exactly ten records;
  * every picture of a record has its text alternative (a one-line UTF-8 .txt beside
    it), which for a picture to describe does not give the answer away;
  * the texts a record puts into its exercise page open no tag but a FONT tag;
  * no title of a record and no page says something only the eye can do, and the title of
    an alphabet exercise that asks to write a print text in braille names what a screen
    reader does not tell apart (capitals, figures, dashes, the ellipsis).

A lesson page is a page of course/html/ with an exercise link NNNeser.htm (course
digit, lesson + 1). The signs of a page are those in its braille spans (class "brl"),
except spans marked data-insegna="no" (braille shown but not taught there). The signs
of a record are those of its braille fields. In the alphabet a sign is a character of
the braille font (course/braille6.txt), a capital letter being the capital sign and its
small letter, "||" the sign of a word in capitals, a capital accented letter a sign of
its own and the digits one sign; in mathematics and music a sign is the cells of one
character.

Usage: check_course.py ROOT      (ROOT: the source tree; run after make_pages.py)
Prints one line a problem; exits 1 if there is any.
"""
import glob
import html
import os
import re
import sys

COURSES = {1: "alfabeto", 2: "matematica", 3: "musica"}
CAPITAL_ACCENTED = "ÀÈÉÌÒÙ"
DIGIT_SIGN = "0-9"  # the alphabet course's one sign for the digits
# Braille fields by exercise type: (question fields, answer fields).
QUESTION_BRAILLE = {1, 2, 101, 102, 103, 201}
ANSWER_BRAILLE = {0, 2, 100, 102, 104, 200}
TITLE_RUN = re.compile(r'<FONT FACE="ZEV Braille 6"[^>]*>(.*?)</FONT>', re.I)
BRAILLE_SPAN = re.compile(r'<span class="brl"([^>]*)>(.*?)</span>', re.S)
EXERCISE_LINK = re.compile(r'href="([123])(\d\d)eser\.htm"')
SIGHT = re.compile(r"\b(vedi|vede|veda|vedere|vedrai|guard\w*|nella figura|in figura|"
                   r"nell'immagine|nel disegno)\b", re.I)


def read_records(path):
    """The records of a course source (docs/course-format.md) as dicts of field
    name (lower case) -> value (a list of lines for texts given with |)."""
    records, record, field = [], None, None
    with open(path, encoding="utf-8-sig") as f:
        for line in f:
            stripped = line.strip()
            if field is not None and stripped.startswith("|"):
                text = stripped[1:]
                record[field].append(text[1:] if text.startswith(" ") else text)
                continue
            field = None
            if not stripped or stripped.startswith("#") or stripped.startswith("!"):
                continue
            if stripped.lower() == "[record]":
                record = {}
                records.append(record)
            elif record is not None and stripped.endswith(":") and "=" not in stripped:
                field = stripped[:-1].strip().lower()
                record[field] = []
            elif record is not None and "=" in stripped:
                name, value = stripped.split("=", 1)
                record[name.strip().lower()] = value.strip()
    return records


def lines(record, name):
    value = record.get(name)
    if value is None:
        return []
    return value if isinstance(value, list) else [value]


def record_braille(record):
    """The braille texts of a record: its braille fields by type, and the braille runs
    of its title."""
    kind = int(record.get("t_eser", -1))
    texts = []
    if kind in QUESTION_BRAILLE:
        texts += lines(record, "doma_rch") + lines(record, "list_doma")
    if kind in ANSWER_BRAILLE:
        texts += lines(record, "risp_rch") + lines(record, "list_risp")
    for line in lines(record, "tit_doma"):
        texts += TITLE_RUN.findall(line)
    return texts


def signs(text, course, table):
    """The signs of a braille text of a course. In mathematics and music a sign is
    the cells of one character ("45-234"): there several characters of the font draw
    the same cells, and a page may draw a note with a digit's character that a record
    writes with a letter's."""
    if course != 1:
        return ["-".join(table[ch]) if ch in table else "%s not in the cell table" % ch
                for ch in text if not ch.isspace()]
    out = []
    i = 0
    while i < len(text):
        ch = text[i]
        i += 1
        if ch.isspace():
            continue
        if course == 1:
            if ch == "|" and text[i:i + 1] == "|":
                out.append("||")
                i += 1
                continue
            if ch.isdigit():
                out.append(DIGIT_SIGN)
                continue
            if ch.isupper() and ch not in CAPITAL_ACCENTED:
                out += ["|", ch.lower()]
                continue
        out.append(ch)
    return out


def page_lessons(root, table):
    """{(course, lesson): [(page name, [signs shown])]} of the lesson pages."""
    pages = {}
    for path in sorted(glob.glob(os.path.join(root, "course", "html", "*.htm*"))):
        with open(path, encoding="cp1252") as f:
            text = f.read()
        links = set(EXERCISE_LINK.findall(text))
        for course, lesson in links:
            shown = []
            for attributes, inner in BRAILLE_SPAN.findall(text):
                if 'data-insegna="no"' not in attributes:
                    shown += signs(html.unescape(inner), int(course), table)
            pages.setdefault((int(course), int(lesson) - 1), []).append(
                (os.path.basename(path), shown))
    return pages


UNITS = ["zero", "uno", "due", "tre", "quattro", "cinque", "sei", "sette", "otto", "nove",
         "dieci", "undici", "dodici", "tredici", "quattordici", "quindici", "sedici",
         "diciassette", "diciotto", "diciannove"]
TENS = ["", "", "venti", "trenta", "quaranta", "cinquanta", "sessanta", "settanta",
        "ottanta", "novanta"]


def number_words(n):
    """An Italian number in words, 0 to 9999 ("ventotto", "centoventi")."""
    if n < 20:
        return UNITS[n]
    if n < 100:
        tens, unit = TENS[n // 10], n % 10
        if unit in (1, 8):
            tens = tens[:-1]
        return tens + (UNITS[unit] if unit else "")
    if n < 1000:
        head = "cento" if n < 200 else UNITS[n // 100] + "cento"
        return head + (number_words(n % 100) if n % 100 else "")
    head = "mille" if n < 2000 else UNITS[n // 1000] + "mila"
    return head + (number_words(n % 1000) if n % 1000 else "")


def dots(sign, course, table):
    if course != 1:
        return sign if " " in sign else "dots %s" % sign
    if sign == DIGIT_SIGN:
        return "the digits"
    return "%s (%s)" % (sign, " ".join("-".join(table.get(c, ["?"])) for c in sign))


def check(root):
    sys.path.insert(0, os.path.join(root, "scripts", "content"))
    import braille_table as bt
    table = bt.read_table(os.path.join(root, "course", "braille6.txt"))
    table = {ch: [c or "0" for c in cells] for ch, cells in table.items()}
    problems = []
    pages = page_lessons(root, table)
    for course, name in sorted(COURSES.items()):
        source = os.path.join(root, "course-src", "ESER_%d.txt" % course)
        by_lesson = {}
        for record in read_records(source):
            by_lesson.setdefault(int(record.get("lezione", -1)), []).append(record)
        lessons = sorted(set(by_lesson) | {l for c, l in pages if c == course})
        shown_before = set()  # shown on the pages of the lessons so far
        for lesson in lessons:
            records = by_lesson.get(lesson, [])
            where = "%s Lezione %d" % (name, lesson)
            lesson_pages = pages.get((course, lesson), [])
            if not lesson_pages:
                problems.append("%s: no lesson page links %d%02deser.htm" % (where, course, lesson + 1))
            elif len(lesson_pages) > 1:
                problems.append("%s: several pages link its exercises: %s"
                                % (where, ", ".join(p for p, _ in lesson_pages)))
            if not records:
                problems.append("%s: a lesson page but no exercises" % where)
            tests = sum(1 for r in records if r.get("cat_eser") == "4")
            if records and tests != 10:
                problems.append("%s: %d test exercises, not 10" % (where, tests))
            introduced = {}
            for page, shown in lesson_pages:
                for sign in shown:
                    if sign not in shown_before:
                        introduced.setdefault(sign, page)
            shown_before |= set(introduced)
            practised = set()
            for record in records:
                nr = record.get("eser_nr", "?")
                used = [s for text in record_braille(record) for s in signs(text, course, table)]
                practised |= set(used)
                for sign in sorted(set(used) - shown_before):
                    problems.append("%s nr %s: sign %s is practised but shown on no lesson page "
                                    "of Lezione %d or earlier" % (where, nr, dots(sign, course, table), lesson))
            for sign, page in sorted(introduced.items()):
                if sign not in practised:
                    problems.append("%s (%s): sign %s is introduced but practised by no exercise "
                                    "of Lezione %d" % (where, page, dots(sign, course, table), lesson))
            for record in records:
                problems += picture_problems(root, record, where)
                problems += page_text_problems(record, where)
                if course == 1:
                    problems += unheard_problems(record, where)
                for line in lines(record, "tit_doma"):
                    for match in SIGHT.finditer(re.sub(r"<[^>]*>", "", line)):
                        problems.append("%s nr %s: the title says \"%s\", which assumes sight"
                                        % (where, record.get("eser_nr", "?"), match.group(0)))
    for path in sorted(glob.glob(os.path.join(root, "course", "html", "*.htm*"))):
        with open(path, encoding="cp1252") as f:
            text = html.unescape(re.sub(r"<[^>]*>", " ", f.read()))
        for match in SIGHT.finditer(text):
            context = " ".join(text[max(0, match.start() - 40):match.end() + 20].split())
            problems.append("%s: \"%s\" assumes sight (…%s…)"
                            % (os.path.basename(path), match.group(0), context))
    return problems


# What a screen reader does not tell apart in a print text, and the words of which the title
# of an alphabet exercise that asks to write that text in braille must hold one: a word in
# capitals sounds like any other, "3" like "tre", the two dashes (36-36, 456-36) alike or not
# at all, and the ellipsis is often left unsaid.
UNHEARD = ((re.compile(r"\b[A-ZÀ-Ý]{2,}\b"), ("maiuscol",), "a word in capitals"),
           (re.compile(r"\d"), ("cifr", "numer", "data", "date", "anno"), "a number in figures"),
           (re.compile("[–—]"), ("lineett", "dialogo"), "a dash"),
           (re.compile("…"), ("puntini",), "the ellipsis"))


def unheard_problems(record, where):
    """An alphabet exercise that asks to write a print text in braille names in its title
    what a screen reader does not tell apart in that text."""
    if record.get("t_eser") != "0":
        return []
    title = " ".join(lines(record, "tit_doma")).lower()
    text = " ".join(lines(record, "doma_rch") + lines(record, "list_doma"))
    return ["%s nr %s: the title does not say that \"%s\" has %s, which a screen reader "
            "does not tell apart" % (where, record.get("eser_nr", "?"), text, what)
            for pattern, words, what in UNHEARD
            if pattern.search(text) and not any(w in title for w in words)]


# The exercise windows write the title, the question and the candidates into the page as
# they stand, so that a FONT tag in them takes effect: any other "<" before a letter, "/", "!"
# or "?" opens a tag there and swallows the text up to the next ">" (the braille double bar
# "<k" vanished so), and "&" before a letter, a digit or "#" begins a character reference.
# The course writes cell 1-2-6 in them as "ê", which the braille font draws alike.
PAGE_FIELDS = ("tit_doma", "doma_rch", "list_doma", "risp_img1", "risp_img2", "risp_img3")
OPENS = re.compile(r"<(?!/?font\b)[A-Za-z/!?]|&[A-Za-z0-9#]", re.I)


def page_text_problems(record, where):
    return ["%s nr %s: %s \"%s\" would open a tag or a reference in the exercise page"
            % (where, record.get("eser_nr", "?"), field, line)
            for field in PAGE_FIELDS for line in lines(record, field) if OPENS.search(line)]


def picture_problems(root, record, where):
    problems = []
    nr = record.get("eser_nr", "?")
    folder = os.path.join(root, "course", "imgex", "b", record.get("lezione", "?"),
                          record.get("t_eser", "?"))
    for field, suffix in (("doma_img", ""), ("img1", "a"), ("img2", "b"), ("img3", "c")):
        if not record.get(field):
            continue
        path = os.path.join(folder, "%s%s.txt" % (nr, suffix))
        shown = os.path.relpath(path, os.path.join(root, "course"))
        try:
            with open(path, encoding="utf-8") as f:
                text = f.read()
        except (OSError, UnicodeDecodeError) as e:
            problems.append("%s nr %s: no text alternative %s (%s)"
                            % (where, nr, shown, e.__class__.__name__))
            continue
        body = text.rstrip("\r\n")
        if not body.strip() or "\n" in body:
            problems.append("%s nr %s: %s is not one line of text" % (where, nr, shown))
        if field == "doma_img":
            answer = "".join(lines(record, "risp_rch"))
            numbers = re.findall(r"\d+", answer.replace("'", ""))
            if numbers:
                result = int(numbers[-1])
                said = re.search(r"\b(%d|%s)\b" % (result, number_words(result)), body, re.I)
                if said:
                    problems.append("%s nr %s: %s gives the answer away (\"%s\")"
                                    % (where, nr, shown, said.group(0)))
    return problems


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    problems = check(os.path.abspath(sys.argv[1]))
    for problem in problems:
        print(problem)
    if problems:
        print("course checks: %d problems" % len(problems), file=sys.stderr)
        return 1
    print("course checks: the teaching rules hold")
    return 0


if __name__ == "__main__":
    sys.exit(main())
