#include "kpFirstFrameProbe.h"
#include "kpQuickHost.h"

#include <QApplication>

// The program's own start-up, with the first-frame probe watching it.
int main(int argc, char *argv[])
{
    kpQuickHost::setApplicationNames();
    QApplication application(argc, argv);
    kpFirstFrameProbe::install();
    return kpQuickHost::exec();
}
