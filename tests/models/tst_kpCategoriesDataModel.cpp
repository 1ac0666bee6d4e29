#include "kpCategoriesDataModel.h"
#include "kpItemRecord.h"
#include "kpTestSupport.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QSignalSpy>

using namespace kpTestSupport;
using Item = kpCategoriesDataModel::Item;

namespace {

Item listItem(const QString &pName, const QString &pCategory)
{
    return kpItemRecord::newRecord(pName, pCategory, kpItemRecord::Unchecked);
}

QString data(const kpCategoriesDataModel &pModel, int pRow, int pRole)
{
    return pModel.index(pRow).data(pRole).toString();
}

// The rows as rows() gives them, a product the list holds marked "?" and a ticked one "+".
QString shown(const kpCategoriesDataModel &pModel)
{
    QStringList shown = rows(pModel);
    for (int row = 0; row < shown.size(); ++row) {
        const QString status = data(pModel, row, kpCategoriesDataModel::ItemStatusRole);
        shown[row] += status == "unknown" ? "?" : status == "checked" ? "+" : "";
    }
    return shown.join(", ");
}

// The rows of tests/data/catalogues/shop.xml: 0 [Drinks], 1 Tea, 2 [bakery], 3 bread, 4 buns,
// 5 [dairy], 6 cheese, 7 gone, 8 milk, 9 [drinks], 10 milk, 11 tea, 12 [fish 2], 13 eel,
// 14 [fish], 15 cod.
const QString ShopRows = "[Drinks], Tea, [bakery], bread, buns, [dairy], cheese, gone, milk, "
                         "[drinks], milk, tea, [fish 2], eel, [fish], cod";
const QString ShopProducts = "Tea, bread, buns, cheese, cod, eel, gone, milk, tea";

QString shopWith(const QString &pBefore, const QString &pAfter)
{
    return QString(ShopRows).replace(pBefore, pAfter);
}

// One step on the open catalogue: "tick 3", "delete 3", "add 3 name", "add -1 name category" (the
// category asked for, cancelled when none is given), "rename 3 new name", "recategorise 5 name"
// (with "ok" or "cancel" after the name when the question comes), "hide name category ..." (what
// the list holds), "learn name category" (typed into the list) or "product" (product order).
void run(kpCategoriesDataModel &pModel, const QString &pStep)
{
    QStringList words = pStep.split(' ');
    const QString action = words.takeFirst();
    const int row = words.value(0).toInt();
    if (action == "tick") {
        pModel.toggleItem(row);
    } else if (action == "delete") {
        answerMessageBox(QMessageBox::Ok);
        QVERIFY(pModel.deleteItem(row));
    } else if (action == "add") {
        if (row == -1)
            answerInputDialog(words.value(2), words.size() > 2);
        (void)pModel.addNewItem(row, words[1]);
    } else if (action == "rename") {
        answerInputDialog(words.mid(1).join(' '));
        pModel.renameItem(row);
    } else if (action == "recategorise") {
        if (words.size() > 2)
            answerMessageBox(words[2] == "ok" ? QMessageBox::Ok : QMessageBox::Cancel);
        answerInputDialog(words[1]);
        pModel.renameCategory(row);
    } else if (action == "hide") {
        QList<Item> listed;
        for (int word = 0; word + 1 < words.size(); word += 2)
            listed.append(listItem(words[word], words[word + 1]));
        pModel.hideItems(listed);
    } else if (action == "learn") {
        pModel.addItem(listItem(words[0], words[1]));
    } else {
        pModel.sortByProduct();
        pModel.updateModel();
    }
}

void open(kpCategoriesDataModel &pModel)
{
    installFixture("catalogues/shop.db", pModel.userCopyPath());
    QVERIFY(pModel.loadModel());
}

} // namespace

