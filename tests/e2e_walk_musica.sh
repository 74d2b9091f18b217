#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A learner's walk through lesson 4 of the demo course's musica course (bars and time
# signatures): the verification test answered right to the results page, help after four
# wrong checks, "esci".
# Arguments: the program, the source tree.
course_number=3 lesson=3 index_page=musica.htm lesson_page=mus4.htm
source "$2/tests/e2e/walk.sh" "$@"
