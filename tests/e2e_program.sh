#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Drives the real program under X like a learner: lesson links, going back, a run of
# exercises answered wrong then right, and leaving. Arguments: the program, the source tree.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
make_course "$source_dir/tests/e2e/course/html" "$source_dir/tests/e2e/course/ESER_1.txt"

start_at_first_page
focus "$main"

# A lesson link, then "indietro" back to the first page.
keys Tab Return
wait_for_page "/html/fr2.htm"
sleep 1
keys Tab Return
wait_for_page "/html/fr1.htm"
page_urls | grep -q "fr2.htm" && fail "went to the page named indietro"
sleep 1

# The exercises of lesson 0: category dialog, OK (category 2), one exercise.
keys Tab Tab Tab Return
dialog=$(wait_for_window "SELEZIONE TIPO DI ESERCIZIO")
focus "$dialog"
keys Return
exercise=$(wait_for_window "Esercizi sui nuovi simboli della lezione")
focus "$exercise"
grep -q "casa<br></font></BODY></HTML>" "$course/tvp.htm" || fail "exercise page not written"
xdotool type --delay 60 "cosa"
keys alt+c
sleep 1
[ "$(count_windows "Esercizi sui nuovi simboli della lezione")" -eq 1 ] \
  || fail "a wrong answer closed the exercise"
keys ctrl+a
xdotool type --delay 60 "casa"
keys alt+c
window_gone "Esercizi sui nuovi simboli della lezione"
close_end_message "$main"
wait_for_page "/html/fr1.htm"

# Leaving: the closing clip plays, then the process ends with status 0.
leave_program "$main" "$(link_tabs fr1.htm esci.htm)"
