#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draw the pictures of the mathematics exercises (ImageMagick's convert).

course-src/pictures/pictures.txt names each picture and says what it shows
(one line: name, kind, numbers).  Each is written as course-src/pictures/
NAME.bmp (stored in the table by the course builder) and, for the program,
as course/imgex/b/LEZIONE/T_ESER/NUMBER[a|b|c].bmp, the name being
LEZIONE_T_ESER_NUMBER[a|b|c].  The text after the bar "|" of the line is the
picture's text alternative, what a screen reader says of it: it is written,
one line of UTF-8, as NUMBER[a|b|c].txt beside the picture in course/imgex.

Kinds:  dots N       a card with N dots (a choice of type 103, or a count)
        sum A B      A dots, a plus sign, B dots
        diff A B     A dots, the last B of them crossed out in red
        groups G N   G framed groups of N dots each

Usage: make_pictures.py REPO_ROOT
"""
import math
import os
import subprocess
import sys

INK = "#1a1a1a"
FRAME = "#044895"
PAPER = "#fffdf3"
R = 13          # dot radius
STEP = 38       # distance between dot centres


def dot_grid(n, cols=None):
    """Dot centres of n dots in rows (at most five a row), centred on 0,0."""
    cols = cols or (n if n <= 5 else math.ceil(n / 2))
    rows = math.ceil(n / cols)
    pts = []
    for k in range(n):
        r, c = divmod(k, cols)
        in_row = min(cols, n - r * cols)
        x = (c - (in_row - 1) / 2) * STEP
        y = (r - (rows - 1) / 2) * STEP
        pts.append((x, y))
    return pts, cols * STEP, rows * STEP


def circles(pts, ox, oy, colour=INK):
    args = ["-fill", colour, "-stroke", "none"]
    for x, y in pts:
        cx, cy = ox + x, oy + y
        args += ["-draw", "circle %d,%d %d,%d" % (cx, cy, cx, cy + R)]
    return args


def picture(kind, numbers):
    """convert arguments (after the canvas) and the canvas size."""
    if kind == "dots":
        (n,) = numbers
        pts, _, _ = dot_grid(n)
        return 200, 200, circles(pts, 100, 100)
    if kind in ("sum", "diff"):
        a, b = numbers
        if kind == "sum":
            pa, wa, _ = dot_grid(a, min(a, 3))
            pb, wb, _ = dot_grid(b, min(b, 3))
            w = int(wa + wb + 200)
            args = circles(pa, 40 + wa / 2, 100) + circles(pb, w - 40 - wb / 2, 100)
            px = 40 + wa + 55
            args += ["-fill", INK, "-draw", "rectangle %d,96 %d,104" % (px, px + 40),
                     "-draw", "rectangle %d,80 %d,120" % (px + 16, px + 24)]
            return w, 200, args
        pa, wa, _ = dot_grid(a)
        w = int(max(wa + 80, 200))
        args = circles(pa, w / 2, 100)
        args += ["-stroke", "#d01010", "-strokewidth", "5", "-fill", "none"]
        for x, y in pa[a - b:]:
            cx, cy = w / 2 + x, 100 + y
            args += ["-draw", "line %d,%d %d,%d" % (cx - 17, cy - 17, cx + 17, cy + 17),
                     "-draw", "line %d,%d %d,%d" % (cx - 17, cy + 17, cx + 17, cy - 17)]
        return w, 200, args
    if kind == "groups":
        g, n = numbers
        pts, gw, gh = dot_grid(n, min(n, 2))
        box_w, box_h = gw + 24, gh + 24
        w = int(g * box_w + (g - 1) * 24 + 60)
        args = []
        for k in range(g):
            x0 = 30 + k * (box_w + 24)
            args += ["-fill", "none", "-stroke", FRAME, "-strokewidth", "3",
                     "-draw", "roundrectangle %d,%d %d,%d 12,12"
                     % (x0, 100 - box_h / 2, x0 + box_w, 100 + box_h / 2)]
            args += circles(pts, x0 + box_w / 2, 100)
        return w, 200, args
    raise ValueError("unknown picture kind %r" % kind)


def draw(name, kind, numbers, out_paths):
    w, h, args = picture(kind, numbers)
    cmd = ["convert", "-size", "%dx%d" % (w, h), "xc:" + PAPER,
           "-fill", "none", "-stroke", FRAME, "-strokewidth", "3",
           "-draw", "roundrectangle 3,3 %d,%d 14,14" % (w - 4, h - 4)] + args
    cmd += ["-type", "Palette", "-colors", "16", "BMP3:" + out_paths[0]]
    subprocess.run(cmd, check=True)
    for extra in out_paths[1:]:
        os.makedirs(os.path.dirname(extra), exist_ok=True)
        with open(out_paths[0], "rb") as src, open(extra, "wb") as dst:
            dst.write(src.read())


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    root = sys.argv[1]
    pictures = os.path.join(root, "course-src", "pictures")
    imgex = os.path.join(root, "course", "imgex", "b")
    count = 0
    with open(os.path.join(pictures, "pictures.txt"), encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            shown, _, text = line.partition("|")
            text = " ".join(text.split())
            if not text:
                sys.exit("pictures.txt: %s has no text alternative after a bar" % line)
            name, kind, *numbers = shown.split()
            lezione, t_eser, number = name.split("_")
            draw(name, kind, [int(n) for n in numbers],
                 [os.path.join(pictures, name + ".bmp"),
                  os.path.join(imgex, lezione, t_eser, number + ".bmp")])
            with open(os.path.join(imgex, lezione, t_eser, number + ".txt"), "w",
                      encoding="utf-8") as alt:
                alt.write(text + "\n")
            count += 1
    print("pictures: %d drawn" % count)


if __name__ == "__main__":
    main()
