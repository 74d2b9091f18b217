// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/htmlex21.h"

#include "rules/dm_Unit1.h"
#include "rules/CellSpeech.h"
#include "rules/Cp1252.h"
#include "rules/ExerciseRules.h"


TFhtmlex21::TFhtmlex21(QWidget *parent)
    : TChoiceWindow(QStringLiteral("Fhtmlex21"), 245, {15, 265, 515}, parent)
{
    setWindowFlags(windowFlags() | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint);
    DBRichEdit3 = {{DBRichEdit1.Source, QStringLiteral("Risp_img1")}};
    DBRichEdit4 = {{DBRichEdit1.Source, QStringLiteral("Risp_img2")}};
    DBRichEdit5 = {{DBRichEdit1.Source, QStringLiteral("Risp_img3")}};
}

void TFhtmlex21::LoadPlainRecord()
{
    LoadRich(DBRichEdit1, RichEdit1);
    LoadRich(DBRichEdit2, RichEdit2);
    LoadRich(DBRichEdit3, RichEdit3);
    LoadRich(DBRichEdit4, RichEdit4);
    LoadRich(DBRichEdit5, RichEdit5);
}

QList<QByteArray> TFhtmlex21::DisplayLines() const
{
    QList<QByteArray> lines = TChoiceWindow::DisplayLines();
    int number = 1;
    for (const HiddenRichEdit *candidate : {&RichEdit3, &RichEdit4, &RichEdit5}) {
        const QString heard =
            spokenMusic(RewriteMusicPairs(candidate->Lines.join()), courseMusicSigns());
        lines << toCp1252(QString::number(number++) + QLatin1Char(' ') + heard);
    }
    return lines;
}

void TFhtmlex21::WriteBody()
{
    dm->CloseTitle();
    dm->OpenBraille(Category());
    WriteLines(RichEdit2.Lines);
    dm->WriteColorBar();
    dm->WriteAnswerTableHead(Category());
    for (const HiddenRichEdit *candidate : {&RichEdit3, &RichEdit4, &RichEdit5}) {
        dm->OpenMusicCell(Category());
        for (const QByteArray &line : candidate->Lines)
            dm->WriteText(RewriteMusicPairs(line));
        dm->WriteText("</td>");
    }
    dm->WriteText("</tr></table></div>");
}

ExerciseAsked TFhtmlex21::Asked() const
{
    ExerciseAsked asked = TChoiceWindow::Asked();
    const HiddenRichEdit *candidates[] = {&RichEdit3, &RichEdit4, &RichEdit5};
    if (asked.choice >= 0 && asked.choice <= 2)
        asked.answer = candidates[asked.choice]->Text();
    return asked;
}
