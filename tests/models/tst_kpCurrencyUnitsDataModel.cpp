#include "kpCurrencyUnitsDataModel.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"
#include "kpTranslation.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

class tst_kpCurrencyUnitsDataModel : public QObject
{
    Q_OBJECT

private slots:
    void currentUnitIsTheSameOnEveryRow()
    {
        kpCurrencyUnitsDataModel model;
        QAbstractItemModelTester tester(&model);
        QCOMPARE(model.rowCount(), 14);
        QCOMPARE(model.currentCurrencySymbol(), "€");
        QCOMPARE(model.currentCurrencyName(), "euro");
        const QModelIndex row = model.index(9);
        QCOMPARE(row.data(kpCurrencyUnitsDataModel::CurrentSymbolRole).toString(), "€");
        QCOMPARE(row.data(kpCurrencyUnitsDataModel::CurrentNameRole).toString(), "euro");
        QCOMPARE(model.roleNames().value(34), "currency_code");
        // Views expect fonts, colours and sizes there, not text.
        QVERIFY(!row.data(Qt::FontRole).isValid());
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
        QTest::newRow("english") << "en" << QStringList({"Kč", "rub", "euro"});
        QTest::newRow("russian") << "ru" << QStringList({"Kč", "руб", "евро"});
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
        QCOMPARE(QStringList({model.index(4).data(kpCurrencyUnitsDataModel::CodeRole).toString(),
                              model.currentCurrencySymbol(), model.index(0).data().toString()}),
                 expected);
        kpTestSupport::useLanguage("en");
    }
};

TOVIMAR_TEST_MAIN(tst_kpCurrencyUnitsDataModel)
#include "tst_kpCurrencyUnitsDataModel.moc"
