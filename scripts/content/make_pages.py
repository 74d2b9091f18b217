#!/usr/bin/python3
"""Write the lesson pages of course/html/ in Windows-1252.

Pages: fr1.htm (first alphabet lesson), fr2.htm (second alphabet lesson),
fr_mat1.htm (mathematics), fr_mus1.htm (music), table6.html (six-dot code
table, drawn from braille_table.py) and stile.css.

Braille is written as ordinary characters in a span of class "brl", which
the style sheet draws with the font "tvpZEV Braille 6" (music signs: class
"mus", font "tvpDaduvo Test").  The braille spans are hidden from screen
readers (aria-hidden); the dot numbers are always written out in print.

Usage: make_pages.py COURSE_DIR
"""
import html
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import braille_table as bt  # noqa: E402

CSS = """\
/* Style of the Sentiero dei Punti pages (made by scripts/content/make_pages.py) */
@font-face {
  font-family: "tvpZEV Braille 6";
  src: local("tvpZEV Braille 6"), url("../font/zevbrl6_all.ttf") format("truetype");
}
@font-face {
  font-family: "tvpDaduvo Test";
  src: local("tvpDaduvo Test"), url("../font/daduvot.ttf") format("truetype");
}
body {
  font-family: "DejaVu Sans", Verdana, Arial, sans-serif;
  font-size: 1.3em;
  line-height: 1.6;
  color: #1a1a1a;
  background: #fffdf6 url("../img/Image202.jpg");
  margin: 1em auto;
  max-width: 46em;
  padding: 0 1em;
}
h1, h2 { color: #044895; line-height: 1.25; }
h1 { font-size: 1.7em; margin-bottom: 0.2em; }
h2 { font-size: 1.3em; margin-top: 1.4em; }
a { color: #003c8f; }
a:focus, a:hover { background: #ffe680; color: #000; outline: 3px solid #044895; }
.brl { font-family: "tvpZEV Braille 6"; font-size: 2.4em; line-height: 1.2; vertical-align: middle; }
.mus { font-family: "tvpDaduvo Test"; font-size: 2em; line-height: 1.2; }
.punti { color: #444; font-size: 0.9em; }
table { border-collapse: collapse; margin: 0.6em 0; background: #ffffff; font-size: inherit; }
caption { text-align: left; white-space: nowrap; font-weight: bold; padding: 0.2em 0; }
th, td { border: 1px solid #9aa9c4; padding: 0.25em 0.7em; text-align: center; }
th { background: #e6eef9; }
.cella td { width: 2.2em; height: 2.2em; font-weight: bold; }
.codice td { width: 7.5em; padding: 0.4em 0.3em; vertical-align: top; }
.codice .nero { font-size: 1.2em; font-weight: bold; }
.codice .punti { font-size: 0.75em; }
.codice .nome { display: block; font-size: 0.65em; font-weight: normal; }
.nav { margin: 1.2em 0; padding: 0.6em 0.8em; background: #eef3fb; border: 1px solid #c8d4ea; }
.nav a { margin-right: 1.2em; white-space: nowrap; }
.esercizi li { margin: 0.3em 0; }
.nota { font-size: 0.9em; color: #333; }
"""


def brl(text):
    """Braille drawn by the font; hidden from screen readers."""
    return '<span class="brl" aria-hidden="true">%s</span>' % html.escape(text)


def mus(text):
    return '<span class="mus" aria-hidden="true">%s</span>' % html.escape(text)


def dots_words(dots):
    if not dots:
        return "cella vuota"
    if len(dots) == 1:
        return "punto " + dots
    return "punti " + ", ".join(dots[:-1]) + " e " + dots[-1]


def page(title, body):
    return """<!DOCTYPE html>
<html lang="it">
<head>
<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">
<title>%s</title>
<link rel="stylesheet" type="text/css" href="stile.css">
</head>
<body>
<p><img src="../img/colorbar.gif" width="600" height="8" alt=""></p>
%s
<p><img src="../img/colorbar.gif" width="600" height="8" alt=""></p>
</body>
</html>
""" % (html.escape(title), body.strip())


COMMANDS = """<p class="nav">
<a href="indietro.htm">Indietro</a>
<a href="trova.htm">Trova</a>
<a href="esci.htm">Esci</a>
</p>"""


def letter_table(letters, caption):
    rows = ['<table>', '<caption>%s</caption>' % caption,
            '<tr><th scope="col">Lettera</th><th scope="col">Braille</th>'
            '<th scope="col">Punti</th></tr>']
    for ch in letters:
        rows.append('<tr><td>%s</td><td>%s</td><td>%s</td></tr>'
                    % (ch, brl(ch), dots_words(bt.cell6(ch))))
    rows.append('</table>')
    return "\n".join(rows)


