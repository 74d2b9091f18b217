#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the program and the demo course: build/sentiero-dei-punti_*.deb.
# Install it with `apt install ./build/sentiero-dei-punti_<version>_<arch>.deb`.
# SENTIERO_MAINTAINER="Name <address>" names the package's maintainer (Maintainer field and
# changelog). Prints the control data of the package just built and, when lintian is
# installed, lintian's report on it (shown, not fatal: the package is built either way).
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/scripts/setup.sh"
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
[ -n "${SENTIERO_MAINTAINER:-}" ] && options+=("-DSENTIERO_MAINTAINER=$SENTIERO_MAINTAINER")
cmake -S "$top" -B "$top/build" "${options[@]}" > "$top/build-configure.log" \
  || { cat "$top/build-configure.log"; exit 1; }
cmake --build "$top/build" -j2 --target sentiero sentiero-course
cd "$top/build"
cpack -G DEB | tee cpack.log
# The package of this run: older versions' packages may lie beside it.
deb=$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' cpack.log | tail -n 1)
[ -n "$deb" ] && [ -f "$deb" ] || { echo "package.sh: cpack named no package" >&2; exit 1; }
dpkg-deb -I "$deb"
if command -v lintian > /dev/null; then
  echo "lintian $(basename "$deb"):"
  lintian "$deb" || echo "lintian: the reports above need a look (see README.md)"
fi
