#pragma once

#include <memory>

class QQmlContext;
class QQuickWidget;
class kpApplicationManager;

// Hosting the declarative interface: the start-up sequence after the application object exists,
// publishing the core to QML.
namespace kpQuickHost {

// What the program settles before the application object exists: its names and which
// on-screen keyboard types into it.
void prepare(int pArgc, char **pArgv);

// Identity of the program; decides the per-user data location. Call before the application
// object exists.
void setApplicationNames();

// Initialises the manager, shows the window and runs the event loop; on a failed
// initialisation shows the error box and returns 1. Where a copy already runs on the same data,
// asks it to come forward and returns 0.
int exec();

// The window as the program shows it, not shown yet: the manager's dialogs parented to it, the
// core published to QML, and the interface loaded.
std::unique_ptr<QQuickWidget> createView(kpApplicationManager *pManager);

void publish(QQmlContext *pContext, kpApplicationManager *pManager);

} // namespace kpQuickHost
