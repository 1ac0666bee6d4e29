#include "kpItemRecord.h"
#include "kpListDataModel.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QtTest>

using namespace kpTestSupport;
using Item = kpListDataModel::Item;

namespace {

struct TestItem
{
    QString name;
    QString category;
    QString status = kpItemRecord::Unchecked;
    QString price;
    QString count;
};

QByteArray listXml(const QList<TestItem> &pItems, const QString &pExtraRootAttributes = {})
{
    QString xml = QStringLiteral("<tovimar_list version=\"1.0.0\" name=\"week\" items_list=\"%1\" "
                                 "price_list=\"\" %2>\n")
                      .arg(pItems.size())
                      .arg(pExtraRootAttributes);
    for (const TestItem &item : pItems) {
        xml += QStringLiteral("<item name=\"%1\" category=\"%2\" status=\"%3\" price=\"%4\" "
                              "count=\"%5\" count_unit=\"\" note=\"\"/>\n")
                   .arg(item.name, item.category, item.status, item.price, item.count);
    }
    return (xml + QStringLiteral("</tovimar_list>")).toUtf8();
}

// Rows as "[category]" for headers and the item name for items.
QStringList rows(const kpListDataModel &pModel)
{
    QStringList shown;
    for (int row = 0; row < pModel.rowCount(); ++row) {
        const QModelIndex index = pModel.index(row);
        if (index.data(kpListDataModel::ItemTypeRole).toString() == "category")
            shown.append("[" + index.data(kpListDataModel::ItemCategoryNameRole).toString() + "]");
        else
            shown.append(index.data(kpListDataModel::ItemNameRole).toString());
    }
    return shown;
}

QString listPath()
{
    return QDir(listsDirectory()).absoluteFilePath("demo-list.kpl");
}

} // namespace

Q_DECLARE_METATYPE(TestItem)

class tst_kpListDataModel : public QObject
{
    Q_OBJECT

    // The model shows the given items in the given order and display.
    void open(kpListDataModel &pModel, const QList<TestItem> &pItems, bool pByProduct = false,
              bool pCart = false)
    {
        writeCompressed(listPath(), listXml(pItems));
        QVERIFY(pModel.loadModel(listPath()));
        pByProduct ? pModel.sortByProduct() : pModel.sortByCategory();
        pCart ? pModel.displayCart() : pModel.displayList();
        pModel.updateModel();
    }

private slots:
    void init() { clearDataLocation(); }

    void savedFileHoldsKeptRecordsInAFixedForm()
    {
        {
            kpListDataModel model;
            writeCompressed(listPath(),
                            listXml({{"milk", "dairy", "unchecked", "1.25", "2"},
                                     {"bread", "bakery", "checked", "2", "1"},
                                     {"gone", "bakery", "deleted"}},
                                    "colour=\"blue\" filename=\"/elsewhere.kpl\""));
            QVERIFY(model.loadModel(listPath()));
            QCOMPARE(model.listHeader().value("colour"), "blue");
            QCOMPARE(model.listHeader().value("filename"), listPath());
            QVERIFY(model.saveModel());
        }
        // Also written on destruction. Unknown root attributes, the path and deleted records
        // stay out; totals go into the header.
        QCOMPARE(uncompressFile(listPath()),
                 "\n<tovimar_list version=\"1.0.0\" name=\"week\" items_list=\"1\" "
                 "price_list=\"2.50\">\n"
                 "    <item name=\"milk\" category=\"dairy\" price=\"1.25\" count=\"2\" "
                 "count_unit=\"\" note=\"\" status=\"unchecked\"/>\n"
                 "    <item name=\"bread\" category=\"bakery\" price=\"2\" count=\"1\" "
                 "count_unit=\"\" note=\"\" status=\"checked\"/>\n"
                 "</tovimar_list>");
        const QByteArray first = readFile(listPath());
        QCOMPARE(first, qCompress(uncompressFile(listPath()), 9));
        kpListDataModel again;
        QVERIFY(again.loadModel(listPath()));
        QVERIFY(again.saveModel());
        QCOMPARE(readFile(listPath()), first);
    }

    void listWithNothingToBuyHasNoFile()
    {
        kpListDataModel model;
        open(model, {{"milk", "dairy", "checked"}});
        QVERIFY(model.saveModel());
        QVERIFY(!QFile::exists(listPath()));
        QVERIFY(model.saveModel());
        QVERIFY(!model.loadModel(listPath()));
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("plain xml") << listXml({{"milk", "dairy"}}) << QStringList();
        QByteArray broken = listXml({{"a", "c"}, {"b", "c"}, {"d", "c"}});
        broken.insert(broken.lastIndexOf("<item"), "<item name=\"x\" <<");
        QTest::newRow("broken xml keeps what was read")
            << qCompress(broken) << QStringList({"[c]", "a", "b"});
    }

