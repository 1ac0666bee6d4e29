#include "kpCategoriesDataModel.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"
#include "kpTranslation.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>

using namespace kpTestSupport;
using Item = kpCategoriesDataModel::Item;

namespace {

// Products as name, category and, if not unchecked, status.
QByteArray catalogueXml(const QList<QStringList> &pProducts)
{
    QByteArray xml = "<tovimar_categories version=\"1.0.0\">\n";
    for (const QStringList &product : pProducts) {
        xml += QStringLiteral("<item name=\"%1\" category=\"%2\" status=\"%3\"/>\n")
                   .arg(product.at(0), product.at(1), product.value(2, "unchecked"))
                   .toUtf8();
    }
    return xml + "</tovimar_categories>\n";
}

// Rows as "[category]" for headers and the product name for products.
QStringList rows(const kpCategoriesDataModel &pModel)
{
    QStringList shown;
    for (int row = 0; row < pModel.rowCount(); ++row) {
        const QModelIndex index = pModel.index(row);
        if (index.data(kpCategoriesDataModel::ItemTypeRole).toString() == "category")
            shown.append("[" + index.data(kpCategoriesDataModel::ItemCategoryNameRole).toString()
                         + "]");
        else
            shown.append(index.data(kpCategoriesDataModel::ItemNameRole).toString());
    }
    return shown;
}

QString status(const kpCategoriesDataModel &pModel, int pRow)
{
    return pModel.index(pRow).data(kpCategoriesDataModel::ItemStatusRole).toString();
}

QString category(const kpCategoriesDataModel &pModel, int pRow)
{
    return pModel.index(pRow).data(kpCategoriesDataModel::ItemCategoryNameRole).toString();
}

Item listItem(const QString &pName, const QString &pCategory)
{
    return {{"name", pName}, {"category", pCategory}, {"status", "unchecked"}};
}

void open(kpCategoriesDataModel &pModel, const QList<QStringList> &pProducts)
{
    writeCompressed(pModel.userCopyPath(), catalogueXml(pProducts));
    QVERIFY(pModel.loadModel());
}

} // namespace

