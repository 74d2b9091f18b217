// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>

class QTextEdit;
class TExerciseWindow;

// An exercise window on the braille display. While the window is active the display shows
// the exercise's braille as cells: the question (in the choice exercises then each
// candidate, "1", "2", "3" in front), one line at a time, moved with the display's line
// keys; while the learner writes in a braille box, that box's line with the cursor. The
// display's braille keyboard writes into the braille box as six-key entry does, in the
// layout that is on (on the slate's, its keys' columns change places). When no window of the
// program is active any more, the display goes back to what had it.
class DisplayLink : public QObject
{
    Q_OBJECT
public:
    explicit DisplayLink(TExerciseWindow *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void take();
    void showLine();
    void showBox();
    void dotsTyped(quint8 dots);
    void keyPressed(int key);
    // The braille box the learner writes in; none in the choice and print-answer types.
    QTextEdit *brailleBox() const;
    // The lines of the exercise that are shown before the box.
    QList<QByteArray> exerciseLines() const;

    TExerciseWindow *m_window;
    QList<QByteArray> m_lines; // cells, one byte a cell
    int m_line = 0;            // the line shown; m_lines.size() is the box
    QPointer<QTextEdit> m_box;
};
