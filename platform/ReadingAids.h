// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QTextEdit;

// What a learner who cannot see the screen meets instead of the print behind the braille.

// A script for the browser views of the exercises, the results and the code table: every
// run of text drawn in a braille font of the course is read as its cells ("punti 1 4,
// punto 1"), every run in the music font as the names of its signs; the print that the
// braille stands for is hidden from assistive technologies. Made from the course's cell
// table and music sign table when called. The page itself is not changed on disk.
QString pageReadingScript();
// The same for a page that shows the course's exercise pictures (the page file at
// `pagePath`): each picture also gets its text alternative, the line of UTF-8 text the
// course keeps beside it (".txt" in place of ".bmp"), so that it is heard, not skipped.
QString exercisePageReadingScript(const QString &pagePath);

// Gives a braille writing box an accessible interface of its own: its text, its caret and
// selection, and the changes a screen reader hears as the learner writes, are the cells
// spoken by their dots; the characters behind them never reach the accessibility bus.
void readBoxAsCells(QTextEdit *box);
