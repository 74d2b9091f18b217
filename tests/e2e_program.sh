#!/usr/bin/env bash
# Drives the real program under X like a learner: lesson links, going back, a run of
# exercises answered wrong then right, and leaving. Arguments: the program, the source tree.
set -euo pipefail
program="$1"
source_dir="$2"
builder="$(dirname "$program")/sentiero-course"
work="$(mktemp -d)"
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
pid=0

course="$work/course"
mkdir -p "$course/Ex"
cp -r "$source_dir/course/font" "$source_dir/course/pres" "$source_dir/course/img" \
      "$source_dir/course/sound" "$source_dir/tests/e2e/course/html" "$course/"
"$builder" "$source_dir/tests/e2e/course/ESER_1.txt" "$course/Ex/ESER_1.DB"

port=$((20000 + RANDOM % 20000))
export QTWEBENGINE_REMOTE_DEBUGGING="127.0.0.1:$port"
export QTWEBENGINE_DISABLE_SANDBOX=1

fail() { echo "FAIL: $*"; exit 1; }
# The URL of the page the main window shows, from the browser's own debugging list.
page_urls() { curl -s "http://127.0.0.1:$port/json" 2>/dev/null | grep '"url"' || true; }
wait_for_page() {
  for _ in $(seq 1 120); do
    page_urls | grep -q "$1" && return 0
    sleep 0.25
  done
  fail "page $1 not shown; pages: $(page_urls)"
}
wait_for_window() {
  for _ in $(seq 1 120); do
    local id
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.25
  done
  fail "window '$1' not shown"
}
window_gone() {
  for _ in $(seq 1 80); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.25
  done
  fail "window '$1' still shown"
}
count_windows() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l; }
keys() { xdotool key --delay 80 "$@"; sleep 0.3; }
focus() { xdotool windowfocus --sync "$1"; sleep 0.2; }

cd "$course"
"$program" > "$work/log.txt" 2>&1 &
pid=$!

wait_for_page "/html/fr1.htm"
main=$(wait_for_window "Sentiero dei Punti")
sleep 1
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
# The end message of the run is a second window with the program's title.
for _ in $(seq 1 40); do
  [ "$(count_windows "Sentiero dei Punti")" -ge 2 ] && break
  sleep 0.25
done
[ "$(count_windows "Sentiero dei Punti")" -ge 2 ] || fail "no end message"
message=$(xdotool search --onlyvisible --name "^Sentiero dei Punti\$" | grep -v "^$main\$" | tail -n 1)
focus "$message"
keys Return
sleep 1
[ "$(count_windows "Sentiero dei Punti")" -eq 1 ] || fail "end message still shown"
wait_for_page "/html/fr1.htm"

# Leaving: the closing clip plays, then the process ends with status 0.
focus "$main"
keys Tab Tab Tab Tab Return
for _ in $(seq 1 120); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.25
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after esci"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
