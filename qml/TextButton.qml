import QtQuick

// A labelled push button that looks pressed in while held down.
Rectangle {
    id: root

    property string label: ""
    property Gradient buttonNormalGradient: Theme.raisedGradient
    property Gradient buttonPressedGradient: Theme.sunkenGradient

    signal buttonClicked()

    height: Theme.barHeight
    border.width: 1
    border.color: Theme.borderColor
    gradient: root.buttonNormalGradient
    Accessible.role: Accessible.Button
    Accessible.name: root.label
    Accessible.onPressAction: root.buttonClicked()

    Text {
        anchors.fill: parent
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: Theme.lightTextColor
        font.pixelSize: Theme.largeFontSize
        font.capitalization: Font.SmallCaps
        text: root.label
    }

    MouseArea {
        id: touchArea
        anchors.fill: parent
        onClicked: root.buttonClicked()
    }

    states: State {
        name: "buttonPressed"
        when: touchArea.pressed
        PropertyChanges { target: root; gradient: root.buttonPressedGradient }
    }
}
