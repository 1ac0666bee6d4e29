import QtQuick

// Hands what is shown over from one item to another: the leaving item fades out, betweenFades()
// asks for what belongs between the two fades, the entering item fades in, and the leaving item
// is hidden for good.
SequentialAnimation {
    id: root

    required property Item leaving
    required property Item entering
    property int pause: 0

    signal betweenFades()

    FadeOut { target: root.leaving }
    ScriptAction { script: root.betweenFades() }
    PauseAnimation { duration: root.pause }
    FadeIn { target: root.entering }
    PropertyAction { target: root.leaving; property: "opacity"; value: 0 }
}