def fr1():
    cell_diagram = """<p><strong>La cella braille vista da chi legge:</strong></p>
<table class="cella">
<tr><td>1</td><td>4</td></tr>
<tr><td>2</td><td>5</td></tr>
<tr><td>3</td><td>6</td></tr>
</table>"""
    body = """
<h1>Sentiero dei Punti</h1>
<p><strong>Lezione 1: la cella braille e le prime lettere</strong></p>

<p>Benvenuta e benvenuto! Questo corso ti accompagna passo dopo passo nella
lettura e nella scrittura del braille. Procedi con calma: ogni lezione ha
una spiegazione breve e poi tanti esercizi.</p>

<h2>La cella a sei punti</h2>
<p>Ogni segno braille occupa una <strong>cella</strong>: uno spazio di sei
punti disposti su due colonne di tre. I punti della colonna di sinistra si
chiamano 1, 2 e 3 (dall'alto in basso), quelli della colonna di destra 4, 5
e 6. Ogni lettera &egrave; una diversa combinazione di punti in rilievo.</p>
%(diagram)s
<p>La cella completa, con tutti e sei i punti: %(full)s
<span class="punti">(punti 1, 2, 3, 4, 5 e 6)</span>.</p>

<h2>Le prime cinque lettere</h2>
<p>Le lettere da <strong>a</strong> a <strong>e</strong> usano soltanto i
punti 1, 2, 4 e 5, cio&egrave; le due righe in alto.</p>
%(letters)s

<h2>La prima parola</h2>
<p>Con queste lettere puoi gi&agrave; leggere la parola <strong>cade</strong>:
%(word)s <span class="punti">(c, a, d, e)</span>.</p>

<h2>Esercizi</h2>
<ul class="esercizi">
<li><a href="101eser.htm">Esercizi della lezione 1: le lettere da a a e</a></li>
<li><a href="102eser.htm">Esercizi della lezione 2: le lettere da f a j</a></li>
</ul>

<h2>Continua il percorso</h2>
<ul>
<li><a href="fr2.htm">Lezione 2: le lettere da f a j</a></li>
<li><a href="fr_mat1.htm">Corso di matematica: i numeri e le operazioni</a></li>
<li><a href="fr_mus1.htm">Corso di musica: i primi segni musicali</a></li>
</ul>

<h2>Per saperne di pi&ugrave;</h2>
<ul>
<li><a href="http://www.example.org/">Sito di esempio sul braille (apre il browser)</a></li>
<li><a href="mailto:info@example.org">Scrivi agli autori del corso (posta elettronica)</a></li>
</ul>
%(commands)s
""" % {"diagram": cell_diagram, "full": brl("é"),
       "letters": letter_table("abcde", "Le lettere da a a e"),
       "word": brl("cade"), "commands": COMMANDS}
    return page("Sentiero dei Punti - Lezione 1: la cella e le prime lettere",
                body)


def fr2():
    body = """
<h1>Sentiero dei Punti</h1>
<p><strong>Lezione 2: le lettere da f a j</strong></p>

<p>Le lettere da <strong>f</strong> a <strong>j</strong> usano ancora
soltanto i punti delle due righe in alto (1, 2, 4 e 5). Confrontale con
quelle che conosci gi&agrave;: cambia solo la disposizione dei punti.</p>
%(letters)s

<h2>Parole da leggere</h2>
<ul>
<li>%(w1)s <span class="punti">(faggi)</span></li>
<li>%(w2)s <span class="punti">(gabbie)</span></li>
<li>%(w3)s <span class="punti">(bici)</span></li>
</ul>

<h2>Una regola da ricordare</h2>
<p>Le lettere da a a j servono anche per le cifre da 1 a 0: basta scrivere
prima il <strong>segnanumero</strong> %(num)s <span class="punti">(punti 3, 4,
5 e 6)</span>. Lo vedrai nel corso di matematica.</p>

<h2>Esercizi</h2>
<ul class="esercizi">
<li><a href="102eser.htm">Esercizi della lezione 2: le lettere da f a j</a></li>
<li><a href="101eser.htm">Ripassa gli esercizi della lezione 1</a></li>
</ul>

<p class="nav">
<a href="fr1.htm">Torna alla lezione 1</a>
<a href="fr_mat1.htm">Corso di matematica</a>
<a href="fr_mus1.htm">Corso di musica</a>
</p>
%(commands)s
""" % {"letters": letter_table("fghij", "Le lettere da f a j"),
       "w1": brl("faggi"), "w2": brl("gabbie"), "w3": brl("bici"),
       "num": brl("#"), "commands": COMMANDS}
    return page("Sentiero dei Punti - Lezione 2: le lettere da f a j", body)


