#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks and runs them all: the pure parts (bench_core) and what a learner
# feels on the real windows under Xvfb (bench_ui), each beside its baseline measured in the
# same run. Prints one table. Usage: ./bench.sh [RUNS]  (5 runs of each program by default)
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
runs="${1:-5}"
build="$top/build-bench"
"$top/scripts/setup.sh"
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j"${BENCH_JOBS:-2}" --target bench_core bench_ui sentiero-course
export QTWEBENGINE_DISABLE_SANDBOX=1 # Chromium's sandbox refuses to run as root
# The runs keep their learner's record and desktop settings in a scratch folder: the user's
# own record gets no bench exercises, and a screen reader the user turned on (a dconf
# setting) does not make the program read its pages aloud here.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME="$scratch/data" XDG_CONFIG_HOME="$scratch/config"
# A session bus, as on a desktop: without one every start would launch its own.
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x800x24" \
  "$build/benchmarks/bench_ui" report "$top" "$build/benchmarks/bench_core" "$runs"
