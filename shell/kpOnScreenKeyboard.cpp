#include "kpOnScreenKeyboard.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QString>

namespace kpOnScreenKeyboard {

namespace {

const char InputMethodVariable[] = "QT_IM_MODULE";
const char QtKeyboard[] = "qtvirtualkeyboard";

// The platform as Qt picks it: the command line's, else the environment's, each possibly a list
// of fallbacks with options ("vnc:size=800x480;xcb").
QString platform(int pArgc, char **pArgv)
{
    QString requested = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (int argument = 1; argument + 1 < pArgc; ++argument) {
        if (qstrcmp(pArgv[argument], "-platform") == 0
            || qstrcmp(pArgv[argument], "--platform") == 0)
            requested = QString::fromLocal8Bit(pArgv[argument + 1]);
    }
    return requested.section(QLatin1Char(';'), 0, 0).section(QLatin1Char(':'), 0, 0);
}

// Both halves of Qt's keyboard: the input method plugin and the QML module the scene draws.
bool installed()
{
    const QString plugins = QLibraryInfo::path(QLibraryInfo::PluginsPath);
    const QString imports = QLibraryInfo::path(QLibraryInfo::QmlImportsPath);
    return QFileInfo::exists(
               plugins + QStringLiteral("/platforminputcontexts/libqtvirtualkeyboardplugin.so"))
        && QFileInfo::exists(imports + QStringLiteral("/QtQuick/VirtualKeyboard/qmldir"));
}

} // namespace

void choose(int pArgc, char **pArgv)
{
    static const QStringList panelPlatforms
        = {QStringLiteral("eglfs"), QStringLiteral("linuxfb"), QStringLiteral("vnc")};
    if (!qEnvironmentVariableIsSet(InputMethodVariable)
        && panelPlatforms.contains(platform(pArgc, pArgv)) && installed())
        qputenv(InputMethodVariable, QtKeyboard);
    if (!inScene())
        return;
    qputenv("QT_VIRTUALKEYBOARD_DESKTOP_DISABLE", "1");
    // The program's own layouts, which the window's scene carries along with the keyboard.
    if (!qEnvironmentVariableIsSet("QT_VIRTUALKEYBOARD_LAYOUT_PATH"))
        qputenv("QT_VIRTUALKEYBOARD_LAYOUT_PATH", "qrc:/qml/keyboard");
}

bool inScene()
{
    return qgetenv(InputMethodVariable) == QtKeyboard;
}

} // namespace kpOnScreenKeyboard
