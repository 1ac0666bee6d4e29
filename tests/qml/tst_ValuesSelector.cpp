#include "kpQmlTestView.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>
#include <QtTest>

namespace {

constexpr int WheelCount = 7;

// A selector of pWidth x 70 whose first wheel shows the digits 0 to 9.
class Selector
{
public:
    explicit Selector(int pWidth)
    {
        mView.setResizeMode(QQuickWidget::SizeRootObjectToView);
        mView.resize(pWidth, 70);
        mView.setSource(QUrl(QStringLiteral("qrc:/qml/ValuesSelector.qml")));
        mDigit.setData("import QtQuick\n"
                       "Text { required property int index; width: ListView.view.width;"
                       " height: 60; text: index }",
                       QUrl());
        root()->setProperty("selectorModel1", 10);
        root()->setProperty("selectorDelegate1", QVariant::fromValue(&mDigit));
        mView.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mView));
    }

    QQuickItem *root() { return mView.rootObject(); }
    QQuickWidget *view() { return &mView; }

    QList<QQuickItem *> wheels()
    {
        QList<QQuickItem *> wheels;
        for (QQuickItem *child : root()->childItems().constFirst()->childItems()) {
            if (isComponent(child, "SelectorListView"))
                wheels.append(child);
        }
        return wheels;
    }

    QQuickItem *list(int pWheel) { return wheels().at(pWheel)->childItems().constFirst(); }

    // Where the wheel's current entry stands, from the wheel's top edge.
    qreal currentEntryTop(int pWheel)
    {
        auto *current = list(pWheel)->property("currentItem").value<QQuickItem *>();
        return current ? current->mapToItem(wheels().at(pWheel), QPointF()).y() : -1;
    }

private:
    QQuickWidget mView;
    QQmlComponent mDigit{mView.engine()};
};

} // namespace

class tst_ValuesSelector : public QObject
{
    Q_OBJECT

private slots:
    void unitWheelKeepsRoomOnNarrowSelectors_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<qreal>("digitWheel");
        QTest::addColumn<qreal>("unitWheel");
        QTest::newRow("800 wide: seven equal wheels") << 800 << 790.0 / 7 << 790.0 / 7;
        QTest::newRow("400 wide: unit wheel 80") << 400 << 310.0 / 6 << 80.0;
    }
    void unitWheelKeepsRoomOnNarrowSelectors()
    {
        QFETCH(int, width);
        QFETCH(qreal, digitWheel);
        QFETCH(qreal, unitWheel);
        Selector selector(width);
        const QList<QQuickItem *> wheels = selector.wheels();
        QCOMPARE(wheels.size(), WheelCount);
        for (int i = 0; i < WheelCount; ++i) {
            QCOMPARE(wheels.at(i)->width(), i == WheelCount - 1 ? unitWheel : digitWheel);
            QCOMPARE(wheels.at(i)->height(), 70.0);
        }
        // The point stands between the units and the tenths.
        QCOMPARE(wheels.at(4)->x() - wheels.at(3)->x(), digitWheel + 10);
        QCOMPARE(wheels.at(6)->x() + unitWheel, qreal(width));
    }

    void settingAValueTurnsItsEntryIntoTheBand()
    {
        Selector selector(800);
        selector.root()->setProperty("currentValue1", QStringLiteral("7"));
        QCOMPARE(selector.root()->property("currentValue1").toInt(), 7);
        QTRY_COMPARE(selector.currentEntryTop(0), 70.0 / 2 - 30);
        selector.root()->setProperty("currentValue1", 2);
        QTRY_COMPARE(selector.currentEntryTop(0), 70.0 / 2 - 30);
    }

    void draggedWheelRestsOnAWholeEntry()
    {
        Selector selector(800);
        QQuickItem *list = selector.list(0);
        QTest::mousePress(selector.view(), Qt::LeftButton, Qt::NoModifier, QPoint(50, 60));
        for (int y = 50; y >= -80; y -= 10)
            QTest::mouseMove(selector.view(), QPoint(50, y), 20);
        QTest::mouseRelease(selector.view(), Qt::LeftButton, Qt::NoModifier, QPoint(50, -80), 100);
        QTRY_VERIFY(!list->property("moving").toBool());
        QTRY_COMPARE(selector.currentEntryTop(0), 70.0 / 2 - 30);
        QCOMPARE(selector.root()->property("currentValue1").toInt(), 2);
    }

    // Dragged hard past its last entry, the wheel stops there without overshooting and rests
    // with the last entry in the band.
    void wheelStopsHardAtItsEnd()
    {
        Selector selector(800);
        QQuickItem *list = selector.list(0);
        qreal furthest = 0;
        const auto noteFurthest = [&]() {
            furthest = qMax(furthest, list->property("contentY").toReal());
        };

        const int x = 50;
        QTest::mousePress(selector.view(), Qt::LeftButton, Qt::NoModifier, QPoint(x, 60));
        for (int y = 60; y >= -900; y -= 30) {
            QTest::mouseMove(selector.view(), QPoint(x, y), 10);
            noteFurthest();
        }
        QTest::mouseRelease(selector.view(), Qt::LeftButton, Qt::NoModifier, QPoint(x, -900), 10);
        QVERIFY(QTest::qWaitFor([&]() {
            noteFurthest();
            return !list->property("moving").toBool();
        }));

        QCOMPARE(selector.root()->property("currentValue1").toInt(), 9);
        QTRY_COMPARE(selector.currentEntryTop(0), 70.0 / 2 - 30);
        QCOMPARE(furthest, list->property("contentY").toReal());
    }
};

TOVIMAR_TEST_MAIN(tst_ValuesSelector)
#include "tst_ValuesSelector.moc"
