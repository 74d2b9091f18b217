// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/ExerciseWindow.h"

#include <array>

class QToolButton;

// The exercise windows in which the learner picks one of three answers (types 103 and 201):
// the choice bar Panel9 above the button bar holds "RISPOSTA 1" to "RISPOSTA 3", push-and-
// stay buttons of which at most one is down and none when an exercise starts. They take no
// focus and are pressed with the mouse, or with the keys 1, 2 and 3; a click on an answer's
// picture (or cell) in the page presses its button. The record's Risp_img tells
// the right one (0 to 2); there is no
// "&Aiuto".
class TChoiceWindow : public TExerciseWindow
{
    Q_OBJECT
public:
    QFrame *Panel9 = nullptr;
    QToolButton *SpeedButton1 = nullptr;
    QToolButton *SpeedButton2 = nullptr;
    QToolButton *SpeedButton3 = nullptr;
    HiddenRichEdit RichEdit2; // question

    QList<QByteArray> DisplayLines() const override { return RichEdit2.Lines; }

    // The choice that is down, 0 to 2; -1 when none is.
    int PressedChoice() const;

    void PrepareExercise() override;
    void Button12Click() override;
    ExerciseAsked Asked() const override
    {
        const int right = RightChoice();
        return {RichEdit2.Text(), {}, right >= 0 && right <= 2 ? right : -1};
    }

protected:
    // The choice buttons are `width` pixels wide, with their left edges at `lefts`.
    TChoiceWindow(const QString &name, int width, const std::array<int, 3> &lefts, QWidget *parent);

    bool AnswerIsRight() override;
    // The page, where the learner reads the question and the answers: never a button,
    // which Enter or Space would press by accident.
    QWidget *FocusWidget() const override;

private:
    void Press(int choice); // -1 releases all three
    static int RightChoice();

    std::array<QToolButton *, 3> m_choices{};
};
