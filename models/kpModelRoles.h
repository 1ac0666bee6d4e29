#pragma once

#include <QString>
#include <QVariant>

// Every model numbers its roles from 33 on. The numbers are older than the toolkit's present
// user role (256) and stay as they are, so that the roles keep their meaning everywhere.
namespace kpModelRoles {

constexpr int First = 33;

// Every value is text, an empty one where there is none; but the toolkit's own roles for sizes,
// colours, fonts and the like stay invalid, as views expect values of those types there.
inline QVariant emptyValue(int pRole)
{
    return pRole == Qt::DisplayRole || pRole >= First ? QVariant(QString()) : QVariant();
}

// The header every model of the program gives a view that asks for one.
inline QVariant headerData(int pSection, Qt::Orientation pOrientation, int pRole)
{
    if (pRole != Qt::DisplayRole)
        return {};
    return (pOrientation == Qt::Horizontal ? QStringLiteral("Column %1") : QStringLiteral("Row %1"))
        .arg(pSection);
}

} // namespace kpModelRoles
