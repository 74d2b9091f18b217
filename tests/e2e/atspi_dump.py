#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints every text the running program gives the accessibility bus: the name, description
and text of each object of its windows and of the pages inside its browser views, one a line.

Usage: atspi_dump.py"""
import pyatspi


def texts(node, depth=0):
    if node is None or depth > 60:
        return
    try:
        yield node.name or ""
        yield node.description or ""
        text = node.queryText()
        yield text.getText(0, text.characterCount)
    except Exception:
        pass
    try:
        children = [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return
    for child in children:
        yield from texts(child, depth + 1)


for app in pyatspi.Registry.getDesktop(0):
    if app is not None and app.name == "Sentiero dei Punti":
        for said in texts(app):
            if said:
                print(said.replace("\n", " "))
