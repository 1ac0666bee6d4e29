import QtQuick

// One of the window's screens, made when it is first needed: the main screen for the first frame,
// the others in the background once the window shows, and any of them at once when a move into
// it comes first. The layer stands for its screen: it is what fades and what is hidden, so that
// a hidden screen is neither drawn nor touched.
Item {
    id: root

    required property Component screenComponent
    property bool madeForFirstFrame: false
    // The screen itself, once made.
    property Item screen: null
    property var incubator: null

    function makeInBackground() {
        if (root.incubator)
            return
        root.incubator = root.screenComponent.incubateObject(root, {}, Qt.Asynchronous)
        if (root.incubator.status === Component.Ready) {
            root.screen = root.incubator.object
            return
        }
        root.incubator.onStatusChanged = status => {
            if (status === Component.Ready)
                root.screen = root.incubator.object
        }
    }

    // Finishes a screen that is still being made in the background.
    function makeNow() {
        root.makeInBackground()
        root.incubator.forceCompletion()
    }

    anchors.fill: parent
    opacity: 0
    visible: opacity >= 0.001

    Component.onCompleted: {
        if (root.madeForFirstFrame)
            root.makeNow()
    }

    Connections {
        target: root.Window.window
        enabled: !root.incubator
        function onAfterRendering() {
            root.makeInBackground()
        }
    }
}
