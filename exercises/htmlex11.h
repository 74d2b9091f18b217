// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/htmlex01.h"

// Type 101: type 1 of the mathematics course, with braille runs in the title lines.
class TFhtmlex11 : public WithBrailleTitles<TFhtmlex01>
{
    Q_OBJECT
public:
    static constexpr ::Course Course = ::Course::Mathematics;
    static constexpr int Type = 101;

    explicit TFhtmlex11(QWidget *parent = nullptr);

};

