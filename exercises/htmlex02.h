// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/AnswerWindows.h"

// Type 2: the page shows the title only; the learner edits the braille question in the work
// box until it matches the model answer.
class TFhtmlex02 : public TWorkBoxWindow
{
    Q_OBJECT
public:
    static constexpr ::Course Course = ::Course::Alphabet;
    static constexpr int Type = 2;

    explicit TFhtmlex02(QWidget *parent = nullptr);

protected:
    TFhtmlex02(const QString &name, const QString &viewName, QWidget *parent);
};

