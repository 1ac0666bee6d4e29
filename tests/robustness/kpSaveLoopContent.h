#pragma once

#include "kpItemRecord.h"

#include <QHash>
#include <QString>

// The save loop switches its files between two versions of their content: 0, the old one, and 1,
// the new one.
namespace kpSaveLoopContent {

// Large enough that a save takes some milliseconds, during which most kills land.
constexpr int ItemCount = 1000;

inline QString price(int pVersion)
{
    return QString::number(pVersion + 1) + QStringLiteral(".00");
}

inline QHash<QString, QString> item(int pNumber, int pVersion)
{
    QHash<QString, QString> record = kpItemRecord::newRecord(
        QStringLiteral("product %1").arg(pNumber), QStringLiteral("category %1").arg(pNumber % 20),
        kpItemRecord::Unchecked);
    record.insert(kpItemRecord::Price, price(pVersion));
    return record;
}

// The language is the version, the currency unit the one after it.
inline QHash<QString, QString> settings(int pVersion)
{
    return {{QStringLiteral("language"), QString::number(pVersion)},
            {QStringLiteral("currency_unit"), QString::number(pVersion + 1)}};
}

} // namespace kpSaveLoopContent
