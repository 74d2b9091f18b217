#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The learner's record across two sessions: a verification test with one exercise failed,
# the program left and started again; the progress page shows the test's grade and one
# exercise to review; the review runs it, answered right, and then nothing is left.
# Arguments: the program, the source tree.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
cp -r "$source_dir/course" "$course"
rm -f "$course/tvp.htm"
lesson=0
source_file="$source_dir/course-src/ESER_1.txt"
source "$source_dir/tests/e2e/learner.sh"
progress_page="$XDG_DATA_HOME/Sentiero dei Punti/registro.htm"

# Opens the progress page from the front page.
open_progress() {
  rm -f "$progress_page"
  focus "$main"
  follow "$(link_tabs fr1.htm progressi.htm)"
  wait_for_page "registro.htm"
}

start_at_first_page
focus "$main"
follow "$(link_tabs fr1.htm alfabeto.htm)"
wait_for_page "alfabeto.htm"
follow "$(link_tabs alfabeto.htm alf1.htm)"
wait_for_page "alf1.htm"

# The test: the first exercise failed by four wrong checks, the others right.
start_run 4
mapfile -t test_rows < <(answers 4)
title="Test di verifica della lezione"
for index in "${!test_rows[@]}"; do
  IFS=$'\t' read -r type marker answer <<< "${test_rows[$index]}"
  wait_for_new_page "$marker"
  sleep 0.4
  window=$(wait_for_window "$title")
  focus "$window"
  if [ "$index" -eq 0 ]; then
    xdotool type --delay 70 "zz"
    for _ in 1 2 3 4; do keys alt+c; done
  else
    answer_right "$type" "$answer"
  fi
done
wait_for_new_page "BUONO<BR>Esercizi corretti 9/10"
results=$(wait_for_window "Risultati")
focus "$results"
keys Return
window_gone "Risultati"
# Then the exercise that went wrong, with its right answer; the progress page links it.
mistakes=$(wait_for_window "Esercizi da rivedere")
grep -q "<h2>Esercizio 1</h2>" "$XDG_DATA_HOME/Sentiero dei Punti/verifica-1-1.htm" \
  || fail "the failed exercise is not listed"
[ -n "${MISTAKES_SCREENSHOT:-}" ] && sleep 1 && import -window root "$MISTAKES_SCREENSHOT"
focus "$mistakes"
keys Return
window_gone "Esercizi da rivedere"
leave_program "$main" "$(link_tabs alf1.htm esci.htm)"
[ -s "$XDG_DATA_HOME/Sentiero dei Punti/progressi.sqlite" ] || fail "no record kept"

# The next session.
start_at_first_page
open_progress
[ -n "${PROGRESS_SCREENSHOT:-}" ] && sleep 1 && import -window root "$PROGRESS_SCREENSHOT"
grep -q "BUONO, 9/10" "$progress_page" || fail "the progress page lacks the grade"
grep -q "<td>1</td></tr>" "$progress_page" || fail "the progress page lacks the exercise to review"

# The review link follows "Torna indietro"; one exercise, answered right.
keys Tab Tab Return
IFS=$'\t' read -r type marker answer <<< "${test_rows[0]}"
wait_for_new_page "$marker"
window=$(wait_for_window "$title")
focus "$window"
answer_right "$type" "$answer"
close_end_message "$main"
# The page shown is written anew after the review.
for _ in $(seq 1 20); do grep -q "<td>0</td></tr>" "$progress_page" && break; sleep 0.25; done
grep -q "<td>0</td></tr>" "$progress_page" || fail "the progress page was not written anew"
focus "$main"
keys Tab Return # "Torna indietro"
wait_for_page "fr1.htm"
open_progress
grep -q "<td>0</td></tr>" "$progress_page" || fail "an exercise answered right is still to review"
grep -q 'href="verifica-1-1.htm"' "$progress_page" || fail "the test's mistakes are not linked"
follow "$(pages="$(dirname "$progress_page")" link_tabs registro.htm progressi.csv)"
close_end_message "$main" # the export's message
echo "progress and review: ok"
