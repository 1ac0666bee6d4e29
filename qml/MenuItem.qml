import QtQuick

// One entry of a screen menu.
Rectangle {
    id: root

    property string itemLabel: ""
    property alias itemFont: label.font
    property alias itemAnchors: label.anchors
    property Gradient itemNormalGradient: Theme.menuItemGradient
    property Gradient itemPressedGradient: Theme.menuItemPressedGradient

    signal itemClicked()

    height: 65
    radius: 10
    border.width: 3
    border.color: Theme.borderColor
    gradient: root.itemNormalGradient
    Accessible.role: Accessible.MenuItem
    Accessible.name: root.itemLabel
    Accessible.onPressAction: root.itemClicked()

    Text {
        id: label
        anchors.fill: parent
        anchors.margins: 20
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.titleFontSize
        color: Theme.lightTextColor
        text: root.itemLabel
    }

    MouseArea {
        id: touchArea
        anchors.fill: parent
        onClicked: root.itemClicked()
    }

    states: State {
        name: "itemPressed"
        when: touchArea.pressed
        PropertyChanges { target: root; gradient: root.itemPressedGradient }
    }
}
