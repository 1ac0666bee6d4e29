#include "kpApplicationManager.h"
#include "kpCategoriesDataModel.h"
#include "kpCompressedXmlFile.h"
#include "kpListDataModel.h"
#include "kpListsDataModel.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <QtTest>
#include <functional>

using namespace kpTestSupport;
using Limits = kpCompressedXmlFile;

namespace {

// What a hostile file may cost at most; the sound files of the program take far less. The
// sanitizers make both meaningless.
constexpr qint64 MaxReadingMilliseconds = 2000;
constexpr qint64 MaxPeakMemoryMiB = 64;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool CostIsMeasurable = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool CostIsMeasurable = false;
#else
constexpr bool CostIsMeasurable = true;
#endif
#else
constexpr bool CostIsMeasurable = true;
#endif

struct Cost
{
    qint64 milliseconds = 0;
    qint64 peakMiB = 0;
};

qint64 statusKiB(const QByteArray &pField)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(pField))
            return line.mid(pField.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// Time taken and resident memory gained at the peak of pAction.
Cost costOf(const std::function<void()> &pAction)
{
    QFile peak(QStringLiteral("/proc/self/clear_refs"));
    if (peak.open(QIODevice::WriteOnly))
        peak.write("5");
    peak.close();
    const qint64 before = statusKiB("VmRSS:");
    QElapsedTimer timer;
    timer.start();
    pAction();
    return {timer.elapsed(), (statusKiB("VmHWM:") - before) / 1024};
}

void verifyBounded(const Cost &pCost, const char *pReader)
{
    qInfo("%s: %lld ms, %lld MiB at the peak", pReader, pCost.milliseconds, pCost.peakMiB);
    if (!CostIsMeasurable)
        return;
    QVERIFY2(pCost.milliseconds < MaxReadingMilliseconds, pReader);
    QVERIFY2(pCost.peakMiB < MaxPeakMemoryMiB, pReader);
}

QByteArray repeated(const char *pPattern, qsizetype pBytes)
{
    const QByteArray pattern(pPattern);
    return pattern.repeated(pBytes / pattern.size());
}

QByteArray distinctItems(int pCount)
{
    QByteArray items;
    for (int item = 0; item < pCount; ++item)
        items += "<item name=\"p" + QByteArray::number(item) + "\"/>";
    return items;
}

QByteArray crowdedElement(int pAttributes)
{
    QByteArray element = "<item name=\"crowded\"";
    for (int attribute = 0; attribute < pAttributes; ++attribute)
        element += " a" + QByteArray::number(attribute) + "=\"\"";
    return element + "/>";
}

const QByteArray SoundProducts = "<item name=\"milk\" category=\"dairy\" status=\"unchecked\"/>"
                                 "<item name=\"cheese\" category=\"dairy\" status=\"unchecked\"/>";

// Two sound products, then pHostile, then a product that must not be read.
QByteArray document(const QByteArray &pRoot, const QByteArray &pHostile,
                    const QByteArray &pPrologue = {})
{
    return pPrologue + "<" + pRoot + " name=\"hostile\" items_list=\"2\" price_list=\"0\">"
        + SoundProducts + pHostile + "<item name=\"late\" category=\"dairy\"/></" + pRoot + ">";
}

// A small file that unpacks to gigabytes if entities are expanded.
const QByteArray EntityPrologue = "<!DOCTYPE l [<!ENTITY x \"" + QByteArray(4000, 'x') + "\">]>";

QByteArray compressedWithClaim(const QByteArray &pDocument, quint32 pClaimedSize)
{
    QByteArray file = qCompress(pDocument, 9);
    qToBigEndian<quint32>(pClaimedSize, file.data());
    return file;
}

// Written through writeFile(), which makes their folders.
QString listPath()
{
    return listsDirectory() + QStringLiteral("/demo-list.kpl");
}

QString cataloguePath()
{
    return dataLocation() + QStringLiteral("/data/categories_en.db");
}

QByteArray realCatalogue(int pProducts)
{
    QByteArray xml = "<tovimar_categories version=\"1.0.0\">\n";
    for (int product = 0; product < pProducts; ++product) {
        xml += QStringLiteral("    <item name=\"product %1\" category=\"category %2\" "
                              "price=\"12.50\" count=\"1\" count_unit=\"kg\" note=\"\" "
                              "status=\"unchecked\"/>\n")
                   .arg(product)
                   .arg(product % 40)
                   .toUtf8();
    }
    return xml + "</tovimar_categories>\n";
}

} // namespace

