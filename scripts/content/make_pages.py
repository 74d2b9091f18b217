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
    that the commands keep their places in the Tab order. Every page but the
    code table (which the exercises show too) leads to the learner's progress."""
    if not jump and not any(href == "progressi.htm" for href, _ in after):
        after = list(after) + [("progressi.htm", "I tuoi progressi")]
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
<caption>La cella braille: i numeri dei sei punti, dal punto di vista di chi legge</caption>
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


# The slate and the two signs without a key, said on every page that tells how to answer.
SLATE_AND_KEYS = """<p>Chi scrive con la <strong>tavoletta e il punteruolo</strong> preme F3: i tasti
J, K e L diventano i punti 1, 2 e 3, i tasti F, D e S i punti 4, 5 e 6, come il
punteruolo scrive la cella dal retro del foglio. Ogni cella è scritta rovesciata
e la riga va da destra a sinistra; il tasto F4 gira il foglio e mostra le celle
come si leggono, e lo rimette nella tavoletta. Il controllo legge il lato da
leggere. F3 di nuovo torna ai sei tasti della dattilobraille.</p>
<p>Due segni non hanno un tasto sulla tastiera italiana: Ctrl+ì scrive ~ e
Ctrl+' scrive ` (con la scrittura a sei tasti sono la cella del punto 5 e
quella dei punti 4 e 5).</p>"""

SIX_KEYS = """<p>Scrivi il braille con la <strong>scrittura a sei tasti</strong>, come
sulla macchina dattilobraille: il tasto F2 la accende e la spegne (la casella
diventa gialla). I tasti F, D e S sono i punti 1, 2 e 3, i tasti J, K e L i
punti 4, 5 e 6: premi insieme i tasti dei punti della cella e lasciali, e la
cella è scritta. La barra spaziatrice è la cella vuota, il tasto Backspace
cancella l'ultima cella. Così la risposta giusta vuol dire che conosci i
punti. Il programma ricorda la scrittura che hai scelto anche alla volta
successiva.</p>
%s""" % SLATE_AND_KEYS

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
<li><a href="alfabeto.htm">Alfabeto: la cella, le lettere, gli accenti, le maiuscole, la punteggiatura, i numeri in un testo, i primi testi da leggere e scrivere, l'asterisco e le parole evidenziate</a></li>
<li><a href="matematica.htm">Matematica: i numeri, le quattro operazioni, le espressioni, le frazioni, i decimali, l'euro e le misure</a></li>
<li><a href="musica.htm">Musica: le note, le durate, le pause, i tempi, le alterazioni, le legature, gli accordi e una melodia</a></li>
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
esercizi, le caselle delle risposte, le finestre e i pulsanti, e resta anche
le volte successive che si apre il programma.</p>

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
essere punti 1 4»). Ogni pagina, quando si apre, è letta per intero, e un
tasto qualsiasi interrompe la lettura; ogni esercizio dice la sua domanda;
nella tabella del codice il tasto Tab passa da un segno all'altro.</p>
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
# The alphabet's lessons: page, what the lesson teaches (the index and the links say it).
ALF_LESSONS = (
    ("alf1.htm", "la cella e le lettere dalla a alla j"),
    ("alf2.htm", "le lettere dalla k alla z"),
    ("alf3.htm", "le lettere accentate e la lettera maiuscola"),
    ("alf4.htm", "le parole in maiuscolo"),
    ("alf5.htm", "la punteggiatura della frase"),
    ("alf6.htm", "trattino, virgolette e parentesi"),
    ("alf7.htm", "puntini di sospensione, lineette e barra"),
    ("alf8.htm", "i numeri e le date in un testo"),
    ("alf9.htm", "leggere un breve testo"),
    ("alf10.htm", "scrivere un breve testo"),
    ("alf11.htm", "l'asterisco, le parole evidenziate e le date con la barra"),
)

ALF_ANSWER = """<h2>Come si risponde</h2>
<p>Gli esercizi dell'alfabeto sono di tre tipi. Nel primo leggi un testo in
nero e lo scrivi in braille nella casella della risposta. Nel secondo leggi un
testo in braille e lo scrivi in nero. Nel terzo un testo braille è già nel
riquadro di lavoro, con un errore: correggilo finché è giusto. Poi controlla
la risposta.</p>
%s
<p>Senza la scrittura a sei tasti ogni tasto scrive la cella braille del suo
segno: premi la lettera b e compare la cella della b. Se una risposta è
sbagliata per quattro volte, si accendono i pulsanti Aiuto (mostra il primo
segno sbagliato) e Risposta. Il pulsante Tabelle apre la tabella del codice
braille. I tasti: Alt+C controlla, Alt+V passa all'esercizio seguente, Alt+E
esce dagli esercizi.</p>%s"""

NO_KEY = """
<p>Alcuni segni non hanno un tasto sulla tastiera italiana: per scriverli in
braille usa la scrittura a sei tasti, che scrive la cella dai suoi punti.</p>"""


def alf_answer(six_keys=True, no_key=False):
    """How one answers; the first lesson explains six-key entry in a section of its own."""
    return ALF_ANSWER % (SIX_KEYS if six_keys else
                         "<p>La scrittura a sei tasti è spiegata qui sopra.</p>",
                         NO_KEY if no_key else "")


def alf_exercises(number, first=False):
    """The exercises of lesson `number` (1 = the first), in the order the window offers them."""
    link = "1%02deser.htm" % number
    if first:
        start = ("In questa prima lezione non ci sono ancora simboli da ripassare: il "
                 "ripasso serve solo a scaldare le dita sulle prime lettere. Poi vengono i "
                 "nuovi simboli e il consolidamento; fai il test per ultimo.")
    else:
        start = "Seguili nello stesso ordine e fai il test per ultimo."
    return """<h2>Gli esercizi</h2>
<p>Il collegamento qui sotto apre la scelta degli esercizi, divisi in quattro
gruppi e proposti in quest'ordine: «Esercizi di ripasso dei simboli
precedenti», «Esercizi sui nuovi simboli della lezione», «Esercizi di
consolidamento» e «Test di verifica della lezione», dieci esercizi con il voto
finale. %s</p>
<ul class="esercizi">
<li><a href="%s">Esercizi della lezione %d: %s</a></li>
</ul>""" % (start, link, number, ALF_LESSONS[number - 1][1])


def alf_page(number, body, table_link):
    """A lesson page of the alphabet: its body, then the links to the lessons around it."""
    links = []
    if number < len(ALF_LESSONS):
        links.append((ALF_LESSONS[number][0], "Lezione seguente: " + ALF_LESSONS[number][1]))
    if number > 1:
        links.append((ALF_LESSONS[number - 2][0],
                      "Lezione precedente: " + ALF_LESSONS[number - 2][1]))
    links += [("alfabeto.htm", "Le lezioni dell'alfabeto"), table_link,
              ("fr1.htm", "Pagina iniziale del corso")]
    return page("Alfabeto, lezione %d - Sentiero dei Punti" % number, body, nav(*links))


def alf_title(number):
    return "<h1>Alfabeto, lezione %d: %s</h1>" % (number, ALF_LESSONS[number - 1][1])


def example(print_text, braille=None, shown=None):
    """A print text and its braille, with the dots in print. `shown`: the print as
    HTML, where it needs more than the text (a word in italics)."""
    braille = braille if braille is not None else print_text
    return '<p class="esempio">%s si scrive %s %s</p>' % (
        shown or html.escape(print_text), brl(braille), punti(cells_of(braille)))


def named_table(caption, signs):
    """signs: (character, name) -> a table of the signs with their names."""
    return sign_table(caption, [("%s <span class=\"nome\">%s</span>" % (html.escape(c), n), c,
                                 bt.cells6(c)) for c, n in signs])


def alfabeto():
    items = "\n".join('<li><a href="%s">Lezione %d: %s</a></li>' % (name, i, what)
                      for i, (name, what) in enumerate(ALF_LESSONS, 1))
    body = """
<h1>Alfabeto</h1>
<p>Il corso dell'alfabeto insegna la cella braille e i segni della scrittura di
ogni giorno: le lettere, gli accenti, le maiuscole, la punteggiatura e i numeri
in un testo. Le lezioni 9 e 10 mettono tutto insieme in brevi testi da
leggere e da scrivere; l'ultima aggiunge l'asterisco, le parole in corsivo, in
neretto e sottolineate e le date scritte con la barra.</p>
<h2>Le lezioni</h2>
<ol class="corsi">
%s
</ol>
""" % items
    return page("Alfabeto - Sentiero dei Punti", body,
                nav(("fr1.htm", "Pagina iniziale del corso"),
                    after=[("1ripasso.htm", "Ripassa gli esercizi dell'alfabeto da rifare"),
                           ("progressi.htm", "I tuoi progressi")]))


def alf1():
    body = """
%(title)s

<h2 id="jump_cella">La cella a sei punti</h2>
<p>Ogni segno braille occupa una <strong>cella</strong>: sei punti disposti su
due colonne di tre. I punti della colonna di sinistra si chiamano 1, 2 e 3,
dall'alto in basso; quelli della colonna di destra 4, 5 e 6. Ogni lettera è
una diversa combinazione di punti in rilievo.</p>
%(diagram)s
<p>La cella piena, con tutti e sei i punti: %(full)s %(fullp)s. Sullo
schermo i punti in rilievo di questo corso sono neri e pieni, e i punti vuoti
cerchietti sottili, perché la cella sia disegnata intera.</p>

<h2 id="jump_lettere">Le lettere dalla a alla j</h2>
<p>Le prime dieci lettere usano soltanto i punti 1, 2, 4 e 5, cioè le due
righe in alto della cella. La a è formata dal solo punto 1; le lettere dalla
a alla e sono le più semplici e vanno imparate per prime.</p>
%(table)s
<p>Confronta la d e la f: la f %(f)s è la d %(d)s girata allo specchio.
Anche la h e la j si somigliano: ci vuole un po' di pratica per non
confonderle.</p>
<h2 id="jump_seitasti">Scrivere i punti: la scrittura a sei tasti</h2>
<p>Negli esercizi scrivi ogni cella con i suoi punti, come sulla macchina
dattilobraille. Premi F2 nella finestra dell'esercizio: la scrittura a sei
tasti si accende (la casella della risposta diventa gialla), e sei tasti sono
i sei punti:</p>
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
Backspace cancella l'ultima cella. F2 di nuovo spegne la scrittura a sei
tasti. Così la risposta giusta vuol dire che conosci i punti.</p>
%(slate)s
%(answer)s
%(exercises)s
""" % {"title": alf_title(1), "diagram": cell_diagram(),
       "full": brl("é", "cella piena, punti 1, 2, 3, 4, 5 e 6", teaches=False),
       "fullp": punti(["123456"]), "table": letters_table("abcdefghij", "Le lettere dalla a alla j"),
       "f": punti(bt.cells6("f")), "d": punti(bt.cells6("d")),
       "slate": SLATE_AND_KEYS,
       "answer": alf_answer(six_keys=False), "exercises": alf_exercises(1, first=True)}
    return alf_page(1, body, ("table6.html#lettere", "Tabella del codice braille: le lettere"))


