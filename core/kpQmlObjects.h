#pragma once

#include <QByteArray>
#include <QString>

class QObject;
class QQuickWidget;

// The QML objects that the core reaches by object name, and the properties it reads and writes on
// them: the one place where the core depends on how the screens name their parts.
namespace kpQmlObjects {

// The settings screen's language and currency lists, set by their current index.
inline constexpr char LanguageSelector[] = "languageSelector";
inline constexpr char CurrencyUnitSelector[] = "currencyUnitSelector";
inline constexpr char CurrentIndex[] = "currentIndex";

// The item dialog: the wheels of amount and unit, the wheels of the price, and the note's text.
inline constexpr char AmountSelector[] = "amountSelector";
inline constexpr char PriceSelector[] = "priceSelector";
inline constexpr char NoteSelector[] = "noteSelector";
inline constexpr char Text[] = "text";
// The current row of wheel 1 to 7 of a values selector, numbered from the left; wheel 7 of the
// amount selector is its unit.
QByteArray wheelValue(int pWheel);
constexpr int UnitWheel = 7;

// An object declared in a QML document below the view's root; null without a view or a root.
QObject *find(QQuickWidget *pView, const QString &pObjectName);

} // namespace kpQmlObjects
