# SPDX-License-Identifier: GPL-3.0-or-later
# A learner in exercise windows, shared by the end-to-end scripts that run exercises of the
# demo course: sourced after lib.sh, with `course` the course folder and `source_file` the
# course source whose answers the learner knows.
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
      *) keys ctrl+a; xdotool type --delay "$delay" -- "$answer" ;;
    esac
    sleep 0.2
    keys alt+c
    page_moved_on && return 0
    case "$type" in 103|201) return 0 ;; esac
  done
}

