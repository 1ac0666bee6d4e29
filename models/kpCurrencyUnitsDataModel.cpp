#include "kpCurrencyUnitsDataModel.h"

namespace {

kpTableDataModel::Row currency(const QString &pName, const QString &pCode)
{
    return {{QStringLiteral("name"), pName}, {QStringLiteral("code"), pCode}};
}

} // namespace

kpCurrencyUnitsDataModel::kpCurrencyUnitsDataModel(QObject *pParent)
    : kpTableDataModel({{NameRole, "currency_name"}, {CodeRole, "currency_code"}}, pParent)
{
    translateUi();
}

QString kpCurrencyUnitsDataModel::currentCurrencyName() const
{
    return value(mCurrentCurrency, QStringLiteral("name"));
}

QString kpCurrencyUnitsDataModel::currentCurrencySymbol() const
{
    return value(mCurrentCurrency, QStringLiteral("code"));
}

void kpCurrencyUnitsDataModel::setCurrentCurrency(int pIndex)
{
    if (pIndex < 0 || pIndex >= rowCount())
        return;
    mCurrentCurrency = pIndex;
    emit currentCurrencySymbolChanged();
}

QVariant kpCurrencyUnitsDataModel::tableValue(int pRole) const
{
    switch (pRole) {
    case CurrentNameRole:
        return currentCurrencyName();
    case CurrentSymbolRole:
        return currentCurrencySymbol();
    }
    return kpTableDataModel::tableValue(pRole);
}

QList<kpTableDataModel::Row> kpCurrencyUnitsDataModel::translatedRows() const
{
    // Codes that are signs are the same in every language; codes in letters are translated.
    return {
        currency(tr("euro"), QStringLiteral("\u20AC")),
        currency(tr("pounds"), QStringLiteral("\u00A3")),
        currency(tr("krone"), tr("kr")),
        currency(tr("forint"), tr("Ft")),
        currency(tr("Czech crown"), tr("Kc")),
        currency(tr("dollars"), QStringLiteral("\u0024")),
        currency(tr("rubles"), tr("rub")),
        currency(tr("hryvnia"), tr("hrn")),
        currency(tr("tenge"), tr("tg")),
        currency(tr("kyrgyz som"), tr("som")),
        currency(tr("lats"), tr("Ls")),
        currency(tr("yen"), QStringLiteral("\uFFE5")),
        currency(tr("won"), QStringLiteral("\u20A9")),
        currency(tr("yuan"), QStringLiteral("\u00A5")),
    };
}
