#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A learner's walk through lesson 5 of the demo course's alfabeto course (the punctuation of
# the sentence): the verification test answered right to the results page, help after four
# wrong checks, "esci".
# Arguments: the program, the source tree.
course_number=1 lesson=4 index_page=alfabeto.htm lesson_page=alf5.htm
source "$2/tests/e2e/walk.sh" "$@"
