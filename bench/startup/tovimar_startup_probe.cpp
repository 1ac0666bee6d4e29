#include "kpFirstFrameProbe.h"
#include "kpQmlObjects.h"
#include "kpQuickHost.h"

#include <QApplication>

// The program's own start-up, with the first-frame probe watching it. Settled means every screen
// is made: the item dialog's, the settings screen's and the catalogue screen's objects can be
// found.
int main(int argc, char *argv[])
{
    kpQuickHost::prepare(argc, argv);
    QApplication application(argc, argv);
    kpFirstFrameProbe::install([](QQuickWidget *pView) {
        using namespace kpQmlObjects;
        return find(pView, QLatin1String(AmountSelector))
            && find(pView, QLatin1String(LanguageSelector))
            && find(pView, QStringLiteral("categoriesProductNameInput"));
    });
    return kpQuickHost::exec();
}
