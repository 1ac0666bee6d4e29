#include "kpQmlTestView.h"

using namespace kpTestSupport;

// The main screen, the settings screen it leads to, and the window's moves between its screens.
// Opening a list from a row or its edit button, and "New", are walked by the other screens'
// tests on their way in.
class tst_ScreenMain : public QObject
{
    Q_OBJECT

private slots:
    // The screens not shown at first are made after the first frame, their product-name input
    // still gets its hint. The info button shows the About box; a press-and-hold on a row asks
    // to delete the list. A hidden screen takes no touches: beneath the main screen's hidden
    // header button lies the shop's menu button, and the tap reaches the main screen's bar,
    // which toggles full screen. A screen that is fading out still takes touches, but cannot
    // move the window on. Where the core refuses to open a list, a new one not named or one
    // whose file is gone, the main screen stays.
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

        view.tap(view.row(main, 0));
        QTRY_VERIFY(view.layer("ScreenMain")->opacity() < 1);
        view.tap(view.button(main, "Settings"));
        QVERIFY(view.showsOnly("ScreenShop"));
        QVERIFY(
            view.tapTo(view.button(view.screen("ScreenShop"), "home-button.png"), "ScreenMain"));

        const auto name = answerInputDialog(QString(), false);
        view.tap(view.button(main, "New"));
        QVERIFY(name->seen);
        QCOMPARE(view.state(), QString());
        QVERIFY(QFile::remove(listsDirectory() + "/demo-list.kpl"));
        view.tap(view.row(main, 0));
        QCOMPARE(view.state(), QString());
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
        QQuickItem *language = view.named("languageSelector");
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

        language->setProperty("currentIndex", 1);
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
};

TOVIMAR_TEST_MAIN(tst_ScreenMain)
#include "tst_ScreenMain.moc"
