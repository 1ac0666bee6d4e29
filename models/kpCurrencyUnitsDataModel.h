#pragma once

#include "kpTableDataModel.h"

#include <QtQml/qqmlregistration.h>

// The currency units that prices are shown in, and the one in force.
class kpCurrencyUnitsDataModel : public kpTableDataModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(CurrencyUnitsDataModel)
    QML_UNCREATABLE("The manager owns the currency units.")
    Q_PROPERTY(QString currentCurrencySymbol READ currentCurrencySymbol NOTIFY
                   currentCurrencySymbolChanged)

public:
    enum CurrentRoles {
        CurrentNameRole = CodeRole + 1,
        CurrentSymbolRole,
    };

    explicit kpCurrencyUnitsDataModel(QObject *pParent = nullptr);

public slots:
    int currentCurrencyIndex() const { return mCurrentCurrency; }
    QString currentCurrencyName() const;
    QString currentCurrencySymbol() const;
    // An index outside the table is refused; any other is announced, even an unchanged one.
    void setCurrentCurrency(int pIndex);

signals:
    void currentCurrencySymbolChanged();

protected:
    QList<Row> translatedRows() const override;
    QVariant tableValue(int pRole) const override;

private:
    int mCurrentCurrency = 0;
};
