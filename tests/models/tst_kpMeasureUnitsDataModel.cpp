#include "kpMeasureUnitsDataModel.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"
#include "kpTranslation.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QtTest>

class tst_kpMeasureUnitsDataModel : public QObject
{
    Q_OBJECT

private slots:
    void unitsAndTheirRows()
    {
        kpMeasureUnitsDataModel model;
        QAbstractItemModelTester tester(&model);
        QCOMPARE(model.rowCount(), 11);
        QCOMPARE(model.stringForIndex(0), " ");
        QCOMPARE(model.stringForIndex(10), "gal");
        QCOMPARE(model.stringForIndex(11), "");
        QCOMPARE(model.stringForIndex(-1), "");
        QCOMPARE(model.indexForString(" "), 0);
        QCOMPARE(model.indexForString("kg"), 2);
        QCOMPARE(model.indexForString("KG"), 0);
        QCOMPARE(model.indexForString(""), 0);
        QCOMPARE(model.data(model.index(2)).toString(), "kg");
        QCOMPARE(model.roleNames().value(33), "measure_name");
    }

    void unitsOfAnotherLanguageAreNotFound()
    {
        kpMeasureUnitsDataModel model;
        kpTestSupport::useLanguage("ru");
        model.translateUi();
        QCOMPARE(model.stringForIndex(2), "кг");
        QCOMPARE(model.stringForIndex(0), " ");
        QCOMPARE(model.indexForString("kg"), 0);
        QCOMPARE(model.indexForString("кг"), 2);
        kpTestSupport::useLanguage("en");
    }
};

TOVIMAR_TEST_MAIN(tst_kpMeasureUnitsDataModel)
#include "tst_kpMeasureUnitsDataModel.moc"