class tst_kpCategoriesDataModel : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }
    void cleanup() { QFile::remove(kpCategoriesDataModel().installedCopyPath()); }

    void editing_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *pName, const QStringList &pSteps, const QString &pRows) {
            QTest::newRow(pName) << pSteps << pRows;
        };
        row("no product is ticked from the file", {}, ShopRows);
        row("product order keeps one row per name", {"product"}, ShopProducts);
        row("ticking marks products, not headers nor what the list holds",
            {"hide milk dairy  dairy", "tick 0", "tick 8", "tick 6", "tick 1", "tick 99"},
            "[Drinks], Tea+, [bakery], bread, buns, [dairy], cheese+, gone, milk?, [drinks], milk, "
            "tea, [fish 2], eel, [fish], cod");
        row("greying starts over from the list each time", {"tick 6", "hide tea drinks", "hide"},
            ShopRows);
        row("in product order greying ignores the category", {"product", "hide bread elsewhere"},
            "Tea, bread?, buns, cheese, cod, eel, gone, milk, tea");
        row("a new product goes under the row's category, lower-cased", {"add 5 Cream"},
            shopWith("cheese", "cheese, cream"));
        row("a new product is greyed where the list holds it",
            {"hide Cream Dairy", "add 5 Cream", "add 14 cream"},
            shopWith("cheese", "cheese, cream?").replace("eel", "cream, eel"));
        row("without a row the category is asked for", {"add -1 Apples Fruit", "add -1 pears"},
            ShopRows + ", [fruit], apples");
        row("a product is refused twice, whatever the case", {"add -1 TEA DRINKS", "add 8 MILK"},
            ShopRows);
        row("in product order a name shown adds no row", {"product", "add -1 bread drinks"},
            ShopProducts);
        row("renaming simplifies and lower-cases", {"rename 3  Rye   Bread "},
            shopWith("bread", "rye bread"));
        row("a cancelled rename keeps the name", {"rename 3"}, ShopRows);
        row("joining a category in use is asked first", {"recategorise 5 drinks cancel"}, ShopRows);
        row("a category joined greys what the list holds there",
            {"hide cheese drinks", "recategorise 5 Drinks ok"},
            shopWith("[dairy], cheese, gone, milk, [drinks], milk",
                     "[drinks], cheese?, gone, milk"));
        row("only the held header's products move, not those of its lower-case twin",
            {"recategorise 0 Beverages"},
            shopWith("[Drinks], Tea, ", "").replace("[dairy]", "[beverages], Tea, [dairy]"));
        row("a renamed category keeps its ticks", {"tick 6", "recategorise 5 Cheeses"},
            shopWith("[dairy], cheese", "[cheeses], cheese+"));
        row("a renamed category is sorted anew", {"recategorise 14 Beans"},
            shopWith("[dairy]", "[beans], cod, [dairy]").remove(", [fish], cod"));
        row("a new product is learnt, a deleted one not again, nor shown in product order",
            {"delete 15", "learn Cod fish", "learn TEA drinks", "learn Figs fruit", "product"},
            QString(ShopProducts).remove("cod, ").replace("gone", "figs, gone"));
    }

    void editing()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, expected);
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model);
        for (const QString &step : std::as_const(steps))
            run(model, step);
        QCOMPARE(shown(model), expected);
    }

    // The installed copy is read while the user has none; leaving the catalogue screen empties
    // the views and writes the user copy, which from then on wins. Ticks stay out of the file,
    // unknown attributes survive, sorted after the known ones in their order, and the root keeps
    // only its version.
    void userCopyFirstInstalledCopySecond()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        QVERIFY(!model.loadModel());
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.releaseModel();
        QCOMPARE(qUncompress(readFile(model.userCopyPath())),
                 fixture("catalogues/empty-saved.xml"));

        QFile::remove(model.userCopyPath());
        installFixture("catalogues/shop.db", model.installedCopyPath());
        QVERIFY(model.loadModel());
        model.toggleItem(6);
        QVERIFY(model.saveModel());
        QCOMPARE(readFile(model.userCopyPath()), qCompress(fixture("catalogues/shop-saved.xml")));
        QCOMPARE(data(model, 6, kpCategoriesDataModel::ItemStatusRole), "checked");
        QFile::remove(model.installedCopyPath());
        reset.clear();
        model.releaseModel();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(model.loadModel());
        QCOMPARE(shown(model), ShopRows);

        // A file where its folder should be: it cannot be saved.
        const QString folder = QFileInfo(model.userCopyPath()).path();
        QVERIFY(QDir(folder).removeRecursively());
        writeFile(folder, "a file, not a folder");
        QVERIFY(!model.saveModel());
    }

    // What the views are told, what goes to the list, and what is learnt from it.
    void signalsAndRecords()
    {
        kpCategoriesDataModel model;
        QAbstractItemModelTester tester(&model);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        open(model);
        // The later milk stands for its name in product order.
        run(model, "product");
        QCOMPARE(data(model, 7, kpCategoriesDataModel::ItemCategoryNameRole), "drinks");
        model.sortByCategory();
        model.updateModel();

        // Amount, unit and price are learnt by the first product of the same name and category,
        // whatever the case; the note is the list's own.
        reset.clear();
        Item edited = listItem("tea", "drinks");
        edited.insert({{"count", "2"}, {"count_unit", "kg"}, {"price", "3.50"}, {"note", "green"}});
        model.updateItem(edited);
        model.updateItem(listItem("tea", "bakery"));
        QCOMPARE(reset.count(), 1);
        QCOMPARE(QStringList({data(model, 1, kpCategoriesDataModel::ItemCountRole),
                              data(model, 1, kpCategoriesDataModel::ItemCountUnitRole),
                              data(model, 1, kpCategoriesDataModel::ItemPriceRole),
                              data(model, 1, kpCategoriesDataModel::ItemNoteRole),
                              data(model, 11, kpCategoriesDataModel::ItemPriceRole)}),
                 QStringList({"2", "kg", "3.50", "", ""}));

        // A renamed product is unticked; the ticks go to the list in item order. Adding a product
        // by hand says whether it was added.
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        for (const char *step : {"tick 8", "tick 6", "tick 1", "rename 8 ham", "add -1 figs fruit"})
            run(model, step);
        QVERIFY(model.addNewItem(5, "curd"));
        QVERIFY(!model.addNewItem(5, "CURD"));
        QCOMPARE(QList<int>({int(changed.count()), int(inserted.count())}), QList<int>({4, 3}));
        QStringList names;
        for (const Item &item : model.checkedItems()) {
            names.append(item.value("name"));
            QCOMPARE(item.value("status"), "unchecked");
        }
        QCOMPARE(names, QStringList({"cheese", "Tea"}));
        // Collected, the ticks leave the catalogue, and its views are told.
        QVERIFY2(!shown(model).contains('+'), qPrintable(shown(model)));
        QCOMPARE(reset.count(), 2);

        // A name in use is refused with a message.
        const auto message = answerMessageBox(QMessageBox::Ok);
        run(model, "rename 3 BUNS");
        QTRY_COMPARE(message->text, "Item with the same name already exists");
        QCOMPARE(data(model, 3, kpCategoriesDataModel::ItemNameRole), "bread");
    }
};

TOVIMAR_TEST_MAIN(tst_kpCategoriesDataModel)
#include "tst_kpCategoriesDataModel.moc"
