// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HtmlView.h"

#include "platform/Zoom.h"

HtmlView::HtmlView(QWidget *parent) : QWidget(parent)
{
    zoom().follow(this, [this](double factor) {
        m_zoom = factor;
        zoomChanged();
    });
}
