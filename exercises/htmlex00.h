// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/AnswerWindows.h"

// Type 0: the question in print, the answer typed in braille.
class TFhtmlex00 : public TTypedAnswerWindow
{
    Q_OBJECT
public:
    static constexpr ::Course Course = ::Course::Alphabet;
    static constexpr int Type = 0;

    explicit TFhtmlex00(QWidget *parent = nullptr);

protected:
    TFhtmlex00(const QString &name, const AnswerLook &look, QWidget *parent);

    void WriteBody() override;
};

