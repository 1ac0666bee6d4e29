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

    signal shopClicked()
    signal editClicked()

    height: Theme.rowHeight
    clip: true

    Rectangle {
        id: background
        anchors.fill: parent
        color: "transparent"
    }

    MouseArea {
        id: touchArea
        anchors.fill: parent
        onClicked: root.shopClicked()
        onPressAndHold: applicationManager.deleteList(root.index)
    }

    Text {
        anchors.left: parent.left
        anchors.right: countText.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.margins: 5
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: 25
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
        font.pixelSize: 15
        color: Theme.detailTextColor
        text: qsTr("%n item(s)", "", Number(root.items_list) || 0) + applicationManager.nullString
    }

    Text {
        anchors.right: editButton.left
        anchors.top: parent.verticalCenter
        anchors.bottom: parent.bottom
        anchors.margins: 5
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: 15
        color: Theme.detailTextColor
        textFormat: Text.PlainText
        text: root.price_list !== ""
              ? root.price_list + " " + currencyUnitsDataModel.currentCurrencySymbol : ""
    }

    ImageButton {
        id: editButton
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        imageNormal: "qrc:/images/edit-button.png"
        imagePressed: "qrc:/images/edit-button-pressed.png"
        onButtonClicked: root.editClicked()
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 2
        color: Theme.separatorColor
    }

    states: State {
        name: "itemPressed"
        when: touchArea.pressed
        PropertyChanges { target: background; color: Theme.pressedRowColor }
    }

    transitions: Transition {
        ColorAnimation { duration: 100; easing.type: Easing.InQuart }
    }
}
