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

// The row's display text and its values of roles 33 to 36, which hold every role of the tables.
QString roleValues(const QAbstractItemModel &pModel, int pRow)
{
    QStringList values;
    for (int role : {int(Qt::DisplayRole), 33, 34, 35, 36})
        values.append(pModel.index(pRow, 0).data(role).toString());
    return values.join('|');
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
        QCOMPARE(roleValues(model, 9), "kyrgyz som|kyrgyz som|som|rubles|rub");
        // Views expect fonts, colours and sizes there, not text. A view that asks for a header
        // gets a row's number.
        QVERIFY(!model.index(9).data(Qt::FontRole).isValid());
        QCOMPARE(model.headerData(2, Qt::Vertical).toString(), "Row 2");
    }

    // Row 0 is no unit, and what the table lacks is shown as no unit.
    void measureUnitsAndTheirRows()
    {
        kpMeasureUnitsDataModel model;
        QAbstractItemModelTester tester(&model);
        QCOMPARE(model.stringForIndex(0) + model.stringForIndex(11) + model.stringForIndex(-1),
                 " ");
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
        useLanguage("ru");
        QSignalSpy changed(&currencies, &kpCurrencyUnitsDataModel::currentCurrencySymbolChanged);
        QSignalSpy reset(&languages, &QAbstractItemModel::modelReset);
        currencies.translateUi();
        languages.translateUi();
        units.translateUi();
        QCOMPARE(QList<int>({int(changed.count()), int(reset.count())}), QList<int>({0, 1}));
        const QStringList names
            = {roleValues(currencies, 4), roleValues(languages, 1), roleValues(units, 2)};
        QCOMPARE(names.join(' '),
                 "Чешская крона|Чешская крона|Kč|рубли|руб Русский|Русский|ru|| кг|кг|||");
        useLanguage("en");
    }
};

TOVIMAR_TEST_MAIN(tst_kpTableDataModels)
#include "tst_kpTableDataModels.moc"
