#include "kpQuickHost.h"

#include "kpApplicationManager.h"
#include "kpDataLocation.h"
#include "kpOnScreenKeyboard.h"
#include "kpShellKeyboard.h"
#include "kpSingleInstance.h"
#include "kpTouchDialogs.h"
#include "kpWindowActivation.h"

#include <QApplication>
#include <QMessageBox>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlIncubationController>
#include <QQuickWidget>
#include <QTimer>

// Generated with the QML modules Tovimar.Core and Tovimar.Shell. They are linked statically
// without a plugin, so the host registers the modules' types itself.
void qml_register_types_Tovimar_Core();
void qml_register_types_Tovimar_Shell();

namespace kpQuickHost {

void prepare(int pArgc, char **pArgv)
{
    setApplicationNames();
    kpOnScreenKeyboard::choose(pArgc, pArgv);
}

void setApplicationNames()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Velmora"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("velmora.org"));
    QCoreApplication::setApplicationName(QStringLiteral("Tovimar"));
    // Lets the desktop match the window to the installed launcher entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.Tovimar"));
}

namespace {

// Makes what QML asks to be made asynchronously in short slices between the window's events, so
// that a touch is answered while screens are still being made; QQuickWidget brings no controller
// of its own.
class SlicedIncubationController : public QObject, public QQmlIncubationController
{
public:
    explicit SlicedIncubationController(QObject *pParent)
        : QObject(pParent)
    {
        mSliceTimer.setInterval(0);
        connect(&mSliceTimer, &QTimer::timeout, this, [this]() { incubateFor(SliceMs); });
    }

protected:
    void incubatingObjectCountChanged(int pIncubatingObjectCount) override
    {
        if (pIncubatingObjectCount > 0)
            mSliceTimer.start();
        else
            mSliceTimer.stop();
    }

private:
    static constexpr int SliceMs = 5;
    QTimer mSliceTimer;
};

// The screens not shown at first are made after the first frame. The controller is the view's
// child, made after the engine: it outlives every call the engine may make to it.
void makeHiddenScreensInSlices(QQuickWidget *pView)
{
    pView->engine()->setIncubationController(new SlicedIncubationController(pView));
}

void showInitializationError()
{
    const kpTouchDialogs fitted;
    QMessageBox::critical(nullptr, QObject::tr("Error"),
                          QObject::tr("Application initialization error. Please, contact the "
                                      "developer."),
                          QMessageBox::Ok, QMessageBox::NoButton);
}

} // namespace

int exec()
{
    // Made first, so that the lock is given up only after the manager has saved.
    kpSingleInstance instance(kpDataLocation::root());
    if (!instance.claim(kpWindowActivation::launchToken()))
        return 0;
    kpApplicationManager manager;
    if (!manager.initialize()) {
        showInitializationError();
        return 1;
    }
    const std::unique_ptr<QQuickWidget> view = createView(&manager);
    QObject::connect(&instance, &kpSingleInstance::comeForwardRequested, view.get(),
                     [window = view.get()](const QByteArray &pToken) {
                         kpWindowActivation::bringForward(window, pToken);
                     });
    const kpShellKeyboard shellKeyboard;
    view->showMaximized();
    return QApplication::exec();
}

std::unique_ptr<QQuickWidget> createView(kpApplicationManager *pManager)
{
    static const bool typesRegistered
        = (qml_register_types_Tovimar_Core(), qml_register_types_Tovimar_Shell(), true);
    Q_UNUSED(typesRegistered)
    // Qt Quick has no background cache mode and no automatic orientation attribute: the scene
    // graph renders the whole frame and the window follows the screen's orientation itself.
    auto view = std::make_unique<QQuickWidget>();
    view->setWindowTitle(QStringLiteral("Tovimar Lite"));
    pManager->setParentWidget(view.get());
    new kpTouchDialogs(view.get());
    publish(view->rootContext(), pManager);
    view->setResizeMode(QQuickWidget::SizeRootObjectToView);
    view->setSource(QUrl(QStringLiteral("qrc:/qml/main.qml")));
    QObject::connect(view->engine(), &QQmlEngine::quit, view.get(), &QWidget::close);
    // Every binding that calls qsTr() takes the new language's text at once.
    QObject::connect(pManager, &kpApplicationManager::languageChanged, view->engine(),
                     &QQmlEngine::retranslate);
    makeHiddenScreensInSlices(view.get());
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
    pContext->setContextProperty(QStringLiteral("keyboardInScene"), kpOnScreenKeyboard::inScene());
}

} // namespace kpQuickHost
