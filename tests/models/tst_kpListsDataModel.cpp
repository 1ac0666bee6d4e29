#include "kpListsDataModel.h"
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

// A row as the overview shows it: name, amount, price and price unit.
QString shown(const kpListsDataModel &pModel, int pRow)
{
    QStringList values;
    for (int role = kpListsDataModel::NameRole; role <= kpListsDataModel::PriceUnitRole; ++role)
        values.append(pModel.index(pRow).data(role).toString());
    return values.join(' ');
}

} // namespace

class tst_kpListsDataModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    // No file at all is a failure. The first list element wherever it stands; a missing file, one
    // without a list element and one whose header is empty are left out (a row naming its file is
    // checked on every fixture by the list file's fuzz replay). A damaged file stops the
    // rebuild: the program must not go on as if it were not there.
    void rowsComeFromFileHeaders()
    {
        const QString week = installed("lists/week.kpl");
        const QString nested = installed("lists/nested.kpl");
        kpListsDataModel model;
        QAbstractItemModelTester tester(&model);
        QVERIFY(!model.loadData({}));
        QVERIFY(model.loadData({week, week + ".missing", installed("lists/bare-root.kpl"),
                                installed("lists/no-root.kpl"), nested}));
        QCOMPARE(QStringList({shown(model, 0), shown(model, 1)}),
                 QStringList({"week 7 8.50+ $", "party 1  $"}));
        QVERIFY(!model.loadData({nested, installed("damaged/empty.kpl"), nested}));
        QCOMPARE(model.rowCount(), 1);
    }

    // The unit is the same on every row; changing it redraws them all, and with no rows nothing
    // (the tester refuses a change of rows that are not there). The unit in force from the start
    // is the manager's test. Deleting removes only the file; the rows are read again by the
    // manager, whose test shows the file gone.
    void priceUnitAndDeleting()
    {
        kpListsDataModel model;
        QAbstractItemModelTester tester(&model);
        model.setPriceUnit("руб");
        const QString week = installed("lists/week.kpl");
        QVERIFY(model.loadData({week, week}));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        model.setPriceUnit("€");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 0);
        QCOMPARE(changed.at(0).at(1).toModelIndex().row(), 1);
        QCOMPARE(shown(model, 1), "week 7 8.50+ €");
        // The second row names the same file, gone with the first; no row, no file.
        QVERIFY(model.deleteList(0));
        QVERIFY(!model.deleteList(1));
        QVERIFY(!model.deleteList(-1));
    }
};

TOVIMAR_TEST_MAIN(tst_kpListsDataModel)
#include "tst_kpListsDataModel.moc"
