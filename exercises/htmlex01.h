// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/AnswerWindows.h"

// Type 1: the question in braille, the answer typed in print.
class TFhtmlex01 : public TTypedAnswerWindow
{
    Q_OBJECT
public:
    static constexpr ::Course Course = ::Course::Alphabet;
    static constexpr int Type = 1;

    explicit TFhtmlex01(QWidget *parent = nullptr);

protected:
    TFhtmlex01(const QString &name, const QString &viewName, QWidget *parent);

    void WriteBody() override;
};

