#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints where the button bar of the program's shown window titled TITLE ends on the
screen: the lowest bottom edge of its showing push buttons, in screen pixels.

Usage: atspi_bar.py TITLE [SECONDS]. Exits 1 when no such window with buttons turns up
within SECONDS (default 20)."""
import sys
import time

import pyatspi


def buttons(node, depth=0):
    if node is None or depth > 30:
        return
    try:
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and \
                node.getState().contains(pyatspi.STATE_SHOWING):
            yield node
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return
    for child in children:
        yield from buttons(child, depth + 1)


def main():
    title = sys.argv[1]
    deadline = time.time() + (float(sys.argv[2]) if len(sys.argv) > 2 else 20)
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or app.name != "Sentiero dei Punti":
                continue
            for window in app:
                if window is None or window.name != title or \
                        not window.getState().contains(pyatspi.STATE_SHOWING):
                    continue
                bottoms = []
                for button in buttons(window):
                    extents = button.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                    bottoms.append(extents.y + extents.height)
                if bottoms:
                    print(max(bottoms))
                    return 0
        time.sleep(0.5)
    return 1


sys.exit(main())
