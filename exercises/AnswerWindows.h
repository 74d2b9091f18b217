// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "rules/CourseLook.h"
#include "exercises/ExerciseWindow.h"

class CellTable;
class QTextEdit;
class RandomDataLists;
class SixKeyEntry;

// The exercise windows in which the learner writes the answer as text: under the page in
// the answer box RichEdit3, or in a work box holding the question. The check compares the
// text with the model answer in RichEdittemp, "&Aiuto" selects the first character that
// differs and "&Risposta" puts the model answer into the box.
class TTextAnswerWindow : public TExerciseWindow
{
    Q_OBJECT
public:
    QTextEdit *RichEdit3 = nullptr; // the answer box; hidden in the work-box types

    // The text the learner wrote, cp1252, one CR LF a line break.
    QByteArray AnswerText() const;

    void PrepareExercise() override;
    void Button3Click() override;
    void Button12Click() override;

protected:
    TTextAnswerWindow(const QString &name, const QString &viewName, QWidget *parent);

    // Where the learner writes: RichEdit3 unless the type works in another box.
    virtual QTextEdit *AnswerBox() const;
    // Puts the question drawn from the random list where the type keeps its question.
    virtual void SetQuestion(const QByteArray &text) = 0;
    // Gives a box the key rule of the answer box: a typed character 127 replaces the
    // selection before the box handles the key.
    void WatchKeys(QTextEdit *box);
    // Writes a text into a box, in the box's own font.
    static void SetBoxText(QTextEdit *box, const QByteArray &text);
    // Lets the learner write a braille box by dots, with six keys (F2 turns it on and off).
    void WriteByDots(QTextEdit *box);
    // The box's font, and its height when it has a fixed one (0: none), grow with the
    // program's zoom; its font is set before.
    static void FollowZoom(QTextEdit *box, int height);

    // Whether the answer box is a braille box, written by dots or by the braille font.
    bool AnswersInBraille() const { return m_sixKeys != nullptr; }

    bool AnswerIsRight() override;
    QString WrongDetail() override;
    ExerciseOutcome::Writing Written() const override;
    std::optional<std::pair<quint8, quint8>> ConfusedCells() override;
    QWidget *FocusWidget() const override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void RichEdit3KeyPress(QTextEdit *box, QChar key);
    // The course's cells while the box is written by dots: check and help compare cells.
    const CellTable *DotCells() const;

    SixKeyEntry *m_sixKeys = nullptr;
};

// The font and scroll bar of an answer box.
struct AnswerLook
{
    QString family;
    int pixels;
    bool scrollBar;
    bool braille6 = false; // a braille box, which can be written by dots

    static AnswerLook braille(bool scrollBar)
    {
        return {QString::fromLatin1(CourseFont::Braille), 29, scrollBar, true};
    }
    static AnswerLook print() { return {QString::fromLatin1(CourseFont::Print), 21, true}; }
};

// The question on the page, the answer typed in the answer box under it (types 0, 1, 100,
// 101, 104, 200). The question is kept in the hidden box RichEdit2.
class TTypedAnswerWindow : public TTextAnswerWindow
{
    Q_OBJECT
public:
    HiddenRichEdit RichEdit2; // question
    // The random-data dialog the type hands the random lists of its records to; given by
    // whoever made the windows, none for a type that keeps its lists.
    RandomDataLists *DataDialog = nullptr;

    void LoadPlainRecord() override;
    void LoadRandomRecord() override;
    QList<QByteArray> DisplayLines() const override;

protected:
    // With `handsOnLists`, a record in random mode hands its lists to DataDialog.
    TTypedAnswerWindow(const QString &name, const QString &viewName, const AnswerLook &look,
                       bool handsOnLists, QWidget *parent);

    bool HasDataDialog() const override { return m_handsOnLists; }
    void SetQuestion(const QByteArray &text) override { RichEdit2.SetText(text); }

public:
    ExerciseAsked Asked() const override { return {RichEdit2.Text(), RichEdittemp.Text()}; }

private:
    bool m_handsOnLists;
};

// The question edited in place (types 2 and 102): a 150-pixel page holds the title, and the
// work box RichEdit2 under it holds the question in braille until it matches the answer.
class TWorkBoxWindow : public TTextAnswerWindow
{
    Q_OBJECT
public:
    QTextEdit *RichEdit2 = nullptr; // the work box

    void LoadPlainRecord() override;
    // The text to correct as it was given, and its right form.
    ExerciseAsked Asked() const override { return {m_question, RichEdittemp.Text()}; }

protected:
    TWorkBoxWindow(const QString &name, const QString &viewName, QWidget *parent);

    QTextEdit *AnswerBox() const override { return RichEdit2; }
    void SetQuestion(const QByteArray &text) override;

private:
    QByteArray m_question;
};
