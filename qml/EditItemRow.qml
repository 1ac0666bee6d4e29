import QtQuick

// An item row of the edit screen with its edit button. A tap makes the row current (or clears
// the current row when it is current already).
ListRow {
    id: root

    required property string item_name
    required property string item_count
    required property string item_count_unit
    required property string item_comments
    required property string item_price
    required property string currencySymbol

    signal editClicked()

    growsIn: true
    Accessible.role: Accessible.ListItem
    Accessible.name: rowTexts.spokenText
    Accessible.selectable: true
    Accessible.selected: root.current
    Accessible.onPressAction: root.toggleCurrent()

    Rectangle {
        anchors.fill: parent
        color: root.current ? Theme.currentRowColor : "transparent"
    }

    MouseArea {
        anchors.fill: parent
        onClicked: root.toggleCurrent()
    }

    ItemRowTexts {
        id: rowTexts
        anchors.left: parent.left
        anchors.right: editButton.left
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
        id: editButton
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        glyph: "edit"
        onButtonClicked: root.editClicked()
    }

    RowSeparator {}
}
