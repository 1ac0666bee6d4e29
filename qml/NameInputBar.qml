import QtQuick

// The footer's text input for the name of a new product, with its "Ok" button, half transparent
// while there is nothing to add. A name is handed on together with the list's current row.
Row {
    id: root

    required property ListView list
    property alias inputName: input.objectName
    // Whether a tap anywhere in the box gives the input the focus, or only a tap on the input.
    property bool boxTakesFocus: false
    readonly property bool typing: input.activeFocus

    signal nameEntered(int row, string name)

    // The current row, or -1 when it names no row: the view keeps its current index when its
    // rows go (after deleting all of them, for one), and an index beyond the rows would file a
    // typed-in product under an empty category without asking for one.
    function selectedRow(): int {
        return root.list.currentIndex < root.list.count ? root.list.currentIndex : -1
    }

    // Handed on once the tap or key that entered it is delivered: taking it in, the core may ask
    // for its category in a prompt of the window's own, which that same tap or key must not reach.
    function enterName() {
        if (input.text === "")
            return
        const row = root.selectedRow()
        const name = input.text
        input.text = ""
        // qmllint disable type
        Qt.callLater(() => root.nameEntered(row, name))
        // qmllint enable type
    }

    height: Theme.barHeight

    Rectangle {
        width: root.width - okButton.width
        height: Theme.barHeight - 1
        color: "transparent"
        border.width: 1
        border.color: Theme.borderColor

        MouseArea {
            anchors.fill: parent
            enabled: root.boxTakesFocus
            onClicked: input.forceActiveFocus()
        }

        TextInput {
            id: input
            anchors.centerIn: parent
            width: parent.width - 10
            clip: true
            color: Theme.textColor
            font.pixelSize: Theme.largeFontSize
            selectByMouse: true
            // Product names are not words: word prediction only gets in the way of typing them.
            inputMethodHints: Qt.ImhNoPredictiveText
            Accessible.role: Accessible.EditableText
            Accessible.name: qsTr("Product name")
            onAccepted: root.enterName()
            // A screen that goes takes its focus along: the keyboard would stay up over the next
            // screen and type into this hidden input.
            onVisibleChanged: {
                if (!input.visible)
                    input.focus = false
            }
        }
    }

    TextButton {
        id: okButton
        width: Theme.rowButtonWidth
        label: qsTr("Ok")
        opacity: input.text === "" ? 0.5 : 1
        onButtonClicked: root.enterName()

        Behavior on opacity {
            NumberAnimation { duration: Theme.quickDuration; easing.type: Easing.InQuart }
        }
    }
}
