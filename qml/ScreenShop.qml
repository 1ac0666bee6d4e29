pragma ComponentBehavior: Bound
import QtQuick
import Qt.labs.qmlmodels
import Tovimar.Core

// Shopping: the items still to buy (list mode) or those in the cart (cart mode). When the last
// item has left the list the checkout summary is shown.
Item {
    id: root

    required property ApplicationManager manager
    required property ListDataModel listModel
    required property string currencySymbol
    property alias menuOpacity: menu.opacity

    signal menuButtonClicked()
    signal homeButtonClicked()
    signal listButtonClicked()
    signal cartButtonClicked()
    signal sortByCategoryClicked()
    signal sortByProductClicked()
    signal editModeClicked()
    signal checkOutClicked()

    onMenuButtonClicked: menu.open()
    onListButtonClicked: modeSwitch.run("")
    onCartButtonClicked: modeSwitch.run("cart")
    onSortByCategoryClicked: sortRefresh.run("category")
    onSortByProductClicked: sortRefresh.run("product")

    Connections {
        target: root.listModel
        function onCheckoutRequested() { checkoutDialog.opacity = 1 }
    }

    // The screen's state names the mode shown, the list's display follows it.
    FadeRefresh {
        id: modeSwitch
        target: listView
        onFaded: mode => {
            if (mode === "cart")
                root.listModel.displayCart()
            else
                root.listModel.displayList()
            root.listModel.updateModel()
            root.state = mode
        }
    }

    ListSortRefresh {
        id: sortRefresh
        target: listView
        listModel: root.listModel
    }

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
            height: root.height - Theme.listHeightLoss
            clip: true
            model: root.listModel
            delegate: DelegateChooser {
                role: "item_type"
                DelegateChoice {
                    roleValue: "category"
                    CategoryRow { width: listView.width }
                }
                DelegateChoice {
                    roleValue: "item"
                    ShopItemRow {
                        id: itemRow
                        width: listView.width
                        currencySymbol: root.currencySymbol
                        onToggleClicked: root.listModel.toggleItem(itemRow.index)
                        onDeleteClicked: root.listModel.deleteItem(itemRow.index)
                    }
                }
            }
        }

        // The button of the mode shown stands higher than the other.
        Item {
            width: parent.width
            height: Theme.barHeight

            TextButton {
                id: listButton
                anchors.left: parent.left
                anchors.bottom: parent.bottom
                width: root.width / 2
                label: qsTr("List")
                onButtonClicked: {
                    if (root.state !== "")
                        root.listButtonClicked()
                }
            }
            TextButton {
                id: cartButton
                anchors.right: parent.right
                anchors.bottom: parent.bottom
                width: root.width / 2
                height: Theme.barHeight - 5
                label: qsTr("Cart")
                onButtonClicked: {
                    if (root.state !== "cart")
                        root.cartButtonClicked()
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
            itemLabel: qsTr("Edit mode")
            onItemClicked: {
                menu.close()
                root.editModeClicked()
            }
        }
    }

    CheckoutDialog {
        id: checkoutDialog
        anchors.fill: parent
        manager: root.manager
        listModel: root.listModel
        currencySymbol: root.currencySymbol
        onOkClicked: root.checkOutClicked()
    }

    states: State {
        name: "cart"
        PropertyChanges { target: listButton; height: Theme.barHeight - 5 }
        PropertyChanges { target: cartButton; height: Theme.barHeight }
    }

    transitions: Transition {
        NumberAnimation {
            property: "height"
            duration: Theme.quickDuration
            easing.type: Easing.InQuart
        }
    }
}
