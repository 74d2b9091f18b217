// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/SixKeyEntry.h"

#include "exercises/SlateSheet.h"
#include "rules/Cp1252.h"
#include "rules/Slate.h"
#include "rules/WritingModes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

// The hint on how to turn six keys on is given once a start.
static bool hintGiven = false;

bool SixKeyEntry::isOn()
{
    return WritingModes::sixKeys();
}

void SixKeyEntry::setOn(bool on)
{
    WritingModes::setSixKeys(on);
}

bool SixKeyEntry::slateOn()
{
    return WritingModes::slate();
}

SixKeyEntry::SixKeyEntry(QTextEdit *box, QWidget *window, StatusLine status)
    : QObject(box), m_box(box), m_window(window), m_status(std::move(status)),
      m_palette(box->palette())
{
    box->setToolTip(QStringLiteral(
        "F2 attiva o disattiva la scrittura a sei tasti: F D S J K L sono i punti da 1 a 6, "
        "premuti insieme formano una cella; Spazio è la cella vuota. F3: scrittura a "
        "tavoletta, F4 gira il foglio."));
    const std::pair<Qt::Key, void (SixKeyEntry::*)()> keys[] = {
        {Qt::Key_F2, &SixKeyEntry::toggle},
        {Qt::Key_F3, &SixKeyEntry::toggleSlate},
        {Qt::Key_F4, &SixKeyEntry::turnSheet},
    };
    for (const auto &[key, action] : keys) {
        auto *shortcut = new QShortcut(QKeySequence(key), window);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, action);
    }
    box->installEventFilter(this);
    m_sheet = new SlateSheet(box);
    connect(box->document(), &QTextDocument::contentsChange, this, &SixKeyEntry::contentsChange);
}

void SixKeyEntry::newExercise()
{
    m_reader.reset();
    m_refusalShown = false;
    m_reader.setTable(&courseCells());
    m_byKeyboard = m_byWriter = m_bySlate = false;
    m_sheet->putBack();
    showMode();
    // After what the window itself puts in its status line for the exercise.
    if (isOn() || !(hintGiven || WritingModes::sixKeysKnown())) {
        hintGiven = hintGiven || !isOn();
        QTimer::singleShot(0, this, [this] { remindMode(); });
    }
}

QString SixKeyEntry::modeText() const
{
    return slateOn() ? QStringLiteral("Scrittura a tavoletta attiva: J K L sono i punti 1 2 3, "
                                      "F D S i punti 4 5 6, la riga va da destra a sinistra. "
                                      "F4 gira il foglio, F3 torna ai sei tasti.")
                     : QStringLiteral("Scrittura a sei tasti attiva: F D S J K L sono i punti "
                                      "da 1 a 6. F2 per disattivarla.");
}

void SixKeyEntry::toggle()
{
    WritingModes::markKnown();
    setOn(!isOn());
    m_reader.reset();
    showMode();
    m_status(isOn() ? modeText() : QStringLiteral("Scrittura a sei tasti disattivata."));
}

void SixKeyEntry::toggleSlate()
{
    WritingModes::markKnown();
    const bool slate = !slateOn();
    if (slate)
        setOn(true);
    WritingModes::setSlate(slate);
    m_reader.reset();
    m_sheet->putBack();
    showMode();
    m_status(slate ? modeText()
                   : QStringLiteral("Scrittura a tavoletta disattivata: F D S J K L sono i "
                                    "punti da 1 a 6."));
}

void SixKeyEntry::turnSheet()
{
    if (!slateOn()) {
        m_status(QStringLiteral("F4 gira il foglio nella scrittura a tavoletta, che si attiva "
                                "con F3."));
        return;
    }
    m_sheet->turn();
    m_status(m_sheet->turnedOver()
                 ? QStringLiteral("Foglio girato: il lato da leggere, le celle in ordine di "
                                  "lettura. F4 lo rimette nella tavoletta.")
                 : QStringLiteral("Foglio nella tavoletta: il lato da scrivere, da destra a "
                                  "sinistra."));
}

