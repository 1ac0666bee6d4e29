#include "kpRowIndex.h"

#include <algorithm>

qsizetype kpRowIndex::lowerBound(const QString &pKey) const
{
    const auto position = std::lower_bound(
        mEntries.cbegin(), mEntries.cend(), pKey,
        [](const Entry &pEntry, const QString &pWanted) { return pEntry.key < pWanted; });
    return position - mEntries.cbegin();
}

int kpRowIndex::find(const QString &pKey) const
{
    const qsizetype row = lowerBound(pKey);
    return row < mEntries.size() && mEntries.at(row).key == pKey ? int(row) : -1;
}

int kpRowIndex::add(const QString &pKey, int pItem)
{
    const qsizetype row = lowerBound(pKey);
    mEntries.insert(row, {pKey, pItem});
    return int(row);
}

int kpRowIndex::set(const QString &pKey, int pItem)
{
    const int row = find(pKey);
    if (row < 0)
        return add(pKey, pItem);
    mEntries[row].item = pItem;
    return row;
}

void kpRowIndex::sortKeepingLast()
{
    std::stable_sort(mEntries.begin(), mEntries.end(), [](const Entry &pLeft, const Entry &pRight) {
        return pLeft.key < pRight.key;
    });
    const auto kept = std::unique(
        mEntries.rbegin(), mEntries.rend(),
        [](const Entry &pLeft, const Entry &pRight) { return pLeft.key == pRight.key; });
    mEntries.erase(mEntries.begin(), kept.base());
}

void kpRowIndex::sort()
{
    std::stable_sort(mEntries.begin(), mEntries.end(), [](const Entry &pLeft, const Entry &pRight) {
        const int order = QString::compare(pLeft.key, pRight.key);
        return order < 0 || (order == 0 && pLeft.item > pRight.item);
    });
}
