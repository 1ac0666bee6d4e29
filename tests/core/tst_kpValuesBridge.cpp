#include "kpApplicationManager.h"
#include "kpQmlObjects.h"
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

    QObject *object(const char *pName) { return kpQmlObjects::find(mView, pName); }

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

    // What the wheels could not show is kept unless the user turns them, for each value apart.
    void valuesTheWheelsCannotShowAreKeptUntilTurned()
    {
        openWith("12000", "кг", "-5");
        QCOMPARE(wheels("amountSelector", 7), QList<int>({9, 9, 9, 9, 9, 9, 0}));
        QCOMPARE(wheels("priceSelector"), QList<int>({0, 0, 0, 0, 0, 0}));
        mManager->updateListItem(1);
        QCOMPARE(storedItem().value("count"), "12000");
        QCOMPARE(storedItem().value("count_unit"), "кг");
        QCOMPARE(storedItem().value("price"), "-5");

        mManager->updateValuesSelector(1);
        setWheels("priceSelector", {0, 0, 1, 2, 0, 0});
        object("amountSelector")->setProperty("currentValue7", 2);
        mManager->updateListItem(1);
        QCOMPARE(storedItem().value("count"), "12000");
        QCOMPARE(storedItem().value("count_unit"), "kg");
        QCOMPARE(storedItem().value("price"), "12");
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
