#include "kpItemRowsModel.h"

#include "kpItemRecord.h"
#include "kpTextPrompt.h"

#include <QMessageBox>
#include <QQuickWidget>

using namespace kpItemRecord;

kpItemRowsModel::kpItemRowsModel(QObject *pParent)
    : QAbstractListModel(pParent)
{
}

int kpItemRowsModel::rowCount(const QModelIndex &) const
{
    return mRowIndex.size();
}

QVariant kpItemRowsModel::data(const QModelIndex &pIndex, int pRole) const
{
    if (!pIndex.isValid() || !mRowIndex.isRow(pIndex.row()))
        return kpModelRoles::emptyValue(pRole);
    const kpRowIndex::Entry &entry = mRowIndex.at(pIndex.row());
    if (entry.item >= mItemList.size())
        return kpModelRoles::emptyValue(pRole);
    if (pRole >= FirstModelRole)
        return modelData(pRole);

    const bool isHeader = entry.item == kpRowIndex::HeaderItem;
    if (pRole == ItemTypeRole)
        return isHeader ? QStringLiteral("category") : QStringLiteral("item");
    if (isHeader) {
        return pRole == ItemCategoryNameRole ? QVariant(kpRowIndex::categoryOfKey(entry.key))
                                             : kpModelRoles::emptyValue(pRole);
    }

    const Item &item = mItemList.at(entry.item);
    switch (pRole) {
    case Qt::DisplayRole:
    case ItemNameRole:
        return item.value(Name);
    case ItemCategoryNameRole:
        return item.value(Category);
    case ItemPriceRole:
        return item.value(Price);
    case ItemCountRole:
        return item.value(Count);
    case ItemCountUnitRole:
        return item.value(CountUnit);
    case ItemNoteRole:
        return item.value(Note);
    case ItemStatusRole:
        return item.value(Status);
    }
    return kpModelRoles::emptyValue(pRole);
}

QVariant kpItemRowsModel::headerData(int pSection, Qt::Orientation pOrientation, int pRole) const
{
    return kpModelRoles::headerData(pSection, pOrientation, pRole);
}

QHash<int, QByteArray> kpItemRowsModel::itemRoleNames(const QByteArray &pNoteRoleName)
{
    return {
        {ItemNameRole, "item_name"},
        {ItemCategoryNameRole, "item_category_name"},
        {ItemPriceRole, "item_price"},
        {ItemCountRole, "item_count"},
        {ItemCountUnitRole, "item_count_unit"},
        {ItemNoteRole, pNoteRoleName},
        {ItemStatusRole, "item_status"},
        {ItemTypeRole, "item_type"},
    };
}

bool kpItemRowsModel::isItemRow(int pRow) const
{
    if (!mRowIndex.isRow(pRow))
        return false;
    const int item = mRowIndex.at(pRow).item;
    return item >= 0 && item < mItemList.size();
}

QString kpItemRowsModel::categoryOfRow(int pRow) const
{
    return data(index(pRow), ItemCategoryNameRole).toString();
}

QString kpItemRowsModel::rowKey(const Item &pItem) const
{
    if (mSortMode == SortByProduct)
        return pItem.value(Name);
    return kpRowIndex::itemKey(pItem.value(Category), pItem.value(Name));
}

void kpItemRowsModel::insertRow(const QString &pKey, int pItem)
{
    const int row = mRowIndex.insertionRow(pKey);
    beginInsertRows(QModelIndex(), row, row);
    mRowIndex.add(pKey, pItem);
    endInsertRows();
}

void kpItemRowsModel::removeRow(int pRow)
{
    beginRemoveRows(QModelIndex(), pRow, pRow);
    mRowIndex.removeAt(pRow);
    endRemoveRows();
}

void kpItemRowsModel::removeOrphanedHeader(int pRemovedRow, const QString &pRemovedKey)
{
    if (mSortMode != SortByCategory)
        return;
    const QString category = kpRowIndex::categoryOfKey(pRemovedKey);
    const int headerRow = pRemovedRow - 1;
    if (category.isEmpty() || !mRowIndex.isRow(headerRow)
        || mRowIndex.at(headerRow).key != kpRowIndex::headerKey(category))
        return;
    const bool followedBySameCategory = mRowIndex.isRow(pRemovedRow)
        && kpRowIndex::categoryOfKey(mRowIndex.at(pRemovedRow).key) == category;
    if (!followedBySameCategory)
        removeRow(headerRow);
}

void kpItemRowsModel::clearItems()
{
    const bool hadRows = !mRowIndex.isEmpty();
    if (hadRows)
        beginResetModel();
    mItemList.clear();
    mRowIndex.clear();
    if (hadRows)
        endResetModel();
}

std::optional<QString> kpItemRowsModel::categoryForNewItem(int pRow) const
{
    if (pRow != -1)
        return categoryOfRow(pRow).toLower();
    const QString category
        = kpTextPrompt::ask(mParentWidget, tr("Category"), tr("Enter category name"));
    if (category.isEmpty())
        return std::nullopt;
    return category.toLower();
}

bool kpItemRowsModel::deleteAfterQuestion(int pIndex, const QString &pText)
{
    const int item = itemOfRow(pIndex);
    const QString question
        = pText + QLatin1Char(' ') + mItemList.at(item).value(Name) + QLatin1Char('?');
    if (QMessageBox::warning(mParentWidget, tr("Delete item"), question,
                             QMessageBox::Ok | QMessageBox::Cancel)
        != QMessageBox::Ok)
        return false;
    const QString key = mRowIndex.at(pIndex).key;
    beginRemoveRows(QModelIndex(), pIndex, pIndex);
    mRowIndex.removeAt(pIndex);
    mItemList[item].insert(Status, Deleted);
    endRemoveRows();
    removeOrphanedHeader(pIndex, key);
    return true;
}
