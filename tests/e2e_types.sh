#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One exercise of each of the nine types answered through the real windows, as a learner
# would: typing in the answer or work box, clicking a choice or its picture. Arguments: the program, the
# source tree.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
make_course "$source_dir/tests/e2e/types/html" "$source_dir"/tests/e2e/types/ESER_?.txt
title="Esercizi sui nuovi simboli della lezione"

# Shows the exercise whose page holds a text and gives its window the focus.
exercise() {
  wait_for_exercise_page "$1"
  sleep 0.5
  window=$(wait_for_window "$title")
  focus "$window"
}
answer() { xdotool type --delay 60 "$1"; keys alt+c; }
# Follows the lesson link reached with `tabs` Tab presses and takes category 2.
run_course() {
  focus "$main"
  for _ in $(seq 1 "$1"); do keys Tab; done
  keys Return
  focus "$(wait_for_window "SELEZIONE TIPO DI ESERCIZIO")"
  keys Return
}

start_at_first_page

run_course 1
exercise "Tipo uno"; answer "abc"
exercise "Tipo due"; keys Right; answer "a"            # csa edited into casa
close_end_message "$main"

run_course 2
exercise 'Tipo cento <span class="braille2">#a</span>'; answer "#b"
exercise "Tipo centouno"; answer "3"
exercise "Tipo centodue"; keys Right; answer "d"       # #e edited into #de
exercise "Tipo centotre"; xdotool mousemove --window "$window" 338 462 click 1; sleep 0.3; keys alt+c
exercise "Tipo centoquattro"
cmp -s "${TMPDIR:-/tmp}/\$\$img1.bmp" "$source_dir/tests/e2e/types/pictures/one.bmp" \
  || fail "the question picture was not exported"
answer "#e"
close_end_message "$main"

run_course 3
exercise "Tipo duecento<"; answer "dfg"
exercise "Tipo duecentouno"; choose 2 245 15 265 515; keys alt+c
close_end_message "$main"

leave_program "$main" "$(link_tabs fr1.htm esci.htm)"
