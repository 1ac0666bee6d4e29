#include "kpQmlTestView.h"

using namespace kpTestSupport;

// What each screen does, driven by taps in the window with the real core behind it, and the
// window's moves between the screens. Opening a list from a row or its edit button, and "New",
// are walked by the shop's and the edit screen's tests on their way in.
class tst_Screens : public QObject
{
    Q_OBJECT

private slots:
    // The screens not shown at first are made after the first frame, their product-name input
    // still gets its hint. The info button shows the About box; a press-and-hold on a row asks
    // to delete the list. A hidden screen takes no touches: beneath the main screen's hidden
    // header button lies the shop's menu button, and the tap reaches the main screen's bar,
    // which toggles full screen. Where the core refuses to open a list, a new one not named or
    // one whose file is gone, the main screen stays. A screen that is fading out still takes
    // touches, but cannot move the window on.
    void mainScreenAndTheWindowsMoves()
    {
        kpQmlTestView view(kpQmlTestView::List);
        QCOMPARE(view.named("categoriesProductNameInput")->property("inputMethodHints").toInt(),
                 int(Qt::ImhNoPredictiveText));
        QQuickItem *main = view.screen("ScreenMain");
        const auto about = answerMessageBox(QMessageBox::Ok);
        view.tap(view.button(main, "info-button.png"));
        QCOMPARE(about->title, "About");
        const auto question = answerMessageBox(QMessageBox::Cancel);
        view.longPress(view.row(main, 0), question);
        QCOMPARE(question->title, "Delete list");

        view.tap(view.button(view.screen("ScreenShop"), "menu-button.png"));
        QTRY_VERIFY(view.view()->isFullScreen());
        view.tap(view.find(main, "ScreenHeader"));
        QTRY_VERIFY(!view.view()->isFullScreen());

        const auto name = answerInputDialog(QString(), false);
        view.tap(view.button(main, "New"));
        QVERIFY(name->seen);
        QCOMPARE(view.state(), QString());
        QVERIFY(QFile::remove(listsDirectory() + "/demo-list.kpl"));
        view.tap(view.row(main, 0));
        QCOMPARE(view.state(), QString());

        answerInputDialog("Weekend");
        view.tap(view.button(main, "New"));
        QTRY_VERIFY(view.layer("ScreenMain")->opacity() < 1);
        view.tap(view.button(main, "Settings"));
        QVERIFY(view.showsOnly("ScreenEdit"));
    }

    // The wheels show the stored settings each time the screen is entered; "Cancel" drops what
    // was turned. Dragged hard past its end a wheel stops there without overshooting and comes
    // to rest with the last entry, whole, in its middle band. After "Done" every screen, hidden
    // ones too, speaks the new language at once, without being reloaded, and every price carries
    // the new currency symbol. What the core does with the new settings its own test shows.
    void turningTheSettingsWheels()
    {
        kpQmlTestView view(kpQmlTestView::List);
        view.manager().updateSettings(0, 2);
        QQuickItem *settings = view.enter("ScreenSettings");
        QQuickItem *currency = view.named("currencyUnitSelector");
        QCOMPARE(currency->property("currentIndex").toInt(), 2);
        QQuickItem *turning = view.find(currency, "QQuickListView");
        const QPoint start = view.centreOf(currency);
        QTest::mousePress(view.view(), Qt::LeftButton, Qt::NoModifier, start);
        for (int moved = 40; moved <= 1200; moved += 40)
            QTest::mouseMove(view.view(), start - QPoint(0, moved), 10);
        QCOMPARE(turning->property("verticalOvershoot").toReal(), 0.0);
        QTest::mouseRelease(view.view(), Qt::LeftButton, Qt::NoModifier, start - QPoint(0, 1200),
                            10);
        QTRY_COMPARE(currency->property("currentIndex").toInt(), 13);
        QTRY_COMPARE(
            turning->property("currentItem").value<QQuickItem *>()->mapToItem(currency, {}).y(),
            currency->height() / 2 - 30);

        QVERIFY(view.tapTo(view.button(settings, "Cancel"), "ScreenMain"));
        QCOMPARE(view.enter("ScreenSettings"), settings);
        QCOMPARE(currency->property("currentIndex").toInt(), 2);

        view.named("languageSelector")->setProperty("currentIndex", 1);
        currency->setProperty("currentIndex", 5);
        view.tap(view.button(settings, "Done"));
        const QList<std::pair<QString, QString>> shown
            = {{"ScreenMain", "Списки покупок"},  {"ScreenMain", "4.50 $"},
               {"ScreenShop", "Корзина"},         {"ScreenEdit", "Заметка"},
               {"ScreenCategories", "Категории"}, {"ScreenSettings", "Язык: "}};
        for (const auto &[screen, text] : shown)
            QVERIFY2(view.texts(view.screen(screen), false).contains(text), qPrintable(text));
        QVERIFY(view.showsOnly("ScreenMain"));
    }

