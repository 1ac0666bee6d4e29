import QtQuick

// A row of a screen's list. A row that leaves the list shrinks away instead of vanishing; where
// rows grow in, an added row grows to its full height.
Item {
    id: root

    required property int index
    property bool growsIn: false
    // The list's current row is its selection: a tap on it clears it, a tap elsewhere moves it.
    readonly property bool current: ListView.isCurrentItem

    function toggleCurrent() {
        root.ListView.view.currentIndex = root.current ? -1 : root.index
    }

    height: Theme.rowHeight
    clip: true

    ListView.onAdd: {
        if (root.growsIn)
            addAnimation.start()
    }
    ListView.onRemove: {
        root.ListView.delayRemove = true
        removeAnimation.start()
    }

    SequentialAnimation {
        id: removeAnimation
        NumberAnimation {
            target: root
            property: "height"
            to: 0
            duration: Theme.rowResizeDuration
            easing.type: Easing.InQuart
        }
        PropertyAction { target: root; property: "ListView.delayRemove"; value: false }
    }
    NumberAnimation {
        id: addAnimation
        target: root
        property: "height"
        from: 0
        to: Theme.rowHeight
        duration: Theme.rowResizeDuration
        easing.type: Easing.InQuart
    }
}
