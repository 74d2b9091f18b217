#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A learner with a screen reader and a window manager: the pages, the question and the
# status of each check are readable through the accessibility bus; the code table opens in
# front of the exercise and its own Alt+E closes it alone; the grade is readable.
# Arguments: the program, the source tree.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
make_course "$source_dir/tests/e2e/course/html" "$source_dir/tests/e2e/course/ESER_1.txt"
cp "$source_dir/course/html/table6.html" "$course/html/"

start_accessibility IsEnabled
title="Esercizi sui nuovi simboli della lezione"

start_at_first_page
readable "Pagina due"                       # the lesson page's text

open_exercises 3
readable "casa"                             # the question on the exercise page
readable "Esercizio 1 di 1."
xdotool type --delay 60 "cosa"
keys alt+c
readable "Risposta sbagliata: 1 tentativo errato."
for _ in 1 2 3; do keys alt+c; done
readable "Ora puoi usare Aiuto, Risposta e Tabelle."

keys alt+t
table=$(wait_for_window "Codice Braille a sei punti")
[ "$(xdotool getactivewindow)" = "$table" ] || fail "the code table is not the active window"
keys alt+e
window_gone "Codice Braille a sei punti"
[ "$(count_windows "$title")" -eq 1 ] || fail "Alt+E in the table left the exercise"
keys ctrl+a
xdotool type --delay 60 "casa"
keys alt+c
window_gone "$title"
close_end_message "$main"

# The verification test of the lesson, answered right: the grade is readable.
focus "$main"
keys Tab Tab Tab Return
focus "$(wait_for_window "SELEZIONE TIPO DI ESERCIZIO")"
keys Tab Tab Down Down Return
focus "$(wait_for_window "Test di verifica della lezione")"
xdotool type --delay 60 "sole"
keys alt+c
readable "Esercizi corretti"
results=$(wait_for_window "Risultati")
[ "$(xdotool getactivewindow)" = "$results" ] || fail "the results window is not the active window"
keys Return
window_gone "Risultati"
leave_program "$main" "$(link_tabs fr1.htm esci.htm)"
