#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Re-make everything in course/ from the generators of scripts/content/ and the
# exercise sources of course-src/:
#   1. fonts          course/font/*.ttf            make_fonts.py (+ check_fonts.py)
#   2. pages          course/html/*                make_pages.py
#   3. media          course/img, sound, pres                     make_media.sh
#      pictures       course/imgex, course-src/pictures/*.bmp     make_pictures.py
#   4. var.ini        course/var.ini
#   5. tables         course/Ex/ESER_[123].DB/.MB  the course builder sentiero-course
#   6. checks         the teaching rules           check_course.py (last: a failure
#                     leaves every file written, and the script exits with it)
#
# Usage: scripts/content/generate.sh [--no-tables] [--no-media] [--builder PATH]
#   --no-media leaves the sounds, clips and backgrounds as they are (no sox, ffmpeg).
#   The builder is taken from --builder, else $SENTIERO_COURSE, else the first
#   build*/sentiero-course found; if none exists it is built in build-content/.
# Needs Debian packages: python3-fonttools, fonts-dejavu-core, imagemagick, sox,
# ffmpeg (and, to build the tables, what the project needs to build).
set -euo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
COURSE="$ROOT/course"
TABLES=1
MEDIA=1
BUILDER=${SENTIERO_COURSE:-}
while [ $# -gt 0 ]; do
  case "$1" in
    --no-tables) TABLES=0 ;;
    --no-media) MEDIA=0 ;;
    --builder) BUILDER=$2; shift ;;
    *) echo "unknown option: $1" >&2; exit 2 ;;
  esac
  shift
done

# Debian's python3 has python3-fonttools; another python3 first in PATH may not.
PY=python3
if ! "$PY" -c 'import fontTools' 2>/dev/null; then PY=/usr/bin/python3; fi

echo "== fonts"
"$PY" "$HERE/make_fonts.py" "$COURSE/font"
"$PY" "$HERE/check_fonts.py" "$COURSE/font"

echo "== pages"
"$PY" "$HERE/make_pages.py" "$COURSE"

echo "== pictures of the exercises"
"$PY" "$HERE/make_pictures.py" "$ROOT"

if [ "$MEDIA" = 1 ]; then
  echo "== backgrounds, sounds, clips"
  bash "$HERE/make_media.sh" "$ROOT"
fi

echo "== var.ini"
printf '; Sentiero dei Punti - settings file of the course folder.\r\n; The program opens it at start-up; no setting is read from it yet.\r\n' \
  > "$COURSE/var.ini"

if [ "$TABLES" = 1 ]; then
  echo "== exercise tables"
  if [ -z "$BUILDER" ]; then
    for candidate in "$ROOT"/build*/sentiero-course; do
      if [ -x "$candidate" ]; then BUILDER=$candidate; break; fi
    done
  fi
  if [ -z "$BUILDER" ]; then
    echo "building the course builder in build-content/"
    cmake -S "$ROOT" -B "$ROOT/build-content" >/dev/null
    cmake --build "$ROOT/build-content" --target sentiero-course -j2
    BUILDER="$ROOT/build-content/sentiero-course"
  fi
  mkdir -p "$COURSE/Ex"
  for n in 1 2 3; do
    "$BUILDER" "$ROOT/course-src/ESER_$n.txt" "$COURSE/Ex/ESER_$n.DB"
    echo "wrote Ex/ESER_$n.DB"
  done
fi
echo "== done: $(du -sh "$COURSE" | cut -f1) in course/"
echo "== teaching checks"
"$PY" "$HERE/check_course.py" "$ROOT"
