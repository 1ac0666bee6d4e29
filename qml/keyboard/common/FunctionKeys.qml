import QtQuick
import QtQuick.VirtualKeyboard.Components

// The bottom row of every layout: digits and symbols, the language, space, a full stop, hiding
// the keyboard and Enter, each at least as wide as a letter.
KeyboardRow {
    id: root

    // The width of the layout's other rows.
    required property real rowWeight
    // What the mode key leads to: digits and symbols, or letters.
    required property string modeLabel
    readonly property real wideWeight: 1.5 * root.keyWeight

    SymbolModeKey {
        weight: root.wideWeight
        displayText: root.modeLabel
    }
    ChangeLanguageKey { weight: root.keyWeight }
    SpaceKey { weight: root.rowWeight - 2 * root.wideWeight - 3 * root.keyWeight }
    Key {
        key: Qt.Key_Period
        text: "."
    }
    HideKeyboardKey { weight: root.keyWeight }
    EnterKey { weight: root.wideWeight }
}
