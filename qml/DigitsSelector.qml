import QtQuick

// A value selector of the item dialog: six digit wheels of ten entries each, and a unit wheel
// that its user fills.
ValuesSelector {
    id: root

    required property Component digitDelegate

    width: parent ? parent.width : 0
    height: 75
    selectorModel1: 10
    selectorModel2: 10
    selectorModel3: 10
    selectorModel4: 10
    selectorModel5: 10
    selectorModel6: 10
    selectorDelegate1: root.digitDelegate
    selectorDelegate2: root.digitDelegate
    selectorDelegate3: root.digitDelegate
    selectorDelegate4: root.digitDelegate
    selectorDelegate5: root.digitDelegate
    selectorDelegate6: root.digitDelegate
}
