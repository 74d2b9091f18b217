// SPDX-License-Identifier: GPL-3.0-or-later
#include "randomdata/ex11datcas_Unit1.h"

#include <QComboBox>
#include <QLabel>

TFormex11dc::TFormex11dc(QWidget *parent)
    : TArithmeticDataDialog(QStringLiteral("Formex11dc"), BrailleBox::Question, parent)
{
    // The taller braille question box pushes the answer part down.
    Label2->move(20, 120);
    ComboBox2->move(20, 140);
}
