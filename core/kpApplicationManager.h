#pragma once

#include "kpListDataModel.h"
#include "kpListsDataModel.h"

#include <QObject>
#include <QString>

class QQuickWidget;

// The one coordinating object: owns every model, prepares the data directory, and offers the
// screens the operations that span more than one model.
class kpApplicationManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString nullString READ getNullString NOTIFY languageChanged)

public:
    explicit kpApplicationManager(QObject *pParent = nullptr);

    bool initialize();
    void setParentWidget(QQuickWidget *pParentWidget);

    kpListsDataModel *listsDataModel() { return &mListsDataModel; }
    kpListDataModel *listDataModel() { return &mListDataModel; }

    void translateUi();

    // Root of every file of the program: the per-user data location of the toolkit.
    static QString dataLocation();

signals:
    void languageChanged();

public slots:
    bool updateListsDataModel();
    bool loadList(int pListIndex);
    bool deleteList(int pListIndex);
    void showAboutMessage();
    // Always empty: translated texts in QML append it, so that languageChanged() makes them
    // evaluate again.
    QString getNullString() const { return QString(); }
    bool createNewList();
    void toogleFullscreen();

private:
    static QString listsDirectory();
    static bool ensureListsDirectory();
    static QString listFilename();

    QQuickWidget *mParentWidget = nullptr;
    kpListsDataModel mListsDataModel;
    kpListDataModel mListDataModel;

    QString mAboutText;
    QString mAboutTitle;
    QString mDeleteListTitle;
    QString mDeleteListText;
};
