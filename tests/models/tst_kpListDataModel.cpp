#include "kpItemRecord.h"
#include "kpListDataModel.h"
#include "kpTestSupport.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QSignalSpy>

using namespace kpTestSupport;
using Item = kpListDataModel::Item;

namespace {

Item record(const QString &pName, const QString &pCategory, const QString &pStatus = "unchecked",
            const QString &pPrice = {}, const QString &pCount = {})
{
    Item item = kpItemRecord::newRecord(pName, pCategory, pStatus);
    item.insert({{"price", pPrice}, {"count", pCount}});
    return item;
}

// The rows of tests/data/lists/week.xml: 0 [], 1 salt, 2 [Bakery], 3 Bread, 4 [dry], 5 rice,
// 6 [fruit], 7 apples, 8 pears, 9 [milk products], 10 cheese, 11 [milk], 12 kefir, 13 [veg],
// 14 Zucchini; Kale of Veg is in the cart. A header key is the category and ":": a blank category
// sorts first, and a ":" inside a category cuts its header's text.
const QString WeekRows = "[], salt, [Bakery], Bread, [dry], rice, [fruit], apples, pears, "
                         "[milk products], cheese, [milk], kefir, [veg], Zucchini";

QString weekWith(const QString &pBefore, const QString &pAfter)
{
    return QString(WeekRows).replace(pBefore, pAfter);
}

// One step on the open list: "tick 3", "add 3 name", "add -1 name category" (the category asked
// for, cancelled when none is given), "take name category" (ticked in the catalogue), or
// "product", "cart", "list" (rows rebuilt). Deleting an item, and its header with the last item of
// its category, is shared with the catalogue and checked there and on the screens.
void run(kpListDataModel &pModel, const QString &pStep)
{
    const QStringList words = pStep.split(' ');
    const int row = words.value(1).toInt();
    if (words[0] == "tick") {
        pModel.toggleItem(row);
    } else if (words[0] == "add" && row == -1) {
        const auto dialog = answerInputDialog(words.value(3), words.size() > 3);
        (void)pModel.addItem(row, words[2]);
        QCOMPARE(dialog->asked(), "Category: Enter category name");
    } else if (words[0] == "add") {
        (void)pModel.addItem(row, words[2]);
    } else if (words[0] == "take") {
        pModel.addItems({record(words[1], words[2])});
    } else {
        using Mode = void (kpListDataModel::*)();
        static const QHash<QString, Mode> modes = {{"product", &kpListDataModel::sortByProduct},
                                                   {"cart", &kpListDataModel::displayCart},
                                                   {"list", &kpListDataModel::displayList}};
        (pModel.*modes.value(words[0]))();
        pModel.updateModel();
    }
}

} // namespace

class tst_kpListDataModel : public QObject
{
    Q_OBJECT

    // Opens a fixture as the program's list, in category order on the list display.
    void open(kpListDataModel &pModel, const QString &pFixture = "lists/week.kpl")
    {
        installFixture(pFixture, listPath());
        QVERIFY(pModel.loadModel(listPath()));
        pModel.updateModel();
    }

private slots:
    void init() { clearDataLocation(); }

