// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/htmlex11.h"

#include "randomdata/RandomLists.h"

TFhtmlex11 *Fhtmlex11 = nullptr;

TFhtmlex11::TFhtmlex11(QWidget *parent)
    : WithBrailleTitles(QStringLiteral("Fhtmlex11"), QStringLiteral("html1"), parent)
{
}

RandomDataLists *TFhtmlex11::DataDialog() const
{
    return Formex11dc;
}
