#include "kpShellKeyboard.h"

#include "kpOnScreenKeyboard.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputMethod>
#include <QQuickItem>
#include <QQuickWidget>

namespace {

const QString Service = QStringLiteral("sm.puri.OSK0");
const QString Path = QStringLiteral("/sm/puri/OSK0");

// Without an address the bus library would start a bus of its own for an X display.
bool hasSessionBus()
{
    return qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")
        || QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus"));
}

} // namespace

kpShellKeyboard::kpShellKeyboard(QObject *pParent)
    : QObject(pParent)
{
    // Where Qt's keyboard is drawn in the scene, it serves alone.
    if (kpOnScreenKeyboard::inScene())
        return;
    connect(qGuiApp, &QGuiApplication::focusObjectChanged, this, &kpShellKeyboard::follow);
}

// The focus object tells whether it takes text, as the input method asks it.
void kpShellKeyboard::follow()
{
    const bool takesText
        = QGuiApplication::inputMethod()->queryFocusObject(Qt::ImEnabled, {}).toBool();
    if (takesText && !mLookedFor)
        lookForKeyboard();
    if (mPresent && takesText != mAskedVisible)
        setVisible(takesText);
}

// Once a text input first has the focus, not at start-up. The keyboard may come and go with the
// shell; its presence is learnt without waiting for it.
void kpShellKeyboard::lookForKeyboard()
{
    mLookedFor = true;
    if (!hasSessionBus())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    auto *watcher
        = new QDBusServiceWatcher(Service, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            [this](const QString &, const QString &, const QString &pNewOwner) {
                mPresent = !pNewOwner.isEmpty();
                mAskedVisible = false;
                follow();
            });
    bus.connect(Service, Path, QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("PropertiesChanged"), this,
                SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    QDBusMessage hasOwner = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    hasOwner << Service;
    auto *pending = new QDBusPendingCallWatcher(bus.asyncCall(hasOwner), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, pending]() {
        pending->deleteLater();
        mPresent = pending->reply().arguments().value(0).toBool();
        follow();
    });
}

void kpShellKeyboard::setVisible(bool pVisible)
{
    mAskedVisible = pVisible;
    QDBusMessage call
        = QDBusMessage::createMethodCall(Service, Path, Service, QStringLiteral("SetVisible"));
    call << pVisible;
    QDBusConnection::sessionBus().asyncCall(call);
}

void kpShellKeyboard::propertiesChanged(const QString &pInterface, const QVariantMap &pChanged,
                                        const QStringList &)
{
    const QVariant visible = pChanged.value(QStringLiteral("Visible"));
    if (pInterface != Service || !mAskedVisible || !visible.isValid() || visible.toBool())
        return;
    mAskedVisible = false;
    // The input itself gives up the focus, inside the view that has it.
    QObject *input = QGuiApplication::focusObject();
    if (auto *view = qobject_cast<QQuickWidget *>(input))
        input = view->quickWindow()->activeFocusItem();
    if (auto *item = qobject_cast<QQuickItem *>(input))
        item->setFocus(false);
}
