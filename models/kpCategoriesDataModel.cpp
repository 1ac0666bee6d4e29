#include "kpCategoriesDataModel.h"

#include "kpCompressedXmlFile.h"
#include "kpDataLocation.h"
#include "kpItemRecord.h"
#include "kpTextPrompt.h"

#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QQuickWidget>
#include <QSet>
#include <QXmlStreamWriter>

using namespace kpItemRecord;

namespace {

const QString RootElement = QStringLiteral("tovimar_categories");
const QString ItemElement = QStringLiteral("item");
const QString Unknown = QStringLiteral("unknown");
constexpr int CatalogueCompressionLevel = -1;

} // namespace

kpCategoriesDataModel::kpCategoriesDataModel(QObject *pParent)
    : kpItemRowsModel(pParent)
{
    translateUi();
}

kpCategoriesDataModel::~kpCategoriesDataModel()
{
    if (!mItemList.isEmpty())
        (void)saveModel();
}

QHash<int, QByteArray> kpCategoriesDataModel::roleNames() const
{
    return itemRoleNames("item_note");
}

QVariant kpCategoriesDataModel::modelData(int pRole) const
{
    if (pRole == FilenameRole)
        return mRootAttributes.value(QStringLiteral("filename"));
    return kpModelRoles::emptyValue(pRole);
}

void kpCategoriesDataModel::translateUi()
{
    mDeleteItemText = tr("Are you sure you want to delete item ");
    mItemNameTitle = tr("Item name");
    mItemNameLabel = tr("Enter new item name");
    mCategoryNameTitle = tr("Category name");
    mCategoryNameLabel = tr("Enter new category name");
    mDuplicateItemTitle = tr("Warning");
    mDuplicateItemText = tr("Item with the same name already exists");
    mDuplicateCategoryTitle = tr("Warning");
    mDuplicateCategoryText
        = tr("Category with the same name already exists. Do you want to continue?");
    // Each language keeps a catalogue of its own, under the code its translation gives.
    mLanguageCode = tr("en");
}

QString kpCategoriesDataModel::fileName() const
{
    return QStringLiteral("data/categories_") + mLanguageCode + QStringLiteral(".db");
}

QString kpCategoriesDataModel::userCopyPath() const
{
    return kpDataLocation::filePath(fileName());
}

QString kpCategoriesDataModel::installedCopyPath() const
{
    return QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(fileName());
}

bool kpCategoriesDataModel::loadModel()
{
    const QString userCopy = userCopyPath();
    const QString path = QFile::exists(userCopy) ? userCopy : installedCopyPath();
    if (!QFile::exists(path))
        return false;
    QByteArray document;
    const auto result = kpCompressedXmlFile::read(path, &document);
    if (result == kpCompressedXmlFile::ReadResult::Unreadable)
        return false;
    mRootAttributes.clear();
    clearItems();
    if (result != kpCompressedXmlFile::ReadResult::Ok)
        return false;
    readDocument(document);
    updateModel();
    return true;
}

// A syntax error, like going beyond the bounds of the reader, ends the reading; the products
// read up to it are kept. No product is ticked or marked when the catalogue comes from its file.
void kpCategoriesDataModel::readDocument(const QByteArray &pDocument)
{
    kpCompressedXmlFile::ElementReader reader(pDocument);
    while (reader.readNextStartElement()) {
        if (reader.name() == RootElement) {
            mRootAttributes.insert(reader.attributes());
        } else if (reader.name() == ItemElement) {
            Item item = reader.attributes();
            item.insert(Status, Unchecked);
            mItemList.append(std::move(item));
        }
    }
}

bool kpCategoriesDataModel::saveModel()
{
    const QString path = userCopyPath();
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    return kpCompressedXmlFile::write(path, catalogueDocument(), CatalogueCompressionLevel);
}

QByteArray kpCategoriesDataModel::catalogueDocument() const
{
    QByteArray document;
    QXmlStreamWriter writer(&document);
    writer.setAutoFormatting(true);
    writer.writeStartElement(RootElement);
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0.0"));
    for (Item item : mItemList) {
        if (item.value(Status) == Deleted)
            continue;
        item.insert(Status, Unchecked);
        writer.writeEmptyElement(ItemElement);
        kpCompressedXmlFile::writeAttributes(writer, item, KeyOrder);
    }
    writer.writeEndElement();
    return document;
}