def fr_mat1():
    rows = ['<table>', '<caption>Le cifre</caption>',
            '<tr><th scope="col">Cifra</th><th scope="col">Braille</th>'
            '<th scope="col">Punti</th></tr>']
    for d in "1234567890":
        rows.append('<tr><td>%s</td><td>%s</td><td>segnanumero e %s</td></tr>'
                    % (d, brl("#" + d), dots_words(bt.cell6(d))))
    rows.append('</table>')
    ops = ['<table>', '<caption>I segni delle operazioni</caption>',
           '<tr><th scope="col">Segno</th><th scope="col">Nome</th>'
           '<th scope="col">Braille</th><th scope="col">Punti</th></tr>']
    for sign, name in (("+", "pi&ugrave;"), ("-", "meno"), ("*", "per"),
                       ("/", "diviso"), ("=", "uguale"),
                       ("(", "parentesi aperta"), (")", "parentesi chiusa")):
        ops.append('<tr><td>%s</td><td>%s</td><td>%s</td><td>%s</td></tr>'
                   % (html.escape(sign), name, brl(sign),
                      dots_words(bt.cell6(sign))))
    ops.append('</table>')
    body = """
<h1>Sentiero dei Punti: matematica</h1>
<p><strong>Lezione 1: i numeri e le operazioni</strong></p>

<p>In braille le cifre si scrivono con le lettere da a a j precedute dal
<strong>segnanumero</strong> %(num)s <span class="punti">(punti 3, 4, 5 e
6)</span>. Il segnanumero si scrive una sola volta, davanti al numero:
per esempio 25 si scrive %(n25)s.</p>
%(digits)s

<h2>Le operazioni</h2>
%(ops)s
<p>Un esempio: <strong>3 + 4 = 7</strong> si scrive %(example)s.</p>

<h2>Esercizi</h2>
<ul class="esercizi">
<li><a href="201eser.htm">Esercizi di matematica, lezione 1: numeri e operazioni</a></li>
</ul>

<p class="nav">
<a href="fr1.htm">Torna al corso dell'alfabeto</a>
<a href="fr_mus1.htm">Corso di musica</a>
</p>
%(commands)s
""" % {"num": brl("#"), "n25": brl("#25"), "digits": "\n".join(rows),
       "ops": "\n".join(ops), "example": brl("#3+#4=#7"),
       "commands": COMMANDS}
    return page("Sentiero dei Punti - Matematica, lezione 1", body)


def fr_mus1():
    rows = ['<table>', '<caption>Alcuni segni musicali</caption>',
            '<tr><th scope="col">Segno</th><th scope="col">Nome</th></tr>']
    for key in "SCDBN#":
        rows.append('<tr><td>%s</td><td>%s</td></tr>'
                    % (mus(key), bt.MUSIC_KEYS[key][1]))
    rows.append('</table>')
    notes = ['<table>', '<caption>Le sette note (crome) in braille</caption>',
             '<tr><th scope="col">Nota</th><th scope="col">Braille</th>'
             '<th scope="col">Punti</th></tr>']
    for name, letter in zip(("do", "re", "mi", "fa", "sol", "la", "si"),
                            "defghij"):
        notes.append('<tr><td>%s</td><td>%s</td><td>%s</td></tr>'
                     % (name, brl(letter), dots_words(bt.cell6(letter))))
    notes.append('</table>')
    body = """
<h1>Sentiero dei Punti: musica</h1>
<p><strong>Lezione 1: i primi segni musicali</strong></p>

<p>Prima di leggere la musica in braille impariamo a riconoscere i segni
della musica stampata: le figure che indicano la durata delle note e le
alterazioni.</p>
%(signs)s

<h2>Le note in braille</h2>
<p>Nella musica braille la parte alta della cella (punti 1, 2, 4 e 5) dice
<strong>quale</strong> nota suona; i punti 3 e 6 dicono <strong>quanto</strong>
dura. Senza i punti 3 e 6 la nota &egrave; una croma.</p>
%(notes)s

<h2>Esercizi</h2>
<ul class="esercizi">
<li><a href="301eser.htm">Esercizi di musica, lezione 1: i segni musicali</a></li>
</ul>

<p class="nav">
<a href="fr1.htm">Torna al corso dell'alfabeto</a>
<a href="fr_mat1.htm">Corso di matematica</a>
</p>
%(commands)s
""" % {"signs": "\n".join(rows), "notes": "\n".join(notes),
       "commands": COMMANDS}
    return page("Sentiero dei Punti - Musica, lezione 1", body)


