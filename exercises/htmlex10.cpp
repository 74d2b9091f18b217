// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/htmlex10.h"

#include "randomdata/RandomLists.h"

TFhtmlex10 *Fhtmlex10 = nullptr;

TFhtmlex10::TFhtmlex10(QWidget *parent)
    : WithBrailleTitles(QStringLiteral("Fhtmlex10"), AnswerLook::braille(true), parent)
{
}

RandomDataLists *TFhtmlex10::DataDialog() const
{
    return Formex10dc;
}
