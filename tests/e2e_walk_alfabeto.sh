#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A learner's walk through lesson 3 of the demo course's alfabeto course: the verification
# test answered right to the results page, help after four wrong checks, "esci".
# Arguments: the program, the source tree.
course_number=1 lesson=2 index_page=alfabeto.htm lesson_page=alf3.htm
source "$2/tests/e2e/walk.sh" "$@"
