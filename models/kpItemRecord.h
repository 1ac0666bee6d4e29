#pragma once

#include <QAnyStringView>
#include <QHash>
#include <QString>
#include <QStringList>

// The keys and status values of an item record, the string map in which the list, the catalogue
// and the manager pass products to each other.
namespace kpItemRecord {

inline const QString Name = QStringLiteral("name");
inline const QString Category = QStringLiteral("category");
inline const QString Price = QStringLiteral("price");
inline const QString Count = QStringLiteral("count");
inline const QString CountUnit = QStringLiteral("count_unit");
inline const QString Note = QStringLiteral("note");
inline const QString Status = QStringLiteral("status");

inline const QString Unchecked = QStringLiteral("unchecked");
inline const QString Checked = QStringLiteral("checked");
inline const QString Deleted = QStringLiteral("deleted");

// The order in which the attributes of an item are written.
inline const QStringList KeyOrder = {Name, Category, Price, Count, CountUnit, Note, Status};

// The records of a file share their few attribute names: the known ones are taken from here
// instead of each record holding copies.
inline QString sharedKey(QAnyStringView pName)
{
    for (const QString &key : KeyOrder) {
        if (key.size() == pName.size() && QAnyStringView::equal(key, pName))
            return key;
    }
    return pName.toString();
}

// A product as the list or the catalogue first takes it in: no price, amount, unit or note yet.
inline QHash<QString, QString> newRecord(const QString &pName, const QString &pCategory,
                                         const QString &pStatus)
{
    return {
        {Name, pName},          {Category, pCategory}, {Price, QString()}, {Count, QString()},
        {CountUnit, QString()}, {Note, QString()},     {Status, pStatus},
    };
}

// Names and categories are stored lower case, but a file may bring capitals: texts of a product
// are the same when they are lower-cased.
inline bool isSameText(const QString &pStored, const QString &pOther)
{
    return pStored.toLower() == pOther.toLower();
}

inline bool isSameProduct(const QHash<QString, QString> &pRecord, const QString &pName,
                          const QString &pCategory)
{
    return isSameText(pRecord.value(Name), pName) && isSameText(pRecord.value(Category), pCategory);
}

} // namespace kpItemRecord
