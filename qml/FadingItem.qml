import QtQuick

// An item that fades in and out. Faded out entirely it is neither drawn nor touched: Qt Quick
// still hands touches to an item at opacity 0.
Item {
    visible: opacity > 0
}
