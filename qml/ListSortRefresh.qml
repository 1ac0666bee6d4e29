import QtQuick
import Tovimar.Core

// The shopping list sorted anew while it is faded out: run("category") or run("product").
FadeRefresh {
    id: root

    required property ListDataModel listModel

    fadeDuration: Theme.sortFadeDuration
    pauseDuration: Theme.pauseDuration

    onFaded: order => {
        if (order === "category")
            root.listModel.sortByCategory()
        else
            root.listModel.sortByProduct()
        root.listModel.updateModel()
    }
}
