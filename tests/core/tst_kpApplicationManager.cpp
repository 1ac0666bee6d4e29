#include "kpApplicationManager.h"
#include "kpQmlObjects.h"
#include "kpTestSupport.h"

#include <QDir>
#include <QLocale>
#include <QQmlComponent>
#include <QQuickWidget>
#include <QSignalSpy>
#include <optional>

using namespace kpTestSupport;

namespace {

// Where the program keeps its settings.
QString settingsPath()
{
    return QDir(dataLocation()).absoluteFilePath(QStringLiteral("data/config.db"));
}

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

} // namespace

class tst_kpApplicationManager : public QObject
{
    Q_OBJECT

    QQuickWidget mView;
    std::optional<kpApplicationManager> mManager;

    // Starts the manager over the week list, its dialogs shown over the view.
    void start()
    {
        installFixture("lists/week.kpl", listPath());
        QVERIFY(mManager->initialize());
        mManager->setParentWidget(&mView);
    }

private slots:
    void initTestCase()
    {
        auto *screens = new QQmlComponent(mView.engine(), &mView);
        screens->setData(Screens, QUrl());
        mView.setContent(QUrl(), screens, screens->create());
        QVERIFY(mView.rootObject());
    }

    void init()
    {
        clearDataLocation();
        mManager.emplace();
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
        row("malformed numbers", "malformed-numbers.xml", 0, 0);
        row("out of range", "out-of-range.xml", 0, 0);
        row("a language this version does not know", "unknown-language.xml", 0, 3);
        // What lies beyond the bounds of the program's files counts as broken off; the bounds
        // themselves are the file reader's.
        row("broken off after the first item", "broken-off.xml", 1, 0);
        row("a document type declaration", "entities.xml", 0, 0);
    }

    // Starting reads the settings and never writes them; the overview shows prices in the unit in
    // force from the start.
    void settingsAreReadWhereverTheyStand()
    {
        QFETCH(QString, file);
        QFETCH(int, language);
        QFETCH(int, currency);
        installFixture(file, settingsPath());
        start();
        QCOMPARE(mManager->languagesDataModel()->currentLanguageIndex(), language);
        QCOMPARE(mManager->currencyUnitsDataModel()->currentCurrencyIndex(), currency);
        QCOMPARE(mManager->measureUnitsDataModel()->stringForIndex(2), language ? "кг" : "kg");
        QCOMPARE(
            mManager->listsDataModel()->index(0).data(kpListsDataModel::PriceUnitRole).toString(),
            mManager->currencyUnitsDataModel()->currentCurrencySymbol());
        QCOMPARE(readFile(settingsPath()), fixture(file));
    }

    // Settings are read up to 4 MiB, as the program's other files: a file ending there is read
    // whole, one byte more cuts its last element.
    void settingsAreReadUpToTheBound()
    {
        const QByteArray root = "<tovimar_settings>";
        const QByteArray last = "<item name=\"currency_unit\" value=\"2\"/>";
        for (int pastTheBound : {0, 1}) {
            const qsizetype padding = 4 * 1024 * 1024 - root.size() - last.size() + pastTheBound;
            writeFile(settingsPath(), root + QByteArray(padding, ' ') + last);
            mManager->loadSettings();
            QCOMPARE(mManager->currencyUnitsDataModel()->currentCurrencyIndex(),
                     pastTheBound ? 0 : 2);
        }
    }

    // Every model, dialog text and settings wheel follows; the settings file is written in a
    // fixed form. The units follow as on reading the settings; the screens' texts and prices are
    // the settings screen's to show.
    void switchingLanguageRetranslatesEverything()
    {
        start();
        QVERIFY(mManager->loadList(0));
        QSignalSpy changed(&*mManager, &kpApplicationManager::languageChanged);

        mManager->updateSettings(1, 6);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(mManager->languagesDataModel()->index(0).data(), "Английский");
        QCOMPARE(mManager->listsDataModel()->index(0).data(kpListsDataModel::PriceUnitRole), "руб");
        QCOMPARE(itemsText(22), "22 наименования");
        QVERIFY(mManager->productsDataModel()->userCopyPath().endsWith("categories_ru.db"));
        const auto listBox = answerMessageBox(QMessageBox::Cancel);
        QVERIFY(!mManager->listDataModel()->deleteItem(3));
        QCOMPARE(listBox->text, "Вы уверены что хотите удалить элемент Bread?");
        QCOMPARE(listBox->parent, &mView);
        // Deleting a list asks first; cancelled or not, the overview is read again.
        QSignalSpy reset(mManager->listsDataModel(), &QAbstractItemModel::modelReset);
        const auto overviewBox = answerMessageBox(QMessageBox::Cancel);
        QVERIFY(mManager->deleteList(0));
        QCOMPARE(overviewBox->title, "Удаление списка");
        QCOMPARE(overviewBox->text, "Вы уверены что хотите удалить список week?");
        QCOMPARE(overviewBox->parent, &mView);
        QVERIFY(QFile::exists(listPath()));
        QCOMPARE(reset.count(), 1);
        QCOMPARE(readFile(settingsPath()), fixture("settings/russian.xml"));
        mManager->prepareSettings();
        QCOMPARE(shown(mView, "languageSelector", "currentIndex"), 1);
        QCOMPARE(shown(mView, "currencyUnitSelector", "currentIndex"), 6);

        mManager->updateSettings(0, 6);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(itemsText(1), "1 item");
        answerMessageBox(QMessageBox::Ok);
        QVERIFY(mManager->deleteList(0));
        QVERIFY(!QFile::exists(listPath()));
        QCOMPARE(mManager->listsDataModel()->rowCount(), 0);
    }

