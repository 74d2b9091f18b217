// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The modal results the program's windows close with.
enum ModalResult
{
    ModalOk = 1,     // OK, or an exercise answered
    ModalCancel = 2, // Cancel, "&Esci" or the close box
    ModalSkip = 4,   // an exercise's "A&vanti"
};

class QDialog;
class QWidget;

// Shows a dialog modally in front of the window that opens it (the active window when
// `opener` is null): transient for that window, raised and active, so that the keyboard
// focus, its Alt shortcuts and Esc act on the dialog alone. Afterwards the focus goes back to
// the widget that had it. Returns the dialog's result.
int execFrom(QDialog *dialog, QWidget *opener = nullptr);
