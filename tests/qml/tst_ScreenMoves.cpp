#include "kpQmlTestView.h"

#include <QQmlListReference>

using namespace kpTestSupport;

// The window's moves between its screens; what each screen asks of the core is in its own test.
class tst_ScreenMoves : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    // The screens not shown at first are made after the first frame, their product-name inputs
    // still get their hint. A hidden screen takes no touches: beneath the main screen's hidden
    // header button lies the shop's menu button, and the tap reaches the main screen's bar,
    // which toggles full screen. A screen that is fading out still takes touches, but cannot
    // move the window on.
    void onlyTheScreenShownMovesTheWindow()
    {
        writeList();
        kpQmlTestView view;
        for (const char *input : {"editProductNameInput", "categoriesProductNameInput"})
            QCOMPARE(view.named(input)->property("inputMethodHints").toInt(),
                     int(Qt::ImhNoPredictiveText));
        QQuickItem *main = view.screen("ScreenMain");
        view.tap(view.button(view.screen("ScreenShop"), "menu-button.png"));
        QTRY_VERIFY(view.view()->isFullScreen());
        QCOMPARE(view.screen("ScreenShop")->property("menuOpacity").toReal(), 0.0);
        view.tap(view.find(main, "ScreenHeader"));
        QTRY_VERIFY(!view.view()->isFullScreen());

        view.tap(view.row(main, 0));
        QTRY_VERIFY(view.layer("ScreenMain")->opacity() < 1);
        view.tap(view.button(main, "Settings"));
        QCOMPARE(view.state(), "screenShop");
        QVERIFY(view.showsOnly("ScreenShop"));
    }

    // Where the list shown changes on the way, from the edit screen to the shop and back from
    // the catalogue, a move pauses between its fades, so that the rows settle unseen.
    void onlyMovesThatChangeTheListPause()
    {
        kpQmlTestView view;
        QQmlListReference moves(view.view()->rootObject(), "transitions");
        QCOMPARE(moves.count(), 10);
        for (qsizetype i = 0; i < moves.count(); ++i) {
            const QString move = moves.at(i)->property("from").toString() + '>'
                + moves.at(i)->property("to").toString();
            const bool pauses
                = move == "screenEdit>screenShop" || move == "screenCategories>screenEdit";
            QVERIFY2(moves.at(i)->property("pause").toInt() == (pauses ? 100 : 0),
                     qPrintable(move));
        }
    }
};

TOVIMAR_TEST_MAIN(tst_ScreenMoves)
#include "tst_ScreenMoves.moc"
