// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/htmlex13.h"

#include "rules/dm_Unit1.h"


TFhtmlex13::TFhtmlex13(QWidget *parent)
    : WithBrailleTitles(QStringLiteral("Fhtmlex13"), 200, {5, 210, 415}, parent)
{
    DBImage1 = {{DBRichEdit1.Source, QStringLiteral("Img1")}};
    DBImage2 = {{DBRichEdit1.Source, QStringLiteral("Img2")}};
    DBImage3 = {{DBRichEdit1.Source, QStringLiteral("Img3")}};
}

void TFhtmlex13::LoadPlainRecord()
{
    LoadRich(DBRichEdit1, RichEdit1);
    LoadRich(DBRichEdit2, RichEdit2);
    ExportPicture(DBImage1, 1);
    ExportPicture(DBImage2, 2);
    ExportPicture(DBImage3, 3);
}

void TFhtmlex13::WriteBody()
{
    dm->CloseTitle();
    dm->OpenBraille(Category());
    WriteLines(RichEdit2.Lines);
    dm->WriteColorBar();
    dm->WritePictureChoices(Category());
}
