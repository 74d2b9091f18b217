// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/htmlex11.h"



TFhtmlex11::TFhtmlex11(QWidget *parent)
    : WithBrailleTitles(QStringLiteral("Fhtmlex11"), QStringLiteral("html1"), parent)
{
}
