#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One running application per user. The first launch listens on a local
// socket; a later launch finds it there, asks it to bring its main window to
// the front, and leaves, so there is one process and one tray item.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QString socketPath = defaultSocketPath(), QObject* parent = nullptr);

    // True when a running instance took the request: this launch ends.
    // Otherwise this one listens from now on (or runs alone when it can't).
    bool handOverOrListen();

    // The user's socket, in the per-user runtime folder.
    static QString defaultSocketPath();

Q_SIGNALS:
    // Another launch asked for the main window.
    void activationRequested();

private:
    bool handOver();
    void listen();
    void acceptConnections();

    QString m_socketPath;
    QLocalServer* m_server = nullptr;
};
