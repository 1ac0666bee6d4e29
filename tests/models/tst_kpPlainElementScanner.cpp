#include "kpFuzzSupport.h"
#include "kpItemRecord.h"
#include "kpPlainElementScanner.h"
#include "kpTestSupport.h"

namespace {

// Every character a name may hold, white space between attributes and in an end tag, Cyrillic,
// presentation forms and references.
const QByteArray Plain = "<list_z-Z.09\r\n\tname=\"пюре \xEF\xBB\x80\xEF\xBF\xA0&lt;\"\r "
                         "a_b=\"&gt;&quot;&apos;&#9;&#13;\"><item AzZ=\"x\"/></list_z-Z.09\t>\r\n";

// How many start elements the scanner gives itself, and whether it then finds the end or gives up.
// A document it gives up on still reads right, since the XML reader takes over, so only these
// steps tell a fault in the plain form from a slow path.
QString steps(const QByteArray &pDocument)
{
    kpPlainElementScanner scanner(pDocument);
    for (int elements = 0;; ++elements) {
        const kpPlainElementScanner::Step step = scanner.readNextStartElement();
        if (step != kpPlainElementScanner::Step::StartElement)
            return QString::number(elements)
                + (step == kpPlainElementScanner::Step::End ? " end" : " gave up");
    }
}

} // namespace

class tst_kpPlainElementScanner : public QObject
{
    Q_OBJECT

private slots:
    // The plain form is read by the scanner itself (as the XML reader reads it, the table below
    // shows); a comment is left to the reader.
    void plainForm()
    {
        QCOMPARE(steps(Plain), "2 end");
        QCOMPARE(steps("<list><!-- x --><item/></list>"), "1 gave up");
        // The "=" signs of an element count up to the bound, values' own included.
        QCOMPARE(steps("<a b=\"" + QByteArray(255, '=') + "\"/>"), "1 end");
        // An element of more attributes than the scanner has fixed room for is left to the reader.
        QByteArray attributes;
        for (char name = 'a'; name <= 'q'; ++name)
            attributes += QByteArray(" ") + name + "=\"\"";
        QCOMPARE(steps("<a" + attributes + "/>"), "0 gave up");
        // Records share the known attribute names instead of each holding copies.
        QCOMPARE(kpItemRecord::sharedKey(u"status").constData(), kpItemRecord::Status.constData());
    }

    // Malformed and borderline documents: the plain one cut short, without one of its bytes or with
    // a stray "/" at every place, broken UTF-8 in names and values, and forms the scanner leaves
    // to the reader.
    void readsAsTheXmlReader_data()
    {
        QTest::addColumn<QByteArray>("document");
        for (int at = 0; at <= Plain.size(); ++at) {
            QTest::addRow("cut to %d bytes", at) << Plain.left(at);
            QTest::addRow("byte %d left out", at) << QByteArray(Plain).remove(at, 1);
            QTest::addRow("\"/\" before byte %d", at) << QByteArray(Plain).insert(at, '/');
        }
        // One by "|" from the next.
        const QByteArray documents
            = "<a\x80/>|<a b\x80=\"1\"/>|<a b=\"\x80\"/>|<a b=\"\xD0\"/>|<a b=\"\xC0\xAF\"/>|"
              "<a b=\"\xED\xA0\x80\"/>|<a b=\"\xF0\x9F\x8D\x8E\"/>|<a b=\"\xEF\xBF\xBE\"/>|"
              "<a b=\"\xEF\xBF\xBF\"/>|\xEF\xBB\xBF<a/>|<a b=\"\xEF\xBB\xBF\"/>|<a b=\"&nbsp;\"/>|"
              "<a b=\"&#65;\"/>|<a b=\"&amp\"/>|<a b=\"&\"/>|<a b=\"x<y\"/>|<a b=\"\t\x01\"/>|"
              "<a b=\"\t/>|<a b/>|<a b=/>|<a b='1'/>|<a b = \"1\"/>|<a b=\"1\" b=\"2\"/>|"
              "<a b=\"1\"c=\"2\"/>|<a xmlns=\"u\"/>|<a xml:lang=\"en\"/>|<XmL/>|<a:b/>|<a>x</a>|"
              "<a/><b/>|</a>|<a></ a>|<a></b>|<a></a<b/>|<r><a></a/<b/></r>|<a/ >|<a><?p?></a>|"
              "<?xml version=\"1.0\"?><a/>|<!DOCTYPE a><a/>|<a><![CDATA[x]]></a>";
        for (const QByteArray &document : documents.split('|'))
            QTest::newRow(document.constData()) << document;
    }

    void readsAsTheXmlReader()
    {
        QFETCH(QByteArray, document);
        QCOMPARE(kpFuzzSupport::scannerBrokenPromise(document), QString());
    }
};

TOVIMAR_TEST_MAIN(tst_kpPlainElementScanner)
#include "tst_kpPlainElementScanner.moc"