    // The button of the mode shown stands higher; choosing that mode again does not make the
    // list blink. The screen is entered in list mode again, whichever mode it was left in, from
    // the main screen or from editing, where the list is shown whole, in category order, with
    // the catalogue loaded only while it is edited. A header takes no taps and a delete button
    // deletes without ticking; once the last item has gone into the cart the checkout box sums the
    // cart up, and only its "Ok" leaves, for the main screen, where the list with nothing left to
    // buy is gone (its file too, as the model's test and the real-window trip show).
    void shoppingTrip()
    {
        kpQmlTestView view(kpQmlTestView::List | kpQmlTestView::Catalogue);
        QQuickItem *shop = view.enter("ScreenShop");
        QQuickItem *listButton = view.button(shop, "List");
        QQuickItem *cartButton = view.button(shop, "Cart");
        view.tap(cartButton);
        QVERIFY(view.animating(shop));
        QTRY_VERIFY(!view.animating(shop));
        QCOMPARE(shop->state(), "cart");
        QVERIFY(view.list()->isDisplayCart());
        QVERIFY(cartButton->height() > listButton->height());
        view.tap(cartButton);
        QVERIFY(!view.animating(shop));

        QVERIFY(view.tapTo(view.button(shop, "home-button.png"), "ScreenMain"));
        QCOMPARE(view.enter("ScreenShop"), shop);
        QCOMPARE(shop->state(), QString());

        view.tap(cartButton);
        QTRY_COMPARE(shop->state(), "cart");
        view.list()->sortByProduct();
        QQuickItem *edit = view.tapTo(view.button(view.openMenu(shop), "Edit mode"), "ScreenEdit");
        QVERIFY(edit);
        QVERIFY(view.list()->isDisplayList() && view.list()->isSortByCategory());
        QVERIFY(view.manager().productsDataModel()->isLoaded());
        QVERIFY(view.tapTo(view.button(view.openMenu(edit), "Shop mode"), "ScreenShop"));
        QVERIFY(!view.manager().productsDataModel()->isLoaded());
        QCOMPARE(shop->state(), QString());
        QCOMPARE(view.list()->rowCount(), 4);

        view.tap(view.row(shop, 0));
        const auto question = answerMessageBox(QMessageBox::Ok);
        view.tap(view.button(view.row(shop, 1), "delete-button.png"));
        QVERIFY(question->seen);
        QCOMPARE(view.list()->rowCount(), 2);
        QVERIFY(view.list()->items(false).isEmpty());

        view.tap(view.row(shop, 1));
        QQuickItem *checkout = view.find(shop, "CheckoutDialog");
        QTRY_COMPARE(checkout->opacity(), 1.0);
        QVERIFY(view.texts(checkout).contains("Items in cart: 1\nTotal price: 3.00 €"));
        view.tap(checkout, QPointF(checkout->width() / 10, checkout->height() / 2));
        view.tap(view.button(shop, "home-button.png"));
        QCOMPARE(view.state(), "screenShop");
        QVERIFY(view.tapTo(view.button(checkout, "Ok"), "ScreenMain"));
        QCOMPARE(checkout->opacity(), 0.0);
        QCOMPARE(view.manager().listsDataModel()->rowCount(), 0);
    }

    // Typing items in, the selection deciding their category, and the way home saving the list
    // and giving the catalogue up.
    void composingANewList()
    {
        kpQmlTestView view(kpQmlTestView::Catalogue);
        answerInputDialog("Weekend");
        QQuickItem *edit = view.tapTo(view.button(view.screen("ScreenMain"), "New"), "ScreenEdit");
        QVERIFY(edit);
        QVERIFY(view.manager().productsDataModel()->isLoaded());
        QQuickItem *ok = view.button(edit, "Ok");
        QCOMPARE(ok->opacity(), 0.5);
        view.tap(ok);
        view.typeText("editProductNameInput", "Milk");
        QTRY_COMPARE(ok->opacity(), 1.0);
        auto category = answerInputDialog("dairy");
        view.tap(ok);
        QVERIFY(category->seen);
        QCOMPARE(view.named("editProductNameInput")->property("text").toString(), QString());

        // The new header became current: a tap on it clears the selection, so the next item
        // needs a category of its own.
        view.tap(view.row(edit, 0));
        category = answerInputDialog("bakery");
        view.typeText("editProductNameInput", "bread\r");
        QVERIFY(category->seen);

        view.tap(view.button(edit, "home-button.png"));
        QVERIFY(!view.manager().productsDataModel()->isLoaded());
        QVERIFY(view.showsOnly("ScreenMain"));
        QVERIFY(view.texts(view.screen("ScreenMain")).contains("2 items"));
    }

