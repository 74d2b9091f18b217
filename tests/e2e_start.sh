#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The course named on the command line; a second start brings the first copy to the front
# and ends; a copy killed leaves nothing that blocks the next start. Arguments: the program,
# the source tree.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
make_course "$source_dir/tests/e2e/course/html" "$source_dir/tests/e2e/course/ESER_1.txt"
mkdir -p "$work/altrove"
openbox > /dev/null 2>&1 & wm=$! # the window manager says which window is active
trap '{ [ "${pid:-0}" -gt 0 ] && kill "$pid"; } 2>/dev/null || true; kill "$wm" 2>/dev/null || true; rm -rf "$work"' EXIT
start_in_folder() { cd "$work/altrove"; "$program" "$course" > "$work/log.txt" 2>&1 & pid=$!; }
start_in_folder
wait_for_page "/html/fr1.htm"
main=$(wait_for_main_window)
# The second start: no second lesson reader, and the first is the active window.
xdotool windowminimize "$main"; sleep 1
cd "$work/altrove"
timeout 30 "$program" "$course" > "$work/second.txt" 2>&1 || fail "the second start: status $?"
sleep 1
[ "$(count_windows "Sentiero dei Punti")" -eq 1 ] || fail "a second window"
[ "$(xdotool getactivewindow)" = "$main" ] || fail "the first copy did not come to the front"
# A copy that crashed leaves its socket; the next start takes it over.
kill -9 "$pid"; wait "$pid" 2>/dev/null || true; pid=0
port=$((port + 1)); export QTWEBENGINE_REMOTE_DEBUGGING="127.0.0.1:$port"
start_in_folder
wait_for_page "/html/fr1.htm"
main=$(wait_for_main_window)
sleep 1
leave_program "$main" "$(link_tabs fr1.htm esci.htm)"
