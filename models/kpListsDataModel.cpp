#include "kpListsDataModel.h"

#include "kpCompressedXmlFile.h"
#include "kpListFile.h"

#include <QFile>

kpListsDataModel::kpListsDataModel(QObject *pParent)
    : QAbstractListModel(pParent)
{
}

int kpListsDataModel::rowCount(const QModelIndex &) const
{
    return int(mRows.size());
}

QVariant kpListsDataModel::data(const QModelIndex &pIndex, int pRole) const
{
    if (!pIndex.isValid() || pIndex.row() >= mRows.size())
        return {};
    const QHash<QString, QString> &row = mRows.at(pIndex.row());
    switch (pRole) {
    case Qt::DisplayRole:
    case NameRole:
        return row.value(kpListFile::Name);
    case ItemsListRole:
        return row.value(kpListFile::ItemsList);
    case PriceListRole:
        return row.value(kpListFile::PriceList);
    case PriceUnitRole:
        return mPriceUnit;
    case FilenameRole:
        return row.value(kpListFile::Filename);
    }
    return {};
}

QVariant kpListsDataModel::headerData(int pSection, Qt::Orientation pOrientation, int pRole) const
{
    return kpModelRoles::headerData(pSection, pOrientation, pRole);
}

QHash<int, QByteArray> kpListsDataModel::roleNames() const
{
    return {
        {NameRole, "name"},
        {ItemsListRole, "items_list"},
        {PriceListRole, "price_list"},
        {PriceUnitRole, "price_unit"},
    };
}

bool kpListsDataModel::loadData(const QStringList &pListFilenames)
{
    beginResetModel();
    mRows.clear();
    bool loaded = !pListFilenames.isEmpty();
    for (const QString &filename : pListFilenames) {
        // A damaged file stops the rebuild: the program must not go on as if it were not there.
        if (readListHeader(filename) == HeaderRead::Failed) {
            loaded = false;
            break;
        }
    }
    endResetModel();
    return loaded;
}

kpListsDataModel::HeaderRead kpListsDataModel::readListHeader(const QString &pFilename)
{
    QByteArray document;
    switch (kpCompressedXmlFile::read(pFilename, &document)) {
    case kpCompressedXmlFile::ReadResult::Unreadable:
        return HeaderRead::Skipped;
    case kpCompressedXmlFile::ReadResult::Empty:
    case kpCompressedXmlFile::ReadResult::Damaged:
        return HeaderRead::Failed;
    case kpCompressedXmlFile::ReadResult::Ok:
        break;
    }

    // A file beyond the bounds of the reader is treated as one that does not uncompress.
    kpCompressedXmlFile::ElementReader reader(document);
    while (reader.readNextStartElement()) {
        if (reader.name() != kpListFile::RootElement)
            continue;
        QHash<QString, QString> row = reader.attributes();
        if (row.isEmpty())
            return HeaderRead::Skipped;
        row.insert(kpListFile::Filename, pFilename);
        mRows.append(row);
        return HeaderRead::Listed;
    }
    return reader.exceededBounds() ? HeaderRead::Failed : HeaderRead::Skipped;
}

QString kpListsDataModel::listFileName(int pListIndex) const
{
    if (pListIndex < 0 || pListIndex >= mRows.size())
        return QString();
    return mRows.at(pListIndex).value(kpListFile::Filename);
}

void kpListsDataModel::setPriceUnit(const QString &pPriceUnit)
{
    mPriceUnit = pPriceUnit;
    if (!mRows.isEmpty())
        emit dataChanged(index(0), index(int(mRows.size()) - 1), {PriceUnitRole});
}

bool kpListsDataModel::deleteList(int pListIndex)
{
    const QString filename = listFileName(pListIndex);
    return !filename.isEmpty() && QFile::exists(filename) && QFile::remove(filename);
}
