// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Record and page texts are Windows-1252 bytes; widgets work with QString. These two are
// the only crossing between the two.
QString fromCp1252(const QByteArray &bytes);
QByteArray toCp1252(const QString &text);
