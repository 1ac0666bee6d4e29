pragma ComponentBehavior: Bound
import QtQuick

// Interface language and currency unit, each on a wheel. The core turns the wheels to the
// stored settings on the way in; "Done" hands back what the user turned them to.
Item {
    id: root

    signal cancelClicked()
    signal doneClicked(int languageId, int priceUnitId)

    visible: opacity >= 0.001

    Column {
        anchors.fill: parent

        ScreenHeader {
            width: parent.width
            height: Theme.barHeight
            buttonOneOpacity: 0
            buttonTwoOpacity: 0
            headerLabel: qsTr("Settings") + applicationManager.nullString
        }

        Item { width: parent.width; height: 10 }

        SettingLabel { text: qsTr("Language") + applicationManager.nullString + ": " }

        SettingWheel {
            id: languageWheel
            selectorName: "languageSelector"
            model: languagesDataModel
            delegate: WheelEntry {
                required property string language_name
                text: "  " + language_name
            }
        }

        Item { width: parent.width; height: 10 }

        SettingLabel { text: qsTr("Price unit") + applicationManager.nullString + ": " }

        SettingWheel {
            id: currencyWheel
            selectorName: "currencyUnitSelector"
            model: currencyUnitsDataModel
            delegate: WheelEntry {
                required property string currency_code
                required property string currency_name
                text: "  " + currency_code + " - " + currency_name
            }
        }
    }

    Row {
        anchors.bottom: parent.bottom
        width: parent.width
        height: Theme.barHeight

        TextButton {
            width: parent.width / 2
            label: qsTr("Cancel") + applicationManager.nullString
            onButtonClicked: root.cancelClicked()
        }
        TextButton {
            width: parent.width / 2
            label: qsTr("Done") + applicationManager.nullString
            onButtonClicked: root.doneClicked(languageWheel.currentIndex, currencyWheel.currentIndex)
        }
    }

    component SettingLabel: Text {
        x: 10
        width: parent.width - 10
        height: 30
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: 15
        font.capitalization: Font.AllUppercase
        color: Theme.textColor
    }

    // A full-width band holding a framed wheel; the core finds the wheel by selectorName.
    component SettingWheel: Item {
        property alias selectorName: wheel.objectName
        property alias currentIndex: wheel.currentIndex
        property alias model: wheel.model
        property alias delegate: wheel.delegate

        width: parent.width
        height: 90

        SelectorListView {
            id: wheel
            anchors.centerIn: parent
            width: parent.width - 30
            height: parent.height - 10
            border.width: 8
            radius: 10
            shadingRadius: 15
            shadingBorderWidth: 4
        }
    }

    component WheelEntry: Text {
        width: ListView.view.width
        height: 60
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: 30
        font.bold: true
        color: Theme.wheelTextColor
    }
}
