#!/usr/bin/env bash
# Started from a folder without the course's fonts, the program says so and ends.
set -euo pipefail
program="$1"
work="$(mktemp -d)"
pid=0
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
export QTWEBENGINE_DISABLE_SANDBOX=1
fail() { echo "FAIL: $*"; exit 1; }

cd "$work"
"$program" > "$work/log.txt" 2>&1 &
pid=$!
box=""
for _ in $(seq 1 120); do
  box=$(xdotool search --onlyvisible --name "^Sentiero dei Punti\$" 2>/dev/null | tail -n 1 || true)
  [ -n "$box" ] && break
  sleep 0.25
done
[ -n "$box" ] || fail "no message about the fonts"
xdotool windowfocus --sync "$box"
sleep 0.3
xdotool key Return
for _ in $(seq 1 80); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.25
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end"
status=0
wait "$pid" || status=$?
[ "$status" -ne 0 ] || fail "ended as if all was well"
[ ! -e "$work/tvp.htm" ] || fail "wrote a page"
