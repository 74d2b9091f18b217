#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A hostile course: its first page's script tries to read a file of the learner's and send it
# out, a meta refresh sends an address, a link leads to a file outside the course, and a link
# is planted where the exercise page goes. Nothing is read, sent or written through; the
# course's own links and exercises still work. Arguments: the program, the source tree.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
make_course "$source_dir/tests/e2e/hostile/html" "$source_dir/tests/e2e/course/ESER_1.txt"
secret="$work/segreto.txt"
echo "chiave privata" > "$secret"
cp "$secret" "$work/segreto.orig"
ln -s "$secret" "$course/tvp.htm"
# The desktop's handler of addresses, replaced by one that writes down what it is given.
mkdir -p "$work/bin"
printf '#!/bin/sh\necho "$@" >> "%s"\n' "$work/sent.txt" > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
pages="$course/html"

start_at_first_page
sleep 3 # the refresh's time, and the script's
title=$(curl -s "http://127.0.0.1:$port/json" | grep -o '"title": "[^"]*"' | head -n 1)
echo "$title" | grep -q '"Prima pagina"' || fail "the page's script ran: $title"
[ ! -s "$work/sent.txt" ] || fail "sent without a click: $(cat "$work/sent.txt")"

# The link out: a short message, and the lesson stays.
focus "$main"
follow "$(link_tabs fr1.htm "../../segreto")"
box=$(xdotool search --sync --onlyvisible --name "^Sentiero dei Punti\$" | grep -v "^$main\$" | tail -n 1)
focus "$box"
keys Return
page_urls | grep -q "segreto" && fail "the file outside the course was shown"
wait_for_page "/html/fr1.htm"

# The course's own pages open: the next link, and back.
focus "$main"
follow "$(link_tabs fr1.htm fr2.htm)"
wait_for_page "/html/fr2.htm"
sleep 1
follow 1
wait_for_page "/html/fr1.htm"
sleep 1

# A web address the learner follows goes to the desktop, alone.
follow "$(link_tabs fr1.htm "http://127.0.0.1:9/sito")"
for _ in $(seq 1 20); do [ -s "$work/sent.txt" ] && break; sleep 0.25; done
[ "$(cat "$work/sent.txt" 2>/dev/null)" = "http://127.0.0.1:9/sito" ] \
  || fail "the followed link was not handed over alone: $(cat "$work/sent.txt" 2>/dev/null)"

# The exercises write their page in place of the planted link, never through it.
title="Esercizi sui nuovi simboli della lezione"
open_exercises 1 # the next link
wait_for_exercise_page "<HTML>"
cmp -s "$secret" "$work/segreto.orig" || fail "the learner's file was written through the link"
[ -L "$course/tvp.htm" ] && fail "the planted link is still there"
keys alt+e
window_gone "$title"
leave_program "$main" "$(link_tabs fr1.htm esci.htm)"
