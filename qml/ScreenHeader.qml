import QtQuick

// The title bar of every screen and dialog. A tap beside its buttons is the bar's own, which
// toggles full screen.
Rectangle {
    id: root

    property real buttonOneOpacity: 1
    property real buttonTwoOpacity: 1
    property string buttonOneImageNormal: ""
    property string buttonOneImagePressed: ""
    property string buttonTwoImageNormal: ""
    property string buttonTwoImagePressed: ""
    property string buttonOneName: ""
    property string buttonTwoName: ""
    property string headerLabel: ""
    // Without buttons, as in a prompt, the title takes the whole bar.
    property bool withButtons: true

    signal buttonOneClicked()
    signal buttonTwoClicked()
    signal barClicked()

    gradient: Theme.raisedGradient
    border.width: 1
    border.color: Theme.borderColor

    MouseArea {
        anchors.fill: parent
        onClicked: root.barClicked()
    }

    ImageButton {
        id: buttonOne
        anchors.left: parent.left
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        opacity: root.buttonOneOpacity
        imageNormal: root.buttonOneImageNormal
        imagePressed: root.buttonOneImagePressed
        Accessible.name: root.buttonOneName
        onButtonClicked: root.buttonOneClicked()
    }

    Text {
        anchors.left: root.withButtons ? buttonOne.right : root.left
        anchors.right: root.withButtons ? buttonTwo.left : root.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.titleFontSize
        font.bold: true
        color: Theme.lightTextColor
        elide: Text.ElideRight
        textFormat: Text.PlainText
        text: root.headerLabel
        Accessible.role: Accessible.Heading
        Accessible.name: root.headerLabel
    }

    ImageButton {
        id: buttonTwo
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        opacity: root.buttonTwoOpacity
        imageNormal: root.buttonTwoImageNormal
        imagePressed: root.buttonTwoImagePressed
        Accessible.name: root.buttonTwoName
        onButtonClicked: root.buttonTwoClicked()
    }
}
