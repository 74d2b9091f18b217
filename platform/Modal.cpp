// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Modal.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QWindow>

int execFrom(QDialog *dialog, QWidget *opener)
{
    const QPointer<QWidget> focus = QApplication::focusWidget();
    QPointer<QWidget> owner = opener ? opener->window() : QApplication::activeWindow();
    if (owner == dialog)
        owner = nullptr;
    if (owner && owner->isVisible()) {
        dialog->winId();
        if (QWindow *window = dialog->windowHandle())
            window->setTransientParent(owner->windowHandle());
    }
    // Once shown: without a window manager nobody else gives a new window the focus.
    QTimer::singleShot(0, dialog, [dialog] {
        if (dialog->isVisible()) {
            dialog->raise();
            dialog->activateWindow();
        }
    });
    const int result = dialog->exec();
    if (QWindow *window = dialog->windowHandle())
        window->setTransientParent(nullptr);
    if (owner && owner->isVisible())
        owner->activateWindow();
    if (focus && focus->isVisible())
        focus->setFocus();
    return result;
}
