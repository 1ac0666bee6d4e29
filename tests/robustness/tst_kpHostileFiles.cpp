#include "kpCategoriesDataModel.h"
#include "kpCompressedXmlFile.h"
#include "kpListDataModel.h"
#include "kpListsDataModel.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QFile>
#include <QtTest>
#include <functional>

using namespace kpTestSupport;

namespace {

// What a hostile file may cost at most; the sound files of the program take far less. The
// sanitizers make it meaningless.
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

// Runs pAction and checks the resident memory it gained at its peak.
void verifyBounded(const char *pReader, const std::function<void()> &pAction)
{
    QFile peak(QStringLiteral("/proc/self/clear_refs"));
    if (peak.open(QIODevice::WriteOnly))
        peak.write("5");
    peak.close();
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

    // Each holds two sound products (milk, cheese) before what is hostile, and one after it.
    void hostileFilesAreRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("overviewListsIt");
        QTest::addColumn<int>("productsKept");
        const auto row = [](const char *pName, bool pListed, int pKept) {
            QTest::newRow(pName) << QString("hostile/%1.kpl").arg(pName) << pListed << pKept;
        };
        row("absurd-claimed-size", false, 0);
        row("past-size-bound", false, 0);
        // The root element counts too.
        row("past-element-bound", true, kpCompressedXmlFile::MaxElementCount - 1);
        row("crowded-element", true, 2);
        row("attributes-filling", true, 2);
        row("deep-nesting", true, 2);
        row("entity-expansion", false, 0);
    }

    // A list beyond a bound does not open, and its file stays as it was; the overview shows it
    // only when its header is sound; the catalogue keeps the products read before the bound.
    void hostileFilesAreRefused()
    {
        QFETCH(QString, file);
        QFETCH(bool, overviewListsIt);
        QFETCH(int, productsKept);
        installFixture(file, listPath());
        verifyBounded("list", [&] {
            kpListDataModel model;
            QAbstractItemModelTester tester(&model);
            QVERIFY(!model.loadModel(listPath()));
            QVERIFY(model.listName().isEmpty());
            QVERIFY(model.items(true).isEmpty());
            QVERIFY(!model.saveModel());
        });
        QCOMPARE(readFile(listPath()), fixture(file));

        verifyBounded("overview", [&] {
            kpListsDataModel overview;
            QAbstractItemModelTester tester(&overview);
            QCOMPARE(overview.loadData({listPath()}), overviewListsIt);
            QCOMPARE(overview.rowCount(), overviewListsIt ? 1 : 0);
        });

        installFixture(file, cataloguePath());
        verifyBounded("catalogue", [&] {
            kpCategoriesDataModel catalogue;
            QAbstractItemModelTester tester(&catalogue);
            (void)catalogue.loadModel();
            catalogue.sortByProduct();
            catalogue.updateModel();
            QCOMPARE(catalogue.rowCount(), productsKept);
            // The two sound products come first in the product order.
            if (productsKept == 2)
                QCOMPARE(rows(catalogue), QStringList({"cheese", "milk"}));
            catalogue.releaseModel();
        });
    }
};

TOVIMAR_TEST_MAIN(tst_kpHostileFiles)
#include "tst_kpHostileFiles.moc"
