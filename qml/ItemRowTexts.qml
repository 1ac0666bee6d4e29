import QtQuick

// The texts of a shopping-list item row: name and amount above, note and price below.
Item {
    id: root

    property string itemName: ""
    property string itemCount: ""
    property string itemCountUnit: ""
    property string itemNote: ""
    property string itemPrice: ""
    property string currencySymbol: ""
    // What a screen reader says of the row: the texts shown, in reading order.
    readonly property string spokenText: nameText.text + root.clause(countText.text)
                                         + root.clause(noteText.text) + root.clause(priceText.text)

    function clause(pText: string): string {
        return pText === "" ? "" : ", " + pText
    }

    Text {
        id: nameText
        anchors.left: parent.left
        anchors.right: countText.left
        anchors.top: parent.top
        anchors.bottom: parent.verticalCenter
        anchors.margins: 5
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.largeFontSize
        font.capitalization: Font.SmallCaps
        color: Theme.textColor
        elide: Text.ElideRight
        textFormat: Text.PlainText
        text: root.itemName
    }

    Text {
        id: countText
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.verticalCenter
        anchors.margins: 10
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.detailFontSize
        color: Theme.detailTextColor
        textFormat: Text.PlainText
        // No trailing blank without a unit: it would shift the amount out of line with the price.
        text: root.itemCount === "" ? ""
            : root.itemCountUnit.trim() === "" ? root.itemCount
            : root.itemCount + " " + root.itemCountUnit
    }

    Text {
        id: noteText
        anchors.left: parent.left
        anchors.right: priceText.left
        anchors.top: parent.verticalCenter
        anchors.bottom: parent.bottom
        anchors.margins: 10
        horizontalAlignment: Text.AlignLeft
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.detailFontSize
        color: Theme.detailTextColor
        elide: Text.ElideRight
        textFormat: Text.PlainText
        text: root.itemNote
    }

    Text {
        id: priceText
        anchors.right: parent.right
        anchors.top: parent.verticalCenter
        anchors.bottom: parent.bottom
        anchors.margins: 10
        horizontalAlignment: Text.AlignRight
        verticalAlignment: Text.AlignVCenter
        font.pixelSize: Theme.detailFontSize
        color: Theme.detailTextColor
        textFormat: Text.PlainText
        text: Theme.priceWithSymbol(root.itemPrice, root.currencySymbol)
    }
}
