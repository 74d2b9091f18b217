#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Six-key entry kept between starts: F2 in a practice exercise, the program left and started
# again; the test that follows is written by dots without F2, and its results page says so.
# Arguments: the program, the source tree. With WRITING_SCREENSHOT set, the screen with the
# results is saved there.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
source "$2/tests/e2e/learner.sh"
record() { printf '[record]\nLezione = 0\nCat_eser = %s\nT_eser = 0\neser_nr = 1\nDoma_rnd = false\nTit_doma = Scrivi in braille:\nDoma_rch = ab\nRisp_rch = ab\n\n' "$1"; }
{ record 2; record 4; } > "$work/ESER_1.txt"
make_course "$source_dir/tests/e2e/types/html" "$work/ESER_1.txt"
cp "$source_dir/course/braille6.txt" "$course/"
# Each chord's keys down, then up ("fd" is dots 1 and 2).
chords() {
  local chord key
  for chord in "$@"; do
    for key in $(grep -o . <<< "$chord"); do xdotool keydown "$key"; done
    sleep 0.05
    for key in $(grep -o . <<< "$chord"); do xdotool keyup "$key"; done
    sleep 0.1
  done
}

start_at_first_page
start_run 2
window=$(wait_for_window "Esercizi sui nuovi simboli della lezione")
sleep 0.5
focus "$window"
keys F2 alt+e
window_gone "Esercizi sui nuovi simboli della lezione"
leave_program "$main" "$(link_tabs fr1.htm esci.htm)"
grep -q "sei_tasti=true" "$XDG_CONFIG_HOME/Sentiero dei Punti/scrittura.conf" || fail "F2 not kept"

start_at_first_page
start_run 4
window=$(wait_for_window "Test di verifica della lezione")
sleep 0.5
focus "$window"
chords f fd # a b, in the mode of the last start
keys alt+c
wait_for_exercise_page "scritto con i sei tasti"
results=$(wait_for_window "Risultati")
grep -q "Esercizi corretti 1/10" "$course/tvp.htm" || fail "the test written by dots was not right"
[ -n "${WRITING_SCREENSHOT:-}" ] && sleep 1 && import -window root "$WRITING_SCREENSHOT"
focus "$results"
keys Return
window_gone "Risultati"
leave_program "$main" "$(link_tabs fr1.htm esci.htm)"
pid=0
