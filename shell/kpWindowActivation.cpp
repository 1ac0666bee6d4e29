#include "kpWindowActivation.h"

#include <QApplication>
#include <QWidget>
#include <qpa/qplatformnativeinterface.h>

namespace kpWindowActivation {

namespace {

const char WaylandToken[] = "XDG_ACTIVATION_TOKEN";

bool onX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

} // namespace

// The X11 platform takes the startup id out of the environment as it connects and keeps it.
QByteArray launchToken()
{
    if (onX11()) {
        QPlatformNativeInterface *native = QGuiApplication::platformNativeInterface();
        return QByteArray(static_cast<const char *>(
            native->nativeResourceForIntegration(QByteArrayLiteral("startupid"))));
    }
    return qgetenv(WaylandToken);
}

// On X11 the window comes to the front and asks for the focus, which the window manager grants
// or not; on Wayland both requests go to the shell, which may grant them or only mark the window.
// Qt's Wayland platform activates with the token in the environment, once.
void bringForward(QWidget *pWindow, const QByteArray &pToken)
{
    if (!pToken.isEmpty()) {
        if (onX11()) {
            using SetStartupId = void (*)(const char *);
            auto setStartupId = reinterpret_cast<SetStartupId>(
                QGuiApplication::platformNativeInterface()->nativeResourceFunctionForIntegration(
                    QByteArrayLiteral("setstartupid")));
            if (setStartupId)
                setStartupId(pToken.constData());
        } else {
            qputenv(WaylandToken, pToken);
        }
    }
    QWidget *front = QApplication::activeModalWidget();
    if (!front)
        front = pWindow;
    pWindow->setWindowState(pWindow->windowState() & ~Qt::WindowMinimized);
    front->raise();
    front->activateWindow();
}

} // namespace kpWindowActivation
