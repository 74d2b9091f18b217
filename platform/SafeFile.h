// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writes a whole file so that nothing planted at its name is written through: the bytes go
// to a new file of the same folder, which then takes the name's place. A symbolic link or
// any other file at the name is replaced, never followed; a folder that is itself a
// symbolic link is refused, since it may lead anywhere. On failure the name is untouched,
// and `error` (when given) says why.
bool writeFileReplacing(const QString &path, const QByteArray &bytes, QString *error = nullptr);
