// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <functional>

// A refreshable braille display, reached through the braille daemon. A cell is a byte: bit 0
// is dot 1, ..., bit 7 dot 8.
class BrailleDisplay
{
public:
    // The display's own keys that the program uses.
    enum class Key
    {
        Previous, // line up, or the window to the left: the previous line of the exercise
        Next,     // line down, or the window to the right: the next line
        Backspace,
        Enter,
    };

    virtual ~BrailleDisplay() = default;

    // Takes the display for the program (from the screen reader or whatever had it) and
    // shows a line of cells, with the cursor under cell `cursor` (-1: none). A line longer
    // than the display is shown from the part that holds the cursor. Nothing happens, and
    // nothing is reported, when there is no daemon or no display.
    virtual void show(const QByteArray &cells, int cursor) = 0;
    // Gives the display back to what had it before; nothing when the program does not hold it.
    virtual void release() = 0;

    // A chord typed on the display's braille keyboard, as raw dots (0 is the space bar).
    std::function<void(quint8 dots)> DotsTyped;
    std::function<void(Key key)> KeyPressed;
};
