#pragma once

#include "kpItemRecord.h"

#include <QHash>
#include <QString>

// The two contents between which the save loop switches its files.
namespace kpSaveLoopContent {

struct Content
{
    QString price;
    QString note;
    int language;
    int currencyUnit;
};

inline const Content OldContent = {QStringLiteral("1.00"), QStringLiteral("old"), 0, 1};
inline const Content NewContent = {QStringLiteral("2.00"), QStringLiteral("new"), 1, 2};

// Large enough that a save takes some milliseconds, during which most kills land.
constexpr int ItemCount = 1000;

inline QHash<QString, QString> item(int pNumber, const Content &pContent)
{
    QHash<QString, QString> record = kpItemRecord::newRecord(
        QStringLiteral("product %1").arg(pNumber), QStringLiteral("category %1").arg(pNumber % 20),
        kpItemRecord::Unchecked);
    record.insert({{kpItemRecord::Price, pContent.price}, {kpItemRecord::Note, pContent.note}});
    return record;
}

inline QHash<QString, QString> settings(const Content &pContent)
{
    return {{QStringLiteral("language"), QString::number(pContent.language)},
            {QStringLiteral("currency_unit"), QString::number(pContent.currencyUnit)}};
}

} // namespace kpSaveLoopContent