def alf2():
    body = """
%(title)s

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
%(answer)s
%(exercises)s
""" % {"title": alf_title(2), "kt": letters_table("klmnopqrst", "Le lettere dalla k alla t"),
       "uz": letters_table("uvxyzw", "Le lettere u, v, x, y, z e w"),
       "answer": alf_answer(), "exercises": alf_exercises(2)}
    return alf_page(2, body, ("table6.html#lettere", "Tabella del codice braille: le lettere"))


def alf3():
    body = """
%(title)s

<h2 id="jump_accentate">Le lettere accentate</h2>
<p>Il braille italiano ha una cella propria per ogni vocale accentata: la à,
la è, la ì, la ò e la ù con l'accento grave, la é di «perché» con l'accento
acuto. Non si scrive la vocale e poi l'accento: la vocale accentata è una sola
cella.</p>
%(acc)s
<p>La é di «perché» è la cella piena, tutti e sei i punti; la ì ha soltanto i
punti 3 e 4.</p>

<h2 id="jump_maiuscole">La lettera maiuscola</h2>
<p>In braille italiano la lettera maiuscola si indica con il <strong>segno di
maiuscola</strong>, i punti 4 e 6, scritto subito prima della lettera:
%(cap)s %(capp)s. Così «Roma» si scrive %(roma)s: segno di maiuscola, poi r,
o, m e a. I nomi di persona e di città e la prima parola di una frase
cominciano con la maiuscola. Le frasi di questa lezione e della seguente non
hanno ancora il punto finale: la punteggiatura arriva con la lezione 5.</p>
<h2 id="jump_accentatemaiuscole">Le maiuscole accentate</h2>
<p>Anche una vocale accentata maiuscola è il segno di maiuscola seguito dalla
sua cella: la È di «È vero» si scrive %(e)s %(ep)s.</p>
%(ex)s
<p>Con la scrittura a sei tasti il segno di maiuscola è J e L insieme, poi
viene la lettera. Senza, una lettera maiuscola scritta con il tasto delle
maiuscole mostra da sola il segno e la lettera; la È maiuscola, che la
tastiera italiana non ha, si scrive con la scrittura a sei tasti.</p>
%(answer)s
%(exercises)s
""" % {"title": alf_title(3), "acc": letters_table("àèéìòù", "Le vocali accentate"),
       "cap": brl("|", "punti 4 e 6"), "capp": punti(["46"]), "roma": brl("Roma"),
       "e": brl("È"), "ep": punti(bt.cells6("È")), "ex": example("È vero"),
       "answer": alf_answer(), "exercises": alf_exercises(3)}
    return alf_page(3, body, ("table6.html#maiuscole", "Tabella del codice braille: le maiuscole"))


def alf4():
    body = """
%(title)s

<h2 id="jump_parolemaiuscole">Una parola tutta in maiuscolo</h2>
<p>Una parola scritta tutta in maiuscolo ha <strong>due segni di
maiuscola</strong> all'inizio, poi le sue lettere, senza altri segni:</p>
%(roma)s
<p>Il doppio segno vale per l'intera parola e termina con essa. Se la parola ha
una vocale accentata, la vocale si scrive con la sua cella, come nelle parole
minuscole:</p>
%(perche)s
<h2 id="jump_piuparole">Più parole in maiuscolo</h2>
<p>In una scritta di più parole tutte in maiuscolo, come un titolo o un
cartello, <strong>ogni parola</strong> ha i suoi due segni di maiuscola:</p>
%(via)s
%(uscita)s
<p>Attenzione alla differenza: un solo segno di maiuscola fa maiuscola la
sola prima lettera («Marco»), due segni tutta la parola («MARCO»).</p>
<p>Con la scrittura a sei tasti scrivi due volte J e L insieme, poi le
lettere. Senza, scrivi due volte il segno di maiuscola, che da solo è il tasto
|, e poi le lettere minuscole.</p>
%(answer)s
%(exercises)s
""" % {"title": alf_title(4), "roma": example("ROMA", "||roma"),
       "perche": example("PERCHÉ", "||perché"), "via": example("VIA ROMA", "||via ||roma"),
       "uscita": example("USCITA DI SICUREZZA", "||uscita ||di ||sicurezza"),
       "answer": alf_answer(), "exercises": alf_exercises(4)}
    return alf_page(4, body, ("table6.html#maiuscole", "Tabella del codice braille: le maiuscole"))


ALF_SENTENCE_SIGNS = ((".", "punto"), (",", "virgola"), (";", "punto e virgola"),
                      (":", "due punti"), ("?", "punto interrogativo"),
                      ("!", "punto esclamativo"), ("'", "apostrofo"))
ALF_PAIRED_SIGNS = (("-", "trattino"), ("«", "virgolette basse aperte"),
                    ("»", "virgolette basse chiuse"), ("“", "virgolette alte aperte"),
                    ("”", "virgolette alte chiuse"), ("(", "parentesi aperta"),
                    (")", "parentesi chiusa"))
ALF_PAUSE_SIGNS = (("…", "puntini di sospensione"), ("–", "lineetta breve"),
                   ("—", "lineetta lunga"), ("/", "barra"))
# The asterisk of a text (3-5) is drawn by the character "•": the key * writes the sign
# "per" of mathematics (2-3-6). Emphasis: an opening and a closing sign of two cells each.
ALF_ASTERISK = ("*", "\u2022", "asterisco")
ALF_EMPHASIS = (("corsivo", ":_", "_:"), ("neretto", "=_", "_="), ("sottolineato", "-_", "_-"))


def alf5():
    body = """
%(title)s

<h2 id="jump_punteggiatura">I segni della frase</h2>
<p>I segni di punteggiatura si scrivono come in nero: attaccati alla parola
che li precede, e dopo di loro una cella vuota prima della parola seguente.
Quasi tutti usano i punti in basso della cella, i punti 2, 3, 5 e 6: così non
si confondono con le lettere.</p>
%(signs)s
<p>Il punto interrogativo %(q)s e la virgola %(c)s si somigliano: la virgola
ha il solo punto 2, il punto interrogativo i punti 2 e 6. Il punto
esclamativo %(x)s ha i punti 2, 3 e 5; il punto fermo %(p)s i punti 2, 5 e 6.</p>
%(ex1)s
%(ex2)s
<h2 id="jump_apostrofo">L'apostrofo</h2>
<p>L'apostrofo è la cella del solo punto 3, fra le due parole, senza celle
vuote:</p>
%(ex3)s
<p>Dopo il punto, il punto interrogativo e il punto esclamativo la frase
seguente comincia con la maiuscola, come in nero.</p>
%(answer)s
%(exercises)s
""" % {"title": alf_title(5),
       "signs": named_table("I segni di punteggiatura della frase", ALF_SENTENCE_SIGNS),
       "q": brl("?"), "c": brl(","), "x": brl("!"), "p": brl("."),
       "ex1": example("Come stai?"), "ex2": example("Sì, grazie."), "ex3": example("l'ape"),
       "answer": alf_answer(), "exercises": alf_exercises(5)}
    return alf_page(5, body, ("table6.html#punteggiatura",
                              "Tabella del codice braille: la punteggiatura"))


def alf6():
    body = """
%(title)s

<h2 id="jump_trattino">Il trattino</h2>
<p>Il trattino unisce due parole, come in «italo-francese» o «nord-est»: è la
cella dei punti 3 e 6, fra le due parole, senza celle vuote.</p>
%(ex1)s
<h2 id="jump_virgolette">Le virgolette</h2>
<p>Le virgolette basse « » e le virgolette alte “ ” hanno le stesse celle:
si aprono con i punti 2, 3 e 6 e si chiudono con i punti 3, 5 e 6. La cella
che apre è quella che chiude girata allo specchio.</p>
%(ex2)s
<h2 id="jump_parentesi">Le parentesi</h2>
<p>Le parentesi tonde di un testo hanno la stessa cella all'inizio e alla
fine, i punti 2, 3, 5 e 6: quella attaccata alla parola che segue apre, quella
attaccata alla parola che precede chiude.</p>
%(ex3)s
%(signs)s
<p>Le virgolette « » “ ” non hanno un tasto sulla tastiera italiana: scrivile
con la scrittura a sei tasti. Il trattino e le parentesi hanno i loro tasti.</p>
%(answer)s
%(exercises)s
""" % {"title": alf_title(6),
       "signs": named_table("Trattino, virgolette e parentesi", ALF_PAIRED_SIGNS),
       "ex1": example("nord-est"), "ex2": example("Ha detto «sì»."),
       "ex3": example("Roma (Lazio)"),
       "answer": alf_answer(no_key=True), "exercises": alf_exercises(6)}
    return alf_page(6, body, ("table6.html#punteggiatura",
                              "Tabella del codice braille: la punteggiatura"))


def alf7():
    body = """
%(title)s

<h2 id="jump_puntini">I puntini di sospensione</h2>
<p>I puntini di sospensione, quando una frase resta a metà, sono tre celle del
solo punto 3, attaccate alla parola che precede:</p>
%(ex1)s
<h2 id="jump_lineette">Le lineette</h2>
<p>La lineetta è più lunga del trattino e, come in nero, è staccata dalle
parole da una cella vuota. La
<strong>lineetta breve</strong> – racchiude un inciso, come una parentesi: è
la cella del trattino, punti 3 e 6, scritta due volte. La <strong>lineetta
lunga</strong> — apre la battuta di un dialogo: è la cella dei punti 4, 5 e 6
seguita da quella dei punti 3 e 6.</p>
%(ex2)s
%(ex3)s
<h2 id="jump_barra">La barra</h2>
<p>La barra / separa due parole che si possono scegliere, come in «e/o» o
«lui/lei»: è la cella dei punti 3 e 4, senza celle vuote intorno.</p>
%(ex4)s
%(signs)s
<p>I puntini e le lineette non hanno un tasto sulla tastiera italiana:
scrivili con la scrittura a sei tasti. La barra ha il suo tasto.</p>
%(answer)s
%(exercises)s
""" % {"title": alf_title(7),
       "signs": named_table("Puntini, lineette e barra", ALF_PAUSE_SIGNS),
       "ex1": example("Forse…"), "ex2": example("Il libro – disse Anna – è mio."),
       "ex3": example("— Vieni anche tu?"), "ex4": example("lui/lei"),
       "answer": alf_answer(no_key=True), "exercises": alf_exercises(7)}
    return alf_page(7, body, ("table6.html#punteggiatura",
                              "Tabella del codice braille: la punteggiatura"))


