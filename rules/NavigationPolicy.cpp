// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/NavigationPolicy.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The path as the file system will open it: links inside the course that lead out count
// as out.
QString realPath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

bool inside(const QString &path, const QStringList &folders)
{
    if (folders.isEmpty())
        return true;
    const QString file = realPath(path);
    for (const QString &folder : folders) {
        if (folder.isEmpty())
            continue;
        const QString root = realPath(folder);
        if (file == root || file.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/')))
            return true;
    }
    return false;
}

} // namespace

NavigationVerdict judgeNavigation(const QUrl &url, NavigationOrigin origin,
                                  const QStringList &folders)
{
    const auto refuse = [origin] {
        return origin == NavigationOrigin::Learner ? NavigationVerdict::RefuseAndSay
                                                   : NavigationVerdict::Refuse;
    };
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("file"))
        return inside(url.toLocalFile(), folders) ? NavigationVerdict::Go : refuse();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")
        || scheme == QLatin1String("mailto"))
        return origin == NavigationOrigin::Page ? NavigationVerdict::Refuse : NavigationVerdict::Go;
    // An empty page, which the program opens to start an engine.
    if (scheme == QLatin1String("about") && url.path() == QLatin1String("blank"))
        return NavigationVerdict::Go;
    return refuse();
}
