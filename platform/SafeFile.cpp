// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SafeFile.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

bool writeFileReplacing(const QString &path, const QByteArray &bytes, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (QFileInfo(folder).isSymLink())
        return fail(QStringLiteral("la cartella \"%1\" è un collegamento").arg(folder));
    if (target.isDir() && !target.isSymLink())
        return fail(QStringLiteral("\"%1\" è una cartella").arg(path));
    // Made with O_EXCL under a name nobody could have guessed, in the target's folder, so
    // that the rename below stays inside one file system.
    QTemporaryFile temporary(folder + QStringLiteral("/.") + target.fileName()
                             + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        return fail(temporary.errorString());
    if (temporary.write(bytes) != bytes.size() || !temporary.flush())
        return fail(temporary.errorString());
    // Readable as a page file always was, whatever the temporary file's mode.
    temporary.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner
                             | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // rename() replaces the directory entry, a symbolic link included, atomically.
    if (std::rename(QFile::encodeName(temporary.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData())
        != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    temporary.setAutoRemove(false);
    return true;
}
