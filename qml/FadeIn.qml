import QtQuick

NumberAnimation {
    property: "opacity"
    to: 1
    duration: Theme.fadeDuration
    easing.type: Easing.InQuart
}
