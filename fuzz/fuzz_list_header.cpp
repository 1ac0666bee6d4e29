// The lists overview, which reads only the header of each list file.
#include "kpFuzzSupport.h"
#include "kpListsDataModel.h"

using kpFuzzSupport::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *pData, size_t pSize)
{
    const QString path
        = kpFuzzSupport::writeInput(QStringLiteral("lists/demo-list.kpl"), pData, pSize);

    kpListsDataModel model;
    const bool loaded = model.loadData({path});
    require(model.rowCount() <= 1, "one file gives at most one row");
    require(loaded || model.rowCount() == 0, "a failed read lists nothing");
    for (int role = Qt::DisplayRole; role <= kpListsDataModel::FilenameRole; ++role)
        model.data(model.index(0), role);
    if (model.rowCount() == 1)
        require(model.listFileName(0) == path, "the row names the file it was read from");
    return 0;
}
