#include "kpQmlTestView.h"

class tst_ScreenSettings : public QObject
{
    Q_OBJECT

private slots:
    // The wheels show the stored settings each time the screen is entered; "Cancel" drops what
    // was turned. Dragged hard past its end a wheel stops there without overshooting and comes
    // to rest with the last entry, whole, in its middle band. After "Done" every screen, hidden
    // ones too, speaks the new language at once, without being reloaded, and every price carries
    // the new currency symbol, and the keyboard types the new language. What the core does with
    // the new settings its own test shows.
    void turningTheWheels()
    {
        kpQmlTestView view(kpQmlTestView::List);
        view.manager().updateSettings(0, 2);
        QQuickItem *settings = view.enter("ScreenSettings");
        QQuickItem *currency = view.named("currencyUnitSelector");
        QCOMPARE(currency->property("currentIndex").toInt(), 2);
        QQuickItem *turning = view.list(currency);
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

        view.named("languageSelector")->setProperty("currentIndex", 1);
        currency->setProperty("currentIndex", 5);
        view.tap(view.button(settings, "Done"));
        const QList<std::pair<QString, QString>> shown
            = {{"ScreenMain", "Списки покупок"},  {"ScreenMain", "4.50 $"},
               {"ScreenShop", "Корзина"},         {"ScreenEdit", "Заметка"},
               {"ScreenCategories", "Категории"}, {"ScreenSettings", "Язык: "}};
        for (const auto &[screen, text] : shown)
            QVERIFY2(view.texts(view.screen(screen), false).contains(text), qPrintable(text));
        QVERIFY(view.showsOnly("ScreenMain"));
        // What a screen reader says follows too.
        QVERIFY(view.button(view.screen("ScreenEdit"), "Меню"));
        // The prompts and the on-screen keyboard follow too.
        QQuickItem *typing = view.named("typingLayer");
        QCOMPARE(typing->property("language"), "ru");
        QVERIFY(view.texts(typing, false).contains("Отмена"));
    }
};

TOVIMAR_TEST_MAIN(tst_ScreenSettings)
#include "tst_ScreenSettings.moc"
