// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// The rules of the exercise windows, apart from any window.

// The first position at which two texts differ, the shorter one differing past its end;
// -1 when they are equal.
int firstDifference(const QByteArray &answer, const QByteArray &model);

// Whether a typed answer is right for a model answer: both normalised, compared byte for
// byte; an empty answer is never right.
bool answerIsRight(const QByteArray &answer, const QByteArray &model);

// Whether the choice pressed (0 to 2, -1 for none) is the right one of a record whose
// Risp_img is `right`. A value outside 0 to 2 is never right.
bool choiceIsRight(int right, int pressed);

// A title line of the mathematics pages with its first braille run made a span of the
// category's braille class: the tag `</FONT><FONT FACE="ZEV Braille 6"` up to its ">"
// becomes `<span class="brailleN">`, and every later "/F" pair, with the character before
// it, becomes "</span>". A line without the tag comes back unchanged.
QByteArray RewriteBrailleRun(QByteArray line, int category);

// A line of music text with the first occurrence of each of four two-byte pairs turned into
// the music font's combined sign: FE F4, FE F2, FE F1, FF F1 become D3, D4, D2, DA followed
// by 'v'. The length never changes.
QByteArray RewriteMusicPairs(QByteArray line);

// The BMP data of a picture field, without the 8-byte header that Paradox may put in front.
QByteArray bitmapData(const QByteArray &picture);
