#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the program into a scratch prefix and checks it as a desktop application: the
# desktop entry and the metainfo validate; the installed program, started from the installed
# course folder made read-only, opens an exercise whose page goes to the per-user folder and
# is shown, and leaves with "esci". Then builds the Debian package and checks its contents
# and dependencies. Arguments: the program (in the build folder), the source tree.
set -euo pipefail
source "$2/tests/e2e/lib.sh" "$@"
build="$(dirname "$program")"
id=it.sentierodeipunti.sentiero
prefix="$work/prefix"
installed="$prefix/share/sentiero-dei-punti/course"
pages="$installed/html"
mounted=""

release_course() {
  cd /
  if [ -n "$mounted" ]; then
    umount "$installed" 2>/dev/null || umount -l "$installed" 2>/dev/null || true
    mounted=""
  fi
}
# No `kill 0` when no program runs: that would stop the whole process group (ctest included).
cleanup() {
  if [ "${pid:-0}" -gt 0 ]; then
    kill "$pid" 2>/dev/null || true
    for _ in $(seq 1 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.25; done
  fi
  release_course
  chmod -R u+w "$work" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The position of a page's first link whose address begins with `target`: the Tab presses
# that reach it from the top of the page.

# Install, and the files a desktop finds.
timeout 60 cmake --install "$build" --prefix "$prefix" > "$work/install.txt" 2>&1 \
  || fail "cmake --install: $(tail -n 5 "$work/install.txt")"
desktop="$prefix/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop entry not valid"
grep -qx "Path=$installed" "$desktop" || fail "the desktop entry's Path is not the course: $(grep ^Path "$desktop")"
grep -qx "Exec=$prefix/bin/sentiero" "$desktop" || fail "the desktop entry's Exec: $(grep ^Exec "$desktop")"
icon=$(sed -n 's/^Icon=//p' "$desktop")
for file in "share/metainfo/$id.metainfo.xml" "share/icons/hicolor/scalable/apps/$icon.svg" \
            "share/icons/hicolor/48x48/apps/$icon.png" "share/icons/hicolor/256x256/apps/$icon.png" \
            share/doc/sentiero-dei-punti/README.md share/doc/sentiero-dei-punti/docs/course-format.md \
            share/doc/sentiero-dei-punti/docs/braille-fonts.md bin/sentiero-course \
            share/sentiero-dei-punti/course/html/fr1.htm share/sentiero-dei-punti/course/Ex/ESER_1.DB; do
  [ -s "$prefix/$file" ] || fail "$file not installed"
done
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" > "$work/metainfo.txt" 2>&1 \
  || fail "metainfo not valid: $(cat "$work/metainfo.txt")"
[ -e "$installed/tvp.htm" ] && fail "a page file was installed with the course"

# The installed course read-only. Root ignores file permissions: a read-only bind mount.
if mount --bind "$installed" "$installed" 2>/dev/null; then
  mounted=1
  mount -o remount,ro,bind "$installed" || fail "cannot remount the course read-only"
elif [ "$(id -u)" -ne 0 ]; then
  chmod -R a-w "$installed"
else
  fail "cannot make the installed course read-only: mount --bind is refused to root here"
fi
touch "$installed/probe" 2>/dev/null && fail "the installed course is still writable"

# A learner's own folders, inside the scratch folder.
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
       XDG_CACHE_HOME="$work/home/cache"
page="$XDG_DATA_HOME/Sentiero dei Punti/tvp.htm"

# The menu entry's start: the installed program in the course folder.
course="$installed"
program="$(sed -n 's/^Exec=//p' "$desktop")"
start_at_first_page
focus "$main"
follow "$(link_tabs fr1.htm alfabeto.htm)"
wait_for_page "/html/alfabeto.htm"
sleep 1
follow "$(link_tabs alfabeto.htm alf1.htm)"
wait_for_page "/html/alf1.htm"
sleep 1

# The lesson's exercises, category 2 (the dialog's default): the page goes to the user's folder.
follow "$(link_tabs alf1.htm '[0-9][0-9][0-9]eser.htm')"
dialog=$(wait_for_window "SELEZIONE TIPO DI ESERCIZIO")
focus "$dialog"
keys Return
exercise=$(wait_for_window "Esercizi sui nuovi simboli della lezione")
for _ in $(seq 1 40); do grep -aq "</BODY></HTML>" "$page" 2>/dev/null && break; sleep 0.25; done
grep -aq "</BODY></HTML>" "$page" || fail "no exercise page in the user's folder ($page)"
grep -aqF "$installed\\img\\Image202.jpg" "$page" || fail "the exercise page does not draw on the installed course"
wait_for_page "home/data/Sentiero%20dei%20Punti/tvp.htm"
[ -e "$installed/tvp.htm" ] && fail "a page file appeared in the installed course"
focus "$exercise"
keys alt+e
window_gone "Esercizi sui nuovi simboli della lezione"
sleep 1
leave_program "$main" "$(link_tabs alf1.htm esci.htm)"
pid=0 # ended and waited for
release_course
echo "installed program ran on the read-only course: ok"

# The Debian package: built with CPack, then its control data and contents.
timeout 150 cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" > "$work/cpack.txt" 2>&1 \
  || fail "cpack: $(tail -n 10 "$work/cpack.txt")"
deb=$(ls "$work"/deb/sentiero-dei-punti_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no package built: $(tail -n 5 "$work/cpack.txt")"
dpkg-deb -I "$deb" > "$work/info.txt"
dpkg-deb -c "$deb" > "$work/contents.txt"
echo "$(basename "$deb"):"
grep -E "^ (Package|Version|Depends|Recommends):" "$work/info.txt"
echo " $(wc -l < "$work/contents.txt") entries"
depends=$(sed -n 's/^ Depends: //p' "$work/info.txt")
for package in libqt6webenginewidgets6 libqt6webenginecore6-bin libqt6multimedia6 \
               libqt6multimediawidgets6 gstreamer1.0-plugins-base gstreamer1.0-plugins-good \
               gstreamer1.0-libav; do
  grep -qE "(^|, )$package( |,|$)" <<< "$depends" || fail "the package does not depend on $package"
done
for file in ./usr/bin/sentiero ./usr/bin/sentiero-course "./usr/share/applications/$id.desktop" \
            "./usr/share/metainfo/$id.metainfo.xml" ./usr/share/sentiero-dei-punti/course/html/fr1.htm \
            ./usr/share/sentiero-dei-punti/course/Ex/ESER_1.DB ./usr/share/sentiero-dei-punti/course/font/zevbrl6_all.ttf; do
  grep -q " $file\$" "$work/contents.txt" || fail "$file not in the package"
done
grep -q "/tvp.htm$" "$work/contents.txt" && fail "a page file is in the package"
grep " ./usr/share/sentiero-dei-punti/" "$work/contents.txt" | grep -qE '^.....w|^........w' \
  && fail "the packaged course is writable by group or others"
dpkg-deb -x "$deb" "$work/root"
grep -qx "Path=/usr/share/sentiero-dei-punti/course" "$work/root/usr/share/applications/$id.desktop" \
  || fail "the packaged desktop entry's Path: $(grep ^Path "$work/root/usr/share/applications/$id.desktop")"
grep -qx "Exec=/usr/bin/sentiero" "$work/root/usr/share/applications/$id.desktop" \
  || fail "the packaged desktop entry's Exec"
echo "package: ok"
