// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Accessibility.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QVariant>

namespace {

bool busProperty(const char *name)
{
    QDBusInterface bus(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                       QStringLiteral("org.freedesktop.DBus.Properties"),
                       QDBusConnection::sessionBus());
    if (!bus.isValid())
        return false;
    bus.setTimeout(500);
    const QDBusReply<QVariant> reply = bus.call(
        QStringLiteral("Get"), QStringLiteral("org.a11y.Status"), QString::fromLatin1(name));
    return reply.isValid() && reply.value().toBool();
}

} // namespace

bool assistiveTechnologyActive()
{
    if (qEnvironmentVariableIntValue("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") > 0)
        return true;
    const QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected())
        return false;
    // No assistive technology listens without the accessibility bus; asking its launcher
    // would start it, some milliseconds of every start-up for nothing.
    const QDBusReply<bool> running =
        session.interface()->isServiceRegistered(QStringLiteral("org.a11y.Bus"));
    if (!running.isValid() || !running.value())
        return false;
    return busProperty("ScreenReaderEnabled") || busProperty("IsEnabled");
}

static bool pagesExposed = false;

bool pagesExposedToAssistiveTechnology()
{
    return pagesExposed;
}

void exposePagesToAssistiveTechnology()
{
    if (!assistiveTechnologyActive())
        return;
    pagesExposed = true;
    // Chromium builds the accessibility tree of a page only when asked to.
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --force-renderer-accessibility");
}
