import QtQuick

// A screen's menu: its entries in a centred box over the darkened screen. A tap beside the
// entries closes it. Hidden (opacity 0) until opened.
FadingItem {
    id: root

    default property alias entries: column.data

    // Opening fades in; closing is at once (a Behavior on opacity may still animate it).
    function open() {
        openAnimation.restart()
    }
    function close() {
        openAnimation.stop()
        root.opacity = 0
    }

    opacity: 0
    Accessible.role: Accessible.PopupMenu

    FadeIn {
        id: openAnimation
        target: root
    }

    MouseArea {
        anchors.fill: parent
        onClicked: root.close()
    }

    Rectangle {
        anchors.fill: parent
        color: Theme.shadeColor
        opacity: Theme.shadeOpacity
    }

    // As high as its entries: 65 each, 5 apart.
    Column {
        id: column
        anchors.centerIn: parent
        width: 400
        spacing: Theme.spacing
    }
}
