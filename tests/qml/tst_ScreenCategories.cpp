#include "kpQmlTestView.h"

using namespace kpTestSupport;

class tst_ScreenCategories : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    // On the way in the catalogue marks what the list holds; on the way back the ticked
    // products join the list.
    void tickingProductsForTheList()
    {
        writeList();
        kpQmlTestView view;
        QQuickItem *categories = view.enter("ScreenCategories");
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
        QQuickItem *cheese = view.row(categories, 1);
        view.tap(cheese);
        QCOMPARE(cheese->property("item_status"), "checked");

        view.tap(view.button(categories, "back-button.png"));
        QCOMPARE(view.state(), "screenEdit");
        QVERIFY(view.showsOnly("ScreenEdit"));
        QCOMPARE(view.list()->rowCount(), 5);
    }

    // Unlike the other menus this one fades out too, and choosing the order in force still
    // fades the list out and in.
    void menuFadesBothWaysAndAlwaysSorts()
    {
        writeList();
        kpQmlTestView view;
        QQuickItem *categories = view.enter("ScreenCategories");
        QQuickItem *list = view.find(categories, "QQuickListView");
        QQuickItem *menu = view.openMenu(categories);
        view.tap(view.button(menu, "Sort by category"));
        QVERIFY(menu->opacity() > 0);
        QTRY_VERIFY(list->opacity() < 0.5);
        QTRY_VERIFY(menu->opacity() == 0.0 && list->opacity() == 1.0);
    }

    // A press-and-hold asks for a new name and ticks nothing.
    void pressAndHoldRenames_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("title");
        QTest::newRow("a product") << 1 << "Item name";
        QTest::newRow("a header") << 0 << "Category name";
    }
    void pressAndHoldRenames()
    {
        QFETCH(int, row);
        QFETCH(QString, title);
        writeList();
        writeCatalogue();
        kpQmlTestView view;
        QQuickItem *categories = view.enter("ScreenCategories");
        const auto newName = answerInputDialog(QString(), false);
        view.longPress(view.row(categories, row), newName);
        QCOMPARE(newName->title, title);
        QCOMPARE(view.row(categories, 1)->property("item_status"), "unchecked");
    }
};

TOVIMAR_TEST_MAIN(tst_ScreenCategories)
#include "tst_ScreenCategories.moc"
