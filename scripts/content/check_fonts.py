#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Check the fonts of course/font/: each loads, has the right family name
(name IDs 1 and 4, and 16 if present), maps every printable Windows-1252
character, and (for the plain six-dot font) draws as many dots as the table
says.  With --render DIR it also writes one PNG sample line per font (needs
ImageMagick's convert) to look at.

Usage: check_fonts.py FONT_DIR [--render DIR]
"""
import os
import subprocess
import sys

from fontTools.ttLib import TTFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import braille_table as bt  # noqa: E402

FAMILIES = {
    "zevsim.ttf": "ZEV Simboli",
    "zevbrl6_all.ttf": "tvpZEV Braille 6",
    "zevbrl8.ttf": "ZEV Braille 8",
    "daduvot.ttf": "tvpDaduvo Test",
    "Greek1.ttf": "Greek1",
    "zevbrl6m.ttf": "ZEV Braille 6 M",
    "zevbrl6mnd.ttf": "ZEV Braille 6 MND",
    "zevbrl6nd.ttf": "ZEV Braille 6",
}
SAMPLE = "Abc xyz #123 àèéìòù (+-=) ,.;:!?"
MUSIC_SAMPLE = "S C D E  B N #  O M P  3/4 | !"


def names(font, ident):
    return {r.toUnicode() for r in font["name"].names if r.nameID == ident}


def check(path, family):
    errors = []
    font = TTFont(path)
    for ident in (1, 4, 16):
        got = names(font, ident)
        if ident == 16 and not got:
            continue
        if got != {family}:
            errors.append("name ID %d is %r, not %r" % (ident, got, family))
    cmap = font.getBestCmap()
    missing = [ch for _, ch in bt.windows1252_chars() if ord(ch) not in cmap]
    if missing:
        errors.append("characters not mapped: %r" % "".join(missing))
    if family == "ZEV Braille 6":
        # one contour per raised dot
        glyf = font["glyf"]
        for _, ch in bt.windows1252_chars():
            g = glyf[cmap[ord(ch)]]
            n = max(g.numberOfContours, 0)
            want = sum(len(c) for c in bt.cells6(ch))
            if n != want:
                errors.append("%r has %d dots, table says %s"
                              % (ch, n, bt.dots_text(bt.cells6(ch))))
    return errors


def render(font_dir, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    lines = []
    for fname in FAMILIES:
        text = MUSIC_SAMPLE if fname == "daduvot.ttf" else SAMPLE
        png = os.path.join(out_dir, fname.replace(".ttf", ".png"))
        subprocess.run(["convert", "-background", "white", "-fill", "black",
                        "-font", os.path.join(font_dir, fname),
                        "-pointsize", "36", "label:" + text, png], check=True)
        lines.append(png)
    subprocess.run(["convert"] + lines + ["-append",
                    os.path.join(out_dir, "all-fonts.png")], check=True)
    print("samples in", out_dir)


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    font_dir = sys.argv[1]
    bad = 0
    for fname, family in FAMILIES.items():
        errors = check(os.path.join(font_dir, fname), family)
        print("%-16s %-20s %s" % (fname, family,
                                  "ok" if not errors else "FAILED"))
        for e in errors[:10]:
            print("    " + e)
        bad += bool(errors)
    if "--render" in sys.argv:
        render(font_dir, sys.argv[sys.argv.index("--render") + 1])
    sys.exit(1 if bad else 0)


if __name__ == "__main__":
    main()
