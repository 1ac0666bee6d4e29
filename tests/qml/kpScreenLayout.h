#pragma once

#include <QPoint>

// Where the user taps on the 800 x 480 window: header buttons, footers, rows, menus, dialogs.
namespace kpScreenLayout {

inline constexpr QPoint HeaderButtonOne(35, 35);
inline constexpr QPoint HeaderButtonTwo(765, 35);
inline constexpr QPoint HeaderTitle(400, 35);
inline constexpr QPoint FooterLeft(200, 445);
inline constexpr QPoint FooterRight(600, 445);
inline constexpr QPoint EditInput(475, 445);
inline constexpr QPoint EditOk(765, 445);
inline constexpr QPoint CheckoutOk(400, 345);
inline constexpr QPoint BesideCheckoutBox(100, 240);
inline constexpr QPoint CategoriesButton(70, 445);
inline constexpr QPoint DialogDelete(133, 445);
inline constexpr QPoint DialogCancel(400, 445);
inline constexpr QPoint DialogDone(667, 445);
inline constexpr QPoint CategoriesInput(365, 445);

inline QPoint row(int pRow, int pX = 300)
{
    return QPoint(pX, 110 + 70 * pRow);
}

inline QPoint rowButton(int pRow)
{
    return row(pRow, 765);
}

// The entries of a centred menu box of pEntries entries, 65 high, 5 apart.
inline QPoint menuEntry(int pEntries, int pEntry)
{
    const int boxHeight = 65 * pEntries + 5 * (pEntries - 1);
    return QPoint(400, (480 - boxHeight) / 2 + 70 * pEntry + 32);
}

} // namespace kpScreenLayout
