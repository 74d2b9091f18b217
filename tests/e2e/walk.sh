# Learner walk-through of one lesson of the demo course (course/), shared by the
# e2e_walk_*.sh scripts. The caller sets, before sourcing this file with the program and
# the source tree as arguments:
#   course_number (1 to 3), lesson (Lezione), course_tabs (Tab presses from the front page
#   to the course's index), lesson_tabs (from the index to the lesson), exit_tabs (from the
#   lesson page to its "esci" link).
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
answers() { /usr/bin/python3 "$source_dir/tests/e2e/walk_answers.py" "$source_file" "$lesson" "$1"; }

previous=""
# Waits for an exercise page that holds `marker` (a grep -P pattern) and is not the last one.
wait_for_new_page() {
  local marker="$1" now=""
  for _ in $(seq 1 80); do
    now=$(md5sum "$course/tvp.htm" 2>/dev/null | cut -d' ' -f1 || true)
    if [ -n "$now" ] && [ "$now" != "$previous" ] && LC_ALL=C grep -aqP -- "$marker" "$course/tvp.htm"; then
      previous=$now
      return 0
    fi
    sleep 0.25
  done
  fail "exercise page with '$marker' not shown"
}
page_unchanged() { [ "$(md5sum "$course/tvp.htm" | cut -d' ' -f1)" = "$previous" ]; }

# Follows the lesson's exercise link and picks a category by clicking its stripe.
start_run() {
  local category="$1"
  focus "$main"
  keys Tab Return
  local dialog WIDTH HEIGHT X Y SCREEN WINDOW
  dialog=$(wait_for_window "SELEZIONE TIPO DI ESERCIZIO")
  focus "$dialog"
  xdotool mousemove --window "$dialog" 250 $(( (category - 1) * 40 + 20 )) click 1
  sleep 0.3
  keys Return
  window_gone "SELEZIONE TIPO DI ESERCIZIO"
}

# Whether the exercise page has been replaced (by the next exercise or the results) within
# a few seconds.
page_moved_on() {
  for _ in $(seq 1 16); do
    page_unchanged || return 0
    sleep 0.25
  done
  return 1
}

# Answers one exercise right, as a learner: the model answer typed, or the choice clicked.
# xdotool types a letter that the X keyboard map lacks (ò, ì…) by remapping a key for a
# moment, which now and then loses the letter; like a learner who sees a wrong letter, the
# walk then types the answer again, more slowly (a wrong check does not end a test
# exercise before the fourth).
answer_right() {
  local type="$1" answer="$2" delay
  for delay in 70 200 300; do
    case "$type" in
      103) choose "$answer" 200 5 210 415 ;;
      201) choose "$answer" 245 15 265 515 ;;
      *) keys ctrl+a; xdotool type --delay "$delay" "$answer" ;;
    esac
    sleep 0.2
    keys alt+c
    page_moved_on && return 0
    case "$type" in 103|201) return 0 ;; esac
  done
}

start_at_first_page
focus "$main"
for _ in $(seq 1 "$course_tabs"); do keys Tab; done
keys Return
sleep 1
for _ in $(seq 1 "$lesson_tabs"); do keys Tab; done
keys Return
sleep 1

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

leave_program "$main" "$exit_tabs"
echo "walk-through of course $course_number, lesson $lesson: ok"
