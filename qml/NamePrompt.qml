import QtQuick

// A question for one line of text inside the window: a title, a label, the field and OK and
// Cancel over a shade that keeps the rest of the window from touches. The core opens it and waits
// until it closes, as it waits for the toolkit's own dialogs. It stands above an on-screen
// keyboard, which comes up with it: the field has the focus as it opens.
Item {
    id: root

    // How much of the window an on-screen keyboard covers from below.
    required property real keyboardOverlap
    // The text accepted, empty when cancelled.
    property string answer: ""
    property string title: ""
    property string label: ""
    // The field that was being typed into when the prompt opened.
    property Item fieldBefore: null

    signal closed()

    function open(pTitle: string, pLabel: string, pText: string) {
        root.title = pTitle
        root.label = pLabel
        root.answer = ""
        input.text = pText
        const field = root.Window.activeFocusItem
        root.fieldBefore = field instanceof TextInput ? field : null
        root.visible = true
        input.forceActiveFocus()
        // Shells that show their keyboard only when asked, not on focus alone.
        InputMethod.show()
    }

    function close(pAnswer: string) {
        if (!root.visible)
            return
        root.answer = pAnswer
        root.visible = false
        // Typing goes on where it was, or ends with the prompt.
        if (root.fieldBefore) {
            root.fieldBefore.forceActiveFocus()
        } else {
            input.focus = false
            InputMethod.hide()
        }
        root.fieldBefore = null
        root.closed()
    }

    visible: false

    Rectangle {
        anchors.fill: parent
        color: Theme.shadeColor
        opacity: Theme.shadeOpacity

        MouseArea { anchors.fill: parent }
    }

    Rectangle {
        id: box
        width: root.width - 2 * Theme.dialogMargin
        height: column.height + 2 * Theme.spacing
        x: (root.width - box.width) / 2
        // In the middle of what the keyboard leaves, at the top where it leaves less.
        y: Math.max(0, (root.height - root.keyboardOverlap - box.height) / 2)
        color: Theme.dialogColor
        border.width: 1
        border.color: Theme.borderColor
        Accessible.role: Accessible.Dialog
        Accessible.name: root.title

        Column {
            id: column
            x: Theme.spacing
            y: Theme.spacing
            width: box.width - 2 * Theme.spacing
            spacing: Theme.spacing

            ScreenHeader {
                width: parent.width
                height: Theme.dialogTitleHeight
                withButtons: false
                headerLabel: root.title
            }

            Text {
                width: parent.width
                color: Theme.textColor
                font.pixelSize: Theme.largeFontSize
                wrapMode: Text.Wrap
                textFormat: Text.PlainText
                text: root.label
            }

            Rectangle {
                width: parent.width
                height: Theme.fieldHeight
                color: Theme.dialogColor
                border.width: 1
                border.color: Theme.borderColor

                TextInput {
                    id: input
                    anchors.verticalCenter: parent.verticalCenter
                    x: Theme.spacing
                    width: parent.width - 2 * Theme.spacing
                    clip: true
                    color: Theme.textColor
                    font.pixelSize: Theme.largeFontSize
                    selectByMouse: true
                    inputMethodHints: Qt.ImhNoPredictiveText
                    Accessible.role: Accessible.EditableText
                    Accessible.name: root.label
                    onAccepted: root.close(input.text)
                    Keys.onEscapePressed: root.close("")
                }
            }

            Row {
                spacing: Theme.spacing

                TextButton {
                    width: (column.width - Theme.spacing) / 2
                    label: qsTr("OK")
                    onButtonClicked: root.close(input.text)
                }
                TextButton {
                    width: (column.width - Theme.spacing) / 2
                    label: Texts.cancelLabel
                    onButtonClicked: root.close("")
                }
            }
        }
    }
}
