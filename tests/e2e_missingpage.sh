#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A lesson page missing from the course: its link shows the program's own Italian page,
# whose "indietro" link leads back to the page of the link. Arguments: the program, the
# source tree. Then the first page missing at start-up.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
make_course "$source_dir/tests/e2e/course/html" "$source_dir/tests/e2e/course/ESER_1.txt"
rm "$course/html/fr2.htm"

# The title and address of each page the browser shows, one page a line.
pages() {
  curl -s "http://127.0.0.1:$port/json" 2>/dev/null | python3 -c '
import json, sys
try:
    for page in json.load(sys.stdin):
        print(page.get("title", ""), page.get("url", ""))
except ValueError:
    pass' || true
}
wait_for_title() {
  for _ in $(seq 1 120); do
    pages | grep -q "^$1 .*$2" && return 0
    sleep 0.25
  done
  fail "no page '$1' at $2; pages: $(pages)"
}

start_at_first_page
focus "$main"

# The link to the missing page: the program's page, under the missing page's address.
keys Tab Return
wait_for_title "Pagina non trovata" "/html/fr2.htm"
pages | grep -q "ERR_FILE_NOT_FOUND\|chrome-error" && fail "the browser's own error page: $(pages)"
sleep 1

# Its first link is "indietro": back to the first page.
keys Tab Return
wait_for_title "Prima pagina" "/html/fr1.htm"
pages | grep -q "fr2.htm" && fail "still on the missing page: $(pages)"
sleep 1

leave_program "$main" "$(link_tabs fr1.htm esci.htm)"

# Without its first page the course cannot be used: the program says so and ends.
rm "$course/html/fr1.htm"
start_program
box=$(wait_for_window "Sentiero dei Punti")
focus "$box"
keys Return
wait_for_end "the program did not end without its first page"
[ "$status" -ne 0 ] || fail "ended as if all was well"
