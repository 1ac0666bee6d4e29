pragma ComponentBehavior: Bound
import QtQuick
import Tovimar.Core

// The saved shopping lists; the screen the program opens on.
Item {
    id: root

    required property ApplicationManager manager
    required property ListsDataModel listsModel
    required property string currencySymbol

    signal shopButtonClicked(int currentIndex)
    signal editButtonClicked(int currentIndex)
    signal newButtonClicked()
    signal settingsButtonClicked()
    signal aboutButtonClicked()
    signal deleteListClicked(int currentIndex)

    Column {
        anchors.fill: parent
        spacing: Theme.spacing

        ScreenHeader {
            width: parent.width
            height: Theme.barHeight
            buttonTwoGlyph: "info"
            headerLabel: qsTr("Shopping lists")
            onButtonTwoClicked: root.aboutButtonClicked()
            onBarClicked: root.manager.toogleFullscreen()
        }

        ListView {
            id: listsView
            width: parent.width
            height: root.height - Theme.listHeightLoss
            clip: true
            model: root.listsModel
            delegate: ScreenMainDelegate {
                id: row
                width: listsView.width
                currencySymbol: root.currencySymbol
                onShopClicked: root.shopButtonClicked(row.index)
                onEditClicked: root.editButtonClicked(row.index)
                onDeleteClicked: root.deleteListClicked(row.index)
            }
        }

        Row {
            width: parent.width
            height: Theme.barHeight

            TextButton {
                width: parent.width / 2
                label: qsTr("New")
                // The list's name is asked in a prompt of the window's own, which the tap must
                // not reach while it is still being delivered.
                // qmllint disable type
                onButtonClicked: Qt.callLater(root.newButtonClicked)
                // qmllint enable type
            }
            TextButton {
                width: parent.width / 2
                label: Texts.settingsTitle
                onButtonClicked: root.settingsButtonClicked()
            }
        }
    }
}
