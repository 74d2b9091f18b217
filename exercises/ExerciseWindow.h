// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QString>

#include <optional>

#include "rules/Codes.h"
#include "rules/ExerciseRules.h"
#include "platform/Modal.h"
#include "rules/FailedItems.h"
#include "rules/Outcome.h"

class DataSource;
class HtmlView;
class QEventLoop;
class QFrame;
class QLabel;
class QPushButton;
class QVBoxLayout;

// A rich-text box that is never shown: what counts is its text and its lines (the
// paragraphs, since it does not wrap).
struct HiddenRichEdit
{
    QList<QByteArray> Lines;

    void LoadFromStream(const QByteArray &stream); // rich text or plain text
    void SetText(const QByteArray &text);          // plain text, paragraphs at line breaks
    QByteArray Text() const;                       // paragraphs joined by CR LF
};

// A drop-down list that is never shown.
struct HiddenComboBox
{
    QList<QByteArray> Items;
    int ItemIndex = -1;

    void LoadFromStream(const QByteArray &stream); // one item a line
    QByteArray SelectedText() const;               // empty when nothing is selected
};

// Boxes bound to a field of the data source: they always read the current record.
struct BoundField
{
    DataSource *Source = nullptr;
    QString Field;
};
struct DBRichEdit : BoundField
{
    QByteArray RichText() const;
};
struct DBMemo : BoundField
{
    QList<QByteArray> Lines() const;
};
struct DBEdit : BoundField
{
    QByteArray Text() const;
};
struct DBImage : BoundField
{
    QByteArray Picture() const;
};

// Modal results of an exercise window, read by the runner.
enum ExerciseResult
{
    ResultAnswered = ModalOk, // a right check, or a test exercise failed
    ResultLeave = ModalCancel, // "&Esci" or the close box: the run ends
    ResultSkip = ModalSkip,    // "A&vanti"
    // The record could not be read (or its page not written): the window closed at once,
    // nothing was answered or counted.
    ResultUnreadable = 8,
};

// What every exercise window shares: the page view, the button bar, the hidden boxes loaded
// from the current record, the check with its sounds and counters, the help that comes with
// the fourth wrong check, test mode, the code table, and the modal results. The window is
// always maximised; Escape does nothing and the close box leaves the run.
//
// The families and types differ through the hooks below. A showing runs FormShow: the focus
// to FocusWidget(), Table1AfterScroll(), PrepareExercise(), then the help buttons disabled.
class TExerciseWindow : public QDialog
{
    Q_OBJECT
public:
    // Which buttons the bar holds: every type has all six but the choice types, whose
    // "&Aiuto" place stays empty.
    enum class Bar
    {
        AllSix,
        NoHelp,
    };

    TExerciseWindow(const QString &name, const QString &viewName, Bar bar, QWidget *parent);

    HtmlView *html1 = nullptr; // named Html1 in the alphabet types 1 and 2
    QFrame *Panel4 = nullptr;
    QPushButton *Button1 = nullptr;  // &Esci
    QPushButton *Button2 = nullptr;  // &Controlla
    QPushButton *Button13 = nullptr; // A&vanti
    QPushButton *Button3 = nullptr;  // &Aiuto; none in the choice types
    QPushButton *Button12 = nullptr; // &Risposta
    QPushButton *Button14 = nullptr; // &Tabelle
    // Right of the buttons: what the last check gave and where the exercise stands, for
    // learners who cannot hear the sounds; a screen reader announces each change.
    QLabel *Status = nullptr;

    HiddenRichEdit RichEdit1;    // title
    HiddenRichEdit RichEdittemp; // model answer
    bool CheckBox2 = false;      // random mode of the current record
    HiddenComboBox ComboBox1;    // random questions
    HiddenComboBox ComboBox2;    // random answers
    DBRichEdit DBRichEdit1, DBRichEdit2, DBRichEdit3;
    DBMemo DBMemo1, DBMemo2;
    DBEdit DBEdit1;

