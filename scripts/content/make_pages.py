#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Write the lesson pages of course/html/ in Windows-1252.

Pages: fr1.htm (the front page: the three courses), an index and three
lessons per course (alfabeto.htm, alf1-3.htm; matematica.htm, mat1-3.htm;
musica.htm, mus1-3.htm), table6.html (the six-dot code table), guida.htm
(the learner's guide: keys, exercises, progress) and
stile.css.  The cells come from the course's cell table course/braille6.txt
(braille_table.py).

Braille is written as ordinary characters in a span of class "brl", which
the style sheet draws with the font "tvpZEV Braille 6" (music signs: class
"mus", font "tvpDaduvo Test").  Each such span is an image for screen
readers whose text alternative gives its dots; the dot numbers are also
written out in print.  Sections that the code table links to have ids
beginning with "jump_", so that those links hold the word "jump", which the
code table window refuses inside the exercises.

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
.corsi li { margin: 0.5em 0; font-size: 1.15em; }
.esempio { margin: 0.5em 0 0.5em 1.5em; }
"""


def dots_list(dots):
    """"1245" -> "1, 2, 4 e 5"."""
    if len(dots) == 1:
        return dots
    return ", ".join(dots[:-1]) + " e " + dots[-1]


def cells_words(cells):
    """Words for a sequence of cells, as a screen reader should say them."""
    words = []
    for dots in cells:
        if not dots:
            words.append("cella vuota")
        elif len(dots) == 1:
            words.append("punto " + dots)
        else:
            words.append("punti " + dots_list(dots))
    return "; ".join(words)


def cells_of(text):
    return [c for ch in text for c in bt.cells6(ch)]


def brl(text, label=None, teaches=True):
    """Braille drawn by the course's braille font, with its dots as the text
    alternative for screen readers. teaches=False: braille that the page shows
    but does not teach (check_course.py leaves it out of the page's signs)."""
    return ('<span class="brl"%s role="img" aria-label="braille: %s">%s</span>'
            % ("" if teaches else ' data-insegna="no"',
               html.escape(label or cells_words(cells_of(text))), html.escape(text)))


def mus(text, label):
    return ('<span class="mus" role="img" aria-label="%s">%s</span>'
            % (html.escape(label), html.escape(text)))


def punti(cells):
    """Dot numbers in print next to a cell: "(punti 1, 2 e 4)"."""
    return '<span class="punti">(%s)</span>' % html.escape(cells_words(cells))


def page(title, body, nav):
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
%s
<p><img src="../img/colorbar.gif" width="600" height="8" alt=""></p>
</body>
</html>
""" % (html.escape(title), body.strip(), nav)


def nav(*links, jump="", after=()):
    """The navigation bar: the page's own links, then the commands. `jump`
    is added to every address (the code table page, which the exercises also
    show, passes "#jump" so that its window refuses them there). `after`
    are links that follow the commands (the learner's progress and review), so
    that the commands keep their places in the Tab order."""
    items = ['<a href="%s">%s</a>' % link for link in links]
    items += ['<a href="indietro.htm%s">Torna alla pagina precedente</a>' % jump,
              '<a href="trova.htm%s">Cerca una parola nella pagina</a>' % jump,
              '<a href="esci.htm%s">Esci dal programma</a>' % jump]
    items += ['<a href="%s">%s</a>' % link for link in after]
    return ('<nav class="nav" aria-label="Navigazione">\n%s\n</nav>'
            % "\n".join(items))


def sign_table(caption, rows, head=("Segno", "Braille", "Punti")):
    """rows: (print label html, braille text, cells) -> a table."""
    out = ['<table>', '<caption>%s</caption>' % caption,
           '<tr>%s</tr>' % "".join('<th scope="col">%s</th>' % h for h in head)]
    for shown, text, cells in rows:
        out.append('<tr><th scope="row">%s</th><td>%s</td><td>%s</td></tr>'
                   % (shown, brl(text), html.escape(cells_words(cells))))
    out.append('</table>')
    return "\n".join(out)


def letters_table(letters, caption):
    return sign_table(caption, [(ch, ch, bt.cells6(ch)) for ch in letters],
                      ("Lettera", "Braille", "Punti"))


def cell_diagram():
    return """<table class="cella">
<caption>La cella braille: i numeri dei sei punti, come li vede chi legge</caption>
<tr><td>1</td><td>4</td></tr>
<tr><td>2</td><td>5</td></tr>
<tr><td>3</td><td>6</td></tr>
</table>"""


def exercises(link, what):
    return """<h2>Gli esercizi</h2>
<p>Gli esercizi sono di quattro tipi: ripasso dei segni delle lezioni
precedenti, esercizi sui nuovi segni, esercizi di consolidamento e il test di
verifica, dieci esercizi con il voto finale. Comincia dai nuovi segni e fai il
test per ultimo.</p>
<ul class="esercizi">
<li><a href="%s">Esercizi della lezione: %s</a></li>
</ul>""" % (link, what)


SIX_KEYS = """<p>Scrivi il braille con la <strong>scrittura a sei tasti</strong>, come
sulla macchina dattilobraille: il tasto F2 la accende e la spegne (la casella
diventa gialla). I tasti F, D e S sono i punti 1, 2 e 3, i tasti J, K e L i
punti 4, 5 e 6: premi insieme i tasti dei punti della cella e lasciali, e la
cella è scritta. La barra spaziatrice è la cella vuota, il tasto Backspace
cancella l'ultima cella. Così la risposta giusta vuol dire che conosci i
punti.</p>"""

TYPING = """<h2>Come si risponde</h2>
%s
<p>Senza la scrittura a sei tasti ogni tasto scrive la cella braille del suo
segno: premi la lettera b e compare la cella della b. Se una risposta è
sbagliata per quattro volte, si accendono i pulsanti Aiuto (mostra il primo
segno sbagliato) e Risposta. Il pulsante Tabelle apre la tabella del codice
braille. I tasti: Alt+C controlla, Alt+V passa all'esercizio seguente, Alt+E
esce dagli esercizi.</p>""" % SIX_KEYS


# ------------------------------------------------------------ front page --
def fr1():
    body = """
<h1 id="jump_inizio">Sentiero dei Punti</h1>
<p>Benvenuta e benvenuto! Sentiero dei Punti è un corso di braille in
italiano: ti accompagna passo dopo passo nella lettura e nella scrittura del
braille. Ogni corso ha lezioni brevi, ognuna con i suoi esercizi.</p>

<h2>I corsi</h2>
<ul class="corsi">
<li><a href="alfabeto.htm">Alfabeto: la cella, le lettere, gli accenti, le maiuscole e la punteggiatura</a></li>
<li><a href="matematica.htm">Matematica: i numeri e le quattro operazioni</a></li>
<li><a href="musica.htm">Musica: le note, le durate e le pause</a></li>
</ul>
<p>Chi comincia da zero parta dall'alfabeto: i numeri e le note usano le
celle delle lettere.</p>

<h2>Da consultare</h2>
<ul>
<li><a href="table6.html">Tabella del codice braille a sei punti</a></li>
<li><a href="guida.htm">Come si usa Sentiero dei Punti: i tasti, gli esercizi, i progressi</a></li>
<li><a href="http://www.bibliotecaciechi.it/">Biblioteca Italiana per i Ciechi «Regina Margherita» di Monza (sito web)</a></li>
<li><a href="http://www.uiciechi.it/">Unione Italiana dei Ciechi e degli Ipovedenti (sito web)</a></li>
<li><a href="http://liblouis.io/">liblouis, la libreria libera per la traduzione in braille (sito web)</a></li>
<li><a href="mailto:liblouis-liblouisxml@freelists.org">Scrivi alla lista di discussione di liblouis (posta elettronica)</a></li>
</ul>

<h2>Come muoversi</h2>
<p>Tab passa da un collegamento all'altro e Invio lo apre. In fondo a ogni
pagina ci sono i comandi per tornare indietro, cercare una parola nella
pagina e uscire dal programma.</p>
"""
    return page("Sentiero dei Punti", body,
                nav(after=[("progressi.htm", "I tuoi progressi")]))


# ------------------------------------------------------- learner's guide --
def guida():
    body = """
<h1 id="jump_inizio">Come si usa Sentiero dei Punti</h1>
<p>Questa pagina spiega come muoversi nel programma con la tastiera, come
rispondere agli esercizi e dove trovare i propri progressi. Tutto si fa con
la tastiera; il mouse non è necessario.</p>

<h2 id="lettore">Le pagine delle lezioni</h2>
<ul>
<li><strong>Tab</strong> passa al collegamento seguente, <strong>Maiusc+Tab</strong>
al precedente; <strong>Invio</strong> apre il collegamento.</li>
<li>In fondo a ogni pagina ci sono tre comandi: «Torna alla pagina
precedente», «Cerca una parola nella pagina» e «Esci dal programma».</li>
<li>«Cerca una parola nella pagina» apre una casella di ricerca: scrivi la
parola e premi Invio (o il pulsante Successivo) per trovare la volta
seguente; Esc chiude la ricerca.</li>
<li>Ogni lezione finisce con il collegamento «Esercizi della lezione».
Si apre la finestra «SELEZIONE TIPO DI ESERCIZIO» con quattro categorie:
ripasso, nuovi simboli, consolidamento e test di verifica. Scegli la
categoria con le frecce Su e Giù e conferma con Invio; Esc annulla.</li>
</ul>

<h2 id="esercizi">Le finestre degli esercizi</h2>
<p>Ogni esercizio si apre in una finestra sua, con la casella della risposta
già pronta per scrivere. Sotto l'esercizio ci sono i pulsanti, ognuno con il
suo tasto:</p>
<table>
<caption>I pulsanti degli esercizi</caption>
<tr><th scope="col">Tasti</th><th scope="col">Pulsante</th><th scope="col">Che cosa fa</th></tr>
<tr><th scope="row">Alt+C</th><td>Controlla</td><td>controlla la risposta, con un suono e una riga di stato</td></tr>
<tr><th scope="row">Alt+V</th><td>Avanti</td><td>salta all'esercizio seguente (non nel test)</td></tr>
<tr><th scope="row">Alt+A</th><td>Aiuto</td><td>indica il primo segno sbagliato</td></tr>
<tr><th scope="row">Alt+R</th><td>Risposta</td><td>scrive la risposta giusta</td></tr>
<tr><th scope="row">Alt+T</th><td>Tabelle</td><td>apre la tabella del codice braille</td></tr>
<tr><th scope="row">Alt+E</th><td>Esci</td><td>esce dagli esercizi</td></tr>
</table>
<p>Aiuto, Risposta e Tabelle si accendono dopo il quarto controllo sbagliato.
Nel test di verifica non ci sono aiuti: dopo il quarto controllo sbagliato
si passa all'esercizio seguente, senza punto. Alla fine del test la
finestra «Risultati» dà il voto, su dieci esercizi: insufficiente fino a 5,
sufficiente con 6 o 7, buono con 8 o 9, ottimo con 10.</p>
<p>La riga di stato, a destra dei pulsanti, dice l'esito di ogni controllo
(«Risposta sbagliata: 2 tentativi errati.») e quale esercizio è («Esercizio
3 di 10»); il lettore di schermo la legge. Invio nella casella della
risposta va a capo; Esc non chiude la finestra, si esce con Alt+E.</p>
<p>Negli esercizi con tre risposte da scegliere (RISPOSTA 1, 2 e 3) premi il
tasto 1, 2 o 3 e poi Alt+C.</p>
<p>Nella tabella del codice braille (Alt+T) Alt+T cerca una parola e Alt+E
torna all'esercizio.</p>

<h2 id="seitasti">La scrittura a sei tasti</h2>
<p>Nelle caselle che chiedono il braille si può scrivere ogni cella con i
suoi punti, come sulla macchina dattilobraille. <strong>F2</strong> accende e
spegne la scrittura a sei tasti; la riga di stato dice se è accesa, e la
casella diventa gialla chiara. Resta accesa fino alla chiusura del
programma.</p>
<ul>
<li>F, D e S sono i punti 1, 2 e 3; J, K e L i punti 4, 5 e 6.</li>
<li>Premi insieme i tasti dei punti della cella: la cella è scritta quando
lasci l'ultimo tasto.</li>
<li>La barra spaziatrice è la cella vuota, Backspace cancella, Invio va a
capo; gli altri tasti delle lettere non scrivono nulla.</li>
<li>Una maiuscola sono due celle: prima il segno di maiuscola (J e L
insieme), poi la lettera.</li>
</ul>
<p>Senza la scrittura a sei tasti ogni tasto scrive la cella del suo segno:
il tasto b scrive la cella della b.</p>

<h2 id="zoom">Ingrandire le pagine</h2>
<p><strong>Ctrl+più</strong> (o Ctrl+uguale) ingrandisce, <strong>Ctrl+meno</strong>
rimpicciolisce, <strong>Ctrl+0</strong> torna alla grandezza normale; anche
Ctrl con la rotella del mouse. L'ingrandimento vale per tutte le pagine, gli
esercizi e le caselle delle risposte, fino alla chiusura del programma.</p>

<h2 id="progressi">I progressi e il ripasso</h2>
<ul>
<li><a href="progressi.htm">I tuoi progressi</a> (anche dalla pagina iniziale
e dalle pagine dei corsi): per ogni lezione le categorie fatte e quando,
l'ultimo e il miglior voto del test, quanti esercizi sono da rifare.</li>
<li>«Ripassa gli esercizi … da rifare» ripropone, lezione per lezione, gli
esercizi di un corso che non sono riusciti al primo controllo. Un esercizio
giusto al primo controllo esce dal ripasso.</li>
<li>«Esporta tutto il registro in un file CSV», nella pagina dei progressi,
scrive il file «Sentiero dei Punti - progressi.csv» nella cartella dei
documenti, da dare all'insegnante.</li>
</ul>

<h2 id="lettore-schermo">Con un lettore di schermo</h2>
<p>Il programma funziona con Orca, il lettore di schermo del desktop: se è
attivo quando il programma parte, le pagine e gli esercizi si leggono con
esso. Le celle braille si leggono come punti («punti 1 4» per la c), le
note musicali con il loro nome («croma do4»), e la casella della risposta
legge così anche quello che scrivi. La riga di stato è annunciata dopo ogni
controllo, e «Aiuto» dice dove è il primo errore («terza cella: dovrebbe
essere punti 1 4»).</p>
<p>Negli esercizi che chiedono di scrivere in braille un testo in nero conta
ogni segno: nelle preferenze di Orca, alla voce della sintesi vocale, fai
leggere tutta la punteggiatura e fai segnalare le lettere maiuscole.
Altrimenti un trattino, i puntini di sospensione o una parola tutta in
maiuscolo possono non sentirsi.</p>

<h2 id="display">Con un display braille</h2>
<p>Con un display braille collegato tramite brltty, mentre è aperto un
esercizio con la domanda in braille il display mostra la domanda, una riga
alla volta (si scorre con i tasti di riga del display); nelle scelte fra tre
scritture musicali mostra poi le tre risposte. Mentre scrivi in braille
mostra la riga della risposta con il cursore. I punti premuti sulla tastiera braille
del display si scrivono nella casella come con la scrittura a sei tasti;
il suo Backspace cancella e il suo Invio va a capo.</p>

<h2 id="registro">Dove resta il registro</h2>
<p>Il registro degli esercizi di chi usa il computer con questo account è
nel file <code>progressi.sqlite</code>, nella cartella
<code>~/.local/share/Sentiero dei Punti/</code>. Ogni esercizio è
registrato subito: se il programma si chiude all'improvviso, si perde al
massimo l'esercizio aperto.</p>
"""
    return page("Come si usa Sentiero dei Punti", body,
                nav(("fr1.htm", "Pagina iniziale del corso"),
                    ("table6.html", "Tabella del codice braille a sei punti")))


# --------------------------------------------------------------- alphabet --
def alfabeto():
    body = """
<h1>Alfabeto</h1>
<p>Il corso dell'alfabeto insegna la cella braille e tutti i segni della
scrittura: le lettere, gli accenti, le maiuscole e la punteggiatura.</p>
<h2>Le lezioni</h2>
<ol class="corsi">
<li><a href="alf1.htm">Lezione 1: la cella e le lettere dalla a alla j</a></li>
<li><a href="alf2.htm">Lezione 2: le lettere dalla k alla z</a></li>
<li><a href="alf3.htm">Lezione 3: lettere accentate, maiuscole e punteggiatura</a></li>
</ol>
"""
    return page("Alfabeto - Sentiero dei Punti", body,
                nav(("fr1.htm", "Pagina iniziale del corso"),
                    after=[("1ripasso.htm", "Ripassa gli esercizi dell'alfabeto da rifare"),
                           ("progressi.htm", "I tuoi progressi")]))


def alf1():
    body = """
<h1>Alfabeto, lezione 1: la cella e le lettere dalla a alla j</h1>

<h2 id="jump_cella">La cella a sei punti</h2>
<p>Ogni segno braille occupa una <strong>cella</strong>: sei punti disposti su
due colonne di tre. I punti della colonna di sinistra si chiamano 1, 2 e 3,
dall'alto in basso; quelli della colonna di destra 4, 5 e 6. Ogni lettera è
una diversa combinazione di punti in rilievo.</p>
%(diagram)s
<p>La cella piena, con tutti e sei i punti: %(full)s %(fullp)s. Nelle celle
di questo corso i punti in rilievo sono neri e pieni; i punti vuoti sono
cerchietti sottili, perché si veda tutta la cella.</p>

<h2 id="jump_lettere">Le lettere dalla a alla j</h2>
<p>Le prime dieci lettere usano soltanto i punti 1, 2, 4 e 5, cioè le due
righe in alto della cella. La a è formata dal solo punto 1; le lettere dalla
a alla e sono le più semplici e vanno imparate per prime.</p>
%(table)s
<p>Osserva la d e la f: la f %(f)s è la d %(d)s girata allo specchio.
Anche la h e la j si somigliano: ci vuole un po' di pratica con le dita o con
gli occhi per non confonderle.</p>
<h2 id="jump_seitasti">Scrivere i punti: la scrittura a sei tasti</h2>
<p>Negli esercizi scrivi ogni cella con i suoi punti, come sulla macchina
dattilobraille. Premi F2 nella finestra dell'esercizio: la casella della
risposta diventa gialla. Ora sei tasti sono i sei punti:</p>
<table>
<caption>I sei tasti e i sei punti</caption>
<tr><th scope="col">Mano sinistra</th><th scope="col">Punto</th><th scope="col">Mano destra</th><th scope="col">Punto</th></tr>
<tr><td>F (indice)</td><td>1</td><td>J (indice)</td><td>4</td></tr>
<tr><td>D (medio)</td><td>2</td><td>K (medio)</td><td>5</td></tr>
<tr><td>S (anulare)</td><td>3</td><td>L (anulare)</td><td>6</td></tr>
</table>
<p>Premi insieme i tasti dei punti di una cella e poi lasciali: la cella è
scritta quando lasci l'ultimo tasto. La a è il solo tasto F, la b F e D
insieme, la d F, J e K insieme. La barra spaziatrice è la cella vuota,
Backspace cancella. F2 di nuovo spegne la scrittura a sei tasti.</p>
%(typing)s
%(exercises)s
""" % {"diagram": cell_diagram(), "full": brl("é", "cella piena, punti 1, 2, 3, 4, 5 e 6"),
       "fullp": punti(["123456"]), "table": letters_table("abcdefghij", "Le lettere dalla a alla j"),
       "f": punti(bt.cells6("f")), "d": punti(bt.cells6("d")),
       "typing": TYPING, "exercises": exercises("101eser.htm", "la cella e le lettere dalla a alla j")}
    return page("Alfabeto, lezione 1 - Sentiero dei Punti", body,
                nav(("alf2.htm", "Lezione seguente: le lettere dalla k alla z"),
                    ("alfabeto.htm", "Le lezioni dell'alfabeto"),
                    ("table6.html#lettere", "Tabella del codice braille: le lettere"),
                    ("fr1.htm", "Pagina iniziale del corso")))


def alf2():
    body = """
<h1>Alfabeto, lezione 2: le lettere dalla k alla z</h1>

<h2 id="jump_kt">Dalla k alla t: si aggiunge il punto 3</h2>
<p>Le lettere dalla k alla t sono le lettere dalla a alla j con in più il
punto 3: la k è la a con il punto 3, la l è la b con il punto 3, e così via
fino alla t, che è la j con il punto 3.</p>
%(kt)s

<h2 id="jump_uz">Dalla u alla z: si aggiungono i punti 3 e 6</h2>
<p>Le lettere u, v, x, y e z sono le lettere dalla a alla e con in più i
punti 3 e 6. La w fa eccezione: Louis Braille scriveva in francese, che
allora non usava la w, e la w è stata aggiunta dopo, con i punti 2, 4, 5 e 6.</p>
%(uz)s
%(typing)s
%(exercises)s
""" % {"kt": letters_table("klmnopqrst", "Le lettere dalla k alla t"),
       "uz": letters_table("uvxyzw", "Le lettere u, v, x, y, z e w"),
       "typing": TYPING, "exercises": exercises("102eser.htm", "le lettere dalla k alla z")}
    return page("Alfabeto, lezione 2 - Sentiero dei Punti", body,
                nav(("alf3.htm", "Lezione seguente: lettere accentate, maiuscole e punteggiatura"),
                    ("alf1.htm", "Lezione precedente: le lettere dalla a alla j"),
                    ("alfabeto.htm", "Le lezioni dell'alfabeto"),
                    ("table6.html#lettere", "Tabella del codice braille: le lettere"),
                    ("fr1.htm", "Pagina iniziale del corso")))


def alf3():
    punct = [(".", "punto"), (",", "virgola"), (";", "punto e virgola"), (":", "due punti"),
             ("?", "punto interrogativo"), ("!", "punto esclamativo"), ("'", "apostrofo"),
             ("-", "trattino"), ("«", "virgolette aperte"), ("»", "virgolette chiuse"),
             ("“", "virgolette aperte"), ("”", "virgolette chiuse"),
             ("(", "parentesi aperta"), (")", "parentesi chiusa")]
    body = """
<h1>Alfabeto, lezione 3: lettere accentate, maiuscole e punteggiatura</h1>

<h2 id="jump_accentate">Le lettere accentate</h2>
<p>L'italiano scrive le vocali accentate con celle proprie: la à, la è, la
ì, la ò e la ù con l'accento grave, la é di «perché» con l'accento acuto.</p>
%(acc)s

<h2 id="jump_maiuscole">Le maiuscole</h2>
<p>In braille italiano la lettera maiuscola si indica con il <strong>segno di
maiuscola</strong>, i punti 4 e 6, scritto subito prima della lettera:
%(cap)s %(capp)s. Così «Roma» si scrive %(roma)s: segno di maiuscola, poi r,
o, m e a. Una parola tutta in maiuscolo ha <strong>due segni di
maiuscola</strong> all'inizio, poi le lettere: «ROMA» si scrive %(romacaps)s
%(romacapsp)s.</p>
<p>Con la scrittura a sei tasti il segno di maiuscola è J e L insieme, poi
viene la lettera. Senza, una lettera maiuscola scritta con il tasto delle
maiuscole mostra da sola il segno e la lettera; per una parola tutta in
maiuscolo scrivi due volte il segno di maiuscola, che da solo è il tasto |,
e poi le lettere minuscole.</p>

<h2 id="jump_punteggiatura">La punteggiatura</h2>
%(punct)s
<p>Le virgolette, « » come “ ”, si aprono con i punti 2, 3 e 6 e si
chiudono con i punti 3, 5 e 6. Le parentesi tonde di un testo hanno la stessa
cella all'inizio e alla fine, i punti 2, 3, 5 e 6: %(paren)s.</p>
<p>Alcune celle servono a più segni, e il contesto dice quale:</p>
<ul>
<li>i punti 2, 3 e 6 aprono le virgolette nei testi e sono il segno per in
un'operazione;</li>
<li>i punti 2, 3, 5 e 6 sono le parentesi tonde nei testi e il segno uguale
in un'operazione (nelle formule le parentesi tonde sono i punti 2 e 6 e i
punti 3 e 5);</li>
<li>i punti 2, 3 e 5 sono il punto esclamativo nei testi e il segno più in
un'operazione;</li>
<li>i punti 2 e 5 sono i due punti nei testi e il segno di divisione fra due
numeri;</li>
<li>i punti 2, 5 e 6 sono il punto fermo alla fine della frase e la linea di
frazione fra due numeri; la barra / di un testo è invece la cella dei punti
3 e 4;</li>
<li>i punti 3 e 6 sono il trattino fra due parole e il segno meno in
un'operazione.</li>
</ul>
<p>Esempio: %(esempio)s «Dove vai?».</p>
%(typing)s
%(exercises)s
""" % {"acc": letters_table("àèéìòù", "Le vocali accentate"),
       "cap": brl("|", "punti 4 e 6"), "capp": punti(["46"]),
       "roma": brl("Roma"), "romacaps": brl("||roma"), "romacapsp": punti(cells_of("||roma")),
       "paren": brl("(sì)"),
       "punct": sign_table("I segni di punteggiatura",
                           [("%s <span class=\"nome\">%s</span>" % (html.escape(c), n), c, bt.cells6(c))
                            for c, n in punct]),
       "esempio": brl("Dove vai?"),
       "typing": TYPING,
       "exercises": exercises("103eser.htm", "lettere accentate, maiuscole e punteggiatura")}
    return page("Alfabeto, lezione 3 - Sentiero dei Punti", body,
                nav(("alf2.htm", "Lezione precedente: le lettere dalla k alla z"),
                    ("alfabeto.htm", "Le lezioni dell'alfabeto"),
                    ("table6.html#punteggiatura", "Tabella del codice braille: la punteggiatura"),
                    ("fr1.htm", "Pagina iniziale del corso")))


# ------------------------------------------------------------ mathematics --
MATH_TYPING = """<h2>Come si risponde</h2>
<p>In braille l'operazione si scrive senza spazi e ogni numero ha il suo
segnanumero.</p>
%s
<p>Con la scrittura a sei tasti il segnanumero è S, J, K e L insieme, e le
cifre sono le celle delle lettere dalla a alla j. Senza, il segnanumero è il
tasto #, il segno per è il tasto * e il segno diviso è il tasto dei due
punti; le cifre si scrivono con i loro tasti e il font braille del corso le
mostra con le celle delle lettere. Negli esercizi con le figure premi il pulsante della
risposta giusta (RISPOSTA 1, 2 o 3) e poi Controlla.</p>""" % SIX_KEYS


def matematica():
    body = """
<h1>Matematica</h1>
<p>Il corso di matematica insegna a leggere e scrivere in braille i numeri e
le quattro operazioni, come si usa nella scuola italiana.</p>
<h2>Le lezioni</h2>
<ol class="corsi">
<li><a href="mat1.htm">Lezione 1: i numeri e il segnanumero</a></li>
<li><a href="mat2.htm">Lezione 2: addizione e sottrazione</a></li>
<li><a href="mat3.htm">Lezione 3: moltiplicazione e divisione</a></li>
</ol>
"""
    return page("Matematica - Sentiero dei Punti", body,
                nav(("fr1.htm", "Pagina iniziale del corso"),
                    after=[("2ripasso.htm", "Ripassa gli esercizi di matematica da rifare"),
                           ("progressi.htm", "I tuoi progressi")]))


def math_example(print_text, braille):
    return '<p class="esempio">%s si scrive %s %s</p>' % (
        html.escape(print_text), brl(braille), punti(cells_of(braille)))


def mat1():
    body = """
<h1>Matematica, lezione 1: i numeri e il segnanumero</h1>
<h2 id="jump_numeri">Le cifre</h2>
<p>Le dieci cifre usano le celle delle lettere dalla a alla j: 1 è la a, 2 la
b, e così via fino allo 0, che è la j. Perché si leggano come numeri e non
come lettere, davanti al numero si scrive il <strong>segnanumero</strong>,
i punti 3, 4, 5 e 6: %(sign)s %(signp)s.</p>
%(digits)s
<h2 id="jump_piucifre">I numeri di più cifre</h2>
<p>Il segnanumero si scrive una volta sola, prima della prima cifra: vale per
tutte le cifre che seguono, fino a uno spazio o a un segno che non fa parte
del numero.</p>
%(ex1)s
%(ex2)s
<h2 id="jump_virgola">Il punto delle migliaia e la virgola decimale</h2>
<p>Due segni fanno parte del numero e non interrompono il segnanumero: il
punto che separa le migliaia, che nel numero è la cella del solo punto 3, e
la virgola decimale, la cella del solo punto 2 come nei testi. Dopo di loro
le cifre continuano senza un nuovo segnanumero.</p>
%(ex3)s
%(ex4)s
<p>Una lettera dalla a alla j subito dopo un numero si leggerebbe come una
cifra: per questo davanti a lei si scrive la cella dei punti 4, 5 e 6, che
chiude il numero.</p>
%(ex5)s
%(typing)s
%(exercises)s
""" % {"sign": brl("#"), "signp": punti(["3456"]),
       "digits": sign_table("Le cifre, ognuna con il segnanumero",
                            [(d, "#" + d, cells_of("#" + d)) for d in "1234567890"],
                            ("Cifra", "Braille", "Punti")),
       "ex1": math_example("25", "#25"), "ex2": math_example("100", "#100"),
       "ex3": math_example("1.500", "#1'500"), "ex4": math_example("3,75", "#3,75"),
       "ex5": math_example("12b", "#12_b"),
       "typing": MATH_TYPING, "exercises": exercises("201eser.htm", "i numeri e il segnanumero")}
    return page("Matematica, lezione 1 - Sentiero dei Punti", body,
                nav(("mat2.htm", "Lezione seguente: addizione e sottrazione"),
                    ("matematica.htm", "Le lezioni di matematica"),
                    ("table6.html#numeri", "Tabella del codice braille: i numeri"),
                    ("fr1.htm", "Pagina iniziale del corso")))


def mat2():
    body = """
<h1>Matematica, lezione 2: addizione e sottrazione</h1>
<h2 id="jump_piumeno">I segni più, meno e uguale</h2>
%(signs)s
<p>Il segno più ha la stessa cella del punto esclamativo e il segno meno
quella del trattino: fra due numeri sono sempre segni di operazione.</p>
<h2>Le operazioni</h2>
<p>L'operazione si scrive senza spazi, e ogni numero ha il suo
segnanumero:</p>
%(ex1)s
%(ex2)s
%(typing)s
%(exercises)s
""" % {"signs": sign_table("I segni dell'addizione e della sottrazione",
                           [("+ <span class=\"nome\">più</span>", "+", bt.cells6("+")),
                            ("- <span class=\"nome\">meno</span>", "-", bt.cells6("-")),
                            ("= <span class=\"nome\">uguale</span>", "=", bt.cells6("="))]),
       "ex1": math_example("3 + 4 = 7", "#3+#4=#7"), "ex2": math_example("9 - 4 = 5", "#9-#4=#5"),
       "typing": MATH_TYPING, "exercises": exercises("202eser.htm", "addizione e sottrazione")}
    return page("Matematica, lezione 2 - Sentiero dei Punti", body,
                nav(("mat3.htm", "Lezione seguente: moltiplicazione e divisione"),
                    ("mat1.htm", "Lezione precedente: i numeri"),
                    ("matematica.htm", "Le lezioni di matematica"),
                    ("table6.html#matematica", "Tabella del codice braille: i segni matematici"),
                    ("fr1.htm", "Pagina iniziale del corso")))


def mat3():
    body = """
<h1>Matematica, lezione 3: moltiplicazione e divisione</h1>
<h2 id="jump_perdiviso">I segni per e diviso</h2>
<p>A scuola si scrive × per la moltiplicazione e : per la divisione. In
braille il segno per è la cella dei punti 2, 3 e 6, il segno diviso quella
dei punti 2 e 5, la stessa dei due punti della punteggiatura: fra due numeri
è sempre la divisione.</p>
%(signs)s
%(ex1)s
%(ex2)s
%(typing)s
%(exercises)s
""" % {"signs": sign_table("I segni della moltiplicazione e della divisione",
                           [("× <span class=\"nome\">per</span>", "*", bt.cells6("×")),
                            (": <span class=\"nome\">diviso</span>", ":", bt.cells6(":"))]),
       "ex1": math_example("3 × 4 = 12", "#3*#4=#12"), "ex2": math_example("12 : 4 = 3", "#12:#4=#3"),
       "typing": MATH_TYPING, "exercises": exercises("203eser.htm", "moltiplicazione e divisione")}
    return page("Matematica, lezione 3 - Sentiero dei Punti", body,
                nav(("mat2.htm", "Lezione precedente: addizione e sottrazione"),
                    ("matematica.htm", "Le lezioni di matematica"),
                    ("table6.html#matematica", "Tabella del codice braille: i segni matematici"),
                    ("fr1.htm", "Pagina iniziale del corso")))


# ------------------------------------------------------------------ music --
NOTES = [("do", "d"), ("re", "e"), ("mi", "f"), ("fa", "g"), ("sol", "h"), ("la", "i"), ("si", "j")]


def add_dots(cell, extra):
    return "".join(sorted(set(cell + extra)))


def note_table(caption, key, duration, extra):
    rows = ['<table>', '<caption>%s</caption>' % caption,
            '<tr><th scope="col">Nota</th><th scope="col">In musica</th>'
            '<th scope="col">Braille</th><th scope="col">Punti</th></tr>']
    for name, letter in NOTES:
        cell = add_dots(bt.cell6(letter), extra)
        ch = next((c for _, c in bt.windows1252_chars() if bt.cells6(c) == [cell]), None)
        rows.append('<tr><th scope="row">%s</th><td>%s</td><td>%s</td><td>%s</td></tr>'
                    % (name, mus(key + " " + name, "%s %s" % (duration, name)),
                       brl(ch, "punti " + dots_list(cell)) if ch else "",
                       "punti " + dots_list(cell)))
    rows.append('</table>')
    return "\n".join(rows)


MUSIC_TYPING = """<h2>Come si risponde</h2>
<p>Negli esercizi che chiedono il braille si scrive prima il segno d'ottava,
poi la nota.</p>
%s
<p>Con la scrittura a sei tasti il segno della quarta ottava è il solo tasto
K. Senza, ogni tasto scrive la cella del suo segno: i segni della terza,
quarta e quinta ottava sono i tasti _, ~ e |; le note in croma sono i tasti
dalla d alla j, le minime dalla n alla t; le semibrevi sono y, z, ç, é, à, è
e ù, il punto di valore è l'apostrofo. Negli esercizi con tre scritture
musicali premi il pulsante della risposta giusta (RISPOSTA 1, 2 o 3) e poi
Controlla.</p>""" % SIX_KEYS

OCTAVES = [(1, "prima", "^"), (2, "seconda", "`"), (3, "terza", "_"), (4, "quarta", "~"),
           (5, "quinta", "|"), (6, "sesta", "\u201e"), (7, "settima", "\\")]


def octave_table():
    rows = ['<table>', '<caption>I segni d\'ottava</caption>',
            '<tr><th scope="col">Ottava</th><th scope="col">Note</th>'
            '<th scope="col">Braille</th><th scope="col">Punti</th></tr>']
    for number, name, ch in OCTAVES:
        rows.append('<tr><th scope="row">%s</th><td>do%d … si%d</td><td>%s</td><td>%s</td></tr>'
                    % (name, number, number, brl(ch), cells_words(bt.cells6(ch))))
    rows.append('</table>')
    return "\n".join(rows)


def musica():
    body = """
<h1>Musica</h1>
<p>Il corso di musica insegna le prime celle del braille musicale: le sette
note, le loro durate e le pause.</p>
<h2>Le lezioni</h2>
<ol class="corsi">
<li><a href="mus1.htm">Lezione 1: le sette note in croma</a></li>
<li><a href="mus2.htm">Lezione 2: semiminime, minime, semibrevi e punto di valore</a></li>
<li><a href="mus3.htm">Lezione 3: le pause</a></li>
</ol>
"""
    return page("Musica - Sentiero dei Punti", body,
                nav(("fr1.htm", "Pagina iniziale del corso"),
                    after=[("3ripasso.htm", "Ripassa gli esercizi di musica da rifare"),
                           ("progressi.htm", "I tuoi progressi")]))


def mus1():
    body = """
<h1>Musica, lezione 1: le sette note in croma</h1>
<h2 id="jump_note">Le note</h2>
<p>In braille una sola cella dice il nome della nota e la sua durata. I punti
1, 2, 4 e 5, in alto, danno il nome: sono le celle delle lettere dalla d
alla j. I punti 3 e 6, in basso, danno la durata. La croma %(croma)s non ha
né il punto 3 né il punto 6: le sue celle sono proprio quelle delle lettere
dalla d alla j.</p>
%(table)s
<p>In un brano la stessa cella vale anche per un valore molto più breve della
croma, il centoventottesimo; il contesto della battuta dice quale.</p>
<h2 id="jump_ottave">I segni d'ottava</h2>
<p>La cella dice il nome e la durata della nota, non la sua altezza: quale
do, fra i do del pianoforte? Lo dice il <strong>segno d'ottava</strong>, una
cella dei punti 4, 5 e 6 scritta subito prima della nota. Le ottave si
contano dal basso: la prima comincia dal do più grave del pianoforte, la
quarta dal do centrale. Negli esercizi l'ottava è scritta accanto al nome
della nota: do4 è il do centrale, la3 il la sotto di esso, do5 il do
sopra.</p>
%(octaves)s
<p>La prima nota di un brano porta sempre il suo segno d'ottava: il do
centrale in croma si scrive %(ex)s %(exp)s. Le note che seguono lo ripetono
solo quando serve: dopo una seconda o una terza mai; dopo una quarta o una
quinta solo se la nota passa a un'altra ottava; dopo una sesta o un salto
più grande sempre. Do4, re4, mi4 si scrive %(ex2)s %(ex2p)s; fa4 e poi do5
si scrive %(ex3)s %(ex3p)s.</p>
%(typing)s
%(exercises)s
""" % {"croma": mus("C", "croma"), "table": note_table("Le note in croma", "C", "croma", ""),
       "octaves": octave_table(), "ex": brl("~d"), "exp": punti(cells_of("~d")),
       "ex2": brl("~def"), "ex2p": punti(cells_of("~def")),
       "ex3": brl("~g|d"), "ex3p": punti(cells_of("~g|d")),
       "typing": MUSIC_TYPING, "exercises": exercises("301eser.htm", "le sette note in croma")}
    return page("Musica, lezione 1 - Sentiero dei Punti", body,
                nav(("mus2.htm", "Lezione seguente: semiminime, minime, semibrevi e punto di valore"),
                    ("musica.htm", "Le lezioni di musica"),
                    ("table6.html#musica", "Tabella del codice braille: i segni musicali"),
                    ("fr1.htm", "Pagina iniziale del corso")))


def mus2():
    body = """
<h1>Musica, lezione 2: semiminime, minime, semibrevi e punto di valore</h1>
<h2 id="jump_durate">Le durate</h2>
<p>La durata si legge nei punti 3 e 6 della cella: la croma non ne ha
nessuno, la semiminima %(s)s ha il punto 6, la minima %(m)s il punto 3, la
semibreve %(o)s tutti e due. Il segno d'ottava resta prima della nota, come
nella lezione 1.</p>
<p>La semiminima vale due crome: è la nota dei battiti di molte battute. La
sua cella è quella della croma con in più il punto 6; la stessa cella vale
anche per un valore molto breve, il sessantaquattresimo, e il contesto della
battuta dice quale.</p>
%(st)s
%(mt)s
%(ot)s
<h2 id="jump_punto">Il punto di valore</h2>
<p>Il punto di valore allunga la nota della metà della sua durata. In braille
è la cella del solo punto 3, %(dot)s, scritta subito dopo la nota: la minima
puntata do4 si scrive %(ex)s %(exp)s.</p>
%(typing)s
%(exercises)s
""" % {"s": mus("S", "semiminima"), "m": mus("M", "minima"), "o": mus("O", "semibreve"),
       "st": note_table("Le note in semiminima (punto 6 in più)", "S", "semiminima", "6"),
       "mt": note_table("Le note in minima (punto 3 in più)", "M", "minima", "3"),
       "ot": note_table("Le note in semibreve (punti 3 e 6 in più)", "O", "semibreve", "36"),
       "dot": brl("'"), "ex": brl("~n'"), "exp": punti(cells_of("~n'")),
       "typing": MUSIC_TYPING, "exercises": exercises("302eser.htm", "semiminime, minime, semibrevi e punto di valore")}
    return page("Musica, lezione 2 - Sentiero dei Punti", body,
                nav(("mus3.htm", "Lezione seguente: le pause"),
                    ("mus1.htm", "Lezione precedente: le note in croma"),
                    ("musica.htm", "Le lezioni di musica"),
                    ("table6.html#musica", "Tabella del codice braille: i segni musicali"),
                    ("fr1.htm", "Pagina iniziale del corso")))


RESTS = [("P", "pausa di semibreve", "m"), ("Q", "pausa di minima", "u"),
         ("R", "pausa di semiminima", "v"), ("T", "pausa di croma", "x")]


def mus3():
    rows = ['<table>', '<caption>Le pause</caption>',
            '<tr><th scope="col">Pausa</th><th scope="col">In musica</th>'
            '<th scope="col">Braille</th><th scope="col">Punti</th></tr>']
    for key, name, letter in RESTS:
        rows.append('<tr><th scope="row">%s</th><td>%s</td><td>%s</td><td>%s</td></tr>'
                    % (name, mus(key, name), brl(letter), cells_words(bt.cells6(letter))))
    rows.append('</table>')
    body = """
<h1>Musica, lezione 3: le pause</h1>
<h2 id="jump_pause">Le pause</h2>
<p>Ogni durata ha la sua pausa, cioè il suo silenzio. In braille le pause
hanno celle proprie, che non somigliano a nessuna nota: si scrivono fra le
note come qualsiasi altro segno.</p>
%(table)s
<p>Esempio: croma do4, pausa di croma, croma re4 si scrive %(ex)s %(exp)s: la
pausa non ha ottava, e il re, una seconda sopra il do, non ripete il segno
d'ottava.</p>
%(typing)s
%(exercises)s
""" % {"table": "\n".join(rows), "ex": brl("~dxe"), "exp": punti(cells_of("~dxe")),
       "typing": MUSIC_TYPING, "exercises": exercises("303eser.htm", "le pause")}
    return page("Musica, lezione 3 - Sentiero dei Punti", body,
                nav(("mus2.htm", "Lezione precedente: semiminime, minime, semibrevi e punto di valore"),
                    ("musica.htm", "Le lezioni di musica"),
                    ("table6.html#musica", "Tabella del codice braille: i segni musicali"),
                    ("fr1.htm", "Pagina iniziale del corso")))


# ------------------------------------------------------------- code table --
def code_grid(entries, per_row=5):
    """entries: (print label html, braille text, cells) -> a grid table."""
    rows = ['<table class="codice">']
    for i in range(0, len(entries), per_row):
        cells = []
        for shown, text, cells_ in entries[i:i + per_row]:
            cells.append('<td><span class="nero">%s</span><br>%s<br>'
                         '<span class="punti">%s</span></td>'
                         % (shown, brl(text), html.escape(cells_words(cells_))))
        rows.append("<tr>" + "".join(cells) + "</tr>")
    rows.append("</table>")
    return "\n".join(rows)


def section(anchor, title, intro, entries, unit=None):
    link = ('<p><a href="%s">Vai alla lezione: %s</a></p>\n' % unit) if unit else ""
    return """<h2 id="%s">%s</h2>
%s
%s
%s<p><a href="#inizio">Torna all'inizio della tabella</a></p>
""" % (anchor, title, intro, code_grid(entries), link)


def named(ch, name):
    return '%s <span class="nome">%s</span>' % (html.escape(ch), name)


def table6():
    letters = [(c, c, bt.cells6(c)) for c in "abcdefghijklmnopqrstuvwxyz"]
    accented = [(c, c, bt.cells6(c)) for c in "àèéìòù"]
    capitals = [(named("|", "segno di maiuscola"), "|", bt.cells6("|"))] + \
        [(c, c, bt.cells6(c)) for c in "AÈR"] + \
        [(named("ROMA", "parola tutta in maiuscolo"), "||roma", cells_of("||roma"))]
    digits = [(named("#", "segnanumero"), "#", ["3456"])] + \
        [(d, "#" + d, cells_of("#" + d)) for d in "1234567890"]
    punct = [(named(c, n), c, bt.cells6(c)) for c, n in (
        (".", "punto"), (",", "virgola"), (";", "punto e virgola"), (":", "due punti"),
        ("?", "punto interrogativo"), ("!", "punto esclamativo"), ("'", "apostrofo"),
        ("-", "trattino"), ("«", "virgolette aperte"), ("»", "virgolette chiuse"),
        ("“", "virgolette aperte"), ("”", "virgolette chiuse"),
        ("(", "parentesi aperta"), (")", "parentesi chiusa"), ("/", "barra"))]
    math = [(named(p, n), b, cells_of(b)) for p, b, n in (
        ("+", "+", "più"), ("-", "-", "meno"), ("×", "*", "per"), (":", ":", "diviso"),
        ("=", "=", "uguale"), ("(", "\u2039", "parentesi aperta"),
        (")", "\u203a", "parentesi chiusa"), (",", ",", "virgola decimale"),
        (".", "'", "punto delle migliaia"), ("/", ".", "linea di frazione"))]
    # Music: the print side is the sign in the music font.
    def musical(key, name):
        return '%s <span class="nome">%s</span>' % (mus(key, name), name)
    music = [(musical("C " + name, "croma " + name), letter, bt.cells6(letter))
             for name, letter in NOTES]
    for key, dur, extra in (("M", "minima", "3"), ("O", "semibreve", "36")):
        cell = add_dots(bt.cell6("d"), extra)
        ch = next(c for _, c in bt.windows1252_chars() if bt.cells6(c) == [cell])
        music.append((musical(key + " do", dur + " do"), ch, [cell]))
    music.append((named(".", "punto di valore"), "'", ["3"]))
    for number, name, ch in OCTAVES:
        music.append((named("%d" % number, "segno della %s ottava" % name), ch, bt.cells6(ch)))
    for key, name, letter in RESTS:
        music.append((musical(key, name), letter, bt.cells6(letter)))
    body = """
<h1 id="inizio">Tabella del codice braille a sei punti</h1>
<p>Ogni casella mostra il segno in nero, la sua cella braille e i punti che
la formano. Le celle sono quelle del braille italiano; alcune celle servono a
più segni, e il contesto (un testo, un'operazione, un brano) dice quale.</p>
<nav class="nav" aria-label="Sezioni della tabella">
<a href="#lettere">Lettere</a>
<a href="#accentate">Lettere accentate</a>
<a href="#maiuscole">Maiuscole</a>
<a href="#numeri">Numeri</a>
<a href="#punteggiatura">Punteggiatura</a>
<a href="#matematica">Segni matematici</a>
<a href="#musica">Segni musicali</a>
</nav>
%(letters)s
%(accented)s
%(capitals)s
%(digits)s
%(punct)s
%(math)s
%(music)s
<p class="nota">Durante gli esercizi i collegamenti alle lezioni di questa
tabella non si aprono: la tabella serve da consultazione. Dalle pagine delle
lezioni, invece, portano alla lezione.</p>
""" % {
        "letters": section("lettere", "Lettere", "<p>Dalla a alla j i punti 1, 2, 4 e 5; dalla k alla t "
                           "le stesse celle con il punto 3; u, v, x, y e z con i punti 3 e 6.</p>",
                           letters, ("alf1.htm#jump_lettere",
                           "la cella e le lettere dalla a alla j")),
        "accented": section("accentate", "Lettere accentate", "", accented,
                            ("alf3.htm#jump_accentate", "lettere accentate, maiuscole e punteggiatura")),
        "capitals": section("maiuscole", "Maiuscole",
                            "<p>La maiuscola è il segno di maiuscola, punti 4 e 6, seguito dalla "
                            "lettera.</p>", capitals,
                            ("alf3.htm#jump_maiuscole", "le maiuscole")),
        "digits": section("numeri", "Numeri",
                          "<p>Il segnanumero si scrive una volta davanti al numero; le cifre sono "
                          "le celle delle lettere dalla a alla j.</p>", digits,
                          ("mat1.htm#jump_numeri", "i numeri e il segnanumero")),
        "punct": section("punteggiatura", "Punteggiatura",
                         "<p>Le virgolette si aprono con i punti 2, 3 e 6 e si chiudono con i "
                         "punti 3, 5 e 6; le parentesi tonde di un testo hanno la stessa cella "
                         "all'inizio e alla fine, i punti 2, 3, 5 e 6.</p>", punct,
                         ("alf3.htm#jump_punteggiatura", "la punteggiatura")),
        "math": section("matematica", "Segni matematici",
                        "<p>Nelle operazioni ogni numero ha il suo segnanumero e non si lasciano "
                        "spazi. Il più ha la cella del punto esclamativo, il meno quella del "
                        "trattino, il diviso quella dei due punti. Nelle formule le parentesi "
                        "tonde sono i punti 2 e 6 e i punti 3 e 5. La virgola decimale e il punto "
                        "delle migliaia fanno parte del numero.</p>", math,
                        ("mat2.htm#jump_piumeno", "addizione e sottrazione")),
        "music": section("musica", "Segni musicali",
                         "<p>Nelle note i punti 1, 2, 4 e 5 danno il nome, i punti 3 e 6 la "
                         "durata; le altre note in minima e in semibreve sono nelle lezioni. "
                         "Il segno d'ottava si scrive prima della nota.</p>",
                         music, ("mus1.htm#jump_note", "le sette note in croma")),
    }
    return page("Tabella del codice braille a sei punti", body,
                nav(("fr1.htm#jump_inizio", "Pagina iniziale del corso"), jump="#jump"))


def write(path, text):
    data = text.encode("cp1252")  # fails loudly on a character outside it
    with open(path, "wb") as f:
        f.write(data.replace(b"\n", b"\r\n"))


# One list a course, so that the courses grow apart without touching each other's lines.
ALFABETO_PAGES = (("alfabeto.htm", alfabeto), ("alf1.htm", alf1), ("alf2.htm", alf2),
                  ("alf3.htm", alf3))
MATEMATICA_PAGES = (("matematica.htm", matematica), ("mat1.htm", mat1), ("mat2.htm", mat2),
                    ("mat3.htm", mat3))
MUSICA_PAGES = (("musica.htm", musica), ("mus1.htm", mus1), ("mus2.htm", mus2),
                ("mus3.htm", mus3))
PAGES = ((("fr1.htm", fr1),) + ALFABETO_PAGES + MATEMATICA_PAGES + MUSICA_PAGES
         + (("table6.html", table6),)
         + (("guida.htm", guida),))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = os.path.join(sys.argv[1], "html")
    os.makedirs(out, exist_ok=True)
    for old in ("fr2.htm", "fr_mat1.htm", "fr_mus1.htm"):
        if os.path.exists(os.path.join(out, old)):
            os.remove(os.path.join(out, old))
    for name, maker in PAGES:
        write(os.path.join(out, name), maker())
        print("wrote html/" + name)
    write(os.path.join(out, "stile.css"), CSS)


if __name__ == "__main__":
    main()