def alf8():
    body = """
%(title)s

<h2 id="jump_numeri">Il segnanumero e le cifre</h2>
<p>Le dieci cifre usano le celle delle lettere dalla a alla j: 1 è la a, 2 la
b, e così via fino allo 0, che è la j. Perché si leggano come numeri, davanti
al numero si scrive il <strong>segnanumero</strong>, i punti 3, 4, 5 e 6:
%(sign)s %(signp)s.</p>
%(digits)s
<p>Il segnanumero si scrive una volta sola, prima della prima cifra, e vale
fino alla cella vuota che segue il numero: dopo, le celle sono di nuovo
lettere.</p>
%(ex1)s
%(ex2)s
<h2 id="jump_date">Le date</h2>
<p>In una data scritta con il nome del mese il giorno e l'anno sono due
numeri, ognuno con il suo segnanumero:</p>
%(ex3)s
%(ex4)s
<p>Con la scrittura a sei tasti il segnanumero è S, J, K e L insieme, e le
cifre sono le celle delle lettere dalla a alla j. Senza, il segnanumero è il
tasto # e le cifre si scrivono con i loro tasti. Il corso di matematica
insegna i numeri con la virgola, le migliaia e le operazioni.</p>
%(answer)s
%(exercises)s
""" % {"title": alf_title(8), "sign": brl("#"), "signp": punti(["3456"]),
       "digits": sign_table("Le cifre, ognuna con il segnanumero",
                            [(d, "#" + d, cells_of("#" + d)) for d in "1234567890"],
                            ("Cifra", "Braille", "Punti")),
       "ex1": example("Ho 3 gatti.", "Ho #3 gatti."), "ex2": example("Marco ha 10 anni.",
                                                                    "Marco ha #10 anni."),
       "ex3": example("25 aprile", "#25 aprile"),
       "ex4": example("2 giugno 1946", "#2 giugno #1946"),
       "answer": alf_answer(), "exercises": alf_exercises(8)}
    return alf_page(8, body, ("table6.html#numeri", "Tabella del codice braille: i numeri"))


def alf9():
    body = """
%(title)s

<h2 id="jump_leggere">Leggere più frasi di seguito</h2>
<p>In questa lezione non ci sono segni nuovi: leggi brevi testi di due o tre
frasi, con tutti i segni imparati finora. Leggi una cella alla volta, senza
fretta, e fermati a ogni cella vuota: ogni parola finisce lì.</p>
<p>Alcuni consigli per leggere un testo:</p>
<ul>
<li>il punto, il punto interrogativo e il punto esclamativo chiudono la
frase, e la frase seguente comincia con il segno di maiuscola;</li>
<li>il segnanumero annuncia un numero: le celle che seguono sono cifre fino
alla cella vuota;</li>
<li>due segni di maiuscola annunciano una parola tutta in maiuscolo.</li>
</ul>
%(ex1)s
<p>Negli esercizi scrivi in nero tutto il testo di seguito, su una riga: la
casella va a capo da sola. Lascia uno spazio fra le frasi, come in nero.</p>
%(answer)s
%(exercises)s
""" % {"title": alf_title(9),
       "ex1": example("Luca ha un cane. Si chiama Rex e ha 3 anni.",
                      "Luca ha un cane. Si chiama Rex e ha #3 anni."),
       "answer": alf_answer(no_key=True), "exercises": alf_exercises(9)}
    return alf_page(9, body, ("table6.html#punteggiatura",
                              "Tabella del codice braille: la punteggiatura"))


def alf10():
    body = """
%(title)s

<h2 id="jump_scrivere">Scrivere un breve testo</h2>
<p>Questa lezione non ha segni nuovi: scrivi in braille brevi
testi di ogni giorno, un messaggio, una cartolina, una lista, la battuta di un
dialogo, un proverbio, con tutti i segni del corso.</p>
<p>Prima di controllare, rileggi quello che hai scritto e chiediti:</p>
<ul>
<li>ogni frase comincia con il segno di maiuscola, e così i nomi?</li>
<li>i segni di punteggiatura sono attaccati alla parola che li precede?</li>
<li>ogni numero ha il suo segnanumero?</li>
<li>le virgolette e le parentesi che si aprono si chiudono anche?</li>
</ul>
%(ex1)s
<p>Scrivi tutto il testo di seguito, su una riga, con una cella vuota fra le
parole e fra le frasi: la casella va a capo da sola.</p>
%(answer)s
%(exercises)s
""" % {"title": alf_title(10),
       "ex1": example("Cara Anna, arrivo il 3 maggio. Un abbraccio!",
                      "Cara Anna, arrivo il #3 maggio. Un abbraccio!"),
       "answer": alf_answer(no_key=True), "exercises": alf_exercises(10)}
    return alf_page(10, body, ("table6.html#punteggiatura",
                               "Tabella del codice braille: la punteggiatura"))


def alf11():
    rows = [("%s <span class=\"nome\">%s</span>" % (name, which), braille,
             cells_of(braille))
            for name, opening, closing in ALF_EMPHASIS
            for which, braille in (("apertura", opening), ("chiusura", closing))]
    body = """
%(title)s

<h2 id="jump_asterisco">L'asterisco</h2>
<p>L'asterisco * rimanda a una nota: è la cella dei punti 3 e 5 %(star)s,
attaccata alla parola che precede, come in nero. All'inizio della nota si
scrive prima della parola, seguito da una cella vuota.</p>
%(ex1)s
<p>Attenzione: il tasto * della tastiera scrive la cella del segno «per»
della matematica, i punti 2, 3 e 6. L'asterisco di un testo si scrive con la
scrittura a sei tasti: S e K insieme, cioè i punti 3 e 5.</p>
<h2 id="jump_evidenziate">Le parole in corsivo, in neretto e sottolineate</h2>
<p>In nero una parola può essere messa in evidenza: in
<strong>corsivo</strong>, in <strong>neretto</strong> (detto anche grassetto)
o <strong>sottolineata</strong>. In braille la parola evidenziata sta fra un
segno di apertura e un segno di chiusura, di due celle ciascuno, attaccati
alla parola. Le due celle sono sempre il segno del tipo di evidenza e la cella
dei punti 4, 5 e 6 %(mark)s: il segno di apertura ha prima il segno del tipo,
quello di chiusura lo ha dopo.</p>
<ul>
<li>corsivo: i punti 2 e 5 (la cella dei due punti);</li>
<li>neretto: i punti 2, 3, 5 e 6 (la cella delle parentesi);</li>
<li>sottolineato: i punti 3 e 6 (la cella del trattino).</li>
</ul>
%(signs)s
<p>Se le parole evidenziate sono più di una, il segno di apertura va davanti
alla prima e quello di chiusura dopo l'ultima. La punteggiatura che segue la
parola evidenziata resta fuori, dopo il segno di chiusura:</p>
%(ex2)s
%(ex3)s
%(ex4)s
<p>Il lettore di schermo non dice se una parola è in corsivo: negli esercizi
il titolo dice quali parole sono evidenziate e come.</p>
<h2 id="jump_datebarra">Le date con la barra</h2>
<p>Una data si scrive anche con le cifre separate da barre, come 25/12/2026.
In braille ogni numero ha il suo segnanumero, anche dopo la barra, che è la
cella dei punti 3 e 4, senza celle vuote intorno:</p>
%(ex5)s
%(ex6)s
<p>Con la scrittura a sei tasti i due punti sono K e D insieme, la cella dei
punti 4, 5 e 6 è J, K e L insieme; senza, i segni delle evidenze si scrivono
con i tasti dei due punti, dell'uguale, del trattino e del trattino basso
(_), che scrive la cella dei punti 4, 5 e 6.</p>
%(answer)s
%(exercises)s
""" % {"title": alf_title(11), "star": brl(ALF_ASTERISK[1]), "mark": brl("_"),
       "signs": sign_table("I segni delle parole evidenziate", rows),
       "ex1": example("Il prezzo* è scontato.", "Il prezzo\u2022 è scontato."),
       "ex2": example("", "Vieni :_adesso_:.",
                      "Vieni <em>adesso</em>. (con «adesso» in corsivo)"),
       "ex3": example("", "Qui è =_vietato_= fumare.",
                      "Qui è <strong>vietato</strong> fumare. (con «vietato» in neretto)"),
       "ex4": example("", "Leggi -_bene_- la domanda.",
                      "Leggi <u>bene</u> la domanda. (con «bene» sottolineato)"),
       "ex5": example("25/12/2026", "#25/#12/#2026"),
       "ex6": example("Sono nato il 2/6/1990.", "Sono nato il #2/#6/#1990."),
       "answer": alf_answer(no_key=True), "exercises": alf_exercises(11)}
    return alf_page(11, body, ("table6.html#punteggiatura",
                               "Tabella del codice braille: la punteggiatura"))


# ------------------------------------------------------------ mathematics --
MATH_TYPING = """<h2>Come si risponde</h2>
<p>In braille l'operazione si scrive senza spazi e ogni numero ha il suo
segnanumero.</p>
%s
<p>Con la scrittura a sei tasti il segnanumero è S, J, K e L insieme, e le
cifre sono le celle delle lettere dalla a alla j. Senza, il segnanumero è il
tasto #, il segno per è il tasto * e il segno diviso è il tasto dei due
punti; le cifre si scrivono con i loro tasti e il font braille del corso le
mostra con le celle delle lettere. I segni che non hanno un tasto, come le
parentesi di una formula, si scrivono con la scrittura a sei tasti.</p>
<p>Negli esercizi con tre tessere di pallini leggi il braille della domanda,
premi il pulsante della risposta giusta (RISPOSTA 1, 2 o 3) e poi Controlla:
il lettore di schermo dice quanti pallini ha ogni tessera. Negli esercizi con
una sola tessera il lettore di schermo nomina i pallini uno per uno, da
contare.</p>""" % SIX_KEYS


