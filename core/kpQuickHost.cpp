#include "kpQuickHost.h"

#include "kpApplicationManager.h"
#include "kpQmlObjects.h"

#include <QApplication>
#include <QMessageBox>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickWidget>

namespace kpQuickHost {

void setApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("velmora.org"));
    QCoreApplication::setApplicationName(QStringLiteral("Tovimar"));
    // Lets the desktop match the window to the installed launcher entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.Tovimar"));
}

namespace {

void showInitializationError()
{
    QMessageBox::critical(nullptr, QObject::tr("Error"),
                          QObject::tr("Application initialization error. Please, contact the "
                                      "developer."),
                          QMessageBox::Ok, QMessageBox::NoButton);
}

} // namespace

int exec()
{
    kpApplicationManager manager;
    if (!manager.initialize()) {
        showInitializationError();
        return 1;
    }

    // Qt Quick has no background cache mode and no automatic orientation attribute: the scene
    // graph renders the whole frame and the window follows the screen's orientation itself.
    QQuickWidget view;
    view.setWindowTitle(QStringLiteral("Tovimar Lite"));
    manager.setParentWidget(&view);
    publish(view.rootContext(), &manager);
    view.setResizeMode(QQuickWidget::SizeRootObjectToView);
    view.setSource(QUrl(QStringLiteral("qrc:/qml/main.qml")));
    QObject::connect(view.engine(), &QQmlEngine::quit, &view, &QWidget::close);
    disablePredictiveText(&view);
    view.showMaximized();
    return QApplication::exec();
}

void publish(QQmlContext *pContext, kpApplicationManager *pManager)
{
    pContext->setContextProperty(QStringLiteral("applicationManager"), pManager);
    pContext->setContextProperty(QStringLiteral("listsDataModel"), pManager->listsDataModel());
    pContext->setContextProperty(QStringLiteral("listDataModel"), pManager->listDataModel());
    pContext->setContextProperty(QStringLiteral("categoriesDataModel"),
                                 pManager->productsDataModel());
    pContext->setContextProperty(QStringLiteral("languagesDataModel"),
                                 pManager->languagesDataModel());
    pContext->setContextProperty(QStringLiteral("currencyUnitsDataModel"),
                                 pManager->currencyUnitsDataModel());
    pContext->setContextProperty(QStringLiteral("measureUnitsDataModel"),
                                 pManager->measureUnitsDataModel());
}

// Product names are not words: word prediction only gets in the way of typing them.
void disablePredictiveText(QQuickWidget *pView)
{
    using namespace kpQmlObjects;
    for (const char *name : {EditProductNameInput, CategoriesProductNameInput}) {
        if (QObject *input = find(pView, QLatin1String(name)))
            input->setProperty(InputMethodHints, int(Qt::ImhNoPredictiveText));
    }
}

} // namespace kpQuickHost
