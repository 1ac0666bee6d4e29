pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.VirtualKeyboard.Components

// A key for each character of a string, in a keyboard row.
Repeater {
    id: root

    required property string characters
    // Characters offered on a long press, by the key's character.
    property var alternatives: ({})

    model: root.characters.split("")

    Key {
        id: character
        required property string modelData
        text: character.modelData
        key: character.modelData.toUpperCase().charCodeAt(0)
        alternativeKeys: root.alternatives[character.modelData] ?? []
    }
}
