import QtQuick

// The title bar of every screen and dialog. A tap beside its buttons is the bar's own, which
// toggles full screen.
Rectangle {
    id: root

    // The glyphs of the buttons at either end; a bar without one shows no button there.
    property string buttonOneGlyph: ""
    property string buttonTwoGlyph: ""
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
        glyph: root.buttonOneGlyph
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
        glyph: root.buttonTwoGlyph
        onButtonClicked: root.buttonTwoClicked()
    }
}
