#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The zoom is kept between starts: zoomed to 150 % and left, the program starts again at
# 150 %, and its category dialog is half as large again. Arguments: the program, the source
# tree.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
make_course "$source_dir/tests/e2e/course/html" "$source_dir/tests/e2e/course/ESER_1.txt"
settings="$XDG_CONFIG_HOME/Sentiero dei Punti/sentiero.conf"
start_at_first_page
focus "$main"
keys ctrl+equal ctrl+equal ctrl+equal # 110 %, 125 %, 150 %
grep -q "^zoom=150$" "$settings" 2>/dev/null || fail "the zoom was not kept: $(cat "$settings" 2>&1)"
leave_program "$main" "$(link_tabs fr1.htm esci.htm)"

port=$((port + 1)); export QTWEBENGINE_REMOTE_DEBUGGING="127.0.0.1:$port"
start_at_first_page
focus "$main"
follow "$(link_tabs fr1.htm 101eser.htm)"
dialog=$(wait_for_window "SELEZIONE TIPO DI ESERCIZIO")
eval "$(xdotool getwindowgeometry --shell "$dialog")"
# 492 x 228 at the normal zoom.
[ "$WIDTH" -eq 738 ] && [ "$HEIGHT" -eq 342 ] || fail "the category dialog is ${WIDTH}x$HEIGHT at 150 %"
focus "$dialog"
keys Escape
window_gone "SELEZIONE TIPO DI ESERCIZIO"
# Ctrl+0 goes back to the normal size, and that is kept too.
focus "$main"
keys ctrl+0
grep -q "^zoom=100$" "$settings" || fail "the normal zoom was not kept"
leave_program "$main" "$(link_tabs fr1.htm esci.htm)"
echo "zoom kept between starts: ok"
