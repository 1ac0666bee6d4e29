#include "kpCompressedXmlFile.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QDir>
#include <QDirIterator>
#include <QXmlStreamWriter>

using namespace kpTestSupport;
using File = kpCompressedXmlFile;
Q_DECLARE_METATYPE(kpCompressedXmlFile::ReadResult)

namespace {

// The promised bounds, spelt out: a bound moved in the code must fail here.
constexpr qsizetype FourMiB = 4 * 1024 * 1024;
constexpr int MaxElements = 20000;
constexpr int MaxAttributes = 256;

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
        // What each damaged file makes of a list, the overview and the catalogue is in
        // tst_kpHostileFiles; here only what tells an empty file from a damaged one.
        QTest::newRow("empty") << fixture("damaged/empty.kpl") << File::ReadResult::Empty;
        QTest::newRow("plain xml") << fixture("lists/week.xml") << File::ReadResult::Damaged;
        QTest::newRow("understated size still reads")
            << fixture("damaged/understated-size.kpl") << File::ReadResult::Ok;
        QTest::newRow("largest document reads")
            << qCompress(QByteArray(FourMiB, ' ')) << File::ReadResult::Ok;
        QTest::newRow("claims one byte more")
            << QByteArray::fromHex("00400001") + qCompress(" ").mid(4) << File::ReadResult::Damaged;
        // Both claim 1 KiB.
        QTest::newRow("unpacks to the limit")
            << QByteArray::fromHex("00000400") + qCompress(QByteArray(FourMiB, ' ')).mid(4)
            << File::ReadResult::Ok;
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
        QTest::newRow("most elements") << elements(MaxElements) << true << true;
        QTest::newRow("one element more") << elements(MaxElements + 1) << false << false;
        QTest::newRow("most attributes") << elementOfAttributes(MaxAttributes) << true << true;
        QTest::newRow("one attribute more")
            << elementOfAttributes(MaxAttributes + 1) << false << false;
        QTest::newRow("a document type declaration")
            << QByteArray("<!DOCTYPE r><r/>") << false << true;
        QTest::newRow("largest document") << QByteArray(FourMiB, ' ') << true << true;
        QTest::newRow("one byte more") << QByteArray(FourMiB + 1, ' ') << true << false;
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
        QCOMPARE(qUncompress(readFile(filePath())), written ? document : QByteArray("<old/>"));
    }

    // The known keys in their order, then the others sorted, whatever order the hash holds.
    void attributesAreWrittenInAFixedOrder()
    {
        QByteArray document;
        QXmlStreamWriter writer(&document);
        writer.writeEmptyElement("item");
        File::writeAttributes(writer,
                              {{"e", ""},
                               {"d", ""},
                               {"status", "x"},
                               {"c", ""},
                               {"b", ""},
                               {"a", "&"},
                               {"name", "n"}},
                              {"name", "category", "status"});
        QCOMPARE(document, "<item name=\"n\" status=\"x\" a=\"&amp;\" b=\"\" c=\"\" d=\"\" e=\"\"");
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
                    QCOMPARE(qUncompress(readFile(packed)), readFile(source));
                    ++compared;
                }
            }
        }
        QVERIFY(compared >= 10);
    }
};

TOVIMAR_TEST_MAIN(tst_kpCompressedXmlFile)
#include "tst_kpCompressedXmlFile.moc"
