#pragma once

#include "kpCategoriesDataModel.h"
#include "kpCurrencyUnitsDataModel.h"
#include "kpLanguagesDataModel.h"
#include "kpListDataModel.h"
#include "kpListsDataModel.h"
#include "kpMeasureUnitsDataModel.h"
#include "kpValueWheels.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <QtQml/qqmlregistration.h>

class QQuickWidget;

// The one coordinating object: owns every model, prepares the data directory, and offers the
// screens the operations that span more than one model.
class kpApplicationManager : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(ApplicationManager)
    QML_UNCREATABLE("The program makes one manager and publishes it.")
    Q_PROPERTY(QString nullString READ getNullString NOTIFY languageChanged)

public:
    explicit kpApplicationManager(QObject *pParent = nullptr);

    [[nodiscard]] bool initialize();
    void setParentWidget(QQuickWidget *pParentWidget);

    kpListsDataModel *listsDataModel() { return &mListsDataModel; }
    kpListDataModel *listDataModel() { return &mListDataModel; }
    kpCategoriesDataModel *productsDataModel() { return &mCategoriesDataModel; }
    kpLanguagesDataModel *languagesDataModel() { return &mLanguagesDataModel; }
    kpCurrencyUnitsDataModel *currencyUnitsDataModel() { return &mCurrencyUnitsDataModel; }
    kpMeasureUnitsDataModel *measureUnitsDataModel() { return &mMeasureUnitsDataModel; }

    void translateUi();
    void loadSettings();
    void saveSettings(const QHash<QString, QString> &pSettings);

    // Root of every file of the program: the per-user data location of the toolkit.
    static QString dataLocation();

signals:
    void languageChanged();

public slots:
    [[nodiscard]] bool updateListsDataModel();
    [[nodiscard]] bool loadList(int pListIndex);
    bool deleteList(int pListIndex);
    void updateCategoryItems();
    void updateListItems();
    void showAboutMessage();
    // Always empty, published with languageChanged() for whatever still reads it; the host
    // retranslates the screens itself when the language changes.
    QString getNullString() const { return QString(); }
    void updateValuesSelector(int pCurrentIndex);
    void updateListItem(int pCurrentIndex);
    void updateSettings(int pLanguageId, int pPriceUnitId);
    void prepareSettings();
    [[nodiscard]] bool createNewList();
    void toogleFullscreen();

private:
    static QString listsDirectory();
    [[nodiscard]] static bool ensureListsDirectory();
    static QString listFilename();
    static QString settingsFilename();
    bool isKnownLanguage(int pLanguageId) const;
    void loadTranslation();

    QQuickWidget *mParentWidget = nullptr;
    kpListsDataModel mListsDataModel;
    kpListDataModel mListDataModel;
    kpCategoriesDataModel mCategoriesDataModel;
    kpLanguagesDataModel mLanguagesDataModel;
    kpCurrencyUnitsDataModel mCurrencyUnitsDataModel;
    kpMeasureUnitsDataModel mMeasureUnitsDataModel;
    const QStringList mLanguageCodes = {QStringLiteral("en"), QStringLiteral("ru")};
    QTranslator mTranslator;
    // What the item dialog's wheels were given when it opened.
    kpValueWheels::Shown mAmountShown;
    kpValueWheels::Shown mPriceShown;
    kpValueWheels::Shown mUnitShown;

    QString mAboutText;
    QString mAboutTitle;
    QString mDeleteListTitle;
    QString mDeleteListText;
};
