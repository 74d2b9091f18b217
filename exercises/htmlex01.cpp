// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/htmlex01.h"

#include "rules/dm_Unit1.h"


TFhtmlex01::TFhtmlex01(QWidget *parent)
    : TFhtmlex01(QStringLiteral("Fhtmlex01"), QStringLiteral("Html1"), parent)
{
}

TFhtmlex01::TFhtmlex01(const QString &name, const QString &viewName, QWidget *parent)
    : TTypedAnswerWindow(name, viewName, AnswerLook::print(), true, parent)
{
}

void TFhtmlex01::WriteBody()
{
    dm->CloseTitle();
    dm->OpenBraille(Category());
    WriteLines(RichEdit2.Lines);
}
