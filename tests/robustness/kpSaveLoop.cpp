// Saves the shopping list, the catalogue and the settings over and over, switching each between
// its old and its new content every round, until it is killed. Says "saving" once it has read
// the files and starts to write them, and "saved" after each round.
#include "kpApplicationManager.h"
#include "kpQuickHost.h"
#include "kpSaveLoopContent.h"
#include "kpTestSupport.h"

#include <QCoreApplication>
#include <cstdio>

using namespace kpSaveLoopContent;

int main(int argc, char *argv[])
{
    kpQuickHost::setApplicationNames();
    QCoreApplication application(argc, argv);
    kpApplicationManager manager;
    kpListDataModel *list = manager.listDataModel();
    kpCategoriesDataModel *catalogue = manager.productsDataModel();
    if (!list->loadModel(kpTestSupport::listPath()) || !catalogue->loadModel())
        return 1;
    list->sortByProduct();
    list->updateModel();

    std::puts("saving");
    std::fflush(stdout);
    for (int round = 1;; ++round) {
        const int version = round % 2;
        for (int row = 0; row < list->rowCount(); ++row)
            list->updateItem(row, price(version), QString(), QString(), QString());
        (void)list->saveModel();
        for (int product = 0; product < ItemCount; ++product)
            catalogue->updateItem(item(product, version));
        (void)catalogue->saveModel();
        manager.saveSettings(settings(version));
        std::puts("saved");
        std::fflush(stdout);
    }
}
