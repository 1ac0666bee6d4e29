#include "kpCompressedXmlFile.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QXmlStreamWriter>
#include <QtTest>

using namespace kpTestSupport;
using File = kpCompressedXmlFile;
Q_DECLARE_METATYPE(kpCompressedXmlFile::ReadResult)

namespace {

QString filePath()
{
    return QDir(dataLocation()).absoluteFilePath("file.db");
}

QByteArray elements(int pCount)
{
    return "<r>" + QByteArray("<i/>").repeated(pCount - 1) + "</r>";
}

QByteArray elementOfAttributes(int pCount)
{
    QByteArray element = "<i";
    for (int attribute = 0; attribute < pCount; ++attribute)
        element += " a" + QByteArray::number(attribute) + "=\"\"";
    return element + "/>";
}

} // namespace

class tst_kpCompressedXmlFile : public QObject
{
    Q_OBJECT

private slots:
    void init() { QDir().mkpath(dataLocation()); }

    void refusesWhatIsNotAWholeDocument_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<File::ReadResult>("expected");
        QTest::newRow("empty") << fixture("damaged/empty.kpl") << File::ReadResult::Empty;
        QTest::newRow("plain xml") << fixture("lists/week.xml") << File::ReadResult::Damaged;
        for (const char *name : {"header-only", "truncated", "absurd-claimed-size"})
            QTest::newRow(name) << fixture("damaged/" + QString(name) + ".kpl")
                                << File::ReadResult::Damaged;
        QTest::newRow("understated size still reads")
            << fixture("damaged/understated-size.kpl") << File::ReadResult::Ok;
        QTest::newRow("largest document reads")
            << qCompress(QByteArray(File::MaxDocumentSize, ' ')) << File::ReadResult::Ok;
        QTest::newRow("unpacks past the limit")
            << fixture("hostile/past-size-bound.kpl") << File::ReadResult::Damaged;
    }

    void refusesWhatIsNotAWholeDocument()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(File::ReadResult, expected);
        writeFile(filePath(), bytes);
        QByteArray read = "stale";
        QCOMPARE(File::read(filePath(), &read), expected);
        QCOMPARE(read, expected == File::ReadResult::Ok ? qUncompress(bytes) : QByteArray());
        QCOMPARE(File::read(filePath() + ".missing", &read), File::ReadResult::Unreadable);
        QCOMPARE(File::read(QString(), &read), File::ReadResult::Unreadable);
    }

    void bounds_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<bool>("read");
        QTest::addColumn<bool>("written");
        // The root element counts too.
        QTest::newRow("most elements") << elements(File::MaxElementCount) << true << true;
        QTest::newRow("one element more") << elements(File::MaxElementCount + 1) << false << false;
        QTest::newRow("most attributes")
            << elementOfAttributes(File::MaxAttributeCount) << true << true;
        QTest::newRow("one attribute more")
            << elementOfAttributes(File::MaxAttributeCount + 1) << false << false;
        QTest::newRow("a document type declaration")
            << QByteArray("<!DOCTYPE r><r/>") << false << true;
        QTest::newRow("largest document") << QByteArray(File::MaxDocumentSize, ' ') << true << true;
        QTest::newRow("one byte more")
            << QByteArray(File::MaxDocumentSize + 1, ' ') << true << false;
    }

    // The reader stops at a bound; the writer does not write what would not read back, and the
    // old file stays.
    void bounds()
    {
        QFETCH(QByteArray, document);
        QFETCH(bool, read);
        QFETCH(bool, written);
        File::ElementReader reader(document);
        int count = 0;
        while (reader.readNextStartElement())
            count += int(reader.attributes().size()) + 1;
        QCOMPARE(reader.exceededBounds(), !read);
        if (read)
            QCOMPARE(count, int(document.count('=') + document.count('<') - document.count("</")));
        writeCompressed(filePath(), "<old/>");
        QCOMPARE(File::write(filePath(), document, 9), written);
        QCOMPARE(uncompressFile(filePath()), written ? document : QByteArray("<old/>"));
    }

    void attributesAreWrittenInAFixedOrder()
    {
        QByteArray document;
        QXmlStreamWriter writer(&document);
        writer.writeEmptyElement("item");
        File::writeAttributes(writer,
                              {{"zeta", "1"}, {"name", "a&b"}, {"alpha", "2"}, {"status", "x"}},
                              {"name", "category", "status"});
        writer.writeEndDocument();
        QCOMPARE(document, "<item name=\"a&amp;b\" status=\"x\" alpha=\"2\" zeta=\"1\"/>\n");
    }

    // Every compressed fixture is the compressed form of the readable source beside it.
    void fixturesMatchTheirSources()
    {
        QDirIterator sources(fixturePath(""), {"*.xml"}, QDir::Files, QDirIterator::Subdirectories);
        int compared = 0;
        while (sources.hasNext()) {
            const QString source = sources.next();
            for (const char *suffix : {".kpl", ".db"}) {
                const QString packed = source.chopped(4) + suffix;
                if (QFile::exists(packed)) {
                    QCOMPARE(uncompressFile(packed), readFile(source));
                    ++compared;
                }
            }
        }
        QVERIFY(compared >= 10);
    }
};

TOVIMAR_TEST_MAIN(tst_kpCompressedXmlFile)
#include "tst_kpCompressedXmlFile.moc"
