// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/AnswerWindows.h"

// Type 200: the question in the music font, the answer typed in braille.
class TFhtmlex20 : public TTypedAnswerWindow
{
    Q_OBJECT
public:
    static constexpr ::Course Course = ::Course::Music;
    static constexpr int Type = 200;

    explicit TFhtmlex20(QWidget *parent = nullptr);

protected:
    void WriteBody() override;
};

