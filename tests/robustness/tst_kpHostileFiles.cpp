#include "kpCategoriesDataModel.h"
#include "kpCompressedXmlFile.h"
#include "kpListDataModel.h"
#include "kpListsDataModel.h"
#include "kpTestSupport.h"

#include <QAbstractItemModelTester>
#include <functional>

using namespace kpTestSupport;

namespace {

// What a hostile file may cost at most; the sound files of the program take far less. The
// sanitizers make it meaningless.
constexpr qint64 MaxPeakMemoryMiB = 64;

#ifdef __SANITIZE_ADDRESS__
constexpr bool CostIsMeasurable = false;
#else
constexpr bool CostIsMeasurable = true;
#endif

qint64 statusKiB(const QByteArray &pField)
{
    const QByteArray status = readFile(QStringLiteral("/proc/self/status"));
    const qsizetype value = status.indexOf(pField) + pField.size();
    return status.mid(value).trimmed().split(' ').value(0).toLongLong();
}

// Runs pAction and checks the resident memory it gained at its peak.
void verifyBounded(const char *pReader, const std::function<void()> &pAction)
{
    // Resets the peak to the present size.
    writeFile(QStringLiteral("/proc/self/clear_refs"), "5");
    const qint64 before = statusKiB("VmRSS:");
    pAction();
    const qint64 peakMiB = (statusKiB("VmHWM:") - before) / 1024;
    qInfo("%s: %lld MiB at the peak", pReader, peakMiB);
    if (CostIsMeasurable)
        QVERIFY2(peakMiB < MaxPeakMemoryMiB, pReader);
}

} // namespace

class tst_kpHostileFiles : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    void untrustedFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("listItems");
        QTest::addColumn<bool>("overviewListsIt");
        QTest::addColumn<int>("productsKept");
        const auto row = [](const char *pFile, int pListItems, bool pListed, int pKept) {
            QTest::newRow(pFile) << QString(pFile) << pListItems << pListed << pKept;
        };
        // -1 items: the list does not open. Any XML syntax error ends the reading.
        row("damaged/empty.kpl", -1, false, 0);
        row("damaged/header-only.kpl", -1, false, 0);
        row("damaged/truncated.kpl", -1, false, 0);
        row("damaged/absurd-claimed-size.kpl", -1, false, 0);
        row("damaged/understated-size.kpl", 8, true, 10);
        row("lists/week.xml", -1, false, 0);
        row("lists/broken-xml.kpl", 2, true, 2);
        row("lists/no-root.kpl", 0, false, 0);
        // Two sound products (milk, cheese) before what is hostile, and one after it.
        row("hostile/past-size-bound.kpl", -1, false, 0);
        // 20,000 elements at most, the root element counted.
        row("hostile/past-element-bound.kpl", -1, true, 19999);
        row("hostile/crowded-element.kpl", -1, true, 2);
        row("hostile/attributes-filling.kpl", -1, true, 2);
        row("hostile/deep-nesting.kpl", -1, true, 2);
        row("hostile/entity-expansion.kpl", -1, false, 0);
    }

    // A list that is damaged or beyond a bound does not open, and its file stays as it was; the
    // overview shows it only when its header is sound; the catalogue keeps the products read
    // before the damage or the bound. Reading costs little memory at any rate.
    void untrustedFiles()
    {
        QFETCH(QString, file);
        QFETCH(int, listItems);
        QFETCH(bool, overviewListsIt);
        QFETCH(int, productsKept);
        installFixture(file, listPath());
        verifyBounded("list", [&] {
            kpListDataModel model;
            QAbstractItemModelTester tester(&model);
            QCOMPARE(model.loadModel(listPath()), listItems >= 0);
            QCOMPARE(model.items(true).size(), qMax(listItems, 0));
            QVERIFY(listItems >= 0 || !model.saveModel());
        });
        QVERIFY(listItems >= 0 || readFile(listPath()) == fixture(file));

        verifyBounded("overview", [&] {
            kpListsDataModel overview;
            QAbstractItemModelTester tester(&overview);
            QCOMPARE(overview.loadData({listPath()}), overviewListsIt || listItems >= 0);
            QCOMPARE(overview.rowCount(), overviewListsIt ? 1 : 0);
        });

        installFixture(file, cataloguePath());
        verifyBounded("catalogue", [&] {
            kpCategoriesDataModel catalogue;
            QAbstractItemModelTester tester(&catalogue);
            // Whatever uncompresses loads, up to where the reading ends.
            QCOMPARE(catalogue.loadModel(),
                     !kpCompressedXmlFile::uncompress(fixture(file)).isEmpty());
            catalogue.sortByProduct();
            catalogue.updateModel();
            QCOMPARE(catalogue.rowCount(), productsKept);
            if (file.startsWith("hostile") && productsKept == 2)
                QCOMPARE(rows(catalogue), QStringList({"cheese", "milk"}));
            catalogue.releaseModel();
        });
    }
};

TOVIMAR_TEST_MAIN(tst_kpHostileFiles)
#include "tst_kpHostileFiles.moc"
