#pragma once

class QDialog;
class QWidget;

// Shows a dialog modally in front of the window that opens it (the active window when
// `opener` is null): transient for that window, raised and active, so that the keyboard
// focus, its Alt shortcuts and Esc act on the dialog alone. Afterwards the focus goes back to
// the widget that had it. Returns the dialog's result.
int execFrom(QDialog *dialog, QWidget *opener = nullptr);
