#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Waits until a text shows in the accessibility tree of the running program.

Usage: atspi_find.py TEXT [SECONDS]. Exits 0 when an object of the program whose name or
text holds TEXT turns up (the program's windows, and the pages inside its browser views),
1 when it does not within SECONDS (default 20)."""
import sys
import time

import pyatspi


def holds(node, wanted):
    try:
        if wanted in (node.name or ""):
            return True
        text = node.queryText()
        return wanted in text.getText(0, text.characterCount)
    except Exception:
        return False


def search(node, wanted, depth=0):
    if node is None or depth > 60:
        return False
    if holds(node, wanted):
        return True
    try:
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return False
    return any(search(child, wanted, depth + 1) for child in children)


def main():
    wanted = sys.argv[1]
    deadline = time.time() + (float(sys.argv[2]) if len(sys.argv) > 2 else 20)
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Sentiero dei Punti" and search(app, wanted):
                return 0
        time.sleep(0.5)
    return 1


sys.exit(main())
