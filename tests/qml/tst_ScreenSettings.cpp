#include "kpQmlTestView.h"

using namespace kpTestSupport;

class tst_ScreenSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    // The wheels show the stored settings each time the screen is entered; "Cancel" drops what
    // was turned and stores nothing.
    void cancelDropsTheTurnedWheels()
    {
        kpQmlTestView view;
        view.manager().updateSettings(0, 2);
        const QString settingsFile = QDir(dataLocation()).absoluteFilePath("data/config.db");
        QVERIFY(QFile::remove(settingsFile));
        QQuickItem *settings = view.enter("ScreenSettings");
        QQuickItem *language = view.named("languageSelector");
        QQuickItem *currency = view.named("currencyUnitSelector");
        QCOMPARE(language->property("currentIndex").toInt(), 0);
        QCOMPARE(currency->property("currentIndex").toInt(), 2);
        language->setProperty("currentIndex", 1);
        currency->setProperty("currentIndex", 3);
        view.tap(view.button(settings, "Cancel"));
        QVERIFY(view.showsOnly("ScreenMain"));
        QVERIFY(view.texts(view.screen("ScreenMain")).contains("Shopping lists"));
        QVERIFY(!QFile::exists(settingsFile));
        QCOMPARE(view.enter("ScreenSettings"), settings);
        QCOMPARE(language->property("currentIndex").toInt(), 0);
        QCOMPARE(currency->property("currentIndex").toInt(), 2);
    }

    // Every screen, hidden ones too, speaks the new language at once, without being reloaded,
    // and every price carries the new currency symbol.
    void doneSwitchesLanguageAndCurrencyEverywhere()
    {
        writeList();
        kpQmlTestView view;
        QQuickItem *settings = view.enter("ScreenSettings");
        view.named("languageSelector")->setProperty("currentIndex", 1);
        view.named("currencyUnitSelector")->setProperty("currentIndex", 5);
        view.tap(view.button(settings, "Done"));
        const QList<std::pair<QString, QString>> shown
            = {{"ScreenMain", "Списки покупок"}, {"ScreenMain", "2 наименования"},
               {"ScreenMain", "4.50 $"},         {"ScreenShop", "Корзина"},
               {"ScreenEdit", "Заметка"},        {"ScreenCategories", "Категории"},
               {"ScreenSettings", "Язык: "}};
        for (const auto &[screen, text] : shown)
            QVERIFY2(view.texts(view.screen(screen), false).contains(text), qPrintable(text));
        QVERIFY(view.showsOnly("ScreenMain"));
    }

    // Turned hard past its end a wheel stops there without overshooting and comes to rest with
    // the last entry, whole, in its middle band.
    void wheelStopsHardAtItsEnd()
    {
        kpQmlTestView view;
        view.enter("ScreenSettings");
        QQuickItem *wheel = view.named("currencyUnitSelector");
        QQuickItem *list = view.find(wheel, "QQuickListView");
        qreal furthest = 0;
        const auto noteFurthest = [&]() {
            furthest = qMax(furthest, list->property("contentY").toReal());
            return !list->property("moving").toBool();
        };
        const QPoint start
            = wheel->mapToScene(QPointF(wheel->width() / 2, wheel->height() / 2)).toPoint();
        QTest::mousePress(view.view(), Qt::LeftButton, Qt::NoModifier, start);
        for (int moved = 40; moved <= 1200; moved += 40) {
            QTest::mouseMove(view.view(), start - QPoint(0, moved), 10);
            noteFurthest();
        }
        QTest::mouseRelease(view.view(), Qt::LeftButton, Qt::NoModifier, start - QPoint(0, 1200),
                            10);
        QVERIFY(QTest::qWaitFor(noteFurthest));
        QCOMPARE(wheel->property("currentIndex").toInt(), 13);
        QCOMPARE(furthest, list->property("contentY").toReal());
        QTRY_COMPARE(list->property("currentItem").value<QQuickItem *>()->mapToItem(wheel, {}).y(),
                     wheel->height() / 2 - 30);
    }
};

TOVIMAR_TEST_MAIN(tst_ScreenSettings)
#include "tst_ScreenSettings.moc"
