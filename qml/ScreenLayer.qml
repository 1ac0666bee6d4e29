import QtQuick

// One of the window's screens, made when it is first needed: the main screen for the first frame,
// the others in the background once the window shows, and any of them at once when a move into
// it comes first. Not even the documents of the screens made later are read before the first
// frame. The layer stands for its screen: it is what fades and what is hidden, so that a hidden
// screen is neither drawn nor touched.
FadingItem {
    id: root

    // The window's state in which the screen is shown.
    required property string stateName
    // The screen's document, and what its properties start with (Qt.binding() keeps a binding).
    required property url source
    property var initialProperties: ({})
    property bool madeForFirstFrame: false
    // The screen itself, once made.
    property Item screen: null
    property var component: null
    property var incubator: null

    function makeInBackground() {
        if (root.component)
            return
        root.component = Qt.createComponent(root.source, Component.Asynchronous, root)
        root.component.statusChanged.connect(() => root.incubate(Qt.Asynchronous))
        root.incubate(Qt.Asynchronous)
    }

    // Finishes a screen that is still being read or made in the background.
    function makeNow() {
        if (!root.component || root.component.status === Component.Loading)
            root.component = Qt.createComponent(root.source, Component.PreferSynchronous, root)
        root.incubate(Qt.Synchronous)
        root.incubator.forceCompletion()
    }

    function incubate(pMode: int) {
        if (root.incubator || root.component.status !== Component.Ready)
            return
        const filling = {
            width: Qt.binding(() => root.width),
            height: Qt.binding(() => root.height)
        }
        root.incubator = root.component.incubateObject(
                    root, Object.assign(filling, root.initialProperties), pMode)
        if (root.incubator.status === Component.Ready) {
            root.screen = root.incubator.object
            return
        }
        root.incubator.onStatusChanged = status => {
            if (status === Component.Ready)
                root.screen = root.incubator.object
        }
    }

    anchors.fill: parent
    opacity: 0

    Component.onCompleted: {
        if (root.madeForFirstFrame)
            root.makeNow()
    }

    Connections {
        target: root.Window.window
        enabled: !root.component
        function onAfterRendering() {
            root.makeInBackground()
        }
    }
}
