#include "kpApplicationManager.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QQuickItem>
#include <QQuickWidget>
#include <QSignalSpy>
#include <QXmlStreamReader>
#include <QtTest>

using namespace kpTestSupport;

namespace {

QString settingsPath()
{
    return QDir(dataLocation()).absoluteFilePath("data/config.db");
}

QHash<QString, QString> storedSettings()
{
    QHash<QString, QString> settings;
    QXmlStreamReader reader(readFile(settingsPath()));
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"item") {
            settings.insert(reader.attributes().value("name").toString(),
                            reader.attributes().value("value").toString());
        }
    }
    return settings;
}

} // namespace

class tst_kpSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { clearDataLocation(); }

    void noSettingsFileMeansEnglishAndNoFile()
    {
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        QCOMPARE(manager.languagesDataModel()->currentLanguageCode(), "en");
        QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencyIndex(), 0);
        QCOMPARE(manager.measureUnitsDataModel()->stringForIndex(2), "kg");
        QVERIFY(!QFile::exists(settingsPath()));
        QCOMPARE(QCoreApplication::translate("ScreenMainDelegate", "%n item(s)", nullptr, 1),
                 "1 item");
        QCOMPARE(manager.currencyUnitsDataModel()->data(manager.currencyUnitsDataModel()->index(4),
                                                        kpCurrencyUnitsDataModel::CodeRole),
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
        QTest::newRow("not xml, malformed values")
            << QByteArray("<s><item name=\"language\" value=\"one\"/><item name=\"currency_unit\" "
                          "value=\"99\"/></s>")
            << 0 << 0;
    }

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
        const QModelIndex list = manager.listsDataModel()->index(0);
        QCOMPARE(manager.listsDataModel()->data(list, kpListsDataModel::PriceUnitRole).toString(),
                 manager.currencyUnitsDataModel()->currentCurrencySymbol());
        const QString expectedKg = language == 1 ? "кг" : "kg";
        QCOMPARE(manager.measureUnitsDataModel()->stringForIndex(2), expectedKg);
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
        QSignalSpy priceUnit(manager.listsDataModel(), &QAbstractItemModel::dataChanged);

        manager.updateSettings(1, 6);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(manager.measureUnitsDataModel()->stringForIndex(2), "кг");
        QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencySymbol(), "руб");
        QCOMPARE(manager.languagesDataModel()->data(manager.languagesDataModel()->index(0)),
                 "Английский");
        QCOMPARE(storedSettings(),
                 (QHash<QString, QString>{{"language", "1"}, {"currency_unit", "6"}}));
        QVERIFY(!readFile(settingsPath()).startsWith("<?xml"));
        const auto box = answerMessageBox(QMessageBox::Cancel);
        manager.deleteList(0);
        QCOMPARE(box->title, "Удаление списка");
        for (const auto &[count, form] :
             std::initializer_list<std::pair<int, QString>>{{1, "наименование"},
                                                            {21, "наименование"},
                                                            {101, "наименование"},
                                                            {2, "наименования"},
                                                            {22, "наименования"},
                                                            {104, "наименования"},
                                                            {5, "наименований"},
                                                            {11, "наименований"},
                                                            {25, "наименований"},
                                                            {111, "наименований"}}) {
            QCOMPARE(
                QCoreApplication::translate("ScreenMainDelegate", "%n item(s)", nullptr, count),
                QString::number(count) + " " + form);
        }

        manager.updateSettings(0, 6);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(manager.languagesDataModel()->data(manager.languagesDataModel()->index(1)),
                 "Russian");
        QCOMPARE(manager.currencyUnitsDataModel()->currentCurrencySymbol(), "rub");
        QCOMPARE(manager.measureUnitsDataModel()->stringForIndex(2), "kg");
        QCOMPARE(QCoreApplication::translate("ScreenMainDelegate", "%n item(s)", nullptr, 1),
                 "1 item");
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
        QCOMPARE(storedSettings().value("language"), "5");

        manager.updateSettings(0, 1);
        QCOMPARE(changed.count(), 1);
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

    void settingsScreenWheelsAreSet()
    {
        QQuickWidget view;
        setQml(&view,
               "import QtQuick\nItem { ListView { objectName: \"languageSelector\"; "
               "model: 2; height: 100 }\n Item { ListView { objectName: "
               "\"currencyUnitSelector\"; model: 14; height: 100 } } }\n");
        kpApplicationManager manager;
        QVERIFY(manager.initialize());
        manager.prepareSettings();
        manager.setParentWidget(&view);
        manager.updateSettings(1, 9);
        for (const char *name : {"languageSelector", "currencyUnitSelector"})
            kpQuickHost::findObject(&view, name)->setProperty("currentIndex", 0);
        manager.prepareSettings();
        QCOMPARE(kpQuickHost::findObject(&view, "languageSelector")->property("currentIndex"), 1);
        QCOMPARE(kpQuickHost::findObject(&view, "currencyUnitSelector")->property("currentIndex"),
                 9);
        manager.updateSettings(0, 0);
    }
};

TOVIMAR_TEST_MAIN(tst_kpSettings)
#include "tst_kpSettings.moc"
