import QtQuick
import QtQuick.VirtualKeyboard
import QtQuick.VirtualKeyboard.Settings
import QtQuick.VirtualKeyboard.Styles

// Qt's on-screen keyboard in the window's own scene: it comes up while a field takes text and
// goes when typing ends, with the hide key or a tap elsewhere, taking the field's focus along so
// that the screen is as it was. It types in the program's language and switches to the other
// with one key.
InputPanel {
    id: root
    objectName: "keyboardPanel"

    // The program's language, "en" or "ru", which names the keyboard's layouts too.
    property string language: "en"
    property real windowHeight: 0

    // The language key switches at once instead of offering a list.
    externalLanguageSwitchEnabled: true
    onExternalLanguageSwitch: (pLocales, pCurrent) => {
        VirtualKeyboardSettings.locale = pLocales[(pCurrent + 1) % pLocales.length]
    }
    onActiveChanged: {
        const field = root.Window.activeFocusItem
        if (!root.active && field)
            field.focus = false
    }
    onLanguageChanged: VirtualKeyboardSettings.locale = root.language
    Component.onCompleted: {
        VirtualKeyboardSettings.activeLocales = ["en", "ru"]
        VirtualKeyboardSettings.locale = root.language
    }

    // The keyboard's style keeps its keys in one proportion, which makes them a sliver high on a
    // narrow screen and a third of a wide one deep: instead it takes at most 0.6 of its width and
    // 45 % of the window's height. The style draws its labels at a scale of its own design size:
    // as large as the keys are high, as in its own proportion, but never wider than a narrow key.
    readonly property real keysHeight: Math.min(root.width * 0.6, root.windowHeight * 0.45)
    readonly property real labelScale: Math.min(root.keysHeight / 800, root.width / 1600)
    readonly property KeyboardStyle style: root.keyboard.style as KeyboardStyle

    Binding {
        target: root.style
        property: "keyboardDesignHeight"
        value: root.keysHeight / root.labelScale
        when: root.style !== null && root.labelScale > 0
    }
    Binding {
        target: root.style
        property: "keyboardDesignWidth"
        value: root.width / root.labelScale
        when: root.style !== null && root.labelScale > 0
    }
}