    void editing_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *pName, const QStringList &pSteps, const QString &pRows) {
            QTest::newRow(pName) << pSteps << pRows;
        };
        row("category order groups under headers", {}, WeekRows);
        row("product order is code-unit order", {"product"},
            "Bread, Zucchini, apples, cheese, kefir, pears, rice, salt");
        row("the cart groups checked items under their own headers", {"tick 7", "cart"},
            "[Veg], Kale, [fruit], apples");
        row("ticking in the cart puts an item back on the list", {"cart", "tick 1", "list"},
            weekWith("[dry]", "[Veg], Kale, [dry]"));
        row("a blank category keeps its header until the rows are rebuilt", {"tick 1"},
            weekWith("salt, ", ""));
        row("a checked product typed again is taken out of the cart",
            {"tick 7", "add 7 apples", "add 14 kale", "cart"}, "");
        row("without a row the category is asked for", {"add -1 almonds Nuts", "add -1 walnuts"},
            weekWith("[veg]", "[nuts], almonds, [veg]"));
        row("a row gone since has no category", {"add 99 flour"}, weekWith("salt", "flour, salt"));
        row("a catalogue product joins the list unless it is shown",
            {"take PEARS Fruit", "take milk dairy"}, weekWith("[dry]", "[dairy], milk, [dry]"));
        row("in product order a catalogue product leaves the cart by its name",
            {"add 14 kale", "tick 7", "tick 7", "product", "cart", "take PEARS x", "take APPLES x"},
            "");
    }

    void editing()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, expected);
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model);
        for (const QString &step : std::as_const(steps))
            run(model, step);
        QCOMPARE(rows(model).join(", "), expected);
    }

    // Unknown root attributes, the path and deleted records stay out of the file; the totals go
    // into its header: records are counted, not amounts, deleted ones not at all, and a missing
    // price marks the sum with "+" (the cart's totals are the checkout's). Attributes take a
    // fixed order; the list is saved on destruction too. Header rows carry the list's name; they
    // are lower than item rows.
    void savedFileHoldsKeptRecordsInAFixedForm()
    {
        {
            kpListDataModel model;
            QAbstractItemModelTester tester(&model);
            open(model);
            QVERIFY(model.saveModel());
            QCOMPARE(readFile(listPath()), qCompress(fixture("lists/week-saved.xml"), 9));
            QCOMPARE(model.index(2).data(kpListDataModel::ListNameRole).toString(), "week");
            QCOMPARE(QList<int>({model.itemHeight(0), model.itemHeight(1)}), QList<int>({50, 70}));
            // An item's note is read by the edit screen's test.
            model.updateItem(14, "", "", "", "ripe");
        }
        QVERIFY(qUncompress(readFile(listPath())).contains("note=\"ripe\""));
        kpListDataModel again;
        // Nothing left to buy: no file.
        installFixture("lists/all-checked.kpl", listPath());
        QVERIFY(again.loadModel(listPath()));
        QVERIFY(again.saveModel());
        QVERIFY(!QFile::exists(listPath()));
        QVERIFY(again.saveModel());
    }

    // A file that cannot be opened leaves the open list as it was; a damaged one empties the
    // views (what each file gives is in tst_kpHostileFiles). A failed write is reported and
    // replaces nothing.
    void damagedOrUnwritableFile()
    {
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model);
        QVERIFY(!model.loadModel(listPath() + ".missing"));
        QCOMPARE(rows(model).join(", "), WeekRows);
        installFixture("damaged/truncated.kpl", listPath());
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy nameChanged(&model, &kpListDataModel::listNameChanged);
        QVERIFY(!model.loadModel(listPath()));
        QCOMPARE(reset.count(), 1);
        QCOMPARE(nameChanged.count(), 0);
        QCOMPARE(model.rowCount(), 0);
        installFixture("lists/broken-xml.kpl", listPath());
        QVERIFY(model.loadModel(listPath()));
        QCOMPARE(nameChanged.count(), 1);

        // A folder with content in place of the file: the new file cannot replace it.
        QVERIFY(QFile::remove(listPath()));
        writeFile(listPath() + "/kept", "kept");
        QVERIFY(!model.saveModel());
        QCOMPARE(readFile(listPath() + "/kept"), "kept");
        QCOMPARE(QDir(listsDirectory()).entryList(QDir::Files), QStringList());
        // Nothing left to buy, but the old file cannot be removed: no success is reported.
        answerMessageBox(QMessageBox::Ok);
        QVERIFY(model.deleteAll());
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
        QTest::newRow("only blanks, refused") << "   " << true << "week";
    }

    // A new list has nothing to buy yet: the old file is gone at once.
    void newList()
    {
        QFETCH(QString, answer);
        QFETCH(bool, accept);
        QFETCH(QString, name);
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model);
        QSignalSpy nameChanged(&model, &kpListDataModel::listNameChanged);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        const auto dialog = answerInputDialog(answer, accept);
        const bool created = model.newModel(listPath());
        QCOMPARE(dialog->asked(), "List name: Enter list name");
        QCOMPARE(created, name != "week");
        QCOMPARE(model.listName(), name);
        QCOMPARE(QList<int>({int(nameChanged.count()), int(reset.count())}),
                 QList<int>(2, created ? 1 : 0));
        QCOMPARE(model.rowCount(), created ? 0 : 15);
        QCOMPARE(QFile::exists(listPath()), !created);
    }

    // What the catalogue learns from, and what the views are told.
    void signalsOfEditing()
    {
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        open(model);
        // A typed product takes the row's category, lower-cased; one already listed, whatever
        // its case, is refused, so the screen keeps what the user typed.
        QSignalSpy added(&model, &kpListDataModel::itemAdded);
        QVERIFY(model.addItem(2, "Buns"));
        QVERIFY(!model.addItem(14, "PEARS"));
        QCOMPARE(added.count(), 1);
        QCOMPARE(added.at(0).at(0).value<Item>(), record("buns", "bakery"));
        QCOMPARE(rows(model).join(", "), weekWith("[dry]", "[bakery], buns, [dry]"));

        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy updated(&model, &kpListDataModel::itemUpdated);
        model.updateItem(9, "1.5", "2", "l", "fresh");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toModelIndex().row(), 9);
        Item apples = record("apples", "fruit", "unchecked", "1.5", "2");
        apples.insert({{"count_unit", "l"}, {"note", "fresh"}});
        QCOMPARE(updated.value(0).value(0).value<Item>(), apples);

        // The question of an item is the manager's test.
        const auto all = answerMessageBox(QMessageBox::Cancel);
        QVERIFY(!model.deleteAll());
        QCOMPARE(all->asked(), "Delete all: Are you sure you want to delete all items?");
        // Rows are removed once; with none left no removal is announced.
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        for (int time = 0; time < 2; ++time) {
            answerMessageBox(QMessageBox::Ok);
            QVERIFY(model.deleteAll());
        }
        QCOMPARE(removed.count(), 1);
        QVERIFY(model.items(false).isEmpty());
    }

    // The last item ticked on the list asks for the checkout, its totals already counted.
    void tickingToTheCheckout()
    {
        kpListDataModel model;
        QAbstractItemModelTester tester(&model);
        model.addItems(
            {record("milk", "dairy", "unchecked", "0.50", "2"), record("tea", "drinks")});
        QStringList order;
        const auto note = [&order, &model](const char *pSignal) {
            return [&order, &model, pSignal]() {
                order.append(pSignal + (" " + model.checkoutAmount()) + " "
                             + model.checkoutPrice());
            };
        };
        connect(&model, &kpListDataModel::checkoutRequested, this, note("requested"));
        connect(&model, &kpListDataModel::checkoutAmountChanged, this, note("amount"));
        connect(&model, &kpListDataModel::checkoutPriceChanged, this, note("price"));
        model.toggleItem(1);
        QCOMPARE(order, QStringList());
        QVERIFY(!model.needsCheckout());
        model.toggleItem(1);
        QCOMPARE(order, QStringList({"requested 2 1.00+", "amount 2 1.00+", "price 2 1.00+"}));
        QVERIFY(model.needsCheckout());

        // Emptying the cart asks for no checkout.
        run(model, "cart");
        model.toggleItem(1);
        model.toggleItem(1);
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(order.size(), 3);
        QVERIFY(!model.needsCheckout());
        // The checkout forgets every record, bought or not.
        QVERIFY(model.checkout());
        QCOMPARE(model.items(true).size(), 0);
        QCOMPARE(model.items(false).size(), 0);
    }
};

TOVIMAR_TEST_MAIN(tst_kpListDataModel)
#include "tst_kpListDataModel.moc"
