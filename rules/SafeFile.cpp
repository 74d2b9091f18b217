// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/SafeFile.h"

#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

// The file at `path` written over in place, when it is a plain file of its own: not a
// symbolic link (O_NOFOLLOW), not a second name of another file. A page is saved for every
// exercise, and a new file each time costs some ten times as much on some file systems.
bool writeInPlace(const QString &path, const QByteArray &bytes)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status;
    bool written = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_nlink == 1;
    for (qsizetype done = 0; written && done < bytes.size();) {
        const ssize_t part = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        written = part > 0;
        done += written ? part : 0;
    }
    written = written && ::ftruncate(fd, off_t(bytes.size())) == 0;
    return ::close(fd) == 0 && written;
#else
    Q_UNUSED(path)
    Q_UNUSED(bytes)
    return false;
#endif
}

} // namespace

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
    if (writeInPlace(path, bytes))
        return true;
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
