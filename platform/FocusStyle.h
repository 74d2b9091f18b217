// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QStyle;

// The desktop's style, with the keyboard focus marked on every push button by a thick
// frame in the highlight colour, seen at a glance (the desktop's own mark can be faint).
// Made for QApplication::setStyle, which takes it.
QStyle *createFocusMarkingStyle();