    QByteArray ScratchStream;
    bool TestMode = false;
    // The code table "&Tabelle" opens; given by the runner.
    QDialog *TableWindow = nullptr;
    // Wrong checks on the current exercise; the runner sets it to 0 before each showing.
    qint32 WrongAttempts = 0;

    // Where the exercise stands in its run, set by the runner before each showing: its
    // place from 1, the run's length, and a word on how the previous exercise ended.
    void SetRunPosition(int number, int total, const QString &previous);
    // What could not be read when the window was last shown (it then closed with
    // ResultUnreadable); empty when the record was loaded.
    QString UnreadableRecord() const { return m_unreadable; }
    // How the exercise last shown ended; read by the runner once the window has closed.
    ExerciseOutcome Outcome() const { return m_outcome; }
    // What the exercise last shown asked and its right answer, for the list of a test's
    // mistakes; read by the runner once the window has closed. By default the model answer
    // alone.
    virtual ExerciseAsked Asked() const { return {{}, RichEdittemp.Text()}; }

    // Shows the current exercise modally and waits until it ends, as exec() does, but the
    // window stays shown afterwards: when the run's next exercise is of this window too, it
    // loads in place, with no hiding and showing in between. EndExercises() hides the window.
    // The page starts loading first; then `leaving`, the window of the run's previous
    // exercise when it is another, ends its exercises, and this window shows.
    int RunExercise(TExerciseWindow *leaving = nullptr);
    void EndExercises();
    // Inside RunExercise() the exercise ends and the window stays shown; else QDialog's.
    void done(int result) override;

signals:
    // A new exercise is in the window: at each showing, and at each exercise loaded in place.
    void exerciseShown();

public:
    // Loads the current record: the random lists when the type has a random-data dialog and
    // the record is in random mode (Doma_rnd, a failed read counting as false), else plain.
    // Also installed as the table's after-scroll and after-cancel handler.
    void Table1AfterScroll();
    // Reads the record's title and question into the hidden boxes (and what else the type
    // keeps of the record).
    virtual void LoadPlainRecord() = 0;
    // The random-mode load of the types that hand their lists to a random-data dialog.
    // By default the record is loaded plain.
    virtual void LoadRandomRecord() { LoadPlainRecord(); }
    // Enables the buttons, makes the exercise ready to answer and builds the page.
    virtual void PrepareExercise() = 0;

    void Button1Click();
    void Button2Click();
    virtual void Button3Click() {}
    virtual void Button12Click() = 0;
    void Button13Click();
    void Button14Click();

protected:
    // The layout, top to bottom: the page view, what the family adds, the button bar.
    QVBoxLayout *Layout() const { return m_layout; }
    // Docks a widget of the family between what is there and the button bar.
    void AddAboveBar(QWidget *widget, int stretch = 0);
    // The tab order: `first` (when given), then the buttons of the bar from left to right.
    void ChainTabOrder(QWidget *first);
    // The buttons the bar holds, from left to right.
    QList<QPushButton *> BarButtons() const;

    // Whether the current answer is right; called by "&Controlla" before the sound.
    virtual bool AnswerIsRight() = 0;
    // After a wrong check outside a test: what differs in the answer, said after the number
    // of wrong attempts (for a braille answer, its first wrong cell); none by default.
    virtual QString WrongDetail() { return {}; }
    // How the learner wrote the braille of the answer, asked when the exercise ends;
    // nothing by default (no braille is written).
    virtual ExerciseOutcome::Writing Written() const { return ExerciseOutcome::Writing::Nothing; }
    // After any wrong check: the first wrong cell of a braille answer when it is one cell
    // written for another (written, expected); none by default.
    virtual std::optional<std::pair<quint8, quint8>> ConfusedCells() { return std::nullopt; }
    // The control that has the keyboard focus when the window is shown and after each
    // check; none by default.
    virtual QWidget *FocusWidget() const { return nullptr; }
    // Whether the type hands the random lists of its records to a random-data dialog.
    virtual bool HasDataDialog() const { return false; }

public:
    // What a braille display shows of the exercise above the answer: the question's lines as
    // the course's text, one cell a character, where the learner answers in print or by a
    // choice (a braille answer box is shown on the display by itself). Asked each time the
    // window takes the display and at each new exercise; none by default.
    virtual QList<QByteArray> DisplayLines() const { return {}; }

protected:

