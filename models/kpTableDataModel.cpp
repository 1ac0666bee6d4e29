#include "kpTableDataModel.h"

kpTableDataModel::kpTableDataModel(const QHash<int, QByteArray> &pRoleNames, QObject *pParent)
    : QAbstractListModel(pParent)
    , mRoleNames(pRoleNames)
{
}

int kpTableDataModel::rowCount(const QModelIndex &) const
{
    return int(mRows.size());
}

QVariant kpTableDataModel::data(const QModelIndex &pIndex, int pRole) const
{
    if (!pIndex.isValid() || pIndex.row() >= mRows.size())
        return kpModelRoles::emptyValue(pRole);
    switch (pRole) {
    case Qt::DisplayRole:
    case NameRole:
        return value(pIndex.row(), QStringLiteral("name"));
    case CodeRole:
        return value(pIndex.row(), QStringLiteral("code"));
    }
    return tableValue(pRole);
}

QVariant kpTableDataModel::headerData(int pSection, Qt::Orientation pOrientation, int pRole) const
{
    return kpModelRoles::headerData(pSection, pOrientation, pRole);
}

void kpTableDataModel::translateUi()
{
    beginResetModel();
    mRows = translatedRows();
    endResetModel();
}

QString kpTableDataModel::value(int pRow, const QString &pKey) const
{
    return pRow >= 0 && pRow < mRows.size() ? mRows.at(pRow).value(pKey) : QString();
}
