#include "kpShellKeyboard.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputMethod>

namespace {

const QString Service = QStringLiteral("sm.puri.OSK0");

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
    QDBusMessage call = QDBusMessage::createMethodCall(Service, QStringLiteral("/sm/puri/OSK0"),
                                                       Service, QStringLiteral("SetVisible"));
    call << pVisible;
    QDBusConnection::sessionBus().asyncCall(call);
}
