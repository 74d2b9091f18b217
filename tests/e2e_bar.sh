#!/usr/bin/env bash
# Under a window manager, the exercise window's button bar lies whole on the screen after a
# change of exercise type and after the maximise button is pressed, once and again.
# Arguments: the program, the source tree.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
make_course "$source_dir/tests/e2e/types/html" "$source_dir"/tests/e2e/types/ESER_?.txt
title="Esercizi sui nuovi simboli della lezione"

# The buttons are found through the accessibility bus, as a screen reader finds them.
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately &
helpers="$! $DBUS_SESSION_BUS_PID"
trap '{ [ "${pid:-0}" -gt 0 ] && kill "$pid"; } 2>/dev/null || true; kill $helpers ${wm:-} 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 1 40); do
  dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true > /dev/null 2>&1 && break
  sleep 0.25
done
openbox > /dev/null 2>&1 &
wm=$!
sleep 1
read -r screen_width screen_height < <(xdotool getdisplaygeometry)

# Fails unless the bar's buttons end within the screen.
bar_on_screen() {
  local bottom
  sleep 1
  bottom=$(/usr/bin/python3 "$source_dir/tests/e2e/atspi_bar.py" "$title" 20) \
    || fail "no button bar found ($1)"
  [ "$bottom" -le "$screen_height" ] || fail "bar ends at $bottom, below the screen ($1)"
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
