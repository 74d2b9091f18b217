// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/CellTable.h"
#include "rules/SixKey.h"

#include <QList>
#include <QString>

#include <optional>

// Writing braille as on a slate (tavoletta e punteruolo): the stylus presses the dots from
// the back of the sheet, so each cell is made mirrored and the line grows from right to
// left; turned over, the sheet reads as usual. Cells here are always numbered as they read.

// A cell seen from the other side of the sheet: the columns change places (1 and 4, 2 and 5,
// 3 and 6).
Cell mirrored(Cell cell);

// The six-key meaning of a key code (Qt::Key) in the slate's layout: the right hand's J K L
// make the right column as the stylus sees it, the dots 1 2 3 of the cell as it reads; the
// left hand's F D S the dots 4 5 6. Space and Backspace as with six keys; none for every
// other key.
std::optional<SixKey> slateKeyOf(int key);

// A line of cells, in reading order, as the writing side shows it from left to right: the
// last cell first, each one mirrored.
QList<Cell> writingSide(const QList<Cell> &line);

// A cell written on the slate, as it is heard: "scritto punti 4 5, si legge punti 1 2"; a
// cell that is its own mirror image is said once ("punti 2 5"); the empty cell "spazio".
QString slateCellSpeech(Cell cell);
