// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ErrorReport.h"

#include "platform/Platform.h"
#include "rules/SafeFile.h"

#include <QDir>
#include <QFileInfo>

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

bool writeLearnerFile(const QString &path, const QByteArray &bytes, const QString &doing)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QString error;
    if (writeFileReplacing(path, bytes, &error))
        return true;
    platform().messages->showMessage(QStringLiteral("Non è stato possibile %1 in \"%2\": %3")
                                         .arg(doing, QDir::toNativeSeparators(path), error));
    return false;
}
