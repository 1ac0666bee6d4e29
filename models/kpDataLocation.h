#pragma once

#include <QDir>
#include <QStandardPaths>
#include <QString>

namespace kpDataLocation {

// The per-user data location the toolkit derives from the organisation and application names;
// every file the program writes lies below it.
inline QString root()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

inline QString filePath(const QString &pRelativePath)
{
    return QDir(root()).absoluteFilePath(pRelativePath);
}

} // namespace kpDataLocation
