#include "kpApplicationManager.h"

#include "kpCompressedXmlFile.h"
#include "kpDataLocation.h"
#include "kpQuickHost.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QQuickWidget>
#include <QXmlStreamWriter>
#include <cmath>

namespace {

const QString LanguageKey = QStringLiteral("language");
const QString CurrencyUnitKey = QStringLiteral("currency_unit");
constexpr int WheelDigits = 6;
constexpr int UnitWheel = 7;

QByteArray wheelProperty(int pWheel)
{
    return "currentValue" + QByteArray::number(pWheel);
}

// The largest value that four integer and two fraction wheels can show.
constexpr double LargestWheelValue = 9999.99;

bool fitsTheWheels(double pValue)
{
    return std::isfinite(pValue) && pValue >= 0 && pValue < LargestWheelValue + 0.005;
}

// The six digits of a stored amount or price, from "%07.2f": thousands to hundredths. A value
// the wheels cannot hold shows as the nearest one they can.
QList<int> wheelDigitsOf(const QString &pStoredText)
{
    double value = double(pStoredText.toFloat());
    if (!fitsTheWheels(value))
        value = std::isnan(value) || value < 0 ? 0 : LargestWheelValue;
    const QString text = QString::asprintf("%07.2f", value);
    QList<int> digits;
    for (int position : {0, 1, 2, 3, 5, 6})
        digits.append(qMax(text.at(position).digitValue(), 0));
    return digits;
}

// Zero is no value at all: it is stored as an empty text.
QString storedTextOf(const QList<int> &pDigits)
{
    const int integer
        = 1000 * pDigits.at(0) + 100 * pDigits.at(1) + 10 * pDigits.at(2) + pDigits.at(3);
    const float value = float(integer + 0.1 * pDigits.at(4) + 0.01 * pDigits.at(5));
    return value == 0 ? QString() : QString::number(double(value), 'g', 6);
}

QList<int> readWheels(const QObject *pSelector)
{
    QList<int> digits;
    for (int wheel = 1; wheel <= WheelDigits; ++wheel)
        digits.append(pSelector->property(wheelProperty(wheel)).toInt());
    return digits;
}

void setWheels(QObject *pSelector, const QList<int> &pDigits)
{
    for (int wheel = 1; wheel <= WheelDigits; ++wheel)
        pSelector->setProperty(wheelProperty(wheel), pDigits.at(wheel - 1));
}

} // namespace

kpApplicationManager::kpApplicationManager(QObject *pParent)
    : QObject(pParent)
{
    translateUi();
}

bool kpApplicationManager::initialize()
{
    // Prices are written and read with "." whatever the interface language.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (!ensureListsDirectory())
        return false;
    // Every product typed into the list, and every change of its amount or price, reaches the
    // catalogue.
    connect(&mListDataModel, &kpListDataModel::itemUpdated, &mCategoriesDataModel,
            &kpCategoriesDataModel::updateItem);
    connect(&mListDataModel, &kpListDataModel::itemAdded, &mCategoriesDataModel,
            &kpCategoriesDataModel::addItem);
    loadSettings();
    return updateListsDataModel();
}

void kpApplicationManager::setParentWidget(QQuickWidget *pParentWidget)
{
    mParentWidget = pParentWidget;
    mListDataModel.setParentWidget(pParentWidget);
    mCategoriesDataModel.setParentWidget(pParentWidget);
}

void kpApplicationManager::translateUi()
{
    mAboutText = tr("Tovimar Lite v1.0.0<br>Velmora<br>2011");
    mAboutTitle = tr("About");
    mDeleteListTitle = tr("Delete list");
    mDeleteListText = tr("Are you sure you want to delete list");
    mCategoriesDataModel.translateUi();
    mLanguagesDataModel.translateUi();
    mCurrencyUnitsDataModel.translateUi();
    mMeasureUnitsDataModel.translateUi();
    mListDataModel.translateUi();
}

QString kpApplicationManager::settingsFilename()
{
    return kpDataLocation::filePath(QStringLiteral("data/config.db"));
}