    // No settings file: English, with its plural forms and signs like "Kč" from its catalogue,
    // and no file written. A language this version does not know is stored but not used;
    // settings that cannot be written still apply for this run.
    void withoutSettings()
    {
        QLocale::setDefault(QLocale::Russian);
        QVERIFY(mManager->initialize());
        // Prices are written and read with "." whatever the language, even on a Russian system.
        QCOMPARE(QLocale().name(), "en_US");
        QVERIFY(!QFile::exists(settingsPath()));
        QCOMPARE(itemsText(1), "1 item");
        // Without a view there is nothing to set.
        mManager->prepareSettings();
        QSignalSpy changed(&*mManager, &kpApplicationManager::languageChanged);
        mManager->updateSettings(2, 1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(mManager->languagesDataModel()->currentLanguageIndex(), 0);
        QVERIFY(readFile(settingsPath()).contains("<item name=\"language\" value=\"2\"/>"));
        const QString folder = QFileInfo(settingsPath()).path();
        QVERIFY(QDir(folder).removeRecursively());
        writeFile(folder, "a file, not a folder");
        mManager->updateSettings(0, 3);
        QCOMPARE(mManager->currencyUnitsDataModel()->currentCurrencySymbol(), "Ft");
        QCOMPARE(readFile(folder), "a file, not a folder");
    }

    // The item dialog shows a row's amount, unit, price and note and stores them back, each
    // value apart: one its wheels cannot show is kept while they are untouched. What the wheels
    // make of a value is theirs to test.
    void itemDialogValues()
    {
        start();
        QVERIFY(mManager->loadList(0));
        kpListDataModel *list = mManager->listDataModel();
        const auto stored = [list]() {
            QStringList values;
            for (int role :
                 QList<int>{kpListDataModel::ItemCountRole, kpListDataModel::ItemCountUnitRole,
                            kpListDataModel::ItemPriceRole, kpListDataModel::ItemCommentsRole})
                values.append(list->index(7).data(role).toString());
            return values;
        };
        list->updateItem(7, "3.5", "12000", "кг", "green");
        mManager->updateValuesSelector(7);
        QCOMPARE(wheels(mView, "amountSelector", 7), QList<int>({9, 9, 9, 9, 9, 9, 0}));
        QCOMPARE(wheels(mView, "priceSelector"), QList<int>({0, 0, 0, 3, 5, 0}));
        QCOMPARE(shown(mView, "noteSelector", "text"), "green");
        mManager->updateListItem(7);
        QCOMPARE(stored(), QStringList({"12000", "кг", "3.5", "green"}));

        mManager->updateValuesSelector(7);
        kpQmlObjects::find(&mView, "priceSelector")->setProperty("currentValue3", 1);
        kpQmlObjects::find(&mView, "amountSelector")->setProperty("currentValue7", 2);
        kpQmlObjects::find(&mView, "noteSelector")->setProperty("text", "red");
        mManager->updateListItem(7);
        QCOMPARE(stored(), QStringList({"12000", "kg", "13.5", "red"}));
    }

    // Opening a list starts in category order on the list display. The catalogue greys out what
    // the list holds, hands its ticks to the list, and learns the products typed into the list
    // and their prices. How the catalogue clears its ticks is its own test's.
    void catalogueAndListMeet()
    {
        installFixture("catalogues/shop.db", cataloguePath());
        start();
        kpCategoriesDataModel *catalogue = mManager->productsDataModel();
        kpListDataModel *list = mManager->listDataModel();
        list->sortByProduct();
        list->displayCart();
        QVERIFY(mManager->loadList(0));
        QCOMPARE(rows(*list).mid(0, 4), QStringList({"[]", "salt", "[Bakery]", "Bread"}));
        QVERIFY(catalogue->loadModel());

        mManager->updateCategoryItems();
        QCOMPARE(catalogue->index(3).data(kpItemRowsModel::ItemStatusRole), "unknown");
        catalogue->toggleItem(3);
        catalogue->toggleItem(15);
        mManager->updateListItems();
        QCOMPARE(rows(*list).mid(2, 6),
                 QStringList({"[Bakery]", "Bread", "[dry]", "rice", "[fish]", "cod"}));

        QVERIFY(list->addItem(7, "Juice"));
        QCOMPARE(rows(*catalogue).mid(14), QStringList({"[fish]", "cod", "juice"}));
        list->updateItem(7, "4", "1", "", "");
        QCOMPARE(catalogue->index(15).data(kpItemRowsModel::ItemPriceRole), "4");
    }

    // A damaged list fails the start and stays; a lists folder removed while running is made
    // again; one that cannot be made fails.
    void listsThatCannotBeRead()
    {
        installFixture("damaged/empty.kpl", listPath());
        QVERIFY(!mManager->initialize());
        QVERIFY(QFile::exists(listPath()));
        QVERIFY(QDir(listsDirectory()).removeRecursively());
        QVERIFY(!mManager->updateListsDataModel());
        QVERIFY(QDir(listsDirectory()).exists());
        QVERIFY(mManager->updateListsDataModel());
        QVERIFY(QDir(dataLocation()).removeRecursively());
        writeFile(dataLocation(), "a file where the data folder should be");
        QVERIFY(!mManager->initialize());
        QVERIFY(!mManager->createNewList());
        QFile::remove(dataLocation());
    }
};

TOVIMAR_TEST_MAIN(tst_kpApplicationManager)
#include "tst_kpApplicationManager.moc"
