#include "kpApplicationManager.h"
#include "kpQmlTestView.h"
#include "kpQuickHost.h"
#include "kpScreenLayout.h"
#include "kpTestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QQuickItem>
#include <QQuickWidget>
#include <QtTest>

using namespace kpTestSupport;
using namespace kpScreenLayout;

namespace {

QString listFile()
{
    return QDir(listsDirectory()).absoluteFilePath("demo-list.kpl");
}

// Bread in bakery and two litres of milk in dairy, both still to buy; in category order the
// rows are: bakery, bread, dairy, milk.
void writeWeekendList(const QByteArray &pItemsList = "2", const QByteArray &pPriceList = "4.50")
{
    writeCompressed(listFile(),
                    "<tovimar_list version=\"1.0.0\" name=\"Weekend\" items_list=\"" + pItemsList
                        + "\" price_list=\"" + pPriceList
                        + "\">"
                          "<item name=\"bread\" category=\"bakery\" price=\"1.50\" count=\"1\" "
                          "count_unit=\"\" note=\"sliced\" status=\"unchecked\"/>"
                          "<item name=\"milk\" category=\"dairy\" price=\"1.50\" count=\"2\" "
                          "count_unit=\"l\" note=\"\" status=\"unchecked\"/>"
                          "</tovimar_list>");
}

// The user's copy of the English catalogue, with one product.
void writeCatalogue()
{
    writeCompressed(QDir(dataLocation()).absoluteFilePath("data/categories_en.db"),
                    "<tovimar_categories version=\"1.0.0\"><item name=\"tea\" category=\"drinks\" "
                    "status=\"unchecked\"/></tovimar_categories>");
}

QObject *listModel(kpQmlTestView &pView)
{
    return pView.context("listDataModel");
}

QString roleOfRow(QAbstractItemModel *pModel, int pRow, const QByteArray &pRole)
{
    return pModel->index(pRow, 0).data(pModel->roleNames().key(pRole)).toString();
}

void switchLanguage(kpQmlTestView &pView, int pLanguage, int pCurrency = 0)
{
    QVERIFY(QMetaObject::invokeMethod(&pView.manager(), "updateSettings", Q_ARG(int, pLanguage),
                                      Q_ARG(int, pCurrency)));
}

} // namespace

