#include "exercises/ExerciseWindow.h"

#include "app/Globals.h"
#include "data/dm_Unit1.h"
#include "platform/Cp1252.h"
#include "platform/Platform.h"
#include "platform/RichText.h"
#include "randomdata/RandomLists.h"
#include "reference/table_Unit1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

void HiddenRichEdit::LoadFromStream(const QByteArray &stream)
{
    Lines = richTextLines(stream);
}

void HiddenRichEdit::SetText(const QByteArray &text)
{
    Lines = splitMemoLines(text);
}

QByteArray HiddenRichEdit::Text() const
{
    return Lines.join("\r\n");
}

void HiddenComboBox::LoadFromStream(const QByteArray &stream)
{
    Items = splitMemoLines(stream);
    ItemIndex = -1;
}

QByteArray HiddenComboBox::SelectedText() const
{
    return ItemIndex >= 0 && ItemIndex < Items.size() ? Items[ItemIndex] : QByteArray();
}

QByteArray DBRichEdit::RichText() const
{
    return Source->richText(Field);
}

QList<QByteArray> DBMemo::Lines() const
{
    return Source->memoLines(Field);
}

QByteArray DBEdit::Text() const
{
    return Source->text(Field);
}

int firstDifference(const QByteArray &answer, const QByteArray &model)
{
    if (answer == model)
        return -1;
    const qsizetype longer = std::max(answer.size(), model.size());
    for (qsizetype i = 0; i < longer; ++i) {
        if (i >= answer.size() || i >= model.size() || answer[i] != model[i])
            return int(i);
    }
    return -1;
}

bool answerIsRight(const QByteArray &answer, const QByteArray &model)
{
    return !answer.isEmpty() && NormalizeAnswer(answer) == NormalizeAnswer(model);
}

TExerciseWindow::TExerciseWindow(const QString &name, QWidget *parent) : QDialog(parent)
{
    setObjectName(name);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    html1 = platform().createHtmlView(this);
    html1->setObjectName(QStringLiteral("html1"));
    html1->setAccessibleName(QStringLiteral("Esercizio"));
    layout->addWidget(html1, 1);

    RichEdit3 = new QTextEdit(this);
    RichEdit3->setObjectName(QStringLiteral("RichEdit3"));
    RichEdit3->setAccessibleName(QStringLiteral("Risposta"));
    RichEdit3->setAcceptRichText(false);
    RichEdit3->setLineWrapMode(QTextEdit::WidgetWidth);
    RichEdit3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    RichEdit3->setTabChangesFocus(true);
    QFont braille(QStringLiteral("tvpZEV Braille 6"));
    braille.setPixelSize(29);
    RichEdit3->setFont(braille);
    RichEdit3->setFixedHeight(100);
    RichEdit3->installEventFilter(this);
    layout->addWidget(RichEdit3);

    Panel4 = new QFrame(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel4->setFixedHeight(50);
    auto *bar = new QHBoxLayout(Panel4);
    bar->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(Panel4);

    Button1 = addButton(QStringLiteral("Button1"), QStringLiteral("&Esci"));
    Button2 = addButton(QStringLiteral("Button2"), QStringLiteral("&Controlla"));
    Button13 = addButton(QStringLiteral("Button13"), QStringLiteral("A&vanti"));
    Button3 = addButton(QStringLiteral("Button3"), QStringLiteral("&Aiuto"));
    Button12 = addButton(QStringLiteral("Button12"), QStringLiteral("&Risposta"));
    Button14 = addButton(QStringLiteral("Button14"), QStringLiteral("&Tabelle"));
    bar->addStretch(1);
    setTabOrder(RichEdit3, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button13);
    setTabOrder(Button13, Button3);
    setTabOrder(Button3, Button12);
    setTabOrder(Button12, Button14);
    connect(Button1, &QPushButton::clicked, this, &TExerciseWindow::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TExerciseWindow::Button2Click);
    connect(Button13, &QPushButton::clicked, this, &TExerciseWindow::Button13Click);
    connect(Button3, &QPushButton::clicked, this, &TExerciseWindow::Button3Click);
    connect(Button12, &QPushButton::clicked, this, &TExerciseWindow::Button12Click);
    connect(Button14, &QPushButton::clicked, this, &TExerciseWindow::Button14Click);

    DataSource *source = dm ? &dm->DataSource1 : nullptr;
    DBRichEdit1 = {{source, QStringLiteral("Tit_doma")}};
    DBRichEdit2 = {{source, QStringLiteral("Doma_rch")}};
    DBRichEdit3 = {{source, QStringLiteral("Risp_rch")}};
    DBMemo1 = {{source, QStringLiteral("List_doma")}};
    DBMemo2 = {{source, QStringLiteral("List_risp")}};
    DBEdit1 = {{source, QStringLiteral("Tfont")}};

    maximizeOnScreen(this);
    FormCreate();
}

QPushButton *TExerciseWindow::addButton(const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, Panel4);
    button->setObjectName(name);
    button->setFixedWidth(91);
    // Never the default button, so that Enter in the answer box starts a new line; Enter on
    // a focused button presses it.
    button->setAutoDefault(true);
    button->setDefault(false);
    button->setEnabled(false);
    Panel4->layout()->addWidget(button);
    return button;
}

