// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/htmlex02.h"


TFhtmlex02::TFhtmlex02(QWidget *parent)
    : TFhtmlex02(QStringLiteral("Fhtmlex02"), QStringLiteral("Html1"), parent)
{
}

TFhtmlex02::TFhtmlex02(const QString &name, const QString &viewName, QWidget *parent)
    : TWorkBoxWindow(name, viewName, parent)
{
}
