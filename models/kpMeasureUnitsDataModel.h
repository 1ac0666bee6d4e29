#pragma once

#include "kpTableDataModel.h"

#include <QtQml/qqmlregistration.h>

// The measure units an amount can be given in; row 0 is no unit.
class kpMeasureUnitsDataModel : public kpTableDataModel
{
    Q_OBJECT
    QML_NAMED_ELEMENT(MeasureUnitsDataModel)
    QML_UNCREATABLE("The manager owns the measure units.")

public:
    explicit kpMeasureUnitsDataModel(QObject *pParent = nullptr);

    QString stringForIndex(int pIndex) const { return value(pIndex, QStringLiteral("name")); }
    // The first row whose text is exactly this one; row 0 when there is none.
    int indexForString(const QString &pUnit) const;

protected:
    QList<Row> translatedRows() const override;
};
