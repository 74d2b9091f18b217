// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/htmlex00.h"

// Type 100: type 0 of the mathematics course, with braille runs in the title lines.
class TFhtmlex10 : public WithBrailleTitles<TFhtmlex00>
{
    Q_OBJECT
public:
    static constexpr ::Course Course = ::Course::Mathematics;
    static constexpr int Type = 100;

    explicit TFhtmlex10(QWidget *parent = nullptr);

};

