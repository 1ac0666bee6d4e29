import QtQuick

// A glyph button: a touch area as high as its bar showing a 50 x 50 image, swapped for the
// pressed image while held down. Its user names it for a screen reader.
Item {
    id: root

    property string imageNormal: ""
    property string imagePressed: ""

    signal buttonClicked()

    width: Theme.rowButtonWidth
    // Hidden by opacity means untouchable too: a button at opacity 0 lets taps through.
    visible: opacity >= 0.001
    Accessible.role: Accessible.Button
    Accessible.onPressAction: root.buttonClicked()

    Glyph {
        id: image
        source: root.imageNormal
    }

    MouseArea {
        id: touchArea
        anchors.fill: parent
        onClicked: root.buttonClicked()
    }

    states: State {
        name: "buttonPressed"
        when: touchArea.pressed
        PropertyChanges { target: image; source: root.imagePressed }
    }
}