def math_exercises(link, what, first=False):
    """The exercises of a mathematics lesson, in the order of the window that
    offers them."""
    review = ("Il ripasso di questa prima lezione riprende le lettere dalla a alla j "
              "del corso dell'alfabeto: sono le celle delle cifre."
              if first else "Il ripasso riprende i segni delle lezioni precedenti.")
    return """<h2>Gli esercizi</h2>
<p>Gli esercizi sono di quattro tipi, nell'ordine in cui li propone la
finestra di scelta: ripasso, esercizi sui nuovi segni, esercizi di
consolidamento e il test di verifica, dieci esercizi con il voto finale.
%s Comincia dal ripasso, passa ai nuovi segni e al consolidamento, e fai il
test per ultimo.</p>
<ul class="esercizi">
<li><a href="%s">Esercizi della lezione: %s</a></li>
</ul>""" % (review, link, what)


MATH_LESSONS = [("mat1.htm", "i numeri e il segnanumero"),
                ("mat2.htm", "addizione e sottrazione"),
                ("mat3.htm", "moltiplicazione e divisione"),
                ("mat4.htm", "l'ordine delle operazioni e le parentesi"),
                ("mat5.htm", "minore, maggiore, minore o uguale, maggiore o uguale e i numeri negativi"),
                ("mat6.htm", "le frazioni e la percentuale"),
                ("mat7.htm", "decimali e migliaia nelle operazioni, l'euro e le misure")]


def math_nav(number, table_anchor, table_what):
    """Navigation of mathematics lesson `number` (1 ...): next, previous,
    index, code table, front page."""
    links = []
    if number < len(MATH_LESSONS):
        links.append((MATH_LESSONS[number][0], "Lezione seguente: " + MATH_LESSONS[number][1]))
    if number > 1:
        links.append((MATH_LESSONS[number - 2][0], "Lezione precedente: " + MATH_LESSONS[number - 2][1]))
    links += [("matematica.htm", "Le lezioni di matematica"),
              ("table6.html#" + table_anchor, "Tabella del codice braille: " + table_what),
              ("fr1.htm", "Pagina iniziale del corso")]
    return nav(*links)


def matematica():
    items = "\n".join('<li><a href="%s">Lezione %d: %s</a></li>' % (page_, k + 1, what)
                      for k, (page_, what) in enumerate(MATH_LESSONS))
    body = """
<h1>Matematica</h1>
<p>Il corso di matematica insegna a leggere e scrivere in braille i numeri,
le quattro operazioni, le espressioni con le parentesi, i confronti, i numeri
negativi, le frazioni, la percentuale, i numeri decimali, l'euro e le unità di
misura, come si usa nella scuola italiana.</p>
<h2>Le lezioni</h2>
<ol class="corsi">
%s
</ol>
""" % items
    return page("Matematica - Sentiero dei Punti", body,
                nav(("fr1.htm", "Pagina iniziale del corso"),
                    after=[("2ripasso.htm", "Ripassa gli esercizi di matematica da rifare"),
                           ("progressi.htm", "I tuoi progressi")]))


def math_example(print_text, braille, shown=None):
    """`shown`: the print as HTML, for a sign Windows-1252 lacks (&le;)."""
    return '<p class="esempio">%s si scrive %s %s</p>' % (
        shown or html.escape(print_text), brl(braille), punti(cells_of(braille)))


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
<p>Una lettera dalla a alla j subito dopo un numero, come nel numero civico
12b, si leggerebbe come una cifra: per questo davanti alla lettera si scrive
la cella dei punti 4, 5 e 6, che chiude il numero.</p>
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
       "typing": MATH_TYPING,
       "exercises": math_exercises("201eser.htm", "i numeri e il segnanumero", first=True)}
    return page("Matematica, lezione 1 - Sentiero dei Punti", body,
                math_nav(1, "numeri", "i numeri"))


def mat2():
    body = """
<h1>Matematica, lezione 2: addizione e sottrazione</h1>
<h2 id="jump_piumeno">I segni più, meno e uguale</h2>
%(signs)s
<p>Il segno più ha la stessa cella del punto esclamativo e il segno meno
quella del trattino: in un'operazione, fra due numeri, sono il più e il meno.
Fuori da un'operazione la stessa cella fra due numeri può essere il
trattino: gli anni 1914-1918 hanno le stesse celle della sottrazione 1914 - 1918,
e il contesto dice quale.</p>
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
       "typing": MATH_TYPING, "exercises": math_exercises("202eser.htm", "addizione e sottrazione")}
    return page("Matematica, lezione 2 - Sentiero dei Punti", body,
                math_nav(2, "matematica", "i segni matematici"))


def mat3():
    body = """
<h1>Matematica, lezione 3: moltiplicazione e divisione</h1>
<h2 id="jump_perdiviso">I segni per e diviso</h2>
<p>A scuola si scrive × per la moltiplicazione e : per la divisione. In
braille il segno per è la cella dei punti 2, 3 e 6, il segno diviso quella
dei punti 2 e 5, la stessa dei due punti della punteggiatura: in
un'operazione è il segno diviso. Anche l'ora 10:30 ha la stessa cella fra
due numeri, e il contesto dice quale.</p>
%(signs)s
%(ex1)s
%(ex2)s
%(typing)s
%(exercises)s
""" % {"signs": sign_table("I segni della moltiplicazione e della divisione",
                           [("× <span class=\"nome\">per</span>", "*", bt.cells6("×")),
                            (": <span class=\"nome\">diviso</span>", ":", bt.cells6(":"))]),
       "ex1": math_example("3 × 4 = 12", "#3*#4=#12"), "ex2": math_example("12 : 4 = 3", "#12:#4=#3"),
       "typing": MATH_TYPING, "exercises": math_exercises("203eser.htm", "moltiplicazione e divisione")}
    return page("Matematica, lezione 3 - Sentiero dei Punti", body,
                math_nav(3, "matematica", "i segni matematici"))


def mat4():
    body = """
<h1>Matematica, lezione 4: l'ordine delle operazioni e le parentesi</h1>
<h2 id="jump_ordine">L'ordine delle operazioni</h2>
<p>In un'espressione con più operazioni si fanno prima le moltiplicazioni e
le divisioni, da sinistra a destra, poi le addizioni e le sottrazioni, da
sinistra a destra. In braille l'espressione si scrive come in nero, senza
spazi, e ogni numero ha il suo segnanumero.</p>
%(ex1)s
<h2 id="jump_parentesi">Le parentesi di una formula</h2>
<p>Le parentesi dicono che cosa si fa per primo. In una formula la parentesi
tonda aperta è la cella dei punti 2 e 6, la chiusa quella dei punti 3 e 5.
Non sono le parentesi di un testo, che hanno i punti 2, 3, 5 e 6 all'inizio e
alla fine: in una formula quella cella è il segno uguale.</p>
%(signs)s
%(ex2)s
%(ex3)s
<p>Con la scrittura a sei tasti la parentesi aperta è D e L insieme, la
chiusa S e K insieme.</p>
<h2 id="jump_stessecelle">Le stesse celle, segni diversi</h2>
<p>Alcune celle servono a più segni, e il contesto dice quale, come in nero
i due punti sono la divisione e la punteggiatura:</p>
<ul>
<li>i punti 2, 3 e 5 sono il segno più in un'operazione e il punto
esclamativo in un testo;</li>
<li>i punti 3 e 6 sono il segno meno in un'operazione e il trattino in un
testo, anche fra due anni (1914-1918);</li>
<li>i punti 2, 3 e 6 sono il segno per in un'operazione e le virgolette
aperte in un testo;</li>
<li>i punti 2 e 5 sono il segno diviso in un'operazione e i due punti in un
testo e nell'ora (10:30);</li>
<li>i punti 2, 3, 5 e 6 sono il segno uguale in un'operazione e le parentesi
tonde di un testo;</li>
<li>i punti 2 e 6 sono la parentesi aperta di una formula e il punto
interrogativo in un testo;</li>
<li>dentro un numero il punto 2 è la virgola decimale e il punto 3 il punto
delle migliaia; in un testo sono la virgola e l'apostrofo.</li>
</ul>
%(typing)s
%(exercises)s
""" % {"ex1": math_example("2 + 3 × 4 = 14", "#2+#3*#4=#14"),
       "signs": sign_table("Le parentesi tonde di una formula",
                           [("( <span class=\"nome\">parentesi aperta</span>", "\u2039", ["26"]),
                            (") <span class=\"nome\">parentesi chiusa</span>", "\u203a", ["35"])]),
       "ex2": math_example("(2 + 3) × 4 = 20", "\u2039#2+#3\u203a*#4=#20"),
       "ex3": math_example("24 : (4 + 2) = 4", "#24:\u2039#4+#2\u203a=#4"),
       "typing": MATH_TYPING,
       "exercises": math_exercises("204eser.htm", "l'ordine delle operazioni e le parentesi")}
    return page("Matematica, lezione 4 - Sentiero dei Punti", body,
                math_nav(4, "matematica", "i segni matematici"))


def mat5():
    body = """
<h1>Matematica, lezione 5: minore, maggiore, minore o uguale, maggiore o uguale e i numeri negativi</h1>
<h2 id="jump_confronto">Minore e maggiore</h2>
<p>Il segno minore, «è minore di», è la cella dei punti 1, 2 e 6; il segno
maggiore, «è maggiore di», quella dei punti 3, 4 e 5. Si scrivono fra i due
numeri, senza spazi, e il secondo numero ha il suo segnanumero.</p>
%(signs)s
%(ex1)s
%(ex2)s
<h2 id="jump_ouguale">Minore o uguale, maggiore o uguale</h2>
<p>Il segno minore o uguale, «è minore o uguale a», è il segno minore seguito
dal segno uguale: le celle dei punti 1, 2 e 6 e dei punti 2, 3, 5 e 6. Il
segno maggiore o uguale è il segno maggiore seguito dall'uguale: i punti 3, 4
e 5, poi i punti 2, 3, 5 e 6. Anche loro si scrivono fra i due numeri, senza
spazi.</p>
%(signs2)s
%(ex6)s
%(ex7)s
<p>Negli esercizi questi due segni sono scritti in parole, «minore o uguale
a» e «maggiore o uguale a», come si leggono ad alta voce.</p>
<h2 id="jump_negativi">I numeri negativi</h2>
<p>Un numero negativo ha il segno meno, i punti 3 e 6, subito prima del
segnanumero. In un'operazione il meno della sottrazione e il meno del numero
negativo hanno la stessa cella; il meno del numero negativo viene all'inizio
o subito dopo un altro segno, come l'uguale.</p>
%(ex3)s
%(ex4)s
%(ex5)s
%(typing)s
%(exercises)s
""" % {"signs": sign_table("I segni del confronto",
                           [("&lt; <span class=\"nome\">minore</span>", "<", bt.cells6("<")),
                            ("&gt; <span class=\"nome\">maggiore</span>", ">", bt.cells6(">"))]),
       "signs2": sign_table("Minore o uguale, maggiore o uguale",
                            [("&le; <span class=\"nome\">minore o uguale</span>", "<=", cells_of("<=")),
                             ("&ge; <span class=\"nome\">maggiore o uguale</span>", ">=", cells_of(">="))]),
       "ex1": math_example("3 < 8", "#3<#8"), "ex2": math_example("9 > 4", "#9>#4"),
       "ex6": math_example("", "#4<=#9", "4 &le; 9"),
       "ex7": math_example("", "#12>=#12", "12 &ge; 12"),
       "ex3": math_example("-5", "-#5"), "ex4": math_example("3 - 7 = -4", "#3-#7=-#4"),
       "ex5": math_example("-3 + 5 = 2", "-#3+#5=#2"),
       "typing": MATH_TYPING,
       "exercises": math_exercises("205eser.htm", "minore, maggiore, minore o uguale, maggiore o uguale e i numeri negativi")}
    return page("Matematica, lezione 5 - Sentiero dei Punti", body,
                math_nav(5, "matematica", "i segni matematici"))


LOWERED = [("1", ","), ("2", ";"), ("3", ":"), ("4", "."), ("5", "?"), ("6", "!"),
           ("7", "="), ("8", "*"), ("9", "\u203a"), ("0", "\u00bb")]


def mat6():
    body = """
