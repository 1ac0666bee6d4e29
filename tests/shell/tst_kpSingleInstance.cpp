#include "kpSingleInstance.h"

#include <QtTest>

class tst_kpSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    // A later start on the same data leaves and calls the running copy forward with its launcher's
    // token; a start on other data is another list and runs beside it; once the running copy
    // ends, the next start runs.
    void oneRunningCopyPerDataLocation()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        const QString data = QStringLiteral("/data/one");
        {
            kpSingleInstance running(data);
            QVERIFY(running.claim());
            QSignalSpy called(&running, &kpSingleInstance::comeForwardRequested);
            QVERIFY(!kpSingleInstance(data).claim("launcher-token"));
            QVERIFY(called.wait());
            QCOMPARE(called.takeFirst().value(0).toByteArray(), "launcher-token");
            QVERIFY(kpSingleInstance(QStringLiteral("/data/other")).claim());
        }
        QVERIFY(kpSingleInstance(data).claim());
    }
};

QTEST_GUILESS_MAIN(tst_kpSingleInstance)
#include "tst_kpSingleInstance.moc"