    // The dialog shows the item; "Cancel" forgets what was turned on its wheels, "Done" keeps
    // it, "Delete" closes the dialog only once the deletion is confirmed. "Delete All" closes
    // the menu at once, and the selection it leaves behind names no row, so the next item asks
    // for its category. (A tap beside a menu's entries closing it is walked by the gallery.)
    void itemDialogAndMenu()
    {
        kpQmlTestView view(kpQmlTestView::List);
        QQuickItem *edit = view.enter("ScreenEdit");
        QQuickItem *dialog = view.find(edit, "ItemDialog");
        QQuickItem *price = view.named("priceSelector");
        const auto openMilk = [&]() {
            view.tap(view.button(view.row(edit, 3), "edit-button.png"));
            QTRY_VERIFY(dialog->opacity() == 1.0 && !view.row(edit, 3)->isVisible());
        };
        openMilk();
        QVERIFY(view.texts(dialog).contains("milk"));

        price->setProperty("currentValue4", 3);
        view.tap(view.button(dialog, "Cancel"));
        QTRY_COMPARE(dialog->opacity(), 0.0);
        QCOMPARE(view.row(edit, 3)->property("item_price"), "1.50");
        openMilk();
        price->setProperty("currentValue4", 3);
        view.tap(view.button(dialog, "Done"));
        QTRY_COMPARE(dialog->opacity(), 0.0);
        QVERIFY(view.texts(edit).contains("3.5 €"));

        openMilk();
        auto question = answerMessageBox(QMessageBox::Cancel);
        view.tap(view.button(dialog, "Delete"));
        QVERIFY(question->seen);
        QVERIFY(!view.animating(edit));
        question = answerMessageBox(QMessageBox::Ok);
        view.tap(view.button(dialog, "Delete"));
        QVERIFY(question->seen);
        QTRY_COMPARE(dialog->opacity(), 0.0);
        QCOMPARE(view.list()->rowCount(), 2);

        view.tap(view.button(view.openMenu(edit), "Sort by product"));
        QTRY_VERIFY(view.list()->isSortByProduct());
        view.tap(view.row(edit, 0));
        question = answerMessageBox(QMessageBox::Ok);
        QQuickItem *menu = view.openMenu(edit);
        view.tap(view.button(menu, "Delete All"));
        QVERIFY(question->seen);
        QCOMPARE(menu->opacity(), 0.0);
        const auto category = answerInputDialog("dairy");
        view.typeText("editProductNameInput", "eggs\r");
        QVERIFY(category->seen);
    }

    // On the way in the catalogue marks what the list holds; on the way back the ticked
    // products join the list. A press-and-hold renames instead of ticking.
    void tickingProductsForTheList()
    {
        kpQmlTestView view(kpQmlTestView::List);
        QQuickItem *categories
            = view.tapTo(view.button(view.enter("ScreenEdit"), "Categories"), "ScreenCategories");
        QVERIFY(categories);
        // Typed in without a selected row, each product asks for its category. The first one's
        // header becomes current: a tap on it clears the selection again.
        for (const char *product : {"milk\r", "cheese\r"}) {
            const auto category = answerInputDialog("dairy");
            view.typeText("categoriesProductNameInput", product);
            QVERIFY(category->seen);
            view.tap(view.row(categories, 0));
        }
        // Rows: dairy, cheese, milk. Milk is on the list already: grey, and a tap only selects it.
        QQuickItem *milk = view.row(categories, 2);
        view.tap(milk);
        QCOMPARE(milk->property("item_status"), "unknown");
        QCOMPARE(view.find(categories, "QQuickListView")->property("currentIndex"), 2);
        // A press-and-hold asks for a new name and ticks nothing.
        for (const auto &[row, title] :
             {std::pair(1, "Item name"), std::pair(0, "Category name")}) {
            const auto newName = answerInputDialog(QString(), false);
            view.longPress(view.row(categories, row), newName);
            QCOMPARE(newName->title, title);
        }
        QQuickItem *cheese = view.row(categories, 1);
        QCOMPARE(cheese->property("item_status"), "unchecked");
        view.tap(cheese);
        QCOMPARE(cheese->property("item_status"), "checked");

        QVERIFY(view.tapTo(view.button(categories, "back-button.png"), "ScreenEdit"));
        QCOMPARE(view.list()->rowCount(), 5);
    }
};

TOVIMAR_TEST_MAIN(tst_Screens)
#include "tst_Screens.moc"
