// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/htmlex14.h"

#include "rules/dm_Unit1.h"


TFhtmlex14::TFhtmlex14(QWidget *parent)
    : WithBrailleTitles(QStringLiteral("Fhtmlex14"), QStringLiteral("html1"),
                        AnswerLook::braille(true), false, parent)
{
    DBImage1 = {{DBRichEdit1.Source, QStringLiteral("Doma_img")}};
}

void TFhtmlex14::LoadPlainRecord()
{
    // Doma_rnd plays no part: CheckBox2 stays clear, so the exercise is always plain.
    LoadRich(DBRichEdit1, RichEdit1);
    ExportPicture(DBImage1, 1);
}

void TFhtmlex14::WriteBody()
{
    dm->CloseTitle();
    dm->OpenText(Category());
    dm->WriteQuestionImage();
}
