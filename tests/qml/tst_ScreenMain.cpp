#include "kpOnScreenKeyboard.h"
#include "kpQmlTestView.h"

#include <QAbstractEventDispatcher>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlIncubator>

using namespace kpTestSupport;

// As on a kiosk's panel, where Qt's keyboard is drawn in the scene: chosen before the application.
static const bool qtKeyboard
    = (qputenv("QT_IM_MODULE", "qtvirtualkeyboard"), kpOnScreenKeyboard::choose(0, nullptr), true);

// The main screen, and the window's moves between its screens. Opening a list from a row or its
// edit button, and "New", are walked by the shop's and the edit screen's tests on their way in.
class tst_ScreenMain : public QObject
{
    Q_OBJECT

private slots:
    // The screens not shown at first are made after the first frame. The info button shows the
    // About box; a press-and-hold on a row asks to delete the list. A hidden screen takes no
    // touches: beneath the main screen's hidden header button lies the shop's menu button, and
    // the tap reaches the main screen's bar, which toggles full screen. Where the core refuses to
    // open a list, a new one not named or one whose file is gone, the main screen stays. A
    // screen that is fading out still takes touches, but cannot move the window on.
    void screensAndTheWindowsMoves()
    {
        kpQmlTestView view(kpQmlTestView::List);
        // Once every object the screens asked for is made, one object asked for alone is made too.
        QQmlEngine *engine = view.view()->engine();
        QTRY_COMPARE_WITH_TIMEOUT(engine->incubationController()->incubatingObjectCount(), 0,
                                  60000);
        QQmlComponent component(engine, QUrl("qrc:/qml/RowSeparator.qml"));
        QQmlIncubator incubator;
        component.create(incubator);
        QTRY_VERIFY(incubator.isReady());
        delete incubator.object();
        // With nothing left to make, nothing keeps waking the program up (a busy loop would wake
        // it some 100000 times).
        QSignalSpy awake(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake);
        QTest::qWait(100);
        QVERIFY2(awake.count() < 1000, QByteArray::number(awake.count()));
        QQuickItem *main = view.screen("ScreenMain");
        const auto about = answerMessageBox(QMessageBox::Ok);
        view.tap(view.button(main, "About"));
        QCOMPARE(about->title, "About");
        QCOMPARE(about->tooSmall, QString());
        const auto question = answerMessageBox(QMessageBox::Cancel);
        view.longPress(view.row(main, 0), question);
        QCOMPARE(question->title, "Delete list");
        QCOMPARE(question->tooSmall, QString());

        view.tap(view.button(view.screen("ScreenShop"), "Menu"));
        QTRY_VERIFY(view.view()->isFullScreen());
        view.tap(view.find(main, QAccessible::Heading));
        QTRY_VERIFY(!view.view()->isFullScreen());

        // Qt's keyboard is made only once a field takes text, here the prompt's.
        QQuickItem *window = view.view()->rootObject();
        QVERIFY(!view.named("keyboardPanel"));
        const auto name = view.answerPrompt(QString(), false, true,
                                            [&]() { QVERIFY(view.named("keyboardPanel")); });
        view.tap(view.button(main, "New"));
        QTRY_VERIFY(name->seen);
        QCOMPARE(name->tooSmall, QString());
        QCOMPARE(view.state(), QString());
        QVERIFY(QFile::remove(listsDirectory() + "/demo-list.kpl"));
        view.tap(view.row(main, 0));
        QCOMPARE(view.state(), QString());

        view.answerPrompt("Weekend");
        view.tap(view.button(main, "New"));
        QTRY_VERIFY(view.layer("ScreenMain")->opacity() < 1);
        view.tap(view.button(main, "Settings"));
        QVERIFY(view.showsOnly("ScreenEdit"));
    }
};

TOVIMAR_TEST_MAIN(tst_ScreenMain)
#include "tst_ScreenMain.moc"
