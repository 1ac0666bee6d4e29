pragma ComponentBehavior: Bound
import QtQuick

// Shopping: the items still to buy (list mode) or those in the cart (cart mode). When the last
// item has left the list the checkout summary is shown.
Item {
    id: root

    property alias menuOpacity: menu.opacity

    signal menuButtonClicked()
    signal homeButtonClicked()
    signal listButtonClicked()
    signal cartButtonClicked()
    signal sortByCategoryClicked()
    signal sortByProductClicked()
    signal editModeClicked()
    signal checkOutClicked()

    visible: opacity >= 0.001

    onMenuButtonClicked: menu.open()
    onListButtonClicked: modeSwitch.run(function() {
        listDataModel.displayList()
        listDataModel.updateModel()
        root.state = ""
    })
    onCartButtonClicked: modeSwitch.run(function() {
        listDataModel.displayCart()
        listDataModel.updateModel()
        root.state = "cart"
    })
    onSortByCategoryClicked: sortRefresh.run(function() {
        listDataModel.sortByCategory()
        listDataModel.updateModel()
    })
    onSortByProductClicked: sortRefresh.run(function() {
        listDataModel.sortByProduct()
        listDataModel.updateModel()
    })

    Connections {
        target: listDataModel
        function onCheckoutRequested() { checkoutDialog.opacity = 1 }
    }

    FadeRefresh {
        id: modeSwitch
        target: listView
    }

    FadeRefresh {
        id: sortRefresh
        target: listView
        fadeDuration: 200
        pauseDuration: 100
    }

    Column {
        anchors.fill: parent
        spacing: 5

        ScreenHeader {
            width: parent.width
            height: Theme.barHeight
            buttonOneImageNormal: "qrc:/images/menu-button.png"
            buttonOneImagePressed: "qrc:/images/menu-button-pressed.png"
            buttonTwoImageNormal: "qrc:/images/home-button.png"
            buttonTwoImagePressed: "qrc:/images/home-button-pressed.png"
            headerLabel: listDataModel.listName
            onButtonOneClicked: root.menuButtonClicked()
            onButtonTwoClicked: root.homeButtonClicked()
        }

        ListView {
            id: listView
            width: parent.width
            height: root.height - 150
            clip: true
            model: listDataModel
            delegate: ScreenShopDelegate {
                width: listView.width
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
                label: qsTr("List") + applicationManager.nullString
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
                height: 65
                label: qsTr("Cart") + applicationManager.nullString
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
        boxHeight: 205

        MenuItem {
            width: parent.width
            itemLabel: qsTr("Sort by category") + applicationManager.nullString
            onItemClicked: {
                menu.close()
                if (!listDataModel.isSortByCategory())
                    root.sortByCategoryClicked()
            }
        }
        MenuItem {
            width: parent.width
            itemLabel: qsTr("Sort by product") + applicationManager.nullString
            onItemClicked: {
                menu.close()
                if (!listDataModel.isSortByProduct())
                    root.sortByProductClicked()
            }
        }
        MenuItem {
            width: parent.width
            itemLabel: qsTr("Edit mode") + applicationManager.nullString
            onItemClicked: {
                menu.close()
                categoriesDataModel.loadModel()
                root.editModeClicked()
            }
        }
    }

    Item {
        id: checkoutDialog
        anchors.fill: parent
        opacity: 0
        visible: opacity >= 0.001

        Behavior on opacity {
            NumberAnimation { duration: 100; easing.type: Easing.InQuart }
        }

        // Takes every tap beside the box: only "Ok" leaves the dialog.
        Rectangle {
            anchors.fill: parent
            color: Theme.shadeColor
            opacity: Theme.shadeOpacity

            MouseArea {
                anchors.fill: parent
            }
        }

        Rectangle {
            anchors.centerIn: parent
            width: 400
            height: 300
            color: "#FFFFFFFF"
            border.width: 2
            border.color: Theme.borderColor

            Column {
                anchors.fill: parent
                spacing: 10

                ScreenHeader {
                    width: parent.width
                    height: 50
                    buttonOneOpacity: 0
                    buttonTwoOpacity: 0
                    headerLabel: listDataModel.listName
                }

                Text {
                    width: parent.width
                    height: 150
                    horizontalAlignment: Text.AlignHCenter
                    verticalAlignment: Text.AlignVCenter
                    font.pixelSize: 20
                    color: Theme.textColor
                    textFormat: Text.PlainText
                    text: (listDataModel.checkoutAmount !== ""
                           ? qsTr("Items in cart") + applicationManager.nullString + ": "
                             + listDataModel.checkoutAmount + "\n"
                           : "")
                          + (listDataModel.checkoutPrice !== ""
                             ? qsTr("Total price") + applicationManager.nullString + ": "
                               + listDataModel.checkoutPrice + " "
                               + currencyUnitsDataModel.currentCurrencySymbol
                             : "")
                }

                TextButton {
                    anchors.horizontalCenter: parent.horizontalCenter
                    width: 200
                    height: 70
                    radius: 10
                    label: "Ok"

                    // Over the whole button, so the tap leaves at once without a pressed look.
                    MouseArea {
                        anchors.fill: parent
                        onClicked: {
                            checkoutDialog.opacity = 0
                            root.checkOutClicked()
                        }
                    }
                }

                Item {
                    width: parent.width
                    height: 10
                }
            }
        }
    }

    states: State {
        name: "cart"
        PropertyChanges { target: listButton; height: 65 }
        PropertyChanges { target: cartButton; height: 70 }
    }

    transitions: Transition {
        NumberAnimation { property: "height"; duration: 100; easing.type: Easing.InQuart }
    }
}
