import QtQuick

// Seven wheels showing a number as four integer digits, a point, two decimals, and a unit.
Item {
    id: root

    property alias currentValue1: wheel1.currentIndex
    property alias currentValue2: wheel2.currentIndex
    property alias currentValue3: wheel3.currentIndex
    property alias currentValue4: wheel4.currentIndex
    property alias currentValue5: wheel5.currentIndex
    property alias currentValue6: wheel6.currentIndex
    property alias currentValue7: wheel7.currentIndex
    property alias selectorModel1: wheel1.model
    property alias selectorModel2: wheel2.model
    property alias selectorModel3: wheel3.model
    property alias selectorModel4: wheel4.model
    property alias selectorModel5: wheel5.model
    property alias selectorModel6: wheel6.model
    property alias selectorModel7: wheel7.model
    property alias selectorDelegate1: wheel1.delegate
    property alias selectorDelegate2: wheel2.delegate
    property alias selectorDelegate3: wheel3.delegate
    property alias selectorDelegate4: wheel4.delegate
    property alias selectorDelegate5: wheel5.delegate
    property alias selectorDelegate6: wheel6.delegate
    property alias selectorDelegate7: wheel7.delegate

    readonly property real separatorWidth: 10
    // The unit wheel keeps room for its text on narrow selectors; the digits share the rest.
    readonly property real unitWheelWidth: Math.max((width - separatorWidth) / 7, 80)
    readonly property real digitWheelWidth: (width - separatorWidth - unitWheelWidth) / 6

    width: 480
    height: 70
    Accessible.role: Accessible.Grouping

    Row {
        anchors.fill: parent

        SelectorListView { id: wheel1; width: root.digitWheelWidth }
        SelectorListView { id: wheel2; width: root.digitWheelWidth }
        SelectorListView { id: wheel3; width: root.digitWheelWidth }
        SelectorListView { id: wheel4; width: root.digitWheelWidth }
        Text {
            width: root.separatorWidth
            height: parent.height
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            font.pixelSize: Theme.pointFontSize
            color: Theme.wheelTextColor
            text: "."
        }
        SelectorListView { id: wheel5; width: root.digitWheelWidth }
        SelectorListView { id: wheel6; width: root.digitWheelWidth }
        SelectorListView { id: wheel7; width: root.unitWheelWidth }
    }
}
