// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/AnswerWindows.h"

#include "rules/CourseFields.h"
#include "rules/dm_Unit1.h"
#include "rules/CellTable.h"
#include "rules/CellSpeech.h"
#include "rules/ExerciseRules.h"
#include "platform/ReadingAids.h"
#include "exercises/SixKeyEntry.h"
#include "rules/Cp1252.h"
#include "platform/HtmlView.h"
#include "platform/Platform.h"
#include "platform/Zoom.h"
#include "randomdata/RandomLists.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

TTextAnswerWindow::TTextAnswerWindow(const QString &name, const QString &viewName, QWidget *parent)
    : TExerciseWindow(name, viewName, Bar::AllSix, parent)
{
    RichEdit3 = new QTextEdit(this);
    RichEdit3->setObjectName(QStringLiteral("RichEdit3"));
    RichEdit3->setAccessibleName(QStringLiteral("Casella della risposta"));
    RichEdit3->setAcceptRichText(false);
    RichEdit3->setTabChangesFocus(true);
    WatchKeys(RichEdit3);
}

QTextEdit *TTextAnswerWindow::AnswerBox() const
{
    return RichEdit3;
}

QWidget *TTextAnswerWindow::FocusWidget() const
{
    return AnswerBox();
}

void TTextAnswerWindow::WatchKeys(QTextEdit *box)
{
    box->installEventFilter(this);
}

