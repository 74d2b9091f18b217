#!/usr/bin/python3
"""Make the eight TrueType fonts of course/font/ from DejaVu Sans.

The braille dot is the dot outline of DejaVu Sans's braille patterns
(U+2800-U+28FF); the print letters of "ZEV Simboli" and the music signs of
"tvpDaduvo Test" are DejaVu Sans glyphs too.  The character-to-cell table is
in braille_table.py.

Usage: make_fonts.py OUTPUT_DIR        (writes the fonts and LICENSE-DejaVu.txt)
       make_fonts.py --markdown        (prints the table for the docs)
"""
import math
import os
import shutil
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.reverseContourPen import ReverseContourPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import braille_table as bt  # noqa: E402

DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
DEJAVU_COPYRIGHT = "/usr/share/doc/fonts-dejavu-core/copyright"
UPM = 2048
CELL_WIDTH = 1800   # wider than DejaVu's 1500: cells stand apart as on paper
CELL_SHIFT = (CELL_WIDTH - 1500) / 2  # dots stay centred in the cell
# Bottom-left corner of each dot and the dot size: read from DejaVu Sans's
# braille patterns U+2801 (dot 1) ... U+2880 (dot 8) at start-up.
DOT_POS = {}
DOT_SIZE = 300
DOT_SCALE = 1.12   # the round dot is drawn a little larger than the square
FIXED_TIME = 3786825600  # 2024-01-01, seconds since 1904: reproducible files
VERSION = "Version 1.000"
LICENSE_NOTE = ("Glyph outlines derived from DejaVu Sans "
                "(Bitstream Vera licence; DejaVu changes are in the public "
                "domain). See LICENSE-DejaVu.txt. Not a Bitstream or Vera font.")


class Source:
    def __init__(self):
        self.font = TTFont(DEJAVU)
        self.glyphs = self.font.getGlyphSet()
        self.cmap = self.font.getBestCmap()
        glyf = self.font["glyf"]
        for k in range(8):
            g = glyf[self.cmap[0x2800 + (1 << k)]]
            g.recalcBounds(glyf)
            DOT_POS[k + 1] = (g.xMin, g.yMin)
        global DOT_SIZE
        DOT_SIZE = g.xMax - g.xMin
        # DejaVu's braille dots are squares: the round dot is DejaVu's
        # BLACK CIRCLE (U+25CF), scaled to the dot's box.
        circle = glyf[self.cmap[0x25CF]]
        circle.recalcBounds(glyf)
        size = circle.xMax - circle.xMin
        s = DOT_SIZE * DOT_SCALE / size
        cx = (circle.xMin + circle.xMax) / 2
        cy = (circle.yMin + circle.yMax) / 2
        x1, y1 = DOT_POS[1]
        rec = DecomposingRecordingPen(self.glyphs)
        move = (s, 0, 0, s, x1 + DOT_SIZE / 2 - cx * s,
                y1 + DOT_SIZE / 2 - cy * s)
        self.glyphs[self.cmap[0x25CF]].draw(TransformPen(rec, move))
        self.dot = rec  # a round dot at dot 1's place

    def outline(self, cp):
        """The glyph of `cp`, components decomposed, as a recording."""
        rec = DecomposingRecordingPen(self.glyphs)
        self.glyphs[self.cmap[cp]].draw(rec)
        return rec

    def has(self, cp):
        return cp in self.cmap

    def draw_dot(self, pen, dot, dx=0, scale=1.0, hole=False):
        """A dot (or, with hole=True, a reversed smaller dot that punches a
        hole) at the place of dot number `dot`, shifted by dx."""
        x, y = DOT_POS[dot]
        cx, cy = x + DOT_SIZE / 2, y + DOT_SIZE / 2
        # The source dot is at dot 1's place: move its centre to (cx, cy).
        c1x, c1y = DOT_POS[1][0] + DOT_SIZE / 2, DOT_POS[1][1] + DOT_SIZE / 2
        t = (scale, 0, 0, scale, cx + dx + CELL_SHIFT - c1x * scale,
             cy - c1y * scale)
        target = ReverseContourPen(pen) if hole else pen
        self.dot.replay(TransformPen(target, t))

    def draw_char(self, pen, cp, transform):
        self.outline(cp).replay(TransformPen(pen, transform))

    def advance(self, cp):
        return self.font["hmtx"][self.cmap[cp]][0]