class tst_main : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    void windowHoldsTheFiveScreensInOrder()
    {
        kpQmlTestView view;
        QCOMPARE(view.window()->size(), QSizeF(800, 480));
        QCOMPARE(view.window()->property("color").value<QColor>(), QColor("#FFFAFAFA"));
        const QStringList order
            = {"ScreenMain", "ScreenShop", "ScreenEdit", "ScreenCategories", "ScreenSettings"};
        const QList<QQuickItem *> children = view.window()->childItems();
        QCOMPARE(children.size(), order.size());
        for (int i = 0; i < order.size(); ++i) {
            QCOMPARE(children.at(i), view.layer(order.at(i)));
            QCOMPARE(children.at(i)->opacity(), i == 0 ? 1.0 : 0.0);
            QCOMPARE(view.screen(order.at(i))->isVisible(), i == 0);
        }
        // Made after the first frame, the product-name inputs still get their hint.
        for (const char *input : {"editProductNameInput", "categoriesProductNameInput"}) {
            QCOMPARE(view.named(input)->property("inputMethodHints").toInt(),
                     int(Qt::ImhNoPredictiveText));
        }
        QCOMPARE(view.state(), QString());
    }

    // Beneath the main screen's hidden header button lies the shop screen's menu button: the
    // tap reaches neither, only the bar, which toggles full screen.
    void hiddenElementsTakeNoTouches()
    {
        kpQmlTestView view;
        view.tap(HeaderButtonOne);
        QTRY_VERIFY(view.view()->isFullScreen());
        QCOMPARE(view.screen("ScreenShop")->property("menuOpacity").toReal(), 0.0);
        view.tap(HeaderTitle);
        QTRY_VERIFY(!view.view()->isFullScreen());
        QCOMPARE(view.state(), QString());
    }

    void rowShowsNameAndPrice_data()
    {
        QTest::addColumn<QByteArray>("price");
        QTest::addColumn<QString>("shown");
        QTest::newRow("with a price") << QByteArray("4.50") << QString::fromUtf8("4.50 €");
        QTest::newRow("without a price, no symbol either") << QByteArray() << QString();
    }
    void rowShowsNameAndPrice()
    {
        QFETCH(QByteArray, price);
        QFETCH(QString, shown);
        writeWeekendList("2", price);
        kpQmlTestView view;
        const QStringList texts = view.texts(view.itemAt(row(0), "ScreenMainDelegate"));
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts.at(0), "Weekend");
        QCOMPARE(texts.at(1), "2 items");
        QCOMPARE(texts.at(2), shown);
    }

    void tapOnARowOpensItForShopping()
    {
        writeWeekendList();
        kpQmlTestView view;
        QElapsedTimer move;
        move.start();
        view.tap(row(0));
        QCOMPARE(view.state(), "screenShop");
        QVERIFY(view.showsOnly("ScreenShop"));
        QVERIFY2(move.elapsed() >= 450, qPrintable(QString::number(move.elapsed())));
        QCOMPARE(callSlot(listModel(view), "isDisplayList()").toBool(), true);
        QCOMPARE(callSlot(listModel(view), "isSortByCategory()").toBool(), true);
        QVERIFY(!view.screen("ScreenMain")->isVisible());
        QCOMPARE(view.itemAt(FooterLeft, "TextButton")->height(), 70.0);
        QCOMPARE(view.itemAt(FooterRight, "TextButton")->height(), 65.0);
    }

    void failedLoadStaysOnTheMainScreen()
    {
        writeWeekendList();
        kpQmlTestView view;
        QVERIFY(QFile::remove(listFile()));
        view.tap(row(0));
        QTest::qWait(300);
        QCOMPARE(view.state(), QString());
        QCOMPARE(view.layer("ScreenMain")->opacity(), 1.0);
    }

    void editButtonOpensTheListForEditing()
    {
        writeWeekendList();
        writeCatalogue();
        kpQmlTestView view;
        view.tap(rowButton(0));
        QCOMPARE(view.state(), "screenEdit");
        QVERIFY(view.showsOnly("ScreenEdit"));
        QVERIFY(callSlot(view.context("categoriesDataModel"), "isLoaded()").toBool());
    }

    void pressAndHoldAsksToDeleteTheList_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("answer");
        QTest::addColumn<bool>("kept");
        QTest::newRow("Ok deletes the list") << QMessageBox::Ok << false;
        QTest::newRow("Cancel keeps it") << QMessageBox::Cancel << true;
    }
    void pressAndHoldAsksToDeleteTheList()
    {
        QFETCH(QMessageBox::StandardButton, answer);
        QFETCH(bool, kept);
        writeWeekendList();
        kpQmlTestView view;
        const auto question = answerMessageBox(answer);
        view.longPress(row(0));
        QVERIFY(question->seen);
        QCOMPARE(question->title, "Delete list");
        QCOMPARE(QFile::exists(listFile()), kept);
        QCOMPARE(view.manager().listsDataModel()->rowCount(), kept ? 1 : 0);
        // Letting go after the question opens nothing.
        QTest::qWait(300);
        QCOMPARE(view.state(), QString());
        if (kept)
            QCOMPARE(view.itemAt(row(0), "ScreenMainDelegate")->state(), QString());
    }

    void newListCancelledStaysOnTheMainScreen()
    {
        kpQmlTestView view;
        const auto nameDialog = answerInputDialog(QString(), false);
        view.tap(FooterLeft);
        QVERIFY(nameDialog->seen);
        QTest::qWait(300);
        QCOMPARE(view.state(), QString());
        QCOMPARE(view.layer("ScreenMain")->opacity(), 1.0);
    }

    // Typing items in, the selection deciding their category, and the way home saving the list.
    void composingANewList()
    {
        kpQmlTestView view;
        const auto nameDialog = answerInputDialog("Weekend");
        view.tap(FooterLeft);
        QVERIFY(nameDialog->seen);
        QCOMPARE(view.state(), "screenEdit");
        QVERIFY(view.showsOnly("ScreenEdit"));

        QQuickItem *ok = view.itemAt(EditOk, "TextButton");
        QCOMPARE(ok->opacity(), 0.5);
        view.tap(EditOk);
        view.typeText(EditInput, "Milk");
        QTRY_COMPARE(ok->opacity(), 1.0);
        auto categoryDialog = answerInputDialog("dairy");
        view.tap(EditOk);
        QVERIFY(categoryDialog->seen);
        QCOMPARE(view.named("editProductNameInput")->property("text").toString(), QString());
        QTRY_COMPARE(ok->opacity(), 0.5);
        QTRY_COMPARE(view.manager().listDataModel()->rowCount(), 2);

        // The new header became current: a tap on it, once the rows have grown, clears the
        // selection, so the next item needs a category of its own.
        QTest::qWait(300);
        view.tap(row(0));
        categoryDialog = answerInputDialog("bakery");
        view.typeText(EditInput, "bread");
        QTest::keyClick(view.view(), Qt::Key_Return);
        QVERIFY(categoryDialog->seen);
        QTRY_COMPARE(view.manager().listDataModel()->rowCount(), 4);

        view.tap(HeaderButtonTwo);
        QCOMPARE(view.state(), QString());
        QVERIFY(view.showsOnly("ScreenMain"));
        QVERIFY(QFile::exists(listFile()));
        QCOMPARE(view.manager().listsDataModel()->rowCount(), 1);
        QVERIFY(view.texts(view.screen("ScreenMain")).contains("2 items"));
    }

    void shoppingUntilTheCheckout()
    {
        writeWeekendList();
        kpQmlTestView view;
        view.tap(row(0));
        QVERIFY(view.showsOnly("ScreenShop"));

        // Bread and then its emptied category header shrink away.
        view.tap(row(1));
        QTRY_COMPARE(view.manager().listDataModel()->rowCount(), 2);
        QTest::qWait(300);
        view.tap(row(1));
        QTRY_VERIFY(view.itemAt(CheckoutOk, "TextButton"));
        QCOMPARE(view.itemAt(CheckoutOk, "TextButton")->property("label").toString(), "Ok");
        const QStringList texts = view.texts(view.screen("ScreenShop"));
        QVERIFY2(texts.contains(QString::fromUtf8("Items in cart: 2\nTotal price: 4.50 €")),
                 qPrintable(texts.join('|')));

        view.tap(BesideCheckoutBox);
        view.tap(HeaderButtonTwo);
        QTest::qWait(300);
        QCOMPARE(view.state(), "screenShop");

        view.tap(CheckoutOk);
        QCOMPARE(view.state(), QString());
        QVERIFY(view.showsOnly("ScreenMain"));
        // Nothing was left to buy: the list is gone.
        QVERIFY(!QFile::exists(listFile()));
        QCOMPARE(view.manager().listsDataModel()->rowCount(), 0);
    }

    void cartModeAndBack()
    {
        writeWeekendList();
        kpQmlTestView view;
        view.tap(row(0));
        QVERIFY(view.showsOnly("ScreenShop"));
        QQuickItem *shop = view.screen("ScreenShop");
        QQuickItem *listButton = view.itemAt(FooterLeft, "TextButton");
        QQuickItem *cartButton = view.itemAt(FooterRight, "TextButton");
        QQuickItem *list = view.itemAt(row(0), "QQuickListView");

        view.tap(FooterRight);
        QTRY_COMPARE(shop->state(), "cart");
        QVERIFY(callSlot(listModel(view), "isDisplayCart()").toBool());
        QTRY_COMPARE(list->opacity(), 1.0);
        QTRY_COMPARE(cartButton->height(), 70.0);
        QCOMPARE(listButton->height(), 65.0);

        // The mode shown does not blink when chosen again.
        view.tap(FooterRight);
        QTest::qWait(100);
        QCOMPARE(list->opacity(), 1.0);

        view.tap(HeaderButtonTwo);
        QVERIFY(view.showsOnly("ScreenMain"));
        view.tap(row(0));
        QVERIFY(view.showsOnly("ScreenShop"));
        QCOMPARE(shop->state(), QString());
        QCOMPARE(listButton->height(), 70.0);
        QVERIFY(callSlot(listModel(view), "isDisplayList()").toBool());
    }

    void shopMenuSortsAndLeavesForEditing()
    {
        writeWeekendList();
        writeCatalogue();
        kpQmlTestView view;
        view.tap(row(0));
        QVERIFY(view.showsOnly("ScreenShop"));
        QQuickItem *shop = view.screen("ScreenShop");
        QQuickItem *list = view.itemAt(row(0), "QQuickListView");

        view.tap(HeaderButtonOne);
        QTRY_COMPARE(shop->property("menuOpacity").toReal(), 1.0);
        view.tap(menuEntry(3, 1));
        QCOMPARE(shop->property("menuOpacity").toReal(), 0.0);
        QTRY_VERIFY(callSlot(listModel(view), "isSortByProduct()").toBool());
        QTRY_COMPARE(list->opacity(), 1.0);

        // The order in force: the menu only closes.
        view.tap(HeaderButtonOne);
        QTRY_COMPARE(shop->property("menuOpacity").toReal(), 1.0);
        view.tap(menuEntry(3, 1));
        QTest::qWait(100);
        QCOMPARE(list->opacity(), 1.0);

        // A tap beside the entries only closes the menu.
        view.tap(HeaderButtonOne);
        QTRY_COMPARE(shop->property("menuOpacity").toReal(), 1.0);
        view.tap(QPoint(50, 240));
        QCOMPARE(shop->property("menuOpacity").toReal(), 0.0);
        QCOMPARE(view.state(), "screenShop");

        view.tap(HeaderButtonOne);
        QTRY_COMPARE(shop->property("menuOpacity").toReal(), 1.0);
        view.tap(menuEntry(3, 2));
        QCOMPARE(view.state(), "screenEdit");
        QVERIFY(view.showsOnly("ScreenEdit"));
        QVERIFY(callSlot(listModel(view), "isSortByCategory()").toBool());
        QVERIFY(callSlot(view.context("categoriesDataModel"), "isLoaded()").toBool());
    }

    void editMenuLeavesForShopping()
    {
        writeWeekendList();
        kpQmlTestView view;
        view.tap(rowButton(0));
        QVERIFY(view.showsOnly("ScreenEdit"));
        QQuickItem *edit = view.screen("ScreenEdit");

        view.tap(HeaderButtonOne);
        QTRY_COMPARE(edit->property("menuOpacity").toReal(), 1.0);
        QElapsedTimer move;
        move.start();
        view.tap(menuEntry(4, 3));
        QCOMPARE(edit->property("menuOpacity").toReal(), 0.0);
        QCOMPARE(view.state(), "screenShop");
        QVERIFY(!callSlot(view.context("categoriesDataModel"), "isLoaded()").toBool());
        QVERIFY(view.showsOnly("ScreenShop"));
        QVERIFY2(move.elapsed() >= 550, qPrintable(QString::number(move.elapsed())));
        QCOMPARE(view.manager().listDataModel()->rowCount(), 4);
    }

    // "Delete All" closes the menu at once; the selection it leaves behind names no row, so the
    // next typed-in item asks for its category instead of going without one.
    void deleteAllThenTypingAsksForTheCategory()
    {
        writeWeekendList();
        kpQmlTestView view;
        view.tap(rowButton(0));
        QVERIFY(view.showsOnly("ScreenEdit"));
        QQuickItem *edit = view.screen("ScreenEdit");
        view.tap(row(3));
        view.tap(HeaderButtonOne);
        QTRY_COMPARE(edit->property("menuOpacity").toReal(), 1.0);
        const auto question = answerMessageBox(QMessageBox::Ok);
        view.tap(menuEntry(4, 2));
        QVERIFY(question->seen);
        QCOMPARE(edit->property("menuOpacity").toReal(), 0.0);
        QTRY_COMPARE(view.manager().listDataModel()->rowCount(), 0);

        const auto category = answerInputDialog("dairy");
        view.typeText(EditInput, "eggs");
        QTest::keyClick(view.view(), Qt::Key_Return);
        QVERIFY(category->seen);
        QCOMPARE(roleOfRow(view.manager().listDataModel(), 0, "item_category_name"), "dairy");
    }

    // A screen that is fading out still takes touches, but cannot move the window on.
    void leavingScreenStartsNoOtherMove()
    {
        writeWeekendList();
        kpQmlTestView view;
        view.tap(row(0));
        QTest::qWait(50);
        QVERIFY(view.screen("ScreenMain")->isVisible());
        view.tap(FooterRight);
        QCOMPARE(view.state(), "screenShop");
        QVERIFY(view.showsOnly("ScreenShop"));
    }

    void settingsCancelDropsTheTurnedWheels()
    {
        kpQmlTestView view;
        view.tap(FooterRight);
        QCOMPARE(view.state(), "screenSettings");
        QVERIFY(view.showsOnly("ScreenSettings"));
        QObject *language = view.named("languageSelector");
        QCOMPARE(language->property("currentIndex").toInt(), 0);
        language->setProperty("currentIndex", 1);
        view.named("currencyUnitSelector")->setProperty("currentIndex", 3);

        view.tap(FooterLeft);
        QCOMPARE(view.state(), QString());
        QVERIFY(view.showsOnly("ScreenMain"));
        QVERIFY(!QFile::exists(QDir(dataLocation()).absoluteFilePath("data/config.db")));
        QVERIFY(view.texts(view.screen("ScreenMain")).contains("Shopping lists"));

        view.tap(FooterRight);
        QVERIFY(view.showsOnly("ScreenSettings"));
        QCOMPARE(language->property("currentIndex").toInt(), 0);
        QCOMPARE(view.named("currencyUnitSelector")->property("currentIndex").toInt(), 0);
    }

    // Every screen, hidden ones too, speaks the new language without being reloaded, and every
    // price carries the new currency symbol.
    void doneSwitchesLanguageAndCurrencyEverywhere()
    {
        writeWeekendList();
        kpQmlTestView view;
        view.tap(FooterRight);
        QVERIFY(view.showsOnly("ScreenSettings"));
        view.named("languageSelector")->setProperty("currentIndex", 1);
        view.named("currencyUnitSelector")->setProperty("currentIndex", 5);
        view.tap(FooterRight);
        QCOMPARE(view.state(), QString());
        QVERIFY(view.showsOnly("ScreenMain"));
        QVERIFY(QFile::exists(QDir(dataLocation()).absoluteFilePath("data/config.db")));

        const QStringList mainTexts = view.texts(view.screen("ScreenMain"));
        QVERIFY2(mainTexts.contains(QString::fromUtf8("Списки покупок")),
                 qPrintable(mainTexts.join('|')));
        QVERIFY(mainTexts.contains(QString::fromUtf8("2 наименования")));
        QVERIFY(mainTexts.contains("4.50 $"));
        QVERIFY(
            view.texts(view.screen("ScreenShop"), false).contains(QString::fromUtf8("Корзина")));
        QVERIFY(
            view.texts(view.screen("ScreenEdit"), false).contains(QString::fromUtf8("Заметка")));
        QVERIFY(view.texts(view.screen("ScreenCategories"), false)
                    .contains(QString::fromUtf8("Категории")));
        QVERIFY(
            view.texts(view.screen("ScreenSettings"), false).contains(QString::fromUtf8("Язык: ")));
    }

    void itemCountTakesTheLanguagesPluralForm_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QByteArray>("count");
        QTest::addColumn<QString>("shown");
        QTest::newRow("English one") << 0 << QByteArray("1") << "1 item";
        QTest::newRow("English none") << 0 << QByteArray("0") << "0 items";
        QTest::newRow("English five") << 0 << QByteArray("5") << "5 items";
        QTest::newRow("Russian 21")
            << 1 << QByteArray("21") << QString::fromUtf8("21 наименование");
        QTest::newRow("Russian 3") << 1 << QByteArray("3") << QString::fromUtf8("3 наименования");
        QTest::newRow("Russian 11")
            << 1 << QByteArray("11") << QString::fromUtf8("11 наименований");
    }
    void itemCountTakesTheLanguagesPluralForm()
    {
        QFETCH(int, language);
        QFETCH(QByteArray, count);
        QFETCH(QString, shown);
        writeWeekendList(count);
        kpQmlTestView view;
        switchLanguage(view, language);
        const QStringList texts = view.texts(view.screen("ScreenMain"));
        QVERIFY2(texts.contains(shown), qPrintable(texts.join('|')));
    }

    void itemDialogShowsAndCommitsTheItemsValues()
    {
        writeWeekendList();
        kpQmlTestView view;
        view.tap(rowButton(0));
        QVERIFY(view.showsOnly("ScreenEdit"));
        QQuickItem *dialog = view.itemDialog();
        QVERIFY(dialog);

        // Milk, two litres at 1.50.
        view.tap(rowButton(3));
        QTRY_COMPARE(dialog->opacity(), 1.0);
        QTRY_VERIFY(!view.itemAt(rowButton(3), "ScreenEditDelegate"));
        QVERIFY(view.texts(dialog).contains("milk"));
        QObject *amount = view.named("amountSelector");
        QObject *price = view.named("priceSelector");
        QCOMPARE(amount->property("currentValue4").toInt(), 2);
        QCOMPARE(amount->property("currentValue7").toInt(), 4);
        QCOMPARE(price->property("currentValue4").toInt(), 1);
        QCOMPARE(price->property("currentValue5").toInt(), 5);

        // Cancel forgets the turned wheels.
        price->setProperty("currentValue4", 3);
        view.tap(DialogCancel);
        QTRY_COMPARE(dialog->opacity(), 0.0);
        QVERIFY(view.itemAt(rowButton(3), "ScreenEditDelegate"));
        QAbstractItemModel *list = view.manager().listDataModel();
        QCOMPARE(roleOfRow(list, 3, "item_price"), "1.50");

        view.tap(rowButton(3));
        QTRY_COMPARE(dialog->opacity(), 1.0);
        price->setProperty("currentValue4", 3);
        price->setProperty("currentValue5", 0);
        view.named("noteSelector")->setProperty("text", "fresh");
        view.tap(DialogDone);
        QTRY_COMPARE(dialog->opacity(), 0.0);
        QCOMPARE(roleOfRow(list, 3, "item_price"), "3");
        QCOMPARE(roleOfRow(list, 3, "item_comments"), "fresh");
        QVERIFY(view.texts(view.screen("ScreenEdit")).contains(QString::fromUtf8("3 €")));
    }

    void itemDialogDeleteClosesOnlyWhenConfirmed()
    {
        writeWeekendList();
        kpQmlTestView view;
        view.tap(rowButton(0));
        QVERIFY(view.showsOnly("ScreenEdit"));
        QQuickItem *dialog = view.itemDialog();
        view.tap(rowButton(1));
        QTRY_COMPARE(dialog->opacity(), 1.0);

        auto question = answerMessageBox(QMessageBox::Cancel);
        view.tap(DialogDelete);
        QVERIFY(question->seen);
        QTest::qWait(300);
        QCOMPARE(dialog->opacity(), 1.0);

        question = answerMessageBox(QMessageBox::Ok);
        view.tap(DialogDelete);
        QVERIFY(question->seen);
        QTRY_COMPARE(dialog->opacity(), 0.0);
        // Bread and its bakery header are gone.
        QTRY_COMPARE(view.manager().listDataModel()->rowCount(), 2);
    }

    // On the way in the catalogue marks what the list holds; on the way back the ticked
    // products join the list.
    void tickingProductsInTheCatalogue()
    {
        writeWeekendList();
        kpQmlTestView view;
        view.tap(rowButton(0));
        QVERIFY(view.showsOnly("ScreenEdit"));
        view.tap(CategoriesButton);
        QCOMPARE(view.state(), "screenCategories");
        QVERIFY(view.showsOnly("ScreenCategories"));
        auto *catalogue = qobject_cast<QAbstractItemModel *>(view.context("categoriesDataModel"));
        QVERIFY(catalogue);

        // Typed in without a selected row, each product asks for its category.
        for (const char *product : {"milk", "cheese"}) {
            const auto category = answerInputDialog("dairy");
            view.typeText(CategoriesInput, product);
            QTest::keyClick(view.view(), Qt::Key_Return);
            QVERIFY(category->seen);
            QTest::qWait(300);
            view.tap(row(0));
        }
        QTRY_COMPARE(catalogue->rowCount(), 3);
        // Rows: dairy, cheese, milk. Milk is on the list already: grey, and a tap leaves it.
        QCOMPARE(roleOfRow(catalogue, 2, "item_status"), "unknown");
        view.tap(row(2));
        QCOMPARE(roleOfRow(catalogue, 2, "item_status"), "unknown");
        view.tap(row(1));
        QCOMPARE(roleOfRow(catalogue, 1, "item_status"), "checked");

        view.tap(HeaderButtonTwo);
        QCOMPARE(view.state(), "screenEdit");
        QVERIFY(view.showsOnly("ScreenEdit"));
        QCOMPARE(view.manager().listDataModel()->rowCount(), 5);
    }

    void categoriesMenuFadesBothWays()
    {
        writeWeekendList();
        kpQmlTestView view;
        view.tap(rowButton(0));
        QVERIFY(view.showsOnly("ScreenEdit"));
        view.tap(CategoriesButton);
        QVERIFY(view.showsOnly("ScreenCategories"));
        QQuickItem *menu = view.menu("ScreenCategories");
        QVERIFY(menu);
        QQuickItem *list = view.itemAt(row(0), "QQuickListView");
        view.tap(HeaderButtonOne);
        QVERIFY(menu->opacity() < 1);
        QTRY_COMPARE(menu->opacity(), 1.0);
        // The order in force is chosen again: the list still fades out and in.
        view.tap(menuEntry(2, 0));
        QVERIFY(menu->opacity() > 0);
        QTRY_VERIFY(list->opacity() < 0.5);
        QTRY_COMPARE(menu->opacity(), 0.0);
        QTRY_COMPARE(list->opacity(), 1.0);
    }
};

TOVIMAR_TEST_MAIN(tst_main)
#include "tst_main.moc"
