#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A type-0 exercise answered right in six-key mode through the real program: F2, then each
# cell written as a chord of F D S J K L sent by xdotool (keys down, then up). Arguments: the
# program, the source tree. With SIXKEY_SCREENSHOT set, the screen is saved there before the
# check.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"

cat > "$work/ESER_1.txt" <<'EOF'
# Lesson 0, category 2 of the alphabet: one type-0 exercise.

[record]
Lezione = 0
Cat_eser = 2
T_eser = 0
eser_nr = 1
Doma_rnd = false
Tit_doma = Scrivi in braille, punto per punto:
Doma_rch = Roma è qui!
Risp_rch = Roma è qui!
EOF
make_course "$source_dir/tests/e2e/types/html" "$work/ESER_1.txt"
cp "$source_dir/course/braille6.txt" "$course/"
title="Esercizi sui nuovi simboli della lezione"

# Writes each chord given ("jl" is dots 4 and 6, "_" the Space bar): its keys pressed one
# after the other, then released in the same order.
chords() {
  local chord key pressed
  for chord in "$@"; do
    if [ "$chord" = "_" ]; then pressed=(space); else mapfile -t pressed < <(grep -o . <<< "$chord"); fi
    for key in "${pressed[@]}"; do xdotool keydown "$key"; done
    sleep 0.05
    for key in "${pressed[@]}"; do xdotool keyup "$key"; done
    sleep 0.1
  done
  sleep 0.3
}

start_at_first_page

focus "$main"
keys Tab Return
focus "$(wait_for_window "SELEZIONE TIPO DI ESERCIZIO")"
keys Return
wait_for_exercise_page "punto per punto"
sleep 0.5
window=$(wait_for_window "$title")
focus "$window"

keys F2
# R (capital sign, r) o m a, blank, è, blank, q u i !
chords jl fdsk fsk fsj f _ dsjl _ fdsjk fsl dj dsk
[ -n "${SIXKEY_SCREENSHOT:-}" ] && import -window root "$SIXKEY_SCREENSHOT"
keys alt+c
window_gone "$title"
close_end_message "$main"
leave_program "$main" "$(link_tabs fr1.htm esci.htm)"

# The program has ended: nothing is left for the exit trap to stop.
pid=0
