#pragma once

#include <QFile>
#include <QLocalServer>
#include <QObject>
#include <QString>

// One running copy per user and data location. Two copies of one list each save their own copy
// of it whole, and the later save drops what the other added; copies of different data locations
// hold different lists and may run side by side. The running copy holds a lock on a file in the
// user's runtime folder and listens on a local socket beside it; a later start finds the lock
// taken, knocks on the socket with the activation token its launcher gave it, which asks the
// running copy to come forward with that token, and leaves.
class kpSingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit kpSingleInstance(const QString &pDataLocation, QObject *pParent = nullptr);

    // True when this is the running copy from now on; false when another copy runs, which was
    // asked to come forward, handed pToken.
    bool claim(const QByteArray &pToken = {});

signals:
    // pToken is what a window system asks of a window that comes forward on a user's behalf;
    // empty where the later start had none.
    void comeForwardRequested(const QByteArray &pToken);

private:
    void listen();
    void knock(const QByteArray &pToken) const;

    // Where the lock file and the socket lie, without their endings; empty where the user has no
    // runtime folder.
    QString mPathStem;
    QFile mLockFile;
    QLocalServer mServer;
};
