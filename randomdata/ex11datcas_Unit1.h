// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "randomdata/ArithmeticDialog.h"

// The random data of exercise type 101: questions in braille notation, answers in print.
class TFormex11dc : public TArithmeticDataDialog
{
    Q_OBJECT
public:
    explicit TFormex11dc(QWidget *parent = nullptr);
};
