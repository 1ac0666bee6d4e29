#pragma once

#include <QString>

// The names of a shopping-list file's root element and of the list's header values, which its
// attributes hold, as the open list and the overview of saved lists both read them.
namespace kpListFile {

inline const QString RootElement = QStringLiteral("tovimar_list");
inline const QString Version = QStringLiteral("version");
inline const QString Name = QStringLiteral("name");
inline const QString ItemsList = QStringLiteral("items_list");
inline const QString PriceList = QStringLiteral("price_list");
// Kept in memory only: the file's own path.
inline const QString Filename = QStringLiteral("filename");

} // namespace kpListFile
