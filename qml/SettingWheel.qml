import QtQuick

// A wheel of the settings screen: a full-width band holding a framed wheel, which the core finds
// by its selector name.
Item {
    id: root

    property alias selectorName: wheel.objectName
    property alias currentIndex: wheel.currentIndex
    property alias model: wheel.model
    property alias delegate: wheel.delegate

    width: parent ? parent.width : 0
    height: 90

    SelectorListView {
        id: wheel
        anchors.centerIn: parent
        width: root.width - 30
        height: root.height - 10
        border.width: 8
        radius: 10
        shadingRadius: 15
        shadingBorderWidth: 4
    }
}
