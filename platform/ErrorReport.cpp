// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ErrorReport.h"

#include "platform/Platform.h"

#include <QMessageBox>

void reportError(const QString &text)
{
    if (platform().messages) {
        platform().messages->showMessage(text);
        return;
    }
    QMessageBox::critical(nullptr, QStringLiteral("Sentiero dei Punti"), text);
}

void runGuarded(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &e) {
        reportError(QString::fromUtf8(e.what()));
    } catch (...) {
        reportError(QStringLiteral("Errore imprevisto"));
    }
}

bool SentieroApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        reportError(QString::fromUtf8(e.what()));
    } catch (...) {
        reportError(QStringLiteral("Errore imprevisto"));
    }
    return false;
}
