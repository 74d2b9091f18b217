// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QTextEdit;

// The writing side of a sheet in the slate, laid over a braille box while the learner writes
// as on a slate: each line of the box from right to left, each cell mirrored, as the stylus
// makes it, the caret where the next cell goes. The box keeps the text as it reads, so that
// the check, the help and the screen reader work on it unchanged; turning the sheet over
// takes this side away and shows the box, the cells in reading order.
class SlateSheet : public QWidget
{
    Q_OBJECT
public:
    explicit SlateSheet(QTextEdit *box);

    // Whether the box is written as on a slate; the writing side shows then, unless the
    // sheet is turned over.
    void setActive(bool active);
    bool turnedOver() const { return m_turned; }
    // Turns the sheet over, or back to the writing side.
    void turn();
    // The writing side up, as when the sheet is put back in the slate.
    void putBack();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showSide();

    QTextEdit *m_box;
    bool m_active = false;
    bool m_turned = false;
};
