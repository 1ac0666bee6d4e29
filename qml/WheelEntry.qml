import QtQuick

// One entry of a value wheel: as wide as the wheel, in the wheel's bold blue.
Text {
    width: ListView.view ? ListView.view.width : 0
    height: 60
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
    font.pixelSize: Theme.titleFontSize
    font.bold: true
    color: Theme.wheelTextColor
}