class tst_kpHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    void hostileFilesAreRefusedInBoundedTime_data()
    {
        QTest::addColumn<QByteArray>("listFile");
        QTest::addColumn<QByteArray>("catalogueFile");
        QTest::addColumn<bool>("overviewListsIt");
        QTest::addColumn<int>("productsKept");

        const auto both = [](const char *pName, const QByteArray &pHostile, bool pListed, int pKept,
                             const QByteArray &pPrologue = {}) {
            QTest::newRow(pName) << qCompress(document("tovimar_list", pHostile, pPrologue))
                                 << qCompress(document("tovimar_categories", pHostile, pPrologue))
                                 << pListed << pKept;
        };
        QTest::newRow("absurd claimed size")
            << compressedWithClaim(document("tovimar_list", {}), 0xffffffffu)
            << compressedWithClaim(document("tovimar_categories", {}), 0xffffffffu) << false << 0;
        const QByteArray bomb(Limits::MaxDocumentSize + 1, ' ');
        QTest::newRow("unpacks past the size bound")
            << compressedWithClaim(bomb, 1024) << compressedWithClaim(bomb, 1024) << false << 0;
        both("tiny items past the element bound", distinctItems(Limits::MaxElementCount), true,
             Limits::MaxElementCount - 1);
        both("element of too many attributes", crowdedElement(Limits::MaxAttributeCount + 1), true,
             2);
        both("attributes filling the document",
             "<item" + repeated(" a=\"\"", Limits::MaxDocumentSize - 1024) + "/>", true, 2);
        both("deep nesting", repeated("<a>", Limits::MaxDocumentSize - 1024), true, 2);
        both("entities expanding to gigabytes", repeated("<item name=\"&x;\"/>", 3000000), false, 0,
             EntityPrologue);
    }

    // A list beyond a bound does not open, and its file stays as it was; the overview shows it
    // only when its header is sound; the catalogue keeps the products read before the bound.
    void hostileFilesAreRefusedInBoundedTime()
    {
        QFETCH(QByteArray, listFile);
        QFETCH(QByteArray, catalogueFile);
        QFETCH(bool, overviewListsIt);
        QFETCH(int, productsKept);
        QVERIFY(listFile.size() <= Limits::MaxDocumentSize);

        const QString list = listPath();
        writeFile(list, listFile);
        verifyBounded(costOf([&] {
                          kpListDataModel model;
                          QAbstractItemModelTester tester(&model);
                          QVERIFY(!model.loadModel(list));
                          QVERIFY(model.listName().isEmpty());
                          QVERIFY(model.items(true).isEmpty());
                          QVERIFY(!model.saveModel());
                      }),
                      "list");
        QCOMPARE(readFile(list), listFile);

        verifyBounded(costOf([&] {
                          kpListsDataModel overview;
                          QAbstractItemModelTester tester(&overview);
                          QCOMPARE(overview.loadData({list}), overviewListsIt);
                          QCOMPARE(overview.rowCount(), overviewListsIt ? 1 : 0);
                      }),
                      "overview");

        writeFile(cataloguePath(), catalogueFile);
        verifyBounded(costOf([&] {
                          kpCategoriesDataModel catalogue;
                          QAbstractItemModelTester tester(&catalogue);
                          (void)catalogue.loadModel();
                          catalogue.sortByProduct();
                          catalogue.updateModel();
                          QCOMPARE(catalogue.rowCount(), productsKept);
                          // The two sound products come first in the product order.
                          if (productsKept == 2) {
                              QCOMPARE(catalogue.index(0).data().toString(), "cheese");
                              QCOMPARE(catalogue.index(1).data().toString(), "milk");
                          }
                          catalogue.releaseModel();
                      }),
                      "catalogue");
    }

    // The bound on elements sits just above what a list may hold.
    void listAtTheElementBound_data()
    {
        QTest::addColumn<int>("items");
        QTest::addColumn<bool>("opens");
        // The root element counts too.
        QTest::newRow("largest list") << Limits::MaxElementCount - 1 << true;
        QTest::newRow("one item more") << Limits::MaxElementCount << false;
    }

    void listAtTheElementBound()
    {
        QFETCH(int, items);
        QFETCH(bool, opens);
        const QString list = listPath();
        writeCompressed(list,
                        "<tovimar_list name=\"big\">"
                            + QByteArray("<item status=\"unchecked\"/>").repeated(items)
                            + "</tovimar_list>");
        kpListDataModel model;
        QCOMPARE(model.loadModel(list), opens);
        QCOMPARE(model.items(true).size(), opens ? items : 0);
    }

    // The largest catalogue the program is made for opens whole, in reasonable time and memory.
    void largestSoundCatalogueOpens()
    {
        writeCompressed(cataloguePath(), realCatalogue(10000));
        verifyBounded(costOf([] {
                          kpCategoriesDataModel catalogue;
                          QVERIFY(catalogue.loadModel());
                          catalogue.sortByProduct();
                          catalogue.updateModel();
                          QCOMPARE(catalogue.rowCount(), 10000);
                      }),
                      "catalogue of 10,000 products");
    }

    // A document beyond the bounds would not read back: it is not written, the old file stays.
    void documentsBeyondTheBoundsAreNotWritten_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<bool>("written");
        QTest::newRow("too large") << QByteArray(Limits::MaxDocumentSize + 1, ' ') << false;
        QTest::newRow("element of too many attributes")
            << document("tovimar_list", crowdedElement(Limits::MaxAttributeCount + 1)) << false;
        auto list = [](int pItems) {
            return "<tovimar_list>" + QByteArray("<item name=\"a\"/>").repeated(pItems)
                + "</tovimar_list>";
        };
        // The root element counts too.
        QTest::newRow("largest list") << list(Limits::MaxElementCount - 1) << true;
        QTest::newRow("one item more") << list(Limits::MaxElementCount) << false;
    }

    void documentsBeyondTheBoundsAreNotWritten()
    {
        QFETCH(QByteArray, document);
        QFETCH(bool, written);
        const QString path = listPath();
        writeCompressed(path, "<tovimar_list/>");
        const QByteArray old = readFile(path);
        QCOMPARE(kpCompressedXmlFile::write(path, document, 9), written);
        QCOMPARE(readFile(path) != old, written);
    }

    // The settings are read as far as the bounds allow, like a file that breaks off there.
    void hostileSettingsKeepWhatWasReadBefore_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("currencyUnit");
        const QByteArray language = "<item name=\"language\" value=\"1\"/>";
        const QByteArray currency = "<item name=\"currency_unit\" value=\"2\"/>";
        const auto settings = [](const QByteArray &pBody) {
            return "<tovimar_settings version=\"1.0.0\">" + pBody + "</tovimar_settings>";
        };
        QTest::newRow("element of too many attributes")
            << settings(language + crowdedElement(Limits::MaxAttributeCount + 1) + currency) << 1
            << 0;
        QTest::newRow("elements past the bound")
            << settings(language + repeated("<x/>", Limits::MaxElementCount * 4) + currency) << 1
            << 0;
        QTest::newRow("entities") << EntityPrologue + settings(language + currency) << 0 << 0;
    }

    void hostileSettingsKeepWhatWasReadBefore()
    {
        QFETCH(QByteArray, settings);
        QFETCH(int, language);
        QFETCH(int, currencyUnit);
        writeFile(dataLocation() + QStringLiteral("/data/config.db"), settings);
        kpApplicationManager manager;
        manager.loadSettings();
        QCOMPARE(manager.languagesDataModel()->currentLanguageIndex(), language);
        QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencyIndex(), currencyUnit);
    }
};

TOVIMAR_TEST_MAIN(tst_kpHostileFiles)
#include "tst_kpHostileFiles.moc"
