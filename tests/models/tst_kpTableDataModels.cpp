#include "kpCurrencyUnitsDataModel.h"
#include "kpLanguagesDataModel.h"
#include "kpMeasureUnitsDataModel.h"
#include "kpTestSupport.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTranslator>

namespace {

// Installs the program's compiled catalogue of the language ("en" or "ru") for the rest of the
// test, replacing the one installed before.
void useLanguage(const QString &pCode)
{
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    QVERIFY(translator.load(":/languages/tovimar_" + pCode + ".qm"));
    QCoreApplication::installTranslator(&translator);
}

} // namespace

class tst_kpTableDataModels : public QObject
{
    Q_OBJECT

private slots:
    // Any row chosen is announced, the same one again too; that only rows of the table become the
    // current currency is shown by the manager's test reading settings out of range.
    void currentCurrency()
    {
        kpCurrencyUnitsDataModel model;
        QAbstractItemModelTester tester(&model);
        QCOMPARE(model.currentCurrencySymbol(), "€");
        QSignalSpy changed(&model, &kpCurrencyUnitsDataModel::currentCurrencySymbolChanged);
        model.setCurrentCurrency(6);
        model.setCurrentCurrency(6);
        QCOMPARE(changed.count(), 2);
        // The current unit is the same on every row.
        const QModelIndex row = model.index(9);
        QCOMPARE(row.data(kpCurrencyUnitsDataModel::CurrentSymbolRole).toString(), "rub");
        // Views expect fonts, colours and sizes there, not text.
        QVERIFY(!row.data(Qt::FontRole).isValid());
    }

    // Row 0 is no unit, and what the table lacks is shown as no unit.
    void measureUnitsAndTheirRows()
    {
        kpMeasureUnitsDataModel model;
        QAbstractItemModelTester tester(&model);
        QCOMPARE(model.stringForIndex(0), " ");
        QCOMPARE(model.stringForIndex(11), "");
        QCOMPARE(model.stringForIndex(-1), "");
        QCOMPARE(model.indexForString("gal"), 10);
        QCOMPARE(model.indexForString(""), 0);
    }

    // Any language index is taken, but only rows have a code or a name. Codes in letters are
    // translated, signs and language codes are not; the current currency stays and is not announced
    // again. Units are found by their name in the language in force. The manager's test switches
    // every model back and forth.
    void namesFollowTheLanguage()
    {
        kpCurrencyUnitsDataModel currencies;
        kpLanguagesDataModel languages;
        kpMeasureUnitsDataModel units;
        QAbstractItemModelTester tester(&languages);
        QCOMPARE(languages.currentLanguageString(), "English");
        languages.setCurrentLanguage(5);
        QCOMPARE(languages.currentLanguageIndex(), 5);
        QCOMPARE(languages.currentLanguageCode() + languages.currentLanguageString(), "");
        currencies.setCurrentCurrency(6);
        languages.setCurrentLanguage(1);
        useLanguage("ru");
        QSignalSpy changed(&currencies, &kpCurrencyUnitsDataModel::currentCurrencySymbolChanged);
        QSignalSpy reset(&languages, &QAbstractItemModel::modelReset);
        currencies.translateUi();
        languages.translateUi();
        units.translateUi();
        QCOMPARE(QList<int>({int(changed.count()), int(reset.count())}), QList<int>({0, 1}));
        const QStringList names
            = {currencies.index(4).data(kpCurrencyUnitsDataModel::CodeRole).toString(),
               currencies.currentCurrencySymbol(), currencies.index(0).data().toString(),
               languages.currentLanguageString(), languages.currentLanguageCode()};
        QCOMPARE(names.join(' '), "Kč руб евро Русский ru");
        QCOMPARE(units.indexForString("кг"), 2);
        QCOMPARE(units.indexForString("kg"), 0);
        useLanguage("en");
    }
};

TOVIMAR_TEST_MAIN(tst_kpTableDataModels)
#include "tst_kpTableDataModels.moc"