def cell_glyph(src, dots, shadow=False, positions=6, dx=0, pen=None):
    """Draw a cell: raised dots filled; with shadow, the other positions as
    thin rings so that the whole cell can be seen."""
    pen = pen or TTGlyphPen(None)
    all_dots = [1, 2, 3, 4, 5, 6] + ([7, 8] if positions == 8 else [])
    for d in all_dots:
        if str(d) in dots:
            src.draw_dot(pen, d, dx)
        elif shadow:
            src.draw_dot(pen, d, dx, scale=0.80)
            src.draw_dot(pen, d, dx, scale=0.56, hole=True)
    return pen


class Builder:
    def __init__(self, family, ascent=1901, descent=-483):
        self.family = family
        self.ascent, self.descent = ascent, descent
        self.order = [".notdef", "space"]
        self.glyphs = {}
        self.widths = {}
        self.cmap = {}
        self.by_key = {}
        empty = TTGlyphPen(None)
        self.glyphs[".notdef"] = self._notdef()
        self.widths[".notdef"] = CELL_WIDTH
        self.glyphs["space"] = empty.glyph()
        self.widths["space"] = CELL_WIDTH

    def _notdef(self):
        pen = TTGlyphPen(None)
        for (x0, y0, x1, y1), rev in (((300, 0, 1500, 1700), False),
                                      ((400, 100, 1400, 1600), True)):
            p = ReverseContourPen(pen) if rev else pen
            p.moveTo((x0, y0))
            p.lineTo((x0, y1))
            p.lineTo((x1, y1))
            p.lineTo((x1, y0))
            p.closePath()
        return pen.glyph()

    def add(self, key, draw, width=CELL_WIDTH):
        """Add a glyph once per key; `draw(pen)` draws it. Returns its name."""
        if key in self.by_key:
            return self.by_key[key]
        name = "g%03d" % len(self.order)
        pen = TTGlyphPen(None)
        draw(pen)
        self.glyphs[name] = pen.glyph()
        self.widths[name] = width
        self.order.append(name)
        self.by_key[key] = name
        return name

    def map(self, cp, name):
        self.cmap[cp] = name

    def save(self, path):
        fb = FontBuilder(UPM, isTTF=True)
        fb.setupGlyphOrder(self.order)
        fb.setupCharacterMap(self.cmap)
        fb.setupGlyf(self.glyphs)
        metrics = {}
        for n in self.order:
            g = self.glyphs[n]
            g.recalcBounds(fb.font["glyf"])
            metrics[n] = (self.widths[n], getattr(g, "xMin", 0))
        fb.setupHorizontalMetrics(metrics)
        fb.setupHorizontalHeader(ascent=self.ascent, descent=self.descent)
        ps = self.family.replace(" ", "") + "-Regular"
        fb.setupNameTable({
            "copyright": LICENSE_NOTE,
            "familyName": self.family,
            "styleName": "Regular",
            "uniqueFontIdentifier": "SentieroDeiPunti: %s: 1.0" % self.family,
            "fullName": self.family,
            "version": VERSION,
            "psName": ps,
            "description": "Font of the braille course Sentiero dei Punti.",
            "licenseDescription": LICENSE_NOTE,
        })
        fb.setupOS2(sTypoAscender=self.ascent, sTypoDescender=self.descent,
                    sTypoLineGap=0, usWinAscent=self.ascent,
                    usWinDescent=-self.descent, achVendID="SDP ",
                    fsType=0, ulCodePageRange1=1, ulCodePageRange2=0,
                    sxHeight=1100, sCapHeight=1500, usWeightClass=400)
        fb.setupPost()
        head = fb.font["head"]
        head.created = head.modified = FIXED_TIME
        fb.font.recalcTimestamp = False
        os2 = fb.font["OS/2"]
        if hasattr(os2, "recalcUnicodeRanges"):
            os2.recalcUnicodeRanges(fb.font)
        fb.save(path)


