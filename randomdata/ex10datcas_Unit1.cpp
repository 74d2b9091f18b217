// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomdata/ex10datcas_Unit1.h"

TFormex10dc::TFormex10dc(QWidget *parent)
    : TArithmeticDataDialog(QStringLiteral("Formex10dc"), BrailleBox::Answer, parent)
{
}
