#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A learner who cannot see, with the real Orca and nothing else: every step is held to what
# Orca said (its debug log). A lesson page, the category dialog, a question in print and one
# in braille, a typed cell, wrong and right checks, the help, the code table, the end of the
# run and the progress page. Arguments: the program, the source tree.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
source "$2/tests/e2e/orca.sh"
[ -x /usr/bin/orca ] || fail "Orca is not installed (Debian package orca)"
make_course "$source_dir/tests/e2e/orca/html" "$source_dir/tests/e2e/orca/ESER_1.txt"
cp "$source_dir/course/html/table6.html" "$source_dir/course/html/stile.css" "$course/html/"
cp "$source_dir/course/braille6.txt" "$course/"
pages="$course/html"

start_accessibility ScreenReaderEnabled
start_orca
listen
start_at_first_page
# The page as it loads: its title, then its text.
heard "Prima lezione" "Sei punti in due colonne."

# The category dialog says which category OK takes.
listen
focus "$main"
follow "$(link_tabs fr1.htm 101eser.htm)"
heard "SELEZIONE TIPO DI ESERCIZIO" "Scelta: Esercizi sui nuovi simboli della lezione"

# A question in print: the window, the question and where the run stands.
listen
keys Return
window=$(wait_for_window "Esercizi sui nuovi simboli della lezione")
heard "Esercizi sui nuovi simboli della lezione" "Scrivi in braille la lettera: d" "Esercizio 1 di 2."

# A typed cell is heard as its dots, never as the print behind it.
listen
xdotool type --delay 80 f
heard "punti 1 2 4"
# The caret passes over the cells it moves by.
listen
xdotool type --delay 80 d
keys Left
heard "punti 1 4 5"
keys BackSpace
heard "punti 1 2 4"
keys End BackSpace
xdotool type --delay 80 f
# Four wrong checks, each said; then the help.
for attempt in 1 2 3 4; do
  listen
  keys alt+c
  heard "Risposta sbagliata"
done
heard "Ora puoi usare Aiuto"
listen
keys alt+a
heard "Aiuto:" "punti 1 4 5"

# The code table: its way in is said, and each sign is a stop of Tab.
listen
keys alt+t
table=$(wait_for_window "Codice Braille a sei punti")
heard "Tab porta nella tabella"
listen
for _ in $(seq 1 14); do
  spoken | tail -n +"$((said_before + 1))" | grep -qF "punto 1" && break
  keys Tab
done
heard "punto 1"
not_heard "cell" # the sign, its cells and its dots, not a bare table cell
keys alt+e
window_gone "Codice Braille a sei punti"

# The right answer, the check's result and the next question, in braille, as its cells.
focus "$window"
keys ctrl+a BackSpace
listen
xdotool type --delay 80 d
keys alt+c
heard "Risposta giusta." "Leggi la lettera braille e scrivila in nero:" "punti 1 2 5" "Esercizio 2 di 2."
not_heard "scrivila in nero: h"
xdotool type --delay 80 h
listen
keys alt+c
heard "FINITO"
box=$(xdotool search --sync --onlyvisible --name "^Sentiero dei Punti\$" | grep -v "^$main\$" | tail -n 1)
focus "$box"
keys Return

# The progress page, a table read with its headers.
listen
focus "$main"
follow "$(link_tabs fr1.htm progressi.htm)"
heard "I tuoi progressi" "Lezione 1, Categorie svolte:" "Da ripassare:"
follow 1 # "Torna indietro"
wait_for_page "/html/fr1.htm"
sleep 1
leave_program "$main" "$(link_tabs fr1.htm esci.htm)"
