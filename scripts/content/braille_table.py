# SPDX-License-Identifier: GPL-3.0-or-later
"""Character-to-cell table of the Sentiero dei Punti braille fonts.

The table itself is the course's file course/braille6.txt (one character a
line: Windows-1252 byte, cells, character); this module reads it.  The fonts,
the code table page and the documentation are made from it, so they cannot
disagree.  A character may give more than one cell: a capital letter is the
capital sign 46 followed by the cell of its small letter, as Italian braille
writes it.  A cell is written as its dot numbers, e.g. "1245" for g; "" is the
empty cell.
"""
import os

TABLE_FILE = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                          "..", "..", "course", "braille6.txt")

NUMBER_SIGN = "3456"
CAPITAL_SIGN = "46"
# Signs without a braille form of their own get the full cell.
FALLBACK = "123456"


def read_table(path=TABLE_FILE):
    """{unicode character: [cell, ...]} from a cell table file."""
    table = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            parts = line.split()
            if len(parts) < 2:
                raise ValueError("%s:%d: byte and cells expected" % (path, number))
            ch = bytes([int(parts[0], 16)]).decode("cp1252")
            cells = ["" if c == "0" else c for c in parts[1].split("-")]
            for c in cells:
                if any(d not in "123456" for d in c) or len(set(c)) != len(c):
                    raise ValueError("%s:%d: bad cell %r" % (path, number, c))
            table[ch] = ["".join(sorted(c)) for c in cells]
    return table


TABLE = read_table()

# The groups the code table page shows, in print order.
LETTERS = "abcdefghijklmnopqrstuvwxyz"
ITALIAN_ACCENTED = "àèéìòù"
DIGITS = "1234567890"
PUNCTUATION = ".,;:?!'-«»()"
MATH = "+-×:=()"


def windows1252_chars():
    """The printable characters of Windows-1252 (codes 0x20-0xFF, the five
    unassigned codes left out), as (byte, unicode character) pairs."""
    out = []
    for b in range(0x20, 0x100):
        if b == 0x7F:
            continue
        try:
            ch = bytes([b]).decode("cp1252")
        except UnicodeDecodeError:
            continue
        out.append((b, ch))
    return out


def _lower(ch):
    low = ch.lower()
    return low if len(low) == 1 else ch


def cells6(ch):
    """The cells of a character in the six-dot table (a list of dot strings;
    [""] for the blank)."""
    return TABLE.get(ch, [FALLBACK])


def cell6(ch):
    """The character's own cell, without the capital sign in front (the cell
    of the small letter for a capital)."""
    return cells6(ch)[-1]


def is_capital(ch):
    return ch.isalpha() and ch != ch.lower() and len(ch.lower()) == 1


def cell8(ch):
    """Eight-dot table: one cell, the six-dot cell of the small letter plus
    dot 7 on capital letters, and dot 8 on digits (so that digits need no
    number sign)."""
    d = cell6(ch)
    if is_capital(ch):
        d += "7"
    elif ch in DIGITS:
        d += "8"
    return "".join(sorted(d))


def dots_text(cells):
    """Cells as written in the table file: "46-1235", "0" for the empty cell."""
    return "-".join(c or "0" for c in cells)


# Greek letters (Italian braille: the prefix 45 followed by a Latin letter).
GREEK = {
    "α": "a", "β": "b", "γ": "g", "δ": "d", "ε": "e", "ζ": "z", "η": "h",
    "θ": "j", "ι": "i", "κ": "k", "λ": "l", "μ": "m", "ν": "n", "ξ": "x",
    "ο": "o", "π": "p", "ρ": "r", "σ": "s", "ς": "s", "τ": "t", "υ": "u",
    "φ": "f", "χ": "q", "ψ": "y", "ω": "w", "ϕ": "f", "ϖ": "p",
}
GREEK_PREFIX = "45"

# Keys of the Greek1 font: the classic "Symbol" keyboard layout.
GREEK_KEYS = {
    "a": "α", "b": "β", "c": "χ", "d": "δ", "e": "ε", "f": "φ", "g": "γ",
    "h": "η", "i": "ι", "j": "ϕ", "k": "κ", "l": "λ", "m": "μ", "n": "ν",
    "o": "ο", "p": "π", "q": "θ", "r": "ρ", "s": "σ", "t": "τ", "u": "υ",
    "v": "ϖ", "w": "ω", "x": "ξ", "y": "ψ", "z": "ζ",
}


def mirror(dots):
    """The cell as seen when writing with slate and stylus (left and right
    columns exchanged)."""
    swap = {"1": "4", "2": "5", "3": "6", "4": "1", "5": "2", "6": "3",
            "7": "8", "8": "7"}
    return "".join(sorted(swap[d] for d in dots))


def mask(dots):
    """Unicode braille pattern offset (bit k-1 for dot k)."""
    m = 0
    for d in dots:
        m |= 1 << (int(d) - 1)
    return m


def unicode_cells(text):
    """Text as Unicode braille patterns (for documentation and checks)."""
    return "".join(chr(0x2800 + mask(c)) for ch in text for c in cells6(ch))


# Music signs of the "tvpDaduvo Test" font: key -> (code point in DejaVu Sans,
# Italian name).  Every other character keeps DejaVu Sans's own glyph (so "|"
# is the bar line, digits write time signatures like 3/4).
MUSIC_KEYS = {
    "S": (0x2669, "semiminima"),
    "C": (0x266A, "croma"),
    "D": (0x266B, "due crome unite"),
    "E": (0x266C, "due semicrome unite"),
    "B": (0x266D, "bemolle"),
    "N": (0x266E, "bequadro"),
    "#": (0x266F, "diesis"),
    "O": (0x25CB, "semibreve (cerchio vuoto)"),
    "M": (0x2669, "minima (the crotchet with a hollow head, drawn by the generator)"),
    "!": (0x2016, "doppia stanghetta (fine del brano)"),
}

# Signs drawn by the generator (no DejaVu glyph): key -> Italian name.  The
# dotted notes sit on the bytes into which the exercise windows rewrite the
# pairs FE F4, FE F2, FE F1 and FF F1 (the pair's second byte becomes "v",
# which the music font draws as nothing).
MUSIC_DRAWN = {
    "P": "pausa di semibreve",
    "Q": "pausa di minima",
    "R": "pausa di semiminima",
    "T": "pausa di croma",
    "\u00d3": "semiminima puntata (coppia FE F4)",
    "\u00d4": "croma puntata (coppia FE F2)",
    "\u00d2": "minima puntata (coppia FE F1)",
    "\u00da": "semibreve puntata (coppia FF F1)",
    "v": "nulla (secondo byte delle coppie riscritte)",
}
