// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Slate.h"

#include "rules/CellSpeech.h"

#include <Qt>

#include <algorithm>

Cell mirrored(Cell cell)
{
    return Cell(((cell & 0x07) << 3) | ((cell >> 3) & 0x07));
}

std::optional<SixKey> slateKeyOf(int key)
{
    switch (key) {
    case Qt::Key_J:
        return SixKey::Dot1;
    case Qt::Key_K:
        return SixKey::Dot2;
    case Qt::Key_L:
        return SixKey::Dot3;
    case Qt::Key_F:
        return SixKey::Dot4;
    case Qt::Key_D:
        return SixKey::Dot5;
    case Qt::Key_S:
        return SixKey::Dot6;
    default:
        return sixKeyOf(key); // Space, Backspace, or nothing
    }
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
