#include "kpPlainElementScanner.h"
#include "kpTestSupport.h"

namespace {

// What the scanner makes of a document, element by element. A document it gives up on still
// reads right, since the XML reader takes over, so only these steps tell a fault in the plain
// form from a slow path.
QString steps(const QByteArray &pDocument)
{
    kpPlainElementScanner scanner(pDocument);
    QStringList steps;
    for (;;) {
        const kpPlainElementScanner::Step step = scanner.readNextStartElement();
        if (step != kpPlainElementScanner::Step::StartElement) {
            steps.append(step == kpPlainElementScanner::Step::End ? "end" : "gave up");
            return steps.join(' ');
        }
        const QHash<QString, QString> attributes = scanner.attributes();
        QStringList pairs;
        for (auto attribute = attributes.cbegin(); attribute != attributes.cend(); ++attribute)
            pairs.append(attribute.key() + '=' + attribute.value());
        pairs.sort();
        steps.append(scanner.name().toString() + '(' + pairs.join(',') + ')');
    }
}

} // namespace

class tst_kpPlainElementScanner : public QObject
{
    Q_OBJECT

private slots:
    void plainForm_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<QString>("expected");
        QTest::newRow("every character a name may hold")
            << QByteArray("<list_z-Z.9 a_b=\"1\"><item AzZ=\"x\"/></list_z-Z.9>")
            << "list_z-Z.9(a_b=1) item(AzZ=x) end";
        QTest::newRow("every white space between attributes")
            << QByteArray("<list\r\n\ta=\"1\"\r b=\"2\"/>\r\n") << "list(a=1,b=2) end";
        QTest::newRow("Cyrillic and presentation forms")
            << QByteArray("<list name=\"пюре \xEF\xBB\x80\"/>") << "list(name=пюре \uFEC0) end";
        QTest::newRow("a byte order mark is the reader's")
            << QByteArray("<list name=\"a\xEF\xBB\xBF\"/>") << "gave up";
        QTest::newRow("a non-character is the reader's")
            << QByteArray("<list name=\"\xEF\xBF\xBE\"/>") << "gave up";
        QTest::newRow("a comment is the reader's")
            << QByteArray("<list><!-- x --><item/></list>") << "list() gave up";
    }

    void plainForm()
    {
        QFETCH(QByteArray, document);
        QFETCH(QString, expected);
        QCOMPARE(steps(document), expected);
    }
};

TOVIMAR_TEST_MAIN(tst_kpPlainElementScanner)
#include "tst_kpPlainElementScanner.moc"
