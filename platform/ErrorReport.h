// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

#include <exception>
#include <functional>

// Runs a handler; a failure it does not handle itself is shown to the user and the handler
// is abandoned. For callbacks that do not come through the event loop (browser callbacks).
void runGuarded(const std::function<void()> &handler);

// Writes a file of the learner's, its folder made when missing, as the page files are
// written; where it cannot, says so ("Non è stato possibile <doing> in "<path>": <why>").
bool writeLearnerFile(const QString &path, const QByteArray &bytes, const QString &doing);

// The application object: an exception that escapes an event handler is reported, not fatal.
class SentieroApplication : public QApplication
{
public:
    using QApplication::QApplication;
    bool notify(QObject *receiver, QEvent *event) override;
};
