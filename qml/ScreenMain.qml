pragma ComponentBehavior: Bound
import QtQuick

// The saved shopping lists; the screen the program opens on.
Item {
    id: root

    signal shopButtonClicked(int currentIndex)
    signal editButtonClicked(int currentIndex)
    signal newButtonClicked()
    signal settingsButtonClicked()
    signal aboutButtonClicked()

    visible: opacity >= 0.001

    Column {
        anchors.fill: parent
        spacing: 5

        ScreenHeader {
            width: parent.width
            height: Theme.barHeight
            buttonOneOpacity: 0
            buttonTwoImageNormal: "qrc:/images/info-button.png"
            buttonTwoImagePressed: "qrc:/images/info-button-pressed.png"
            headerLabel: qsTr("Shopping lists") + applicationManager.nullString
            onButtonTwoClicked: root.aboutButtonClicked()
        }

        ListView {
            id: listsView
            width: parent.width
            height: root.height - 150
            clip: true
            model: listsDataModel
            delegate: ScreenMainDelegate {
                id: row
                width: listsView.width
                onShopClicked: root.shopButtonClicked(row.index)
                onEditClicked: root.editButtonClicked(row.index)
            }
        }

        Row {
            width: parent.width
            height: Theme.barHeight

            TextButton {
                width: parent.width / 2
                label: qsTr("New") + applicationManager.nullString
                onButtonClicked: root.newButtonClicked()
            }
            TextButton {
                width: parent.width / 2
                label: qsTr("Settings") + applicationManager.nullString
                onButtonClicked: root.settingsButtonClicked()
            }
        }
    }
}
