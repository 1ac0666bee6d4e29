import QtQuick

// A category header row of the shop screen: the category's bar across the row, taking no touches.
ListRow {
    id: root

    required property string item_category_name

    CategoryBar {
        anchors.verticalCenter: parent.verticalCenter
        width: parent.width
        categoryName: root.item_category_name
    }
}
