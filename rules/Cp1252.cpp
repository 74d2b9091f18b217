// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Cp1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

QString fromCp1252(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1252");
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray toCp1252(const QString &text)
{
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Default);
    if (!encoder.isValid())
        return text.toLatin1();
    return encoder.encode(text);
}
