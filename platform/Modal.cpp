// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Modal.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QWindow>

ModalSession::ModalSession(QDialog *dialog, QWidget *opener)
    : m_dialog(dialog), m_owner(opener ? opener->window() : QApplication::activeWindow()),
      m_focus(QApplication::focusWidget())
{
    if (m_owner == dialog)
        m_owner = nullptr;
    if (m_owner && m_owner->isVisible()) {
        dialog->winId();
        if (QWindow *window = dialog->windowHandle())
            window->setTransientParent(m_owner->windowHandle());
    }
    // Once shown: without a window manager nobody else gives a new window the focus.
    QTimer::singleShot(0, dialog, [dialog] {
        if (dialog->isVisible()) {
            dialog->raise();
            dialog->activateWindow();
        }
    });
}

ModalSession::~ModalSession()
{
    if (m_dialog) {
        if (QWindow *window = m_dialog->windowHandle())
            window->setTransientParent(nullptr);
    }
    if (m_owner && m_owner->isVisible())
        m_owner->activateWindow();
    if (m_focus && m_focus->isVisible())
        m_focus->setFocus();
}

int execFrom(QDialog *dialog, QWidget *opener)
{
    const ModalSession session(dialog, opener);
    return dialog->exec();
}
