#include "kpListDataModel.h"

#include "kpCompressedXmlFile.h"
#include "kpItemRecord.h"
#include "kpListFile.h"
#include "kpTextPrompt.h"

#include <QFile>
#include <QMessageBox>
#include <QQuickWidget>
#include <QSet>
#include <QXmlStreamWriter>

using namespace kpItemRecord;

namespace {

const QString ItemElement = QStringLiteral("item");
const QString FormatVersion = QStringLiteral("1.0.0");
constexpr int ListCompressionLevel = 9;
constexpr int HeaderRowHeight = 50;
constexpr int ItemRowHeight = 70;

} // namespace

kpListDataModel::kpListDataModel(QObject *pParent)
    : kpItemRowsModel(pParent)
{
    translateUi();
}

kpListDataModel::~kpListDataModel()
{
    (void)saveModel();
}

QVariant kpListDataModel::modelData(int pRole) const
{
    switch (pRole) {
    case ListNameRole:
        return mListHeader.value(kpListFile::Name);
    case ListItemsListRole:
        return mListAmount;
    case ListPriceListRole:
        return mListPrice;
    case ListFilenameRole:
        return mListHeader.value(kpListFile::Filename);
    }
    return kpModelRoles::emptyValue(pRole);
}

QHash<int, QByteArray> kpListDataModel::roleNames() const
{
    QHash<int, QByteArray> names = itemRoleNames("item_comments");
    names.insert(ListNameRole, "list_name");
    names.insert(ListItemsListRole, "list_items_list");
    names.insert(ListPriceListRole, "list_price_list");
    names.insert(ListFilenameRole, "list_filename");
    return names;
}

void kpListDataModel::translateUi()
{
    mDeleteItemText = tr("Are you sure you want to delete item");
    mListNameTitle = tr("List name");
    mListNameLabel = tr("Enter list name");
    mDeleteAllTitle = tr("Delete all");
    mDeleteAllText = tr("Are you sure you want to delete all items?");
}

QList<kpListDataModel::Item> kpListDataModel::items(bool pUnchecked) const
{
    const QString &wanted = pUnchecked ? Unchecked : Checked;
    QList<Item> selected;
    for (const Item &item : mItemList) {
        if (item.value(Status) == wanted)
            selected.append(item);
    }
    return selected;
}

void kpListDataModel::addItems(const QList<Item> &pItems)
{
    if (pItems.isEmpty())
        return;
    for (const Item &incoming : pItems) {
        const QString name = incoming.value(Name).toLower();
        const QString category = incoming.value(Category).toLower();
        const bool byCategory = mSortMode == SortByCategory;
        const int row = mRowIndex.find(byCategory ? kpRowIndex::itemKey(category, name) : name);
        if (row < 0) {
            mItemList.append(incoming);
            continue;
        }
        // Already shown: put the listed record back on the list instead of adding it twice.
        const int listed = mRowIndex.at(row).item;
        const bool isRecord = listed >= 0 && listed < mItemList.size();
        if (isRecord && !(byCategory && name.isEmpty()))
            mItemList[listed].insert(Status, Unchecked);
    }
    updateModel();
}

bool kpListDataModel::loadModel(const QString &pListFilename)
{
    QByteArray document;
    const auto result = kpCompressedXmlFile::read(pListFilename, &document);
    if (result == kpCompressedXmlFile::ReadResult::Unreadable)
        return false;
    clearItems();
    mListHeader.clear();
    if (result != kpCompressedXmlFile::ReadResult::Ok)
        return false;

    // A syntax error ends the reading; what was read up to it is kept. A file beyond the bounds
    // of the reader is refused as a whole, like one that does not uncompress.
    kpCompressedXmlFile::ElementReader reader(document);
    while (reader.readNextStartElement()) {
        if (reader.name() == kpListFile::RootElement) {
            mListHeader.insert(reader.attributes());
            mListHeader.insert(kpListFile::Filename, pListFilename);
        } else if (reader.name() == ItemElement) {
            mItemList.append(reader.attributes());
        }
    }
    if (reader.exceededBounds()) {
        clearItems();
        mListHeader.clear();
        return false;
    }
    emit listNameChanged();
    return true;
}

