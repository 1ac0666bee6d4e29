import QtQuick
import QtQuick.VirtualKeyboard
import QtQuick.VirtualKeyboard.Components

// The letters of the program's languages as typed, without word prediction. Every key of this
// layout has a weight of its own and every row adds up to the top row's width: the keyboard's own
// layouts in this version of Qt squeeze Shift, Enter and the mode and language keys into slivers.
KeyboardLayout {
    id: root

    readonly property var rows: InputContext.locale.startsWith("ru")
        ? ["йцукенгшщзх", "фывапролджэ", "ячсмитьбю"]
        : ["qwertyuiop", "asdfghjkl", "zxcvbnm"]
    readonly property real rowWeight: root.rows[0].length * root.keyWeight

    // Half the room the row's letters leave free.
    function margin(pRow: int): real {
        return (root.rowWeight - root.rows[pRow].length * root.keyWeight) / 2
    }

    inputMethod: PlainInputMethod {}
    keyWeight: 160

    component Letters: CharacterKeys {
        alternatives: ({ "е": ["е", "ё"], "ь": ["ь", "ъ"] })
    }

    KeyboardRow {
        Letters { characters: root.rows[0] }
    }
    KeyboardRow {
        FillerKey { weight: root.margin(1) }
        Letters { characters: root.rows[1] }
        FillerKey { weight: root.margin(1) }
    }
    KeyboardRow {
        ShiftKey { weight: root.margin(2) }
        Letters { characters: root.rows[2] }
        BackspaceKey { weight: root.margin(2) }
    }
    FunctionKeys {
        rowWeight: root.rowWeight
        modeLabel: "&123"
    }
}
