import QtQuick

// A category header row that can be the list's current row: a tap makes it current, or clears it
// when it is. Where categories can be renamed, a press-and-hold asks for that.
ListRow {
    id: root

    required property string item_category_name
    property bool renamable: false

    signal renameClicked()

    growsIn: true

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
            // Without renaming, a long tap is a tap.
            onPressAndHold: mouse => {
                if (root.renamable)
                    root.renameClicked()
                else
                    mouse.accepted = false
            }
        }
    }
}
