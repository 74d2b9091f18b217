// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/SixKey.h"

#include <QObject>
#include <QPalette>
#include <QString>

#include <functional>

class QKeyEvent;
class QTextEdit;
class QWidget;

// Six-key entry in a braille writing box of an exercise window. F2 anywhere in the window
// turns the mode on and off for the whole program (off at start, never saved); while it is
// on, F D S J K L write the box's cells by their dots and the other letter keys write
// nothing. Enter, the arrows, Delete, Tab and the Alt shortcuts keep their work.
class SixKeyEntry : public QObject
{
    Q_OBJECT
public:
    // Where the state and the refused cells are shown; a screen reader announces each text.
    using StatusLine = std::function<void(const QString &)>;

    SixKeyEntry(QTextEdit *box, QWidget *window, StatusLine status);

    static bool isOn();
    static void setOn(bool on);

    // Does what a chord did: also for the chords of a braille display's keyboard.
    void apply(const SixKeyAction &action);
    // A new exercise in the window: it starts with no key held, on the course's table, the
    // box as the mode wants it, and a mode left on recalled in the status line.
    void newExercise();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyEvent(const QKeyEvent *event);
    void toggle();
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
};
