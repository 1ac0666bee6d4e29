#pragma once

#include "kpItemRecord.h"

#include <QHash>
#include <QString>

// The two contents between which the save loop switches its files, and where the files are.
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

QString listPath();
QString cataloguePath();
QString settingsPath();

QHash<QString, QString> item(int pNumber, const Content &pContent);
QHash<QString, QString> settings(const Content &pContent);

} // namespace kpSaveLoopContent
