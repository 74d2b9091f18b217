// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/ExerciseWindow.h"

#include "rules/CourseFields.h"
#include "rules/Codes.h"
#include "rules/ProgramState.h"
#include "rules/dm_Unit1.h"
#include "exercises/DisplayLink.h"
#include "rules/ExerciseRules.h"
#include "platform/ReadingAids.h"
#include "platform/Announcer.h"
#include "platform/Modal.h"
#include "platform/Platform.h"
#include "rules/RichText.h"
#include "rules/SafeFile.h"
#include "platform/Zoom.h"
#include "platform/ZoomLayout.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

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

QByteArray DBImage::Picture() const
{
    return Source->image(Field);
}

// Left edges of the six places of the button bar; the choice types leave the fourth empty.
static constexpr int ButtonLeft[] = {25, 130, 235, 340, 445, 550};
static constexpr int ButtonWidth = 91;
static constexpr int ButtonHeight = 28;
static constexpr int BarHeight = 50;
static constexpr int StatusLeft = 660;

TExerciseWindow::TExerciseWindow(const QString &name, const QString &viewName, Bar bar,
                                 QWidget *parent)
    : QDialog(parent)
{
    setObjectName(name);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    html1 = platform().createHtmlView(this, ViewEngine::Shared);
    html1->setObjectName(viewName);
    html1->setAccessibleName(QStringLiteral("Esercizio"));
    html1->ReadingScript = [] { return exercisePageReadingScript(dm ? dm->PageFile() : QString()); };
    m_layout->addWidget(html1, 1);
    sayEachPage(html1);

    Panel4 = new QFrame(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel4->setFixedHeight(BarHeight);
    m_layout->addWidget(Panel4);

    Button1 = addButton(QStringLiteral("Button1"), QStringLiteral("&Esci"), ButtonLeft[0]);
    Button2 = addButton(QStringLiteral("Button2"), QStringLiteral("&Controlla"), ButtonLeft[1]);
    Button13 = addButton(QStringLiteral("Button13"), QStringLiteral("A&vanti"), ButtonLeft[2]);
    if (bar == Bar::AllSix)
        Button3 = addButton(QStringLiteral("Button3"), QStringLiteral("&Aiuto"), ButtonLeft[3]);
    Button12 = addButton(QStringLiteral("Button12"), QStringLiteral("&Risposta"), ButtonLeft[4]);
    Button14 = addButton(QStringLiteral("Button14"), QStringLiteral("&Tabelle"), ButtonLeft[5]);
    connect(Button1, &QPushButton::clicked, this, &TExerciseWindow::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TExerciseWindow::Button2Click);
    connect(Button13, &QPushButton::clicked, this, &TExerciseWindow::Button13Click);
    if (Button3)
        connect(Button3, &QPushButton::clicked, this, &TExerciseWindow::Button3Click);
    connect(Button12, &QPushButton::clicked, this, &TExerciseWindow::Button12Click);
    for (QPushButton *help : {Button3, Button12}) {
        if (help)
            connect(help, &QPushButton::clicked, this, [this] { m_helped = true; });
    }
    connect(Button14, &QPushButton::clicked, this, &TExerciseWindow::Button14Click);
    ChainTabOrder(nullptr);

    Status = new QLabel(Panel4);
    Status->setObjectName(QStringLiteral("Status"));
    Status->setGeometry(StatusLeft, 0, 4000, BarHeight);
    Status->setTextFormat(Qt::PlainText);
    Status->setWordWrap(true);
    ShowStatus(QString());

    DataSource *source = dm ? &dm->DataSource1 : nullptr;
    DBRichEdit1 = {{source, QString::fromLatin1(Field::Tit_doma)}};
    DBRichEdit2 = {{source, QString::fromLatin1(Field::Doma_rch)}};
    DBRichEdit3 = {{source, QString::fromLatin1(Field::Risp_rch)}};
    DBMemo1 = {{source, QString::fromLatin1(Field::List_doma)}};
    DBMemo2 = {{source, QString::fromLatin1(Field::List_risp)}};
    DBEdit1 = {{source, QString::fromLatin1(Field::Tfont)}};

    maximizeOnScreen(this);
    new DisplayLink(this);
    growWithZoom(this);
    // The status line keeps the rest of the bar at every zoom, its letters 17 pixels high at
    // the normal zoom.
    zoom().follow(Status, [this](double) { PlaceStatus(); });
    FormCreate();
}

QPushButton *TExerciseWindow::addButton(const QString &name, const QString &caption, int left)
{
    auto *button = new QPushButton(caption, Panel4);
    button->setObjectName(name);
    button->setGeometry(left, (BarHeight - ButtonHeight) / 2, ButtonWidth, ButtonHeight);
    // Never the default button, so that Enter in the answer box starts a new line; Enter on
    // a focused button presses it.
    button->setAutoDefault(true);
    button->setDefault(false);
    button->setEnabled(false);
    return button;
}

void TExerciseWindow::AddAboveBar(QWidget *widget, int stretch)
{
    m_layout->insertWidget(m_layout->indexOf(Panel4), widget, stretch);
}

void TExerciseWindow::ChainTabOrder(QWidget *first)
{
    QWidget *previous = first;
    for (QPushButton *button : BarButtons()) {
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }
}

QList<QPushButton *> TExerciseWindow::BarButtons() const
{
    QList<QPushButton *> buttons;
    for (QPushButton *button : {Button1, Button2, Button13, Button3, Button12, Button14}) {
        if (button)
            buttons << button;
    }
    return buttons;
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
    KeepBarOnScreen();
    if (!event->spontaneous() && !m_prepared)
        FormShow();
}

void TExerciseWindow::SetRunPosition(int number, int total, const QString &previous)
{
    m_runPosition = previous;
    if (number > 0 && total > 0)
        m_runPosition += QStringLiteral("Esercizio %1 di %2.").arg(number).arg(total);
}

void TExerciseWindow::ShowStatus(const QString &text, StatusTone tone)
{
    // Large and bold, so that it is read at a glance; a check's result white on green or
    // red, for a learner who does not hear the sound.
    const char *ground = tone == StatusTone::Right   ? "background-color: #006400; color: white;"
                         : tone == StatusTone::Wrong ? "background-color: #b00000; color: white;"
                                                     : "";
    Status->setStyleSheet(
        QStringLiteral("QLabel { padding: 0px 8px; %1 }").arg(QLatin1String(ground)));
    Status->setText(text);
    PlaceStatus(); // a longer text may need a taller bar
    QAccessibleEvent changed(Status, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    // A screen reader ignores a label's new text: the window says it.
    Announcer::of(this)->say(text);
}

void TExerciseWindow::FormShow()
{
    if (QWidget *focus = FocusWidget())
        focus->setFocus();
    m_unreadable.clear();
    m_outcome = {};
    m_helped = false;
    m_confused.clear();
    try {
        Table1AfterScroll();
        dm->Table1.AfterScroll = [this] { ReloadHidden(); };
        dm->Table1.AfterCancel = [this] { ReloadHidden(); };
        PrepareExercise();
    } catch (const std::exception &error) {
        RefuseRecord(QString::fromUtf8(error.what()));
        return;
    }
    if (Button3)
        Button3->setEnabled(false);
    Button12->setEnabled(false);
    if (TestMode)
        Button13->setEnabled(false);
    Button14->setEnabled(false);
    ShowStatus(m_runPosition);
    emit exerciseShown();
}

int TExerciseWindow::RunExercise(TExerciseWindow *leaving)
{
    FormShow();
    if (!isVisible())
        html1->waitForPage();
    if (leaving && leaving != this)
        leaving->EndExercises();
    if (!isVisible()) {
        m_session.emplace(this);
        setAttribute(Qt::WA_ShowModal, true);
        m_prepared = true;
        show();
        m_prepared = false;
    }
    QEventLoop loop;
    m_loop = &loop;
    setResult(0);
    loop.exec(QEventLoop::DialogExec);
    m_loop = nullptr;
    return result();
}

void TExerciseWindow::EndExercises()
{
    hide();
    setAttribute(Qt::WA_ShowModal, false);
    m_session.reset();
}

void TExerciseWindow::done(int result)
{
    if (!m_loop) {
        QDialog::done(result);
        return;
    }
    setResult(result);
    m_loop->exit();
}

void TExerciseWindow::ReloadHidden()
{
    // A hidden window follows the table only to keep its boxes current; a record it cannot
    // read is reported by the window that shows it.
    try {
        Table1AfterScroll();
    } catch (const std::exception &) {
    }
}

void TExerciseWindow::RefuseRecord(const QString &problem)
{
    m_unreadable = problem;
    for (QPushButton *button : BarButtons())
        button->setEnabled(false);
    RichEdit1.Lines.clear();
    RichEdittemp.Lines.clear();
    // Closing within the showing would leave exec() waiting for a window already hidden.
    QMetaObject::invokeMethod(
        this, [this] { Finish(ResultUnreadable, ExerciseOutcome::Unreadable); },
        Qt::QueuedConnection);
}

void TExerciseWindow::Table1AfterScroll()
{
    if (HasDataDialog() && RandomFlag())
        LoadRandomRecord();
    else
        LoadPlainRecord();
}

bool TExerciseWindow::RandomFlag()
{
    return dm->randomMode();
}

int TExerciseWindow::Category()
{
    return dm->fieldInt(QString::fromLatin1(Field::Cat_eser));
}

void TExerciseWindow::LoadRich(const DBRichEdit &source, HiddenRichEdit &box)
{
    ScratchStream = source.RichText();
    box.LoadFromStream(ScratchStream);
    ScratchStream.clear();
}

void TExerciseWindow::ExportPicture(const DBImage &image, int number)
{
    // A TMPDIR that names no existing folder gives an empty temporary folder, and the bare
    // file name would then land in the current folder, the course's: nothing is saved.
    const QString folder = QDir::tempPath();
    if (folder.isEmpty())
        return;
    const QString path = QDir(folder).filePath(QStringLiteral("$$img%1.bmp").arg(number));
    try {
        const QByteArray picture = bitmapData(image.Picture());
        if (picture.isEmpty()) {
            QFile::remove(path);
            return;
        }
        // The temporary folder is everyone's: a link planted there is replaced, not followed.
        if (!writeFileReplacing(path, picture))
            qWarning("Cannot save the picture %s", qPrintable(path));
    } catch (const std::exception &error) {
        // Nothing reads the picture back: the exercise goes on without it.
        qWarning("Cannot read the picture for %s: %s", qPrintable(path), error.what());
    }
}

void TExerciseWindow::BuildPage()
{
    dm->BeginPage();
    dm->OpenTitle(Category());
    for (const QByteArray &line : RichEdit1.Lines) {
        dm->WriteText(RewriteTitleLine(line));
        dm->WriteText("<br>");
    }
    WriteBody();
    dm->FinishPage();
    html1->navigate(dm->PageFile());
}

void TExerciseWindow::WriteLines(const QList<QByteArray> &lines, QByteArray (*rewrite)(QByteArray))
{
    for (const QByteArray &line : lines) {
        dm->WriteText(rewrite ? rewrite(line) : line);
        dm->WriteText("<br>");
    }
}

void TExerciseWindow::PlaySound(const QString &relative)
{
    platform().sounds.play(contentFile(relative));
}

void TExerciseWindow::Finish(int result, ExerciseOutcome::Kind outcome)
{
    m_outcome = {outcome, WrongAttempts, Written(), m_confused};
    done(result);
}

void TExerciseWindow::Button2Click()
{
    qint32 &wrong = WrongAttempts;
    if (AnswerIsRight()) {
        PlaySound(QStringLiteral("\\sound\\good5.wav"));
        ShowStatus(QStringLiteral("Risposta giusta."), StatusTone::Right);
        Finish(ResultAnswered, wrong == 0 ? ExerciseOutcome::RightFirst
                               : m_helped ? ExerciseOutcome::RightWithHelp
                                          : ExerciseOutcome::RightAfterWrong);
    } else {
        PlaySound(QStringLiteral("\\sound\\bad5.wav"));
        ++wrong;
        if (const auto pair = ConfusedCells())
            m_confused << *pair;
        QString status =
            wrong == 1 ? QStringLiteral("Risposta sbagliata: 1 tentativo errato.")
                       : QStringLiteral("Risposta sbagliata: %1 tentativi errati.").arg(wrong);
        if (!TestMode) {
            if (const QString detail = WrongDetail(); !detail.isEmpty())
                status += QLatin1Char(' ') + detail;
        }
        if (wrong > HelpThreshold && !TestMode) {
            for (QPushButton *button : {Button3, Button12, Button13, Button14}) {
                if (button)
                    button->setEnabled(true);
            }
            status += Button3 ? QStringLiteral(" Ora puoi usare Aiuto, Risposta e Tabelle.")
                              : QStringLiteral(" Ora puoi usare Risposta e Tabelle.");
        }
        ShowStatus(status, StatusTone::Wrong);
        if (wrong > HelpThreshold && TestMode)
            Finish(ResultAnswered, ExerciseOutcome::FailedTest);
    }
    if (QWidget *focus = FocusWidget())
        focus->setFocus();
}

void TExerciseWindow::Button13Click()
{
    Finish(ResultSkip, ExerciseOutcome::Skipped);
}

void TExerciseWindow::Button1Click()
{
    Finish(ResultLeave, ExerciseOutcome::Left);
}

void TExerciseWindow::Button14Click()
{
    if (TableWindow)
        execFrom(TableWindow, this);
}

void TExerciseWindow::closeEvent(QCloseEvent *event)
{
    // The close box leaves the run, like "Esci".
    event->ignore();
    Finish(ResultLeave, ExerciseOutcome::Left);
}

void TExerciseWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape does nothing here: only Esci and the close box leave. No button is the
    // default: Enter presses a button only when that button has the focus.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->key() == Qt::Key_Escape
        || (enter && !qobject_cast<QPushButton *>(QApplication::focusWidget()))) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TExerciseWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        FormResize();
        // The window manager answers later: look again once it has.
        QTimer::singleShot(300, this, &TExerciseWindow::KeepBarOnScreen);
    }
}