<h1>Matematica, lezione 6: le frazioni e la percentuale</h1>
<h2 id="jump_frazioni">Le frazioni</h2>
<p>Una frazione fra due numeri si scrive senza linea di frazione. Prima
viene il numeratore, con il segnanumero e le cifre di sempre; subito dopo il
denominatore, senza segnanumero, con le <strong>cifre abbassate</strong>,
scritte nella parte bassa della cella: la cifra abbassata ha i punti della
cifra spostati di una riga in giù. L'1, punto 1, diventa il punto 2; il 2,
punti 1 e 2, diventa i punti 2 e 3; e così via.</p>
%(lowered)s
%(ex1)s
%(ex2)s
%(ex3)s
<p>Le cifre abbassate hanno le celle di alcuni segni di punteggiatura: in un
testo la cella dei punti 2, 5 e 6 dopo un numero è il punto fermo, in una
frazione è il 4 del denominatore. Il contesto dice quale.</p>
<p>La linea di frazione si usa nelle frazioni con lettere o con espressioni,
che questo corso non tratta.</p>
<p>Senza la scrittura a sei tasti le cifre abbassate dall'1 all'8 sono i
tasti della virgola, del punto e virgola, dei due punti, del punto, del
punto interrogativo, del punto esclamativo, dell'uguale e dell'asterisco;
il 9 e lo 0 abbassati si scrivono con la scrittura a sei tasti.</p>
<h2 id="jump_percento">La percentuale</h2>
<p>Il segno di per cento si scrive subito dopo il numero: i punti 3, 4, 5 e 6
e poi i punti 3, 5 e 6, come uno zero abbassato dopo un segnanumero. Senza
la scrittura a sei tasti è il tasto %%.</p>
%(ex4)s
%(typing)s
%(exercises)s
""" % {"lowered": sign_table("Le cifre abbassate del denominatore",
                             [(d, ch, bt.cells6(ch)) for d, ch in LOWERED],
                             ("Cifra", "Braille", "Punti")),
       "ex1": math_example("1/2", "#1;"), "ex2": math_example("3/4", "#3."),
       "ex3": math_example("1/10", "#1,\u00bb"), "ex4": math_example("25%", "#25%"),
       "typing": MATH_TYPING,
       "exercises": math_exercises("206eser.htm", "le frazioni e la percentuale")}
    return page("Matematica, lezione 6 - Sentiero dei Punti", body,
                math_nav(6, "matematica", "i segni matematici"))


def mat7():
    units = [("km", "chilometri"), ("m", "metri"), ("cm", "centimetri"), ("kg", "chilogrammi"),
             ("g", "grammi"), ("l", "litri")]
    body = """
<h1>Matematica, lezione 7: decimali e migliaia nelle operazioni, l'euro e le misure</h1>
<h2 id="jump_decimali">Decimali e migliaia nelle operazioni</h2>
<p>Nelle operazioni la virgola decimale, punto 2, e il punto delle migliaia,
punto 3, restano dentro il numero, come nella lezione 1, e l'operazione si
scrive senza spazi.</p>
%(ex1)s
%(ex2)s
<h2 id="jump_euro">L'euro</h2>
<p>Il segno dell'euro è la cella dei punti 4 e 5 seguita dalla e, punti 1 e
5. Si scrive dove lo scrive il testo in nero, con lo stesso spazio. Senza la
scrittura a sei tasti è il tasto dell'euro.</p>
%(ex3)s
<h2 id="jump_misure">Le unità di misura</h2>
<p>Le unità di misura si scrivono come in nero, in lettere minuscole dopo uno
spazio. Lo spazio chiude il numero: la lettera che segue non ha bisogno della
cella dei punti 4, 5 e 6.</p>
%(units)s
%(ex4)s
%(typing)s
%(exercises)s
""" % {"ex1": math_example("2,5 + 1,5 = 4", "#2,5+#1,5=#4"),
       "ex2": math_example("1.000 + 500 = 1.500", "#1'000+#500=#1'500"),
       "ex3": math_example("4,50 \u20ac", "#4,50 \u20ac"),
       "units": sign_table("Alcune unità di misura",
                           [("%s <span class=\"nome\">%s</span>" % (u, n), u, cells_of(u))
                            for u, n in units], ("Unità", "Braille", "Punti")),
       "ex4": math_example("5 kg", "#5 kg"),
       "typing": MATH_TYPING,
       "exercises": math_exercises("207eser.htm", "decimali e migliaia nelle operazioni, l'euro e le misure")}
    return page("Matematica, lezione 7 - Sentiero dei Punti", body,
                math_nav(7, "matematica", "i segni matematici"))


# ------------------------------------------------------------------ music --
NOTES = [("do", "d"), ("re", "e"), ("mi", "f"), ("fa", "g"), ("sol", "h"), ("la", "i"), ("si", "j")]
# The character of each note cell in the course's answers (the cells decide; these are
# the characters the exercises use, all listed in the cell table).
MUSIC_CHARS = "defghij" "\u00f4\u00fb\u00eb\u00ef\u00fcw\u00f6" "nopqrst" "yz\u00e7\u00e9\u00e0\u00e8\u00f9"


def add_dots(cell, extra):
    return "".join(sorted(set(cell + extra)))


def music_char(cell):
    """The character the exercises write for a note cell."""
    return next(c for c in MUSIC_CHARS if bt.cells6(c) == [cell])


def note_table(caption, key, duration, extra):
    rows = ['<table>', '<caption>%s</caption>' % caption,
            '<tr><th scope="col">Nota</th><th scope="col">In musica</th>'
            '<th scope="col">Braille</th><th scope="col">Punti</th></tr>']
    for name, letter in NOTES:
        cell = add_dots(bt.cell6(letter), extra)
        shown = mus(key + " " + name, "%s %s" % (duration, name)) if key else duration + " " + name
        rows.append('<tr><th scope="row">%s</th><td>%s</td><td>%s</td><td>%s</td></tr>'
                    % (name, shown, brl(music_char(cell), "punti " + dots_list(cell)),
                       "punti " + dots_list(cell)))
    rows.append('</table>')
    return "\n".join(rows)


def music_signs(caption, rows, head="Segno"):
    """rows: (name, music text or None, braille) -> a table of signs."""
    out = ['<table>', '<caption>%s</caption>' % caption,
           '<tr><th scope="col">%s</th><th scope="col">Negli esercizi</th>'
           '<th scope="col">Braille</th><th scope="col">Punti</th></tr>' % head]
    for name, text, braille in rows:
        out.append('<tr><th scope="row">%s</th><td>%s</td><td>%s</td><td>%s</td></tr>'
                   % (name, mus(text, name) if text else "", brl(braille),
                      html.escape(cells_words(cells_of(braille)))))
    out.append('</table>')
    return "\n".join(out)


def music_example(music_text, label, braille):
    """A passage in the music font and in braille, with its dots in print."""
    return ('<p class="esempio">%s<br>%s %s</p>'
            % (mus(music_text, label), brl(braille), punti(cells_of(braille))))


SIX_KEYS_MUSIC = """<p>Scrivi il braille con la <strong>scrittura a sei tasti</strong>: il tasto
F2 la accende e la spegne (la casella diventa gialla). I tasti F, D e S sono i
punti 1, 2 e 3, i tasti J, K e L i punti 4, 5 e 6: premi insieme i tasti dei
punti della cella e lasciali. La barra spaziatrice è la cella vuota, il tasto
Backspace cancella l'ultima cella. Con la scrittura a sei tasti conta solo la
cella: non serve sapere quale tasto della tastiera la scrive. Il programma
ricorda la scrittura che hai scelto anche alla volta successiva.</p>
%s""" % SLATE_AND_KEYS


def music_typing(keys):
    """How to answer; `keys` says which keys write this lesson's cells without
    six-key entry."""
    return """<h2>Come si risponde</h2>
<p>Negli esercizi che chiedono il braille scrivi le celle nell'ordine in cui si
leggono; la prima nota ha il suo segno d'ottava.</p>
%s
<p>Senza la scrittura a sei tasti ogni tasto scrive la cella del suo segno: %s
Negli esercizi con tre scritture musicali premi il pulsante della risposta
giusta (RISPOSTA 1, 2 o 3) e poi Controlla. Se una risposta è sbagliata per
quattro volte, si accende il pulsante Risposta (e, negli esercizi che chiedono
il braille, Aiuto, che mostra il primo segno sbagliato); il pulsante Tabelle
apre la tabella del codice braille. I tasti: Alt+C controlla, Alt+V passa
all'esercizio seguente, Alt+E esce dagli esercizi.</p>""" % (SIX_KEYS_MUSIC, keys)


def music_exercises(link, what, review):
    return """<h2>Gli esercizi</h2>
<p>Gli esercizi sono di quattro tipi, nell'ordine della finestra di scelta: il
ripasso (%s), gli esercizi sui nuovi segni, il consolidamento e il test di
verifica, dieci esercizi con il voto finale. Comincia dal ripasso, passa ai
nuovi segni e al consolidamento, e fai il test per ultimo.</p>
<ul class="esercizi">
<li><a href="%s">Esercizi della lezione: %s</a></li>
</ul>""" % (review, link, what)


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


