#include "kpCompressedXmlFile.h"
#include "kpTestSupport.h"

using namespace kpTestSupport;
using File = kpCompressedXmlFile;
Q_DECLARE_METATYPE(kpCompressedXmlFile::ReadResult)

// The promised bounds, spelt out: a bound moved in the code must fail here.
constexpr qsizetype FourMiB = 4 * 1024 * 1024;
constexpr int MaxElements = 20000;
constexpr int MaxAttributes = 256;

class tst_kpCompressedXmlFile : public QObject
{
    Q_OBJECT

private slots:
    void refusesWhatIsNotAWholeDocument_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<File::ReadResult>("expected");
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
        writeFile(listPath(), bytes);
        QByteArray read = "stale";
        QCOMPARE(File::read(listPath(), &read), expected);
        QCOMPARE(read, expected == File::ReadResult::Ok ? qUncompress(bytes) : QByteArray());
    }

    void bounds_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<bool>("read");
        QTest::addColumn<bool>("written");
        const QByteArray items = QByteArray("<i/>").repeated(MaxElements);
        QByteArrayList attributes;
        for (int attribute = 1; attribute <= MaxAttributes; ++attribute)
            attributes += " a" + QByteArray::number(attribute) + "=\"\"";
        // The root element counts too.
        QTest::newRow("most elements") << "<r>" + items.mid(4) + "</r>" << true << true;
        QTest::newRow("one element more") << "<r>" + items + "</r>" << false << false;
        QTest::newRow("most attributes") << "<i" + attributes.join() + "/>" << true << true;
        QTest::newRow("one attribute more, counted by its \"=\"")
            << "<i a=\"" + QByteArray(MaxAttributes, '=') + "\"/>" << false << false;
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
        writeCompressed(listPath(), "<old/>");
        QCOMPARE(File::write(listPath(), document, 9), written);
        QByteArray reread;
        QCOMPARE(File::read(listPath(), &reread), File::ReadResult::Ok);
        QCOMPARE(reread, written ? document : QByteArray("<old/>"));
    }
};

TOVIMAR_TEST_MAIN(tst_kpCompressedXmlFile)
#include "tst_kpCompressedXmlFile.moc"
