#include "kpCategoriesDataModel.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"
#include "kpTranslation.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QXmlStreamReader>
#include <QtTest>

using namespace kpTestSupport;
using Item = kpCategoriesDataModel::Item;

namespace {

QByteArray catalogueXml(const QList<QStringList> &pProducts, const QByteArray &pRootExtra = {})
{
    QByteArray xml = "<tovimar_categories version=\"1.0.0\" " + pRootExtra + ">\n";
    for (const QStringList &product : pProducts) {
        xml += QStringLiteral("<item name=\"%1\" category=\"%2\" status=\"%3\" price=\"\" "
                              "count=\"\" count_unit=\"\" note=\"\"/>\n")
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
        if (pModel.data(index, kpCategoriesDataModel::ItemTypeRole).toString() == "category")
            shown.append(
                "[" + pModel.data(index, kpCategoriesDataModel::ItemCategoryNameRole).toString()
                + "]");
        else
            shown.append(pModel.data(index, kpCategoriesDataModel::ItemNameRole).toString());
    }
    return shown;
}

QString status(const kpCategoriesDataModel &pModel, int pRow)
{
    return pModel.data(pModel.index(pRow), kpCategoriesDataModel::ItemStatusRole).toString();
}

QList<QHash<QString, QString>> elements(const QString &pPath)
{
    QList<QHash<QString, QString>> found;
    QXmlStreamReader reader(uncompressFile(pPath));
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        QHash<QString, QString> attributes{{"element", reader.name().toString()}};
        for (const auto &attribute : reader.attributes())
            attributes.insert(attribute.name().toString(), attribute.value().toString());
        found.append(attributes);
    }
    return found;
}

Item listItem(const QString &pName, const QString &pCategory)
{
    return {{"name", pName}, {"category", pCategory}, {"status", "unchecked"}};
}

} // namespace

class tst_kpCategoriesDataModel : public QObject
{
    Q_OBJECT

    QString installedCopy() const
    {
        return QDir(QCoreApplication::applicationDirPath())
            .absoluteFilePath("data/categories_en.db");
    }

    void open(kpCategoriesDataModel &pModel, const QList<QStringList> &pProducts)
    {
        kpCategoriesDataModel loader;
        writeCompressed(loader.userCopyPath(), catalogueXml(pProducts));
        QVERIFY(pModel.loadModel());
    }

private slots:
    void init() { clearDataLocation(); }
    void cleanup() { QFile::remove(installedCopy()); }

    void userCopyFirstInstalledCopySecond()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        QVERIFY(!model.loadModel());
        QVERIFY(!model.isLoaded());
        model.releaseModel();
        const QList<QHash<QString, QString>> rootOnly = elements(model.userCopyPath());
        QCOMPARE(rootOnly.size(), 1);
        QCOMPARE(rootOnly.at(0).value("version"), "1.0.0");

