import QtQuick

// The bar of a category header row; light blue while its row is the current one.
Rectangle {
    id: root

    property string categoryName: ""
    property bool current: false

    height: 50
    color: root.current ? Theme.currentCategoryBarColor : Theme.categoryBarColor
    Accessible.role: Accessible.StaticText
    Accessible.name: root.categoryName

    Text {
        anchors.fill: parent
        anchors.margins: 5
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.titleFontSize
        font.bold: true
        font.capitalization: Font.AllUppercase
        color: Theme.lightTextColor
        elide: Text.ElideRight
        textFormat: Text.PlainText
        text: root.categoryName
    }
}
