pragma ComponentBehavior: Bound
import QtQuick
import Tovimar.Core

// The window: five screens stacked on top of each other, one shown at a time. The window's state
// names the screen shown. The screens say what the user wants; the window makes the calls into
// the core that precede a move and changes the state, and each move's fades and calls stand as
// one row of the table of moves at the end.
Rectangle {
    id: root

    // The core, as the host publishes it. The screens get what they need from here.
    // qmllint disable unqualified
    readonly property ApplicationManager manager: applicationManager
    readonly property ListsDataModel listsModel: listsDataModel
    readonly property ListDataModel listModel: listDataModel
    readonly property CategoriesDataModel categoriesModel: categoriesDataModel
    readonly property LanguagesDataModel languagesModel: languagesDataModel
    readonly property CurrencyUnitsDataModel currencyUnitsModel: currencyUnitsDataModel
    readonly property MeasureUnitsDataModel measureUnitsModel: measureUnitsDataModel
    readonly property bool inSceneKeyboard: keyboardInScene
    // qmllint enable unqualified

    // Leaving the open list for the overview: the overview reads the list's file, so the list is
    // written first.
    function saveList() {
        root.listModel.saveModel()
        root.manager.updateListsDataModel()
    }

    function currencySymbolBinding() {
        return Qt.binding(() => root.currencyUnitsModel.currentCurrencySymbol)
    }

    function keyboardOverlapBinding() { return Qt.binding(() => typing.keyboardOverlap) }

    objectName: "mainWindow"
    width: 800
    height: 480
    color: Theme.windowColor

    // The first frame waits for the main screen alone; the other screens are made after it. What
    // a screen's signals ask for is done below it, and only while it is the screen the state
    // names: a screen that is fading out still takes touches, but moves the window no more.
    ScreenLayer {
        id: screenMain
        stateName: ""
        source: "ScreenMain.qml"
        opacity: 1
        madeForFirstFrame: true
        initialProperties: ({
            manager: root.manager,
            listsModel: root.listsModel,
            currencySymbol: root.currencySymbolBinding()
        })
    }
    Connections {
        target: screenMain.screen
        enabled: root.state === screenMain.stateName
        function onShopButtonClicked(currentIndex: int) {
            if (root.manager.loadList(currentIndex))
                root.state = "screenShop"
        }
        function onEditButtonClicked(currentIndex: int) {
            if (root.manager.loadList(currentIndex))
                root.state = "screenEdit"
        }
        function onNewButtonClicked() {
            if (root.manager.createNewList())
                root.state = "screenEdit"
        }
        function onAboutButtonClicked() { root.manager.showAboutMessage() }
        function onSettingsButtonClicked() { root.state = "screenSettings" }
        function onDeleteListClicked(currentIndex: int) { root.manager.deleteList(currentIndex) }
    }

    ScreenLayer {
        id: screenShop
        stateName: "screenShop"
        source: "ScreenShop.qml"
        initialProperties: ({
            manager: root.manager,
            listModel: root.listModel,
            currencySymbol: root.currencySymbolBinding()
        })
    }
    Connections {
        target: screenShop.screen
        enabled: root.state === screenShop.stateName
        function onHomeButtonClicked() { root.state = "" }
        function onEditModeClicked() {
            root.categoriesModel.loadModel()
            root.state = "screenEdit"
        }
        function onCheckOutClicked() { root.state = "" }
    }

    ScreenLayer {
        id: screenEdit
        stateName: "screenEdit"
        source: "ScreenEdit.qml"
        initialProperties: ({
            manager: root.manager,
            listModel: root.listModel,
            measureUnitsModel: root.measureUnitsModel,
            currencySymbol: root.currencySymbolBinding(),
            keyboardOverlap: root.keyboardOverlapBinding()
        })
    }
    Connections {
        target: screenEdit.screen
        enabled: root.state === screenEdit.stateName
        function onHomeButtonClicked() {
            root.categoriesModel.releaseModel()
            root.listModel.saveModel()
            root.state = ""
        }
        function onCategoriesButtonClicked() { root.state = "screenCategories" }
        function onShopModeClicked() {
            root.categoriesModel.releaseModel()
            root.state = "screenShop"
        }
    }

    ScreenLayer {
        id: screenCategories
        stateName: "screenCategories"
        source: "ScreenCategories.qml"
        initialProperties: ({
            manager: root.manager,
            categoriesModel: root.categoriesModel,
            keyboardOverlap: root.keyboardOverlapBinding()
        })
    }
    Connections {
        target: screenCategories.screen
        enabled: root.state === screenCategories.stateName
        function onHomeButtonClicked() { root.state = "screenEdit" }
    }

    ScreenLayer {
        id: screenSettings
        stateName: "screenSettings"
        source: "ScreenSettings.qml"
        initialProperties: ({
            manager: root.manager,
            languagesModel: root.languagesModel,
            currencyUnitsModel: root.currencyUnitsModel
        })
    }
    Connections {
        target: screenSettings.screen
        enabled: root.state === screenSettings.stateName
        function onCancelClicked() { root.state = "" }
        function onDoneClicked(languageId: int, priceUnitId: int) {
            root.manager.updateSettings(languageId, priceUnitId)
            root.state = ""
        }
    }

    // The core's questions for a line of text and the on-screen keyboard, above every screen.
    TypingLayer {
        id: typing
        anchors.fill: parent
        keyboardInScene: root.inSceneKeyboard
        language: root.languagesModel.languageCode
    }

    // Every screen but the main one hides the main screen.
    states: [
        State { name: "screenShop"; PropertyChanges { screenMain.opacity: 0 } },
        State { name: "screenEdit"; PropertyChanges { screenMain.opacity: 0 } },
        State { name: "screenCategories"; PropertyChanges { screenMain.opacity: 0 } },
        State { name: "screenSettings"; PropertyChanges { screenMain.opacity: 0 } }
    ]

    // Every move there is: the calls before the leaving screen fades out, those made while
    // neither screen shows, and the pause before the next screen fades in.
    transitions: [
        ScreenMove {
            leaving: screenMain; entering: screenShop
            onStarting: screenShop.screen.state = ""
        },
        ScreenMove { leaving: screenShop; entering: screenMain; onStarting: root.saveList() },
        ScreenMove {
            leaving: screenMain; entering: screenEdit
            onStarting: root.categoriesModel.loadModel()
        },
        ScreenMove { leaving: screenEdit; entering: screenMain; onStarting: root.saveList() },
        ScreenMove {
            leaving: screenShop; entering: screenEdit
            onBetweenFades: {
                root.listModel.displayList()
                root.listModel.sortByCategory()
                root.listModel.updateModel()
            }
        },
        ScreenMove {
            leaving: screenEdit; entering: screenShop; pause: Theme.pauseDuration
            onBetweenFades: {
                root.listModel.displayList()
                root.listModel.updateModel()
                screenShop.screen.state = ""
            }
        },
        ScreenMove {
            leaving: screenEdit; entering: screenCategories
            onStarting: root.manager.updateCategoryItems()
        },
        ScreenMove {
            leaving: screenCategories; entering: screenEdit; pause: Theme.pauseDuration
            onStarting: root.manager.updateListItems()
        },
        ScreenMove {
            leaving: screenMain; entering: screenSettings
            onStarting: root.manager.prepareSettings()
        },
        ScreenMove { leaving: screenSettings; entering: screenMain }
    ]
}
