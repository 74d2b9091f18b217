#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A learner's walk through lesson 5 of the demo course's matematica course (maggiore e minore,
# i numeri negativi): the verification test answered right to the results page, help after
# four wrong checks, "esci".
# Arguments: the program, the source tree.
course_number=2 lesson=4 index_page=matematica.htm lesson_page=mat5.htm
source "$2/tests/e2e/walk.sh" "$@"
