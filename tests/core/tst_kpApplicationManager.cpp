#include "kpApplicationManager.h"
#include "kpQmlObjects.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QDir>
#include <QLocale>
#include <QQuickWidget>
#include <QSignalSpy>

using namespace kpTestSupport;

namespace {

// The objects of the item dialog and the settings screen the manager fills and reads; it finds
// them by name at any depth.
const QByteArray Screens = R"(import QtQuick
Item {
    Item { objectName: "amountSelector" }
    Item { Item { objectName: "priceSelector" } }
    Item { objectName: "noteSelector" }
    Item { objectName: "languageSelector" }
    Item { objectName: "currencyUnitSelector" }
}
)";

QString itemsText(int pCount)
{
    return QCoreApplication::translate("ScreenMainDelegate", "%n item(s)", nullptr, pCount);
}

QVariant shown(QQuickWidget &pView, const char *pName, const char *pProperty)
{
    return kpQmlObjects::find(&pView, pName)->property(pProperty);
}

QList<int> wheels(QQuickWidget &pView, const char *pName, int pCount = 6)
{
    QList<int> values;
    for (int wheel = 1; wheel <= pCount; ++wheel)
        values.append(shown(pView, pName, "currentValue" + QByteArray::number(wheel)).toInt());
    return values;
}

// Starts the manager over the week list, its dialogs shown over pView.
void start(kpApplicationManager &pManager, QQuickWidget *pView = nullptr)
{
    installFixture("lists/week.kpl", listPath());
    QVERIFY(pManager.initialize());
    pManager.setParentWidget(pView);
}

} // namespace

