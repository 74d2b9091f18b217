#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds the program, the course builder and the tests in build/.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$top/build-configure.log" \
  || { cat "$top/build-configure.log"; exit 1; }
cmake --build "$top/build" -j2