void kpCategoriesDataModel::releaseModel()
{
    (void)saveModel();
    clearItems();
    mListItems.clear();
    mSortMode = SortByCategory;
}

void kpCategoriesDataModel::updateModel()
{
    beginResetModel();
    mRowIndex.clear();
    // One header per category goes into the sort, not one per product.
    QSet<QString> categories;
    for (int item = 0; item < mItemList.size(); ++item) {
        const Item &record = mItemList.at(item);
        if (record.value(Status) == Deleted)
            continue;
        const QString category = record.value(Category);
        if (mSortMode == SortByCategory && !categories.contains(category)) {
            categories.insert(category);
            mRowIndex.append(kpRowIndex::headerKey(category), kpRowIndex::HeaderItem);
        }
        mRowIndex.append(rowKey(record), item);
    }
    mRowIndex.sortKeepingLast();
    endResetModel();
}

void kpCategoriesDataModel::resetWithoutRebuild()
{
    beginResetModel();
    endResetModel();
}

void kpCategoriesDataModel::sortByCategory()
{
    mSortMode = SortByCategory;
    resetWithoutRebuild();
}

void kpCategoriesDataModel::sortByProduct()
{
    mSortMode = SortByProduct;
    resetWithoutRebuild();
}

void kpCategoriesDataModel::toggleItem(int pIndex)
{
    if (!isItemRow(pIndex))
        return;
    Item &item = mItemList[itemOfRow(pIndex)];
    const QString status = item.value(Status);
    if (status == Unknown)
        return;
    if (status == Checked)
        item.insert(Status, Unchecked);
    else if (status == Unchecked)
        item.insert(Status, Checked);
    emit dataChanged(index(pIndex), index(pIndex));
}

QString kpCategoriesDataModel::statusFromList(const Item &pItem) const
{
    const auto listed = mListItems.constFind(pItem.value(Name).toLower());
    const bool onList
        = listed != mListItems.cend() && isSameText(listed->value(Category), pItem.value(Category));
    return onList ? Unknown : Unchecked;
}

void kpCategoriesDataModel::hideItems(const QList<Item> &pListItems)
{
    mListItems.clear();
    for (const Item &listItem : pListItems)
        mListItems.insert(listItem.value(Name).toLower(), listItem);
    if (mItemList.isEmpty())
        return;

    beginResetModel();
    for (Item &item : mItemList) {
        if (item.value(Status) != Deleted)
            item.insert(Status, Unchecked);
    }
    for (const Item &listItem : pListItems) {
        const QString name = listItem.value(Name).toLower();
        const QString key = mSortMode == SortByCategory
            ? kpRowIndex::itemKey(listItem.value(Category).toLower(), name)
            : name;
        const int row = mRowIndex.find(key);
        if (row >= 0 && isItemRow(row) && mItemList.at(itemOfRow(row)).value(Status) != Deleted)
            mItemList[itemOfRow(row)].insert(Status, Unknown);
    }
    endResetModel();
}

QList<kpCategoriesDataModel::Item> kpCategoriesDataModel::checkedItems()
{
    QList<Item> checked;
    for (Item &item : mItemList) {
        const QString status = item.value(Status);
        if (status == Deleted)
            continue;
        item.insert(Status, Unchecked);
        if (status == Checked)
            checked.append(item);
    }
    updateModel();
    return checked;
}

bool kpCategoriesDataModel::addNewItem(int pIndex, const QString &pItemName)
{
    const std::optional<QString> asked = categoryForNewItem(pIndex);
    if (!asked)
        return false;
    const QString &category = *asked;
    const QString name = pItemName.toLower();
    for (const Item &item : std::as_const(mItemList)) {
        if (item.value(Status) != Deleted && isSameProduct(item, name, category))
            return false;
    }

    Item record = newRecord(name, category, Unchecked);
    record.insert(Status, statusFromList(record));
    const int item = int(mItemList.size());
    mItemList.append(record);
    if (mSortMode == SortByCategory && !mRowIndex.contains(kpRowIndex::headerKey(category)))
        insertRow(kpRowIndex::headerKey(category), kpRowIndex::HeaderItem);
    if (!mRowIndex.contains(rowKey(record)))
        insertRow(rowKey(record), item);
    return true;
}