ExerciseOutcome::Writing SixKeyEntry::written() const
{
    using Writing = ExerciseOutcome::Writing;
    if (m_byKeyboard)
        return Writing::Keyboard;
    if (m_byWriter)
        return Writing::SixKeys;
    return m_bySlate ? Writing::Slate : Writing::Nothing;
}

void SixKeyEntry::putText(const std::function<void()> &change)
{
    const bool writing = m_writing;
    m_writing = true;
    change();
    m_writing = writing;
}

void SixKeyEntry::contentsChange(int position, int, int added)
{
    if (m_writing || added <= 0 || m_byKeyboard)
        return;
    QTextCursor range(m_box->document());
    const int end = m_box->document()->characterCount() - 1;
    range.setPosition(std::min(position, end));
    range.setPosition(std::min(position + added, end), QTextCursor::KeepAnchor);
    // A line break is no cell: Enter breaks the line in every mode.
    for (QChar character : range.selectedText()) {
        if (character != QChar::ParagraphSeparator && character != QChar::LineSeparator)
            m_byKeyboard = true;
    }
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
    const QString note = !isOn()
                             ? QStringLiteral("Per scrivere il braille punto per punto premi F2: "
                                              "scrittura a sei tasti.")
                         : slateOn() ? QStringLiteral("Scrittura a tavoletta attiva.")
                                     : QStringLiteral("Scrittura a sei tasti attiva.");
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
    m_box->setAccessibleDescription(slateOn() ? QStringLiteral("Scrittura a tavoletta attiva")
                                    : isOn()  ? QStringLiteral("Scrittura a sei tasti attiva")
                                              : QString());
    m_sheet->setActive(slateOn());
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
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (isOn())
            return keyEvent(key);
        // The signs that an Italian keyboard lacks: ~ beside ^ on the key ì, ` beside ? on
        // the apostrophe's key.
        const bool control =
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            == Qt::ControlModifier;
        const char sign = !control                           ? 0
                          : key->key() == Qt::Key_Igrave     ? '~'
                          : key->key() == Qt::Key_Apostrophe ? '`'
                                                             : 0;
        if (sign && event->type() == QEvent::KeyPress && !m_box->isReadOnly())
            m_box->insertPlainText(QString(QLatin1Char(sign)));
        return sign != 0;
    }
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
    // On the writing side the line runs from right to left, and so do the arrows.
    if (press && slateOn() && !m_sheet->turnedOver()
        && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        m_box->moveCursor(event->key() == Qt::Key_Left ? QTextCursor::NextCharacter
                                                       : QTextCursor::PreviousCharacter);
        return true;
    }
    const std::optional<SixKey> key = slateOn() ? slateKeyOf(event->key()) : sixKeyOf(event->key());
    if (key) {
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
        // A cell is written on the writing side: a sheet turned over goes back in the slate.
        if (slateOn())
            m_sheet->putBack();
        putText([&] { m_box->insertPlainText(fromCp1252(QByteArray(1, action.character))); });
        m_box->ensureCursorVisible();
        (slateOn() ? m_bySlate : m_byWriter) = true;
        if (slateOn())
            m_status(slateCellSpeech(action.cell));
        break;
    case SixKeyAction::Erase: {
        forgetRefusal();
        QTextCursor cursor = m_box->textCursor();
        putText([&] { cursor.deletePreviousChar(); });
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

void SixKeyEntry::writeDots(Cell dots)
{
    const Cell cell = slateOn() ? mirrored(dots) : dots;
    const std::optional<char> character = courseCells().characterOf(cell);
    apply(character ? SixKeyAction{SixKeyAction::Write, *character, cell}
                    : SixKeyAction{SixKeyAction::Refuse, 0, cell});
}
