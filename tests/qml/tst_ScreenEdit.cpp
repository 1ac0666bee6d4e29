#include "kpQmlTestView.h"

#include <QStyleHints>

using namespace kpTestSupport;

class tst_ScreenEdit : public QObject
{
    Q_OBJECT

private slots:
    // Typing items in, the selection deciding their category, and the way home saving the list
    // and giving the catalogue up.
    void composingANewList()
    {
        kpQmlTestView view(kpQmlTestView::Catalogue);
        view.answerPrompt("Weekend");
        QQuickItem *edit = view.tapTo(view.button(view.screen("ScreenMain"), "New"), "ScreenEdit");
        QVERIFY(edit);
        QVERIFY(view.manager().productsDataModel()->isLoaded());
        QQuickItem *ok = view.button(edit, "Ok");
        QCOMPARE(ok->opacity(), 0.5);
        view.tap(ok);
        view.typeText("editProductNameInput", "Milk");
        QTRY_COMPARE(ok->opacity(), 1.0);
        auto category = view.answerPrompt("dairy", true, true);
        view.tap(ok);
        QTRY_VERIFY(category->seen);
        QCOMPARE(category->tooSmall, QString());
        QCOMPARE(view.named("editProductNameInput")->property("text").toString(), QString());

        // The new header became current: a tap on it clears the selection, so the next item
        // needs a category of its own.
        view.tap(view.row(edit, 0));
        category = view.answerPrompt("bakery");
        view.typeText("editProductNameInput", "bread\r");
        QTRY_VERIFY(category->seen);

        view.tap(view.button(edit, "Home"));
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
        QQuickItem *dialog = view.find(edit, QAccessible::Dialog);
        QQuickItem *price = view.named("priceSelector");
        const auto openMilk = [&]() {
            view.tap(view.button(view.row(edit, 3), "Edit"));
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
        QTRY_COMPARE(rows(*view.list()), QStringList({"bread"}));
        view.tap(view.row(edit, 0));
        question = answerMessageBox(QMessageBox::Ok);
        QQuickItem *menu = view.openMenu(edit);
        view.tap(view.button(menu, "Delete All"));
        QVERIFY(question->seen);
        QCOMPARE(question->tooSmall, QString());
        QCOMPARE(menu->opacity(), 0.0);
        const auto category = view.answerPrompt("dairy");
        view.typeText("editProductNameInput", "eggs\r");
        QTRY_VERIFY(category->seen);
    }

    // While a product name is typed, an on-screen keyboard over the lower half of the window, or
    // the window shrunk to make room for one, leaves the input bar and its "Ok" whole above it.
    // The typed text and the current row stay; once the keyboard goes, the screen is as before.
    void nameBarStaysAboveTheKeyboard_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("shrunk");
        for (const char *screen : {"ScreenEdit", "ScreenCategories"}) {
            QTest::addRow("%s, keyboard over the window", screen) << screen << false;
            QTest::addRow("%s, window shrunk", screen) << screen << true;
        }
    }
    void nameBarStaysAboveTheKeyboard()
    {
        QFETCH(QString, screen);
        QFETCH(bool, shrunk);
        QGuiApplication::styleHints()->setCursorFlashTime(0); // a cursor that does not blink
        kpQmlTestView view(kpQmlTestView::List | kpQmlTestView::Catalogue);
        QQuickItem *shown = view.enter("ScreenEdit");
        if (screen == "ScreenCategories")
            shown = view.tapTo(view.button(shown, "Categories"), screen);
        view.tap(view.row(shown, 1));
        const QString input
            = screen == "ScreenEdit" ? "editProductNameInput" : "categoriesProductNameInput";
        view.typeText(input, "Jam");
        QQuickItem *window = view.view()->rootObject();
        QTRY_VERIFY(!view.animating(window));
        const QImage before = view.view()->grabFramebuffer();
        const auto keyboard = [&](QRectF pKeys) {
            view.named("typingLayer")
                ->setProperty("keyboardRectangle",
                              pKeys.translated(window->mapToGlobal(QPointF(0, 0))));
        };
        shrunk ? view.view()->resize(800, 240) : keyboard({0, 240, 800, 240});

        QQuickItem *bar = view.button(shown, "Ok");
        // The bar with its "Ok" just above the keyboard.
        QTRY_COMPARE(bar->mapToScene(QPointF(bar->width(), bar->height())), QPointF(800, 240));
        QCOMPARE(view.named(input)->property("text"), "Jam");
        QCOMPARE(view.list(shown)->property("currentIndex"), 1);
        shrunk ? view.view()->resize(800, 480) : keyboard({});
        QTRY_COMPARE(view.view()->grabFramebuffer(), before);
    }
};

TOVIMAR_TEST_MAIN(tst_ScreenEdit)
#include "tst_ScreenEdit.moc"
