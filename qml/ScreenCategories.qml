pragma ComponentBehavior: Bound
import QtQuick
import Qt.labs.qmlmodels
import Tovimar.Core

// The product catalogue: ticking products for the open list, adding products, renaming products
// and categories, deleting products.
Item {
    id: root

    required property ApplicationManager manager
    required property CategoriesDataModel categoriesModel
    // How much of the screen an on-screen keyboard covers from below.
    required property real keyboardOverlap

    signal menuButtonClicked()
    signal homeButtonClicked()
    signal sortByCategoryClicked()
    signal sortByProductClicked()

    onMenuButtonClicked: menu.opacity = 1
    onSortByCategoryClicked: sortRefresh.run("category")
    onSortByProductClicked: sortRefresh.run("product")

    FadeRefresh {
        id: sortRefresh
        target: listView
        onFaded: order => {
            if (order === "category")
                root.categoriesModel.sortByCategory()
            else
                root.categoriesModel.sortByProduct()
            root.categoriesModel.updateModel()
        }
    }

    Column {
        anchors.fill: parent
        spacing: Theme.spacing

        ScreenHeader {
            width: parent.width
            height: Theme.barHeight
            buttonOneGlyph: "menu"
            buttonTwoGlyph: "back"
            headerLabel: Texts.categoriesTitle
            onButtonOneClicked: root.menuButtonClicked()
            onButtonTwoClicked: root.homeButtonClicked()
            onBarClicked: root.manager.toogleFullscreen()
        }

        ListView {
            id: listView
            width: parent.width
            // While a name is typed, the list gives way to keep the input bar above the keyboard.
            height: Math.max(0, root.height - Theme.listHeightLoss
                                - (nameBar.typing ? root.keyboardOverlap : 0))
            clip: true
            flickableDirection: Flickable.VerticalFlick
            maximumFlickVelocity: 1000
            flickDeceleration: 500
            model: root.categoriesModel
            delegate: DelegateChooser {
                role: "item_type"
                DelegateChoice {
                    roleValue: "category"
                    SelectableCategoryRow {
                        id: headerRow
                        width: listView.width
                        renamable: true
                        onRenameClicked: root.categoriesModel.renameCategory(headerRow.index)
                    }
                }
                DelegateChoice {
                    roleValue: "item"
                    CatalogueItemRow {
                        id: itemRow
                        width: listView.width
                        onTickClicked: root.categoriesModel.toggleItem(itemRow.index)
                        onDeleteClicked: root.categoriesModel.deleteItem(itemRow.index)
                        onRenameClicked: root.categoriesModel.renameItem(itemRow.index)
                    }
                }
            }
        }

        NameInputBar {
            id: nameBar
            width: parent.width
            list: listView
            inputName: "categoriesProductNameInput"
            onNameEntered: (row, name) => root.categoriesModel.addNewItem(row, name)
        }
    }

    // Unlike the other menus, this one fades both ways.
    ScreenMenu {
        id: menu
        anchors.fill: parent

        Behavior on opacity {
            NumberAnimation { duration: Theme.fadeDuration; easing.type: Easing.InQuart }
        }

        SortMenuEntries {
            width: parent.width
            menu: menu
            onSortByCategoryClicked: root.sortByCategoryClicked()
            onSortByProductClicked: root.sortByProductClicked()
        }
    }
}
