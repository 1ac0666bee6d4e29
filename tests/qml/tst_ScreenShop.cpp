#include "kpQmlTestView.h"

using namespace kpTestSupport;

class tst_ScreenShop : public QObject
{
    Q_OBJECT

private slots:
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
        QQuickItem *cartButton = view.button(shop, "Cart");
        view.tap(cartButton);
        QVERIFY(view.animating(shop));
        QTRY_VERIFY(!view.animating(shop));
        QCOMPARE(shop->state(), "cart");
        QVERIFY(view.list()->isDisplayCart());
        QVERIFY(cartButton->height() > view.button(shop, "List")->height());
        view.tap(cartButton);
        QVERIFY(!view.animating(shop));

        QVERIFY(view.tapTo(view.button(shop, "Home"), "ScreenMain"));
        QCOMPARE(view.enter("ScreenShop"), shop);
        QCOMPARE(shop->state(), QString());

        view.tap(cartButton);
        QTRY_COMPARE(shop->state(), "cart");
        view.list()->sortByProduct();
        QQuickItem *edit = view.tapTo(view.button(view.openMenu(shop), "Edit mode"), "ScreenEdit");
        QVERIFY(edit);
        QVERIFY(view.list()->isDisplayList());
        QVERIFY(view.list()->isSortByCategory());
        QVERIFY(view.manager().productsDataModel()->isLoaded());
        QVERIFY(view.tapTo(view.button(view.openMenu(edit), "Shop mode"), "ScreenShop"));
        QVERIFY(!view.manager().productsDataModel()->isLoaded());
        QCOMPARE(shop->state(), QString());
        QCOMPARE(view.list()->rowCount(), 4);

        view.tap(view.row(shop, 0));
        const auto question = answerMessageBox(QMessageBox::Ok);
        view.tap(view.button(view.row(shop, 1), "Delete"));
        QVERIFY(question->seen);
        QCOMPARE(question->tooSmall, QString());
        QCOMPARE(view.list()->rowCount(), 2);
        QVERIFY(view.list()->items(false).isEmpty());

        view.tap(view.row(shop, 1));
        QQuickItem *checkout = view.find(shop, QAccessible::Dialog);
        QTRY_COMPARE(checkout->opacity(), 1.0);
        QVERIFY(view.texts(checkout).contains("Items in cart: 1\nTotal price: 3.00 €"));
        view.tap(checkout, QPointF(checkout->width() / 10, checkout->height() / 2));
        view.tap(view.button(shop, "Home"));
        QCOMPARE(view.state(), "screenShop");
        QVERIFY(view.tapTo(view.button(checkout, "Ok"), "ScreenMain"));
        QCOMPARE(checkout->opacity(), 0.0);
        QCOMPARE(view.manager().listsDataModel()->rowCount(), 0);
    }
};

TOVIMAR_TEST_MAIN(tst_ScreenShop)
#include "tst_ScreenShop.moc"
