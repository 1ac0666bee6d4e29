pragma ComponentBehavior: Bound
import QtQuick
import Tovimar.Core

// The checkout summary over the darkened shop screen: the list's name, the number of items in
// the cart and their total price. Only "Ok" leaves it; its texts are the shop screen's.
FadingItem {
    id: root

    required property ApplicationManager manager
    required property ListDataModel listModel
    required property string currencySymbol

    signal okClicked()

    function leave() {
        root.opacity = 0
        root.okClicked()
    }

    opacity: 0
    Accessible.role: Accessible.Dialog
    Accessible.name: root.listModel.listName

    Behavior on opacity {
        NumberAnimation { duration: Theme.quickDuration; easing.type: Easing.InQuart }
    }

    // Takes every tap beside the box.
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
        color: Theme.dialogColor
        border.width: 2
        border.color: Theme.borderColor

        Column {
            anchors.fill: parent
            spacing: 10

            ScreenHeader {
                width: parent.width
                height: 50
                headerLabel: root.listModel.listName
                onBarClicked: root.manager.toogleFullscreen()
            }

            Text {
                id: summary
                width: parent.width
                height: 150
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                font.pixelSize: Theme.titleFontSize
                color: Theme.textColor
                textFormat: Text.PlainText
                text: (root.listModel.checkoutAmount !== ""
                       ? qsTranslate("ScreenShop", "Items in cart")
                         + ": " + root.listModel.checkoutAmount + "\n"
                       : "")
                      + (root.listModel.checkoutPrice !== ""
                         ? qsTranslate("ScreenShop", "Total price")
                           + ": "
                           + Theme.priceWithSymbol(root.listModel.checkoutPrice,
                                                   root.currencySymbol)
                         : "")
                Accessible.name: summary.text
            }

            TextButton {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 200
                radius: 10
                label: "Ok"
                // Only a screen reader's press comes here: the area over it takes every tap.
                onButtonClicked: root.leave()

                // Over the whole button, so the tap leaves at once without a pressed look.
                MouseArea {
                    anchors.fill: parent
                    onClicked: root.leave()
                }
            }

            Item {
                width: parent.width
                height: 10
            }
        }
    }
}
