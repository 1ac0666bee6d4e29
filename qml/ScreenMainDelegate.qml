pragma ComponentBehavior: Bound
import QtQuick

// One saved list: its name, number of items and price. A tap opens it for shopping, the arrow
// for editing, a press-and-hold asks to delete it.
Item {
    id: root

    required property int index
    required property string name
    required property string items_list
    required property string price_list
    required property string currencySymbol

    signal shopClicked()
    signal editClicked()
    signal deleteClicked()

    height: Theme.rowHeight
    clip: true
    Accessible.role: Accessible.ListItem
    Accessible.name: nameText.text + ", " + countText.text
                     + (priceText.text === "" ? "" : ", " + priceText.text)
    Accessible.onPressAction: root.shopClicked()

    Rectangle {
        id: background
        anchors.fill: parent
        color: "transparent"
    }

    MouseArea {
        id: touchArea
        anchors.fill: parent
        onClicked: root.shopClicked()
        onPressAndHold: root.deleteClicked()
    }

    Text {
        id: nameText
        anchors.left: parent.left
        anchors.right: countText.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.margins: 5
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.largeFontSize
        color: Theme.textColor
        elide: Text.ElideRight
        textFormat: Text.PlainText
        text: root.name
    }

    Text {
        id: countText
        anchors.right: editButton.left
        anchors.top: parent.top
        anchors.bottom: parent.verticalCenter
        anchors.margins: 5
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.detailFontSize
        color: Theme.detailTextColor
        text: qsTr("%n item(s)", "", Number(root.items_list) || 0)
    }

    Text {
        id: priceText
        anchors.right: editButton.left
        anchors.top: parent.verticalCenter
        anchors.bottom: parent.bottom
        anchors.margins: 5
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.detailFontSize
        color: Theme.detailTextColor
        textFormat: Text.PlainText
        text: Theme.priceWithSymbol(root.price_list, root.currencySymbol)
    }

    ImageButton {
        id: editButton
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        glyph: "edit"
        onButtonClicked: root.editClicked()
    }

    RowSeparator {}

    states: State {
        name: "itemPressed"
        when: touchArea.pressed
        PropertyChanges { target: background; color: Theme.pressedRowColor }
    }

    transitions: Transition {
        ColorAnimation { duration: Theme.quickDuration; easing.type: Easing.InQuart }
    }
}
