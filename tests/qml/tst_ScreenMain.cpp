#include "kpQmlTestView.h"

using namespace kpTestSupport;

// The main screen, and the window's moves between its screens.
class tst_ScreenMain : public QObject
{
    Q_OBJECT

private slots:
    // A row opens its list for shopping, in category order, its edit button for editing, with
    // the catalogue loaded, as does "New"; where the core refuses, the main screen stays.
    void openingAList_data()
    {
        QTest::addColumn<QString>("tap");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *pName, const char *pTap, const char *pShown) {
            QTest::newRow(pName) << QString(pTap) << QString(pShown);
        };
        row("row", "row", "ScreenShop");
        row("edit button", "edit", "ScreenEdit");
        row("row of a list whose file is gone", "gone", "ScreenMain");
        row("New, not named", "New", "ScreenMain");
    }
    void openingAList()
    {
        QFETCH(QString, tap);
        QFETCH(QString, shown);
        kpQmlTestView view(kpQmlTestView::List | kpQmlTestView::Catalogue);
        view.list()->sortByProduct();
        QQuickItem *main = view.screen("ScreenMain");
        QQuickItem *row = view.row(main, 0);
        if (tap == "gone")
            QVERIFY(QFile::remove(listsDirectory() + "/demo-list.kpl"));
        if (tap == "New") {
            const auto name = answerInputDialog(QString(), false);
            view.tap(view.button(main, "New"));
            QVERIFY(name->seen);
        } else {
            view.tap(tap == "edit" ? view.button(row, "edit-button.png") : row);
        }
        QVERIFY(view.showsOnly(shown));
        QCOMPARE(view.manager().productsDataModel()->isLoaded(), shown == "ScreenEdit");
        if (shown == "ScreenShop")
            QVERIFY(view.list()->isSortByCategory() && view.list()->isDisplayList());
    }

    // The info button shows the About box; a press-and-hold on a row asks to delete the list.
    void infoButtonAndPressAndHold()
    {
        kpQmlTestView view(kpQmlTestView::List);
        const auto about = answerMessageBox(QMessageBox::Ok);
        view.tap(view.button(view.screen("ScreenMain"), "info-button.png"));
        QCOMPARE(about->title, "About");
        const auto question = answerMessageBox(QMessageBox::Cancel);
        view.longPress(view.row(view.screen("ScreenMain"), 0), question);
        QCOMPARE(question->title, "Delete list");
    }

    // The screens not shown at first are made after the first frame, their product-name input
    // still gets its hint. A hidden screen takes no touches: beneath the main screen's hidden
    // header button lies the shop's menu button, and the tap reaches the main screen's bar,
    // which toggles full screen. A screen that is fading out still takes touches, but cannot
    // move the window on.
    void onlyTheScreenShownMovesTheWindow()
    {
        kpQmlTestView view(kpQmlTestView::List);
        QCOMPARE(view.named("categoriesProductNameInput")->property("inputMethodHints").toInt(),
                 int(Qt::ImhNoPredictiveText));
        QQuickItem *main = view.screen("ScreenMain");
        view.tap(view.button(view.screen("ScreenShop"), "menu-button.png"));
        QTRY_VERIFY(view.view()->isFullScreen());
        view.tap(view.find(main, "ScreenHeader"));
        QTRY_VERIFY(!view.view()->isFullScreen());

        view.tap(view.row(main, 0));
        QTRY_VERIFY(view.layer("ScreenMain")->opacity() < 1);
        view.tap(view.button(main, "Settings"));
        QVERIFY(view.showsOnly("ScreenShop"));
    }
};

TOVIMAR_TEST_MAIN(tst_ScreenMain)
#include "tst_ScreenMain.moc"
