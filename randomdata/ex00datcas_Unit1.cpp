// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomdata/ex00datcas_Unit1.h"

TFormex00dc::TFormex00dc(QWidget *parent)
    : TRandomDataDialog(QStringLiteral("Formex00dc"), BrailleBox::Answer, 33, parent)
{
}
