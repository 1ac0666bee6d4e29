import QtQuick

Rectangle {
    width: 800
    height: 480
    color: "#FFFAFAFA"
}