void TExerciseWindow::FormCreate()
{
    ScratchStream.clear();
    TestMode = false;
    TableWindow = nullptr;
}

void TExerciseWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TExerciseWindow::FormShow()
{
    RichEdit3->setFocus();
    Table1AfterScroll();
    dm->Table1.AfterScroll = [this] { Table1AfterScroll(); };
    dm->Table1.AfterCancel = [this] { Table1AfterScroll(); };
    PrepareExercise();
    Button3->setEnabled(false);
    Button12->setEnabled(false);
    if (TestMode)
        Button13->setEnabled(false);
    Button14->setEnabled(false);
}

void TExerciseWindow::Table1AfterScroll()
{
    if (dm->randomMode())
        LoadRandomRecord();
    else
        LoadPlainRecord();
}

void TExerciseWindow::LoadPlainRecord()
{
    ScratchStream = DBRichEdit1.RichText();
    RichEdit1.LoadFromStream(ScratchStream);
    ScratchStream = DBRichEdit2.RichText();
    RichEdit2.LoadFromStream(ScratchStream);
    CheckBox2 = dm->randomMode();
}

void TExerciseWindow::LoadRandomRecord()
{
    ScratchStream = DBRichEdit1.RichText();
    RichEdit1.LoadFromStream(ScratchStream);

    ScratchStream = DBMemo1.Lines().join("\r\n");
    if (RandomDataLists *dialog = DataDialog())
        dialog->LoadQuestions(ScratchStream);
    RichEdit2.SetText(ScratchStream);

    ScratchStream = DBMemo2.Lines().join("\r\n");
    if (RandomDataLists *dialog = DataDialog())
        dialog->LoadAnswers(ScratchStream);
    CheckBox2 = dm->randomMode();
}

void TExerciseWindow::PrepareExercise()
{
    for (QPushButton *button : {Button1, Button2, Button13, Button3, Button12, Button14})
        button->setEnabled(true);
    RichEdit3->clear();
    RichEdit3->setReadOnly(false);
    ScratchStream.clear();

    if (CheckBox2) {
        ScratchStream = dm->Table1.blobAt(12);
        ComboBox1.LoadFromStream(ScratchStream);
        ScratchStream.clear();
        ScratchStream = dm->Table1.blobAt(13);
        ComboBox2.LoadFromStream(ScratchStream);
        platform().random->randomize();
        const int index = platform().random->next(int(ComboBox1.Items.size()));
        ComboBox1.ItemIndex = index < ComboBox1.Items.size() ? index : -1;
        ComboBox2.ItemIndex = index < ComboBox2.Items.size() ? index : -1;
        RichEdit2.SetText(ComboBox1.SelectedText());
        RichEdittemp.SetText(ComboBox2.SelectedText());
    } else {
        ScratchStream = DBRichEdit3.RichText();
        RichEdittemp.LoadFromStream(ScratchStream);
    }
    BuildPage();
}

