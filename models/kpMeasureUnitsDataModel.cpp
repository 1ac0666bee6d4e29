#include "kpMeasureUnitsDataModel.h"

kpMeasureUnitsDataModel::kpMeasureUnitsDataModel(QObject *pParent)
    : kpTableDataModel({{NameRole, "measure_name"}}, pParent)
{
    translateUi();
}

int kpMeasureUnitsDataModel::indexForString(const QString &pUnit) const
{
    for (int row = 0; row < rowCount(); ++row) {
        if (stringForIndex(row) == pUnit)
            return row;
    }
    return 0;
}

QList<kpTableDataModel::Row> kpMeasureUnitsDataModel::translatedRows() const
{
    const QStringList units = {QStringLiteral(" "),
                               tr("g"),
                               tr("kg"),
                               tr("ml"),
                               tr("l"),
                               tr("lb"),
                               tr("oz"),
                               tr("gi"),
                               tr("pt"),
                               tr("qt"),
                               tr("gal")};
    QList<Row> rows;
    for (const QString &unit : units)
        rows.append({{QStringLiteral("name"), unit}});
    return rows;
}
