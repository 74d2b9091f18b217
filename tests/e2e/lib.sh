# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end scripts: make a course folder, start the real program on it and
# drive it with xdotool. Sourced with the script's arguments: the program, the source tree.
program="$1"
source_dir="$2"
builder="$(dirname "$program")/sentiero-course"
work="$(mktemp -d)"
course="$work/course"
# Only a program that was started is killed: kill 0 would end the whole process group.
trap '{ [ "${pid:-0}" -gt 0 ] && kill "$pid"; } 2>/dev/null || true; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; [ -f "$work/log.txt" ] && tail -n 20 "$work/log.txt"; exit 1; }

# Below the system's range of ephemeral ports, where the polls' own connections, waiting out
# their close, could hold the port the program's page server needs.
port=$((10000 + RANDOM % 20000))
export QTWEBENGINE_REMOTE_DEBUGGING="127.0.0.1:$port"
export QTWEBENGINE_DISABLE_SANDBOX=1
# The learner's record and exports go to the scratch folder, never to the real user's; so do
# the desktop settings that turning the accessibility bus on writes (dconf keeps them).
export XDG_DATA_HOME="$work/data" XDG_DOCUMENTS_DIR="$work/documents" XDG_CONFIG_HOME="$work/config"
# Qt takes the documents folder from the user's folder list, not from the environment.
mkdir -p "$XDG_CONFIG_HOME" && echo "XDG_DOCUMENTS_DIR=\"$XDG_DOCUMENTS_DIR\"" > "$XDG_CONFIG_HOME/user-dirs.dirs"
# One copy of the program a learner: each test's program is a learner of its own.
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
pid=0

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

# Waits until the exercise page file holds a text.
wait_for_exercise_page() {
  for _ in $(seq 1 80); do
    grep -q -- "$1" "$course/tvp.htm" 2>/dev/null && return 0
    sleep 0.25
  done
  fail "exercise page with '$1' not written"
}

# Answers the run's end message ("FINITO ..."), a second window with the program's title.
close_end_message() {
  local main="$1" message=""
  for _ in $(seq 1 40); do
    message=$(xdotool search --onlyvisible --name "^Sentiero dei Punti\$" 2>/dev/null \
      | grep -v "^$main\$" | tail -n 1 || true)
    [ -n "$message" ] && break
    sleep 0.25
  done
  [ -n "$message" ] || fail "no end message"
  focus "$message"
  keys Return
  sleep 1
  [ "$(count_windows "Sentiero dei Punti")" -eq 1 ] || fail "end message still shown"
}

# The course folder: the demo course's fonts, clips, pictures and sounds, the pages of a
# folder, and a table built from each source given (ESER_n.txt gives Ex/ESER_n.DB).
make_course() {
  local html="$1" source
  shift
  mkdir -p "$course/Ex"
  cp -r "$source_dir/course/font" "$source_dir/course/pres" "$source_dir/course/img" \
        "$source_dir/course/sound" "$html" "$course/"
  for source in "$@"; do
    "$builder" "$source" "$course/Ex/$(basename "${source%.txt}").DB" > /dev/null
  done
}

start_program() {
  cd "$course"
  "$program" > "$work/log.txt" 2>&1 &
  pid=$!
}

# Starts the program and waits for its first lesson page; `main` is its window.
# The lesson reader once it shows: the first page loads behind the splash, which has the same
# title but is far narrower.
wait_for_main_window() {
  for _ in $(seq 1 120); do
    local id WIDTH HEIGHT X Y SCREEN WINDOW
    for id in $(xdotool search --onlyvisible --name "^Sentiero dei Punti\$" 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)"
      [ "${WIDTH:-0}" -gt 600 ] && { echo "$id"; return 0; }
    done
    sleep 0.25
  done
  fail "lesson reader not shown"
}
start_at_first_page() {
  start_program
  wait_for_page "/html/fr1.htm"
  main=$(wait_for_main_window)
  sleep 1
}

# Clicks choice button `index` (0 to 2) of `window`: buttons `width` wide at `lefts`.
choose() {
  local index="$1" width="$2"; shift 2
  local lefts=("$@") WIDTH HEIGHT X Y SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --window "$window" $((lefts[index] + width / 2)) $((HEIGHT - 75)) click 1
  sleep 0.3
}

# Waits up to a minute for the program to end (a closing clip plays first, and a loaded
# machine may take a while); fails with `what` if it does not. Sets `status`.
wait_for_end() {
  for _ in $(seq 1 240); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.25
  done
  kill -0 "$pid" 2>/dev/null && fail "$1"
  status=0
  wait "$pid" || status=$?
  pid=0
}

# A session bus with the accessibility bus on it, as a desktop with an assistive technology
# has, `1` (IsEnabled, or ScreenReaderEnabled for a screen reader) set on it, and a window
# manager. Defines readable TEXT: fails unless the program exposes TEXT within 20 s.
start_accessibility() {
  eval "$(dbus-launch --sh-syntax)"
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  helpers="$! $DBUS_SESSION_BUS_PID"
  trap '{ [ "${pid:-0}" -gt 0 ] && kill "$pid"; } 2>/dev/null || true; kill $helpers ${wm:-} 2>/dev/null || true; rm -rf "$work"' EXIT
  for _ in $(seq 1 40); do
    dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus \
      org.freedesktop.DBus.Properties.Set string:org.a11y.Status "string:$1" \
      variant:boolean:true > /dev/null 2>&1 && break
    sleep 0.25
  done
  openbox > /dev/null 2>&1 &
  wm=$!
  sleep 1
}
readable() { /usr/bin/python3 "$source_dir/tests/e2e/atspi_find.py" "$1" 20 || fail "'$1' not readable"; }

# How many Tab presses from a page's start reach its first link to `target`, read from the
# page file in `pages` (the course's html folder unless a script sets another).
link_tabs() {
  local n
  n=$(grep -oi '<a [^>]*href *= *"[^"]*"' "${pages:-$course/html}/$1" | grep -n -m1 -i -- "href *= *\"$2" \
      | cut -d: -f1 || true)
  [ -n "$n" ] || fail "no link to $2 in $1"
  echo "$n"
}
follow() { local i; for i in $(seq 1 "$1"); do keys Tab; done; keys Return; }
# From the main window: follows the exercise link `tabs` Tabs away, takes the first category
# with OK and focuses the exercise window titled $title, kept in $window.
open_exercises() {
  focus "$main"
  follow "$1"
  focus "$(wait_for_window "SELEZIONE TIPO DI ESERCIZIO")"
  keys Return
  window=$(wait_for_window "$title")
  focus "$window"
}

# Leaves with the "esci" link reached by `tabs` Tab presses; the process must end with 0.
leave_program() {
  local main="$1" tabs="$2"
  focus "$main"
  for _ in $(seq 1 "$tabs"); do keys Tab; done
  keys Return
  wait_for_end "the program did not end after esci"
  [ "$status" -eq 0 ] || fail "exit status $status"
}
