// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Slate.h"

#include "rules/CellSpeech.h"


#include <algorithm>

Cell mirrored(Cell cell)
{
    return Cell(((cell & 0x07) << 3) | ((cell >> 3) & 0x07));
}

std::optional<SixKey> slateKeyOf(int key)
{
    // The same six keys, each the dot of the other column in the same row.
    const std::optional<SixKey> typed = sixKeyOf(key);
    if (!typed || *typed > SixKey::Dot6)
        return typed; // Space, Backspace, or nothing
    return SixKey((int(*typed) + 3) % 6);
}

QList<Cell> writingSide(const QList<Cell> &line)
{
    QList<Cell> side;
    side.reserve(line.size());
    std::transform(line.crbegin(), line.crend(), std::back_inserter(side), mirrored);
    return side;
}

QString slateCellSpeech(Cell cell)
{
    if (mirrored(cell) == cell)
        return spokenCell(cell);
    return QStringLiteral("scritto %1, si legge %2")
        .arg(spokenCell(mirrored(cell)), spokenCell(cell));
}
