// The settings file as the program reads it at start-up; the language and currency unit it
// chose must survive being confirmed and read again.
#include "kpApplicationManager.h"
#include "kpFuzzSupport.h"

using kpFuzzSupport::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t pSize)
{
    kpFuzzSupport::writeInput(QStringLiteral("data/config.db"), pData, pSize);

    kpApplicationManager manager;
    manager.loadSettings();
    const int language = manager.languagesDataModel()->currentLanguageIndex();
    const int currency = manager.currencyUnitsDataModel()->currentCurrencyIndex();
    require(!manager.currencyUnitsDataModel()->currentCurrencySymbol().isEmpty(),
            "a currency unit of the table is in force");

    manager.updateSettings(language, currency);
    kpApplicationManager reread;
    reread.loadSettings();
    require(reread.languagesDataModel()->currentLanguageIndex() == language,
            "the language survives a save");
    require(reread.currencyUnitsDataModel()->currentCurrencyIndex() == currency,
            "the currency unit survives a save");
    return 0;
}
