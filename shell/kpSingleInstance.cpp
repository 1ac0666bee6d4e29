#include "kpSingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>
#include <cerrno>
#include <sys/file.h>

namespace {

// Both copies may start at once: the running one then listens only a moment after it took the
// lock.
constexpr int KnockTimeoutMs = 3000;
constexpr int KnockRetryMs = 50;
// Activation tokens and startup ids are a few dozen bytes; a knock is never more than this.
constexpr qint64 MaxTokenSize = 1024;

// The runtime folder is the user's own (the toolkit falls back to a private folder in /tmp when
// the session names none). The data location is hashed: a socket's path holds at most 107 bytes.
QString pathStem(const QString &pDataLocation)
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (runtime.isEmpty())
        return {};
    const QByteArray key
        = QCryptographicHash::hash(pDataLocation.toUtf8(), QCryptographicHash::Sha256).toHex();
    return runtime + QStringLiteral("/tovimar-") + QLatin1String(key.left(16));
}

} // namespace

kpSingleInstance::kpSingleInstance(const QString &pDataLocation, QObject *pParent)
    : QObject(pParent)
    , mPathStem(pathStem(pDataLocation))
    , mLockFile(mPathStem + QStringLiteral(".lock"))
{
    // A knock is the token and the end of the connection.
    connect(&mServer, &QLocalServer::newConnection, this, [this]() {
        while (QLocalSocket *knock = mServer.nextPendingConnection()) {
            connect(knock, &QLocalSocket::disconnected, this, [this, knock]() {
                knock->deleteLater();
                emit comeForwardRequested(knock->read(MaxTokenSize).trimmed());
            });
        }
    });
}

bool kpSingleInstance::claim(const QByteArray &pToken)
{
    // With nowhere private to meet, the program runs unguarded rather than not at all. The file
    // stays when the copy ends: removed, a start that had opened it could lock it while the next
    // start locks a new file of the same name.
    if (mPathStem.isEmpty() || !mLockFile.open(QIODevice::ReadWrite))
        return true;
    // The system drops the lock when its holder ends, however it ends: a killed copy leaves
    // nothing that blocks the next start. Unlike a lock file naming its holder, it is neither
    // written nor synced to disk, which costs milliseconds where the runtime folder is on disk.
    if (::flock(mLockFile.handle(), LOCK_EX | LOCK_NB) == 0) {
        listen();
        return true;
    }
    if (errno != EWOULDBLOCK)
        return true;
    knock(pToken);
    return false;
}

void kpSingleInstance::listen()
{
    const QString name = mPathStem + QStringLiteral(".socket");
    // A socket file left by a killed copy: nobody listens on it, since this copy holds the lock.
    QLocalServer::removeServer(name);
    // Without a socket, later starts still leave; they only cannot call the window forward.
    mServer.listen(name);
}

void kpSingleInstance::knock(const QByteArray &pToken) const
{
    const QDeadlineTimer deadline(KnockTimeoutMs);
    QLocalSocket socket;
    while (!deadline.hasExpired()) {
        socket.connectToServer(mPathStem + QStringLiteral(".socket"));
        if (socket.waitForConnected(KnockRetryMs)) {
            socket.write(pToken.left(MaxTokenSize));
            socket.disconnectFromServer();
            if (socket.state() != QLocalSocket::UnconnectedState)
                socket.waitForDisconnected(int(deadline.remainingTime()));
            return;
        }
        QThread::msleep(KnockRetryMs);
    }
}