bool kpListDataModel::saveModel()
{
    const QString filename = mListHeader.value(kpListFile::Filename);
    if (filename.isEmpty())
        return false;
    updateCountPrice();
    // A list with nothing left to buy has no file.
    if (mListAmount.isEmpty())
        return !QFile::exists(filename) || QFile::remove(filename);
    return kpCompressedXmlFile::write(filename, listDocument(), ListCompressionLevel);
}

QByteArray kpListDataModel::listDocument() const
{
    QByteArray document;
    QXmlStreamWriter writer(&document);
    writer.setAutoFormatting(true);
    writer.writeStartElement(kpListFile::RootElement);
    writer.writeAttribute(kpListFile::Version, FormatVersion);
    writer.writeAttribute(kpListFile::Name, mListHeader.value(kpListFile::Name));
    writer.writeAttribute(kpListFile::ItemsList, mListAmount);
    writer.writeAttribute(kpListFile::PriceList, mListPrice);
    for (const Item &item : mItemList) {
        if (item.value(Status) == Deleted)
            continue;
        writer.writeEmptyElement(ItemElement);
        kpCompressedXmlFile::writeAttributes(writer, item, KeyOrder);
    }
    writer.writeEndElement();
    return document;
}

QString kpListDataModel::listName() const
{
    return mListHeader.value(kpListFile::Name);
}

bool kpListDataModel::newModel(const QString &pListFilename)
{
    const QString name
        = kpTextPrompt::ask(mParentWidget, mListNameTitle, mListNameLabel).simplified();
    if (name.isEmpty())
        return false;

    mListAmount.clear();
    mCartAmount.clear();
    mListPrice.clear();
    mCartPrice.clear();
    clearItems();
    mListHeader = {
        {kpListFile::Name, name},
        {kpListFile::Version, FormatVersion},
        {kpListFile::Filename, pListFilename},
        {kpListFile::ItemsList, QStringLiteral("0")},
        {kpListFile::PriceList, QStringLiteral("0")},
    };
    emit listNameChanged();
    return saveModel();
}

QString kpListDataModel::wantedStatus() const
{
    return mDisplayMode == DisplayList ? Unchecked : Checked;
}

void kpListDataModel::updateModel()
{
    beginResetModel();
    mRowIndex.clear();
    const QString &wanted = wantedStatus();
    QSet<QString> categories;
    for (int item = 0; item < mItemList.size(); ++item) {
        const Item &record = mItemList.at(item);
        if (record.value(Status) != wanted)
            continue;
        if (mSortMode == SortByCategory) {
            const QString category = record.value(Category);
            if (!categories.contains(category)) {
                categories.insert(category);
                mRowIndex.append(kpRowIndex::headerKey(category), kpRowIndex::HeaderItem);
            }
        }
        mRowIndex.append(rowKey(record), item);
    }
    mRowIndex.sort();
    endResetModel();
}

int kpListDataModel::itemHeight(int pIndex) const
{
    const bool isHeader = data(index(pIndex), ItemTypeRole).toString() == QLatin1String("category");
    return isHeader ? HeaderRowHeight : ItemRowHeight;
}

bool kpListDataModel::hasUncheckedItem(const QString &pName) const
{
    for (const Item &item : mItemList) {
        if (item.value(Status) == Unchecked && isSameText(item.value(Name), pName))
            return true;
    }
    return false;
}

int kpListDataModel::reusableItem(const QString &pName, const QString &pCategory) const
{
    for (int item = 0; item < mItemList.size(); ++item) {
        if (isSameProduct(mItemList.at(item), pName, pCategory))
            return item;
    }
    return -1;
}

