// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/DisplayLink.h"

#include "rules/CellSpeech.h"
#include "rules/ExerciseRules.h"
#include "exercises/ExerciseWindow.h"
#include "exercises/SixKeyEntry.h"
#include "rules/Cp1252.h"
#include "platform/Platform.h"

#include <QApplication>
#include <QEvent>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

namespace {

// The window that has the display now; the display's keys go to it.
QPointer<DisplayLink> holder;

QByteArray cellsOf(const QByteArray &text)
{
    const CellTable &table = courseCells();
    QByteArray cells;
    for (char character : text) {
        for (Cell cell : table.cellsOf(character))
            cells.append(char(cell));
    }
    return cells;
}

} // namespace

DisplayLink::DisplayLink(TExerciseWindow *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
    // The next exercise of a run loaded in a window that stayed active.
    connect(window, &TExerciseWindow::exerciseShown, this,
            [this] { QTimer::singleShot(0, this, &DisplayLink::take); });
}

QTextEdit *DisplayLink::brailleBox() const
{
    for (SixKeyEntry *entry : m_window->findChildren<SixKeyEntry *>()) {
        auto *box = qobject_cast<QTextEdit *>(entry->parent());
        if (box && !box->isHidden())
            return box;
    }
    return nullptr;
}

QList<QByteArray> DisplayLink::exerciseLines() const
{
    QList<QByteArray> lines;
    for (const QByteArray &line : m_window->DisplayLines())
        lines << cellsOf(line);
    return lines;
}

bool DisplayLink::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::WindowActivate) {
            // After the window has loaded its exercise.
            QTimer::singleShot(0, this, &DisplayLink::take);
        } else if (event->type() == QEvent::WindowDeactivate) {
            // The display goes back when the program as a whole loses the focus: a window of
            // the program shown over this one (the code table, a message) keeps it.
            QTimer::singleShot(0, this, [] {
                if (!QApplication::activeWindow() && platform().display)
                    platform().display->release();
            });
        }
    } else if (watched == m_box && holder == this) {
        if (event->type() == QEvent::FocusIn) {
            m_line = int(m_lines.size());
            showBox();
        }
    }
    return false;
}

void DisplayLink::take()
{
    BrailleDisplay *display = platform().display.get();
    if (!display || !m_window->isActiveWindow())
        return;
    holder = this;
    display->DotsTyped = [](quint8 dots) {
        if (holder)
            holder->dotsTyped(dots);
    };
    display->KeyPressed = [](BrailleDisplay::Key key) {
        if (holder)
            holder->keyPressed(int(key));
    };
    QTextEdit *box = brailleBox();
    if (box != m_box) {
        if (m_box)
            m_box->disconnect(this);
        m_box = box;
        if (box) {
            box->installEventFilter(this);
            connect(box, &QTextEdit::cursorPositionChanged, this, [this] {
                if (holder == this && m_line == m_lines.size())
                    showBox();
            });
        }
    }
    m_lines = exerciseLines();
    m_line = box && (m_lines.isEmpty() || box->hasFocus()) ? int(m_lines.size()) : 0;
    showLine();
}

void DisplayLink::showLine()
{
    if (m_line < m_lines.size())
        platform().display->show(m_lines[m_line], -1);
    else if (m_box)
        showBox();
    else
        platform().display->show({}, -1);
}

void DisplayLink::showBox()
{
    if (!m_box || !platform().display)
        return;
    // The line of the box that holds the caret, and the caret's cell in it.
    const QTextCursor caret = m_box->textCursor();
    const QString text = caret.block().text();
    const int column = caret.positionInBlock();
    const QByteArray before = cellsOf(toCp1252(text.left(column)));
    platform().display->show(cellsOf(toCp1252(text)), int(before.size()));
}

void DisplayLink::dotsTyped(quint8 dots)
{
    if (!m_box || !m_box->isEnabled() || m_box->isReadOnly())
        return;
    SixKeyEntry *entry = m_box->findChild<SixKeyEntry *>();
    if (!entry)
        return;
    m_box->setFocus();
    entry->writeDots(Cell(dots & 0x3F));
    m_line = int(m_lines.size());
    showBox();
}

void DisplayLink::keyPressed(int key)
{
    switch (BrailleDisplay::Key(key)) {
    case BrailleDisplay::Key::Previous:
        m_line = std::max(0, m_line - 1);
        showLine();
        break;
    case BrailleDisplay::Key::Next:
        m_line = std::min(int(m_lines.size()) - (m_box ? 0 : 1), m_line + 1);
        m_line = std::max(0, m_line);
        showLine();
        break;
    case BrailleDisplay::Key::Backspace:
        if (SixKeyEntry *entry = m_box ? m_box->findChild<SixKeyEntry *>() : nullptr) {
            entry->apply({SixKeyAction::Erase, 0, 0});
            showBox();
        }
        break;
    case BrailleDisplay::Key::Enter:
        if (m_box && !m_box->isReadOnly()) {
            m_box->insertPlainText(QStringLiteral("\n"));
            showBox();
        }
        break;
    }
}
