import QtQuick
import QtQuick.VirtualKeyboard
import QtQuick.VirtualKeyboard.Components

// The letters of one of the program's languages, typed as they are, without word prediction. Every
// key of this layout has a weight of its own and every row adds up to the top row's width: the
// keyboard's own layouts in this version of Qt squeeze Shift, Enter and the mode and language keys
// into slivers.
KeyboardLayout {
    id: root

    // The letter rows as a user reads them, from the top.
    required property var rows
    // Letters offered on a long press, by the key's letter.
    property var alternatives: ({})
    readonly property real rowWeight: root.rows[0].length * root.keyWeight

    // Half the room the row's letters leave free.
    function margin(pRow: int): real {
        return (root.rowWeight - root.rows[pRow].length * root.keyWeight) / 2
    }

    inputMethod: PlainInputMethod {}
    keyWeight: 160

    KeyboardRow {
        CharacterKeys {
            characters: root.rows[0]
            alternatives: root.alternatives
        }
    }
    KeyboardRow {
        FillerKey { weight: root.margin(1) }
        CharacterKeys {
            characters: root.rows[1]
            alternatives: root.alternatives
        }
        FillerKey { weight: root.margin(1) }
    }
    KeyboardRow {
        ShiftKey { weight: root.margin(2) }
        CharacterKeys {
            characters: root.rows[2]
            alternatives: root.alternatives
        }
        BackspaceKey { weight: root.margin(2) }
    }
    FunctionKeys {
        rowWeight: root.rowWeight
        modeLabel: "&123"
    }
}