void TExerciseWindow::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    KeepBarOnScreen();
}

void TExerciseWindow::KeepBarOnScreen()
{
    const QScreen *screen = this->screen();
    if (!screen || !isVisible() || isMinimized())
        return;
    // Below the screen, or taller than the screen leaves the window inside its frame: a window
    // manager may keep a size the window asked for before its frame was known.
    const QRect area = screen->availableGeometry();
    const int frameHeight = frameGeometry().height() - geometry().height();
    const int below = std::max(geometry().bottom() - area.bottom(),
                               height() - (area.height() - frameHeight));
    const int raise = std::clamp(below, 0, std::max(height() / 2, 0));
    if (m_layout->contentsMargins().bottom() != raise)
        m_layout->setContentsMargins(0, 0, 0, raise);
}

void TExerciseWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    KeepBarOnScreen();
    PlaceStatus();
}

void TExerciseWindow::PlaceStatus()
{
    // The status line takes the bar right of the buttons, on as many lines as its text
    // needs: the bar grows to hold them, so that nothing of it is cut off. Not before the
    // window has grown with the zoom, which takes the bar's normal height first.
    if (!zoom().follows(Status))
        return;
    const double factor = zoom().factor();
    QFont font = Status->font();
    font.setPixelSize(qRound(17 * factor));
    font.setBold(true);
    Status->setFont(font);
    const int normalBar = qRound(BarHeight * factor);
    int left = qRound(StatusLeft * factor);
    int top = 2;
    int width = this->width() - left - 4;
    if (width < this->width() / 3) {
        // Too narrow beside the buttons (a large zoom): under them, across the window.
        left = 4;
        top = normalBar - 4;
        width = std::max(this->width() - 8, 200);
    }
    const int height = std::max(normalBar - 4, Status->heightForWidth(width));
    Panel4->setFixedHeight(std::max(normalBar, top + height + 2));
    Status->setGeometry(left, top, width, height);
}

void TExerciseWindow::FormResize()
{
    if (!(windowState() & Qt::WindowMaximized))
        maximizeOnScreen(this);
}
