// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomdata/ex01datcas_Unit1.h"

TFormex01dc::TFormex01dc(QWidget *parent)
    : TRandomDataDialog(QStringLiteral("Formex01dc"), BrailleBox::Question, 33, parent)
{
}
