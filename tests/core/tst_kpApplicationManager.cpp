#include "kpApplicationManager.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QtTest>

using namespace kpTestSupport;

namespace {

QString listPath()
{
    return QDir(listsDirectory()).absoluteFilePath("demo-list.kpl");
}

void writeList()
{
    writeCompressed(listPath(),
                    "<tovimar_list version=\"1.0.0\" name=\"week\" items_list=\"1\">"
                    "<item name=\"tea\" category=\"drinks\" status=\"unchecked\"/>"
                    "<item name=\"milk\" category=\"dairy\" status=\"checked\"/>"
                    "</tovimar_list>");
}

QStringList rowsWithStatus(const QAbstractItemModel *pModel)
{
    QStringList rows;
    for (int row = 0; row < pModel->rowCount(); ++row) {
        const QModelIndex index = pModel->index(row, 0);
        rows << index.data(kpItemRowsModel::ItemNameRole).toString() + ':'
                + index.data(kpItemRowsModel::ItemStatusRole).toString();
    }
    return rows;
}

} // namespace

class tst_kpApplicationManager : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    void firstStartCreatesTheListsFolder()
    {
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        QVERIFY(QDir(listsDirectory()).exists());
        QCOMPARE(manager.listsDataModel()->rowCount(), 0);
        // Prices are written and read with "." whatever the language.
        QCOMPARE(QLocale().name(), "en_US");
    }

    void damagedListFailsInitialisationAndStays()
    {
        writeFile(listPath(), QByteArray());
        kpApplicationManager manager;
        QVERIFY(!manager.initialize());
        QVERIFY(QFile::exists(listPath()));
        QCOMPARE(readFile(listPath()), QByteArray());
    }

    void loadingAList()
    {
        writeList();
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        kpListDataModel *list = manager.listDataModel();
        list->sortByProduct();
        list->displayCart();
        QVERIFY(!manager.loadList(-1));
        QVERIFY(!manager.loadList(1));
        QCOMPARE(list->rowCount(), 0);
        QVERIFY(manager.loadList(0));
        QCOMPARE(list->listName(), "week");
        QVERIFY(list->isSortByCategory());
        QVERIFY(list->isDisplayList());
        QCOMPARE(list->rowCount(), 2);
    }

    // The catalogue greys out what the list holds, hands its ticks to the list, and learns the
    // products typed into the list.
    void catalogueAndListMeet()
    {
        writeList();
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        kpCategoriesDataModel *catalogue = manager.productsDataModel();
        writeCompressed(catalogue->userCopyPath(),
                        "<tovimar_categories version=\"1.0.0\">"
                        "<item name=\"tea\" category=\"drinks\" status=\"unchecked\"/>"
                        "<item name=\"bread\" category=\"bakery\" status=\"unchecked\"/>"
                        "</tovimar_categories>");
        QVERIFY(manager.loadList(0));
        QVERIFY(catalogue->loadModel());

        manager.updateCategoryItems();
        QCOMPARE(rowsWithStatus(catalogue),
                 QStringList({":", "bread:unchecked", ":", "tea:unknown"}));
        catalogue->toggleItem(3);
        catalogue->toggleItem(1);
        manager.updateListItems();
        QCOMPARE(rowsWithStatus(catalogue),
                 QStringList({":", "bread:unchecked", ":", "tea:unchecked"}));
        // Tea was greyed out, so its tick did nothing.
        kpListDataModel *list = manager.listDataModel();
        QCOMPARE(rowsWithStatus(list), QStringList({":", "bread:unchecked", ":", "tea:unchecked"}));

        QVERIFY(list->addItem(3, "Juice"));
        QVERIFY(rowsWithStatus(catalogue).contains("juice:unchecked"));
    }

    // Cancelled or not, the overview is read again.
    void deletingAListAsksFirst()
    {
        writeList();
        QQuickWidget view;
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        manager.setParentWidget(&view);
        QSignalSpy reset(manager.listsDataModel(), &QAbstractItemModel::modelReset);
        const auto cancelled = answerMessageBox(QMessageBox::Cancel);
        QVERIFY(manager.deleteList(0));
        QCOMPARE(cancelled->text, "Are you sure you want to delete list week?");
        QVERIFY(QFile::exists(listPath()));
        QCOMPARE(reset.count(), 1);

        answerMessageBox(QMessageBox::Ok);
        QVERIFY(manager.deleteList(0));
        QVERIFY(!QFile::exists(listPath()));
        QCOMPARE(manager.listsDataModel()->rowCount(), 0);
    }

    void listsFolderRemovedWhileRunning()
    {
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        QVERIFY(QDir(listsDirectory()).removeRecursively());
        QVERIFY(!manager.updateListsDataModel());
        QVERIFY(QDir(listsDirectory()).exists());
        QVERIFY(manager.updateListsDataModel());
    }

    void dataLocationThatCannotBeCreated()
    {
        writeFile(dataLocation(), "a file where the data folder should be");
        kpApplicationManager manager;
        QVERIFY(!manager.initialize());
        QVERIFY(!manager.createNewList());
        QFile::remove(dataLocation());
    }

    void fullScreenTogglesOnlyWithAView()
    {
        QQuickWidget view;
        kpApplicationManager manager;
        manager.toogleFullscreen();
        manager.setParentWidget(&view);
        view.show();
        manager.toogleFullscreen();
        QVERIFY(view.isFullScreen());
        manager.toogleFullscreen();
        QVERIFY(!view.isFullScreen());
    }
};

TOVIMAR_TEST_MAIN(tst_kpApplicationManager)
#include "tst_kpApplicationManager.moc"
