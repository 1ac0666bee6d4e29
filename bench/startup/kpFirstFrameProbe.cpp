#include "kpFirstFrameProbe.h"

#include <QApplication>
#include <QFile>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QTimer>
#include <cstdio>

namespace kpFirstFrameProbe {

namespace {

constexpr int SettleMs = 2000;

qint64 residentKib(const char *pField)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression field(QLatin1String(pField) + QStringLiteral(":\\s+(\\d+)"));
    return field.match(QString::fromLatin1(status.readAll())).captured(1).toLongLong();
}

void reportAndQuit(const char *pWhat, qint64 pKib)
{
    std::printf("%s %lld\n", pWhat, pKib);
    std::fflush(stdout);
    std::_Exit(0);
}

void watch(QQuickWidget *pView, const std::function<bool(QQuickWidget *)> &pAllMade)
{
    const bool settled = QCoreApplication::arguments().contains(QStringLiteral("--settled"));
    // The widget composes the frame on its next paint, right after the scene was rendered.
    QObject::connect(
        pView->quickWindow(), &QQuickWindow::afterRendering, qApp,
        [pView, pAllMade, settled]() {
            if (!settled) {
                QTimer::singleShot(0, qApp,
                                   []() { reportAndQuit("first-frame", residentKib("VmHWM")); });
                return;
            }
            QTimer::singleShot(SettleMs, qApp, [pView, pAllMade]() {
                if (pAllMade && !pAllMade(pView))
                    reportAndQuit("settled-incomplete", 0);
                reportAndQuit("settled", residentKib("VmRSS"));
            });
        },
        Qt::SingleShotConnection);
}

void findView(const std::function<bool(QQuickWidget *)> &pAllMade)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *view = qobject_cast<QQuickWidget *>(widget); view && view->isVisible()) {
            watch(view, pAllMade);
            return;
        }
    }
    QTimer::singleShot(1, qApp, [pAllMade]() { findView(pAllMade); });
}

} // namespace

void install(std::function<bool(QQuickWidget *)> pAllMade)
{
    QTimer::singleShot(0, qApp, [pAllMade]() { findView(pAllMade); });
}

} // namespace kpFirstFrameProbe
