// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/ContentPath.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

QString joined(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return name;
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace

QString contentPath(const QString &contentDir, const QString &relative)
{
    QString slashed = relative;
    slashed.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList names = slashed.split(QLatin1Char('/'), Qt::SkipEmptyParts);

    QString path = contentDir;
    // Below a name that matched nothing there is no folder to list.
    bool found = true;
    for (const QString &name : names) {
        QString next = joined(path, name);
        if (found && !QFileInfo::exists(next)) {
            const QStringList entries = QDir(path.isEmpty() ? QStringLiteral(".") : path)
                                            .entryList(QDir::AllEntries | QDir::Hidden
                                                           | QDir::System | QDir::NoDotAndDotDot,
                                                       QDir::Name);
            found = false;
            for (const QString &entry : entries) {
                if (QString::compare(entry, name, Qt::CaseInsensitive) == 0) {
                    next = joined(path, entry);
                    found = true;
                    break;
                }
            }
        }
        path = next;
    }
    return path;
}
