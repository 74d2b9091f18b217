#pragma once

#include <QByteArray>
#include <QDialog>
#include <QList>
#include <QString>

class DataSource;
class HtmlView;
class QFrame;
class QPushButton;
class QTextEdit;
class RandomDataLists;
class Ttblbraille;

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

// The first position at which two texts differ, the shorter one differing past its end;
// -1 when they are equal.
int firstDifference(const QByteArray &answer, const QByteArray &model);

// Whether a typed answer is right for a model answer: both normalised, compared byte for
// byte; an empty answer is never right.
bool answerIsRight(const QByteArray &answer, const QByteArray &model);

// What every exercise window shares: the page view, the answer box, the button bar, the
// hidden boxes loaded from the current record, the check, the help and the modal results
// (1 answered, 2 leave the run, 4 skip). A type overrides how its page is built.
class TExerciseWindow : public QDialog
{
    Q_OBJECT
public:
    explicit TExerciseWindow(const QString &name, QWidget *parent = nullptr);

    HtmlView *html1 = nullptr;
    QTextEdit *RichEdit3 = nullptr; // the answer box
    QFrame *Panel4 = nullptr;
    QPushButton *Button1 = nullptr;  // &Esci
    QPushButton *Button2 = nullptr;  // &Controlla
    QPushButton *Button13 = nullptr; // A&vanti
    QPushButton *Button3 = nullptr;  // &Aiuto
    QPushButton *Button12 = nullptr; // &Risposta
    QPushButton *Button14 = nullptr; // &Tabelle

    HiddenRichEdit RichEdit1;    // title
    HiddenRichEdit RichEdit2;    // question
    HiddenRichEdit RichEdittemp; // model answer
    bool CheckBox2 = false;      // random mode of the current record
    HiddenComboBox ComboBox1;    // random questions
    HiddenComboBox ComboBox2;    // random answers
    DBRichEdit DBRichEdit1, DBRichEdit2, DBRichEdit3;
    DBMemo DBMemo1, DBMemo2;
    DBEdit DBEdit1;

    QByteArray ScratchStream;
    bool TestMode = false;
    Ttblbraille *TableWindow = nullptr;

    // The answer box's text as cp1252 bytes, paragraphs separated by CR LF.
    QByteArray AnswerText() const;

    void Table1AfterScroll();
    void LoadPlainRecord();
    void LoadRandomRecord();
    void PrepareExercise();

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button12Click();
    void Button13Click();
    void Button14Click();

protected:
    // Writes the exercise page through the composer and shows it.
    virtual void BuildPage() = 0;
    // The random-data dialog that receives this type's lists in random mode, if any.
    virtual RandomDataLists *DataDialog() const { return nullptr; }
    // Each line through the composer, followed by a line break.
    static void WriteLines(const QList<QByteArray> &lines);
    // Shows the page file that the composer has just saved.
    void ShowPage();
    // Plays a sound of the course; a sound that cannot be played is skipped.
    static void PlaySound(const QString &relative);

    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void FormResize();
    void RichEdit3KeyPress(QChar key);
    QPushButton *addButton(const QString &name, const QString &caption);
};
