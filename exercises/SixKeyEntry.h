// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/Outcome.h"
#include "rules/SixKey.h"

#include <QObject>
#include <QPalette>
#include <QString>

#include <functional>

class QKeyEvent;
class QTextEdit;
class QWidget;
class SlateSheet;

// Six-key entry in a braille writing box of an exercise window. F2 anywhere in the window
// turns the mode on and off for the whole program (kept between starts, WritingModes); while
// it is on, F D S J K L write the box's cells by their dots and the other letter keys write
// nothing. Enter, the arrows, Delete, Tab and the Alt shortcuts keep their work. F3 turns the
// slate's layout on and off (J K L the dots 1 2 3, F D S the dots 4 5 6, the writing side of
// the sheet laid over the box, each cell said as written and as read); F4 turns the sheet
// over and back. Without the mode, Ctrl+ì and Ctrl+' write ~ and `, which an Italian
// keyboard has no key for.
class SixKeyEntry : public QObject
{
    Q_OBJECT
public:
    // Where the state and the refused cells are shown; a screen reader announces each text.
    using StatusLine = std::function<void(const QString &)>;

    SixKeyEntry(QTextEdit *box, QWidget *window, StatusLine status);

    static bool isOn();
    static void setOn(bool on);
    // Whether the six keys follow the slate's layout.
    static bool slateOn();

    // Does what a chord did: also for the chords of a braille display's keyboard.
    void apply(const SixKeyAction &action);
    // A new exercise in the window: it starts with no key held, on the course's table, the
    // box as the mode wants it, and a mode left on recalled in the status line.
    void newExercise();
    // The cell of a braille display's chord (its keys' dots), read as the mode that is on
    // reads the six keys: as on the slate, the keys' columns change places.
    void writeDots(Cell dots);
    // How the braille of the exercise has been written since it was shown.
    ExerciseOutcome::Writing written() const;
    // Runs `change`, a text that the program puts into the box, without counting it as
    // written by the learner.
    void putText(const std::function<void()> &change);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyEvent(const QKeyEvent *event);
    void toggle();
    void toggleSlate();
    void turnSheet();
    // What the learner changed in the box: text that comes by other ways than the six keys
    // is written with the keyboard.
    void contentsChange(int position, int removed, int added);
    // What the mode in force says when it is turned on.
    QString modeText() const;
    // The box as the mode wants it: tint and accessible description.
    void showMode();
    // The mode added to the window's status line, at a new exercise with the mode on.
    void remindMode();
    // The window's status line; none in a window without one.
    class QLabel *statusLine() const;
    // Takes a refused cell's word away from the status line.
    void forgetRefusal();

    QTextEdit *m_box;
    QWidget *m_window;
    StatusLine m_status;
    ChordReader m_reader;
    QPalette m_palette;
    // What the status line said before a refused cell; it comes back, without being
    // announced again, once a cell is written or erased.
    QString m_beforeRefusal;
    QString m_refusal; // the word shown, while no other text has taken its place
    bool m_refusalShown = false;
    SlateSheet *m_sheet;
    bool m_writing = false; // the entry, not the learner's keyboard, changes the box
    bool m_byKeyboard = false, m_byWriter = false, m_bySlate = false;
};
