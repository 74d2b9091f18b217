#!/usr/bin/env bash
# A learner's walk through lesson 3 of the demo course's alfabeto course: the verification
# test answered right to the results page, help after four wrong checks, "esci".
# Arguments: the program, the source tree.
course_number=1 lesson=2 course_tabs=1 lesson_tabs=3 exit_tabs=8
source "$2/tests/e2e/walk.sh" "$@"
