import QtQuick

// Fades a list out, has what it shows changed while it is faded out, and fades it in again, so
// that the user never sees the rows jump. run() names the change; faded() asks for it.
SequentialAnimation {
    id: root

    property Item target
    property int fadeDuration: Theme.fadeDuration
    property int pauseDuration: 0
    property string change

    signal faded(string change)

    function run(pChange: string) {
        root.change = pChange
        root.restart()
    }

    FadeOut { target: root.target; duration: root.fadeDuration }
    ScriptAction { script: root.faded(root.change) }
    PauseAnimation { duration: root.pauseDuration }
    FadeIn { target: root.target; duration: root.fadeDuration }
}
