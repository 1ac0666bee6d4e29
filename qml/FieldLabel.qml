import QtQuick

// The label over a field of the item dialog or the settings screen: indented by 10, in capitals.
Text {
    id: root

    x: 10
    width: parent ? parent.width - 10 : 0
    height: 20
    horizontalAlignment: Text.AlignLeft
    verticalAlignment: Text.AlignVCenter
    font.pixelSize: Theme.detailFontSize
    font.capitalization: Font.AllUppercase
    color: Theme.textColor
    Accessible.name: root.text
}
