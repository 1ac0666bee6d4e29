pragma ComponentBehavior: Bound
import QtQuick

// Composing the list: typing in items, the item dialog for amount, price and note, deleting,
// sorting, and the way on to the catalogue or the shop.
Item {
    id: root

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

    // The current row, or -1 when it names no row: the view keeps its current index when its
    // rows go (after deleting all of them, for one), and an index beyond the rows would file a
    // typed-in product under an empty category without asking for one.
    function selectedRow() {
        return listView.currentIndex < listView.count ? listView.currentIndex : -1
    }

    function addTypedItem() {
        if (productNameInput.text === "")
            return
        listDataModel.addItem(root.selectedRow(), productNameInput.text)
        productNameInput.text = ""
    }

    visible: opacity >= 0.001

    onMenuButtonClicked: menu.open()
    onSortByCategoryClicked: sortRefresh.run(function() {
        listDataModel.sortByCategory()
        listDataModel.updateModel()
    })
    onSortByProductClicked: sortRefresh.run(function() {
        listDataModel.sortByProduct()
        listDataModel.updateModel()
    })
    onDeleteAllClicked: {
        menu.close()
        listDataModel.deleteAll()
        listDataModel.updateModel()
    }
    onItemEditClicked: currentItemIndex => {
        // The core turns the wheels to the item's values before the dialog shows.
        applicationManager.updateValuesSelector(currentItemIndex)
        closeDialogAnimation.stop()
        openDialogAnimation.start()
    }
    onItemEditCloseClicked: {
        openDialogAnimation.stop()
        closeDialogAnimation.start()
    }

    FadeRefresh {
        id: sortRefresh
        target: listView
        fadeDuration: 200
        pauseDuration: 100
    }

    SequentialAnimation {
        id: openDialogAnimation
        FadeOut { target: mainLayer }
        FadeIn { target: itemEditDialog }
        PropertyAction { target: mainLayer; property: "opacity"; value: 0 }
    }

    SequentialAnimation {
        id: closeDialogAnimation
        FadeOut { target: itemEditDialog }
        FadeIn { target: mainLayer }
        PropertyAction { target: itemEditDialog; property: "opacity"; value: 0 }
    }

    Column {
        id: mainLayer
        anchors.fill: parent
        spacing: 5
        visible: opacity >= 0.001

        ScreenHeader {
            width: parent.width
            height: Theme.barHeight
            buttonOneImageNormal: "qrc:/images/menu-button.png"
            buttonOneImagePressed: "qrc:/images/menu-button-pressed.png"
            buttonTwoImageNormal: "qrc:/images/home-button.png"
            buttonTwoImagePressed: "qrc:/images/home-button-pressed.png"
            headerLabel: listDataModel.listName
            onButtonOneClicked: root.menuButtonClicked()
            onButtonTwoClicked: {
                categoriesDataModel.releaseModel()
                listDataModel.saveModel()
                root.homeButtonClicked()
            }
        }

        ListView {
            id: listView
            width: parent.width
            height: root.height - 150
            clip: true
            model: listDataModel
            delegate: ScreenEditDelegate {
                id: row
                width: listView.width
                onEditClicked: {
                    root.currentItemName = row.item_name
                    itemEditDialog.currentItemIndex = row.index
                    root.itemEditClicked(row.index)
                }
            }
        }

        Row {
            width: parent.width
            height: Theme.barHeight

            TextButton {
                width: 140
                label: qsTr("Categories") + applicationManager.nullString
                onButtonClicked: root.categoriesButtonClicked()
            }

            Rectangle {
                width: parent.width - 210
                height: 69
                color: "transparent"
                border.width: 1
                border.color: Theme.borderColor

                MouseArea {
                    anchors.fill: parent
                    onClicked: productNameInput.forceActiveFocus()
                }

                TextInput {
                    id: productNameInput
                    objectName: "editProductNameInput"
                    anchors.centerIn: parent
                    width: parent.width - 10
                    clip: true
                    color: Theme.textColor
                    font.pixelSize: 25
                    selectByMouse: true
                    onAccepted: root.addTypedItem()
                }
            }

            TextButton {
                width: 70
                label: qsTr("Ok") + applicationManager.nullString
                opacity: productNameInput.text === "" ? 0.5 : 1
                onButtonClicked: root.addTypedItem()

                Behavior on opacity {
                    NumberAnimation { duration: 100; easing.type: Easing.InQuart }
                }
            }
        }
    }

    ScreenMenu {
        id: menu
        anchors.fill: parent
        boxHeight: 275

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
            itemLabel: qsTr("Delete All") + applicationManager.nullString
            onItemClicked: root.deleteAllClicked()
        }
        MenuItem {
            width: parent.width
            itemLabel: qsTr("Shop mode") + applicationManager.nullString
            onItemClicked: {
                menu.close()
                categoriesDataModel.releaseModel()
                root.shopModeClicked()
            }
        }
    }

    Component {
        id: digitEntry
        Text {
            required property int index
            width: ListView.view.width
            height: 60
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: 30
            font.bold: true
            color: Theme.wheelTextColor
            text: index
        }
    }

    Component {
        id: unitEntry
        Text {
            required property string measure_name
            width: ListView.view.width
            height: 60
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: 20
            font.bold: true
            color: Theme.wheelTextColor
            text: measure_name
        }
    }

    Component {
        id: currencyEntry
        Text {
            width: ListView.view.width
            height: 60
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: 20
            font.bold: true
            color: Theme.wheelTextColor
            text: currencyUnitsDataModel.currentCurrencySymbol
        }
    }

    Item {
        id: itemEditDialog

        property int currentItemIndex: 0

        anchors.fill: parent
        opacity: 0
        visible: opacity >= 0.001

        Column {
            anchors.fill: parent

            ScreenHeader {
                width: parent.width
                height: 40
                buttonOneOpacity: 0
                buttonTwoOpacity: 0
                headerLabel: root.currentItemName
            }

            Item { width: parent.width; height: 10 }

            DialogLabel { text: qsTr("Amount") + applicationManager.nullString }

            ValuesSelector {
                objectName: "amountSelector"
                width: parent.width
                height: 75
                selectorModel1: 10
                selectorModel2: 10
                selectorModel3: 10
                selectorModel4: 10
                selectorModel5: 10
                selectorModel6: 10
                selectorModel7: measureUnitsDataModel
                selectorDelegate1: digitEntry
                selectorDelegate2: digitEntry
                selectorDelegate3: digitEntry
                selectorDelegate4: digitEntry
                selectorDelegate5: digitEntry
                selectorDelegate6: digitEntry
                selectorDelegate7: unitEntry
            }

            Item { width: parent.width; height: 10 }

            DialogLabel { text: qsTr("Price") + applicationManager.nullString }

            ValuesSelector {
                objectName: "priceSelector"
                width: parent.width
                height: 75
                selectorModel1: 10
                selectorModel2: 10
                selectorModel3: 10
                selectorModel4: 10
                selectorModel5: 10
                selectorModel6: 10
                selectorModel7: 1
                selectorDelegate1: digitEntry
                selectorDelegate2: digitEntry
                selectorDelegate3: digitEntry
                selectorDelegate4: digitEntry
                selectorDelegate5: digitEntry
                selectorDelegate6: digitEntry
                selectorDelegate7: currencyEntry
            }

            Item { width: parent.width; height: 10 }

            DialogLabel { text: qsTr("Note") + applicationManager.nullString }

            Rectangle {
                width: parent.width
                height: 60
                color: "transparent"
                border.width: 1
                border.color: Theme.borderColor

                MouseArea {
                    anchors.fill: parent
                    onClicked: noteInput.forceActiveFocus()
                }

                TextInput {
                    id: noteInput
                    objectName: "noteSelector"
                    anchors.right: parent.right
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.width - 10
                    clip: true
                    horizontalAlignment: TextInput.AlignLeft
                    color: Theme.textColor
                    font.pixelSize: 25
                    selectByMouse: true
                }
            }
        }

        Row {
            anchors.bottom: parent.bottom
            anchors.horizontalCenter: parent.horizontalCenter
            height: Theme.barHeight

            TextButton {
                width: itemEditDialog.width / 3
                label: qsTr("Delete") + applicationManager.nullString
                onButtonClicked: {
                    if (listDataModel.deleteItem(itemEditDialog.currentItemIndex))
                        root.itemEditCloseClicked()
                }
            }
            TextButton {
                width: itemEditDialog.width / 3
                label: qsTr("Cancel") + applicationManager.nullString
                onButtonClicked: root.itemEditCloseClicked()
            }
            TextButton {
                width: itemEditDialog.width / 3
                label: qsTr("Done") + applicationManager.nullString
                onButtonClicked: {
                    applicationManager.updateListItem(itemEditDialog.currentItemIndex)
                    root.itemEditCloseClicked()
                }
            }
        }
    }

    component DialogLabel: Text {
        x: 10
        width: parent.width - 10
        height: 20
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: 15
        font.capitalization: Font.AllUppercase
        color: Theme.textColor
    }
}