def text_codepoints():
    """(code point, character) pairs the braille fonts map: the Windows-1252
    printable characters by their Unicode code points, and also by the code
    point equal to their byte (U+0080-U+009F), for text decoded as Latin-1."""
    pairs = []
    for b, ch in bt.windows1252_chars():
        pairs.append((ord(ch), ch))
        if 0x80 <= b <= 0x9F:
            pairs.append((b, ch))
    return pairs


def braille_font(src, family, table, shadow, mirror=False, positions=6,
                 greek=False):
    fb = Builder(family)

    def cell(dots):
        dots = bt.mirror(dots) if mirror else dots
        return fb.add(("cell", dots),
                      lambda pen: cell_glyph(src, dots, shadow, positions,
                                             pen=pen))

    def two_cells(first, second):
        if mirror:  # written from right to left on the slate
            first, second = bt.mirror(second), bt.mirror(first)

        def draw(pen):
            cell_glyph(src, first, shadow, positions, pen=pen)
            cell_glyph(src, second, shadow, positions, dx=CELL_WIDTH, pen=pen)
        return fb.add(("two", first, second), draw, width=2 * CELL_WIDTH)

    for cp, ch in text_codepoints():
        if greek and ch in bt.GREEK_KEYS:
            latin = bt.GREEK[bt.GREEK_KEYS[ch]]
            fb.map(cp, two_cells(bt.GREEK_PREFIX, bt.cell6(latin)))
        elif greek and ch.lower() in bt.GREEK_KEYS:
            latin = bt.GREEK[bt.GREEK_KEYS[ch.lower()]]
            fb.map(cp, two_cells(bt.GREEK_PREFIX, bt.cell6(latin)))
        else:
            fb.map(cp, cell(table(ch)))
    fb.map(0x20, "space")
    fb.map(0xA0, "space")
    if greek:
        for g, latin in bt.GREEK.items():
            name = two_cells(bt.GREEK_PREFIX, bt.cell6(latin))
            fb.map(ord(g), name)
            if g.upper() != g and len(g.upper()) == 1 and g not in "ςϕϖ":
                fb.map(ord(g.upper()), name)
    # The braille patterns themselves (eight-dot ones only in the 8-dot font).
    limit = 256 if positions == 8 else 64
    for m in range(limit):
        dots = "".join(str(k + 1) for k in range(8) if m >> k & 1)
        fb.map(0x2800 + m, cell(dots))
    return fb


def simboli_font(src, family):
    """Each character as its six-dot cell with the print character, small,
    underneath (a reading aid for sighted teachers and beginners)."""
    fb = Builder(family, ascent=1800, descent=-900)
    scale = 0.42
    for cp, ch in text_codepoints():
        dots = bt.cell6(ch)
        if ch in " \u00a0":
            fb.map(cp, "space")
            continue
        pcp = ord(ch)

        def draw(pen, dots=dots, pcp=pcp):
            cell_glyph(src, dots, shadow=True, pen=pen)
            if src.has(pcp):
                w = src.advance(pcp) * scale
                t = (scale, 0, 0, scale, (CELL_WIDTH - w) / 2, -640)
                src.draw_char(pen, pcp, t)
        fb.map(cp, fb.add(("sym", ch), draw))
    for m in range(64):
        dots = "".join(str(k + 1) for k in range(6) if m >> k & 1)
        fb.map(0x2800 + m, fb.add(("cell", dots),
                                  lambda pen, d=dots: cell_glyph(
                                      src, d, shadow=True, pen=pen)))
    return fb


