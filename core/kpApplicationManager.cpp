#include "kpApplicationManager.h"

#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QQuickWidget>
#include <QStandardPaths>

kpApplicationManager::kpApplicationManager(QObject *pParent)
    : QObject(pParent)
{
    translateUi();
}

bool kpApplicationManager::initialize()
{
    // Prices are written and read with "." whatever the interface language.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    if (!ensureListsDirectory())
        return false;
    return updateListsDataModel();
}

void kpApplicationManager::setParentWidget(QQuickWidget *pParentWidget)
{
    mParentWidget = pParentWidget;
    mListDataModel.setParentWidget(pParentWidget);
}

void kpApplicationManager::translateUi()
{
    mAboutText = tr("Tovimar Lite v1.0.0<br>Velmora<br>2011");
    mAboutTitle = tr("About");
    mDeleteListTitle = tr("Delete list");
    mDeleteListText = tr("Are you sure you want to delete list");
    mListDataModel.translateUi();
}

QString kpApplicationManager::dataLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString kpApplicationManager::listsDirectory()
{
    return QDir(dataLocation()).absoluteFilePath(QStringLiteral("lists"));
}

bool kpApplicationManager::ensureListsDirectory()
{
    return QDir().mkpath(listsDirectory());
}

// This edition keeps exactly one shopping list.
QString kpApplicationManager::listFilename()
{
    return QDir(listsDirectory()).absoluteFilePath(QStringLiteral("demo-list.kpl"));
}

bool kpApplicationManager::updateListsDataModel()
{
    QStringList filenames;
    if (QDir(listsDirectory()).exists())
        filenames.append(listFilename());
    else if (!ensureListsDirectory())
        return false;
    return mListsDataModel.loadData(filenames);
}

bool kpApplicationManager::loadList(int pListIndex)
{
    if (pListIndex == -1)
        return false;
    const QString filename = mListsDataModel.listFileName(pListIndex);
    if (filename.isEmpty() || !mListDataModel.loadModel(filename))
        return false;
    mListDataModel.sortByCategory();
    mListDataModel.displayList();
    mListDataModel.updateModel();
    return true;
}

bool kpApplicationManager::deleteList(int pListIndex)
{
    const QString name
        = mListsDataModel.data(mListsDataModel.index(pListIndex), kpListsDataModel::NameRole)
              .toString();
    const QString question = mDeleteListText + QLatin1Char(' ') + name + QLatin1Char('?');
    if (QMessageBox::warning(mParentWidget, mDeleteListTitle, question,
                             QMessageBox::Ok | QMessageBox::Cancel)
        == QMessageBox::Ok)
        mListsDataModel.deleteList(pListIndex);
    updateListsDataModel();
    return true;
}

void kpApplicationManager::showAboutMessage()
{
    QMessageBox::about(mParentWidget, mAboutTitle, mAboutText);
}

bool kpApplicationManager::createNewList()
{
    if (!ensureListsDirectory())
        return false;
    return mListDataModel.newModel(listFilename());
}

void kpApplicationManager::toogleFullscreen()
{
    if (!mParentWidget)
        return;
    if (mParentWidget->isFullScreen())
        mParentWidget->showNormal();
    else
        mParentWidget->showFullScreen();
}
