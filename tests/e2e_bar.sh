#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Under a window manager, the exercise window's button bar lies whole on the screen after a
# change of exercise type and after the maximise button is pressed, once and again.
# Arguments: the program, the source tree.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
make_course "$source_dir/tests/e2e/types/html" "$source_dir"/tests/e2e/types/ESER_?.txt
title="Esercizi sui nuovi simboli della lezione"

# The buttons are found through the accessibility bus, as a screen reader finds them.
start_accessibility IsEnabled
read -r screen_width screen_height < <(xdotool getdisplaygeometry)

# Fails unless the bar's buttons end within the screen once the window manager is done
# (it may take a few seconds to give the window its place).
bar_on_screen() {
  local bottom=""
  for _ in $(seq 1 10); do
    sleep 0.5
    bottom=$(/usr/bin/python3 "$source_dir/tests/e2e/atspi_bar.py" "$title" 20) \
      || fail "no button bar found ($1)"
    [ "$bottom" -le "$screen_height" ] && return 0
  done
  fail "bar ends at $bottom, below the screen ($1)"
}
maximised() { xprop -id "$1" _NET_WM_STATE | grep -q MAXIMIZED_VERT; }
# The maximise button of openbox's frame, at the right of the title bar.
press_maximise() {
  xdotool mousemove $((screen_width - 27)) 9 click 1
  sleep 1
}

start_at_first_page
focus "$main"
keys Tab Return
focus "$(wait_for_window "SELEZIONE TIPO DI ESERCIZIO")"
keys Return

wait_for_exercise_page "Tipo uno"
window=$(wait_for_window "$title")
focus "$window"
bar_on_screen "type 1"
xdotool type --delay 60 "abc"; keys alt+c

wait_for_exercise_page "Tipo due"
window=$(wait_for_window "$title")
focus "$window"
bar_on_screen "after the change to type 2"
press_maximise
bar_on_screen "after the maximise button"
press_maximise
bar_on_screen "after the maximise button, twice"
maximised "$window" || fail "the window is no longer maximised"
