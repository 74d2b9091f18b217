# SPDX-License-Identifier: GPL-3.0-or-later
# Learner walk-through of one lesson of the demo course (course/), shared by the
# e2e_walk_*.sh scripts. The caller sets, before sourcing this file with the program and
# the source tree as arguments:
#   course_number (1 to 3), lesson (Lezione), index_page (the course's index page) and
#   lesson_page (the lesson's page); the links are found in the page files.
# The walk-through runs the verification test with every answer right (typed, or the
# choice clicked), checks the results page (OTTIMO, 10/10), then runs the review exercises
# with four wrong checks on the first one to see help come on, and leaves with "esci".
set -euo pipefail
# lib.sh takes the arguments and makes the scratch folder `work`; the course is a copy of
# the demo course, so that the page file is written there.
source "$2/tests/e2e/lib.sh" "$@"
cp -r "$source_dir/course" "$course"
rm -f "$course/tvp.htm"
# On a failure also say which exercise page was shown last.
lib_fail() { echo "FAIL: $*"; [ -f "$work/log.txt" ] && tail -n 20 "$work/log.txt"; exit 1; }
fail() {
  [ -f "$course/tvp.htm" ] && echo "last exercise page: $(LC_ALL=C sed -e 's/<[^>]*>/ /g' "$course/tvp.htm" | tr -s ' \r\n' ' ' | tail -c 300)"
  [ -n "${WALK_SCREENSHOT:-}" ] && import -window root "$WALK_SCREENSHOT" 2>/dev/null
  lib_fail "$@"
}
source_file="$source_dir/course-src/ESER_$course_number.txt"

source "$source_dir/tests/e2e/learner.sh"

start_at_first_page
focus "$main"
follow "$(link_tabs fr1.htm "$index_page")"
wait_for_page "$index_page"
follow "$(link_tabs "$index_page" "$lesson_page")"
wait_for_page "$lesson_page"

# The verification test, every answer right.
start_run 4
test_title="Test di verifica della lezione"
count=0
while IFS=$'\t' read -r type marker answer; do
  wait_for_new_page "$marker"
  sleep 0.4
  window=$(wait_for_window "$test_title")
  focus "$window"
  answer_right "$type" "$answer"
  count=$((count + 1))
done < <(answers 4)
[ "$count" -eq 10 ] || fail "the test has $count exercises, not 10"
wait_for_new_page "OTTIMO<BR>Esercizi corretti 10/10"
results=$(wait_for_window "Risultati")
focus "$results"
keys Return
window_gone "Risultati"
sleep 1

# Review: four wrong checks on the first exercise bring "Risposta" (the model answer) and
# the other help buttons on; the fourth wrong check does not end a practice exercise.
start_run 1
mapfile -t review < <(answers 1)
IFS=$'\t' read -r type marker answer <<< "${review[0]}"
IFS=$'\t' read -r _ second_marker _ <<< "${review[1]}"
case "$type" in 103|201|2|102) fail "the first review exercise should have an answer box" ;; esac
wait_for_new_page "$marker"
sleep 0.4
window=$(wait_for_window "Esercizi di ripasso dei simboli precedenti")
focus "$window"
xdotool type --delay 70 "zz"
for attempt in 1 2 3; do keys alt+c; done
keys alt+r            # help is still off: the answer box keeps the wrong answer
keys alt+c            # the fourth wrong check
sleep 1
page_unchanged || fail "a wrong answer moved on"
keys alt+r            # now on: the model answer goes into the answer box
keys alt+c
wait_for_new_page "$second_marker"
window=$(wait_for_window "Esercizi di ripasso dei simboli precedenti")
focus "$window"
keys alt+e            # leave the run
window_gone "Esercizi di ripasso dei simboli precedenti"
sleep 1

leave_program "$main" "$(link_tabs "$lesson_page" esci.htm)"
echo "walk-through of course $course_number, lesson $lesson: ok"