MUSIC_LESSONS = [
    ("mus1.htm", "le sette note in croma e i segni d'ottava"),
    ("mus2.htm", "semiminime, minime, semibrevi e punto di valore"),
    ("mus3.htm", "le pause"),
    ("mus4.htm", "battute, stanghette e tempi"),
    ("mus5.htm", "semicrome e valori più brevi"),
    ("mus6.htm", "diesis, bemolle, bequadro e armatura di chiave"),
    ("mus7.htm", "chiavi e legature"),
    ("mus8.htm", "intervalli e accordi"),
    ("mus9.htm", "una melodia intera"),
]


def music_nav(number):
    """The navigation bar of music lesson `number` (1 to 9)."""
    links = []
    if number < len(MUSIC_LESSONS):
        links.append((MUSIC_LESSONS[number][0], "Lezione seguente: " + MUSIC_LESSONS[number][1]))
    if number > 1:
        links.append((MUSIC_LESSONS[number - 2][0], "Lezione precedente: " + MUSIC_LESSONS[number - 2][1]))
    links += [("musica.htm", "Le lezioni di musica"),
              ("table6.html#musica", "Tabella del codice braille: i segni musicali"),
              ("fr1.htm", "Pagina iniziale del corso")]
    return nav(*links)


def music_page(number, body):
    title = "Musica, lezione %d: %s" % (number, MUSIC_LESSONS[number - 1][1])
    return page("Musica, lezione %d - Sentiero dei Punti" % number,
                "<h1>%s</h1>\n%s" % (html.escape(title), body), music_nav(number))


def musica():
    items = "\n".join('<li><a href="%s">Lezione %d: %s</a></li>' % (link, n, what)
                      for n, (link, what) in enumerate(MUSIC_LESSONS, 1))
    body = """
<h1>Musica</h1>
<p>Il corso di musica insegna il braille musicale del primo anno: le sette
note e le loro durate, i segni d'ottava, le pause, le battute e i tempi, le
alterazioni, le chiavi, le legature, gli intervalli e gli accordi, e infine
una melodia intera da leggere e da scrivere.</p>
<h2>Le lezioni</h2>
<ol class="corsi">
%s
</ol>
""" % items
    return page("Musica - Sentiero dei Punti", body,
                nav(("fr1.htm", "Pagina iniziale del corso"),
                    after=[("3ripasso.htm", "Ripassa gli esercizi di musica da rifare"),
                           ("progressi.htm", "I tuoi progressi")]))


def mus1():
    body = """
<h2 id="jump_note">Le note</h2>
<p>In braille una sola cella dice il nome della nota e la sua durata. I punti
1, 2, 4 e 5, in alto, danno il nome: sono le celle delle lettere dalla d
alla j. I punti 3 e 6, in basso, danno la durata. La croma %(croma)s non ha
né il punto 3 né il punto 6: le sue celle sono proprio quelle delle lettere
dalla d alla j.</p>
%(table)s
<p>In un brano la stessa cella vale anche per un valore molto più breve della
croma, il centoventottesimo; il tempo della battuta dice quale (lezione 5).</p>
<h2 id="jump_ottave">I segni d'ottava</h2>
<p>La cella dice il nome e la durata della nota, non la sua altezza: quale
do, fra i do del pianoforte? Lo dice il <strong>segno d'ottava</strong>,
scritto subito prima della nota. Ogni ottava ha il suo segno, una cella fatta
soltanto con i punti della colonna di destra, 4, 5 e 6: la prima ottava ha il
punto 4, la seconda i punti 4 e 5, la terza i punti 4, 5 e 6, la quarta il
punto 5, la quinta i punti 4 e 6, la sesta i punti 5 e 6, la settima il
punto 6. Le ottave si contano dal basso: la prima comincia dal do più grave
del pianoforte, la quarta dal do centrale.</p>
%(octaves)s
<p>Negli esercizi l'ottava è scritta accanto al nome della nota: do4 è il do
centrale, la4 il la del diapason (440 Hz), la3 il la sotto il do centrale,
do5 il do sopra. Attenzione: in Italia i musicisti chiamano spesso il do
centrale do3 e il la del diapason la3; il braille musicale e la notazione
scientifica li chiamano do4 e la4, e così fa questo corso.</p>
<p>La prima nota di un brano porta sempre il suo segno d'ottava: il do
centrale in croma si scrive %(ex)s %(exp)s. Le note che seguono lo ripetono
solo quando serve: dopo una seconda o una terza mai; dopo una quarta o una
quinta solo se la nota passa a un'altra ottava; dopo una sesta o un salto
più grande sempre. Do4, re4, mi4 si scrive %(ex2)s %(ex2p)s; fa4 e poi do5
(una quinta verso la quinta ottava) si scrive %(ex3)s %(ex3p)s; do4 e poi la4
(una sesta) si scrive %(ex4)s %(ex4p)s.</p>
%(typing)s
%(exercises)s
""" % {"croma": mus("C", "croma"), "table": note_table("Le note in croma", "C", "croma", ""),
       "octaves": octave_table(), "ex": brl("~d"), "exp": punti(cells_of("~d")),
       "ex2": brl("~def"), "ex2p": punti(cells_of("~def")),
       "ex3": brl("~g|d"), "ex3p": punti(cells_of("~g|d")),
       "ex4": brl("~d~i"), "ex4p": punti(cells_of("~d~i")),
       "typing": music_typing("i segni d'ottava sono i tasti ^ (prima), ` (seconda), _ "
                              "(terza), ~ (quarta), | (quinta) e \\ (settima); quello della "
                              "sesta si scrive con la scrittura a sei tasti; "
                              "le note in croma sono i tasti dalla d alla j."),
       "exercises": music_exercises("301eser.htm", "le sette note in croma e i segni d'ottava",
                                    "qui le lettere dalla d alla j del corso di alfabeto: in "
                                    "questo corso non c'è ancora nulla da ripassare")}
    return music_page(1, body)


def mus2():
    body = """
<h2 id="jump_durate">Le durate</h2>
<p>La durata si legge nei punti 3 e 6 della cella: la croma non ne ha
nessuno, la semiminima %(s)s ha il punto 6, la minima %(m)s il punto 3, la
semibreve %(o)s tutti e due. Il segno d'ottava resta prima della nota, come
nella lezione 1.</p>
<p>La semiminima vale due crome, la minima due semiminime, la semibreve due
minime. Le celle sono quattro e le durate otto: ogni cella vale anche per un
valore sedici volte più breve. La croma vale anche per il centoventottesimo,
la semiminima per il sessantaquattresimo (semibiscroma), la minima per il
trentaduesimo (biscroma), la semibreve per il sedicesimo (semicroma). Il
tempo della battuta dice quale: i valori brevi sono nella lezione 5.</p>
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
       "typing": music_typing("le semiminime sono ô, û, ë, ï, ü, ö e w (conviene la "
                              "scrittura a sei tasti), le minime i tasti dalla n alla t, le "
                              "semibrevi y, z, ç, é, à, è e ù; il punto di valore è "
                              "l'apostrofo."),
       "exercises": music_exercises("302eser.htm", "semiminime, minime, semibrevi e punto di valore",
                                    "le note in croma e i segni d'ottava")}
    return music_page(2, body)


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
       "typing": music_typing("le pause sono i tasti m, u, v e x."),
       "exercises": music_exercises("303eser.htm", "le pause",
                                    "semiminime, minime, semibrevi e punto di valore")}
    return music_page(3, body)


TIMES = [("2/4", "#b."), ("3/4", "#c."), ("4/4", "#d."), ("3/8", "#c*"), ("6/8", "#f*")]


def mus4():
    body = """
<h2 id="jump_tempo">Il tempo</h2>
<p>L'indicazione di tempo è scritta all'inizio del brano con il
<strong>segnanumero</strong> (punti 3, 4, 5 e 6), poi il numero di sopra con
le celle delle cifre, in alto nella cella (come 1 = a, 2 = b, 3 = c, 4 = d,
6 = f), e il numero di sotto con la stessa cella abbassata ai punti 2, 3, 5
e 6: il 4 di sotto è la cella dei punti 2, 5 e 6, l'8 di sotto quella dei
punti 2, 3 e 6. Dopo il tempo c'è una cella vuota, poi la musica.</p>
%(times)s
<h2 id="jump_battute">Le stanghette</h2>
<p>In braille la <strong>stanghetta</strong> fra due battute è una cella
vuota: la stanghetta non ha una cella sua. La <strong>doppia stanghetta</strong> della fine del brano è formata
da due celle, i punti 1, 2 e 6 e i punti 1 e 3, scritte subito dopo l'ultima
nota, senza cella vuota. Negli esercizi la stanghetta è scritta %(bar)s e
la doppia stanghetta %(double)s.</p>
%(bars)s
<p>Le regole del segno d'ottava non si fermano alla stanghetta: si conta
l'intervallo dall'ultima nota della battuta prima.</p>
%(ex1)s
%(ex2)s
%(typing)s
%(exercises)s
""" % {"times": music_signs("Le indicazioni di tempo", [("tempo " + t, t, b) for t, b in TIMES],
                            "Tempo"),
       "bar": mus("|", "stanghetta"), "double": mus("!", "doppia stanghetta"),
       "bars": music_signs("Stanghetta e doppia stanghetta",
                           [("stanghetta", "|", " "), ("doppia stanghetta", "!", "<k")]),
       "ex1": music_example("4/4 S do4 S re4 S mi4 S fa4 | O sol4", "tempo 4/4, semiminime do re mi fa, "
                      "stanghetta, semibreve sol", "#d. ~ôûëï à"),
       "ex2": music_example("3/4 S do4 S mi4 S sol4 | \u00fe\u00f1 do5 !", "tempo 3/4, semiminime do mi "
                      "sol, stanghetta, minima puntata do5, doppia stanghetta", "#c. ~ôëü |n'<k"),
       "typing": music_typing("il segnanumero è il tasto #; i numeri di sotto sono il punto "
                              "(4) e l'asterisco (8); la stanghetta è la barra spaziatrice; "
                              "la doppia stanghetta è il tasto &lt; e poi la k."),
       "exercises": music_exercises("304eser.htm", "battute, stanghette e tempi", "le pause e le durate")}
    return music_page(4, body)


def mus5():
    values = ['<table>', '<caption>Quattro celle, otto durate</caption>',
              '<tr><th scope="col">Cella di do</th><th scope="col">Punti</th>'
              '<th scope="col">Valore lungo</th><th scope="col">Valore breve</th></tr>']
    for extra, long_, short in (("", "croma (un ottavo)", "centoventottesimo"),
                                ("6", "semiminima (un quarto)", "semibiscroma (un sessantaquattresimo)"),
                                ("3", "minima (una metà)", "biscroma (un trentaduesimo)"),
                                ("36", "semibreve (un intero)", "semicroma (un sedicesimo)")):
        cell = add_dots("145", extra)
        values.append('<tr><th scope="row">%s</th><td>%s</td><td>%s</td><td>%s</td></tr>'
                      % (brl(music_char(cell)), "punti " + dots_list(cell), long_, short))
    values.append('</table>')
    body = """