void TExerciseWindow::WriteLines(const QList<QByteArray> &lines)
{
    for (const QByteArray &line : lines) {
        dm->WriteText(line);
        dm->WriteText("<br>");
    }
}

void TExerciseWindow::ShowPage()
{
    html1->navigate(dm->PageFile());
}

// The answer box's text with one LF a line break. Unlike toPlainText() it keeps no-break
// spaces, which answers may hold.
static QString answerBoxText(const QTextEdit *box)
{
    QString text = box->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

QByteArray TExerciseWindow::AnswerText() const
{
    QByteArray text = toCp1252(answerBoxText(RichEdit3));
    text.replace('\n', "\r\n");
    return text;
}

void TExerciseWindow::PlaySound(const QString &relative)
{
    if (!SharedPlayer)
        return;
    try {
        SharedPlayer->setFileName(contentFile(relative));
        SharedPlayer->open();
        SharedPlayer->play();
    } catch (const std::exception &) {
        // The learner's answer counts whether or not the sound could be played.
    }
}

void TExerciseWindow::Button2Click()
{
    if (answerIsRight(AnswerText(), RichEdittemp.Text())) {
        PlaySound(QStringLiteral("\\sound\\good5.wav"));
        done(1);
        ++CorrectCount;
    } else {
        PlaySound(QStringLiteral("\\sound\\bad5.wav"));
        ++WrongAttempts;
        if (WrongAttempts > 3 && !TestMode) {
            Button3->setEnabled(true);
            Button12->setEnabled(true);
            Button13->setEnabled(true);
            Button14->setEnabled(true);
        }
        if (WrongAttempts > 3 && TestMode)
            done(1);
    }
    RichEdit3->setFocus();
}

void TExerciseWindow::Button3Click()
{
    // Positions count a line break as one character, as the answer box does.
    const QByteArray answer = toCp1252(answerBoxText(RichEdit3));
    QByteArray model = RichEdittemp.Text();
    model.replace("\r\n", "\n");
    const int position = firstDifference(answer, model);
    if (position < 0)
        return;
    QTextCursor cursor = RichEdit3->textCursor();
    const int end = int(answerBoxText(RichEdit3).size());
    cursor.setPosition(std::min(position, end));
    cursor.setPosition(std::min(position + 1, end), QTextCursor::KeepAnchor);
    RichEdit3->setTextCursor(cursor);
    RichEdit3->setFocus();
    QCoreApplication::processEvents();
}

void TExerciseWindow::Button12Click()
{
    RichEdit3->setPlainText(
        fromCp1252(RichEdittemp.Text()).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void TExerciseWindow::Button13Click()
{
    done(4);
}

void TExerciseWindow::Button1Click()
{
    done(2);
}

void TExerciseWindow::Button14Click()
{
    if (TableWindow)
        TableWindow->exec();
}

void TExerciseWindow::closeEvent(QCloseEvent *event)
{
    // The close box leaves the run, like "Esci".
    event->ignore();
    done(2);
}

void TExerciseWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape does nothing here: only Esci and the close box leave.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TExerciseWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == RichEdit3 && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // X11 reports the Delete key with the text DEL: that is an edit, not a typed character.
        if (!key->text().isEmpty() && key->key() != Qt::Key_Delete)
            RichEdit3KeyPress(key->text().at(0));
    }
    return QDialog::eventFilter(watched, event);
}

void TExerciseWindow::RichEdit3KeyPress(QChar key)
{
    if (key.unicode() == 127)
        RichEdit3->textCursor().insertText(QString(QChar(127)));
}

void TExerciseWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        FormResize();
}

void TExerciseWindow::FormResize()
{
    if (!(windowState() & Qt::WindowMaximized))
        maximizeOnScreen(this);
}
