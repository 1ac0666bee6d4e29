import QtQuick
import QtQuick.VirtualKeyboard
import QtQuick.VirtualKeyboard.Components
import "../common"

// Digits and the signs a product's name or note may hold, in every language.
KeyboardLayout {
    id: root

    inputMethod: PlainInputMethod {}
    keyWeight: 160

    KeyboardRow {
        CharacterKeys { characters: "1234567890" }
    }
    KeyboardRow {
        CharacterKeys { characters: "@#%&*-+()\"" }
    }
    KeyboardRow {
        CharacterKeys { characters: "'=,:;!?/" }
        BackspaceKey { weight: 2 * root.keyWeight }
    }
    FunctionKeys {
        rowWeight: 10 * root.keyWeight
        modeLabel: InputContext.locale.startsWith("ru") ? "АБВ" : "ABC"
    }
}
