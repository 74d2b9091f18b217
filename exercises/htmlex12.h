// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/htmlex02.h"

// Type 102: type 2 of the mathematics course, with braille runs in the title lines and the
// answer box's key rule also in the work box.
class TFhtmlex12 : public WithBrailleTitles<TFhtmlex02>
{
    Q_OBJECT
public:
    static constexpr ::Course Course = ::Course::Mathematics;
    static constexpr int Type = 102;

    explicit TFhtmlex12(QWidget *parent = nullptr);
};

