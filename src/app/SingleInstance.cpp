#include "app/SingleInstance.h"

#include "core/Log.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace {

constexpr int connectTimeoutMs = 1000;
constexpr int lockTimeoutMs = 5000;
constexpr int answerTimeoutMs = 5000;
const QByteArray activateMessage = QByteArrayLiteral("activate\n");
const QByteArray activatedMessage = QByteArrayLiteral("activated\n");

} // namespace

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent)
    , m_socketPath(std::move(socketPath))
{
}

QString SingleInstance::defaultSocketPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation))
        .filePath(QStringLiteral("tessaly.socket"));
}

bool SingleInstance::handOverOrListen()
{
    // Two launches at once must not both miss each other and both listen:
    // finding a running instance and starting to listen is one step.
    QLockFile lock(m_socketPath + QStringLiteral(".lock"));
    if (!lock.tryLock(lockTimeoutMs))
        printLine(
            QStringLiteral("Could not lock %1; starting without the running-instance check").arg(lock.fileName()));
    if (handOver())
        return true;
    listen();
    return false;
}

bool SingleInstance::handOver()
{
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(connectTimeoutMs))
        return false;
    socket.write(activateMessage);
    if (!socket.waitForBytesWritten(connectTimeoutMs))
        return false;
    // A killed instance's socket still takes connections until its process
    // is gone, then drops them unanswered: only the running instance's
    // answer, or its silence while the connection holds, means it took the
    // request.
    const bool answered = socket.waitForReadyRead(answerTimeoutMs);
    const bool taken = answered || socket.state() == QLocalSocket::ConnectedState;
    socket.disconnectFromServer();
    return taken;
}

void SingleInstance::listen()
{
    // A socket left behind by a process that ended without closing it.
    QLocalServer::removeServer(m_socketPath);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_socketPath)) {
        printLine(QStringLiteral("Could not listen on %1: %2").arg(m_socketPath, m_server->errorString()));
        return;
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine(activateMessage.size() + 1) == activateMessage) {
                    socket->write(activatedMessage);
                    Q_EMIT activationRequested();
                }
            }
            // Nothing else is ever sent: a peer that keeps writing is dropped.
            if (socket->bytesAvailable() > activateMessage.size())
                socket->abort();
        });
    }
}
