#include "kpFirstFrameProbe.h"

#include <QApplication>
#include <QQuickWidget>

// The least a Qt Quick program in a widget does: one 800 x 480 rectangle; started with --text,
// the same with a line of text on it.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    kpFirstFrameProbe::install();
    const bool text = QCoreApplication::arguments().contains(QStringLiteral("--text"));
    QQuickWidget view;
    view.setResizeMode(QQuickWidget::SizeRootObjectToView);
    view.setSource(text ? QUrl(QStringLiteral("qrc:/minimal/minimal_text.qml"))
                        : QUrl(QStringLiteral("qrc:/minimal/minimal.qml")));
    view.showMaximized();
    return QApplication::exec();
}
