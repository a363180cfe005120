#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

namespace app {

namespace {
// A request: the targets as a QDataStream string list. The answer is one byte.
constexpr char kTaken = 'k';
constexpr int kConnectMs = 1000;
// The running copy may be busy loading a large profile.
constexpr int kAnswerMs = 10000;
constexpr int kLockMs = 15000;
} // namespace

SingleInstance::SingleInstance(const QString &profilePath, QObject *parent)
    : QObject(parent), m_name(serverName(profilePath))
{
    // Only this user may hand shortcuts over.
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
}

QString SingleInstance::serverName(const QString &profilePath)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    const QByteArray hash = QCryptographicHash::hash(QFileInfo(profilePath).absoluteFilePath().toUtf8(),
                                                     QCryptographicHash::Sha256)
                                .toHex()
                                .left(16);
    return folder + QStringLiteral("/tessaflow-") + QString::fromLatin1(hash);
}

SingleInstance::Start SingleInstance::start(const QStringList &targets, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return Start::Failed;
    };
    QLockFile lock(m_name + QStringLiteral(".lock"));
    // Held only for the moment of deciding; a lock of a copy that died is
    // taken over, however young.
    lock.setStaleLockTime(0);
    if (!lock.tryLock(kLockMs))
        return fail(QStringLiteral("could not lock %1").arg(lock.fileName()));

    switch (handOver(targets)) {
    case HandOver::Done:
        return Start::HandedOver;
    case HandOver::NoAnswer:
        return fail(QStringLiteral("the running copy does not answer"));
    case HandOver::NoCopy:
        break;
    }
    // Nobody answers on the name: whatever is left there is stale.
    QLocalServer::removeServer(m_name);
    if (!m_server.listen(m_name))
        return fail(QStringLiteral("could not listen on %1: %2").arg(m_name, m_server.errorString()));
    return Start::First;
}

SingleInstance::HandOver SingleInstance::handOver(const QStringList &targets) const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(kConnectMs))
        return HandOver::NoCopy;
    QByteArray request;
    QDataStream out(&request, QIODevice::WriteOnly);
    out << targets;
    socket.write(request);
    socket.flush();
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(kAnswerMs))
            return HandOver::NoAnswer;
    if (!socket.waitForReadyRead(kAnswerMs))
        return HandOver::NoAnswer;
    return socket.read(1) == QByteArray(1, kTaken) ? HandOver::Done : HandOver::NoAnswer;
}

void SingleInstance::serve()
{
    if (m_serving)
        return;
    m_serving = true;
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::takeConnection);
    while (m_server.hasPendingConnections())
        takeConnection();
}

void SingleInstance::takeConnection()
{
    QLocalSocket *socket = m_server.nextPendingConnection();
    if (!socket)
        return;
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    auto readRequest = [this, socket] {
        QDataStream in(socket);
        in.startTransaction();
        QStringList targets;
        in >> targets;
        if (!in.commitTransaction())
            return; // more to come
        socket->write(QByteArray(1, kTaken));
        socket->flush();
        socket->disconnectFromServer();
        emit requested(targets);
    };
    connect(socket, &QLocalSocket::readyRead, this, readRequest);
    if (socket->bytesAvailable() > 0)
        readRequest();
}

} // namespace app
