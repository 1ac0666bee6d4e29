#include "kpItemRecord.h"
#include "kpListDataModel.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QSignalSpy>
#include <QXmlStreamReader>
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

QStringList column(const kpListDataModel &pModel, int pRole)
{
    QStringList values;
    for (int row = 0; row < pModel.rowCount(); ++row)
        values.append(pModel.data(pModel.index(row), pRole).toString());
    return values;
}

// Rows as "category" for headers and the item name for items.
QStringList rows(const kpListDataModel &pModel)
{
    QStringList shown;
    for (int row = 0; row < pModel.rowCount(); ++row) {
        const QModelIndex index = pModel.index(row);
        const bool isHeader
            = pModel.data(index, kpListDataModel::ItemTypeRole).toString() == "category";
        shown.append(
            isHeader
                ? "[" + pModel.data(index, kpListDataModel::ItemCategoryNameRole).toString() + "]"
                : pModel.data(index, kpListDataModel::ItemNameRole).toString());
    }
    return shown;
}

QList<QHash<QString, QString>> fileItems(const QString &pPath, QHash<QString, QString> *pRoot)
{
    QList<QHash<QString, QString>> items;
    QXmlStreamReader reader(uncompressFile(pPath));
    while (reader.readNextStartElement() || !reader.atEnd()) {
        if (!reader.isStartElement())
            continue;
        QHash<QString, QString> attributes;
        for (const auto &attribute : reader.attributes())
            attributes.insert(attribute.name().toString(), attribute.value().toString());
        if (reader.name() == QLatin1String("tovimar_list"))
            *pRoot = attributes;
        else
            items.append(attributes);
    }
    return items;
}

} // namespace

Q_DECLARE_METATYPE(TestItem)

class tst_kpListDataModel : public QObject
{
    Q_OBJECT

private:
    QString listPath() const { return QDir(listsDirectory()).absoluteFilePath("demo-list.kpl"); }

    // A model showing the given items, under a model tester.
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

