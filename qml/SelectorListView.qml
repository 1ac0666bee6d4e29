import QtQuick

// One spinning wheel of a value selector. The entry in the middle band is the current one:
// turning the wheel changes the current index, setting the index turns the wheel.
Rectangle {
    id: root

    property alias currentIndex: list.currentIndex
    property alias model: list.model
    property alias delegate: list.delegate
    property real shadingRadius: 10
    property int shadingBorderWidth: 1
    // The wheel's value and range as a screen reader reads them: the digit on a digit wheel.
    readonly property int value: list.currentIndex
    readonly property int minimumValue: 0
    readonly property int maximumValue: list.count - 1

    width: parent ? parent.width : 0
    height: parent ? parent.height : 0
    gradient: Theme.wheelGradient
    border.width: 3
    border.color: Theme.wheelBorderColor
    radius: 8
    // A screen reader hears the entry in the band and turns the wheel entry by entry.
    Accessible.role: Accessible.SpinBox
    Accessible.name: (list.currentItem as Text)?.text.trim() ?? ""
    Accessible.onIncreaseAction: list.incrementCurrentIndex()
    Accessible.onDecreaseAction: list.decrementCurrentIndex()

    ListView {
        id: list
        anchors.fill: parent
        clip: true
        preferredHighlightBegin: height / 2 - 30
        preferredHighlightEnd: height / 2 + 30
        highlightRangeMode: ListView.StrictlyEnforceRange
        highlightMoveVelocity: -1
        highlightMoveDuration: Theme.fadeDuration
        snapMode: ListView.SnapToItem
        // Slow and short, so that a wheel is turned entry by entry rather than spun.
        maximumFlickVelocity: 100
        flickDeceleration: 2000
        boundsBehavior: Flickable.StopAtBounds

        // The band follows the current entry only while there is one: a wheel whose entries
        // arrive late (its model or entry set after it was made) starts on the first.
        onCountChanged: {
            if (currentIndex < 0 && count > 0)
                currentIndex = 0
        }

        // Part of the scrolling content, beneath the entries.
        Rectangle {
            anchors.fill: parent
            z: -1
            radius: root.shadingRadius
            border.width: root.shadingBorderWidth
            border.color: Theme.wheelShadingBorderColor
            gradient: Theme.wheelShadingGradient
        }
    }
}
