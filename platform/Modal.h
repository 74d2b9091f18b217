// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

// The modal results the program's windows close with.
enum ModalResult
{
    ModalOk = 1,     // OK, or an exercise answered
    ModalCancel = 2, // Cancel, "&Esci" or the close box
    ModalSkip = 4,   // an exercise's "A&vanti"
};

class QDialog;
class QWidget;

// A dialog in front of the window that opens it (the active window when `opener` is null),
// for as long as the session lasts: transient for that window, raised and active once shown,
// so that the keyboard focus, its Alt shortcuts and Esc act on the dialog alone. When the
// session ends the opener is active again and the focus goes back to the widget that had it.
class ModalSession
{
public:
    explicit ModalSession(QDialog *dialog, QWidget *opener = nullptr);
    ~ModalSession();
    ModalSession(const ModalSession &) = delete;
    ModalSession &operator=(const ModalSession &) = delete;

private:
    QPointer<QDialog> m_dialog;
    QPointer<QWidget> m_owner;
    QPointer<QWidget> m_focus;
};

// Shows a dialog modally in a session of its own (see ModalSession) and returns its result.
int execFrom(QDialog *dialog, QWidget *opener = nullptr);