<h2 id="jump_brevi">Semicrome e valori più brevi</h2>
<p>La semicroma vale mezza croma, la biscroma mezza semicroma, la semibiscroma
mezza biscroma. Il braille non ha celle nuove per loro: ogni cella di nota
vale per due durate, una lunga e una sedici volte più breve.</p>
%(values)s
<p>La semicroma ha dunque la cella della semibreve, la biscroma quella della
minima, la semibiscroma quella della semiminima. Chi legge capisce dal tempo:
in una battuta di 2/4 non c'è posto per una semibreve, e quattro celle di
semibreve con una semiminima sono quattro semicrome e una semiminima. Negli esercizi due
semicrome unite sono scritte %(e)s, le altre con il loro nome.</p>
%(st)s
%(ex1)s
%(ex2)s
%(typing)s
%(exercises)s
""" % {"values": "\n".join(values), "e": mus("E", "due semicrome unite"),
       "st": note_table("Le note in semicroma (la cella della semibreve)", "", "semicroma", "36"),
       "ex1": music_example("2/4 E do4 re4 E mi4 fa4 S sol4", "tempo 2/4, quattro semicrome do re mi "
                      "fa, semiminima sol", "#b. ~yzçéü"),
       "ex2": music_example("2/4 S re4 C mi4 semicroma fa4 biscroma sol4 biscroma la4 !",
                      "tempo 2/4, semiminima re, croma mi, semicroma fa, biscrome sol e la, "
                      "doppia stanghetta", "#b. ~ûférs<k"),
       "typing": music_typing("le semicrome sono y, z, ç, é, à, è e ù, le biscrome i tasti "
                              "dalla n alla t."),
       "exercises": music_exercises("305eser.htm", "semicrome e valori più brevi",
                                    "battute, stanghette e tempi")}
    return music_page(5, body)


def mus6():
    body = """
<h2 id="jump_alterazioni">Diesis, bemolle e bequadro</h2>
<p>Il diesis alza la nota di un semitono, il bemolle la abbassa, il bequadro
annulla l'uno e l'altro. In braille l'alterazione si scrive
<strong>prima</strong> della nota e anche prima del suo segno d'ottava.</p>
%(acc)s
%(ex1)s
<h2 id="jump_armatura">L'armatura di chiave</h2>
<p>L'armatura è scritta all'inizio del brano, prima del tempo e unita a lui,
senza cella vuota: un diesis per ogni diesis dell'armatura, un bemolle per
ogni bemolle (questo corso arriva a tre alterazioni in armatura). Le note alterate dall'armatura non
ripetono il segno; lo ha solo l'alterazione che non è in armatura.</p>
%(keys)s
%(ex2)s
%(typing)s
%(exercises)s
""" % {"acc": music_signs("Le alterazioni", [("diesis", "# C fa4", "\u00ee~g"),
                                               ("bemolle", "B C si4", "<~j"),
                                               ("bequadro", "N C fa4", "\u00e2~g")]),
       "ex1": music_example("2/4 C fa4 # C fa4 C sol4 N C fa4 !", "tempo 2/4, crome fa, fa diesis, "
                      "sol, fa bequadro, doppia stanghetta", "#b. ~g\u00eegh\u00e2g<k"),
       "keys": music_signs("Armature e tempi", [("un diesis, 3/4", "# 3/4", "\u00ee#c."),
                                                ("due diesis, 2/4", "## 2/4", "\u00ee\u00ee#b."),
                                                ("un bemolle, 4/4", "B 4/4", "<#d."),
                                                ("tre bemolli, 4/4", "BBB 4/4", "<<<#d.")], "Armatura"),
       "ex2": music_example("# 2/4 S sol4 S fa4 | M sol4 !", "sol maggiore, tempo 2/4, semiminime sol "
                      "e fa, stanghetta, minima sol, doppia stanghetta", "\u00ee#b. ~\u00fc\u00ef r<k"),
       "typing": music_typing("il bemolle è il tasto &lt;; il diesis (î) e il bequadro (â) "
                              "si scrivono meglio con la scrittura a sei tasti."),
       "exercises": music_exercises("306eser.htm", "diesis, bemolle, bequadro e armatura di chiave",
                                    "semicrome e valori più brevi")}
    return music_page(6, body)


def mus7():
    body = """
<h2 id="jump_chiavi">Le chiavi</h2>
<p>In braille l'altezza delle note la danno i segni d'ottava, così la chiave
non cambia la scrittura delle note: si scrive all'inizio, prima delle note,
quando il brano la indica. La prima nota dopo la chiave ha sempre il suo
segno d'ottava. Negli esercizi le chiavi sono scritte per esteso, "chiave di sol"
e "chiave di fa".</p>
%(clefs)s
<h2 id="jump_legature">Le legature</h2>
<p>La <strong>legatura di valore</strong> unisce due note della stessa
altezza in un solo suono: si scrive subito dopo la prima nota (e dopo il suo
punto di valore), con due celle, il punto 4 e i punti 1 e 4. Può passare la
stanghetta: allora va prima della cella vuota. Negli esercizi è scritta ~
fra le due note.</p>
<p>La <strong>legatura di portamento</strong> lega note diverse: su due,
tre o quattro note si scrive la cella dei punti 1 e 4 dopo ogni nota,
tranne l'ultima. Negli esercizi le note legate sono fra parentesi.</p>
%(ties)s
%(ex1)s
%(ex2)s
%(typing)s
%(exercises)s
""" % {"clefs": music_signs("Le chiavi", [("chiave di sol (di violino)", "chiave di sol", ">/l"),
                                           ("chiave di fa (di basso)", "chiave di fa", ">#l")], "Chiave"),
       "ties": music_signs("Le legature", [("legatura di valore", "M do4 ~ M do4", "~n^cn"),
                                            ("legatura di portamento", "( C do4 C re4 )", "~dce")]),
       "ex1": music_example("4/4 M sol4 ~ S sol4 S la4 | O sol4 !", "tempo 4/4, minima sol legata alla "
                      "semiminima sol, semiminima la, stanghetta, semibreve sol, doppia stanghetta",
                      "#d. ~r^c\u00fc\u00f6 \u00e0<k"),
       "ex2": music_example("3/4 ( S do4 S re4 S mi4 ) | \u00fe\u00f1 do4 !", "tempo 3/4, semiminime "
                      "do re mi sotto una legatura, stanghetta, minima puntata do, doppia stanghetta",
                      "#c. ~\u00f4c\u00fbc\u00eb n'<k"),
       "typing": music_typing("la chiave di sol è &gt;, / e l; quella di fa &gt;, # e l; la "
                              "legatura di valore è ^ e c, quella di portamento c."),
       "exercises": music_exercises("307eser.htm", "chiavi e legature",
                                    "alterazioni e armature")}
    return music_page(7, body)


INTERVALS = [(2, "seconda", "/"), (3, "terza", "\u00f2"), (4, "quarta", "#"), (5, "quinta", "\u203a"),
             (6, "sesta", "\u00bb"), (7, "settima", ":"), (8, "ottava", "-")]


def mus8():
    body = """
<h2 id="jump_intervalli">Gli intervalli</h2>
<p>Due o più note suonate insieme non si scrivono una sopra l'altra: in
chiave di sol (la mano destra) si scrive la nota <strong>più acuta</strong>,
con la sua durata e, se serve, il suo segno d'ottava; poi, per ogni altra
nota, il segno dell'<strong>intervallo</strong> contato verso il basso dalla
nota scritta. Gli intervalli non hanno durata né ottava: hanno quelle della
nota scritta. In chiave di fa (la mano sinistra) si fa il contrario: si
scrive la nota più grave e gli intervalli si contano verso l'alto; questo corso
usa la chiave di sol. Negli esercizi le note suonate insieme sono unite da +,
dalla più grave alla più acuta (do4+mi4).</p>
%(table)s
<h2 id="jump_accordi">Gli accordi</h2>
<p>In un accordo di tre note gli intervalli si scrivono dal più vicino al più
lontano, tutti contati dalla nota scritta. Per il segno d'ottava della nota
che segue conta la nota scritta.</p>
%(ex1)s
%(ex2)s
%(typing)s
%(exercises)s
""" % {"table": sign_table("Gli intervalli (contati verso il basso dalla nota scritta)",
                           [(name, sign, bt.cells6(sign)) for n, name, sign in INTERVALS],
                           ("Intervallo", "Braille", "Punti")),
       "ex1": music_example("M do4+mi4", "minima do e mi insieme", "~p\u00f2"),
       "ex2": music_example("4/4 M do4+mi4 M re4+fa4 | O mi4+sol4 !", "tempo 4/4, minime do e mi, re e "
                      "fa, stanghetta, semibreve mi e sol, doppia stanghetta",
                      "#d. ~p\u00f2q\u00f2 \u00e0\u00f2<k"),
       "typing": music_typing("gli intervalli sono / (seconda), ò (terza), # (quarta), : "
                              "(settima) e - (ottava); la quinta (punti 3 e 5) e la sesta "
                              "(punti 3, 5 e 6) si scrivono con la scrittura a sei tasti."),
       "exercises": music_exercises("308eser.htm", "intervalli e accordi", "chiavi e legature")}
    return music_page(8, body)


FRA_MARTINO = ("4/4 S do4 S re4 S mi4 S do4 | S do4 S re4 S mi4 S do4 | "
               "S mi4 S fa4 M sol4 | S mi4 S fa4 M sol4 !")


def mus9():
    body = """
