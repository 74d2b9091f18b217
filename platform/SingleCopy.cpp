// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SingleCopy.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

QString socketPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("sentiero-dei-punti"));
}

} // namespace

bool SingleCopy::askRunningCopy()
{
    QLocalSocket socket;
    socket.connectToServer(socketPath());
    if (!socket.waitForConnected(1000))
        return false;
    socket.write("davanti\n");
    socket.waitForBytesWritten(1000);
    return true;
}

SingleCopy::SingleCopy(std::function<void()> front, QObject *parent)
    : QObject(parent), m_server(new QLocalServer(this))
{
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket that no copy answers (askRunningCopy() found none) is a crashed copy's.
    QLocalServer::removeServer(socketPath());
    if (!m_server->listen(socketPath()))
        qWarning("Cannot listen for later starts: %s", qPrintable(m_server->errorString()));
    connect(m_server, &QLocalServer::newConnection, this, [this, front] {
        while (QLocalSocket *later = m_server->nextPendingConnection()) {
            connect(later, &QLocalSocket::disconnected, later, &QObject::deleteLater);
            front();
        }
    });
}
