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
    // qmllint enable unqualified

    // A screen that is fading out still takes touches; only the screen that the state names
    // may move the window on, so that no move starts from a screen that is already left.
    function shows(pState: string): bool {
        return root.state === pState
    }

    // Leaving the open list for the overview: the overview reads the list's file, so the list is
    // written first.
    function saveList() {
        root.listModel.saveModel()
        root.manager.updateListsDataModel()
    }

    objectName: "mainWindow"
    width: 800
    height: 480
    color: Theme.windowColor

    // The first frame waits for the main screen alone; the other screens are made after it.
    ScreenLayer {
        id: screenMain
        opacity: 1
        madeForFirstFrame: true
        screenComponent: ScreenMain {
            anchors.fill: parent
            manager: root.manager
            listsModel: root.listsModel
            currencySymbol: root.currencyUnitsModel.currentCurrencySymbol
            onShopButtonClicked: currentIndex => {
                if (root.shows("") && root.manager.loadList(currentIndex))
                    root.state = "screenShop"
            }
            onEditButtonClicked: currentIndex => {
                if (root.shows("") && root.manager.loadList(currentIndex))
                    root.state = "screenEdit"
            }
            onNewButtonClicked: {
                if (root.shows("") && root.manager.createNewList())
                    root.state = "screenEdit"
            }
            onAboutButtonClicked: if (root.shows("")) root.manager.showAboutMessage()
            onSettingsButtonClicked: if (root.shows("")) root.state = "screenSettings"
            onDeleteListClicked: currentIndex => root.manager.deleteList(currentIndex)
        }
    }

    ScreenLayer {
        id: screenShop
        screenComponent: ScreenShop {
            anchors.fill: parent
            manager: root.manager
            listModel: root.listModel
            currencySymbol: root.currencyUnitsModel.currentCurrencySymbol
            onHomeButtonClicked: if (root.shows("screenShop")) root.state = ""
            onEditModeClicked: {
                if (!root.shows("screenShop"))
                    return
                root.categoriesModel.loadModel()
                root.state = "screenEdit"
            }
            onCheckOutClicked: if (root.shows("screenShop")) root.state = ""
        }
    }

    ScreenLayer {
        id: screenEdit
        screenComponent: ScreenEdit {
            anchors.fill: parent
            manager: root.manager
            listModel: root.listModel
            measureUnitsModel: root.measureUnitsModel
            currencySymbol: root.currencyUnitsModel.currentCurrencySymbol
            onHomeButtonClicked: {
                if (!root.shows("screenEdit"))
                    return
                root.categoriesModel.releaseModel()
                root.listModel.saveModel()
                root.state = ""
            }
            onCategoriesButtonClicked: if (root.shows("screenEdit")) root.state = "screenCategories"
            onShopModeClicked: {
                if (!root.shows("screenEdit"))
                    return
                root.categoriesModel.releaseModel()
                root.state = "screenShop"
            }
        }
    }

    ScreenLayer {
        id: screenCategories
        screenComponent: ScreenCategories {
            anchors.fill: parent
            manager: root.manager
            categoriesModel: root.categoriesModel
            onHomeButtonClicked: if (root.shows("screenCategories")) root.state = "screenEdit"
        }
    }

    ScreenLayer {
        id: screenSettings
        screenComponent: ScreenSettings {
            anchors.fill: parent
            manager: root.manager
            languagesModel: root.languagesModel
            currencyUnitsModel: root.currencyUnitsModel
            onCancelClicked: if (root.shows("screenSettings")) root.state = ""
            onDoneClicked: (languageId, priceUnitId) => {
                if (!root.shows("screenSettings"))
                    return
                root.manager.updateSettings(languageId, priceUnitId)
                root.state = ""
            }
        }
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
            from: ""; to: "screenShop"; leaving: screenMain; entering: screenShop
            onStarting: screenShop.screen.state = ""
        },
        ScreenMove {
            from: "screenShop"; to: ""; leaving: screenShop; entering: screenMain
            onStarting: root.saveList()
        },
        ScreenMove {
            from: ""; to: "screenEdit"; leaving: screenMain; entering: screenEdit
            onStarting: root.categoriesModel.loadModel()
        },
        ScreenMove {
            from: "screenEdit"; to: ""; leaving: screenEdit; entering: screenMain
            onStarting: root.saveList()
        },
        ScreenMove {
            from: "screenShop"; to: "screenEdit"; leaving: screenShop; entering: screenEdit
            onBetweenFades: {
                root.listModel.displayList()
                root.listModel.sortByCategory()
                root.listModel.updateModel()
            }
        },
        ScreenMove {
            from: "screenEdit"; to: "screenShop"; leaving: screenEdit; entering: screenShop
            onBetweenFades: {
                root.listModel.displayList()
                root.listModel.updateModel()
                screenShop.screen.state = ""
            }
            pause: Theme.pauseDuration
        },
        ScreenMove {
            from: "screenEdit"; to: "screenCategories"; leaving: screenEdit
            entering: screenCategories
            onStarting: root.manager.updateCategoryItems()
        },
        ScreenMove {
            from: "screenCategories"; to: "screenEdit"; leaving: screenCategories
            entering: screenEdit
            onStarting: root.manager.updateListItems()
            pause: Theme.pauseDuration
        },
        ScreenMove {
            from: ""; to: "screenSettings"; leaving: screenMain; entering: screenSettings
            onStarting: root.manager.prepareSettings()
        },
        ScreenMove {
            from: "screenSettings"; to: ""; leaving: screenSettings; entering: screenMain
        }
    ]
}
