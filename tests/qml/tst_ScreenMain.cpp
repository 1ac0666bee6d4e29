#include "kpQmlTestView.h"

using namespace kpTestSupport;

class tst_ScreenMain : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    // A row opens its list for shopping, in category order, its edit button for editing, with
    // the catalogue loaded, as does "New"; where the core refuses, the main screen stays.
    void openingAList_data()
    {
        QTest::addColumn<QString>("tap");
        QTest::addColumn<bool>("listKept");
        QTest::addColumn<QString>("shown");
        QTest::newRow("row") << "row" << true << "ScreenShop";
        QTest::newRow("edit button") << "edit" << true << "ScreenEdit";
        QTest::newRow("New, named") << "Picnic" << true << "ScreenEdit";
        QTest::newRow("row of a list whose file is gone") << "row" << false << "ScreenMain";
        QTest::newRow("New, not named") << "" << true << "ScreenMain";
    }
    void openingAList()
    {
        QFETCH(QString, tap);
        QFETCH(bool, listKept);
        QFETCH(QString, shown);
        writeList();
        writeCatalogue();
        kpQmlTestView view;
        view.list()->sortByProduct();
        QQuickItem *main = view.screen("ScreenMain");
        QQuickItem *row = view.row(main, 0);
        if (!listKept)
            QVERIFY(QFile::remove(listsDirectory() + "/demo-list.kpl"));
        if (tap == "row" || tap == "edit") {
            view.tap(tap == "row" ? row : view.button(row, "edit-button.png"));
        } else {
            const auto name = answerInputDialog(tap, !tap.isEmpty());
            view.tap(view.button(main, "New"));
            QVERIFY(name->seen);
        }
        QVERIFY(view.showsOnly(shown));
        QCOMPARE(view.manager().productsDataModel()->isLoaded(), shown == "ScreenEdit");
        if (shown == "ScreenShop")
            QVERIFY(view.list()->isSortByCategory() && view.list()->isDisplayList());
    }

    // A press-and-hold asks to delete the list; letting go afterwards opens nothing.
    void pressAndHoldDeletesTheList()
    {
        writeList();
        kpQmlTestView view;
        const auto question = answerMessageBox(QMessageBox::Ok);
        view.longPress(view.row(view.screen("ScreenMain"), 0), question);
        QCOMPARE(question->title, "Delete list");
        QVERIFY(!QFile::exists(listsDirectory() + "/demo-list.kpl"));
        QCOMPARE(view.manager().listsDataModel()->rowCount(), 0);
        QCOMPARE(view.state(), QString());
    }

    void infoButtonShowsTheAboutBox()
    {
        kpQmlTestView view;
        const auto about = answerMessageBox(QMessageBox::Ok);
        view.tap(view.button(view.screen("ScreenMain"), "info-button.png"));
        QCOMPARE(about->title, "About");
    }
};

TOVIMAR_TEST_MAIN(tst_ScreenMain)
#include "tst_ScreenMain.moc"
