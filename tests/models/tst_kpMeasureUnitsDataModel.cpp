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
    // Row 0 is no unit, and what the table lacks is shown as no unit.
    void unitsAndTheirRows()
    {
        kpMeasureUnitsDataModel model;
        QAbstractItemModelTester tester(&model);
        QCOMPARE(model.rowCount(), 11);
        QCOMPARE(model.stringForIndex(0), " ");
        QCOMPARE(model.stringForIndex(11), "");
        QCOMPARE(model.stringForIndex(-1), "");
        QCOMPARE(model.indexForString(" "), 0);
        QCOMPARE(model.indexForString("kg"), 2);
        QCOMPARE(model.indexForString("KG"), 0);
        QCOMPARE(model.indexForString(""), 0);
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
