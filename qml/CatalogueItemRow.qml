import QtQuick

// A product row of the catalogue: ticked by a tap unless the open list already holds it; a
// press-and-hold renames it.
ListRow {
    id: root

    required property string item_status
    required property string item_name

    readonly property bool listed: root.item_status === "unknown"

    signal tickClicked()
    signal deleteClicked()
    signal renameClicked()

    function tapProduct() {
        root.toggleCurrent()
        if (!root.listed)
            root.tickClicked()
    }

    growsIn: true
    Accessible.role: Accessible.ListItem
    Accessible.name: productText.text
    Accessible.checkable: true
    Accessible.checked: checkMark.opacity === 1
    Accessible.selectable: true
    Accessible.selected: root.current
    Accessible.onPressAction: root.tapProduct()

    Rectangle {
        anchors.fill: parent
        color: root.current ? Theme.currentRowColor : "transparent"
    }

    MouseArea {
        anchors.fill: parent
        onClicked: root.tapProduct()
        onPressAndHold: root.renameClicked()
    }

    Item {
        id: checkMark
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        width: 50
        opacity: root.listed || root.item_status === "checked" ? 1 : 0

        Glyph {
            source: "qrc:/images/check-mark.png"
        }
    }

    Text {
        id: productText
        anchors.left: checkMark.right
        anchors.right: deleteButton.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        anchors.margins: 5
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.largeFontSize
        font.capitalization: Font.SmallCaps
        color: root.listed ? Theme.greyedTextColor : Theme.textColor
        elide: Text.ElideRight
        textFormat: Text.PlainText
        text: root.item_name
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
}
