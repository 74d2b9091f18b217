// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/htmlex00.h"

#include "rules/dm_Unit1.h"


TFhtmlex00::TFhtmlex00(QWidget *parent)
    : TFhtmlex00(QStringLiteral("Fhtmlex00"), AnswerLook::braille(false), parent)
{
}

TFhtmlex00::TFhtmlex00(const QString &name, const AnswerLook &look, QWidget *parent)
    : TTypedAnswerWindow(name, QStringLiteral("html1"), look, true, parent)
{
}

void TFhtmlex00::WriteBody()
{
    dm->CloseTitle();
    dm->OpenText(Category());
    WriteLines(RichEdit2.Lines);
}