void kpApplicationManager::loadSettings()
{
    QHash<QString, QString> settings;
    QFile file(settingsFilename());
    if (file.open(QIODevice::ReadOnly)) {
        // Read within the bounds of the program's other files; what lies beyond counts as broken
        // off.
        kpCompressedXmlFile::ElementReader elements(
            file.read(kpCompressedXmlFile::MaxDocumentSize));
        while (elements.readNextStartElement()) {
            if (elements.name() == QLatin1String("item")) {
                const QHash<QString, QString> attributes = elements.attributes();
                settings.insert(attributes.value(QStringLiteral("name")),
                                attributes.value(QStringLiteral("value")));
            }
        }
        file.close();
        // A language this program does not know (a newer version's, a damaged file's) leaves
        // English in force instead of a language without a code.
        const int language = settings.value(LanguageKey).toInt();
        if (isKnownLanguage(language))
            mLanguagesDataModel.setCurrentLanguage(language);
        mCurrencyUnitsDataModel.setCurrentCurrency(settings.value(CurrencyUnitKey).toInt());
    }
    // Also without settings: English plural forms and signs like "Kč" come from its catalogue.
    loadTranslation();
    QCoreApplication::installTranslator(&mTranslator);
    translateUi();
    // The overview shows prices in the unit in force from the start.
    mListsDataModel.setPriceUnit(mCurrencyUnitsDataModel.currentCurrencySymbol());
}

bool kpApplicationManager::isKnownLanguage(int pLanguageId) const
{
    return pLanguageId >= 0 && pLanguageId < mLanguageCodes.size();
}

void kpApplicationManager::loadTranslation()
{
    // Without a catalogue every text stays in English.
    (void)mTranslator.load(QStringLiteral(":/languages/tovimar_")
                           + mLanguagesDataModel.currentLanguageCode() + QStringLiteral(".qm"));
}

