import QtQuick

// Fades a list out, changes what it shows while it is faded out, and fades it in again, so that
// the user never sees the rows jump.
SequentialAnimation {
    id: root

    property Item target
    property int fadeDuration: Theme.fadeDuration
    property int pauseDuration: 0
    property var action: function() {}

    // pAction runs once the target is faded out.
    function run(pAction) {
        root.action = pAction
        root.restart()
    }

    FadeOut { target: root.target; duration: root.fadeDuration }
    ScriptAction { script: root.action() }
    PauseAnimation { duration: root.pauseDuration }
    FadeIn { target: root.target; duration: root.fadeDuration }
}
