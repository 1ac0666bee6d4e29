import QtQuick

// One of the program's 50 x 50 images, centred in its area and decoded at the size it is drawn.
Image {
    anchors.centerIn: parent
    width: 50
    height: 50
    sourceSize.width: 50
    sourceSize.height: 50
}
