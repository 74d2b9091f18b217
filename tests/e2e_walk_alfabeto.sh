#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A learner's walk through lesson 11 of the demo course's alfabeto course (the asterisk, the
# emphasis signs and dates with slashes): the verification test answered right to the results
# page, help after four wrong checks, "esci".
# Arguments: the program, the source tree.
course_number=1 lesson=10 index_page=alfabeto.htm lesson_page=alf11.htm
source "$2/tests/e2e/walk.sh" "$@"
