// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/SixKey.h"

#include <Qt>

std::optional<SixKey> sixKeyOf(int key)
{
    switch (key) {
    case Qt::Key_F:
        return SixKey::Dot1;
    case Qt::Key_D:
        return SixKey::Dot2;
    case Qt::Key_S:
        return SixKey::Dot3;
    case Qt::Key_J:
        return SixKey::Dot4;
    case Qt::Key_K:
        return SixKey::Dot5;
    case Qt::Key_L:
        return SixKey::Dot6;
    case Qt::Key_Space:
        return SixKey::Space;
    case Qt::Key_Backspace:
        return SixKey::Backspace;
    default:
        return std::nullopt;
    }
}

static int bit(SixKey key)
{
    return 1 << int(key);
}

void ChordReader::reset()
{
    m_held = 0;
    m_dots = 0;
}

SixKeyAction ChordReader::press(SixKey key, bool autoRepeat)
{
    if (key == SixKey::Backspace)
        return {SixKeyAction::Erase};
    if (autoRepeat)
        return {};
    m_held |= bit(key);
    if (key != SixKey::Space)
        m_dots |= Cell(bit(key));
    return {};
}

SixKeyAction ChordReader::release(SixKey key, bool autoRepeat)
{
    if (key == SixKey::Backspace || autoRepeat || !(m_held & bit(key)))
        return {};
    m_held &= ~bit(key);
    if (m_held)
        return {};
    const Cell cell = m_dots;
    m_dots = 0;
    const std::optional<char> character = m_table ? m_table->characterOf(cell) : std::nullopt;
    if (!character)
        return {SixKeyAction::Refuse, 0, cell};
    return {SixKeyAction::Write, *character, cell};
}
