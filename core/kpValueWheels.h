#pragma once

#include <QList>
#include <QString>

// The rules of the item dialog's wheels: four wheels for the integer digits and two for the
// decimals of an amount or a price, 0.00 to 9999.99, and one over the measure units for the unit.
namespace kpValueWheels {

constexpr int DigitWheels = 6;

// The six digits that show a stored amount or price, thousands to hundredths. A value the wheels
// cannot hold shows as the nearest one they can.
QList<int> digitsOf(const QString &pStoredText);

// The text that six digits store: at most six significant digits, no trailing zeros, and zero as
// no value at all, the empty text.
QString storedTextOf(const QList<int> &pDigits);

// What wheels were set to for one row of the list. Where they could not show the row's text (an
// amount beyond them, a unit the table lacks), confirming the dialog for that row with the wheels
// untouched keeps the text instead of storing another one.
class Shown
{
public:
    Shown() = default;
    Shown(int pRow, const QList<int> &pWheels, const QString &pStoredText,
          bool pKeptWhileUntouched);

    const QList<int> &wheels() const { return mWheels; }
    // What to store for pRow from wheels now at pWheels, which read as pReadText.
    QString textToStore(int pRow, const QList<int> &pWheels, const QString &pReadText) const;

private:
    int mRow = -1;
    QList<int> mWheels;
    QString mStoredText;
    bool mKeptWhileUntouched = false;
};

// The amount or price wheels for a row's stored text, and the text they store back.
Shown showNumber(int pRow, const QString &pStoredText);
QString readNumber(const Shown &pShown, int pRow, const QList<int> &pDigits);

// The unit wheel for a row's stored unit, at the row pUnitRow that the measure units give it, and
// the unit it stores back from the row it is at; pUnitRowText is the table's text of pUnitRow.
Shown showUnit(int pRow, const QString &pStoredUnit, int pUnitRow, const QString &pUnitRowText);
QString readUnit(const Shown &pShown, int pRow, int pUnitRow, const QString &pUnitRowText);

} // namespace kpValueWheels
