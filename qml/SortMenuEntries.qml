import QtQuick
import Tovimar.Core

// The menu entries that choose how a screen's list is sorted. Each closes the menu. Where the
// list can tell its order (the shopping list can, the catalogue cannot), choosing the order in
// force again only closes the menu.
Column {
    id: root

    required property ScreenMenu menu
    property ListDataModel sortedList: null

    signal sortByCategoryClicked()
    signal sortByProductClicked()

    spacing: Theme.spacing

    MenuItem {
        width: root.width
        itemLabel: qsTr("Sort by category")
        onItemClicked: {
            root.menu.close()
            if (!root.sortedList || !root.sortedList.isSortByCategory())
                root.sortByCategoryClicked()
        }
    }
    MenuItem {
        width: root.width
        itemLabel: qsTr("Sort by product")
        onItemClicked: {
            root.menu.close()
            if (!root.sortedList || !root.sortedList.isSortByProduct())
                root.sortByProductClicked()
        }
    }
}