    // A file that does not uncompress is refused, empties the views and stays as it was.
    void damagedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, expected);
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"tea", "drinks"}});
        // A file that cannot be opened leaves the open list as it was.
        QVERIFY(!model.loadModel(listPath() + ".missing"));
        QCOMPARE(model.rowCount(), 2);
        writeFile(listPath(), bytes);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy nameChanged(&model, &kpListDataModel::listNameChanged);
        const bool loads = !expected.isEmpty();
        QCOMPARE(model.loadModel(listPath()), loads);
        QCOMPARE(reset.count(), 1);
        QCOMPARE(nameChanged.count(), loads ? 1 : 0);
        model.updateModel();
        QCOMPARE(rows(model), expected);
        if (!loads) {
            QVERIFY(!model.saveModel());
            QCOMPARE(readFile(listPath()), bytes);
        }
    }

    void failedWriteIsReportedAndReplacesNothing()
    {
        kpListDataModel model;
        open(model, {{"tea", "drinks"}});
        // A folder with content in place of the file: the new file cannot replace it.
        QVERIFY(QFile::remove(listPath()));
        writeFile(listPath() + "/kept", "kept");
        QVERIFY(!model.saveModel());
        QCOMPARE(readFile(listPath() + "/kept"), "kept");
        QCOMPARE(QDir(listsDirectory()).entryList(QDir::Files), QStringList());
        // Nothing left to buy, but the old file cannot be removed: no success is reported.
        model.toggleItem(1);
        QVERIFY(!model.saveModel());
        QDir(listPath()).removeRecursively();
    }

    void newList_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("name");
        QTest::newRow("blanks simplified") << "  weekly \t  shop  " << true << "weekly shop";
        QTest::newRow("cancelled") << "name" << false << "week";
        QTest::newRow("only blanks") << "   " << true << "week";
    }

    // A new list has nothing to buy yet: the old file is gone at once.
    void newList()
    {
        QFETCH(QString, answer);
        QFETCH(bool, accept);
        QFETCH(QString, name);
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"tea", "drinks"}});
        QSignalSpy nameChanged(&model, &kpListDataModel::listNameChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        answerInputDialog(answer, accept);
        const bool created = model.newModel(listPath());
        QCOMPARE(created, name != "week");
        QCOMPARE(model.listName(), name);
        QCOMPARE(nameChanged.count(), created ? 1 : 0);
        QCOMPARE(reset.count(), created ? 1 : 0);
        QCOMPARE(model.rowCount(), created ? 0 : 2);
        QCOMPARE(QFile::exists(listPath()), !created);
    }

    void rowOrders_data()
    {
        QTest::addColumn<QList<TestItem>>("items");
        QTest::addColumn<bool>("byProduct");
        QTest::addColumn<bool>("cart");
        QTest::addColumn<QStringList>("expected");
        const QList<TestItem> shop
            = {{"apples", "fruit"}, {"Bread", "bakery"}, {"kale", "veg", "checked"},
               {"pears", "fruit"},  {"Zucchini", "veg"}, {"gone", "veg", "deleted"}};
        QTest::newRow("category order groups under headers")
            << shop << false << false
            << QStringList(
                   {"[bakery]", "Bread", "[fruit]", "apples", "pears", "[veg]", "Zucchini"});
        QTest::newRow("product order is code-unit order")
            << shop << true << false << QStringList({"Bread", "Zucchini", "apples", "pears"});
        QTest::newRow("cart shows checked items with their own headers")
            << shop << false << true << QStringList({"[veg]", "kale"});
        // A header key is the category and ":"; a blank sorts before it, and a ":" inside a
        // category cuts its header's text.
        QTest::newRow("unusual categories") << QList<TestItem>(
            {{"salt", ""}, {"rice", "dry:goods"}, {"cheese", "milk products"}, {"kefir", "milk"}})
                                            << false << false
                                            << QStringList({"[]", "salt", "[dry]", "rice",
                                                            "[milk products]", "cheese", "[milk]",
                                                            "kefir"});
    }

    void rowOrders()
    {
        QFETCH(QList<TestItem>, items);
        QFETCH(bool, byProduct);
        QFETCH(bool, cart);
        QFETCH(QStringList, expected);
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, items, byProduct, cart);
        QCOMPARE(rows(model), expected);
    }

    void rolesOfHeaderAndItemRows()
    {
        kpListDataModel model;
        open(model,
             {{"rice", "dry:goods"},
              {"milk", "dairy", "unchecked", "1"},
              {"milk", "dairy", "unchecked", "2"}});
        // The same name twice gives two rows, the later record first.
        QCOMPARE(rows(model), QStringList({"[dairy]", "milk", "milk", "[dry]", "rice"}));
        QCOMPARE(model.index(1).data(kpListDataModel::ItemPriceRole).toString(), "2");
        QCOMPARE(model.index(2).data(kpListDataModel::ItemPriceRole).toString(), "1");
        const QModelIndex header = model.index(0);
        const QModelIndex rice = model.index(4);
        QCOMPARE(header.data(Qt::DisplayRole).toString(), "");
        QCOMPARE(header.data(kpListDataModel::ListNameRole).toString(), "week");
        QCOMPARE(rice.data(kpListDataModel::ItemCategoryNameRole).toString(), "dry:goods");
        QCOMPARE(rice.data(Qt::UserRole + 99), QVariant(QString()));
        // Views expect fonts, colours and sizes there, not text.
        QVERIFY(!rice.data(Qt::FontRole).isValid());
        QCOMPARE(model.data(model.index(99), kpListDataModel::ItemNameRole), QVariant(QString()));
        QCOMPARE(model.roleNames().value(33), "item_name");
        QCOMPARE(model.itemHeight(0), 50);
        QCOMPARE(model.itemHeight(1), 70);
        QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), "Column 3");
    }

    // Names and the categories of typed items are stored lower case; a checked record of the
    // same name and category is put back on the list instead of a second one.
    void addingTypedItems()
    {
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model,
             {{"Milk", "Dairy", "checked", "3", "1"},
              {"bread", "bakery", "checked"},
              {"kefir", "dairy"},
              {"tea", "Drinks"}});
        QSignalSpy added(&model, &kpListDataModel::itemAdded);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        // Already on the list, whatever the category.
        QVERIFY(!model.addItem(2, "TEA"));
        QVERIFY(model.addItem(3, "milk"));
        QVERIFY(model.addItem(0, "Bread"));
        QCOMPARE(rows(model),
                 QStringList({"[Drinks]", "tea", "[dairy]", "kefir", "milk", "[drinks]", "bread"}));
        QCOMPARE(model.items(true).size(), 4);
        // The cart's record of the same product, whatever its case, was taken back to the list.
        QCOMPARE(model.items(false).size(), 1);
        QCOMPARE(added.count(), 2);
        QCOMPARE(added.at(0).at(0).value<Item>().value("price"), "");
        QCOMPARE(added.at(1).at(0).value<Item>().value("name"), "bread");
        QCOMPARE(added.at(1).at(0).value<Item>().value("category"), "drinks");
        QCOMPARE(inserted.count(), 3);
        QCOMPARE(inserted.at(1).at(1).toInt(), 5);
        QCOMPARE(inserted.at(2).at(1).toInt(), 6);

        // Without a current row the category is asked for; a row gone since has none.
        answerInputDialog("fruit", false);
        QVERIFY(!model.addItem(-1, "apples"));
        answerInputDialog("Fruit", true);
        QVERIFY(model.addItem(-1, "apples"));
        QVERIFY(model.addItem(99, "salt"));
        QCOMPARE(rows(model),
                 QStringList({"[]", "salt", "[Drinks]", "tea", "[dairy]", "kefir", "milk",
                              "[drinks]", "bread", "[fruit]", "apples"}));
    }

    void updatingAnItem()
    {
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"milk", "dairy"}});
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy updated(&model, &kpListDataModel::itemUpdated);
        model.updateItem(0, "1", "2", "l", "x");
        QCOMPARE(updated.count(), 0);
        model.updateItem(1, "1.5", "2", "l", "fresh");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(updated.count(), 1);
        const Item milk = updated.at(0).at(0).value<Item>();
        QCOMPARE(milk.value("price"), "1.5");
        QCOMPARE(milk.value("note"), "fresh");
        QCOMPARE(model.index(1).data(kpListDataModel::ItemCountUnitRole).toString(), "l");
    }

    void deleting()
    {
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"milk", "dairy"}, {"tea", "drinks"}, {"cola", "drinks", "checked"}});
        QVERIFY(!model.deleteItem(0));
        const auto cancelled = answerMessageBox(QMessageBox::Cancel);
        QVERIFY(!model.deleteItem(1));
        QCOMPARE(cancelled->text, "Are you sure you want to delete item milk?");
        QCOMPARE(model.rowCount(), 4);
        answerMessageBox(QMessageBox::Ok);
        QVERIFY(model.deleteItem(1));
        QCOMPARE(rows(model), QStringList({"[drinks]", "tea"}));
        model.updateCountPrice();
        QCOMPARE(model.listItemsAmount(), "1");

        answerMessageBox(QMessageBox::Cancel);
        QVERIFY(!model.deleteAll());
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        answerMessageBox(QMessageBox::Ok);
        QVERIFY(model.deleteAll());
        QCOMPARE(removed.count(), 1);
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(model.items(false).isEmpty());
        // No rows left: no removal is announced.
        answerMessageBox(QMessageBox::Ok);
        QVERIFY(model.deleteAll());
        QCOMPARE(removed.count(), 1);
    }

    void tickingToTheCheckout()
    {
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"milk", "dairy", "unchecked", "1.25", "2"}, {"tea", "drinks", "unchecked"}});
        QStringList order;
        auto record = [&order, &model](const QString &pSignal) {
            return [&order, &model, pSignal]() {
                order.append(pSignal + model.checkoutAmount());
            };
        };
        connect(&model, &kpListDataModel::checkoutRequested, this, record("requested "));
        connect(&model, &kpListDataModel::checkoutAmountChanged, this, record("amount "));
        connect(&model, &kpListDataModel::checkoutPriceChanged, this, record("price "));
        // The only item of its category takes its header with it.
        model.toggleItem(1);
        QCOMPARE(rows(model), QStringList({"[drinks]", "tea"}));
        QVERIFY(order.isEmpty());
        QVERIFY(!model.needsCheckout());
        model.toggleItem(1);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(order, QStringList({"requested 2", "amount 2", "price 2"}));
        QCOMPARE(model.checkoutPrice(), "2.50+");
        QVERIFY(model.needsCheckout());

        // Emptying the cart asks for no checkout.
        model.displayCart();
        model.updateModel();
        QCOMPARE(rows(model), QStringList({"[dairy]", "milk", "[drinks]", "tea"}));
        model.toggleItem(1);
        model.toggleItem(1);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(order.size(), 3);
        QVERIFY(!model.needsCheckout());

        QVERIFY(model.checkout());
        QVERIFY(model.items(false).isEmpty());
    }

    void totals_data()
    {
        QTest::addColumn<QList<TestItem>>("items");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("missing price adds +") << QList<TestItem>(
            {{"a", "c", "unchecked", "1.25", "2"}, {"b", "c", "unchecked", "", "1"}})
                                              << QStringList({"2", "2.50+", "", ""});
        QTest::newRow("no price at all")
            << QList<TestItem>({{"a", "c", "unchecked", "", ""}}) << QStringList({"1", "", "", ""});
        QTest::newRow("records are counted, not amounts")
            << QList<TestItem>({{"a", "c", "unchecked", "1", "2"},
                                {"b", "c", "unchecked", "1", "2"},
                                {"d", "c", "unchecked", "1", "2"}})
            << QStringList({"3", "6.00", "", ""});
        QTest::newRow("cart group, deleted and unreadable numbers")
            << QList<TestItem>({{"a", "c", "checked", "x", "2"},
                                {"b", "c", "odd", "0.5", "3"},
                                {"d", "c", "deleted", "9", "9"}})
            << QStringList({"", "", "2", "1.50"});
    }

    void totals()
    {
        QFETCH(QList<TestItem>, items);
        QFETCH(QStringList, expected);
        kpListDataModel model;
        open(model, items);
        model.updateCountPrice();
        QCOMPARE(QStringList({model.listItemsAmount(), model.listItemsPrice(),
                              model.cartItemsAmount(), model.cartItemsPrice()}),
                 expected);
    }

    void takingOverCatalogueProducts()
    {
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"milk", "dairy"}, {"Tea", "drinks"}});
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.addItems({});
        QCOMPARE(reset.count(), 0);
        const QString unchecked = kpItemRecord::Unchecked;
        model.addItems({{{"name", "Tea"}, {"category", "Drinks"}, {"status", unchecked}},
                        {{"name", "Bread"}, {"category", "bakery"}, {"status", unchecked}},
                        {{"name", "MILK"}, {"category", "dairy"}, {"status", unchecked}}});
        QCOMPARE(reset.count(), 1);
        // Tea is stored with a capital, so the lower-cased lookup misses it.
        QCOMPARE(rows(model),
                 QStringList({"[Drinks]", "Tea", "[bakery]", "Bread", "[dairy]", "milk", "[drinks]",
                              "Tea"}));

        // In product order a product shown under its name is put back on the list.
        model.toggleItem(5);
        QCOMPARE(model.items(false).size(), 1);
        model.sortByProduct();
        model.displayCart();
        model.updateModel();
        model.addItems({Item{{"name", "milk"}, {"category", "x"}}});
        QCOMPARE(model.items(false).size(), 0);
        QCOMPARE(model.items(true).size(), 4);
    }
};

TOVIMAR_TEST_MAIN(tst_kpListDataModel)
#include "tst_kpListDataModel.moc"