        QFile::remove(model.userCopyPath());
        writeCompressed(installedCopy(), catalogueXml({{"installed", "c"}}));
        QVERIFY(model.loadModel());
        QCOMPARE(rows(model), QStringList({"[c]", "installed"}));
        model.releaseModel();
        QVERIFY(QFile::exists(model.userCopyPath()));
        writeCompressed(model.userCopyPath(), catalogueXml({}));
        QVERIFY(model.loadModel());
        QCOMPARE(model.rowCount(), 0);
    }

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
        QCOMPARE(model.data(model.index(0), kpCategoriesDataModel::FilenameRole).toString(), "/x");
        model.toggleItem(1);
        QCOMPARE(status(model, 1), "checked");
        QVERIFY(model.saveModel());
        const QList<QHash<QString, QString>> saved = elements(model.userCopyPath());
        QCOMPARE(saved.size(), 3);
        QCOMPARE(
            saved.at(0),
            (QHash<QString, QString>{{"element", "tovimar_categories"}, {"version", "1.0.0"}}));
        QCOMPARE(saved.at(1).value("status"), "unchecked");
        QCOMPARE(saved.at(1).value("shelf"), "3");
        QCOMPARE(status(model, 1), "checked");
    }

    void brokenXmlKeepsTheProductsBeforeIt()
    {
        kpCategoriesDataModel model;
        QByteArray xml = catalogueXml({{"a", "c"}, {"b", "c"}, {"d", "c"}, {"e", "c"}});
        xml.insert(xml.indexOf("<item name=\"e\""), "<item <<");
        writeCompressed(model.userCopyPath(), xml);
        QVERIFY(model.loadModel());
        QCOMPARE(rows(model), QStringList({"[c]", "a", "b", "d"}));
    }

    void damagedFilesEmptyTheCatalogue_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("plain xml") << catalogueXml({{"a", "c"}});
    }

    void damagedFilesEmptyTheCatalogue()
    {
        QFETCH(QByteArray, bytes);
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"a", "c"}});
        writeFile(model.userCopyPath(), bytes);
        QVERIFY(!model.loadModel());
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!model.isLoaded());
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
        const QModelIndex header = model.index(0);
        QCOMPARE(model.data(header, kpCategoriesDataModel::ItemNameRole).toString(), "");
        QCOMPARE(model.data(header, kpCategoriesDataModel::ItemStatusRole).toString(), "");
        QCOMPARE(model.roleNames().value(38), "item_note");

        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.sortByProduct();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(rows(model).first(), "[bakery]");
        model.updateModel();
        // One row per name: the later milk, filed under drinks.
        QCOMPARE(rows(model), QStringList({"bread", "cheese", "cod", "eel", "milk"}));
        QCOMPARE(model.data(model.index(4), kpCategoriesDataModel::ItemCategoryNameRole).toString(),
                 "drinks");
    }

    void tickingAndCollectingTicks()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model,
             {{"milk", "dairy"}, {"bread", "bakery"}, {"cheese", "dairy"}, {"tea", "drinks"}});
        model.hideItems({listItem("Tea", "Drinks")});
        QCOMPARE(status(model, 6), "unknown");
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        for (int row : {-1, 0, 6, 99})
            model.toggleItem(row);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(status(model, 6), "unknown");
        for (int row : {4, 1, 3})
            model.toggleItem(row);
        QCOMPARE(changed.count(), 3);

        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        const QList<Item> ticked = model.checkedItems();
        QCOMPARE(reset.count(), 1);
        QStringList names;
        for (const Item &item : ticked) {
            names.append(item.value("name"));
            QCOMPARE(item.value("status"), "unchecked");
        }
        QCOMPARE(names, QStringList({"milk", "bread", "cheese"}));
        for (int row = 0; row < model.rowCount(); ++row)
            QVERIFY(status(model, row) == "unchecked" || status(model, row) == "");
    }

    void markingWhatTheListHolds()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.hideItems({listItem("milk", "dairy")});
        QCOMPARE(reset.count(), 0);

        open(model, {{"milk", "dairy"}, {"Tea", "drinks"}, {"bread", "bakery"}});
        model.toggleItem(1);
        reset.clear();
        model.hideItems({listItem("Milk", "Dairy"), listItem("tea", "drinks")});
        QCOMPARE(reset.count(), 1);
        QCOMPARE(rows(model),
                 QStringList({"[bakery]", "bread", "[dairy]", "milk", "[drinks]", "Tea"}));
        QCOMPARE(status(model, 1), "unchecked");
        QCOMPARE(status(model, 3), "unknown");
        // Only lower-case products are ever matched.
        QCOMPARE(status(model, 5), "unchecked");

        model.sortByProduct();
        model.updateModel();
        model.hideItems({listItem("bread", "elsewhere")});
        QCOMPARE(status(model, 1), "unknown");
    }

    void addingProducts()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"milk", "dairy"}});
        model.hideItems({listItem("cream", "dairy")});
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

        const auto dialog = answerInputDialog("Fruit");
        QVERIFY(model.addNewItem(-1, "Apples"));
        QCOMPARE(dialog->title, "Category");
        QCOMPARE(dialog->text, "Enter category name");
        QCOMPARE(rows(model), QStringList({"[dairy]", "milk", "[fruit]", "apples"}));
        QCOMPARE(inserted.count(), 2);
        answerInputDialog("fruit");
        QVERIFY(!model.addNewItem(-1, "apples"));
        answerInputDialog("", false);
        QVERIFY(!model.addNewItem(-1, "pears"));

        QVERIFY(model.addNewItem(1, "Cream"));
        QCOMPARE(rows(model), QStringList({"[dairy]", "cream", "milk", "[fruit]", "apples"}));
        QCOMPARE(status(model, 1), "unknown");
        QCOMPARE(inserted.count(), 3);

        model.sortByProduct();
        model.updateModel();
        answerInputDialog("drinks");
        QVERIFY(model.addNewItem(-1, "milk"));
        QCOMPARE(rows(model), QStringList({"apples", "cream", "milk"}));
        QCOMPARE(inserted.count(), 3);
        model.updateModel();
        QCOMPARE(model.data(model.index(2), kpCategoriesDataModel::ItemCategoryNameRole).toString(),
                 "drinks");
    }

    void renamingProducts()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"bread", "bakery"}, {"buns", "bakery"}, {"buns", "other"}});
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        const auto dialog = answerInputDialog(" Rye   Bread ");
        model.renameItem(1);
        QCOMPARE(dialog->title, "Item name");
        QCOMPARE(dialog->text, "Enter new item name");
        QCOMPARE(model.data(model.index(1)).toString(), "rye bread");
        QCOMPARE(changed.count(), 1);

        for (const QString &answer : {QString("BUNS"), QString()}) {
            const bool duplicate = !answer.isEmpty();
            const auto message = duplicate ? answerMessageBox(QMessageBox::Ok) : nullptr;
            answerInputDialog(answer, duplicate);
            model.renameItem(1);
            if (message) {
                QTRY_VERIFY(message->seen);
                QCOMPARE(message->title, "Warning");
                QCOMPARE(message->text, "Item with the same name already exists");
            }
        }
        QCOMPARE(model.data(model.index(1)).toString(), "rye bread");
        QCOMPARE(changed.count(), 1);
        model.renameItem(0);
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
        QCOMPARE(cancelled->text,
                 "Category with the same name already exists. Do you want to continue?");
        QCOMPARE(cancelled->buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(rows(model).size(), 4);

        const auto merged = answerMessageBox(QMessageBox::Ok);
        const auto dialog = answerInputDialog("Milk  Products");
        model.renameCategory(0);
        QCOMPARE(dialog->title, "Category name");
        QCOMPARE(rows(model), QStringList({"[milk products]", "kefir", "milk"}));

        model.sortByProduct();
        model.updateModel();
        model.renameCategory(0);
        QCOMPARE(model.data(model.index(0), kpCategoriesDataModel::ItemCategoryNameRole).toString(),
                 "milk products");
    }

    void deletingProducts()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model, {{"milk", "dairy"}, {"cheese", "dairy"}, {"tea", "drinks"}});
        QVERIFY(!model.deleteItem(0));
        const auto cancelled = answerMessageBox(QMessageBox::Cancel);
        QVERIFY(!model.deleteItem(4));
        QCOMPARE(cancelled->title, "Delete item");
        QCOMPARE(cancelled->text, "Are you sure you want to delete item  tea?");
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
        QCOMPARE(elements(model.userCopyPath()).size(), 2);
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

        Item edited = listItem("tea", "drinks");
        edited.insert({{"count", "2"}, {"count_unit", "kg"}, {"price", "3.50"}, {"note", "green"}});
        model.updateItem(edited);
        QCOMPARE(reset.count(), 1);
        const QModelIndex tea = model.index(1);
        QCOMPARE(model.data(tea, kpCategoriesDataModel::ItemCountRole).toString(), "2");
        QCOMPARE(model.data(tea, kpCategoriesDataModel::ItemCountUnitRole).toString(), "kg");
        QCOMPARE(model.data(tea, kpCategoriesDataModel::ItemPriceRole).toString(), "3.50");
        QCOMPARE(model.data(tea, kpCategoriesDataModel::ItemNoteRole).toString(), "");
        model.updateItem(listItem("Tea", "drinks"));
        QCOMPARE(reset.count(), 1);
    }

    void eachLanguageHasItsOwnFile()
    {
        kpCategoriesDataModel model;
        QVERIFY(model.userCopyPath().endsWith("data/categories_en.db"));
        useLanguage("ru");
        model.translateUi();
        QVERIFY(model.userCopyPath().endsWith("data/categories_ru.db"));
        useLanguage("en");
        model.translateUi();
        QVERIFY(model.userCopyPath().endsWith("data/categories_en.db"));
    }

    void defaultCataloguesAreUsable_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("english") << "en";
        QTest::newRow("russian") << "ru";
    }

    void defaultCataloguesAreUsable()
    {
        QFETCH(QString, language);
        useLanguage(language);
        kpCategoriesDataModel model;
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
            const QString name = model.data(model.index(row)).toString();
            const QString category
                = model.data(model.index(row), kpCategoriesDataModel::ItemCategoryNameRole)
                      .toString();
            QCOMPARE(name, name.toLower());
            QCOMPARE(category, category.toLower());
            categories.insert(category);
        }
        QVERIFY(categories.size() >= 10);
        useLanguage("en");
        model.releaseModel();
    }
};

TOVIMAR_TEST_MAIN(tst_kpCategoriesDataModel)
#include "tst_kpCategoriesDataModel.moc"
