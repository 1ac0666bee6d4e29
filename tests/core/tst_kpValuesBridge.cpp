#include "kpApplicationManager.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QtTest>

using namespace kpTestSupport;
using Item = kpListDataModel::Item;

namespace {

// The three objects of the item dialog, as far as the bridge sees them.
const QByteArray DialogDocument = R"(import QtQuick
Item {
    component Wheels: Item {
        property int currentValue1
        property int currentValue2
        property int currentValue3
        property int currentValue4
        property int currentValue5
        property int currentValue6
        property int currentValue7
    }
    Wheels { objectName: "amountSelector" }
    Item { Wheels { objectName: "priceSelector" } }
    TextInput { objectName: "noteSelector" }
}
)";

} // namespace

class tst_kpValuesBridge : public QObject
{
    Q_OBJECT

    QQuickWidget *mView = nullptr;
    kpApplicationManager *mManager = nullptr;

    QObject *object(const char *pName) { return kpQuickHost::findObject(mView, pName); }

    QList<int> wheels(const char *pName, int pCount = 6)
    {
        QList<int> values;
        for (int wheel = 1; wheel <= pCount; ++wheel)
            values.append(
                object(pName)->property("currentValue" + QByteArray::number(wheel)).toInt());
        return values;
    }

    void setWheels(const char *pName, const QList<int> &pValues)
    {
        for (int wheel = 1; wheel <= pValues.size(); ++wheel)
            object(pName)->setProperty("currentValue" + QByteArray::number(wheel),
                                       pValues.at(wheel - 1));
    }

    // Opens the dialog for the only item, stored with these values; row 1 is the item.
    void openWith(const QString &pCount, const QString &pUnit, const QString &pPrice)
    {
        writeCompressed(listsDirectory() + "/demo-list.kpl",
                        QStringLiteral("<tovimar_list name=\"l\"><item name=\"tea\" category=\"c\" "
                                       "status=\"unchecked\" count=\"%1\" count_unit=\"%2\" "
                                       "price=\"%3\" note=\"green\"/></tovimar_list>")
                            .arg(pCount, pUnit, pPrice)
                            .toUtf8());
        QVERIFY(mManager->updateListsDataModel());
        QVERIFY(mManager->loadList(0));
        mManager->updateValuesSelector(1);
    }

    Item storedItem() { return mManager->listDataModel()->items(true).value(0); }

private slots:
    void init()
    {
        clearDataLocation();
        mView = new QQuickWidget;
        setQml(mView, DialogDocument);
        mManager = new kpApplicationManager;
        QVERIFY(mManager->initialize());
        mManager->setParentWidget(mView);
    }

    void cleanup()
    {
        delete mManager;
        delete mView;
    }

    void valuesGoToTheWheelsAndComeBack()
    {
        openWith("2", "kg", "3.5");
        QCOMPARE(wheels("amountSelector", 7), QList<int>({0, 0, 0, 2, 0, 0, 2}));
        QCOMPARE(wheels("priceSelector"), QList<int>({0, 0, 0, 3, 5, 0}));
        QCOMPARE(object("noteSelector")->property("text").toString(), "green");

        QSignalSpy updated(mManager->listDataModel(), &kpListDataModel::itemUpdated);
        mManager->updateListItem(1);
        QCOMPARE(updated.count(), 1);
        const Item tea = storedItem();
        QCOMPARE(tea.value("count"), "2");
        QCOMPARE(tea.value("count_unit"), "kg");
        QCOMPARE(tea.value("price"), "3.5");
        QCOMPARE(tea.value("note"), "green");
    }

