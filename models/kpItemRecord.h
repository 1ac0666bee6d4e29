#pragma once

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

} // namespace kpItemRecord
