pragma ComponentBehavior: Bound
import QtQuick

// The product catalogue: ticking products for the open list, adding products, renaming products
// and categories, deleting products.
Item {
    id: root

    signal menuButtonClicked()
    signal homeButtonClicked()
    signal sortByCategoryClicked()
    signal sortByProductClicked()

    // The current row, or -1 when it names no row: the view keeps its current index when its
    // rows go (after deleting all of them, for one), and an index beyond the rows would file a
    // typed-in product under an empty category without asking for one.
    function selectedRow() {
        return listView.currentIndex < listView.count ? listView.currentIndex : -1
    }

    function addTypedProduct() {
        if (productNameInput.text === "")
            return
        categoriesDataModel.addNewItem(root.selectedRow(), productNameInput.text)
        productNameInput.text = ""
    }

    visible: opacity >= 0.001

    onMenuButtonClicked: menu.opacity = 1
    onSortByCategoryClicked: sortRefresh.run(function() {
        categoriesDataModel.sortByCategory()
        categoriesDataModel.updateModel()
    })
    onSortByProductClicked: sortRefresh.run(function() {
        categoriesDataModel.sortByProduct()
        categoriesDataModel.updateModel()
    })

    FadeRefresh {
        id: sortRefresh
        target: listView
    }

    Column {
        anchors.fill: parent
        spacing: 5

        ScreenHeader {
            width: parent.width
            height: Theme.barHeight
            buttonOneImageNormal: "qrc:/images/menu-button.png"
            buttonOneImagePressed: "qrc:/images/menu-button-pressed.png"
            buttonTwoImageNormal: "qrc:/images/back-button.png"
            buttonTwoImagePressed: "qrc:/images/back-button-pressed.png"
            headerLabel: qsTr("Categories") + applicationManager.nullString
            onButtonOneClicked: root.menuButtonClicked()
            onButtonTwoClicked: root.homeButtonClicked()
        }

        ListView {
            id: listView
            width: parent.width
            height: root.height - 150
            clip: true
            flickableDirection: Flickable.VerticalFlick
            maximumFlickVelocity: 1000
            flickDeceleration: 500
            model: categoriesDataModel
            delegate: ScreenCategoriesDelegate {
                width: listView.width
            }
        }

        Row {
            width: parent.width
            height: Theme.barHeight

            Rectangle {
                width: parent.width - 70
                height: 69
                color: "transparent"
                border.width: 1
                border.color: Theme.borderColor

                TextInput {
                    id: productNameInput
                    objectName: "categoriesProductNameInput"
                    anchors.centerIn: parent
                    width: parent.width - 10
                    clip: true
                    color: Theme.textColor
                    font.pixelSize: 25
                    selectByMouse: true
                    onAccepted: root.addTypedProduct()
                }
            }

            TextButton {
                width: 70
                label: qsTr("Ok") + applicationManager.nullString
                opacity: productNameInput.text === "" ? 0.5 : 1
                onButtonClicked: root.addTypedProduct()

                Behavior on opacity {
                    NumberAnimation { duration: 100; easing.type: Easing.InQuart }
                }
            }
        }
    }

    // Unlike the other menus, this one fades both ways.
    ScreenMenu {
        id: menu
        anchors.fill: parent
        boxHeight: 135

        Behavior on opacity {
            NumberAnimation { duration: Theme.fadeDuration; easing.type: Easing.InQuart }
        }

        MenuItem {
            width: parent.width
            itemLabel: qsTr("Sort by category") + applicationManager.nullString
            onItemClicked: {
                menu.close()
                root.sortByCategoryClicked()
            }
        }
        MenuItem {
            width: parent.width
            itemLabel: qsTr("Sort by product") + applicationManager.nullString
            onItemClicked: {
                menu.close()
                root.sortByProductClicked()
            }
        }
    }
}
