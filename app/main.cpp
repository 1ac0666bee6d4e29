#include "kpQuickHost.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    kpQuickHost::prepare(argc, argv);
    QApplication application(argc, argv);
    return kpQuickHost::exec();
}
