pragma ComponentBehavior: Bound
import QtQuick
import Qt.labs.qmlmodels
import Tovimar.Core

// Composing the list: typing in items, the item dialog for amount, price and note, deleting,
// sorting, and the way on to the catalogue or the shop.
Item {
    id: root

    required property ApplicationManager manager
    required property ListDataModel listModel
    required property MeasureUnitsDataModel measureUnitsModel
    required property string currencySymbol
    // How much of the screen an on-screen keyboard covers from below.
    required property real keyboardOverlap
    property alias menuOpacity: menu.opacity
    property string currentItemName: ""

    signal menuButtonClicked()
    signal homeButtonClicked()
    signal categoriesButtonClicked()
    signal sortByCategoryClicked()
    signal sortByProductClicked()
    signal deleteAllClicked()
    signal shopModeClicked()
    signal itemEditClicked(int currentItemIndex)
    signal itemEditCloseClicked()

    onMenuButtonClicked: menu.open()
    onSortByCategoryClicked: sortRefresh.run("category")
    onSortByProductClicked: sortRefresh.run("product")
    onDeleteAllClicked: {
        menu.close()
        root.listModel.deleteAll()
        root.listModel.updateModel()
    }
    onItemEditClicked: currentItemIndex => {
        // The core turns the wheels to the item's values before the dialog shows.
        root.manager.updateValuesSelector(currentItemIndex)
        closeDialogAnimation.stop()
        openDialogAnimation.start()
    }
    onItemEditCloseClicked: {
        openDialogAnimation.stop()
        closeDialogAnimation.start()
    }

    ListSortRefresh {
        id: sortRefresh
        target: listView
        listModel: root.listModel
    }

    CrossFade {
        id: openDialogAnimation
        leaving: mainLayer
        entering: itemEditDialog
    }

    CrossFade {
        id: closeDialogAnimation
        leaving: itemEditDialog
        entering: mainLayer
    }

    FadingItem {
        id: mainLayer
        anchors.fill: parent

        Column {
            anchors.fill: parent
            spacing: Theme.spacing

            ScreenHeader {
                width: parent.width
                height: Theme.barHeight
                buttonOneGlyph: "menu"
                buttonTwoGlyph: "home"
                headerLabel: root.listModel.listName
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
                model: root.listModel
                delegate: DelegateChooser {
                    role: "item_type"
                    DelegateChoice {
                        roleValue: "category"
                        SelectableCategoryRow { width: listView.width }
                    }
                    DelegateChoice {
                        roleValue: "item"
                        EditItemRow {
                            id: itemRow
                            width: listView.width
                            currencySymbol: root.currencySymbol
                            onEditClicked: {
                                root.currentItemName = itemRow.item_name
                                itemEditDialog.currentItemIndex = itemRow.index
                                root.itemEditClicked(itemRow.index)
                            }
                        }
                    }
                }
            }

            Row {
                width: parent.width
                height: Theme.barHeight

                TextButton {
                    width: 2 * Theme.rowButtonWidth
                    label: Texts.categoriesTitle
                    onButtonClicked: root.categoriesButtonClicked()
                }

                NameInputBar {
                    id: nameBar
                    width: parent.width - 2 * Theme.rowButtonWidth
                    list: listView
                    inputName: "editProductNameInput"
                    boxTakesFocus: true
                    onNameEntered: (row, name) => root.listModel.addItem(row, name)
                }
            }
        }
    }

    ScreenMenu {
        id: menu
        anchors.fill: parent

        SortMenuEntries {
            width: parent.width
            menu: menu
            sortedList: root.listModel
            onSortByCategoryClicked: root.sortByCategoryClicked()
            onSortByProductClicked: root.sortByProductClicked()
        }
        MenuItem {
            width: parent.width
            itemLabel: qsTr("Delete All")
            onItemClicked: root.deleteAllClicked()
        }
        MenuItem {
            width: parent.width
            itemLabel: qsTr("Shop mode")
            onItemClicked: {
                menu.close()
                root.shopModeClicked()
            }
        }
    }

    ItemDialog {
        id: itemEditDialog
        anchors.fill: parent
        manager: root.manager
        measureUnitsModel: root.measureUnitsModel
        currencySymbol: root.currencySymbol
        title: root.currentItemName
        keyboardOverlap: root.keyboardOverlap
        onDeleteClicked: {
            if (root.listModel.deleteItem(itemEditDialog.currentItemIndex))
                root.itemEditCloseClicked()
        }
        onCancelClicked: root.itemEditCloseClicked()
        onDoneClicked: {
            root.manager.updateListItem(itemEditDialog.currentItemIndex)
            root.itemEditCloseClicked()
        }
    }
}
