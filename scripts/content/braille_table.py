"""Character-to-cell table of the Sentiero dei Punti braille fonts.

One character gives one cell (the fonts draw a character as a single glyph).
A cell is written as its dot numbers, e.g. "1245" for g; "" is the empty cell.
The same table feeds the font generator, the code table page and the
documentation (docs/braille-fonts.md), so they cannot disagree.

Sources and choices are described next to each group; see also the docs.
"""

# --- letters: Italian braille (the Louis Braille alphabet) -------------------
LETTERS = {
    "a": "1", "b": "12", "c": "14", "d": "145", "e": "15", "f": "124",
    "g": "1245", "h": "125", "i": "24", "j": "245", "k": "13", "l": "123",
    "m": "134", "n": "1345", "o": "135", "p": "1234", "q": "12345",
    "r": "1235", "s": "234", "t": "2345", "u": "136", "v": "1236",
    "w": "2456", "x": "1346", "y": "13456", "z": "1356",
}

# Accented letters of Italian (grave and acute), as taught in Italy.
ITALIAN_ACCENTED = {
    "à": "12356", "è": "2346", "é": "123456", "ì": "34", "ò": "346",
    "ù": "23456",
}

# Other accented Latin-1 letters.  Acute forms of a i o u take the cell of the
# grave form (Italian writes only one of them); circumflex and diaeresis
# letters follow the Italian 6-dot computer braille of liblouis
# (it-it-comp6.utb); the remaining ones are drawn as their base letter.
OTHER_ACCENTED = {
    "á": "12356", "í": "34", "ó": "346", "ú": "23456",
    "â": "16", "ê": "126", "î": "146", "ô": "1456", "û": "156",
    "ä": "345", "ë": "1246", "ï": "12456", "ö": "246", "ü": "1256",
    "ç": "12346", "ñ": "12456", "æ": "345",
    "ã": "1", "å": "1", "õ": "135", "ø": "135", "ð": "145", "þ": "2345",
    "ý": "13456", "ÿ": "13456", "ß": "234",
    "š": "234", "ž": "1356", "œ": "135", "ƒ": "124",
}

# Digits: the cells of a-j (the number sign 3456 is written before them).
DIGITS = {"1": "1", "2": "12", "3": "14", "4": "145", "5": "15",
          "6": "124", "7": "1245", "8": "125", "9": "24", "0": "245"}

NUMBER_SIGN = "3456"

# Signs written by the arithmetic exercises: Italian mathematical braille.
MATH = {
    "+": "235",   # più
    "-": "36",    # meno (also the literary hyphen)
    "=": "2356",  # uguale
    "(": "236",   # parentesi tonda aperta
    ")": "356",   # parentesi tonda chiusa
    "*": "35",    # per (moltiplicazione)
    "/": "256",   # diviso / linea di frazione
    ",": "2",     # virgola decimale
    ".": "256",   # punto (same cell as the full stop)
    "#": NUMBER_SIGN,
}

# Literary punctuation (Italian braille).
PUNCTUATION = {
    "!": "235", "?": "26", ";": "23", ":": "25", "'": "3",
    "\"": "2356", "«": "236", "»": "356",
    "‘": "3", "’": "3", "‚": "2", "“": "2356", "”": "2356", "„": "56",
    "‹": "236", "›": "356", "–": "36", "—": "36", "…": "256",
    "¡": "235", "¿": "26", "\u00ad": "36",
}

# Other ASCII signs: Italian 6-dot computer braille (liblouis it-it-comp6.utb,
# the one-cell-per-character version), so that every key has one cell.
SIGNS = {
    "$": "46", "%": "123456", "&": "12346", "<": "56", ">": "45",
    "@": "345", "[": "12356", "\\": "6", "]": "23456", "^": "2346",
    "_": "456", "`": "345", "{": "12356", "|": "34", "}": "23456",
    "~": "2346",
}

# Other Windows-1252 signs: our choice, the cell of a related letter or sign.
OTHER_SIGNS = {
    "€": "15", "ˆ": "2346", "˜": "2346", "•": "35", "Ÿ": "13456",
    "¢": "14", "£": "123", "¥": "13456", "¦": "456", "§": "234",
    "©": "14", "ª": "1", "®": "1235", "¯": "36", "°": "356", "±": "235",
    "²": "12", "³": "14", "´": "3", "µ": "134", "·": "256", "¸": "456",
    "¹": "1", "º": "135", "×": "35", "÷": "25",
}

# Signs without a braille form of their own get the full cell.
FALLBACK = "123456"

SPACE_CHARS = {" ": "", "\u00a0": ""}


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


def cell6(ch):
    """Dot string of a character in the six-dot table."""
    if ch in SPACE_CHARS:
        return SPACE_CHARS[ch]
    low = _lower(ch)
    for table in (LETTERS, ITALIAN_ACCENTED, OTHER_ACCENTED):
        if low in table:
            return table[low]
        if ch in table:
            return table[ch]
    for table in (DIGITS, MATH, PUNCTUATION, SIGNS, OTHER_SIGNS):
        if ch in table:
            return table[ch]
    return FALLBACK


def is_capital(ch):
    return ch.isalpha() and ch != ch.lower() and len(ch.lower()) == 1


def cell8(ch):
    """Eight-dot table: the six-dot cell, plus dot 7 on capital letters and
    dot 8 on digits (so that digits need no number sign)."""
    d = cell6(ch)
    if is_capital(ch):
        d += "7"
    elif ch in DIGITS:
        d += "8"
    return "".join(sorted(d))


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


def unicode_cells(text, table=cell6):
    """Text as Unicode braille patterns (for documentation and checks)."""
    return "".join(chr(0x2800 + mask(table(c))) for c in text)


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
    "P": (0x25AC, "pausa (rettangolo pieno)"),
    "!": (0x2016, "doppia stanghetta (fine del brano)"),
}
