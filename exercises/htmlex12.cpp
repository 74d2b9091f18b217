// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/htmlex12.h"


TFhtmlex12::TFhtmlex12(QWidget *parent)
    : WithBrailleTitles(QStringLiteral("Fhtmlex12"), QStringLiteral("html1"), parent)
{
    WatchKeys(RichEdit2);
}
