// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/PagePath.h"

#include "rules/Cp1252.h"

#include <QList>

namespace {

bool breaksUrl(char32_t c)
{
    return c == U'#' || c == U'%' || c == U'?' || c == U'"';
}

QByteArray escaped(const QString &dir)
{
    QByteArray bytes;
    for (const uint code : dir.toUcs4()) {
        const char32_t c = code;
        const QString character = QString::fromUcs4(&c, 1);
        const QByteArray single = toCp1252(character);
        if (breaksUrl(c) || fromCp1252(single) != character)
            bytes += character.toUtf8().toPercentEncoding();
        else
            bytes += single;
    }
    return bytes;
}

} // namespace

QByteArray pageDirBytes(const QString &dir)
{
    // Asked for several times by every page, always with the same folder.
    static QString lastDir;
    static QByteArray lastBytes;
    if (dir == lastDir && !lastBytes.isNull())
        return lastBytes;
    QByteArray bytes = toCp1252(dir);
    bool plain = fromCp1252(bytes) == dir;
    for (const char c : bytes)
        plain = plain && !breaksUrl(char32_t(c));
    if (!plain)
        bytes = escaped(dir);
    lastDir = dir;
    lastBytes = bytes;
    return bytes;
}
