#pragma once

#include <QByteArray>

class QWidget;

// Coming forward on the user's behalf. Window systems that prevent focus stealing let a window
// come forward only with a token from the launcher the user tapped: an xdg-activation token on
// Wayland, a startup id on X11. A later start hands its token to the running copy, which comes
// forward with it.
namespace kpWindowActivation {

// The token this start was launched with, empty without one. Call once the application object
// exists.
QByteArray launchToken();

// Shows pWindow, or the dialog open over it, in front of the others.
void bringForward(QWidget *pWindow, const QByteArray &pToken);

} // namespace kpWindowActivation
