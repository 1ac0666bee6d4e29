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

namespace {

// The apples of the week list.
constexpr int Row = 7;
constexpr int CountRole = kpListDataModel::ItemCountRole;
constexpr int UnitRole = kpListDataModel::ItemCountUnitRole;
constexpr int PriceRole = kpListDataModel::ItemPriceRole;
constexpr int NoteRole = kpListDataModel::ItemCommentsRole;

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

    // Opens the dialog for the apples of the week list, stored with these values.
    void openWith(const QString &pCount, const QString &pUnit, const QString &pPrice)
    {
        mManager->listDataModel()->updateItem(Row, pPrice, pCount, pUnit, "green");
        mManager->updateValuesSelector(Row);
    }

    QString stored(int pRole)
    {
        return mManager->listDataModel()->index(Row).data(pRole).toString();
    }

private slots:
    void init()
    {
        clearDataLocation();
        installFixture("lists/week.kpl", listPath());
        mView = new QQuickWidget;
        setQml(mView, DialogDocument);
        mManager = new kpApplicationManager;
        QVERIFY(mManager->initialize());
        mManager->setParentWidget(mView);
        QVERIFY(mManager->loadList(0));
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
        mManager->updateListItem(Row);
        QCOMPARE(updated.count(), 1);
        QCOMPARE(
            QStringList({stored(CountRole), stored(UnitRole), stored(PriceRole), stored(NoteRole)}),
            QStringList({"2", "kg", "3.5", "green"}));
    }

    // What the wheels could not show is kept unless the user turns them, for each value apart.
    void valuesTheWheelsCannotShowAreKeptUntilTurned()
    {
        openWith("12000", "кг", "-5");
        QCOMPARE(wheels("amountSelector", 7), QList<int>({9, 9, 9, 9, 9, 9, 0}));
        QCOMPARE(wheels("priceSelector"), QList<int>({0, 0, 0, 0, 0, 0}));
        mManager->updateListItem(Row);
        QCOMPARE(QStringList({stored(CountRole), stored(UnitRole), stored(PriceRole)}),
                 QStringList({"12000", "кг", "-5"}));

        mManager->updateValuesSelector(Row);
        setWheels("priceSelector", {0, 0, 1, 2, 0, 0});
        object("amountSelector")->setProperty("currentValue7", 2);
        mManager->updateListItem(Row);
        QCOMPARE(QStringList({stored(CountRole), stored(UnitRole), stored(PriceRole)}),
                 QStringList({"12000", "kg", "12"}));
    }

    void missingRowAndMissingObjects()
    {
        openWith("2", "kg", "3.5");
        mManager->updateValuesSelector(99);
        QCOMPARE(wheels("amountSelector", 7), QList<int>({0, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(object("noteSelector")->property("text").toString(), "");

        setQml(mView, "import QtQuick\nItem {}\n");
        mManager->updateValuesSelector(Row);
        mManager->updateListItem(Row);
        QCOMPARE(QStringList({stored(CountRole), stored(PriceRole), stored(NoteRole)}),
                 QStringList({"", "", ""}));
    }
};

TOVIMAR_TEST_MAIN(tst_kpValuesBridge)
#include "tst_kpValuesBridge.moc"
