import QtQuick

// The window: five screens stacked on top of each other, one shown at a time. The window's state
// names the screen shown; the transitions between states fade the screens and make the calls
// into the core that belong to each move.
Rectangle {
    id: root

    objectName: "mainWindow"
    width: 800
    height: 480
    color: Theme.windowColor

    // A screen that is fading out still takes touches; only the screen that the state names
    // may move the window on, so that no move starts from a screen that is already left.
    function shows(pState) {
        return root.state === pState
    }

    // Leaving the open list for the overview: the overview reads the list's file, so the list is
    // written first.
    function saveList() {
        listDataModel.saveModel()
        applicationManager.updateListsDataModel()
    }

    ScreenMain {
        id: screenMain
        anchors.fill: parent
        onShopButtonClicked: currentIndex => {
            if (root.shows("") && applicationManager.loadList(currentIndex))
                root.state = "screenShop"
        }
        onEditButtonClicked: currentIndex => {
            if (root.shows("") && applicationManager.loadList(currentIndex))
                root.state = "screenEdit"
        }
        onNewButtonClicked: {
            if (root.shows("") && applicationManager.createNewList())
                root.state = "screenEdit"
        }
        onAboutButtonClicked: {
            if (root.shows(""))
                applicationManager.showAboutMessage()
        }
        onSettingsButtonClicked: {
            if (root.shows(""))
                root.state = "screenSettings"
        }
    }

    ScreenShop {
        id: screenShop
        anchors.fill: parent
        opacity: 0
        onHomeButtonClicked: {
            if (root.shows("screenShop"))
                root.state = ""
        }
        onEditModeClicked: {
            if (root.shows("screenShop"))
                root.state = "screenEdit"
        }
        onCheckOutClicked: {
            if (root.shows("screenShop"))
                root.state = ""
        }
    }

    ScreenEdit {
        id: screenEdit
        anchors.fill: parent
        opacity: 0
        onHomeButtonClicked: {
            if (root.shows("screenEdit"))
                root.state = ""
        }
        onCategoriesButtonClicked: {
            if (root.shows("screenEdit"))
                root.state = "screenCategories"
        }
        onShopModeClicked: {
            if (root.shows("screenEdit"))
                root.state = "screenShop"
        }
    }

    ScreenCategories {
        id: screenCategories
        anchors.fill: parent
        opacity: 0
        onHomeButtonClicked: {
            if (root.shows("screenCategories"))
                root.state = "screenEdit"
        }
    }

    ScreenSettings {
        id: screenSettings
        anchors.fill: parent
        opacity: 0
        onCancelClicked: {
            if (root.shows("screenSettings"))
                root.state = ""
        }
        onDoneClicked: (languageId, priceUnitId) => {
            if (!root.shows("screenSettings"))
                return
            applicationManager.updateSettings(languageId, priceUnitId)
            root.state = ""
        }
    }

    states: [
        State {
            name: "screenShop"
            PropertyChanges { target: screenMain; opacity: 0 }
        },
        State {
            name: "screenEdit"
            PropertyChanges { target: screenMain; opacity: 0 }
        },
        State {
            name: "screenCategories"
            PropertyChanges { target: screenMain; opacity: 0 }
        },
        State {
            name: "screenSettings"
            PropertyChanges { target: screenMain; opacity: 0 }
        }
    ]

    transitions: [
        Transition {
            from: ""
            to: "screenShop"
            SequentialAnimation {
                PropertyAction { target: screenShop; property: "state"; value: "" }
                FadeOut { target: screenMain }
                FadeIn { target: screenShop }
                PropertyAction { target: screenMain; property: "opacity"; value: 0 }
            }
        },
        Transition {
            from: "screenShop"
            to: ""
            SequentialAnimation {
                ScriptAction { script: root.saveList() }
                FadeOut { target: screenShop }
                FadeIn { target: screenMain }
                PropertyAction { target: screenShop; property: "opacity"; value: 0 }
            }
        },
        Transition {
            from: ""
            to: "screenEdit"
            SequentialAnimation {
                ScriptAction { script: categoriesDataModel.loadModel() }
                FadeOut { target: screenMain }
                FadeIn { target: screenEdit }
                PropertyAction { target: screenMain; property: "opacity"; value: 0 }
            }
        },
        Transition {
            from: "screenEdit"
            to: ""
            SequentialAnimation {
                ScriptAction { script: root.saveList() }
                FadeOut { target: screenEdit }
                FadeIn { target: screenMain }
                PropertyAction { target: screenEdit; property: "opacity"; value: 0 }
            }
        },
        Transition {
            from: "screenShop"
            to: "screenEdit"
            SequentialAnimation {
                FadeOut { target: screenShop }
                ScriptAction {
                    script: {
                        listDataModel.displayList()
                        listDataModel.sortByCategory()
                        listDataModel.updateModel()
                    }
                }
                FadeIn { target: screenEdit }
                PropertyAction { target: screenShop; property: "opacity"; value: 0 }
            }
        },
        Transition {
            from: "screenEdit"
            to: "screenShop"
            SequentialAnimation {
                FadeOut { target: screenEdit }
                ScriptAction {
                    script: {
                        listDataModel.displayList()
                        listDataModel.updateModel()
                        screenShop.state = ""
                    }
                }
                PauseAnimation { duration: 100 }
                FadeIn { target: screenShop }
                PropertyAction { target: screenEdit; property: "opacity"; value: 0 }
            }
        },
        Transition {
            from: "screenEdit"
            to: "screenCategories"
            SequentialAnimation {
                ScriptAction { script: applicationManager.updateCategoryItems() }
                FadeOut { target: screenEdit }
                FadeIn { target: screenCategories }
                PropertyAction { target: screenEdit; property: "opacity"; value: 0 }
            }
        },
        Transition {
            from: "screenCategories"
            to: "screenEdit"
            SequentialAnimation {
                ScriptAction { script: applicationManager.updateListItems() }
                FadeOut { target: screenCategories }
                PauseAnimation { duration: 100 }
                FadeIn { target: screenEdit }
                PropertyAction { target: screenCategories; property: "opacity"; value: 0 }
            }
        },
        Transition {
            from: ""
            to: "screenSettings"
            SequentialAnimation {
                ScriptAction { script: applicationManager.prepareSettings() }
                FadeOut { target: screenMain }
                FadeIn { target: screenSettings }
                PropertyAction { target: screenMain; property: "opacity"; value: 0 }
            }
        },
        Transition {
            from: "screenSettings"
            to: ""
            SequentialAnimation {
                FadeOut { target: screenSettings }
                FadeIn { target: screenMain }
                PropertyAction { target: screenSettings; property: "opacity"; value: 0 }
            }
        }
    ]
}