void TTextAnswerWindow::SetBoxText(QTextEdit *box, const QByteArray &text)
{
    box->setPlainText(fromCp1252(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void TTextAnswerWindow::PrepareExercise()
{
    for (QPushButton *button : BarButtons())
        button->setEnabled(true);
    RichEdit3->clear();
    RichEdit3->setReadOnly(false);
    ScratchStream.clear();

    if (CheckBox2) {
        ScratchStream = dm->Table1.blobAt(courseColumnPosition(Field::List_doma));
        ComboBox1.LoadFromStream(ScratchStream);
        ScratchStream = dm->Table1.blobAt(courseColumnPosition(Field::List_risp));
        ComboBox2.LoadFromStream(ScratchStream);
        ScratchStream.clear();
        platform().random->randomize();
        const int index = platform().random->next(int(ComboBox1.Items.size()));
        ComboBox1.ItemIndex = index < ComboBox1.Items.size() ? index : -1;
        ComboBox2.ItemIndex = index < ComboBox2.Items.size() ? index : -1;
        SetQuestion(ComboBox1.SelectedText());
        RichEdittemp.SetText(ComboBox2.SelectedText());
    } else {
        LoadRich(DBRichEdit3, RichEdittemp);
    }
    BuildPage();
}

// A box's text with one LF a line break. Unlike toPlainText() it keeps no-break spaces,
// which answers may hold.
static QString boxText(const QTextEdit *box)
{
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

QByteArray TTextAnswerWindow::AnswerText() const
{
    QByteArray text = toCp1252(boxText(AnswerBox()));
    text.replace('\n', "\r\n");
    return text;
}

bool TTextAnswerWindow::AnswerIsRight()
{
    if (const CellTable *cells = DotCells())
        return answerIsRightByCells(AnswerText(), RichEdittemp.Text(), *cells);
    return answerIsRight(AnswerText(), RichEdittemp.Text());
}

QString TTextAnswerWindow::WrongDetail()
{
    if (!m_sixKeys) // an answer in print
        return {};
    QByteArray model = RichEdittemp.Text();
    model.replace("\r\n", "\n");
    return wrongCell(AnswerText(), model, courseCells());
}

std::optional<std::pair<quint8, quint8>> TTextAnswerWindow::ConfusedCells()
{
    if (!m_sixKeys) // an answer in print
        return std::nullopt;
    QByteArray answer = AnswerText(), model = RichEdittemp.Text();
    answer.replace("\r\n", "\n");
    model.replace("\r\n", "\n");
    return wrongCellPair(answer, model, courseCells());
}

void TTextAnswerWindow::WriteByDots(QTextEdit *box)
{
    m_sixKeys = new SixKeyEntry(box, this, [this](const QString &text) { ShowStatus(text); });
    connect(this, &TExerciseWindow::exerciseShown, m_sixKeys, &SixKeyEntry::newExercise);
    readBoxAsCells(box);
}

void TTextAnswerWindow::FollowZoom(QTextEdit *box, int height)
{
    const QFont font = box->font();
    zoom().follow(box, [box, font, height](double factor) {
        QFont zoomed = font;
        zoomed.setPixelSize(qRound(font.pixelSize() * factor));
        box->setFont(zoomed);
        // A box of one height keeps room for its lines; it never shrinks below its height.
        if (height > 0)
            box->setFixedHeight(qRound(height * std::max(1.0, factor)));
    });
}

const CellTable *TTextAnswerWindow::DotCells() const
{
    return m_sixKeys && SixKeyEntry::isOn() ? &courseCells() : nullptr;
}

void TTextAnswerWindow::Button3Click()
{
    QTextEdit *box = AnswerBox();
    // Positions count a line break as one character, as the box does.
    const QString shown = boxText(box);
    QByteArray model = RichEdittemp.Text();
    model.replace("\r\n", "\n");
    const CellTable *cells = DotCells();
    const int position = cells ? firstCellDifference(toCp1252(shown), model, *cells)
                               : firstDifference(toCp1252(shown), model);
    if (position < 0)
        return;
    // Where the first wrong cell is and what it should be, in cells: the status line is
    // heard by a learner who cannot see the selection.
    if (m_sixKeys)
        ShowStatus(QStringLiteral("Aiuto: ")
                   + cellHelp(toCp1252(shown), model, position, courseCells(), cells != nullptr)
                   + QLatin1Char('.'));
    QTextCursor cursor = box->textCursor();
    const int end = int(shown.size());
    cursor.setPosition(std::min(position, end));
    cursor.setPosition(std::min(position + 1, end), QTextCursor::KeepAnchor);
    box->setTextCursor(cursor);
    box->setFocus();
    QCoreApplication::processEvents();
}

void TTextAnswerWindow::Button12Click()
{
    // The model answer is the program's writing, not the learner's.
    const auto fill = [this] { SetBoxText(AnswerBox(), RichEdittemp.Text()); };
    if (m_sixKeys)
        m_sixKeys->putText(fill);
    else
        fill();
}

ExerciseOutcome::Writing TTextAnswerWindow::Written() const
{
    return m_sixKeys ? m_sixKeys->written() : ExerciseOutcome::Writing::Nothing;
}

bool TTextAnswerWindow::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QTextEdit *>(watched);
    if (box && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // X11 reports the Delete key with the text DEL: that is an edit, not a typed character.
        if (!key->text().isEmpty() && key->key() != Qt::Key_Delete)
            RichEdit3KeyPress(box, key->text().at(0));
    }
    return TExerciseWindow::eventFilter(watched, event);
}

void TTextAnswerWindow::RichEdit3KeyPress(QTextEdit *box, QChar key)
{
    if (key.unicode() == 127)
        box->textCursor().insertText(QString(QChar(127)));
}

TTypedAnswerWindow::TTypedAnswerWindow(const QString &name, const QString &viewName,
                                       const AnswerLook &look, bool handsOnLists, QWidget *parent)
    : TTextAnswerWindow(name, viewName, parent), m_handsOnLists(handsOnLists)
{
    QFont font(look.family);
    font.setPixelSize(look.pixels);
    RichEdit3->setFont(font);
    RichEdit3->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit3->setVerticalScrollBarPolicy(look.scrollBar ? Qt::ScrollBarAlwaysOn
                                                         : Qt::ScrollBarAlwaysOff);
    RichEdit3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit3->setFixedHeight(100);
    FollowZoom(RichEdit3, 100);
    AddAboveBar(RichEdit3);
    ChainTabOrder(RichEdit3);
    if (look.braille6)
        WriteByDots(RichEdit3);
}

void TTypedAnswerWindow::LoadPlainRecord()
{
    LoadRich(DBRichEdit1, RichEdit1);
    LoadRich(DBRichEdit2, RichEdit2);
    CheckBox2 = RandomFlag();
}

QList<QByteArray> TTypedAnswerWindow::DisplayLines() const
{
    return AnswersInBraille() ? QList<QByteArray>() : RichEdit2.Lines;
}

void TTypedAnswerWindow::LoadRandomRecord()
{
    LoadRich(DBRichEdit1, RichEdit1);
    RandomDataLists *dialog = DataDialog;

    ScratchStream = DBMemo1.Lines().join("\r\n");
    if (dialog)
        dialog->LoadQuestions(ScratchStream);
    RichEdit2.SetText(ScratchStream);

    ScratchStream = DBMemo2.Lines().join("\r\n");
    if (dialog)
        dialog->LoadAnswers(ScratchStream);
    ScratchStream.clear();
    CheckBox2 = RandomFlag();
}

TWorkBoxWindow::TWorkBoxWindow(const QString &name, const QString &viewName, QWidget *parent)
    : TTextAnswerWindow(name, viewName, parent)
{
    html1->setFixedHeight(150);
    Layout()->setStretchFactor(html1, 0);
    RichEdit3->hide();

    RichEdit2 = new QTextEdit(this);
    RichEdit2->setObjectName(QStringLiteral("RichEdit2"));
    RichEdit2->setAccessibleName(QStringLiteral("Testo da correggere"));
    RichEdit2->setAcceptRichText(false);
    RichEdit2->setTabChangesFocus(true);
    QFont braille(QString::fromLatin1(CourseFont::Braille));
    braille.setPixelSize(29);
    RichEdit2->setFont(braille);
    RichEdit2->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FollowZoom(RichEdit2, 0);
    AddAboveBar(RichEdit2, 1);
    ChainTabOrder(RichEdit2);
    WriteByDots(RichEdit2);
}

void TWorkBoxWindow::LoadPlainRecord()
{
    LoadRich(DBRichEdit1, RichEdit1);
    // Only the characters of the stored question come in: the whole text shows in the
    // box's own font, size and colour, with the caret at the start.
    HiddenRichEdit question;
    LoadRich(DBRichEdit2, question);
    SetQuestion(question.Text());
    CheckBox2 = RandomFlag();
}

void TWorkBoxWindow::SetQuestion(const QByteArray &text)
{
    m_question = text;
    SetBoxText(RichEdit2, text);
    RichEdit2->moveCursor(QTextCursor::Start);
}
