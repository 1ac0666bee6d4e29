import QtQuick

// The least program that shows text: the fonts are found and loaded, as every screen needs.
Rectangle {
    width: 800
    height: 480
    color: "#FFFAFAFA"

    Text {
        text: "Shopping list"
        font.pixelSize: 25
    }
}