def music_font(src, family):
    """DejaVu Sans's own glyphs, except the keys of bt.MUSIC_KEYS, which
    draw music signs."""
    fb = Builder(family)

    def copy(cp, width=None):
        def draw(pen):
            src.draw_char(pen, cp, (1, 0, 0, 1, 0, 0))
        return fb.add(("char", cp), draw, width=width or src.advance(cp))
    def minima(pen):
        """A half note: the crotchet U+2669 with a hole in its head (a
        reversed, tilted ellipse made from U+25CF)."""
        src.draw_char(pen, 0x2669, (1, 0, 0, 1, 0, 0))
        ang = math.radians(25)
        sx, sy = 290 / 1563, 140 / 1564
        c, s = math.cos(ang), math.sin(ang)
        # scale about the circle's centre, rotate, move to the head's centre
        ccx, ccy = (112 + 1675) / 2, (-252 + 1312) / 2
        a, b, cc, d = sx * c, sx * s, -sy * s, sy * c
        t = (a, b, cc, d, 405 - (a * ccx + cc * ccy), 150 - (b * ccx + d * ccy))
        src.outline(0x25CF).replay(TransformPen(ReverseContourPen(pen), t))

    for cp, ch in text_codepoints():
        if ch == "M":
            fb.map(cp, fb.add(("minima",), minima, width=src.advance(0x2669)))
        elif ch in bt.MUSIC_KEYS:
            fb.map(cp, copy(bt.MUSIC_KEYS[ch][0]))
        elif ch in " \u00a0":
            fb.map(cp, fb.add(("space",), lambda pen: None,
                              width=src.advance(0x20)))
        elif src.has(ord(ch)):
            fb.map(cp, copy(ord(ch)))
    for cp in range(0x2669, 0x2670):  # the music signs at their own places
        fb.map(cp, copy(cp))
    return fb


FONTS = [
    # file, family, maker
    ("zevbrl6_all.ttf", "tvpZEV Braille 6",
     lambda s, f: braille_font(s, f, bt.cell6, shadow=True)),
    ("zevbrl6nd.ttf", "ZEV Braille 6",
     lambda s, f: braille_font(s, f, bt.cell6, shadow=False)),
    ("zevbrl6m.ttf", "ZEV Braille 6 M",
     lambda s, f: braille_font(s, f, bt.cell6, shadow=True, mirror=True)),
    ("zevbrl6mnd.ttf", "ZEV Braille 6 MND",
     lambda s, f: braille_font(s, f, bt.cell6, shadow=False, mirror=True)),
    ("zevbrl8.ttf", "ZEV Braille 8",
     lambda s, f: braille_font(s, f, bt.cell8, shadow=False, positions=8)),
    ("Greek1.ttf", "Greek1",
     lambda s, f: braille_font(s, f, bt.cell6, shadow=False, greek=True)),
    ("zevsim.ttf", "ZEV Simboli", simboli_font),
    ("daduvot.ttf", "tvpDaduvo Test", music_font),
]


def markdown_table():
    rows = ["| byte | char | 6 dots | 8 dots |", "|---|---|---|---|"]
    for b, ch in bt.windows1252_chars():
        shown = {" ": "(blank)", "\u00a0": "(no-break space)",
                 "\u00ad": "(soft hyphen)", "|": "\\|"}.get(ch, ch)
        if shown in ("`",):
            shown = "`` ` ``"
        d6 = bt.cell6(ch) or "(empty)"
        d8 = bt.cell8(ch) or "(empty)"
        rows.append("| 0x%02X | %s | %s | %s |" % (b, shown, d6, d8))
    return "\n".join(rows)


def main():
    if sys.argv[1:] == ["--markdown"]:
        print(markdown_table())
        return
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    src = Source()
    for fname, family, maker in FONTS:
        fb = maker(src, family)
        fb.save(os.path.join(out, fname))
        print("wrote %s (%s, %d glyphs)" % (fname, family, len(fb.order)))
    shutil.copyfile(DEJAVU_COPYRIGHT, os.path.join(out, "LICENSE-DejaVu.txt"))


if __name__ == "__main__":
    main()
