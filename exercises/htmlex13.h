// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/ChoiceWindow.h"

// Type 103: the question in braille and three pictures; the learner picks the right one.
class TFhtmlex13 : public WithBrailleTitles<TChoiceWindow>
{
    Q_OBJECT
public:
    static constexpr ::Course Course = ::Course::Mathematics;
    static constexpr int Type = 103;

    explicit TFhtmlex13(QWidget *parent = nullptr);

    DBImage DBImage1, DBImage2, DBImage3; // Img1 to Img3

    void LoadPlainRecord() override;

protected:
    void WriteBody() override;
};

