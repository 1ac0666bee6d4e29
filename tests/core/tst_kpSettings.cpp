#include "kpApplicationManager.h"
#include "kpQmlObjects.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QtTest>

using namespace kpTestSupport;

namespace {

QString settingsPath()
{
    return QDir(dataLocation()).absoluteFilePath("data/config.db");
}

QString itemsText(int pCount)
{
    return QCoreApplication::translate("ScreenMainDelegate", "%n item(s)", nullptr, pCount);
}

} // namespace

class tst_kpSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    // English plural forms and "Kč" come from the English catalogue.
    void noSettingsFileMeansEnglishAndNoFile()
    {
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        QCOMPARE(manager.languagesDataModel()->currentLanguageCode(), "en");
        QVERIFY(!QFile::exists(settingsPath()));
        QCOMPARE(itemsText(1), "1 item");
        QCOMPARE(
            manager.currencyUnitsDataModel()->index(4).data(kpCurrencyUnitsDataModel::CodeRole),
            "Kč");
    }

    void settingsAreReadWhereverTheyStand_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("currency");
        QTest::newRow("as written") << QByteArray(
            "<tovimar_settings version=\"1.0.0\"><item name=\"language\" value=\"1\"/>"
            "<item name=\"currency_unit\" value=\"6\"/></tovimar_settings>")
                                    << 1 << 6;
        QTest::newRow("nested, other root, later one wins")
            << QByteArray("<x><y><item name=\"currency_unit\" value=\"3\"/></y>"
                          "<item name=\"currency_unit\" value=\"7\"/>"
                          "<item name=\"language\" value=\"1\"/></x>")
            << 1 << 7;
        QTest::newRow("only a currency")
            << QByteArray("<s><item name=\"currency_unit\" value=\"2\"/>") << 0 << 2;
        QTest::newRow("broken after the first item")
            << QByteArray("<s><item name=\"language\" value=\"1\"/><item name=<<") << 1 << 0;
        QTest::newRow("malformed values")
            << QByteArray("<s><item name=\"language\" value=\"one\"/><item name=\"currency_unit\" "
                          "value=\"99\"/></s>")
            << 0 << 0;
        QTest::newRow("a language this version does not know")
            << QByteArray("<s><item name=\"language\" value=\"5\"/><item name=\"currency_unit\" "
                          "value=\"3\"/></s>")
            << 0 << 3;
    }

    // Starting reads the settings and never writes them.
    void settingsAreReadWhereverTheyStand()
    {
        QFETCH(QByteArray, document);
        QFETCH(int, language);
        QFETCH(int, currency);
        writeFile(settingsPath(), document);
        writeCompressed(listsDirectory() + "/demo-list.kpl", "<tovimar_list name=\"a\"/>");
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        QCOMPARE(manager.languagesDataModel()->currentLanguageIndex(), language);
        QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencyIndex(), currency);
        QCOMPARE(manager.measureUnitsDataModel()->stringForIndex(2), language ? "кг" : "kg");
        // The overview shows prices in the unit in force from the start.
        const QModelIndex list = manager.listsDataModel()->index(0);
        QCOMPARE(list.data(kpListsDataModel::PriceUnitRole).toString(),
                 manager.currencyUnitsDataModel()->currentCurrencySymbol());
        QCOMPARE(readFile(settingsPath()), document);
        // Back to English for the next test in this process.
        manager.updateSettings(0, 0);
    }

    void switchingLanguageRetranslatesEverything()
    {
        QQuickWidget view;
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        manager.setParentWidget(&view);
        QSignalSpy changed(&manager, &kpApplicationManager::languageChanged);

        manager.updateSettings(1, 6);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(manager.measureUnitsDataModel()->stringForIndex(2), "кг");
        QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencySymbol(), "руб");
        QCOMPARE(manager.languagesDataModel()->index(0).data(), "Английский");
        QCOMPARE(itemsText(22), "22 наименования");
        const auto box = answerMessageBox(QMessageBox::Cancel);
        manager.deleteList(0);
        QCOMPARE(box->title, "Удаление списка");
        // Keys in sorted order, so that equal settings give equal files.
        QCOMPARE(readFile(settingsPath()),
                 "\n<tovimar_settings version=\"1.0.0\">\n"
                 "    <item name=\"currency_unit\" value=\"6\"/>\n"
                 "    <item name=\"language\" value=\"1\"/>\n"
                 "</tovimar_settings>");

        manager.updateSettings(0, 6);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencySymbol(), "rub");
        QCOMPARE(manager.measureUnitsDataModel()->stringForIndex(2), "kg");
        QCOMPARE(itemsText(1), "1 item");
    }

    void unknownLanguageIsStoredButNotUsed()
    {
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        QSignalSpy changed(&manager, &kpApplicationManager::languageChanged);
        manager.updateSettings(5, 1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(manager.languagesDataModel()->currentLanguageIndex(), 0);
        QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencyIndex(), 1);
        QVERIFY(readFile(settingsPath()).contains("<item name=\"language\" value=\"5\"/>"));
    }

    void unwritableSettingsApplyForThisRun()
    {
        writeFile(QDir(dataLocation()).absoluteFilePath("data"), "a file, not a folder");
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        manager.updateSettings(0, 3);
        QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencySymbol(), "Ft");
        QCOMPARE(readFile(QDir(dataLocation()).absoluteFilePath("data")), "a file, not a folder");
    }

    void settingsScreenWheelsShowTheSettings()
    {
        QQuickWidget view;
        setQml(&view,
               "import QtQuick\nItem { ListView { objectName: \"languageSelector\"; "
               "model: 2; height: 100 }\n Item { ListView { objectName: "
               "\"currencyUnitSelector\"; model: 14; height: 100 } } }\n");
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        // Without a view there is nothing to set.
        manager.prepareSettings();
        manager.setParentWidget(&view);
        manager.updateSettings(1, 9);
        manager.prepareSettings();
        QCOMPARE(kpQmlObjects::find(&view, "languageSelector")->property("currentIndex"), 1);
        QCOMPARE(kpQmlObjects::find(&view, "currencyUnitSelector")->property("currentIndex"), 9);
        manager.updateSettings(0, 0);
    }
};

TOVIMAR_TEST_MAIN(tst_kpSettings)
#include "tst_kpSettings.moc"
