#include "kpFirstFrameProbe.h"

#include <QApplication>
#include <QQuickWidget>

// The least a Qt Quick program in a widget does: one 800 x 480 rectangle.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    kpFirstFrameProbe::install();
    QQuickWidget view;
    view.setResizeMode(QQuickWidget::SizeRootObjectToView);
    view.setSource(QUrl(QStringLiteral("qrc:/minimal/minimal.qml")));
    view.showMaximized();
    return QApplication::exec();
}
