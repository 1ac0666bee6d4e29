import QtQuick

// One move of the window from one screen to another: the entering screen is made if it is not
// yet, starting() asks for the calls that go before the move, then the leaving screen is handed
// over to the entering one.
Transition {
    id: root

    required property ScreenLayer leaving
    required property ScreenLayer entering
    property int pause: 0

    from: root.leaving.stateName
    to: root.entering.stateName

    signal starting()
    signal betweenFades()

    SequentialAnimation {
        ScriptAction {
            script: {
                root.entering.makeNow()
                root.starting()
            }
        }
        CrossFade {
            leaving: root.leaving
            entering: root.entering
            pause: root.pause
            onBetweenFades: root.betweenFades()
        }
    }
}
