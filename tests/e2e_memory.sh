#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The memory of the signs across two sessions: "fado" written for "dado", then right; the
# progress page lists the pair d ↔ f; two days later "Ripasso di oggi" runs "dado" and next to
# it "foca", then "gala" (due since yesterday); the practice sheet holds d and f side by side.
# Arguments: the program, the source tree.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
make_course "$source_dir/tests/e2e/memory/html" "$source_dir/tests/e2e/memory/ESER_1.txt"
lesson=0
source_file="$source_dir/tests/e2e/memory/ESER_1.txt"
source "$source_dir/tests/e2e/learner.sh"
data="$XDG_DATA_HOME/Sentiero dei Punti"
sheet="$XDG_DOCUMENTS_DIR/Sentiero dei Punti - foglio di ripasso"

start_at_first_page
start_run 2
mapfile -t rows < <(answers 2)
for row in "${rows[@]}"; do
  IFS=$'\t' read -r type marker answer <<< "$row"
  wait_for_new_page "$marker"
  focus "$(wait_for_window "Esercizi sui nuovi simboli della lezione")"
  if [ "$answer" = dado ]; then xdotool type fado; keys alt+c; fi
  answer_right "$type" "$answer"
done
close_end_message "$main"
leave_program "$main" "$(link_tabs fr1.htm esci.htm)"
grep -q "^confusione 1 124 145 1$" "$data/memoria-segni.txt" || fail "f for d not kept"

# Two days later for d, one day for the other signs.
sed -i -e "s/^\(segno 1 145 [0-9]\) [0-9-]*/\1 $(date -d '-2 days' +%F)/" \
       -e "s/^\(segno 1 [0-9]* [0-9]\) $(date -d tomorrow +%F)/\1 $(date -d yesterday +%F)/" \
       "$data/memoria-segni.txt"
start_at_first_page
follow "$(link_tabs fr1.htm progressi.htm)"
wait_for_page "registro.htm"
grep -q "<td>d ↔ f, 1 volta</td>" "$data/registro.htm" || fail "the pair is not on the progress page"
[ -n "${MEMORY_SCREENSHOT:-}" ] && sleep 1 && import -window root "$MEMORY_SCREENSHOT"
follow "$(pages="$data" link_tabs registro.htm ripassodioggi.htm)"
for word in dado foca gala; do
  wait_for_new_page " >$word<br>"
  focus "$(wait_for_window "Ripasso di oggi")"
  answer_right 0 "$word"
done
close_end_message "$main"
grep -q "^segno 1 145 2 " "$data/memoria-segni.txt" || fail "d is not stronger"

focus "$main"
follow "$(pages="$data" link_tabs registro.htm fogliobraille.htm)"
close_end_message "$main"
grep -q "<row>⠙⠀⠙⠀⠙⠀⠀⠋⠀⠋⠀⠋</row>" "$sheet.pef" || fail "the sheet lacks d next to f"
grep -q $'^D D D  F F F\r$' "$sheet.brf" || fail "the BRF sheet lacks d next to f"
echo "memory of the signs: ok"
