#include "kpQmlTestView.h"

using namespace kpTestSupport;

class tst_ScreenCategories : public QObject
{
    Q_OBJECT

private slots:
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
            const auto category = view.answerPrompt("dairy");
            view.typeText("categoriesProductNameInput", product);
            QTRY_VERIFY(category->seen);
            view.tap(view.row(categories, 0));
        }
        // Rows: dairy, cheese, milk. Milk is on the list already: grey, and a tap only selects it.
        QQuickItem *milk = view.row(categories, 2);
        view.tap(milk);
        QCOMPARE(milk->property("item_status"), "unknown");
        QCOMPARE(view.list(categories)->property("currentIndex"), 2);
        // A press-and-hold asks for a new name and ticks nothing.
        for (const auto &[row, title] :
             {std::pair(1, "Item name"), std::pair(0, "Category name")}) {
            const auto newName = view.answerPrompt(QString(), false, true);
            view.longPress(view.row(categories, row), newName);
            QCOMPARE(newName->title, title);
            QCOMPARE(newName->tooSmall, QString());
        }
        QQuickItem *cheese = view.row(categories, 1);
        QCOMPARE(cheese->property("item_status"), "unchecked");
        view.tap(cheese);
        QCOMPARE(cheese->property("item_status"), "checked");

        QVERIFY(view.tapTo(view.button(categories, "Back"), "ScreenEdit"));
        QCOMPARE(view.list()->rowCount(), 5);
    }
};

TOVIMAR_TEST_MAIN(tst_ScreenCategories)
#include "tst_ScreenCategories.moc"
