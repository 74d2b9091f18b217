// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// A window laid out in pixels grows and shrinks with the program's zoom (platform/Zoom.h):
// its fixed size, the place and size of each control set in pixels, the fixed heights and
// widths of the bars, and the fonts set on controls of their own, so that its text never
// needs more room than its box gives. Controls that follow the zoom themselves (page views,
// answer boxes) and what lies in them are left to it; controls in a layout keep their places
// from it. Controls added after this call are taken in when the window is next shown.
void growWithZoom(QWidget *window);
