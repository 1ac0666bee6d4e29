#include "kpSaveLoopContent.h"

#include "kpApplicationManager.h"

#include <QDir>

namespace kpSaveLoopContent {

namespace {

QString dataFile(const QString &pRelativePath)
{
    return QDir(kpApplicationManager::dataLocation()).absoluteFilePath(pRelativePath);
}

} // namespace

QString listPath()
{
    return dataFile(QStringLiteral("lists/demo-list.kpl"));
}

QString cataloguePath()
{
    return dataFile(QStringLiteral("data/categories_en.db"));
}

QString settingsPath()
{
    return dataFile(QStringLiteral("data/config.db"));
}

QHash<QString, QString> item(int pNumber, const Content &pContent)
{
    using namespace kpItemRecord;
    return {
        {Name, QStringLiteral("product %1").arg(pNumber)},
        {Category, QStringLiteral("category %1").arg(pNumber % 20)},
        {Price, pContent.price},
        {Count, QString()},
        {CountUnit, QString()},
        {Note, pContent.note},
        {Status, Unchecked},
    };
}

QHash<QString, QString> settings(const Content &pContent)
{
    return {{QStringLiteral("language"), QString::number(pContent.language)},
            {QStringLiteral("currency_unit"), QString::number(pContent.currencyUnit)}};
}

} // namespace kpSaveLoopContent
