// The shopping-list file as the program reads it: its header in the lists overview, then opened,
// its rows built in every order and display, saved and read again, which must give back every
// item it held.
#include "kpFuzzSupport.h"
#include "kpListDataModel.h"
#include "kpListsDataModel.h"

using kpFuzzSupport::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t pSize)
{
    const QString path
        = kpFuzzSupport::writeInput(QStringLiteral("lists/demo-list.kpl"), pData, pSize);

    kpListsDataModel overview;
    const bool listed = overview.loadData({path});
    require(overview.rowCount() <= (listed ? 1 : 0),
            "one file gives a row at most, a failure none");
    for (int role = Qt::DisplayRole; role <= kpListsDataModel::FilenameRole; ++role)
        overview.data(overview.index(0), role);
    require(overview.rowCount() == 0 || overview.listFileName(0) == path,
            "the row names the file it was read from");

    kpListDataModel model;
    if (!model.loadModel(path))
        return 0;
    // In category order on the list display first, as the model starts.
    model.updateModel();
    for (int row = 0; row < model.rowCount(); ++row)
        model.itemHeight(row);
    model.sortByProduct();
    model.displayCart();
    model.updateModel();

    const QList<kpListDataModel::Item> unchecked = model.items(true);
    const QList<kpListDataModel::Item> checked = model.items(false);
    const QString name = model.listName();
    // Without a root element the file names no list and the overview never offers it.
    if (!model.listHeader().contains(QStringLiteral("filename")))
        return 0;
    require(model.saveModel(), "a list that was read can be saved");

    kpListDataModel reread;
    if (unchecked.isEmpty()) {
        require(!reread.loadModel(path), "a list with nothing to buy leaves no file");
        return 0;
    }
    require(reread.loadModel(path), "a saved list can be read");
    require(reread.listName() == name, "the list keeps its name");
    require(reread.items(true) == unchecked, "the items to buy survive a save");
    require(reread.items(false) == checked, "the items in the cart survive a save");
    return 0;
}
