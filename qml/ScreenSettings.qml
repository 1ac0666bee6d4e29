pragma ComponentBehavior: Bound
import QtQuick
import Tovimar.Core

// Interface language and currency unit, each on a wheel. The core turns the wheels to the
// stored settings on the way in; "Done" hands back what the user turned them to.
Item {
    id: root

    required property ApplicationManager manager
    required property LanguagesDataModel languagesModel
    required property CurrencyUnitsDataModel currencyUnitsModel

    signal cancelClicked()
    signal doneClicked(int languageId, int priceUnitId)

    Column {
        anchors.fill: parent

        ScreenHeader {
            width: parent.width
            height: Theme.barHeight
            headerLabel: Texts.settingsTitle
            onBarClicked: root.manager.toogleFullscreen()
        }

        Item { width: parent.width; height: 10 }

        FieldLabel {
            height: 30
            text: qsTr("Language") + ": "
        }

        SettingWheel {
            id: languageWheel
            selectorName: "languageSelector"
            model: root.languagesModel
            delegate: WheelEntry {
                required property string language_name
                horizontalAlignment: Text.AlignLeft
                font.pixelSize: Theme.wheelFontSize
                text: "  " + language_name
            }
        }

        Item { width: parent.width; height: 10 }

        FieldLabel {
            height: 30
            text: qsTr("Price unit") + ": "
        }

        SettingWheel {
            id: currencyWheel
            selectorName: "currencyUnitSelector"
            model: root.currencyUnitsModel
            delegate: WheelEntry {
                required property string currency_code
                required property string currency_name
                horizontalAlignment: Text.AlignLeft
                font.pixelSize: Theme.wheelFontSize
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
            label: Texts.cancelLabel
            onButtonClicked: root.cancelClicked()
        }
        TextButton {
            width: parent.width / 2
            label: Texts.doneLabel
            onButtonClicked: root.doneClicked(languageWheel.currentIndex, currencyWheel.currentIndex)
        }
    }
}