class tst_kpApplicationManager : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    // No settings file: English, with its plural forms and signs like "Kč" from its catalogue,
    // and no file written.
    void firstStart()
    {
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        QVERIFY(QDir(listsDirectory()).exists());
        QCOMPARE(manager.listsDataModel()->rowCount(), 0);
        // Prices are written and read with "." whatever the language.
        QCOMPARE(QLocale().name(), "en_US");
        QCOMPARE(manager.languagesDataModel()->currentLanguageCode(), "en");
        QVERIFY(!QFile::exists(settingsPath()));
        QCOMPARE(itemsText(1), "1 item");
        // Without a view there is nothing to set or toggle.
        manager.prepareSettings();
        manager.toogleFullscreen();
    }

    void damagedListFailsInitialisationAndStays()
    {
        installFixture("damaged/empty.kpl", listPath());
        kpApplicationManager manager;
        QVERIFY(!manager.initialize());
        QVERIFY(QFile::exists(listPath()));
    }

    void settingsAreReadWhereverTheyStand_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("currency");
        const auto row = [](const char *pName, const char *pFile, int pLanguage, int pCurrency) {
            QTest::newRow(pName) << QString("settings/") + pFile << pLanguage << pCurrency;
        };
        row("as written", "russian.xml", 1, 6);
        row("nested, other root, later one wins", "nested.xml", 1, 7);
        row("only a currency", "only-currency.xml", 0, 2);
        row("malformed numbers", "malformed-numbers.xml", 0, 0);
        row("out of range", "out-of-range.xml", 0, 0);
        row("a language this version does not know", "unknown-language.xml", 0, 3);
        row("compressed", "compressed.bin", 0, 0);
        // What lies beyond the bounds of the program's files counts as broken off.
        row("broken off after the first item", "broken-off.xml", 1, 0);
        row("a document type declaration", "entities.xml", 0, 0);
        row("element of too many attributes", "crowded-element.xml", 1, 0);
        row("elements past the bound", "past-element-bound.xml", 1, 0);
    }

    // Starting reads the settings and never writes them; the overview shows prices in the unit in
    // force from the start.
    void settingsAreReadWhereverTheyStand()
    {
        QFETCH(QString, file);
        QFETCH(int, language);
        QFETCH(int, currency);
        installFixture(file, settingsPath());
        kpApplicationManager manager;
        start(manager);
        QCOMPARE(manager.languagesDataModel()->currentLanguageIndex(), language);
        QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencyIndex(), currency);
        QCOMPARE(manager.measureUnitsDataModel()->stringForIndex(2), language ? "кг" : "kg");
        QCOMPARE(
            manager.listsDataModel()->index(0).data(kpListsDataModel::PriceUnitRole).toString(),
            manager.currencyUnitsDataModel()->currentCurrencySymbol());
        QCOMPARE(readFile(settingsPath()), fixture(file));
        manager.updateSettings(0, 0);
    }

    void settingsAreReadUpToTheBound_data()
    {
        QTest::addColumn<int>("pastTheBound");
        QTest::addColumn<int>("currency");
        QTest::newRow("a file ending at 4 MiB is read whole") << 0 << 2;
        QTest::newRow("one byte more cuts its last element") << 1 << 0;
    }

    void settingsAreReadUpToTheBound()
    {
        QFETCH(int, pastTheBound);
        QFETCH(int, currency);
        const QByteArray root = "<tovimar_settings>";
        const QByteArray last = "<item name=\"currency_unit\" value=\"2\"/>";
        const qsizetype padding = 4 * 1024 * 1024 - root.size() - last.size() + pastTheBound;
        writeFile(settingsPath(), root + QByteArray(padding, ' ') + last);
        kpApplicationManager manager;
        manager.loadSettings();
        QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencyIndex(), currency);
    }

    // Every model, dialog text and settings wheel follows; the settings file is written in a
    // fixed form.
    void switchingLanguageRetranslatesEverything()
    {
        QQuickWidget view;
        setQml(&view, Screens);
        kpApplicationManager manager;
        start(manager, &view);
        QVERIFY(manager.loadList(0));
        QSignalSpy changed(&manager, &kpApplicationManager::languageChanged);

        manager.updateSettings(1, 6);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(manager.measureUnitsDataModel()->stringForIndex(2), "кг");
        QCOMPARE(manager.languagesDataModel()->index(0).data(), "Английский");
        QCOMPARE(manager.listsDataModel()->index(0).data(kpListsDataModel::PriceUnitRole), "руб");
        QCOMPARE(itemsText(22), "22 наименования");
        QVERIFY(manager.productsDataModel()->userCopyPath().endsWith("categories_ru.db"));
        const auto listBox = answerMessageBox(QMessageBox::Cancel);
        QVERIFY(!manager.listDataModel()->deleteItem(3));
        QCOMPARE(listBox->text, "Вы уверены что хотите удалить элемент Bread?");
        QCOMPARE(listBox->parent, &view);
        const auto overviewBox = answerMessageBox(QMessageBox::Cancel);
        manager.deleteList(0);
        QCOMPARE(overviewBox->title, "Удаление списка");
        QCOMPARE(readFile(settingsPath()), fixture("settings/russian.xml"));
        manager.prepareSettings();
        QCOMPARE(shown(view, "languageSelector", "currentIndex"), 1);
        QCOMPARE(shown(view, "currencyUnitSelector", "currentIndex"), 6);

        manager.updateSettings(0, 6);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencySymbol(), "rub");
        QCOMPARE(itemsText(1), "1 item");
    }

    // A language this version does not know is stored but not used; settings that cannot be
    // written still apply for this run.
    void settingsThatCannotApplyInFull()
    {
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        QSignalSpy changed(&manager, &kpApplicationManager::languageChanged);
        manager.updateSettings(2, 1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(manager.languagesDataModel()->currentLanguageIndex(), 0);
        QVERIFY(readFile(settingsPath()).contains("<item name=\"language\" value=\"2\"/>"));
        const QString folder = QFileInfo(settingsPath()).path();
        QVERIFY(QDir(folder).removeRecursively());
        writeFile(folder, "a file, not a folder");
        manager.updateSettings(0, 3);
        QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencySymbol(), "Ft");
        QCOMPARE(readFile(folder), "a file, not a folder");
    }

    // The item dialog shows a row's amount, unit, price and note and stores them back; what its
    // wheels cannot show is kept unless the user turns them, for each value apart.
    void itemDialogValues()
    {
        QQuickWidget view;
        setQml(&view, Screens);
        kpApplicationManager manager;
        start(manager, &view);
        QVERIFY(manager.loadList(0));
        kpListDataModel *list = manager.listDataModel();
        const auto stored = [list]() {
            QStringList values;
            for (int role :
                 {int(kpListDataModel::ItemCountRole), int(kpListDataModel::ItemCountUnitRole),
                  int(kpListDataModel::ItemPriceRole), int(kpListDataModel::ItemCommentsRole)})
                values.append(list->index(7).data(role).toString());
            return values;
        };
        list->updateItem(7, "3.5", "2", "kg", "green");
        manager.updateValuesSelector(7);
        QCOMPARE(wheels(view, "amountSelector", 7), QList<int>({0, 0, 0, 2, 0, 0, 2}));
        QCOMPARE(wheels(view, "priceSelector"), QList<int>({0, 0, 0, 3, 5, 0}));
        QCOMPARE(shown(view, "noteSelector", "text"), "green");
        manager.updateListItem(7);
        QCOMPARE(stored(), QStringList({"2", "kg", "3.5", "green"}));

        list->updateItem(7, "-5", "12000", "кг", "green");
        manager.updateValuesSelector(7);
        manager.updateListItem(7);
        QCOMPARE(stored(), QStringList({"12000", "кг", "-5", "green"}));
        manager.updateValuesSelector(7);
        QObject *price = kpQmlObjects::find(&view, "priceSelector");
        price->setProperty("currentValue3", 1);
        price->setProperty("currentValue4", 2);
        kpQmlObjects::find(&view, "amountSelector")->setProperty("currentValue7", 2);
        manager.updateListItem(7);
        QCOMPARE(stored(), QStringList({"12000", "kg", "12", "green"}));
    }

    // Opening a list always starts in category order on the list display.
    void loadingAList()
    {
        kpApplicationManager manager;
        start(manager);
        kpListDataModel *list = manager.listDataModel();
        list->sortByProduct();
        list->displayCart();
        QVERIFY(!manager.loadList(-1));
        QVERIFY(!manager.loadList(1));
        QCOMPARE(list->rowCount(), 0);
        QVERIFY(manager.loadList(0));
        QCOMPARE(list->listName(), "week");
        QCOMPARE(rows(*list).mid(0, 4), QStringList({"[]", "salt", "[Bakery]", "Bread"}));
    }

    // The catalogue greys out what the list holds, hands its ticks to the list, and learns the
    // products typed into the list and their prices.
    void catalogueAndListMeet()
    {
        installFixture("catalogues/shop.db", cataloguePath());
        kpApplicationManager manager;
        start(manager);
        kpCategoriesDataModel *catalogue = manager.productsDataModel();
        kpListDataModel *list = manager.listDataModel();
        QVERIFY(manager.loadList(0));
        QVERIFY(catalogue->loadModel());

        manager.updateCategoryItems();
        QCOMPARE(catalogue->index(3).data(kpItemRowsModel::ItemStatusRole), "unknown");
        catalogue->toggleItem(3);
        catalogue->toggleItem(15);
        manager.updateListItems();
        QCOMPARE(catalogue->index(3).data(kpItemRowsModel::ItemStatusRole), "unchecked");
        QCOMPARE(rows(*list).mid(2, 6),
                 QStringList({"[Bakery]", "Bread", "[dry]", "rice", "[fish]", "cod"}));

        QVERIFY(list->addItem(7, "Juice"));
        QCOMPARE(rows(*catalogue).mid(14), QStringList({"[fish]", "cod", "juice"}));
        list->updateItem(7, "4", "1", "", "");
        QCOMPARE(catalogue->index(15).data(kpItemRowsModel::ItemPriceRole), "4");
    }

    // Cancelled or not, the overview is read again.
    void deletingAListAsksFirst()
    {
        QQuickWidget view;
        kpApplicationManager manager;
        start(manager, &view);
        QSignalSpy reset(manager.listsDataModel(), &QAbstractItemModel::modelReset);
        const auto cancelled = answerMessageBox(QMessageBox::Cancel);
        QVERIFY(manager.deleteList(0));
        QCOMPARE(cancelled->text, "Are you sure you want to delete list week?");
        QCOMPARE(cancelled->parent, &view);
        QVERIFY(QFile::exists(listPath()));
        QCOMPARE(reset.count(), 1);

        answerMessageBox(QMessageBox::Ok);
        QVERIFY(manager.deleteList(0));
        QVERIFY(!QFile::exists(listPath()));
        QCOMPARE(manager.listsDataModel()->rowCount(), 0);
    }

    // A lists folder removed while running is made again; one that cannot be made fails.
    void listsFolderGoneOrImpossible()
    {
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        QVERIFY(QDir(listsDirectory()).removeRecursively());
        QVERIFY(!manager.updateListsDataModel());
        QVERIFY(QDir(listsDirectory()).exists());
        QVERIFY(manager.updateListsDataModel());
        QVERIFY(QDir(dataLocation()).removeRecursively());
        writeFile(dataLocation(), "a file where the data folder should be");
        QVERIFY(!manager.initialize());
        QVERIFY(!manager.createNewList());
        QFile::remove(dataLocation());
    }

    void fullScreenToggles()
    {
        QQuickWidget view;
        kpApplicationManager manager;
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
