#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Make the pictures, sounds and clips of the course folder.
#   img/Image202.jpg, img/colorbar.gif, img/img035.gif ... img038.gif  (ImageMagick)
#   sound/good5.wav, sound/bad5.wav                                    (sox)
#   pres/prova.avi, pres/OO.avi                                        (sox + ffmpeg)
# Usage: make_media.sh REPO_ROOT        (the fonts must be made first)
set -euo pipefail
ROOT=${1:?usage: make_media.sh REPO_ROOT}
C="$ROOT/course"
DEJAVU_BOLD=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
DEJAVU=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
BRAILLE_FONT="$C/font/zevbrl6nd.ttf"
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
mkdir -p "$C/img" "$C/sound" "$C/pres"


# ---------------------------------------------------------------- pictures --
# Page background: a pale cream, quiet noise (seeded, so it is always the same).
convert -seed 202 -size 200x200 xc: +noise Random -channel R -separate +channel \
  -blur 0x0.6 +level 94%,100% -colorspace sRGB -type TrueColor \
  \( -size 200x200 xc:'#fffaed' \) -compose multiply -composite \
  -strip -quality 85 -type TrueColor "$C/img/Image202.jpg"

# Colour bar of the four exercise categories: green, red, blue, black.
convert -size 150x8 xc:'#008000' xc:'#FF0000' xc:'#0000FF' xc:'#000000' +append \
  -strip "$C/img/colorbar.gif"

# Grade pictures, 32 x 32: faces from sad (035) to a golden star (038).
face() { # out colour mouth-draw
  convert -size 32x32 xc:none -fill "$2" -stroke '#333333' -strokewidth 1.5 \
    -draw 'circle 16,16 16,2' -fill '#222222' -stroke none \
    -draw 'circle 11,12 11,14.2' -draw 'circle 21,12 21,14.2' \
    -fill none -stroke '#222222' -strokewidth 2 -draw "$3" -strip "$1"
}
face "$C/img/img035.gif" '#e85a4f' 'arc 9,19 23,31 200,340'   # insufficiente
face "$C/img/img036.gif" '#f2b233' 'line 10,22 22,22'          # sufficiente
face "$C/img/img037.gif" '#5cb85c' 'arc 9,13 23,25 20,160'     # buono
convert -size 32x32 xc:none -fill '#ffd21f' -stroke '#b8860b' -strokewidth 1.5 \
  -draw 'polygon 16,1 20,11.5 31,12 22.5,19 25.5,30 16,24 6.5,30 9.5,19 1,12 12,11.5' \
  -fill '#7a5200' -stroke none -draw 'circle 13,15 13,16.6' -draw 'circle 19,15 19,16.6' \
  -fill none -stroke '#7a5200' -strokewidth 1.3 -draw 'arc 12,15 20,22 20,160' \
  -strip "$C/img/img038.gif"                                    # ottimo

# ------------------------------------------------------------------ sounds --
# "Right": two short rising tones.  "Wrong": a short low buzz.
sox -R -n -r 22050 -c 1 -b 16 "$TMP/t1.wav" synth 0.13 sine 880 fade h 0.005 0.13 0.04 vol 0.6
sox -R -n -r 22050 -c 1 -b 16 "$TMP/t2.wav" synth 0.22 sine 1318.5 fade h 0.005 0.22 0.12 vol 0.6
sox -R "$TMP/t1.wav" "$TMP/t2.wav" "$C/sound/good5.wav"
sox -R -n -r 22050 -c 1 -b 16 "$C/sound/bad5.wav" synth 0.45 sawtooth 98 \
  lowpass 700 tremolo 22 40 fade h 0.01 0.45 0.12 vol 0.5

# ------------------------------------------------------------------- clips --
# A soft chime: two plucked notes, rising (opening) or falling (closing).
chime() { # out first-note second-note
  sox -R -n -r 22050 -c 1 -b 16 "$TMP/n1.wav" synth 2.6 pluck "$2" fade h 0 2.6 2.2 vol 0.45
  sox -R -n -r 22050 -c 1 -b 16 "$TMP/n2.wav" synth 2.2 pluck "$3" fade h 0 2.2 1.9 vol 0.45 pad 0.45
  sox -R -m "$TMP/n1.wav" "$TMP/n2.wav" "$TMP/mix.wav"
  sox -R -V1 "$TMP/mix.wav" "$1" pad 0.15 1 trim 0 3
}
chime "$TMP/open.wav" E5 B5
chime "$TMP/close.wav" B5 E5

# The braille word "punti" appears cell by cell under the title.
# Cell advance of the braille font: 1800/2048 em.
BSIZE=40
CELL=$(( 1800 * BSIZE / 2048 ))
WORD=punti
BX=$(( (384 - ${#WORD} * CELL) / 2 ))
esc() { printf '%s' "$1" | sed -e 's/[\\:'"'"']/\\&/g'; }

clip() { # out audio subtitle appear(1)/vanish(0)
  local f="" i n=${#WORD}
  f="drawtext=fontfile=$(esc "$DEJAVU_BOLD"):text='Sentiero dei Punti':fontcolor=white:fontsize=34:x=(w-tw)/2:y=62"
  f="$f,drawtext=fontfile=$(esc "$DEJAVU"):text='$3':fontcolor=0xdfe9f7:fontsize=18:x=(w-tw)/2:y=206"
  for (( i = 1; i <= n; i++ )); do
    local t0 t1
    if [ "$4" = 1 ]; then t0=$(awk "BEGIN{print 0.3 + 0.35 * $i}"); t1=99
    else t0=0; t1=$(awk "BEGIN{print 2.9 - 0.35 * $i}"); fi
    f="$f,drawtext=fontfile=$(esc "$BRAILLE_FONT"):text='${WORD:i-1:1}':fontcolor=white:fontsize=$BSIZE:x=$(( BX + (i - 1) * CELL )):y=120:enable='between(t,$t0,$t1)'"
  done
  ffmpeg -v error -y -f lavfi -i "color=c=0x044895:s=384x256:r=15:d=3" \
    -i "$2" -filter_complex "[0:v]$f,format=yuvj420p[v]" -map '[v]' -map 1:a \
    -c:v mjpeg -q:v 6 -c:a pcm_s16le -ar 22050 -ac 1 -shortest \
    -fflags +bitexact -flags:v +bitexact -flags:a +bitexact "$1"
}
clip "$C/pres/prova.avi" "$TMP/open.wav" "Un corso di braille in italiano" 1
clip "$C/pres/OO.avi" "$TMP/close.wav" "Arrivederci e buon lavoro!" 0

echo "media done"
