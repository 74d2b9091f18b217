#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A learner with a screen reader hears braille as cells and music as the names of its signs:
# a type-1 question, the braille answer box of type 0 as it is written, and a type-200
# music question; the print behind the cells reaches the accessibility bus nowhere.
# Arguments: the program, the source tree.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"

cat > "$work/ESER_3.txt" <<'TABLE'
[record]
Lezione = 0
Cat_eser = 2
T_eser = 200
eser_nr = 1
Doma_rnd = false
Tit_doma = Scrivi in braille le note:
Doma_rch = C do4 M re4 þô mi4 R
Risp_rch = ~de
TABLE
make_course "$source_dir/tests/e2e/types/html" "$source_dir/tests/e2e/braille/ESER_1.txt" "$work/ESER_3.txt"
cp "$source_dir/course/braille6.txt" "$course/"

start_accessibility ScreenReaderEnabled
# Nothing the program exposes holds the print word.
unheard() {
  local said
  said=$(/usr/bin/python3 "$source_dir/tests/e2e/atspi_dump.py")
  if grep -qi -- "$1" <<< "$said"; then
    fail "'$1' exposed: $(grep -i -- "$1" <<< "$said" | head -n 3)"
  fi
}
title="Esercizi sui nuovi simboli della lezione"

start_at_first_page
open_exercises 1
# Type 1: the question "ciao è" in braille.
readable "punti 1 4, punti 2 4, punto 1, punti 1 3 5, spazio, punti 2 3 4 6"
readable "Scrivi in nero la parola in braille:"
unheard "ciao"
xdotool type --delay 60 "ciao è"
keys alt+c
wait_for_exercise_page "Scrivi in braille:"
# Type 0: the braille box as it is written; "Aiuto" says the cell that is wrong.
sleep 1
xdotool type --delay 60 "lupa"
readable "punti 1 2 3, punti 1 3 6, punti 1 2 3 4, punto 1"
unheard "lupa"
for _ in 1 2 3 4; do keys alt+c; done
keys alt+a
readable "quarta cella: dovrebbe essere punti 1 3 5"
keys ctrl+a BackSpace
xdotool type --delay 60 "lupo"
keys alt+c
window_gone "$title"
close_end_message "$main"

# Music: the signs by their names, the names of the notes as they are.
open_exercises 3
readable "croma do4, minima re4, semiminima puntata mi4, pausa di semiminima"
keys alt+e
window_gone "$title"
leave_program "$main" "$(link_tabs fr1.htm esci.htm)"
