// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/ChoiceWindow.h"

#include "rules/dm_Unit1.h"
#include "rules/ExerciseRules.h"
#include "platform/HtmlView.h"

#include <QFrame>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>

TChoiceWindow::TChoiceWindow(const QString &name, int width, const std::array<int, 3> &lefts,
                             QWidget *parent)
    : TExerciseWindow(name, QStringLiteral("html1"), Bar::NoHelp, parent)
{
    Panel9 = new QFrame(this);
    Panel9->setObjectName(QStringLiteral("Panel9"));
    Panel9->setFixedHeight(50);
    for (int i = 0; i < 3; ++i) {
        auto *button = new QToolButton(Panel9);
        const QString caption = QStringLiteral("RISPOSTA %1").arg(i + 1);
        button->setObjectName(QStringLiteral("SpeedButton%1").arg(i + 1));
        button->setText(caption);
        button->setAccessibleName(caption);
        button->setCheckable(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setGeometry(lefts[i], 5, width, 40);
        // A press puts the button down and the others up; pressing the one that is down
        // leaves it down.
        connect(button, &QToolButton::clicked, this, [this, i] { Press(i); });
        // The buttons take no focus; a learner at the keyboard presses them with 1, 2, 3.
        auto *key = new QShortcut(QKeySequence(Qt::Key_1 + i), this);
        connect(key, &QShortcut::activated, button, &QToolButton::click);
        m_choices[i] = button;
    }
    SpeedButton1 = m_choices[0];
    SpeedButton2 = m_choices[1];
    SpeedButton3 = m_choices[2];
    // A click on an answer's picture in the page chooses it, as its button does.
    html1->AnswerClicked = [this](int answer) { m_choices[answer]->click(); };
    AddAboveBar(Panel9);
}

void TChoiceWindow::Press(int choice)
{
    for (int i = 0; i < 3; ++i)
        m_choices[i]->setChecked(i == choice);
    if (choice >= 0)
        ShowStatus(QStringLiteral("Scelta: RISPOSTA %1.").arg(choice + 1));
}

int TChoiceWindow::PressedChoice() const
{
    for (int i = 0; i < 3; ++i) {
        if (m_choices[i]->isChecked())
            return i;
    }
    return -1;
}

int TChoiceWindow::RightChoice()
{
    return dm->fieldInt(QStringLiteral("Risp_img"));
}

void TChoiceWindow::PrepareExercise()
{
    for (QPushButton *button : BarButtons())
        button->setEnabled(true);
    Press(-1);
    BuildPage();
}

QWidget *TChoiceWindow::FocusWidget() const
{
    return html1;
}

bool TChoiceWindow::AnswerIsRight()
{
    return choiceIsRight(RightChoice(), PressedChoice());
}

void TChoiceWindow::Button12Click()
{
    const int right = RightChoice();
    if (right >= 0 && right <= 2)
        Press(right);
}
