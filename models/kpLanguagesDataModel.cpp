#include "kpLanguagesDataModel.h"

kpLanguagesDataModel::kpLanguagesDataModel(QObject *pParent)
    : kpTableDataModel({{NameRole, "language_name"}, {CodeRole, "language_code"}}, pParent)
{
    translateUi();
}

void kpLanguagesDataModel::setCurrentLanguage(int pCurrentLanguage)
{
    if (pCurrentLanguage == mCurrentLanguage)
        return;
    mCurrentLanguage = pCurrentLanguage;
    emit currentLanguageChanged();
}

QString kpLanguagesDataModel::currentLanguageCode() const
{
    return value(mCurrentLanguage, QStringLiteral("code"));
}

QString kpLanguagesDataModel::currentLanguageString() const
{
    return value(mCurrentLanguage, QStringLiteral("name"));
}

QList<kpTableDataModel::Row> kpLanguagesDataModel::translatedRows() const
{
    return {
        {{QStringLiteral("name"), tr("English")}, {QStringLiteral("code"), QStringLiteral("en")}},
        {{QStringLiteral("name"), tr("Russian")}, {QStringLiteral("code"), QStringLiteral("ru")}},
    };
}
