// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/AnswerWindows.h"

// Type 104: the question is a picture; the answer is typed in braille. There is no random
// mode: the model answer always comes from the record.
class TFhtmlex14 : public WithBrailleTitles<TTypedAnswerWindow>
{
    Q_OBJECT
public:
    static constexpr ::Course Course = ::Course::Mathematics;
    static constexpr int Type = 104;

    explicit TFhtmlex14(QWidget *parent = nullptr);

    DBImage DBImage1; // Doma_img

    void LoadPlainRecord() override;

protected:
    void WriteBody() override;
};

