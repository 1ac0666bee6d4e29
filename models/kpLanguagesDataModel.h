#pragma once

#include "kpTableDataModel.h"

#include <QtQml/qqmlregistration.h>

// The interface languages and the one in force.
class kpLanguagesDataModel : public kpTableDataModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(LanguagesDataModel)
    QML_UNCREATABLE("The manager owns the languages.")
    Q_PROPERTY(QString languageCode READ currentLanguageCode NOTIFY currentLanguageChanged)

public:
    explicit kpLanguagesDataModel(QObject *pParent = nullptr);

public slots:
    int currentLanguageIndex() const { return mCurrentLanguage; }
    // Any index is taken; one outside the table has no code and no name.
    void setCurrentLanguage(int pCurrentLanguage);
    QString currentLanguageCode() const;
    QString currentLanguageString() const;

signals:
    void currentLanguageChanged();

protected:
    QList<Row> translatedRows() const override;

private:
    int mCurrentLanguage = 0;
};