    void wheelsReadBack_data()
    {
        QTest::addColumn<QList<int>>("digits");
        QTest::addColumn<QString>("stored");
        QTest::newRow("largest") << QList<int>({9, 9, 9, 9, 9, 9}) << "9999.99";
        QTest::newRow("tens and hundredths") << QList<int>({0, 0, 1, 0, 0, 5}) << "10.05";
        QTest::newRow("zero is no value") << QList<int>({0, 0, 0, 0, 0, 0}) << "";
        QTest::newRow("fraction only") << QList<int>({0, 0, 0, 0, 5, 0}) << "0.5";
    }

    void wheelsReadBack()
    {
        QFETCH(QList<int>, digits);
        QFETCH(QString, stored);
        openWith("", "", "");
        setWheels("priceSelector", digits);
        setWheels("amountSelector", digits);
        mManager->updateListItem(1);
        QCOMPARE(storedItem().value("price"), stored);
        QCOMPARE(storedItem().value("count"), stored);
    }

    // 0.005 is held as a single-precision value just below it.
    void storedTextsTheWheelsRound()
    {
        openWith("0.005", "", "0.005");
        QCOMPARE(wheels("priceSelector"), QList<int>({0, 0, 0, 0, 0, 0}));
        mManager->updateListItem(1);
        QCOMPARE(storedItem().value("price"), "");
        QCOMPARE(storedItem().value("count"), "");
    }

    // A unit the table lacks (stored in another language) shows as none, and is kept as it was
    // unless the user turns the unit wheel.
    void unitOfAnotherLanguageIsKeptUntilTurned()
    {
        openWith("1", "кг", "");
        QCOMPARE(wheels("amountSelector", 7).last(), 0);
        mManager->updateListItem(1);
        QCOMPARE(storedItem().value("count_unit"), "кг");

        mManager->updateValuesSelector(1);
        object("amountSelector")->setProperty("currentValue7", 2);
        mManager->updateListItem(1);
        QCOMPARE(storedItem().value("count_unit"), "kg");
    }

    // The wheels hold 0.00 to 9999.99. A stored value beyond that shows as the nearest one they
    // hold, and is kept as it was unless the user turns those wheels.
    void valuesBeyondTheWheelsAreNotChangedBehindTheUsersBack_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("too large") << "12000" << QList<int>({9, 9, 9, 9, 9, 9});
        QTest::newRow("rounds past the largest") << "9999.996" << QList<int>({9, 9, 9, 9, 9, 9});
        QTest::newRow("negative") << "-5" << QList<int>({0, 0, 0, 0, 0, 0});
        QTest::newRow("not finite") << "inf" << QList<int>({9, 9, 9, 9, 9, 9});
    }

    void valuesBeyondTheWheelsAreNotChangedBehindTheUsersBack()
    {
        QFETCH(QString, stored);
        QFETCH(QList<int>, shown);
        openWith(stored, "kg", stored);
        QCOMPARE(wheels("priceSelector"), shown);
        QCOMPARE(wheels("amountSelector"), shown);
        mManager->updateListItem(1);
        QCOMPARE(storedItem().value("price"), stored);
        QCOMPARE(storedItem().value("count"), stored);

        mManager->updateValuesSelector(1);
        setWheels("priceSelector", {0, 0, 1, 2, 0, 0});
        mManager->updateListItem(1);
        QCOMPARE(storedItem().value("price"), "12");
        QCOMPARE(storedItem().value("count"), stored);
    }

    void missingRowAndMissingObjects()
    {
        openWith("2", "kg", "3.5");
        mManager->updateValuesSelector(7);
        QCOMPARE(wheels("amountSelector", 7), QList<int>({0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(object("noteSelector")->property("text").toString(), "");

        setQml(mView, "import QtQuick\nItem {}\n");
        mManager->updateValuesSelector(1);
        mManager->updateListItem(1);
        const Item tea = storedItem();
        QCOMPARE(tea.value("count"), "");
        QCOMPARE(tea.value("price"), "");
        QCOMPARE(tea.value("note"), "");
    }
};

TOVIMAR_TEST_MAIN(tst_kpValuesBridge)
#include "tst_kpValuesBridge.moc"
