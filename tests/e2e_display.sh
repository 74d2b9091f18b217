#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A learner with a braille display, simulated by brltty's virtual driver and a display that
# this test serves on a socket: the braille question of a type-1 exercise reaches the
# display as cells; in a type-0 exercise the answer box is shown with its cursor and follows
# what is written. Arguments: the program, the source tree.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
command -v brltty > /dev/null || fail "brltty is not installed (scripts/setup.sh installs it)"

make_course "$source_dir/tests/e2e/types/html" "$source_dir/tests/e2e/braille/ESER_1.txt"
cp "$source_dir/course/braille6.txt" "$course/"

# The display, then brltty with its virtual driver, its API on a socket of this test only.
api=$((20 + RANDOM % 70))
export BRLAPI_HOST=":$api"
display_log="$work/display.log"
display_in="$work/display.in"
/usr/bin/python3 "$source_dir/tests/e2e/display.py" "$work/vr.sock" "$display_log" "$display_in" &
display_pid=$!
for _ in $(seq 1 40); do [ -S "$work/vr.sock" ] && break; sleep 0.1; done
brltty -n -e -q -f /dev/null -P "$work/brltty.pid" -b vr -d "client:$work/vr.sock" -x no -s no \
  -A "auth=none,host=:$api" > "$work/brltty.log" 2>&1 &
brltty_pid=$!
# brltty does not always end on TERM.
trap '{ [ "${pid:-0}" -gt 0 ] && kill "$pid"; } 2>/dev/null || true; kill -9 $brltty_pid $display_pid 2>/dev/null || true; rm -rf "$work" "/var/lib/BrlAPI/$api" "/var/lib/BrlAPI/.$api"' EXIT
for _ in $(seq 1 40); do [ -s "$display_log" ] && break; sleep 0.25; done
[ -s "$display_log" ] || fail "brltty did not reach the display: $(cat "$work/brltty.log")"

# Waits until the display shows a line that begins with the cells given ("14|24|").
shows() {
  for _ in $(seq 1 60); do
    grep -q "^Braille \"$1" "$display_log" && return 0
    sleep 0.25
  done
  fail "the display never showed $1; last lines: $(tail -n 3 "$display_log")"
}
title="Esercizi sui nuovi simboli della lezione"

start_at_first_page
open_exercises 1
shows "14|24|1|135| |2346|"                 # "ciao è" in braille: the question
xdotool type --delay 60 "ciao è"
keys alt+c
wait_for_exercise_page "Scrivi in braille:"
sleep 1
shows "78| |"                               # the empty answer box, the cursor at its start
# The display's keyboard writes the answer, chord by chord: l u p o.
for dots in 7 37 15 21; do echo "PASSDOTS $dots" >> "$display_in"; done
shows "123|136|1234|135|78| |"
keys alt+c
window_gone "$title"
close_end_message "$main"
leave_program "$main" "$(link_tabs fr1.htm esci.htm)"
