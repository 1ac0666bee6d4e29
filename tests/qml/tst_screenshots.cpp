#include "kpQmlTestView.h"

using namespace kpTestSupport;

// Walks the program through every screen, menu and dialog, saving a picture of each, numbered in
// the order taken.
class tst_screenshots : public QObject
{
    Q_OBJECT

private slots:
    // A week's shopping as a user keeps it: three categories, amounts, units, prices and a note,
    // one product already in the cart; prices in euros or roubles.
    void everyScreen_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << "en";
        QTest::newRow("Russian") << "ru";
    }
    void everyScreen()
    {
        QFETCH(QString, language);
        const QDir folder(qEnvironmentVariable("TOVIMAR_SCREENSHOTS"));
        QVERIFY(qEnvironmentVariableIsSet("TOVIMAR_SCREENSHOTS"));
        QVERIFY2(folder.mkpath("."), qPrintable(folder.path()));
        kpQmlTestView view(kpQmlTestView::List, "week-" + language + ".xml");
        // The test runs away from the program, so the default catalogue comes in as the user's.
        const QString catalogue = "/categories_" + language + ".db";
        writeFile(dataLocation() + "/data" + catalogue,
                  readFile(qEnvironmentVariable("TOVIMAR_DEFAULT_CATALOGUES") + catalogue));
        const bool russian = language == "ru";
        view.manager().updateSettings(russian ? 1 : 0, russian ? 6 : 0);
        int count = 0;
        // Once every fade, shrinking row and pressed look has come to rest.
        const auto shoot = [&](const char *pName) {
            QTRY_VERIFY(!view.animating(view.view()->rootObject()));
            const QString name
                = QString("%1-%2-%3.png").arg(language).arg(++count, 2, 10, QChar('0')).arg(pName);
            QVERIFY(view.view()->grabFramebuffer().save(folder.absoluteFilePath(name)));
        };
        // The menu is closed with a tap beside its entries.
        const auto shootMenu = [&](QQuickItem *pScreen, const char *pName) {
            QQuickItem *menu = view.openMenu(pScreen);
            shoot(pName);
            view.tap(menu, QPointF(menu->width() / 16, menu->height() / 2));
            QTRY_COMPARE(menu->opacity(), 0.0);
        };
        shoot("main");

        QQuickItem *settings = view.enter("ScreenSettings");
        shoot("settings");
        QVERIFY(view.tapTo(view.button(settings, "Cancel"), "ScreenMain"));

        QQuickItem *shop = view.enter("ScreenShop");
        shoot("shop-list");
        view.tap(view.button(shop, "Cart"));
        shoot("shop-cart");
        view.tap(view.button(shop, "List"));
        QTRY_VERIFY(shop->state().isEmpty() && !view.animating(shop));
        shootMenu(shop, "shop-menu");
        QQuickItem *edit = view.tapTo(view.button(view.openMenu(shop), "Edit mode"), "ScreenEdit");
        QVERIFY(edit);
        // The second row, the first bakery product, is current.
        view.tap(view.row(edit, 1));
        shoot("edit");
        shootMenu(edit, "edit-menu");
        QQuickItem *dialog = view.find(edit, QAccessible::Dialog);
        view.tap(view.button(view.row(edit, 1), "Edit"));
        shoot("item-dialog");
        view.tap(view.button(dialog, "Cancel"));
        QTRY_COMPARE(dialog->opacity(), 0.0);

        QQuickItem *categories = view.tapTo(view.button(edit, "Categories"), "ScreenCategories");
        QVERIFY(categories);
        view.tap(view.row(categories, 1));
        shoot("categories");
        shootMenu(categories, "categories-menu");
        QVERIFY(view.tapTo(view.button(categories, "Back"), "ScreenEdit"));
        QVERIFY(view.tapTo(view.button(edit, "Home"), "ScreenMain"));

        // Every product into the cart: the rows shrink away until the checkout box appears.
        QCOMPARE(view.enter("ScreenShop"), shop);
        while (view.list()->rowCount() > 0 && !QTest::currentTestFailed())
            view.tap(view.row(shop, 1));
        QTRY_COMPARE(view.find(shop, QAccessible::Dialog)->opacity(), 1.0);
        shoot("checkout");
        QVERIFY(view.tapTo(view.button(view.find(shop, QAccessible::Dialog), "Ok"), "ScreenMain"));
        // The prompt for a new list's name, shot while the core waits for the answer.
        const auto name = view.answerPrompt({}, false, false, [&]() { shoot("name-prompt"); });
        view.tap(view.button(view.screen("ScreenMain"), "New"));
        QTRY_VERIFY(name->seen);
    }
};

TOVIMAR_TEST_MAIN(tst_screenshots)
#include "tst_screenshots.moc"
