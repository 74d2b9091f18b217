// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/SixKeyEntry.h"

#include "rules/Cp1252.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QTextEdit>
#include <QTimer>

static bool sixKeysOn = false;

bool SixKeyEntry::isOn()
{
    return sixKeysOn;
}

void SixKeyEntry::setOn(bool on)
{
    sixKeysOn = on;
}

SixKeyEntry::SixKeyEntry(QTextEdit *box, QWidget *window, StatusLine status)
    : QObject(box), m_box(box), m_window(window), m_status(std::move(status)),
      m_palette(box->palette())
{
    box->setToolTip(QStringLiteral(
        "F2 attiva o disattiva la scrittura a sei tasti: F D S J K L sono i punti da 1 a 6, "
        "premuti insieme formano una cella; Spazio è la cella vuota."));
    auto *shortcut = new QShortcut(QKeySequence(Qt::Key_F2), window);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &SixKeyEntry::toggle);
    box->installEventFilter(this);
}

void SixKeyEntry::newExercise()
{
    m_reader.reset();
    m_refusalShown = false;
    m_reader.setTable(&courseCells());
    showMode();
    // After what the window itself puts in its status line for the exercise.
    if (isOn())
        QTimer::singleShot(0, this, [this] { remindMode(); });
}

void SixKeyEntry::toggle()
{
    setOn(!isOn());
    m_reader.reset();
    showMode();
    m_status(isOn() ? QStringLiteral("Scrittura a sei tasti attiva: F D S J K L sono i punti "
                                     "da 1 a 6. F2 per disattivarla.")
                    : QStringLiteral("Scrittura a sei tasti disattivata."));
}

QLabel *SixKeyEntry::statusLine() const
{
    return m_window->findChild<QLabel *>(QStringLiteral("Status"));
}

void SixKeyEntry::forgetRefusal()
{
    if (!m_refusalShown)
        return;
    m_refusalShown = false;
    QLabel *line = statusLine();
    // A word that came after the refusal (a check, the mode turned off) stays.
    if (line && line->text() == m_refusal)
        line->setText(m_beforeRefusal);
}

void SixKeyEntry::remindMode()
{
    const QString note = QStringLiteral("Scrittura a sei tasti attiva.");
    const auto *line = statusLine();
    const QString shown = line ? line->text() : QString();
    m_status(shown.isEmpty() ? note : shown + QLatin1Char(' ') + note);
}

void SixKeyEntry::showMode()
{
    QPalette palette = m_palette;
    if (isOn())
        palette.setColor(QPalette::Base, QColor(0xff, 0xf8, 0xdc));
    m_box->setPalette(palette);
    m_box->setAccessibleDescription(isOn() ? QStringLiteral("Scrittura a sei tasti attiva")
                                           : QString());
}

bool SixKeyEntry::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box)
        return false;
    switch (event->type()) {
    case QEvent::FocusOut:
        m_reader.reset();
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return isOn() && keyEvent(static_cast<QKeyEvent *>(event));
    default:
        return false;
    }
}

// Whether the mode takes the key.
bool SixKeyEntry::keyEvent(const QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const bool press = event->type() == QEvent::KeyPress;
    if (const std::optional<SixKey> key = sixKeyOf(event->key())) {
        apply(press ? m_reader.press(*key, event->isAutoRepeat())
                    : m_reader.release(*key, event->isAutoRepeat()));
        return true;
    }
    // Any other key that would type a character types nothing; Enter still breaks the line.
    const QString text = event->text();
    return press && !text.isEmpty() && text[0].isPrint();
}

void SixKeyEntry::apply(const SixKeyAction &action)
{
    switch (action.kind) {
    case SixKeyAction::Nothing:
        break;
    case SixKeyAction::Write:
        forgetRefusal();
        m_box->insertPlainText(fromCp1252(QByteArray(1, action.character)));
        m_box->ensureCursorVisible();
        break;
    case SixKeyAction::Erase: {
        forgetRefusal();
        QTextCursor cursor = m_box->textCursor();
        cursor.deletePreviousChar();
        m_box->setTextCursor(cursor);
        break;
    }
    case SixKeyAction::Refuse: {
        QApplication::beep();
        if (!m_refusalShown || !statusLine() || statusLine()->text() != m_refusal) {
            const QLabel *line = statusLine();
            m_beforeRefusal = line ? line->text() : QString();
            m_refusalShown = true;
        }
        const QByteArray dots = dotsText(action.cell);
        QByteArray spaced;
        for (char dot : dots)
            spaced.append(spaced.isEmpty() ? "" : "-").append(dot);
        m_refusal = (dots.size() == 1 ? QStringLiteral("Nessun carattere per il punto %1")
                                      : QStringLiteral("Nessun carattere per i punti %1"))
                        .arg(QString::fromLatin1(spaced))
                    + QStringLiteral(": cella non scritta.");
        m_status(m_refusal);
        break;
    }
    }
}
