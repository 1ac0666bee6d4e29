#include "kpQuickHost.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    kpQuickHost::setApplicationNames();
    QApplication application(argc, argv);
    return kpQuickHost::exec();
}
