// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/ChoiceWindow.h"

// Type 201: the question in braille and three candidates in the music font; the learner
// picks the right one. RichEdit3 to RichEdit5 hold the candidates.
class TFhtmlex21 : public TChoiceWindow
{
    Q_OBJECT
public:
    static constexpr ::Course Course = ::Course::Music;
    static constexpr int Type = 201;

    explicit TFhtmlex21(QWidget *parent = nullptr);

    HiddenRichEdit RichEdit3, RichEdit4, RichEdit5;
    DBRichEdit DBRichEdit4, DBRichEdit5; // DBRichEdit3 holds Risp_img1 here

    void LoadPlainRecord() override;
    // The question, then the candidates by the names of their signs, numbered.
    QList<QByteArray> DisplayLines() const override;
    // The right candidate's signs with its number.
    ExerciseAsked Asked() const override;

protected:
    void WriteBody() override;
};

