#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test headless (Xvfb for the end-to-end
# tests, the offscreen platform for the rest). Exits non-zero when anything fails.
set -euo pipefail
top="$(cd "$(dirname "$0")" && pwd)"
"$top/scripts/setup.sh"
"$top/scripts/build.sh"
export QTWEBENGINE_DISABLE_SANDBOX=1
cd "$top/build"
xvfb-run -a -s "-screen 0 1280x800x24" ctest --output-on-failure --timeout 300 "$@"
