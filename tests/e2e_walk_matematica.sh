#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A learner's walk through lesson 2 of the demo course's matematica course: the verification
# test answered right to the results page, help after four wrong checks, "esci".
# Arguments: the program, the source tree.
course_number=2 lesson=1 index_page=matematica.htm lesson_page=mat2.htm
source "$2/tests/e2e/walk.sh" "$@"
