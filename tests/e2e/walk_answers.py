#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints, for the end-to-end walk-throughs, the exercises of one lesson and category of a
course source (docs/course-format.md), in table order, one a line, tab-separated:
    type   marker   answer
marker: a grep -P pattern (bytes as \\xHH) of the exercise page that only that exercise
writes; answer: the model answer as a learner types it (UTF-8), or for the choice types
103 and 201 the number (0 to 2) of the right choice.

Usage: walk_answers.py SOURCE.txt LEZIONE CAT_ESER
"""
import re
import sys

PAIRS = ((b"\xfe\xf4", b"\xd3v"), (b"\xfe\xf2", b"\xd4v"), (b"\xfe\xf1", b"\xd2v"),
         (b"\xff\xf1", b"\xdav"))


def records(path):
    recs, rec, field = [], None, None
    for raw in open(path, encoding="utf-8-sig"):
        line = raw.rstrip("\r\n")
        stripped = line.strip()
        if field and stripped.startswith("|"):
            rec[field].append(stripped[2:] if stripped.startswith("| ") else stripped[1:])
            continue
        field = None
        if not stripped or stripped.startswith("#") or stripped.startswith("!"):
            continue
        if stripped.lower() == "[record]":
            rec = {}
            recs.append(rec)
        elif stripped.endswith(":") and "=" not in stripped:
            field = stripped[:-1].strip().lower()
            rec[field] = []
        else:
            name, value = stripped.split("=", 1)
            rec[name.strip().lower()] = [value.strip()]
    return recs


def pattern(data):
    out = ""
    for b in data:
        c = chr(b)
        out += c if b < 128 and (c.isalnum() or c in " <>\"=:;,'!") else "\\x%02x" % b
    return out


def main():
    path, lesson, category = sys.argv[1], sys.argv[2], sys.argv[3]
    for r in records(path):
        if r.get("lezione", [""])[0] != lesson or r.get("cat_eser", [""])[0] != category:
            continue
        kind = int(r["t_eser"][0])
        if kind in (2, 102):
            shown = r["tit_doma"][0].encode("cp1252")
        elif kind == 104:
            shown = None
        else:
            shown = r["doma_rch"][0].encode("cp1252")
            if kind == 200:
                for old, new in PAIRS:
                    shown = shown.replace(old, new, 1)
        if shown is None:
            marker = pattern(("\\104\\%s.bmp" % r["eser_nr"][0]).encode())
        else:
            marker = '" >' + pattern(shown) + "<br>"
        answer = r["risp_img"][0] if kind in (103, 201) else "".join(r["risp_rch"])
        print("%d\t%s\t%s" % (kind, marker, answer))


if __name__ == "__main__":
    main()
