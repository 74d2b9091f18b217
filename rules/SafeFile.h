// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file so that nothing planted at its name is written through. A plain file
// of its own at the name is written over; anything else there (a symbolic link, a second
// name of another file) is replaced by a new file of the same folder, never followed. A
// folder that is itself a symbolic link is refused, since it may lead anywhere. On failure
// `error` (when given) says why.
bool writeFileReplacing(const QString &path, const QByteArray &bytes, QString *error = nullptr);
