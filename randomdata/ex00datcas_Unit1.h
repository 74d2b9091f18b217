// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "randomdata/DataDialog.h"

// The random lists of exercise type 0: questions in print, answers in braille.
class TFormex00dc : public TRandomDataDialog
{
    Q_OBJECT
public:
    explicit TFormex00dc(QWidget *parent = nullptr);
};
