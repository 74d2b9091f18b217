#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Started from a folder without the course's fonts, the program says so, says what a course
# folder is, and ends.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
course="$work" # an empty folder: no fonts, no pages
start_program
focus "$(wait_for_window "Sentiero dei Punti")" # the message about the fonts
keys Return
sleep 1
focus "$(wait_for_window "Sentiero dei Punti")" # then what a course folder is
keys Return
wait_for_end "the program did not end"
[ "$status" -ne 0 ] || fail "ended as if all was well"
[ ! -e "$work/tvp.htm" ] || fail "wrote a page"
