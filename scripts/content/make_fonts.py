#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Make the eight TrueType fonts of course/font/ from DejaVu Sans.

The braille cells are drawn here (round dots, rings for the empty
positions); the print letters of "ZEV Simboli" and the music signs of
"tvpDaduvo Test" are DejaVu Sans glyphs.  The character-to-cell table is the
course's course/braille6.txt, read by braille_table.py.

Usage: make_fonts.py OUTPUT_DIR        (writes the fonts and LICENSE-DejaVu.txt)
       make_fonts.py --markdown        (prints the table for the docs)
"""
import math
import os
import shutil
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.recordingPen import DecomposingRecordingPen, RecordingPen
from fontTools.pens.reverseContourPen import ReverseContourPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import braille_table as bt  # noqa: E402

DEJAVU = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
DEJAVU_COPYRIGHT = "/usr/share/doc/fonts-dejavu-core/copyright"
UPM = 2048
CELL_WIDTH = 2200   # about 3 times the dot spacing: between the cells of a word
#                     there is twice the room there is between the dots of a cell
# Dot centres of the six-dot cell: two columns, three rows, the cell filling
# most of the line height (ascent 1901, descent 483) so that it reads at a
# glance at the 29 px of the answer boxes (dots about 8 px wide, cells about
# 31 px apart) and at the 34 px of the pages.
COLUMNS = (480, 1220)
ROWS6 = (1530, 790, 50)
DOT6 = 560
# The eight-dot cell has a fourth row: rows closer together, dots smaller.
ROWS8 = (1560, 1010, 460, -90)
DOT8 = 440
RING_OUTER = 0.62   # an empty position: a ring, so that the whole cell shows
RING_HOLE = 0.36
FIXED_TIME = 3786825600  # 2024-01-01, seconds since 1904: reproducible files
VERSION = "Version 1.000"
LICENSE_NOTE = ("Glyph outlines derived from DejaVu Sans "
                "(Bitstream Vera licence; DejaVu changes are in the public "
                "domain). See LICENSE-DejaVu.txt. Not a Bitstream or Vera font.")


def circle(pen, cx, cy, r, reverse=False):
    """A circle: eight off-curve points on a radius r / cos(22.5 degrees),
    whose implied on-curve midpoints lie on the circle. Clockwise (filled)
    unless reverse (a hole)."""
    rr = r / math.cos(math.pi / 8)
    sign = 1 if reverse else -1
    points = [(round(cx + rr * math.cos(sign * (math.pi / 8 + math.pi / 4 * i))),
               round(cy + rr * math.sin(sign * (math.pi / 8 + math.pi / 4 * i))))
              for i in range(8)]
    pen.qCurveTo(*points, None)
    pen.closePath()


def polygon(pen, points):
    """A filled polygon, turned clockwise whatever order the points come in
    (so that overlapping shapes add up instead of punching holes)."""
    area = sum(x0 * y1 - x1 * y0 for (x0, y0), (x1, y1)
               in zip(points, points[1:] + points[:1]))
    if area > 0:
        points = points[::-1]
    pen.moveTo(points[0])
    for pt in points[1:]:
        pen.lineTo(pt)
    pen.closePath()


def stroke(pen, a, b, width):
    """A straight stroke from a to b, `width` units thick."""
    dx, dy = b[0] - a[0], b[1] - a[1]
    n = math.hypot(dx, dy) or 1
    ox, oy = -dy / n * width / 2, dx / n * width / 2
    polygon(pen, [(round(a[0] + ox), round(a[1] + oy)), (round(b[0] + ox), round(b[1] + oy)),
                  (round(b[0] - ox), round(b[1] - oy)), (round(a[0] - ox), round(a[1] - oy))])


def dot_centre(dot, positions):
    rows = ROWS8 if positions == 8 else ROWS6
    col = 0 if dot in (1, 2, 3, 7) else 1
    row = {1: 0, 2: 1, 3: 2, 4: 0, 5: 1, 6: 2, 7: 3, 8: 3}[dot]
    return COLUMNS[col], rows[row]


class Source:
    def __init__(self):
        self.font = TTFont(DEJAVU)
        self.glyphs = self.font.getGlyphSet()
        self.cmap = self.font.getBestCmap()

    def outline(self, cp):
        """The glyph of `cp`, components decomposed, as a recording."""
        rec = DecomposingRecordingPen(self.glyphs)
        self.glyphs[self.cmap[cp]].draw(rec)
        return rec

    def has(self, cp):
        return cp in self.cmap

    def draw_char(self, pen, cp, transform):
        self.outline(cp).replay(TransformPen(pen, transform))

    def advance(self, cp):
        return self.font["hmtx"][self.cmap[cp]][0]


def cell_glyph(src, dots, shadow=False, positions=6, dx=0, pen=None):
    """Draw a cell: raised dots filled; with shadow, the other positions as
    rings so that the whole cell can be seen."""
    pen = pen or TTGlyphPen(None)
    size = DOT8 if positions == 8 else DOT6
    all_dots = [1, 2, 3, 4, 5, 6] + ([7, 8] if positions == 8 else [])
    for d in all_dots:
        x, y = dot_centre(d, positions)
        if str(d) in dots:
            circle(pen, x + dx, y, size / 2)
        elif shadow:
            circle(pen, x + dx, y, size / 2 * RING_OUTER)
            circle(pen, x + dx, y, size / 2 * RING_HOLE, reverse=True)
    return pen


def cells_glyph(src, cells, shadow=False, positions=6, pen=None):
    pen = pen or TTGlyphPen(None)
    for i, dots in enumerate(cells):
        cell_glyph(src, dots, shadow, positions, dx=i * CELL_WIDTH, pen=pen)
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


def braille_font(src, family, shadow, mirror=False, positions=6,
                 greek=False):
    """Six-dot fonts draw each character as its cells of the table (a capital
    letter as two cells); the eight-dot font draws one cell per character."""
    fb = Builder(family)

    def glyph(cells):
        cells = list(cells)
        if mirror:  # written from right to left on the slate
            cells = [bt.mirror(c) for c in reversed(cells)]
        return fb.add(("cells", tuple(cells)),
                      lambda pen: cells_glyph(src, cells, shadow, positions,
                                              pen=pen),
                      width=CELL_WIDTH * len(cells))

    for cp, ch in text_codepoints():
        if greek and ch.lower() in bt.GREEK_KEYS:
            latin = bt.GREEK[bt.GREEK_KEYS[ch.lower()]]
            fb.map(cp, glyph([bt.GREEK_PREFIX, bt.cell6(latin)]))
        elif positions == 8:
            fb.map(cp, glyph([bt.cell8(ch)]))
        else:
            fb.map(cp, glyph(bt.cells6(ch)))
    fb.map(0x20, "space")
    fb.map(0xA0, "space")
    if greek:
        for g, latin in bt.GREEK.items():
            name = glyph([bt.GREEK_PREFIX, bt.cell6(latin)])
            fb.map(ord(g), name)
            if g.upper() != g and len(g.upper()) == 1 and g not in "ςϕϖ":
                fb.map(ord(g.upper()), name)
    # The braille patterns themselves (eight-dot ones only in the 8-dot font).
    limit = 256 if positions == 8 else 64
    for m in range(limit):
        dots = "".join(str(k + 1) for k in range(8) if m >> k & 1)
        fb.map(0x2800 + m, glyph([dots]))
    return fb


def simboli_font(src, family):
    """Each character as its six-dot cell with the print character, small,
    underneath (a reading aid for sighted teachers and beginners)."""
    fb = Builder(family, ascent=1800, descent=-900)
    scale = 0.42
    for cp, ch in text_codepoints():
        cells = bt.cells6(ch)
        if ch in " \u00a0":
            fb.map(cp, "space")
            continue
        pcp = ord(ch)
        width = CELL_WIDTH * len(cells)

        def draw(pen, cells=cells, pcp=pcp, width=width):
            # the cells a little smaller, to leave room for the print sign
            sub = RecordingPen()
            cells_glyph(src, cells, shadow=True, pen=sub)
            sub.replay(TransformPen(pen, (0.75, 0, 0, 0.75, width * 0.125, 380)))
            if src.has(pcp):
                w = src.advance(pcp) * scale
                t = (scale, 0, 0, scale, (width - w) / 2, -760)
                src.draw_char(pen, pcp, t)
        fb.map(cp, fb.add(("sym", ch), draw, width=width))
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

    def dotted(base, width, dot_x):
        """A dotted note: the note and the augmentation dot right of its
        head."""
        def draw(pen):
            base(pen)
            circle(pen, dot_x, 170, 95)
        return draw, width

    def glyph_of(cp):
        return lambda pen: src.draw_char(pen, cp, (1, 0, 0, 1, 0, 0))

    drawings = {
        "P": (lambda pen: (polygon(pen, [(150, 1100), (1050, 1100), (1050, 1150), (150, 1150)]),
                           polygon(pen, [(330, 820), (870, 820), (870, 1100), (330, 1100)])), 1200),
        "Q": (lambda pen: (polygon(pen, [(150, 500), (1050, 500), (1050, 550), (150, 550)]),
                           polygon(pen, [(330, 550), (870, 550), (870, 830), (330, 830)])), 1200),
        "R": (lambda pen: [stroke(pen, a, b, 70) for a, b in (
            ((420, 1450), (720, 1080)), ((720, 1080), (440, 820)),
            ((440, 820), (740, 470)), ((740, 470), (520, 330)))], 1100),
        "T": (lambda pen: (circle(pen, 430, 1080, 120),
                           stroke(pen, (430, 1000), (800, 1150), 60),
                           stroke(pen, (800, 1150), (480, 150), 75)), 1100),
        "\u00d3": dotted(glyph_of(0x2669), 1150, 850),    # semiminima puntata
        "\u00d4": dotted(glyph_of(0x266A), 1480, 1270),   # croma puntata
        "\u00d2": dotted(minima, 1150, 850),              # minima puntata
        "\u00da": dotted(glyph_of(0x25CB), 2080, 1870),   # semibreve puntata
        "v": (lambda pen: None, 0),   # after a dotted note of the pairs: nothing
    }

    for cp, ch in text_codepoints():
        if ch in drawings:
            draw, width = drawings[ch]
            fb.map(cp, fb.add(("drawn", ch), draw, width=width))
        elif ch == "M":
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
     lambda s, f: braille_font(s, f, shadow=True)),
    ("zevbrl6nd.ttf", "ZEV Braille 6",
     lambda s, f: braille_font(s, f, shadow=False)),
    ("zevbrl6m.ttf", "ZEV Braille 6 M",
     lambda s, f: braille_font(s, f, shadow=True, mirror=True)),
    ("zevbrl6mnd.ttf", "ZEV Braille 6 MND",
     lambda s, f: braille_font(s, f, shadow=False, mirror=True)),
    ("zevbrl8.ttf", "ZEV Braille 8",
     lambda s, f: braille_font(s, f, shadow=False, positions=8)),
    ("Greek1.ttf", "Greek1",
     lambda s, f: braille_font(s, f, shadow=False, greek=True)),
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
        d6 = bt.dots_text(bt.cells6(ch)).replace("0", "(empty)")
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
