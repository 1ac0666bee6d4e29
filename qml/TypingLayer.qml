import QtQuick

// What the window adds for typing, over its screens: the core's prompt for a line of text, Qt's
// on-screen keyboard where it belongs in the scene, made when a field first takes text, and the
// end of typing with a tap outside the field. It tells how far any on-screen keyboard reaches
// into the window, so that the screens keep what is typed above it.
Item {
    id: root
    objectName: "typingLayer"

    // Whether Qt's keyboard is the input method, to be drawn in the scene.
    required property bool keyboardInScene
    // The program's language, "en" or "ru".
    required property string language
    readonly property bool typing: root.Window.activeFocusItem instanceof TextInput
    // Qt's keyboard is made when a field first takes text, and kept.
    property bool keyboardWanted: false
    // A shell's keyboard tells its place on the screen; Qt's keyboard in the scene knows its own.
    property rect keyboardRectangle: InputMethod.visible ? InputMethod.keyboardRectangle
                                                          : Qt.rect(0, 0, 0, 0)
    readonly property real keyboardOverlap: keyboard.item
        ? root.height - keyboard.y
        : root.keyboardRectangle.height > 0
            ? Math.max(0, root.height - root.keyboardRectangle.y + root.mapToGlobal(0, 0).y) : 0

    onTypingChanged: root.keyboardWanted = root.keyboardWanted || root.keyboardInScene && root.typing

    NamePrompt {
        objectName: "namePrompt"
        anchors.fill: parent
        keyboardOverlap: root.keyboardOverlap
    }

    // A tap outside the field being typed into ends the typing: the field gives up its focus and
    // the keyboard goes. The tap goes on to whatever it falls on.
    MouseArea {
        anchors.fill: parent
        enabled: root.typing
        onPressed: mouse => {
            mouse.accepted = false
            const field = root.Window.activeFocusItem
            if (field && !field.contains(field.mapFromItem(root, mouse.x, mouse.y))) {
                field.focus = false
                InputMethod.hide()
            }
        }
    }

    // Qt's keyboard along the bottom edge while it shows. Its document, and Qt's keyboard module,
    // are read only once a field first takes text: the program runs without them installed.
    Loader {
        id: keyboard
        width: root.width
        y: InputMethod.visible ? root.height - keyboard.height : root.height
        active: root.keyboardWanted
        source: "KeyboardPanel.qml"
        // A field that took the focus before the keyboard was there asked it to show.
        onLoaded: InputMethod.show()
    }

    Binding {
        target: keyboard.item
        property: "language"
        value: root.language
        when: keyboard.item !== null
    }
    Binding {
        target: keyboard.item
        property: "windowHeight"
        value: root.height
        when: keyboard.item !== null
    }
}