<h2 id="jump_melodia">Leggere una melodia</h2>
<p>Ora conosci tutti i segni di una melodia semplice. Per leggerla in braille
procedi con ordine:</p>
<ol>
<li>l'intestazione: l'armatura, se c'è, e il tempo, uniti; poi una cella
vuota;</li>
<li>una battuta alla volta, fino alla cella vuota che la chiude: per ogni
nota il nome e la durata, e conta le durate, che devono riempire il
tempo;</li>
<li>l'altezza: la prima nota ha il segno d'ottava; per le altre conta
l'intervallo dalla nota prima; dove c'è un segno d'ottava, è lui a dire
l'ottava della nota;</li>
<li>la fine: la doppia stanghetta.</li>
</ol>
<p>Ecco l'inizio di «Fra Martino», canto popolare, in musica e in
braille:</p>
%(ex1)s
<p>Il tempo è 4/4. La prima battuta è do4, re, mi, do, quattro semiminime: il
do ha il segno della quarta ottava, le altre note sono a una seconda o a una
terza e non lo ripetono. La seconda battuta è uguale. La terza è mi, fa in
semiminima e sol in minima: due quarti più due quarti. La quarta ripete la
terza e finisce con la doppia stanghetta.</p>
<h2 id="jump_scrivere">Scrivere una melodia</h2>
<p>Per scriverla si va nello stesso ordine: l'intestazione e una cella
vuota, poi le battute separate da una cella vuota, i segni d'ottava dove
servono, e in fondo la doppia stanghetta attaccata all'ultima nota. Ecco
l'«Inno alla gioia» di Beethoven, le prime quattro battute:</p>
%(ex2)s
<p>Nell'ultima battuta la semiminima puntata mi vale tre crome, e con la croma
re fa due quarti; la minima re riempie il resto.</p>
%(typing)s
%(exercises)s
""" % {"ex1": music_example(FRA_MARTINO, "Fra Martino: tempo 4/4; do re mi do; do re mi do; mi fa "
                      "sol minima; mi fa sol minima; doppia stanghetta",
                      "#d. ~\u00f4\u00fb\u00eb\u00f4 \u00f4\u00fb\u00eb\u00f4 \u00eb\u00efr \u00eb\u00efr<k"),
       "ex2": music_example("4/4 S mi4 S mi4 S fa4 S sol4 | S sol4 S fa4 S mi4 S re4 | S do4 S do4 S re4 "
                      "S mi4 | \u00fe\u00f4 mi4 C re4 M re4 !",
                      "Inno alla gioia: tempo 4/4; mi mi fa sol; sol fa mi re; do do re mi; mi "
                      "semiminima puntata, re croma, re minima; doppia stanghetta",
                      "#d. ~\u00eb\u00eb\u00ef\u00fc \u00fc\u00ef\u00eb\u00fb \u00f4\u00f4\u00fb\u00eb \u00eb'eo<k"),
       "typing": music_typing("i tasti sono quelli delle lezioni precedenti."),
       "exercises": music_exercises("309eser.htm", "una melodia intera", "intervalli e accordi")}
    return music_page(9, body)


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
        [(named("ROMA", "parola tutta in maiuscolo"), "||roma", cells_of("||roma")),
         (named("VIA ROMA", "più parole in maiuscolo"), "||via ||roma", cells_of("||via ||roma"))]
    digits = [(named("#", "segnanumero"), "#", ["3456"])] + \
        [(d, "#" + d, cells_of("#" + d)) for d in "1234567890"]
    punct = [(named(c, n), c, bt.cells6(c))
             for c, n in ALF_SENTENCE_SIGNS + ALF_PAIRED_SIGNS + ALF_PAUSE_SIGNS] + \
        [(named(ALF_ASTERISK[0], ALF_ASTERISK[2]), ALF_ASTERISK[1], bt.cells6(ALF_ASTERISK[1]))] + \
        [(named(name, "%s, %s" % (name, which)), braille, cells_of(braille))
         for name, opening, closing in ALF_EMPHASIS
         for which, braille in (("apertura", opening), ("chiusura", closing))] + \
        [(named("25/12/2026", "data con la barra"), "#25/#12/#2026", cells_of("#25/#12/#2026"))]
    math = [(named(p, n), b, cells_of(b)) for p, b, n in (
        ("+", "+", "più"), ("-", "-", "meno"), ("×", "*", "per"), (":", ":", "diviso"),
        ("=", "=", "uguale"), ("(", "\u2039", "parentesi aperta"),
        (")", "\u203a", "parentesi chiusa"), (",", ",", "virgola decimale"),
        (".", "'", "punto delle migliaia"), ("12b", "#12_b", "lettera dopo un numero"),
        ("<", "<", "minore"), (">", ">", "maggiore"), ("-5", "-#5", "numero negativo"),
        ("3/4", "#3.", "frazione: il denominatore in basso"), ("25%", "#25%", "per cento"),
        ("€", "\u20ac", "euro"))] + \
        [('&%s; <span class="nome">%s o uguale</span>' % (entity, name), b, cells_of(b))
         for entity, name, b in (("le", "minore", "<="), ("ge", "maggiore", ">="))]
    # Music: the print side is the sign in the music font.
    def musical(key, name):
        return '%s <span class="nome">%s</span>' % (mus(key, name), name)
    music = [(musical("C " + name, "croma " + name), letter, bt.cells6(letter))
             for name, letter in NOTES]
    for key, dur, extra in (("S", "semiminima", "6"), ("M", "minima", "3"), ("O", "semibreve", "36")):
        cell = add_dots(bt.cell6("d"), extra)
        music.append((musical(key + " do", dur + " do"), music_char(cell), [cell]))
    music.append((named(".", "punto di valore"), "'", ["3"]))
    for number, name, ch in OCTAVES:
        music.append((named("%d" % number, "segno della %s ottava" % name), ch, bt.cells6(ch)))
    for key, name, letter in RESTS:
        music.append((musical(key, name), letter, bt.cells6(letter)))
    for shown, name, braille in (("4/4", "tempo 4/4", "#d."), ("3/8", "tempo 3/8", "#c*"),
                                 ("|", "stanghetta", " "), ("!", "doppia stanghetta", "<k"),
                                 ("#", "diesis", "\u00ee"), ("B", "bemolle", "<"),
                                 ("N", "bequadro", "\u00e2"), ("chiave di sol", "chiave di sol", ">/l"),
                                 ("chiave di fa", "chiave di fa", ">#l"), ("~", "legatura di valore", "^c"),
                                 ("( )", "legatura di portamento", "c")):
        music.append((musical(shown, name), braille, cells_of(braille)))
    for number, name, sign in INTERVALS:
        music.append((named("%da" % number, "intervallo di " + name), sign, bt.cells6(sign)))
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
                            ("alf3.htm#jump_accentate", "le lettere accentate")),
        "capitals": section("maiuscole", "Maiuscole",
                            "<p>La maiuscola è il segno di maiuscola, punti 4 e 6, seguito dalla "
                            "lettera.</p>", capitals,
                            ("alf3.htm#jump_maiuscole", "la lettera maiuscola")),
        "digits": section("numeri", "Numeri",
                          "<p>Il segnanumero si scrive una volta davanti al numero; le cifre sono "
                          "le celle delle lettere dalla a alla j.</p>", digits,
                          ("mat1.htm#jump_numeri", "i numeri e il segnanumero")),
        "punct": section("punteggiatura", "Punteggiatura",
                         "<p>Le virgolette si aprono con i punti 2, 3 e 6 e si chiudono con i "
                         "punti 3, 5 e 6; le parentesi tonde di un testo hanno la stessa cella "
                         "all'inizio e alla fine, i punti 2, 3, 5 e 6.</p>", punct,
                         ("alf5.htm#jump_punteggiatura", "la punteggiatura della frase")),
        "math": section("matematica", "Segni matematici",
                        "<p>Nelle operazioni ogni numero ha il suo segnanumero e non si lasciano "
                        "spazi. Il più ha la cella del punto esclamativo, il meno quella del "
                        "trattino, il diviso quella dei due punti. Nelle formule le parentesi "
                        "tonde sono i punti 2 e 6 e i punti 3 e 5. La virgola decimale e il punto "
                        "delle migliaia fanno parte del numero. Una frazione fra due numeri non ha "
                        "linea: il denominatore segue il numeratore con le cifre abbassate, nella "
                        "parte bassa della cella, senza segnanumero.</p>", math,
                        ("mat2.htm#jump_piumeno", "addizione e sottrazione")),
        "music": section("musica", "Segni musicali",
                         "<p>Nelle note i punti 1, 2, 4 e 5 danno il nome, i punti 3 e 6 la "
                         "durata; le altre note in semiminima, minima e semibreve sono nelle "
                         "lezioni. Le stesse celle valgono per i valori brevi: la croma per il "
                         "centoventottesimo, la semiminima per la semibiscroma, la minima per "
                         "la biscroma, la semibreve per la semicroma. Il segno d'ottava si "
                         "scrive prima della nota, l'alterazione prima del segno d'ottava; "
                         "gli intervalli dopo la nota più acuta, contati verso il basso.</p>"
                         + "".join('<p><a href="%s#jump_%s">Vai alla lezione: %s</a></p>\n'
                                   % (MUSIC_LESSONS[n][0], anchor, MUSIC_LESSONS[n][1])
                                   for n, anchor in ((3, "tempo"), (4, "brevi"), (5, "alterazioni"),
                                                     (6, "chiavi"), (7, "intervalli"), (8, "melodia"))),
                         music, ("mus1.htm#jump_note", "le sette note in croma e i segni d'ottava")),
    }
    return page("Tabella del codice braille a sei punti", body,
                nav(("fr1.htm#jump_inizio", "Pagina iniziale del corso"), jump="#jump"))


def write(path, text):
    data = text.encode("cp1252")  # fails loudly on a character outside it
    with open(path, "wb") as f:
        f.write(data.replace(b"\n", b"\r\n"))


# One list a course, so that the courses grow apart without touching each other's lines.
ALFABETO_PAGES = ((("alfabeto.htm", alfabeto),)
                  + tuple(zip((name for name, _ in ALF_LESSONS),
                              (alf1, alf2, alf3, alf4, alf5, alf6, alf7, alf8, alf9, alf10,
                               alf11))))
MATEMATICA_PAGES = (("matematica.htm", matematica), ("mat1.htm", mat1), ("mat2.htm", mat2),
                    ("mat3.htm", mat3), ("mat4.htm", mat4), ("mat5.htm", mat5), ("mat6.htm", mat6),
                    ("mat7.htm", mat7))
MUSICA_PAGES = (("musica.htm", musica), ("mus1.htm", mus1), ("mus2.htm", mus2),
                ("mus3.htm", mus3), ("mus4.htm", mus4), ("mus5.htm", mus5), ("mus6.htm", mus6),
                ("mus7.htm", mus7), ("mus8.htm", mus8), ("mus9.htm", mus9))
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
