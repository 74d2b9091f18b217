// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "randomdata/DataDialog.h"

class QCheckBox;

// The "Dati casuali" dialog of the mathematics course: the list editor, whose generator makes
// random numbers or random equalities from a set of digits, each once in print notation and
// once in braille notation. The list on the side of the braille-font box gets the braille.
class TArithmeticDataDialog : public TRandomDataDialog
{
    Q_OBJECT
public:
    QLabel *Label7 = nullptr; // "Usa virgola "
    QCheckBox *CheckBox1 = nullptr;
    QLabel *Label8 = nullptr; // "Operazione :"
    QComboBox *ComboBox3 = nullptr;

    // Replaces both lists by generated numbers or equalities (Edit3 holds the digits).
    void Button3Click() override;

protected:
    TArithmeticDataDialog(const QString &name, BrailleBox brailleBox, QWidget *parent);

private:
    void FormCreate();
};