    void roundTripKeepsRecordsAndDropsDeletedOnes()
    {
        QHash<QString, QString> root;
        {
            kpListDataModel model;
            QAbstractItemModelTester tester(&model);
            open(model,
                 {{"milk", "dairy", "unchecked", "1.25", "2"},
                  {"bread", "bakery", "checked", "2", "1"},
                  {"gone", "bakery", "deleted"}});
            QVERIFY(model.saveModel());
        }
        // Also written on destruction: the same content again.
        const QList<QHash<QString, QString>> items = fileItems(listPath(), &root);
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(0).value("name"), "milk");
        QCOMPARE(items.at(0).value("price"), "1.25");
        QCOMPARE(items.at(1).value("status"), "checked");
        QCOMPARE(root.value("version"), "1.0.0");
        QCOMPARE(root.value("name"), "week");
        QCOMPARE(root.value("items_list"), "1");
        QCOMPARE(root.value("price_list"), "2.50");
        QVERIFY(!root.contains("filename"));
        QCOMPARE(readFile(listPath()), qCompress(uncompressFile(listPath()), 9));
    }

    void equalListsGiveEqualFiles()
    {
        kpListDataModel model;
        open(model, {{"milk", "dairy"}, {"tea", "drinks"}});
        QVERIFY(model.saveModel());
        const QByteArray first = readFile(listPath());
        QVERIFY(model.loadModel(listPath()));
        QVERIFY(model.saveModel());
        QCOMPARE(readFile(listPath()), first);
        QVERIFY(uncompressFile(listPath()).trimmed().startsWith("<tovimar_list version=\"1.0.0\""));
    }

    void unknownRootAttributeIsReadButNotWritten()
    {
        kpListDataModel model;
        writeCompressed(
            listPath(),
            listXml({{"milk", "dairy"}}, "colour=\"blue\" filename=\"/elsewhere.kpl\""));
        QVERIFY(model.loadModel(listPath()));
        QCOMPARE(model.listHeader().value("colour"), "blue");
        QCOMPARE(model.listHeader().value("filename"), listPath());
        QVERIFY(model.saveModel());
        QHash<QString, QString> root;
        fileItems(listPath(), &root);
        QVERIFY(!root.contains("colour"));
    }

    void listWithNothingToBuyHasNoFile()
    {
        kpListDataModel model;
        open(model, {{"milk", "dairy", "checked"}});
        QVERIFY(QFile::exists(listPath()));
        QVERIFY(model.saveModel());
        QVERIFY(!QFile::exists(listPath()));
        QVERIFY(model.saveModel());
        QVERIFY(!model.loadModel(listPath()));
    }

    void rejectedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("plain xml") << listXml({{"milk", "dairy"}});
        QTest::newRow("truncated") << qCompress(listXml({{"milk", "dairy"}}), 9).left(20);
        QByteArray absurd = qCompress(listXml({{"milk", "dairy"}}), 9);
        absurd[0] = char(0x7f);
        QTest::newRow("absurd claimed size") << absurd;
    }

    void rejectedFiles()
    {
        QFETCH(QByteArray, bytes);
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"tea", "drinks"}});
        writeFile(listPath(), bytes);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QVERIFY(!model.loadModel(listPath()));
        // Views are told that the shown rows went with the old list.
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(model.listName(), QString());
        QVERIFY(!model.saveModel());
        QCOMPARE(readFile(listPath()), bytes);
    }

    void unreadableFileLeavesListAsItWas()
    {
        kpListDataModel model;
        open(model, {{"tea", "drinks"}});
        QVERIFY(!model.loadModel(QString()));
        QVERIFY(!model.loadModel(listPath() + ".missing"));
        QCOMPARE(model.listName(), "week");
        QCOMPARE(model.rowCount(), 2);
    }

    void brokenXmlKeepsWhatWasRead()
    {
        QByteArray xml = listXml({{"a", "c"}, {"b", "c"}, {"d", "c"}});
        xml.insert(xml.lastIndexOf("<item"), "<item name=\"x\" <<");
        writeCompressed(listPath(), xml);
        kpListDataModel model;
        QSignalSpy nameChanged(&model, &kpListDataModel::listNameChanged);
        QVERIFY(model.loadModel(listPath()));
        QCOMPARE(nameChanged.count(), 1);
        model.updateModel();
        QCOMPARE(rows(model), QStringList({"[c]", "a", "b"}));
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

    void newListAsksForSimplifiedName()
    {
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"tea", "drinks"}});
        QSignalSpy nameChanged(&model, &kpListDataModel::listNameChanged);
        const auto dialog = answerInputDialog("  weekly \t  shop  ");
        QVERIFY(model.newModel(listPath()));
        QVERIFY(dialog->seen);
        QCOMPARE(dialog->title, "List name");
        QCOMPARE(dialog->text, "Enter list name");
        QCOMPARE(model.listName(), "weekly shop");
        QCOMPARE(nameChanged.count(), 1);
        QCOMPARE(model.rowCount(), 0);
        // Nothing to buy yet: the old file is gone at once.
        QVERIFY(!QFile::exists(listPath()));
        QCOMPARE(model.listHeader().value("items_list"), "0");
    }

    void newListCancelledOrBlankChangesNothing_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("accept");
        QTest::newRow("cancelled") << "name" << false;
        QTest::newRow("only blanks") << "   " << true;
    }

    void newListCancelledOrBlankChangesNothing()
    {
        QFETCH(QString, answer);
        QFETCH(bool, accept);
        kpListDataModel model;
        open(model, {{"tea", "drinks"}});
        answerInputDialog(answer, accept);
        QVERIFY(!model.newModel(listPath()));
        QCOMPARE(model.listName(), "week");
        QCOMPARE(model.rowCount(), 2);
        QVERIFY(QFile::exists(listPath()));
    }

    void rowOrders_data()
    {
        QTest::addColumn<bool>("byProduct");
        QTest::addColumn<bool>("cart");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("category order groups under headers")
            << false << false
            << QStringList(
                   {"[bakery]", "Bread", "[fruit]", "apples", "pears", "[veg]", "Zucchini"});
        QTest::newRow("product order is code-unit order")
            << true << false << QStringList({"Bread", "Zucchini", "apples", "pears"});
        QTest::newRow("cart shows checked items with their own headers")
            << false << true << QStringList({"[veg]", "kale"});
    }

    void rowOrders()
    {
        QFETCH(bool, byProduct);
        QFETCH(bool, cart);
        QFETCH(QStringList, expected);
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model,
             {{"apples", "fruit"},
              {"Bread", "bakery"},
              {"kale", "veg", "checked"},
              {"pears", "fruit"},
              {"Zucchini", "veg"},
              {"gone", "veg", "deleted"}},
             byProduct, cart);
        QCOMPARE(rows(model), expected);
    }

    void sameNameTwiceGivesTwoRowsLaterFirst()
    {
        kpListDataModel model;
        open(model, {{"milk", "dairy", "unchecked", "1"}, {"milk", "dairy", "unchecked", "2"}});
        QCOMPARE(rows(model), QStringList({"[dairy]", "milk", "milk"}));
        QCOMPARE(column(model, kpListDataModel::ItemPriceRole), QStringList({"", "2", "1"}));
    }

    void unusualCategoriesAndRoles()
    {
        kpListDataModel model;
        open(model,
             {{"salt", ""}, {"rice", "dry:goods"}, {"cheese", "milk products"}, {"kefir", "milk"}});
        QCOMPARE(rows(model),
                 QStringList({"[]", "salt", "[dry]", "rice", "[milk products]", "cheese", "[milk]",
                              "kefir"}));
        const QModelIndex header = model.index(2);
        QCOMPARE(model.data(header, Qt::DisplayRole).toString(), "");
        QCOMPARE(model.data(header, kpListDataModel::ItemNameRole).toString(), "");
        QCOMPARE(model.data(header, kpListDataModel::ListNameRole).toString(), "week");
        QCOMPARE(model.itemHeight(2), 50);
        QCOMPARE(model.itemHeight(3), 70);
        QCOMPARE(model.itemHeight(99), 70);
        const QModelIndex rice = model.index(3);
        QCOMPARE(model.data(rice, Qt::DisplayRole).toString(), "rice");
        QCOMPARE(model.data(rice, kpListDataModel::ItemCategoryNameRole).toString(), "dry:goods");
        QCOMPARE(model.data(rice, kpListDataModel::ItemStatusRole).toString(), "unchecked");
        QCOMPARE(model.data(rice, kpListDataModel::ListFilenameRole).toString(), listPath());
        QCOMPARE(model.data(rice, Qt::UserRole + 99).toString(), "");
        QCOMPARE(model.data(model.index(99), kpListDataModel::ItemNameRole), QVariant(QString()));
        QCOMPARE(model.roleNames().value(33), "item_name");
        QCOMPARE(model.roleNames().value(44), "list_filename");
        QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), "Column 3");
        QCOMPARE(model.headerData(4, Qt::Vertical).toString(), "Row 4");
        QVERIFY(!model.headerData(4, Qt::Vertical, Qt::EditRole).isValid());
    }

    void addingTypedItems()
    {
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"milk", "dairy", "checked", "3", "1"}, {"tea", "Drinks"}});
        QSignalSpy added(&model, &kpListDataModel::itemAdded);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

        QVERIFY(!model.addItem(1, "TEA"));
        QCOMPARE(added.count(), 0);

        // The checked milk is of another category, so a new record is appended.
        QVERIFY(model.addItem(0, "Milk"));
        QCOMPARE(model.items(true).size(), 2);
        QCOMPARE(model.items(false).size(), 1);
        QCOMPARE(added.count(), 1);
        const Item milk = added.takeFirst().at(0).value<Item>();
        QCOMPARE(milk.value("name"), "milk");
        QCOMPARE(milk.value("category"), "drinks");
        QCOMPARE(milk.value("price"), "");
        // The current row's category is lower-cased, so drinks gets its own header.
        QCOMPARE(rows(model), QStringList({"[Drinks]", "tea", "[drinks]", "milk"}));
        QCOMPARE(inserted.count(), 2);
        QCOMPARE(inserted.at(0).at(1).toInt(), 2);
        QCOMPARE(inserted.at(1).at(1).toInt(), 3);
    }

    void addingReplacesCheckedRecordOfSameCategory()
    {
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"milk", "dairy", "checked", "3", "1"}, {"kefir", "dairy"}});
        QVERIFY(model.addItem(1, "milk"));
        const QList<Item> onList = model.items(true);
        QCOMPARE(onList.size(), 2);
        QCOMPARE(onList.at(0).value("name"), "milk");
        QCOMPARE(onList.at(0).value("price"), "");
        QCOMPARE(rows(model), QStringList({"[dairy]", "kefir", "milk"}));
    }

    void addingWithoutCurrentRowAsksForCategory()
    {
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {});
        const auto cancelled = answerInputDialog("fruit", false);
        QVERIFY(!model.addItem(-1, "apples"));
        QCOMPARE(cancelled->title, "Category");
        QCOMPARE(cancelled->text, "Enter category name");
        answerInputDialog("", true);
        QVERIFY(!model.addItem(-1, "apples"));
        QCOMPARE(model.rowCount(), 0);

        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        answerInputDialog(" Fruit", true);
        QVERIFY(model.addItem(-1, "Apples"));
        QCOMPARE(rows(model), QStringList({"[ fruit]", "apples"}));
        QCOMPARE(inserted.count(), 2);
        QVERIFY(model.addItem(99, "salt"));
        QCOMPARE(rows(model), QStringList({"[ fruit]", "apples", "[]", "salt"}));
    }

    void alreadyOnListIgnoresCategory()
    {
        kpListDataModel model;
        open(model, {{"milk", "dairy"}, {"tea", "drinks"}});
        QVERIFY(!model.addItem(2, "milk"));
        QCOMPARE(model.rowCount(), 4);
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
        QCOMPARE(model.data(model.index(1), kpListDataModel::ItemCountUnitRole).toString(), "l");
    }

    void deletingOneItem()
    {
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"milk", "dairy"}, {"tea", "drinks"}});
        QVERIFY(!model.deleteItem(0));

        const auto cancelled = answerMessageBox(QMessageBox::Cancel);
        QVERIFY(!model.deleteItem(1));
        QCOMPARE(cancelled->title, "Delete item");
        QCOMPARE(cancelled->text, "Are you sure you want to delete item milk?");
        QCOMPARE(cancelled->buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(model.rowCount(), 4);

        answerMessageBox(QMessageBox::Ok);
        QVERIFY(model.deleteItem(1));
        QCOMPARE(rows(model), QStringList({"[drinks]", "tea"}));
        model.updateCountPrice();
        QCOMPARE(model.listItemsAmount(), "1");
        QCOMPARE(model.cartItemsAmount(), "");
    }

    void deletingAll()
    {
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"milk", "dairy"}, {"tea", "drinks", "checked"}});
        const auto cancelled = answerMessageBox(QMessageBox::Cancel);
        QVERIFY(!model.deleteAll());
        QCOMPARE(cancelled->title, "Delete all");
        QCOMPARE(cancelled->text, "Are you sure you want to delete all items?");
        QCOMPARE(model.rowCount(), 2);

        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        answerMessageBox(QMessageBox::Ok);
        QVERIFY(model.deleteAll());
        QCOMPARE(removed.count(), 1);
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(model.items(false).isEmpty());

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
        QSignalSpy requested(&model, &kpListDataModel::checkoutRequested);
        model.toggleItem(0);
        QCOMPARE(model.rowCount(), 4);
        // The only item of its category takes its header with it.
        model.toggleItem(1);
        QCOMPARE(rows(model), QStringList({"[drinks]", "tea"}));
        QCOMPARE(requested.count(), 0);
        QVERIFY(!model.needsCheckout());
        model.toggleItem(1);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(requested.count(), 1);
        QCOMPARE(order, QStringList({"requested 2", "amount 2", "price 2"}));
        QCOMPARE(model.checkoutAmount(), "2");
        QCOMPARE(model.checkoutPrice(), "2.50+");
        QVERIFY(model.needsCheckout());

        model.displayCart();
        model.updateModel();
        QCOMPARE(rows(model), QStringList({"[dairy]", "milk", "[drinks]", "tea"}));
        model.toggleItem(1);
        model.toggleItem(1);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(requested.count(), 1);
        QVERIFY(!model.needsCheckout());

        QVERIFY(model.checkout());
        QVERIFY(model.items(true).isEmpty());
        QVERIFY(model.saveModel());
        QVERIFY(!QFile::exists(listPath()));
    }

    void tickingLeavesHeaderOfEmptyCategory()
    {
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"salt", ""}, {"tea", "drinks"}});
        model.toggleItem(1);
        QCOMPARE(rows(model), QStringList({"[]", "[drinks]", "tea"}));
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
        Item tea{{"name", "Tea"}, {"category", "Drinks"}, {"status", "unchecked"}};
        Item bread{{"name", "Bread"}, {"category", "bakery"}, {"status", "unchecked"}};
        Item milk{{"name", "MILK"}, {"category", "dairy"}, {"status", "unchecked"}};
        model.addItems({tea, bread, milk});
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