class tst_kpCategoriesDataModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }
    void cleanup() { QFile::remove(kpCategoriesDataModel().installedCopyPath()); }

    void userCopyFirstInstalledCopySecond()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        QVERIFY(!model.loadModel());
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.releaseModel();
        QCOMPARE(uncompressFile(model.userCopyPath()), "\n<tovimar_categories version=\"1.0.0\"/>");

        QFile::remove(model.userCopyPath());
        writeCompressed(model.installedCopyPath(), catalogueXml({{"installed", "c"}}));
        QVERIFY(model.loadModel());
        QCOMPARE(rows(model), QStringList({"[c]", "installed"}));
        // Leaving the catalogue screen empties the views and writes the user copy, which from
        // then on wins, even without a product.
        reset.clear();
        model.releaseModel();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(QFile::exists(model.userCopyPath()));
        writeCompressed(model.userCopyPath(), catalogueXml({}));
        QVERIFY(model.loadModel());
        QCOMPARE(model.rowCount(), 0);
    }

    // No product is ticked from the file, unknown attributes survive, the root keeps only its
    // version.
    void statusesAndAttributesOnLoadAndSave()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        writeCompressed(model.userCopyPath(),
                        "<tovimar_categories version=\"0.9\" filename=\"/x\" colour=\"red\">"
                        "<item name=\"milk\" category=\"dairy\" status=\"checked\" shelf=\"3\"/>"
                        "<item name=\"gone\" category=\"dairy\" status=\"deleted\"/>"
                        "</tovimar_categories>");
        QVERIFY(model.loadModel());
        QCOMPARE(status(model, 1), "unchecked");
        QCOMPARE(status(model, 2), "unchecked");
        QCOMPARE(model.index(0).data(kpCategoriesDataModel::FilenameRole).toString(), "/x");
        model.toggleItem(2);
        QVERIFY(model.saveModel());
        QCOMPARE(uncompressFile(model.userCopyPath()),
                 "\n<tovimar_categories version=\"1.0.0\">\n"
                 "    <item name=\"milk\" category=\"dairy\" status=\"unchecked\" shelf=\"3\"/>\n"
                 "    <item name=\"gone\" category=\"dairy\" status=\"unchecked\"/>\n"
                 "</tovimar_categories>");
        QCOMPARE(status(model, 2), "checked");
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loads");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("empty") << QByteArray() << false << QStringList();
        QTest::newRow("plain xml") << catalogueXml({{"a", "c"}}) << false << QStringList();
        const QByteArray broken = catalogueXml({{"a", "c"}, {"b", "c"}, {"d", "c"}, {"e", "c"}})
                                      .replace("<item name=\"e\"", "<item <<");
        QTest::newRow("broken xml keeps the products before it")
            << qCompress(broken) << true << QStringList({"[c]", "a", "b", "d"});
    }

    void damagedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, loads);
        QFETCH(QStringList, expected);
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"old", "c"}});
        writeFile(model.userCopyPath(), bytes);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QCOMPARE(model.loadModel(), loads);
        // Views are told that the old rows are gone.
        QVERIFY(reset.count() >= 1);
        QCOMPARE(rows(model), expected);
    }

    void failedSaveKeepsThePreviousUserCopy()
    {
        kpCategoriesDataModel model;
        open(model, {{"a", "c"}});
        const QByteArray before = readFile(model.userCopyPath());
        // A folder with content where the new file would go: it cannot replace it.
        QVERIFY(QFile::rename(model.userCopyPath(), model.userCopyPath() + ".kept"));
        writeFile(model.userCopyPath() + "/inside", "x");
        QVERIFY(!model.saveModel());
        QDir(model.userCopyPath()).removeRecursively();
        QCOMPARE(readFile(model.userCopyPath() + ".kept"), before);
        QCOMPARE(QDir(QFileInfo(model.userCopyPath()).path()).entryList(QDir::Files),
                 QStringList({"categories_en.db.kept"}));
    }

    void rowOrdersOfBothModes()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model,
             {{"milk", "dairy"},
              {"bread", "bakery"},
              {"cheese", "dairy"},
              {"cod", "fish"},
              {"eel", "fish 2"},
              {"milk", "drinks"}});
        QCOMPARE(rows(model),
                 QStringList({"[bakery]", "bread", "[dairy]", "cheese", "milk", "[drinks]", "milk",
                              "[fish 2]", "eel", "[fish]", "cod"}));
        QCOMPARE(model.index(0).data(kpCategoriesDataModel::ItemStatusRole).toString(), "");
        QVERIFY(!model.index(0).data(Qt::FontRole).isValid());

        // The views are reset, but the rows stay until they are rebuilt.
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.sortByProduct();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(rows(model).first(), "[bakery]");
        model.updateModel();
        // One row per name: the later milk, filed under drinks.
        QCOMPARE(rows(model), QStringList({"bread", "cheese", "cod", "eel", "milk"}));
        QCOMPARE(category(model, 4), "drinks");
    }

    // What the list holds is greyed out ("unknown") and cannot be ticked; the ticks go to the
    // list in item order, and the catalogue starts over unticked.
    void greyingTickingAndCollecting()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.hideItems({listItem("milk", "dairy")});
        QCOMPARE(reset.count(), 0);
        open(model,
             {{"milk", "dairy"},
              {"bread", "bakery"},
              {"cheese", "dairy"},
              {"Tea", "drinks"},
              {"tea", "drinks"}});
        model.toggleItem(1);
        reset.clear();
        model.hideItems({listItem("Milk", "Dairy"), listItem("tea", "drinks")});
        QCOMPARE(reset.count(), 1);
        QCOMPARE(rows(model),
                 QStringList(
                     {"[bakery]", "bread", "[dairy]", "cheese", "milk", "[drinks]", "Tea", "tea"}));
        // Only lower-case products are ever matched.
        QCOMPARE(
            QStringList({status(model, 1), status(model, 4), status(model, 6), status(model, 7)}),
            QStringList({"unchecked", "unknown", "unchecked", "unknown"}));

        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        for (int row : {-1, 0, 4, 99})
            model.toggleItem(row);
        QCOMPARE(changed.count(), 0);
        for (int row : {6, 1, 3})
            model.toggleItem(row);
        QCOMPARE(changed.count(), 3);
        reset.clear();
        QStringList names;
        for (const Item &item : model.checkedItems()) {
            names.append(item.value("name"));
            QCOMPARE(item.value("status"), "unchecked");
        }
        QCOMPARE(reset.count(), 1);
        QCOMPARE(names, QStringList({"bread", "cheese", "Tea"}));
        for (int row = 0; row < model.rowCount(); ++row)
            QVERIFY(status(model, row) == "unchecked" || status(model, row) == "");

        // In product order the category does not matter.
        model.sortByProduct();
        model.updateModel();
        model.hideItems({listItem("bread", "elsewhere")});
        QCOMPARE(rows(model).at(1), "bread");
        QCOMPARE(status(model, 1), "unknown");
    }

    void addingProducts()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"milk", "dairy"}});
        model.hideItems({listItem("cream", "dairy")});
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

        answerInputDialog("Fruit");
        QVERIFY(model.addNewItem(-1, "Apples"));
        QCOMPARE(rows(model), QStringList({"[dairy]", "milk", "[fruit]", "apples"}));
        QCOMPARE(inserted.count(), 2);
        answerInputDialog("fruit");
        QVERIFY(!model.addNewItem(-1, "apples"));

        // The list holds cream: it is added greyed out.
        QVERIFY(model.addNewItem(1, "Cream"));
        QCOMPARE(rows(model), QStringList({"[dairy]", "cream", "milk", "[fruit]", "apples"}));
        QCOMPARE(status(model, 1), "unknown");
        QCOMPARE(inserted.count(), 3);

        // In product order a name already shown adds the record but no row.
        model.sortByProduct();
        model.updateModel();
        answerInputDialog("drinks");
        QVERIFY(model.addNewItem(-1, "milk"));
        QCOMPARE(rows(model), QStringList({"apples", "cream", "milk"}));
        QCOMPARE(inserted.count(), 3);
        model.updateModel();
        QCOMPARE(category(model, 2), "drinks");
    }

    void renamingProducts()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"bread", "bakery"}, {"buns", "bakery"}, {"buns", "other"}});
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        answerInputDialog(" Rye   Bread ");
        model.renameItem(1);
        QCOMPARE(model.index(1).data().toString(), "rye bread");
        QCOMPARE(changed.count(), 1);

        // A name another product of the category has is refused with a message.
        const auto message = answerMessageBox(QMessageBox::Ok);
        answerInputDialog("BUNS");
        model.renameItem(1);
        QTRY_VERIFY(message->seen);
        answerInputDialog("", false);
        model.renameItem(1);
        model.renameItem(0);
        QCOMPARE(model.index(1).data().toString(), "rye bread");
        QCOMPARE(changed.count(), 1);
    }

    void renamingCategories()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"milk", "dairy"}, {"kefir", "milk products"}});
        const auto cancelled = answerMessageBox(QMessageBox::Cancel);
        answerInputDialog("Milk  Products");
        model.renameCategory(0);
        QTRY_VERIFY(cancelled->seen);
        QCOMPARE(rows(model).size(), 4);

        answerMessageBox(QMessageBox::Ok);
        answerInputDialog("Milk  Products");
        model.renameCategory(0);
        QCOMPARE(rows(model), QStringList({"[milk products]", "kefir", "milk"}));

        // Product order has no category rows to rename.
        model.sortByProduct();
        model.updateModel();
        model.renameCategory(0);
        QCOMPARE(category(model, 0), "milk products");
    }

    void deletingProducts()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"milk", "dairy"}, {"cheese", "dairy"}, {"tea", "drinks"}});
        QVERIFY(!model.deleteItem(0));
        answerMessageBox(QMessageBox::Cancel);
        QVERIFY(!model.deleteItem(4));
        answerMessageBox(QMessageBox::Ok);
        QVERIFY(model.deleteItem(4));
        QCOMPARE(rows(model), QStringList({"[dairy]", "cheese", "milk"}));
        answerMessageBox(QMessageBox::Ok);
        QVERIFY(model.deleteItem(1));
        QCOMPARE(rows(model), QStringList({"[dairy]", "milk"}));

        // A deleted product is neither saved nor learnt again from the list.
        model.addItem(listItem("Tea", "drinks"));
        QCOMPARE(rows(model), QStringList({"[dairy]", "milk"}));
        QVERIFY(model.saveModel());
        const QByteArray saved = uncompressFile(model.userCopyPath());
        QVERIFY(saved.contains("\"milk\""));
        QVERIFY(!saved.contains("\"tea\""));
        QVERIFY(!saved.contains("\"cheese\""));
    }

    void learningFromTheList()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        model.addItem(listItem("Tea", "Drinks"));
        QCOMPARE(rows(model), QStringList({"[drinks]", "tea"}));
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.addItem(listItem("tea", "drinks"));
        QCOMPARE(reset.count(), 0);

        // Amount, unit and price are learnt; the note is the list's own.
        Item edited = listItem("tea", "drinks");
        edited.insert({{"count", "2"}, {"count_unit", "kg"}, {"price", "3.50"}, {"note", "green"}});
        model.updateItem(edited);
        QCOMPARE(reset.count(), 1);
        const QModelIndex tea = model.index(1);
        QCOMPARE(tea.data(kpCategoriesDataModel::ItemCountRole).toString(), "2");
        QCOMPARE(tea.data(kpCategoriesDataModel::ItemCountUnitRole).toString(), "kg");
        QCOMPARE(tea.data(kpCategoriesDataModel::ItemPriceRole).toString(), "3.50");
        QCOMPARE(tea.data(kpCategoriesDataModel::ItemNoteRole).toString(), "");
        model.updateItem(listItem("tea", "bakery"));
        QCOMPARE(reset.count(), 1);
    }

    // Stored names and categories may hold capitals (a file brought them): a product is the
    // same whatever the case on either side.
    void sameProductWhateverTheCase()
    {
        kpCategoriesDataModel model;
        open(model, {{"Milk", "Dairy"}});
        Item edited = listItem("milk", "dairy");
        edited.insert("price", "1.20");
        model.updateItem(edited);
        QCOMPARE(model.index(1).data(kpCategoriesDataModel::ItemPriceRole).toString(), "1.20");
        model.addItem(listItem("MILK", "dairy"));
        QCOMPARE(rows(model), QStringList({"[Dairy]", "Milk"}));
        answerInputDialog("DAIRY");
        QVERIFY(!model.addNewItem(-1, "milk"));
    }

    void defaultCataloguesAreUsable_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("english") << "en";
        QTest::newRow("russian") << "ru";
    }

    // Each language has a catalogue of its own. Products and categories are matched in lower
    // case: the catalogues must hold them so.
    void defaultCataloguesAreUsable()
    {
        QFETCH(QString, language);
        useLanguage(language);
        kpCategoriesDataModel model;
        QVERIFY(model.userCopyPath().endsWith("data/categories_" + language + ".db"));
        const QString built = QDir(qEnvironmentVariable("TOVIMAR_DEFAULT_CATALOGUES"))
                                  .absoluteFilePath("categories_" + language + ".db");
        QDir().mkpath(QFileInfo(model.userCopyPath()).path());
        QVERIFY(QFile::copy(built, model.userCopyPath()));
        QVERIFY(model.loadModel());
        model.sortByProduct();
        model.updateModel();
        QVERIFY2(model.rowCount() >= 120, qPrintable(QString::number(model.rowCount())));
        QSet<QString> categories;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QString name = model.index(row).data().toString();
            QCOMPARE(name, name.toLower());
            QCOMPARE(category(model, row), category(model, row).toLower());
            categories.insert(category(model, row));
        }
        QVERIFY(categories.size() >= 10);
        useLanguage("en");
        model.releaseModel();
    }
};

TOVIMAR_TEST_MAIN(tst_kpCategoriesDataModel)
#include "tst_kpCategoriesDataModel.moc"