void kpCategoriesDataModel::renameItem(int pIndex)
{
    if (!isItemRow(pIndex))
        return;
    Item &item = mItemList[itemOfRow(pIndex)];
    const QString oldName = item.value(Name).toLower();
    const QString category = item.value(Category).toLower();
    const QString newName = askNewName(mItemNameTitle, mItemNameLabel, oldName);
    if (newName.isEmpty())
        return;
    const QString key
        = mSortMode == SortByCategory ? kpRowIndex::itemKey(category, newName) : newName;
    if (mRowIndex.contains(key)) {
        QMessageBox::information(mParentWidget, mDuplicateItemTitle, mDuplicateItemText);
        return;
    }
    item.insert(Name, newName);
    item.insert(Status, Unchecked);
    emit dataChanged(index(pIndex), index(pIndex));
}

QString kpCategoriesDataModel::askNewName(const QString &pTitle, const QString &pLabel,
                                          const QString &pOldName) const
{
    const QString newName
        = kpTextPrompt::ask(mParentWidget, pTitle, pLabel, pOldName).simplified().toLower();
    return newName == pOldName ? QString() : newName;
}

void kpCategoriesDataModel::renameCategory(int pIndex)
{
    if (mSortMode != SortByCategory || !mRowIndex.isRow(pIndex))
        return;
    // The header's own text: a file may bring a category in capitals beside the same one in
    // lower case, and only the products under the header the user held are renamed.
    const QString heldCategory = kpRowIndex::categoryOfKey(mRowIndex.at(pIndex).key);
    const QString oldCategory = heldCategory.toLower();
    const QString newCategory = askNewName(mCategoryNameTitle, mCategoryNameLabel, oldCategory);
    if (newCategory.isEmpty())
        return;
    const bool inUse = std::any_of(mItemList.cbegin(), mItemList.cend(), [&](const Item &pItem) {
        return pItem.value(Category) == newCategory;
    });
    if (inUse
        && QMessageBox::information(mParentWidget, mDuplicateCategoryTitle, mDuplicateCategoryText,
                                    QMessageBox::Ok | QMessageBox::Cancel)
            != QMessageBox::Ok)
        return;

    for (Item &item : mItemList) {
        if (item.value(Category) == heldCategory)
            item.insert(Category, newCategory);
        if (item.value(Status) != Deleted && mListItems.contains(item.value(Name).toLower()))
            item.insert(Status, statusFromList(item));
    }
    updateModel();
}

bool kpCategoriesDataModel::deleteItem(int pIndex)
{
    if (!isItemRow(pIndex))
        return false;
    return deleteAfterQuestion(pIndex, mDeleteItemText);
}

void kpCategoriesDataModel::addItem(const QHash<QString, QString> &pItem)
{
    const QString name = pItem.value(Name).toLower();
    const QString category = pItem.value(Category).toLower();
    // Deleted products count too: the user deleted them, the list must not bring them back.
    for (const Item &item : std::as_const(mItemList)) {
        if (isSameProduct(item, name, category))
            return;
    }
    const Item record = newRecord(name, category, Unchecked);
    beginResetModel();
    const int item = int(mItemList.size());
    if (mSortMode == SortByCategory)
        mRowIndex.set(kpRowIndex::headerKey(category), kpRowIndex::HeaderItem);
    mRowIndex.set(rowKey(record), item);
    mItemList.append(record);
    endResetModel();
}

void kpCategoriesDataModel::updateItem(const QHash<QString, QString> &pItem)
{
    const QString name = pItem.value(Name);
    const QString category = pItem.value(Category);
    const auto product
        = std::find_if(mItemList.begin(), mItemList.end(), [&](const Item &pProduct) {
              return isSameProduct(pProduct, name, category);
          });
    if (product == mItemList.end())
        return;
    beginResetModel();
    product->insert(Count, pItem.value(Count));
    product->insert(CountUnit, pItem.value(CountUnit));
    product->insert(Price, pItem.value(Price));
    endResetModel();
}
