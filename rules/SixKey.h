// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/CellTable.h"

#include <optional>

// The keys of six-key braille entry, as on a braille writer.
enum class SixKey
{
    Dot1, // F
    Dot2, // D
    Dot3, // S
    Dot4, // J
    Dot5, // K
    Dot6, // L
    Space,
    Backspace,
};

// The six-key meaning of a key code (Qt::Key); none for every other key.
std::optional<SixKey> sixKeyOf(int key);

// What a key event of six-key entry does to the text.
struct SixKeyAction
{
    enum Kind
    {
        Nothing,
        Write,  // write `character`, drawn as `cell`
        Erase,  // delete the character before the caret
        Refuse, // `cell` has no character: signal it, write nothing
    };
    Kind kind = Nothing;
    char character = 0;
    Cell cell = 0;

    bool operator==(const SixKeyAction &) const = default;
};

// Reads chords from key presses and releases: the dot keys held together make one cell,
// which is written when the last key of the chord is released. Space pressed alone is the
// empty cell (with dots it adds nothing); Backspace erases at once, also when it repeats.
// Auto-repeated presses and releases of the other keys are ignored, and so is the release
// of a key whose press was not seen.
class ChordReader
{
public:
    explicit ChordReader(const CellTable *table = nullptr) : m_table(table) {}

    // The table that gives the character of each cell; it must outlive the reader.
    void setTable(const CellTable *table) { m_table = table; }
    // Forgets the keys held, as when the box loses the focus.
    void reset();
    bool idle() const { return m_held == 0; }

    SixKeyAction press(SixKey key, bool autoRepeat);
    SixKeyAction release(SixKey key, bool autoRepeat);

private:
    const CellTable *m_table;
    int m_held = 0;  // one bit a key, in the order of SixKey
    Cell m_dots = 0; // the dots of the chord so far
};
