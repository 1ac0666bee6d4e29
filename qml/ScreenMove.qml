import QtQuick

// One move of the window from one screen to another: starting() asks for the calls that go
// before it, then the leaving screen is handed over to the entering one.
Transition {
    id: root

    required property Item leaving
    required property Item entering
    property int pause: 0

    signal starting()
    signal betweenFades()

    SequentialAnimation {
        ScriptAction { script: root.starting() }
        CrossFade {
            leaving: root.leaving
            entering: root.entering
            pause: root.pause
            onBetweenFades: root.betweenFades()
        }
    }
}
