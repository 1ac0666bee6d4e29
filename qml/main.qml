import QtQuick

Rectangle {
    id: root

    width: 800
    height: 480
    color: "#FFFAFAFA"
}
