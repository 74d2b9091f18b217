// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/htmlex20.h"

#include "rules/dm_Unit1.h"
#include "rules/ExerciseRules.h"


TFhtmlex20::TFhtmlex20(QWidget *parent)
    : TTypedAnswerWindow(QStringLiteral("Fhtmlex20"), QStringLiteral("html1"),
                         AnswerLook::braille(true), false, parent)
{
}

void TFhtmlex20::WriteBody()
{
    dm->CloseTitle();
    dm->OpenMusic(Category());
    WriteLines(RichEdit2.Lines, RewriteMusicPairs);
}
