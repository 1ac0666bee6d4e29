#include "kpValueWheels.h"

#include <cmath>

namespace kpValueWheels {

namespace {

// The largest value that four integer and two fraction wheels can show.
constexpr double LargestValue = 9999.99;

// Read in single precision: 0.005 is held a little below it and so shows as 0.00.
double valueOf(const QString &pStoredText)
{
    return double(pStoredText.toFloat());
}

bool fitsTheWheels(double pValue)
{
    return std::isfinite(pValue) && pValue >= 0 && pValue < LargestValue + 0.005;
}

} // namespace

QList<int> digitsOf(const QString &pStoredText)
{
    double value = valueOf(pStoredText);
    if (!fitsTheWheels(value))
        value = std::isnan(value) || value < 0 ? 0 : LargestValue;
    // "0012.50": thousands to units, the point, tenths and hundredths.
    const QString text = QString::asprintf("%07.2f", value);
    QList<int> digits;
    for (int position : {0, 1, 2, 3, 5, 6})
        digits.append(qMax(text.at(position).digitValue(), 0));
    return digits;
}

QString storedTextOf(const QList<int> &pDigits)
{
    const int integer
        = 1000 * pDigits.at(0) + 100 * pDigits.at(1) + 10 * pDigits.at(2) + pDigits.at(3);
    const float value = float(integer + 0.1 * pDigits.at(4) + 0.01 * pDigits.at(5));
    return value == 0 ? QString() : QString::number(double(value), 'g', 6);
}

Shown::Shown(int pRow, const QList<int> &pWheels, const QString &pStoredText,
             bool pKeptWhileUntouched)
    : mRow(pRow)
    , mWheels(pWheels)
    , mStoredText(pStoredText)
    , mKeptWhileUntouched(pKeptWhileUntouched)
{
}

QString Shown::textToStore(int pRow, const QList<int> &pWheels, const QString &pReadText) const
{
    const bool untouched = pRow == mRow && pWheels == mWheels;
    return mKeptWhileUntouched && untouched ? mStoredText : pReadText;
}

Shown showNumber(int pRow, const QString &pStoredText)
{
    return Shown(pRow, digitsOf(pStoredText), pStoredText, !fitsTheWheels(valueOf(pStoredText)));
}

QString readNumber(const Shown &pShown, int pRow, const QList<int> &pDigits)
{
    return pShown.textToStore(pRow, pDigits, storedTextOf(pDigits));
}

// A unit of another language's table, or of no table at all, shows as the row the table gives it.
Shown showUnit(int pRow, const QString &pStoredUnit, int pUnitRow, const QString &pUnitRowText)
{
    const bool known = pStoredUnit.trimmed().isEmpty() || pUnitRowText == pStoredUnit;
    return Shown(pRow, {pUnitRow}, pStoredUnit, !known);
}

QString readUnit(const Shown &pShown, int pRow, int pUnitRow, const QString &pUnitRowText)
{
    return pShown.textToStore(pRow, {pUnitRow}, pUnitRowText);
}

} // namespace kpValueWheels
