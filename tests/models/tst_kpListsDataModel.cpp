#include "kpListsDataModel.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QtTest>

using namespace kpTestSupport;

namespace {

QString path(const QString &pName)
{
    return QDir(dataLocation()).absoluteFilePath(pName);
}

} // namespace

class tst_kpListsDataModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    // The first list element wherever it stands; a missing file, one without a list element and
    // one whose header is empty are left out.
    void rowsComeFromFileHeaders()
    {
        writeCompressed(path("a.kpl"),
                        "<tovimar_list version=\"1.0.0\" name=\"week\" "
                        "items_list=\"3\" price_list=\"4.50+\" filename=\"/x\">"
                        "<item name=\"never read\"/>");
        writeCompressed(path("nested.kpl"),
                        "<outer><tovimar_list name=\"party\" items_list=\"1\"/></outer>");
        writeCompressed(path("bare.kpl"), "<tovimar_list/>");
        writeCompressed(path("other.kpl"), "<something_else name=\"x\"/>");
        kpListsDataModel model;
        QAbstractItemModelTester tester(&model);
        QVERIFY(model.loadData({path("a.kpl"), path("missing.kpl"), path("bare.kpl"),
                                path("other.kpl"), path("nested.kpl")}));
        QCOMPARE(model.rowCount(), 2);
        const QModelIndex week = model.index(0);
        QCOMPARE(week.data().toString(), "week");
        QCOMPARE(week.data(kpListsDataModel::ItemsListRole).toString(), "3");
        QCOMPARE(week.data(kpListsDataModel::PriceListRole).toString(), "4.50+");
        QCOMPARE(week.data(kpListsDataModel::PriceUnitRole).toString(), "$");
        QCOMPARE(model.listFileName(0), path("a.kpl"));
        QCOMPARE(model.index(1).data(kpListsDataModel::PriceListRole).toString(), "");
        QCOMPARE(model.listFileName(1), path("nested.kpl"));
        QCOMPARE(model.listFileName(-1), QString());
        QCOMPARE(model.listFileName(2), QString());
        QVERIFY(!week.data(Qt::FontRole).isValid());
    }

    void damagedFileStopsTheRebuild_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("plain xml") << QByteArray("<tovimar_list name=\"x\"/>");
    }

    void damagedFileStopsTheRebuild()
    {
        QFETCH(QByteArray, bytes);
        writeCompressed(path("good.kpl"), "<tovimar_list name=\"good\"/>");
        writeFile(path("bad.kpl"), bytes);
        kpListsDataModel model;
        QAbstractItemModelTester tester(&model);
        QVERIFY(!model.loadData({path("good.kpl"), path("bad.kpl"), path("good.kpl")}));
        QCOMPARE(model.rowCount(), 1);
    }

    void emptyPathListAndMissingFile()
    {
        kpListsDataModel model;
        QVERIFY(!model.loadData({}));
        QVERIFY(model.loadData({path("missing.kpl")}));
        QCOMPARE(model.rowCount(), 0);
    }

    void priceUnitChanges()
    {
        kpListsDataModel model;
        QAbstractItemModelTester tester(&model);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setPriceUnit("руб");
        QCOMPARE(changed.count(), 0);
        writeCompressed(path("a.kpl"), "<tovimar_list name=\"a\"/>");
        QVERIFY(model.loadData({path("a.kpl"), path("a.kpl")}));
        QCOMPARE(model.index(1).data(kpListsDataModel::PriceUnitRole).toString(), "руб");
        model.setPriceUnit("€");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(1).toModelIndex().row(), 1);
    }

    void deletingRemovesOnlyTheFile()
    {
        writeCompressed(path("a.kpl"), "<tovimar_list name=\"a\"/>");
        kpListsDataModel model;
        QVERIFY(model.loadData({path("a.kpl")}));
        QVERIFY(!model.deleteList(-1));
        QVERIFY(!model.deleteList(1));
        QVERIFY(model.deleteList(0));
        QVERIFY(!QFile::exists(path("a.kpl")));
        QCOMPARE(model.rowCount(), 1);
        QVERIFY(!model.deleteList(0));
    }
};

TOVIMAR_TEST_MAIN(tst_kpListsDataModel)
#include "tst_kpListsDataModel.moc"