void kpApplicationManager::saveSettings(QHash<QString, QString> pSettings)
{
    const QString filename = settingsFilename();
    if (!QDir().mkpath(QFileInfo(filename).absolutePath()))
        return;
    QByteArray document;
    QXmlStreamWriter writer(&document);
    writer.setAutoFormatting(true);
    writer.writeStartElement(QStringLiteral("tovimar_settings"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0.0"));
    QStringList keys = pSettings.keys();
    keys.sort();
    for (const QString &key : std::as_const(keys)) {
        writer.writeEmptyElement(QStringLiteral("item"));
        writer.writeAttribute(QStringLiteral("name"), key);
        writer.writeAttribute(QStringLiteral("value"), pSettings.value(key));
    }
    writer.writeEndElement();
    kpCompressedXmlFile::writeAtomically(filename, document);
}

void kpApplicationManager::updateSettings(int pLanguageId, int pPriceUnitId)
{
    if (isKnownLanguage(pLanguageId)) {
        mLanguagesDataModel.setCurrentLanguage(pLanguageId);
        loadTranslation();
        translateUi();
        emit languageChanged();
    }
    mCurrencyUnitsDataModel.setCurrentCurrency(pPriceUnitId);
    mListsDataModel.setPriceUnit(mCurrencyUnitsDataModel.currentCurrencySymbol());
    saveSettings({{LanguageKey, QString::number(pLanguageId)},
                  {CurrencyUnitKey, QString::number(pPriceUnitId)}});
}

void kpApplicationManager::prepareSettings()
{
    if (QObject *languages = findQmlObject("languageSelector"))
        languages->setProperty("currentIndex", mLanguagesDataModel.currentLanguageIndex());
    if (QObject *currencies = findQmlObject("currencyUnitSelector"))
        currencies->setProperty("currentIndex", mCurrencyUnitsDataModel.currentCurrencyIndex());
}

QObject *kpApplicationManager::findQmlObject(const char *pObjectName) const
{
    return mParentWidget ? kpQuickHost::findObject(mParentWidget, QLatin1String(pObjectName))
                         : nullptr;
}

void kpApplicationManager::updateValuesSelector(int pCurrentIndex)
{
    const QModelIndex row = mListDataModel.index(pCurrentIndex);
    auto field = [&](int pRole) {
        return mListDataModel.data(row, pRole).toString();
    };
    const QString amount = field(kpListDataModel::ItemCountRole);
    const QString price = field(kpListDataModel::ItemPriceRole);
    const QList<int> amountDigits = wheelDigitsOf(amount);
    const QList<int> priceDigits = wheelDigitsOf(price);
    const QString unit = field(kpListDataModel::ItemCountUnitRole);
    const int unitRow = mMeasureUnitsDataModel.indexForString(unit);
    auto shown = [pCurrentIndex](const QString &pText, const QList<int> &pDigits) {
        return fitsTheWheels(double(pText.toFloat())) ? WheelsShown()
                                                      : WheelsShown{pCurrentIndex, pDigits, pText};
    };
    mAmountShown = shown(amount, amountDigits);
    mPriceShown = shown(price, priceDigits);
    // A unit of another language's table, or of no table at all, is shown as none.
    const bool unitKnown
        = unit.trimmed().isEmpty() || mMeasureUnitsDataModel.stringForIndex(unitRow) == unit;
    mUnitShown = unitKnown ? WheelsShown() : WheelsShown{pCurrentIndex, {unitRow}, unit};

    if (QObject *amountSelector = findQmlObject("amountSelector")) {
        setWheels(amountSelector, amountDigits);
        amountSelector->setProperty(wheelProperty(UnitWheel), unitRow);
    }
    if (QObject *priceSelector = findQmlObject("priceSelector"))
        setWheels(priceSelector, priceDigits);
    if (QObject *noteSelector = findQmlObject("noteSelector"))
        noteSelector->setProperty("text", field(kpListDataModel::ItemCommentsRole));
}

QString kpApplicationManager::readBackWheels(QObject *pSelector, const WheelsShown &pShown,
                                             int pRow) const
{
    const QList<int> digits = readWheels(pSelector);
    return pShown.keptOr(pRow, digits, storedTextOf(digits));
}

void kpApplicationManager::updateListItem(int pCurrentIndex)
{
    QString price;
    QString amount;
    QString unit;
    QString note;
    if (QObject *amountSelector = findQmlObject("amountSelector")) {
        const int unitRow = amountSelector->property(wheelProperty(UnitWheel)).toInt();
        unit = mUnitShown.keptOr(pCurrentIndex, {unitRow},
                                 mMeasureUnitsDataModel.stringForIndex(unitRow));
        amount = readBackWheels(amountSelector, mAmountShown, pCurrentIndex);
    }
    if (QObject *priceSelector = findQmlObject("priceSelector"))
        price = readBackWheels(priceSelector, mPriceShown, pCurrentIndex);
    if (QObject *noteSelector = findQmlObject("noteSelector"))
        note = noteSelector->property("text").toString();
    mAmountShown = {};
    mPriceShown = {};
    mUnitShown = {};
    mListDataModel.updateItem(pCurrentIndex, price, amount, unit, note);
}

QString kpApplicationManager::dataLocation()
{
    return kpDataLocation::root();
}

QString kpApplicationManager::listsDirectory()
{
    return QDir(dataLocation()).absoluteFilePath(QStringLiteral("lists"));
}

bool kpApplicationManager::ensureListsDirectory()
{
    return QDir().mkpath(listsDirectory());
}

// This edition keeps exactly one shopping list.
QString kpApplicationManager::listFilename()
{
    return QDir(listsDirectory()).absoluteFilePath(QStringLiteral("demo-list.kpl"));
}

bool kpApplicationManager::updateListsDataModel()
{
    QStringList filenames;
    if (QDir(listsDirectory()).exists())
        filenames.append(listFilename());
    else if (!ensureListsDirectory())
        return false;
    return mListsDataModel.loadData(filenames);
}

bool kpApplicationManager::loadList(int pListIndex)
{
    if (pListIndex == -1)
        return false;
    const QString filename = mListsDataModel.listFileName(pListIndex);
    if (filename.isEmpty() || !mListDataModel.loadModel(filename))
        return false;
    mListDataModel.sortByCategory();
    mListDataModel.displayList();
    mListDataModel.updateModel();
    return true;
}

bool kpApplicationManager::deleteList(int pListIndex)
{
    const QString name
        = mListsDataModel.data(mListsDataModel.index(pListIndex), kpListsDataModel::NameRole)
              .toString();
    const QString question = mDeleteListText + QLatin1Char(' ') + name + QLatin1Char('?');
    if (QMessageBox::warning(mParentWidget, mDeleteListTitle, question,
                             QMessageBox::Ok | QMessageBox::Cancel)
        == QMessageBox::Ok)
        mListsDataModel.deleteList(pListIndex);
    updateListsDataModel();
    return true;
}

void kpApplicationManager::updateCategoryItems()
{
    mCategoriesDataModel.hideItems(mListDataModel.items(true));
}

void kpApplicationManager::updateListItems()
{
    mListDataModel.addItems(mCategoriesDataModel.checkedItems());
}

void kpApplicationManager::showAboutMessage()
{
    QMessageBox::about(mParentWidget, mAboutTitle, mAboutText);
}

bool kpApplicationManager::createNewList()
{
    if (!ensureListsDirectory())
        return false;
    return mListDataModel.newModel(listFilename());
}

void kpApplicationManager::toogleFullscreen()
{
    if (!mParentWidget)
        return;
    if (mParentWidget->isFullScreen())
        mParentWidget->showNormal();
    else
        mParentWidget->showFullScreen();
}
