import QtQuick

// An item row of the shop screen, which a tap moves between list and cart.
ListRow {
    id: root

    required property string item_name
    required property string item_count
    required property string item_count_unit
    required property string item_comments
    required property string item_price
    required property string currencySymbol

    signal toggleClicked()
    signal deleteClicked()

    Accessible.role: Accessible.ListItem
    Accessible.name: rowTexts.spokenText
    Accessible.onPressAction: root.toggleClicked()

    Rectangle {
        id: background
        anchors.fill: parent
        color: "transparent"
    }

    MouseArea {
        id: touchArea
        anchors.fill: parent
        onClicked: root.toggleClicked()
    }

    ItemRowTexts {
        id: rowTexts
        anchors.left: parent.left
        anchors.right: deleteButton.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        itemName: root.item_name
        itemCount: root.item_count
        itemCountUnit: root.item_count_unit
        itemNote: root.item_comments
        itemPrice: root.item_price
        currencySymbol: root.currencySymbol
    }

    ImageButton {
        id: deleteButton
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        glyph: "delete"
        onButtonClicked: root.deleteClicked()
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
