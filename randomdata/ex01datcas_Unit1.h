// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "randomdata/DataDialog.h"

// The random lists of exercise type 1: questions in braille, answers in print.
class TFormex01dc : public TRandomDataDialog
{
    Q_OBJECT
public:
    explicit TFormex01dc(QWidget *parent = nullptr);
};
