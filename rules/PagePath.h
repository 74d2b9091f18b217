// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The content folder as it goes into the picture paths of a composed page: its Windows-1252
// bytes as they stand, except the characters that would cut a file URL short or end the
// attribute (# % ? and the double quote) and those that Windows-1252 cannot hold, which are
// written as %XX of their UTF-8 bytes, so that the page still finds its pictures. A folder
// without such characters gives exactly its Windows-1252 bytes.
QByteArray pageDirBytes(const QString &dir);
