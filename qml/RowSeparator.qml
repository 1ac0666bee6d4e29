import QtQuick

// The line at the bottom of a list row.
Rectangle {
    anchors.bottom: parent ? parent.bottom : undefined
    width: parent ? parent.width : 0
    height: 2
    color: Theme.separatorColor
}
