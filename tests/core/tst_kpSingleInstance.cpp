#include "kpSingleInstance.h"

#include <QtTest>

class tst_kpSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(mRuntime.isValid());
        qputenv("XDG_RUNTIME_DIR", mRuntime.path().toUtf8());
    }

    // A later start on the same data leaves and calls the running copy forward; a start on
    // other data is another list and runs beside it.
    void oneRunningCopyPerDataLocation()
    {
        kpSingleInstance running(QStringLiteral("/data/one"));
        QVERIFY(running.claim());
        QSignalSpy called(&running, &kpSingleInstance::comeForwardRequested);
        QVERIFY(!kpSingleInstance(QStringLiteral("/data/one")).claim());
        QVERIFY(called.wait());
        QVERIFY(kpSingleInstance(QStringLiteral("/data/other")).claim());
    }

    void nextStartRunsOnceTheRunningCopyEnded()
    {
        QVERIFY(kpSingleInstance(QStringLiteral("/data/ended")).claim());
        QVERIFY(kpSingleInstance(QStringLiteral("/data/ended")).claim());
    }

private:
    QTemporaryDir mRuntime;
};

QTEST_GUILESS_MAIN(tst_kpSingleInstance)
#include "tst_kpSingleInstance.moc"
