#include "kpCurrencyUnitsDataModel.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"
#include "kpTranslation.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

namespace {

QStringList codes(const kpCurrencyUnitsDataModel &pModel)
{
    QStringList shown;
    for (int row = 0; row < pModel.rowCount(); ++row)
        shown.append(pModel.data(pModel.index(row), kpCurrencyUnitsDataModel::CodeRole).toString());
    return shown;
}

} // namespace

class tst_kpCurrencyUnitsDataModel : public QObject
{
    Q_OBJECT

private slots:
    void fourteenUnitsWithTheirCodes()
    {
        kpCurrencyUnitsDataModel model;
        QAbstractItemModelTester tester(&model);
        QCOMPARE(codes(model),
                 QStringList({"\u20AC", "\u00A3", "kr", "Ft", "Kc", "$", "rub", "hrn", "tg", "som",
                              "Ls", "\uFFE5", "\u20A9", "\u00A5"}));
        QCOMPARE(model.currentCurrencySymbol(), "€");
        QCOMPARE(model.currentCurrencyName(), "euro");
        QCOMPARE(model.data(model.index(4)).toString(), "Czech crown");
        QCOMPARE(model.data(model.index(9), kpCurrencyUnitsDataModel::CurrentNameRole).toString(),
                 "euro");
        QCOMPARE(model.data(model.index(9), kpCurrencyUnitsDataModel::CurrentSymbolRole).toString(),
                 "€");
        QCOMPARE(model.roleNames().size(), 2);
        QCOMPARE(model.roleNames().value(34), "currency_code");
    }

    void onlyRowsOfTheTableBecomeCurrent()
    {
        kpCurrencyUnitsDataModel model;
        QSignalSpy changed(&model, &kpCurrencyUnitsDataModel::currentCurrencySymbolChanged);
        model.setCurrentCurrency(14);
        model.setCurrentCurrency(-1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(model.currentCurrencyIndex(), 0);
        model.setCurrentCurrency(6);
        model.setCurrentCurrency(6);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(model.currentCurrencySymbol(), "rub");
    }

    void codesInLettersAreTranslated_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("english") << "en" << QStringList({"Kč", "Ft", "Ls", "rub", "euro"});
        QTest::newRow("russian") << "ru" << QStringList({"Kč", "Ft", "Ls", "руб", "евро"});
    }

    void codesInLettersAreTranslated()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, expected);
        kpCurrencyUnitsDataModel model;
        QAbstractItemModelTester tester(&model);
        model.setCurrentCurrency(6);
        kpTestSupport::useLanguage(language);
        QSignalSpy changed(&model, &kpCurrencyUnitsDataModel::currentCurrencySymbolChanged);
        model.translateUi();
        QCOMPARE(changed.count(), 0);
        const QStringList shown = codes(model);
        QCOMPARE(QStringList({shown.at(4), shown.at(3), shown.at(10), model.currentCurrencySymbol(),
                              model.data(model.index(0)).toString()}),
                 expected);
    }
};

TOVIMAR_TEST_MAIN(tst_kpCurrencyUnitsDataModel)
#include "tst_kpCurrencyUnitsDataModel.moc"
