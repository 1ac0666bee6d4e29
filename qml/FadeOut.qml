import QtQuick

// Fades the target out but leaves it at 0.001, where it is still drawn and touchable; whoever
// hides it for good sets the opacity to 0 afterwards.
NumberAnimation {
    property: "opacity"
    to: 0.001
    duration: Theme.fadeDuration
    easing.type: Easing.InQuart
}
