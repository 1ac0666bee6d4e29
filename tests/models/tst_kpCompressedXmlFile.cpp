#include "kpCompressedXmlFile.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QXmlStreamWriter>
#include <QtEndian>
#include <QtTest>

using namespace kpTestSupport;
using Result = kpCompressedXmlFile::ReadResult;
Q_DECLARE_METATYPE(kpCompressedXmlFile::ReadResult)

class tst_kpCompressedXmlFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { QDir().mkpath(dataLocation()); }

    void readsWhatQCompressWrote_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("default level") << -1;
        QTest::newRow("level 9") << 9;
    }

    void readsWhatQCompressWrote()
    {
        QFETCH(int, level);
        const QString path = QDir(dataLocation()).absoluteFilePath("file.db");
        QByteArray document = "<tovimar_list name=\"ёлка\"/>";
        document.append(QByteArray(300000, ' '));
        QVERIFY(kpCompressedXmlFile::write(path, document, level));
        QCOMPARE(readFile(path), qCompress(document, level));
        QByteArray read;
        QCOMPARE(kpCompressedXmlFile::read(path, &read), Result::Ok);
        QCOMPARE(read, document);
    }

    void refusesWhatIsNotAWholeDocument_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Result>("expected");
        const QByteArray good = qCompress(QByteArray("<a/>"));
        QByteArray absurdClaim = good;
        qToBigEndian<quint32>(0xffffffffu, absurdClaim.data());
        QByteArray understated = good;
        qToBigEndian<quint32>(1u, understated.data());
        QByteArray bomb = qCompress(QByteArray(kpCompressedXmlFile::MaxDocumentSize + 1, 'a'));
        qToBigEndian<quint32>(1024u, bomb.data());

        QTest::newRow("empty") << QByteArray() << Result::Empty;
        QTest::newRow("plain xml") << QByteArray("<tovimar_list/>") << Result::Damaged;
        QTest::newRow("header only") << good.left(4) << Result::Damaged;
        QTest::newRow("truncated stream") << good.left(good.size() - 3) << Result::Damaged;
        QTest::newRow("absurd claimed size") << absurdClaim << Result::Damaged;
        QTest::newRow("understated size still reads") << understated << Result::Ok;
        QTest::newRow("unpacks past the limit") << bomb << Result::Damaged;
    }

    void refusesWhatIsNotAWholeDocument()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Result, expected);
        const QString path = QDir(dataLocation()).absoluteFilePath("file.db");
        writeFile(path, bytes);
        QByteArray read = "stale";
        QCOMPARE(kpCompressedXmlFile::read(path, &read), expected);
        QCOMPARE(read.isEmpty(), expected != Result::Ok);
        QCOMPARE(kpCompressedXmlFile::read(path + ".missing", &read), Result::Unreadable);
    }

    void attributesAreWrittenInAFixedOrder()
    {
        QByteArray document;
        QXmlStreamWriter writer(&document);
        writer.writeEmptyElement("item");
        kpCompressedXmlFile::writeAttributes(
            writer, {{"zeta", "1"}, {"name", "a&b"}, {"alpha", "2"}, {"status", "x"}},
            {"name", "category", "status"});
        writer.writeEndDocument();
        QCOMPARE(document, "<item name=\"a&amp;b\" status=\"x\" alpha=\"2\" zeta=\"1\"/>\n");
    }
};

TOVIMAR_TEST_MAIN(tst_kpCompressedXmlFile)
#include "tst_kpCompressedXmlFile.moc"
