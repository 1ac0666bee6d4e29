#include "kpQuickHost.h"

#include "kpApplicationManager.h"

#include <QApplication>
#include <QMessageBox>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWidget>

// Generated with the QML module Tovimar.Core. The core is linked statically without a plugin,
// so the host registers the module's types itself.
void qml_register_types_Tovimar_Core();

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
    const std::unique_ptr<QQuickWidget> view = createView(&manager);
    view->showMaximized();
    return QApplication::exec();
}

std::unique_ptr<QQuickWidget> createView(kpApplicationManager *pManager)
{
    static const bool typesRegistered = (qml_register_types_Tovimar_Core(), true);
    Q_UNUSED(typesRegistered)
    // Qt Quick has no background cache mode and no automatic orientation attribute: the scene
    // graph renders the whole frame and the window follows the screen's orientation itself.
    auto view = std::make_unique<QQuickWidget>();
    view->setWindowTitle(QStringLiteral("Tovimar Lite"));
    pManager->setParentWidget(view.get());
    publish(view->rootContext(), pManager);
    view->setResizeMode(QQuickWidget::SizeRootObjectToView);
    view->setSource(QUrl(QStringLiteral("qrc:/qml/main.qml")));
    QObject::connect(view->engine(), &QQmlEngine::quit, view.get(), &QWidget::close);
    disablePredictiveText(view.get());
    return view;
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
    for (const char *name : {"editProductNameInput", "categoriesProductNameInput"}) {
        if (QObject *input = findObject(pView, QLatin1String(name)))
            input->setProperty("inputMethodHints", int(Qt::ImhNoPredictiveText));
    }
}

QObject *findObject(QQuickWidget *pView, const QString &pObjectName)
{
    QQuickItem *root = pView->rootObject();
    return root ? root->findChild<QObject *>(pObjectName) : nullptr;
}

} // namespace kpQuickHost
