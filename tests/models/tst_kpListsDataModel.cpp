#include "kpListsDataModel.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QSignalSpy>

using namespace kpTestSupport;

namespace {

// The fixture copied into the data location, under its own file name.
QString installed(const QString &pFixture)
{
    const QString path = QDir(dataLocation()).absoluteFilePath(QFileInfo(pFixture).fileName());
    installFixture(pFixture, path);
    return path;
}

} // namespace

class tst_kpListsDataModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    // No file at all is a failure. The first list element wherever it stands; a missing file, one
    // without a list element and one whose header is empty are left out.
    void rowsComeFromFileHeaders()
    {
        const QString week = installed("lists/week.kpl");
        const QString nested = installed("lists/nested.kpl");
        kpListsDataModel model;
        QAbstractItemModelTester tester(&model);
        QVERIFY(!model.loadData({}));
        QVERIFY(model.loadData({week, week + ".missing", installed("lists/bare-root.kpl"),
                                installed("lists/no-root.kpl"), nested}));
        QCOMPARE(model.rowCount(), 2);
        const QModelIndex row = model.index(0);
        QCOMPARE(row.data().toString(), "week");
        QCOMPARE(row.data(kpListsDataModel::ItemsListRole).toString(), "7");
        QCOMPARE(row.data(kpListsDataModel::PriceListRole).toString(), "8.50+");
        QCOMPARE(row.data(kpListsDataModel::PriceUnitRole).toString(), "$");
        QCOMPARE(row.data(kpListsDataModel::FilenameRole).toString(), week);
        QCOMPARE(model.listFileName(0), week);
        QCOMPARE(model.index(1).data(kpListsDataModel::NameRole).toString(), "party");
        QCOMPARE(model.index(1).data(kpListsDataModel::PriceListRole).toString(), "");
        QCOMPARE(model.listFileName(1), nested);
        QCOMPARE(model.listFileName(-1), QString());
        QCOMPARE(model.listFileName(2), QString());
    }

    // The program must not go on as if a damaged file were not there.
    void damagedFileStopsTheRebuild()
    {
        const QString good = installed("lists/nested.kpl");
        kpListsDataModel model;
        QAbstractItemModelTester tester(&model);
        QVERIFY(!model.loadData({good, installed("damaged/empty.kpl"), good}));
        QCOMPARE(model.rowCount(), 1);
    }

    void priceUnitChanges()
    {
        kpListsDataModel model;
        QAbstractItemModelTester tester(&model);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setPriceUnit("руб");
        QCOMPARE(changed.count(), 0);
        const QString week = installed("lists/week.kpl");
        QVERIFY(model.loadData({week, week}));
        QCOMPARE(model.index(1).data(kpListsDataModel::PriceUnitRole).toString(), "руб");
        model.setPriceUnit("€");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 0);
        QCOMPARE(changed.at(0).at(1).toModelIndex().row(), 1);
        QCOMPARE(model.index(0).data(kpListsDataModel::PriceUnitRole).toString(), "€");
    }

    void deletingRemovesOnlyTheFile()
    {
        kpListsDataModel model;
        QVERIFY(model.loadData({installed("lists/week.kpl")}));
        QVERIFY(!model.deleteList(-1));
        QVERIFY(!model.deleteList(1));
        QVERIFY(model.deleteList(0));
        QVERIFY(!QFile::exists(model.listFileName(0)));
        QCOMPARE(model.rowCount(), 1);
        QVERIFY(!model.deleteList(0));
    }
};

TOVIMAR_TEST_MAIN(tst_kpListsDataModel)
#include "tst_kpListsDataModel.moc"
