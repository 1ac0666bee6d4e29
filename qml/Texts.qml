pragma Singleton
import QtQml

// The words that more than one part of the window shows, each translated once.
QtObject {
    readonly property string cancelLabel: qsTr("Cancel")
    readonly property string doneLabel: qsTr("Done")
    readonly property string deleteLabel: qsTr("Delete")
    readonly property string categoriesTitle: qsTr("Categories")
    readonly property string settingsTitle: qsTr("Settings")
}
