// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/htmlex10.h"



TFhtmlex10::TFhtmlex10(QWidget *parent)
    : WithBrailleTitles(QStringLiteral("Fhtmlex10"), AnswerLook::braille(true), parent)
{
}