def code_grid(entries, per_row=5):
    """entries: (print label html, braille text, dots) -> a grid table."""
    rows = ['<table class="codice">']
    for i in range(0, len(entries), per_row):
        cells = []
        for shown, text, dots in entries[i:i + per_row]:
            cells.append('<td><span class="nero">%s</span><br>%s<br>'
                         '<span class="punti">%s</span></td>'
                         % (shown, brl(text), dots))
        rows.append("<tr>" + "".join(cells) + "</tr>")
    rows.append("</table>")
    return "\n".join(rows)


def short_dots(dots):
    return ("punti " if len(dots) > 1 else "punto ") + " ".join(dots)


def code_table(anchor, title, chars, label=None, note=""):
    entries = [(label(ch) if label else html.escape(ch), ch,
                short_dots(bt.cell6(ch))) for ch in chars]
    return """<h2 id="%s">%s</h2>
%s%s
<p><a href="#inizio">Torna all'inizio della tabella</a></p>
""" % (anchor, title, note, code_grid(entries))


def table6():
    names = {",": "virgola", ".": "punto", ";": "punto e virgola",
             ":": "due punti", "?": "punto interrogativo",
             "!": "punto esclamativo", "'": "apostrofo",
             "-": "trattino, meno", "\"": "virgolette",
             "«": "virgolette aperte", "»": "virgolette chiuse",
             "(": "parentesi aperta", ")": "parentesi chiusa",
             "+": "pi&ugrave;", "*": "per", "/": "diviso", "=": "uguale",
             "#": "segnanumero"}

    def label(ch):
        if ch not in names:
            return html.escape(ch)
        return '%s <span class="nome">%s</span>' % (html.escape(ch),
                                                   names[ch])

    digits = ['<h2 id="numeri">Numeri</h2>',
              '<p>Il segnanumero %s <span class="punti">(punti 3, 4, 5 e 6)'
              '</span> si scrive una volta davanti al numero; le cifre sono '
              'le lettere da a a j.</p>' % brl("#"),
              code_grid([(d, "#" + d, "segnanumero e " + short_dots(
                  bt.cell6(d))) for d in "1234567890"]),
              '<p><a href="#inizio">Torna all\'inizio della tabella</a></p>']
    body = """
<h1 id="inizio">Tabella del codice braille a sei punti</h1>
<p>Ogni casella mostra il segno in nero, la sua cella braille e i punti che
la formano. Le maiuscole si scrivono con le stesse celle delle minuscole.</p>
<p class="nav">
<a href="#lettere">Lettere</a>
<a href="#accentate">Lettere accentate</a>
<a href="#numeri">Numeri</a>
<a href="#punteggiatura">Punteggiatura</a>
<a href="#matematica">Segni matematici</a>
</p>
%(letters)s
%(accented)s
%(digits)s
%(punct)s
%(math)s
<h2>Le unit&agrave; del corso</h2>
<ul>
<li><a href="jump_unita1.htm">Unit&agrave; 1: la cella e le lettere da a a e</a></li>
<li><a href="jump_unita2.htm">Unit&agrave; 2: le lettere da f a j</a></li>
<li><a href="jump_unita3.htm">Unit&agrave; 3: numeri e operazioni</a></li>
</ul>
<p class="nota">Nota: durante un esercizio i collegamenti alle unit&agrave;
non sono attivi; la tabella serve solo da consultazione.</p>
""" % {
        "letters": code_table("lettere", "Lettere", "abcdefghijklmnopqrstuvwxyz"),
        "accented": code_table("accentate", "Lettere accentate", "àèéìòù"),
        "digits": "\n".join(digits),
        "punct": code_table("punteggiatura", "Punteggiatura", ",.;:?!'-\"«»()",
                            label),
        "math": code_table("matematica", "Segni matematici", "+-*/=()#",
                           label, '<p>Nei testi di matematica la virgola '
                           'decimale &egrave; %s <span class="punti">(punto 2)'
                           '</span>.</p>\n' % brl(",")),
    }
    return page("Tabella del codice braille a sei punti", body)


def write(path, text):
    data = text.encode("cp1252")  # fails loudly on a character outside it
    with open(path, "wb") as f:
        f.write(data.replace(b"\n", b"\r\n"))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = os.path.join(sys.argv[1], "html")
    os.makedirs(out, exist_ok=True)
    for name, maker in (("fr1.htm", fr1), ("fr2.htm", fr2),
                        ("fr_mat1.htm", fr_mat1), ("fr_mus1.htm", fr_mus1),
                        ("table6.html", table6)):
        write(os.path.join(out, name), maker())
        print("wrote html/" + name)
    write(os.path.join(out, "stile.css"), CSS)


if __name__ == "__main__":
    main()
