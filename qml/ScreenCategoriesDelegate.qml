pragma ComponentBehavior: Bound
import QtQuick

// One row of the catalogue: a product, ticked by a tap unless the open list already holds it,
// or a category header. A press-and-hold renames either.
Item {
    id: root

    required property int index
    required property string item_type
    required property string item_status
    required property string item_name
    required property string item_category_name

    readonly property bool current: ListView.isCurrentItem
    readonly property bool listed: root.item_status === "unknown"

    function toggleCurrent() {
        root.ListView.view.currentIndex = root.current ? -1 : root.index
    }

    height: Theme.rowHeight
    clip: true

    ListView.onAdd: addAnimation.start()
    // A row that leaves the list shrinks away instead of vanishing.
    ListView.onRemove: {
        root.ListView.delayRemove = true
        removeAnimation.start()
    }

    SequentialAnimation {
        id: removeAnimation
        NumberAnimation {
            target: root; property: "height"; to: 0; duration: 200; easing.type: Easing.InQuart
        }
        PropertyAction { target: root; property: "ListView.delayRemove"; value: false }
    }
    NumberAnimation {
        id: addAnimation
        target: root; property: "height"; from: 0; to: Theme.rowHeight
        duration: 200; easing.type: Easing.InQuart
    }

    Item {
        anchors.fill: parent
        opacity: root.item_type === "item" ? 1 : 0
        visible: opacity >= 0.001

        Rectangle {
            anchors.fill: parent
            color: root.current ? Theme.currentRowColor : "transparent"
        }

        MouseArea {
            anchors.fill: parent
            onClicked: {
                root.toggleCurrent()
                if (!root.listed)
                    categoriesDataModel.toggleItem(root.index)
            }
            onPressAndHold: categoriesDataModel.renameItem(root.index)
        }

        Item {
            id: checkMark
            anchors.left: parent.left
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            width: 50
            opacity: root.listed || root.item_status === "checked" ? 1 : 0

            Image {
                anchors.centerIn: parent
                width: 50
                height: 50
                sourceSize.width: 50
                sourceSize.height: 50
                source: "qrc:/images/check-mark.png"
            }
        }

        Text {
            anchors.left: checkMark.right
            anchors.right: deleteButton.left
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            anchors.margins: 5
            horizontalAlignment: Text.AlignLeft
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: 25
            font.capitalization: Font.SmallCaps
            color: root.listed ? "#FFA0A0A0" : Theme.textColor
            elide: Text.ElideRight
            textFormat: Text.PlainText
            text: root.item_name
        }

        ImageButton {
            id: deleteButton
            anchors.right: parent.right
            anchors.top: parent.top
            anchors.bottom: parent.bottom
            imageNormal: "qrc:/images/delete-button.png"
            imagePressed: "qrc:/images/delete-button-pressed.png"
            onButtonClicked: categoriesDataModel.deleteItem(root.index)
        }

        Rectangle {
            anchors.bottom: parent.bottom
            width: parent.width
            height: 2
            color: Theme.separatorColor
        }
    }

    Item {
        anchors.fill: parent
        opacity: root.item_type === "category" ? 1 : 0
        visible: opacity >= 0.001

        CategoryBar {
            anchors.verticalCenter: parent.verticalCenter
            width: parent.width
            categoryName: root.item_category_name
            current: root.current

            MouseArea {
                anchors.fill: parent
                onClicked: root.toggleCurrent()
                onPressAndHold: categoriesDataModel.renameCategory(root.index)
            }
        }
    }
}
