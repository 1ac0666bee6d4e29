#include "kpLanguagesDataModel.h"
#include "kpQuickHost.h"
#include "kpTestSupport.h"
#include "kpTranslation.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

class tst_kpLanguagesDataModel : public QObject
{
    Q_OBJECT

private slots:
    void anyIndexIsTakenButOnlyRowsHaveACode()
    {
        kpLanguagesDataModel model;
        QAbstractItemModelTester tester(&model);
        QCOMPARE(model.rowCount(), 2);
        QCOMPARE(model.currentLanguageCode(), "en");
        QCOMPARE(model.currentLanguageString(), "English");
        QCOMPARE(model.data(model.index(7)).toString(), "");
        model.setCurrentLanguage(5);
        QCOMPARE(model.currentLanguageIndex(), 5);
        QCOMPARE(model.currentLanguageCode(), "");
        QCOMPARE(model.currentLanguageString(), "");
    }

    void namesFollowTheLanguageCodesDoNot()
    {
        kpLanguagesDataModel model;
        QAbstractItemModelTester tester(&model);
        model.setCurrentLanguage(1);
        kpTestSupport::useLanguage("ru");
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        model.translateUi();
        QCOMPARE(reset.count(), 1);
        QCOMPARE(model.data(model.index(0)).toString(), "Английский");
        QCOMPARE(model.currentLanguageString(), "Русский");
        QCOMPARE(model.currentLanguageCode(), "ru");
        kpTestSupport::useLanguage("en");
        model.translateUi();
        QCOMPARE(model.currentLanguageString(), "Russian");
    }
};

TOVIMAR_TEST_MAIN(tst_kpLanguagesDataModel)
#include "tst_kpLanguagesDataModel.moc"
