// The product catalogue as the program reads it: opened, shown in both orders, every product
// ticked, then saved and read again, which must give back every product it held.
#include "kpCategoriesDataModel.h"
#include "kpFuzzSupport.h"

using kpFuzzSupport::require;

namespace {

// Ticks every product shown and returns them in the order shown.
QList<kpCategoriesDataModel::Item> tickEveryProduct(kpCategoriesDataModel &pModel)
{
    pModel.sortByCategory();
    for (int row = 0; row < pModel.rowCount(); ++row)
        pModel.toggleItem(row);
    return pModel.checkedItems();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t pSize)
{
    // The catalogue of the language in force, English without a translation.
    kpFuzzSupport::writeInput(QStringLiteral("data/categories_en.db"), pData, pSize);

    QList<kpCategoriesDataModel::Item> ticked;
    {
        kpCategoriesDataModel model;
        if (!model.loadModel())
            return 0;
        model.sortByProduct();
        for (int row = 0; row < model.rowCount(); ++row) {
            for (int role = kpCategoriesDataModel::ItemNameRole;
                 role <= kpCategoriesDataModel::FilenameRole; ++role)
                model.data(model.index(row), role);
        }
        ticked = tickEveryProduct(model);
        if (!model.isLoaded())
            return 0;
        require(model.saveModel(), "a catalogue that was read can be saved");
    }

    kpCategoriesDataModel reread;
    require(reread.loadModel(), "a saved catalogue can be read");
    require(tickEveryProduct(reread) == ticked, "the products survive a save");
    return 0;
}
