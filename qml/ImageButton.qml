import QtQuick

// A glyph button: a touch area as high as its bar showing the 50 x 50 image of its glyph,
// swapped for the glyph's pressed image while held down, and named after the glyph for a screen
// reader. Without a glyph, as beside a dialog's title, it is neither drawn nor touched.
Item {
    id: root

    // "menu", "home", "back", "info", "edit" or "delete": images/<glyph>-button.png shows it.
    property string glyph: ""

    signal buttonClicked()

    function spokenName(pGlyph: string): string {
        switch (pGlyph) {
        case "menu": return qsTr("Menu")
        case "home": return qsTr("Home")
        case "back": return qsTr("Back")
        case "edit": return qsTr("Edit")
        case "delete": return Texts.deleteLabel
        // Named after the box it opens.
        case "info": return qsTranslate("kpApplicationManager", "About")
        }
        return ""
    }

    width: Theme.rowButtonWidth
    visible: root.glyph !== ""
    Accessible.role: Accessible.Button
    Accessible.name: root.spokenName(root.glyph)
    Accessible.onPressAction: root.buttonClicked()

    Glyph {
        source: root.glyph === "" ? ""
              : "qrc:/images/" + root.glyph + (touchArea.pressed ? "-button-pressed.png"
                                                                  : "-button.png")
    }

    MouseArea {
        id: touchArea
        anchors.fill: parent
        onClicked: root.buttonClicked()
    }
}