bool kpListDataModel::addItem(int pIndex, const QString &pItemName)
{
    const QString name = pItemName.toLower();
    if (hasUncheckedItem(name))
        return false;

    const std::optional<QString> asked = categoryForNewItem(pIndex);
    if (!asked)
        return false;
    const QString &category = *asked;

    const Item record = newRecord(name, category, Unchecked);
    int item = reusableItem(name, category);
    if (item >= 0) {
        mItemList[item] = record;
    } else {
        item = int(mItemList.size());
        mItemList.append(record);
    }
    emit itemAdded(record);

    const bool byCategory = mSortMode == SortByCategory;
    const QString itemKey = rowKey(record);
    if (byCategory && !mRowIndex.contains(kpRowIndex::headerKey(category)))
        insertRow(kpRowIndex::headerKey(category), kpRowIndex::HeaderItem);
    if (!mRowIndex.contains(itemKey))
        insertRow(itemKey, item);
    return true;
}

void kpListDataModel::updateItem(int pIndex, const QString &pPrice, const QString &pCount,
                                 const QString &pCountUnit, const QString &pNote)
{
    if (!isItemRow(pIndex))
        return;
    Item &record = mItemList[mRowIndex.at(pIndex).item];
    record.insert(Price, pPrice);
    record.insert(Count, pCount);
    record.insert(CountUnit, pCountUnit);
    record.insert(Note, pNote);
    emit dataChanged(index(pIndex), index(pIndex));
    emit itemUpdated(record);
}

bool kpListDataModel::deleteItem(int pIndex)
{
    if (!isItemRow(pIndex))
        return false;
    return deleteAfterQuestion(pIndex, mDeleteItemText);
}

bool kpListDataModel::deleteAll()
{
    if (QMessageBox::warning(mParentWidget, mDeleteAllTitle, mDeleteAllText,
                             QMessageBox::Ok | QMessageBox::Cancel)
        != QMessageBox::Ok)
        return false;
    removeAllRows();
    mItemList.clear();
    return true;
}

void kpListDataModel::removeAllRows()
{
    if (mRowIndex.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, mRowIndex.size() - 1);
    mRowIndex.clear();
    endRemoveRows();
}

void kpListDataModel::toggleItem(int pIndex)
{
    if (!isItemRow(pIndex))
        return;
    Item &record = mItemList[mRowIndex.at(pIndex).item];
    record.insert(Status, record.value(Status) == Checked ? Unchecked : Checked);
    const QString key = mRowIndex.at(pIndex).key;
    removeRow(pIndex);
    removeOrphanedHeader(pIndex, key);
    if (mDisplayMode == DisplayList && mRowIndex.isEmpty()) {
        updateCountPrice();
        emit checkoutRequested();
        emit checkoutAmountChanged();
        emit checkoutPriceChanged();
    }
}

bool kpListDataModel::checkout()
{
    beginResetModel();
    mRowIndex.clear();
    mItemList.clear();
    endResetModel();
    return true;
}

bool kpListDataModel::needsCheckout() const
{
    return mDisplayMode == DisplayList && mRowIndex.isEmpty();
}

void kpListDataModel::updateCountPrice()
{
    struct Group
    {
        int records = 0;
        double sum = 0;
        bool lacksPrice = false;
    };
    Group list;
    Group cart;
    for (const Item &item : std::as_const(mItemList)) {
        const QString status = item.value(Status);
        if (status == Deleted)
            continue;
        Group &group = status == Unchecked ? list : cart;
        const QString price = item.value(Price);
        ++group.records;
        group.sum += item.value(Count).toDouble() * price.toDouble();
        group.lacksPrice = group.lacksPrice || price.isEmpty();
    }
    auto amountText = [](const Group &pGroup) {
        return pGroup.records ? QString::number(pGroup.records) : QString();
    };
    auto priceText = [](const Group &pGroup) {
        if (pGroup.sum == 0)
            return QString();
        return QString::number(pGroup.sum, 'f', 2)
            + (pGroup.lacksPrice ? QStringLiteral("+") : QString());
    };
    mListAmount = amountText(list);
    mListPrice = priceText(list);
    mCartAmount = amountText(cart);
    mCartPrice = priceText(cart);
}
