#!/usr/bin/env bash
# Builds the Debian package of the program and the demo course: build/sentiero-dei-punti_*.deb.
# Install it with `apt install ./build/sentiero-dei-punti_<version>_<arch>.deb`.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/setup.sh"
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$top/build-configure.log" \
  || { cat "$top/build-configure.log"; exit 1; }
cmake --build "$top/build" -j2 --target sentiero sentiero-course
cd "$top/build"
cpack -G DEB
dpkg-deb -I sentiero-dei-punti_*.deb
