#!/usr/bin/env bash
# A learner's walk through lesson 2 of the demo course's matematica course: the verification
# test answered right to the results page, help after four wrong checks, "esci".
# Arguments: the program, the source tree.
course_number=2 lesson=1 course_tabs=2 lesson_tabs=2 exit_tabs=9
source "$2/tests/e2e/walk.sh" "$@"
