pragma ComponentBehavior: Bound
import QtQuick
import Tovimar.Core

// The item dialog of the edit screen: the amount and its unit, the price and the note of one
// item. The core turns its wheels and reads them back, finding them by their object names; the
// dialog keeps no copy of the values. Its field names are the edit screen's.
FadingItem {
    id: root

    required property ApplicationManager manager
    required property MeasureUnitsDataModel measureUnitsModel
    required property string currencySymbol
    required property string title
    // How much of the dialog an on-screen keyboard covers from below.
    required property real keyboardOverlap
    property int currentItemIndex: 0

    signal deleteClicked()
    signal cancelClicked()
    signal doneClicked()

    opacity: 0
    Accessible.role: Accessible.Dialog
    Accessible.name: root.title

    Component {
        id: digitEntry
        WheelEntry {
            required property int index
            font.pixelSize: Theme.wheelFontSize
            text: index
        }
    }

    Component {
        id: unitEntry
        WheelEntry {
            required property string measure_name
            text: measure_name
        }
    }

    Component {
        id: currencyEntry
        WheelEntry {
            text: root.currencySymbol
        }
    }

    // While the note is typed, the dialog moves up as far as the keyboard leaves it under.
    Column {
        width: parent.width
        height: parent.height
        y: noteInput.activeFocus
           ? Math.min(0, root.height - root.keyboardOverlap - noteBox.y - noteBox.height) : 0

        ScreenHeader {
            width: parent.width
            height: Theme.dialogTitleHeight
            headerLabel: root.title
            onBarClicked: root.manager.toogleFullscreen()
        }

        Item { width: parent.width; height: 10 }

        FieldLabel {
            id: amountLabel
            text: qsTranslate("ScreenEdit", "Amount")
        }

        DigitsSelector {
            objectName: "amountSelector"
            Accessible.name: amountLabel.text
            digitDelegate: digitEntry
            selectorModel7: root.measureUnitsModel
            selectorDelegate7: unitEntry
        }

        Item { width: parent.width; height: 10 }

        FieldLabel {
            id: priceLabel
            text: qsTranslate("ScreenEdit", "Price")
        }

        DigitsSelector {
            objectName: "priceSelector"
            Accessible.name: priceLabel.text
            digitDelegate: digitEntry
            selectorModel7: 1
            selectorDelegate7: currencyEntry
        }

        Item { width: parent.width; height: 10 }

        FieldLabel {
            id: noteLabel
            text: qsTranslate("ScreenEdit", "Note")
        }

        Rectangle {
            id: noteBox
            width: parent.width
            height: Theme.fieldHeight
            color: "transparent"
            border.width: 1
            border.color: Theme.borderColor

            MouseArea {
                anchors.fill: parent
                onClicked: noteInput.forceActiveFocus()
            }

            TextInput {
                id: noteInput
                objectName: "noteSelector"
                anchors.right: parent.right
                anchors.verticalCenter: parent.verticalCenter
                width: parent.width - 10
                clip: true
                horizontalAlignment: TextInput.AlignLeft
                color: Theme.textColor
                font.pixelSize: Theme.largeFontSize
                selectByMouse: true
                Accessible.role: Accessible.EditableText
                Accessible.name: noteLabel.text
            }
        }
    }

    Row {
        anchors.bottom: parent.bottom
        anchors.horizontalCenter: parent.horizontalCenter
        height: Theme.barHeight

        TextButton {
            width: root.width / 3
            label: Texts.deleteLabel
            onButtonClicked: root.deleteClicked()
        }
        TextButton {
            width: root.width / 3
            label: Texts.cancelLabel
            onButtonClicked: root.cancelClicked()
        }
        TextButton {
            width: root.width / 3
            label: Texts.doneLabel
            onButtonClicked: root.doneClicked()
        }
    }
}