    // Writes the exercise page through the composer and shows it: the title section with
    // each title line through RewriteTitleLine(), then WriteBody(), then the page's end.
    void BuildPage();
    // What follows the title lines on the page; by default nothing, so that the bold
    // title stays open to the end of the page.
    virtual void WriteBody() {}
    // A title line as it goes into the page; unchanged by default.
    virtual QByteArray RewriteTitleLine(const QByteArray &line) const { return line; }

    // How a text of the status line is shown: what a check gave stands out in colour.
    enum class StatusTone
    {
        Plain,
        Right,
        Wrong,
    };
    // Shows a text in the status line and has a screen reader announce it.
    void ShowStatus(const QString &text, StatusTone tone = StatusTone::Plain);

    // Cat_eser of the current record, read afresh at each use.
    static int Category();
    // Each line through the composer, as `rewrite` gives it when there is one, followed by
    // a line break.
    static void WriteLines(const QList<QByteArray> &lines,
                           QByteArray (*rewrite)(QByteArray) = nullptr);
    // A rich-text field into a hidden box, through ScratchStream.
    void LoadRich(const DBRichEdit &source, HiddenRichEdit &box);
    // Doma_rnd of the current record, false when it cannot be read.
    static bool RandomFlag();
    // Saves the picture of a bound image box as "$$imgN.bmp" in the temporary folder,
    // replacing an older one. A picture that cannot be saved does not stop the exercise.
    static void ExportPicture(const DBImage &image, int number);
    // Plays a sound of the course; a sound that cannot be played is skipped.
    static void PlaySound(const QString &relative);

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    // Whatever size the window manager gives the window, the button bar stays whole on the
    // screen: a window that reaches below the screen's free area has its bar raised by as
    // much.
    void KeepBarOnScreen();
    void PlaceStatus();
    void FormCreate();
    void FormShow();
    void FormResize();
    // The table's after-scroll hook: a hidden window's reload that fails is dropped, as the
    // window loads the record again whenever it is shown.
    void ReloadHidden();
    // A showing whose record could not be loaded: nothing of an earlier record stays within
    // reach, and the window closes as soon as its modal loop runs.
    void RefuseRecord(const QString &problem);
    QPushButton *addButton(const QString &name, const QString &caption, int left);

    // Closes the window with a modal result, the exercise having ended as `outcome` says.
    void Finish(int result, ExerciseOutcome::Kind outcome);

    QVBoxLayout *m_layout = nullptr;
    std::optional<ModalSession> m_session; // while RunExercise() keeps the window shown
    QEventLoop *m_loop = nullptr;          // the running RunExercise()'s
    bool m_prepared = false;               // the showing's exercise is loaded already
    QString m_runPosition;
    QString m_unreadable;
    ExerciseOutcome m_outcome;
    bool m_helped = false; // "&Aiuto" or "&Risposta" was used on this exercise
    QList<std::pair<quint8, quint8>> m_confused; // ConfusedCells() of each wrong check
};

// A window of the mathematics course: the first braille run of each title line becomes a
// span of the category's braille class.
template <class Window> class WithBrailleTitles : public Window
{
protected:
    using Window::Window;

    QByteArray RewriteTitleLine(const QByteArray &line) const override
    {
        return RewriteBrailleRun(line, Window::Category());
    }
};
