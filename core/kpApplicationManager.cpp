#include "kpApplicationManager.h"

#include "kpCompressedXmlFile.h"
#include "kpDataLocation.h"
#include "kpQmlObjects.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QQuickWidget>
#include <QXmlStreamWriter>

namespace {

const QString LanguageKey = QStringLiteral("language");
const QString CurrencyUnitKey = QStringLiteral("currency_unit");

QList<int> readWheels(const QObject *pSelector)
{
    QList<int> digits;
    for (int wheel = 1; wheel <= kpValueWheels::DigitWheels; ++wheel)
        digits.append(pSelector->property(kpQmlObjects::wheelValue(wheel)).toInt());
    return digits;
}

void setWheels(QObject *pSelector, const QList<int> &pDigits)
{
    for (int wheel = 1; wheel <= kpValueWheels::DigitWheels; ++wheel)
        pSelector->setProperty(kpQmlObjects::wheelValue(wheel), pDigits.at(wheel - 1));
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

void kpApplicationManager::saveSettings(const QHash<QString, QString> &pSettings)
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
    (void)kpCompressedXmlFile::writeAtomically(filename, document);
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
    using namespace kpQmlObjects;
    if (QObject *languages = find(mParentWidget, LanguageSelector))
        languages->setProperty(CurrentIndex, mLanguagesDataModel.currentLanguageIndex());
    if (QObject *currencies = find(mParentWidget, CurrencyUnitSelector))
        currencies->setProperty(CurrentIndex, mCurrencyUnitsDataModel.currentCurrencyIndex());
}

void kpApplicationManager::updateValuesSelector(int pCurrentIndex)
{
    using namespace kpQmlObjects;
    const QModelIndex row = mListDataModel.index(pCurrentIndex);
    auto field = [&](int pRole) {
        return mListDataModel.data(row, pRole).toString();
    };
    const QString unit = field(kpListDataModel::ItemCountUnitRole);
    const int unitRow = mMeasureUnitsDataModel.indexForString(unit);
    mAmountShown = kpValueWheels::showNumber(pCurrentIndex, field(kpListDataModel::ItemCountRole));
    mPriceShown = kpValueWheels::showNumber(pCurrentIndex, field(kpListDataModel::ItemPriceRole));
    mUnitShown = kpValueWheels::showUnit(pCurrentIndex, unit, unitRow,
                                         mMeasureUnitsDataModel.stringForIndex(unitRow));

    if (QObject *amountSelector = find(mParentWidget, AmountSelector)) {
        setWheels(amountSelector, mAmountShown.wheels());
        amountSelector->setProperty(wheelValue(UnitWheel), unitRow);
    }
    if (QObject *priceSelector = find(mParentWidget, PriceSelector))
        setWheels(priceSelector, mPriceShown.wheels());
    if (QObject *noteSelector = find(mParentWidget, NoteSelector))
        noteSelector->setProperty(Text, field(kpListDataModel::ItemCommentsRole));
}

void kpApplicationManager::updateListItem(int pCurrentIndex)
{
    using namespace kpQmlObjects;
    QString price;
    QString amount;
    QString unit;
    QString note;
    if (QObject *amountSelector = find(mParentWidget, AmountSelector)) {
        const int unitRow = amountSelector->property(wheelValue(UnitWheel)).toInt();
        unit = kpValueWheels::readUnit(mUnitShown, pCurrentIndex, unitRow,
                                       mMeasureUnitsDataModel.stringForIndex(unitRow));
        amount = kpValueWheels::readNumber(mAmountShown, pCurrentIndex, readWheels(amountSelector));
    }
    if (QObject *priceSelector = find(mParentWidget, PriceSelector))
        price = kpValueWheels::readNumber(mPriceShown, pCurrentIndex, readWheels(priceSelector));
    if (QObject *noteSelector = find(mParentWidget, NoteSelector))
        note = noteSelector->property(Text).toString();
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
    (void)updateListsDataModel();
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
