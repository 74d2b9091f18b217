// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "randomdata/ArithmeticDialog.h"

// The random data of exercise type 100: questions in print notation, answers in braille.
class TFormex10dc : public TArithmeticDataDialog
{
    Q_OBJECT
public:
    explicit TFormex10dc(QWidget *parent = nullptr);
};
