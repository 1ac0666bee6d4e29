pragma ComponentBehavior: Bound
import QtQuick

// One row of the catalogue: a product, ticked by a tap unless the open list already holds it,
// or a category header. A press-and-hold renames either.
ListRow {
    id: root

    required property string item_type
    required property string item_status
    required property string item_name
    required property string item_category_name

    readonly property bool listed: root.item_status === "unknown"

    signal tickClicked()
    signal deleteClicked()
    signal renameItemClicked()
    signal renameCategoryClicked()

    function tapProduct() {
        root.toggleCurrent()
        if (!root.listed)
            root.tickClicked()
    }

    growsIn: true

    Item {
        anchors.fill: parent
        opacity: root.item_type === "item" ? 1 : 0
        visible: opacity >= 0.001
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
            onPressAndHold: root.renameItemClicked()
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

    Item {
        anchors.fill: parent
        opacity: root.item_type === "category" ? 1 : 0
        visible: opacity >= 0.001

        CategoryBar {
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width
            categoryName: root.item_category_name
            current: root.current
            Accessible.selectable: true
            Accessible.selected: root.current
            Accessible.onPressAction: root.toggleCurrent()

            MouseArea {
                anchors.fill: parent
                onClicked: root.toggleCurrent()
                onPressAndHold: root.renameCategoryClicked()
            }
        }
    }
}
